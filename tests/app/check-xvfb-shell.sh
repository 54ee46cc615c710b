#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a new user would: it starts on the title
# screen, "OK" opens the menu, the menu's "Exit" brings the title screen back with "Cancel",
# "Cancel" returns to the menu, and "Exit" ends the process with status 0.
set -u
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

at() { eval "$(xdotool getwindowgeometry --shell "$(visible "$1")")"; echo "$X,$Y"; }
start_program
# Centred at their own sizes on the 1024 x 768 display, where points.sh expects them.
[ "$(at '^ $')" = 330,165 ] || fail "title screen at $(at '^ $'), not centred"
[ -n "$(visible '^$')" ] || [ -n "$(xdotool search --onlyvisible --class tellwyn)" ] || fail "no backdrop"
click TITLE_OK
wait_for '^Tellwyn$' 10 || fail "OK did not open the menu"
gone '^ $' || fail "the title screen stayed after OK"
[ "$(at '^Tellwyn$')" = 112,84 ] || fail "menu at $(at '^Tellwyn$'), not centred"
click EXIT
wait_for '^ $' 10 || fail "the menu's Exit did not show the title screen"
click TITLE_OK                                   # "Cancel"
gone '^ $' || fail "Cancel did not close the title screen"
[ -n "$(visible '^Tellwyn$')" ] || fail "the menu is not there after Cancel"
click EXIT
wait_for '^ $' 10 || fail "the title screen did not come back"
click TITLE_EXIT
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "xvfb-shell: 1 passed, 0 failed"
