#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a new user would: it starts on the title
# screen, "OK" opens the menu, the menu's "Exit" brings the title screen back with "Cancel",
# "Cancel" returns to the menu, and "Exit" ends the process with status 0.
set -u
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

gone() { for _ in $(seq 1 50); do [ -z "$(visible "$1")" ] && return 0; sleep 0.1; done; return 1; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
origin() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }

start_program
title=$(visible '^ $')
read -r tx ty < <(origin "$title")
# Centred at its own size (364 x 438 pixels) on the 1024 x 768 display.
[ "$tx" -eq 330 ] && [ "$ty" -eq 165 ] || fail "title screen at $tx,$ty, not centred"
[ -n "$(visible '^$')" ] || [ -n "$(xdotool search --onlyvisible --class tellwyn)" ] || fail "no backdrop"

click $((tx + 132)) $((ty + 406))               # OK
menu=$(window_for '^Tellwyn$' 10) || fail "OK did not open the menu"
gone '^ $' || fail "the title screen stayed after OK"
read -r mx my < <(origin "$menu")
[ "$mx" -eq 112 ] && [ "$my" -eq 84 ] || fail "menu at $mx,$my, not centred"

click $((mx + 745)) $((my + 544))               # the menu's Exit
title=$(window_for '^ $' 10) || fail "the menu's Exit did not show the title screen"
read -r tx ty < <(origin "$title")
click $((tx + 132)) $((ty + 406))               # Cancel
gone '^ $' || fail "Cancel did not close the title screen"
[ -n "$(visible '^Tellwyn$')" ] || fail "the menu is not there after Cancel"

click $((mx + 745)) $((my + 544))               # Exit again
title=$(window_for '^ $' 10) || fail "the title screen did not come back"
read -r tx ty < <(origin "$title")
click $((tx + 228)) $((ty + 406))               # Exit
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "xvfb-shell: 1 passed, 0 failed"
