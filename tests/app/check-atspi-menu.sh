#!/usr/bin/env bash
# What a screen reader sees: the real program under Xvfb on a session bus of its own, read
# through AT-SPI. The menu's entries are listed by name and role, a topic without screens says it
# is disabled, and "The Moon Landings" pressed through its accessible action opens the hub.
set -u
XVFB_TOOLS="dbus-launch /usr/libexec/at-spi-bus-launcher"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skip: no python3-pyatspi"; exit 77; }

eval "$(dbus-launch --sh-syntax)"
trap 'kill "${pid:-}" 2>/dev/null; kill "$DBUS_SESSION_BUS_PID" 2>/dev/null' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_at_menu
sleep 0.5
menus=$(count)

/usr/bin/python3 - <<'PY' || fail "the menu is not readable through AT-SPI"
import sys, time
import pyatspi

def buttons(node):
    for child in node:
        if child is not None:
            if child.getRole() == pyatspi.ROLE_PUSH_BUTTON:
                yield child
            yield from buttons(child)

for _ in range(100):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and "tellwyn" in (a.name or "").lower()]
    if apps:
        break
    time.sleep(0.1)
else:
    sys.exit("no application named tellwyn on the accessibility bus")
entries = {}
for window in apps[0]:
    if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
        entries.update((b.name, b) for b in buttons(window))
for name, b in entries.items():
    print(f"{b.getRoleName()}: {name}{'' if b.getState().contains(pyatspi.STATE_ENABLED) else ' (disabled)'}")
if "The Moon Landings" not in entries or "Mohammed" not in entries:
    sys.exit("the menu's entries are not listed")
if entries["Mohammed"].getState().contains(pyatspi.STATE_ENABLED):
    sys.exit("a topic without screens says it is enabled")
action = entries["The Moon Landings"].queryAction()
press = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
if not press:
    sys.exit("\"The Moon Landings\" offers no press action")
action.doAction(press[0])
PY
screens $((menus + 1)) || fail "the accessible press did not open the hub"
echo "atspi-menu: 1 passed, 0 failed"
