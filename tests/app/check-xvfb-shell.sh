#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a new user would: it starts on the title
# screen, "OK" opens the menu, the menu's "Exit" brings the title screen back with "Cancel",
# "Cancel" returns to the menu, and "Exit" ends the process with status 0.
set -u
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "skip: no xvfb-run/xdotool"; exit 77; }
src="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
bin="${TELLWYN_BUILD:-$src/build}/tellwyn"
[ -x "$bin" ] || { echo "no program at $bin"; exit 1; }

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
cat >"$inner" <<'INNER'
set -u
bin="$1"; data="$2"
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null; exit 1; }
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
wait_for() { # name, seconds
  for _ in $(seq 1 $(( $2 * 10 ))); do w=$(visible "$1"); [ -n "$w" ] && { echo "$w"; return 0; }; sleep 0.1; done
  return 1
}
gone() { for _ in $(seq 1 50); do [ -z "$(visible "$1")" ] && return 0; sleep 0.1; done; return 1; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
origin() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }

QT_QPA_PLATFORM=xcb "$bin" --data-dir "$data" &
pid=$!
title=$(wait_for '^ $' 20) || fail "the title screen did not appear"
read -r tx ty < <(origin "$title")
# Centred at its own size (364 x 438 pixels) on the 1024 x 768 display.
[ "$tx" -eq 330 ] && [ "$ty" -eq 165 ] || fail "title screen at $tx,$ty, not centred"
[ -n "$(visible '^$')" ] || [ -n "$(xdotool search --onlyvisible --class tellwyn)" ] || fail "no backdrop"

click $((tx + 132)) $((ty + 406))               # OK
menu=$(wait_for '^Tellwyn$' 10) || fail "OK did not open the menu"
gone '^ $' || fail "the title screen stayed after OK"
read -r mx my < <(origin "$menu")
[ "$mx" -eq 112 ] && [ "$my" -eq 84 ] || fail "menu at $mx,$my, not centred"

click $((mx + 745)) $((my + 544))               # the menu's Exit
title=$(wait_for '^ $' 10) || fail "the menu's Exit did not show the title screen"
read -r tx ty < <(origin "$title")
click $((tx + 132)) $((ty + 406))               # Cancel
gone '^ $' || fail "Cancel did not close the title screen"
[ -n "$(visible '^Tellwyn$')" ] || fail "the menu is not there after Cancel"

click $((mx + 745)) $((my + 544))               # Exit again
title=$(wait_for '^ $' 10) || fail "the title screen did not come back"
read -r tx ty < <(origin "$title")
click $((tx + 228)) $((ty + 406))               # Exit
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "Exit did not end the program"
wait "$pid"; status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "xvfb-shell: 1 passed, 0 failed"
INNER

data=$(mktemp -d)
cp -r "$src/data/." "$data/"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$inner" "$bin" "$data"
status=$?
rm -rf "$data"
exit $status
