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
click TITLE_OK 1.2

/usr/bin/python3 - <<'PY' || fail "the names are not buttons to a screen reader"
import sys, time
import pyatspi

def buttons(node):
    for child in node:
        if child is not None:
            if child.getRole() == pyatspi.ROLE_PUSH_BUTTON and child.getState().contains(pyatspi.STATE_SHOWING):
                yield child
            yield from buttons(child)

for _ in range(100):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and "tellwyn" in (a.name or "").lower()]
    if apps:
        break
    time.sleep(0.1)
else:
    sys.exit("no application named tellwyn on the accessibility bus")
def showing():
    names = {}
    for window in apps[0]:
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            names.update((b.name, b) for b in buttons(window))
    return names

names = showing()
print(", ".join(sorted(names)))
if "Ann Lee" not in names or "Bob Ray" not in names:
    sys.exit("the pupils' names are not listed as buttons")
action = names["Bob Ray"].queryAction()
press = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
if not press:
    sys.exit("a name offers no press action")
action.doAction(press[0])
for _ in range(50):
    if "The Moon Landings" in showing():
        break
    time.sleep(0.1)
else:
    sys.exit("no menu after a name was pressed")
PY
echo "atspi-whoareyou: 1 passed, 0 failed"
