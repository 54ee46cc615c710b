#!/usr/bin/env bash
# What a screen reader sees: the real program under Xvfb on a session bus of its own, read
# through AT-SPI. The menu's entries are listed by name and role, the topics without screens say
# they are disabled, and "The Moon Landings" pressed through its accessible action opens the hub.
# The way in is a click on "OK": the keyboard path has a check of its own.
set -u
XVFB_TOOLS="dbus-launch /usr/libexec/at-spi-bus-launcher"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skip: no python3-pyatspi"; exit 77; }

eval "$(dbus-launch --sh-syntax)"
cleanup() { kill "${pid:-}" 2>/dev/null; kill "$DBUS_SESSION_BUS_PID" 2>/dev/null; }
trap cleanup EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

count() { xdotool search --onlyvisible --name '^Tellwyn$' 2>/dev/null | wc -l; }
screens() { for _ in $(seq 1 50); do [ "$(count)" -eq "$1" ] && return 0; sleep 0.1; done; return 1; }

start_program
base=$(count)
eval "$(xdotool getwindowgeometry --shell "$(visible '^ $')")"
xdotool mousemove $((X + 132)) $((Y + 406)) click 1 # "OK"
screens $((base + 1)) || fail "the menu did not open"
sleep 0.5
menus=$(count)

/usr/bin/python3 - <<'PY' || fail "the menu is not readable through AT-SPI"
import sys, time
import pyatspi

def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and "tellwyn" in (app.name or "").lower():
            return app
    return None

def buttons(node, found):
    for child in node:
        if child is None:
            continue
        if child.getRole() == pyatspi.ROLE_PUSH_BUTTON:
            found.append(child)
        buttons(child, found)
    return found

app = None
for _ in range(100):
    app = find_app()
    if app is not None:
        break
    time.sleep(0.1)
if app is None:
    sys.exit("no application named tellwyn on the accessibility bus")
menu = [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)
        and any(b.name == "The Moon Landings" for b in buttons(w, []))]
if not menu:
    sys.exit("no window lists \"The Moon Landings\"")
entries = buttons(menu[0], [])
for b in entries:
    enabled = b.getState().contains(pyatspi.STATE_ENABLED)
    print(f"{b.getRoleName()}: {b.name}{'' if enabled else ' (disabled)'}")
names = {b.name: b for b in entries}
for wanted in ["Florence Nightingale", "Julius Caesar", "The Moon Landings", "Teachers' Guide",
               "Acknowledgments", "Multiple Choice Wizard", "Worksheet Catalogue", "Exit"]:
    if wanted not in names:
        sys.exit(f"missing entry {wanted}")
if names["Mohammed"].getState().contains(pyatspi.STATE_ENABLED):
    sys.exit("a topic without screens says it is enabled")
action = names["The Moon Landings"].queryAction()
press = [i for i in range(action.nActions) if action.getName(i).lower() == "press"]
if not press:
    sys.exit("\"The Moon Landings\" offers no press action")
action.doAction(press[0])
PY
screens $((menus + 1)) || fail "the accessible press did not open the hub"
echo "atspi-menu: 1 passed, 0 failed"
