#!/usr/bin/env bash
# What a screen reader sees on "Who are you?": each pupil's name is a button named for the pupil,
# and pressing one through its accessible action goes on to the menu.
set -u
XVFB_TOOLS="dbus-launch /usr/libexec/at-spi-bus-launcher"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skip: no python3-pyatspi"; exit 77; }

work=$(mktemp -d)
export HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_DATA_HOME="$work/.local/share" XDG_CONFIG_DIRS="$work/none"
printf 'Ann Lee\nBob Ray\n' >"$work/names.txt"
env -u DISPLAY "$XVFB_PROGRAM" --data-dir "$XVFB_DATA" --add-class Oak "$work/names.txt" >/dev/null || fail "--add-class"
eval "$(dbus-launch --sh-syntax)"
trap 'kill "${pid:-}" 2>/dev/null; kill "$DBUS_SESSION_BUS_PID" 2>/dev/null; rm -rf "$work"' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
click TITLE_OK

PYTHONPATH="$(dirname "$0")/../support" /usr/bin/python3 - <<'PY' || fail "the names are not buttons to a screen reader"
import sys, time
import pyatspi
from atspi_tellwyn import tellwyn, showing_buttons, press

app = tellwyn()
names = {n: b for n, b in showing_buttons(app).items()
         if b.getState().contains(pyatspi.STATE_SHOWING)}
print(", ".join(sorted(names)))
if "Ann Lee" not in names or "Bob Ray" not in names:
    sys.exit("the pupils' names are not listed as buttons")
press(names["Bob Ray"])
for _ in range(200):
    if "The Moon Landings" in showing_buttons(app):
        break
    time.sleep(0.05)
else:
    sys.exit("no menu after a name was pressed")
PY
echo "atspi-whoareyou: 1 passed, 0 failed"
