#!/usr/bin/env bash
# The real program under a real window manager (openbox), as on a pupil's desktop: clicking the
# backdrop leaves the screen on top with the focus; the window manager's close (Alt+F4) does what
# each screen's own Exit does; minimising and restoring keeps the screens in order; the program
# has one entry for the taskbar; Return on the title screen opens the menu.
set -u
XVFB_TOOLS="openbox xprop xwininfo import"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

BACKDROP="48,133,214"
# TELLWYN_WM=xfwm4 runs the same check under Xfce's window manager.
if [ "${TELLWYN_WM:-openbox}" = xfwm4 ]; then
  dbus-run-session -- xfwm4 --compositor=off --sm-client-disable >/dev/null 2>&1 &
else
  openbox --sm-disable >/dev/null 2>&1 &
fi
wm=$!
trap 'kill "$wm" 2>/dev/null; kill "$pid" 2>/dev/null' EXIT
for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.1; done

ids() { xprop -root "$1" | grep -o '0x[0-9a-f]*'; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }
# The program's windows the window manager manages, bottom to top, mapped or not.
stacking() { ids _NET_CLIENT_LIST_STACKING; }
top() { for w in $(stacking); do mapped "$w" && echo "$w"; done | tail -n1; }
active() { printf '0x%x\n' "$(ids _NET_ACTIVE_WINDOW | head -n1)"; }
same() { [ $(($1)) -eq $(($2)) ]; }
pixel() { import -window root -crop "1x1+$1+$2" -depth 8 txt:- | grep -o 'srgb([0-9,]*)' | tr -d 'srgb()'; }
client() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
# The window manager's frame around window $1: left, top, width and height.
frame() {
  local fl fr ft fb cx cy cw ch
  read -r fl fr ft fb < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]*' | tr '\n' ' ')
  read -r cx cy < <(client "$1")
  cw=$(xwininfo -id "$1" | awk '/Width:/ {print $NF}')
  ch=$(xwininfo -id "$1" | awk '/Height:/ {print $NF}')
  echo "$((cx - fl)) $((cy - ft)) $((cw + fl + fr)) $((ch + ft + fb))"
}
listed() {
  local n=0 w
  for w in $(ids _NET_CLIENT_LIST); do xprop -id "$w" _NET_WM_STATE | grep -q SKIP_TASKBAR || n=$((n + 1)); done
  echo $n
}
# Waits until a window other than those given is on top, and prints it.
new_top() {
  local w
  for _ in $(seq 1 50); do
    w=$(top)
    if [ -n "$w" ] && ! grep -qx "$w" <<<"$*"; then sleep 0.3; top; return 0; fi
    sleep 0.1
  done
  return 1
}
key() { xdotool key "$1"; sleep 0.5; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
# Clicks at x,y of the client area of window $1.
click_in() { local cx cy; read -r cx cy < <(client "$1"); click $((cx + $2)) $((cy + $3)); }
# After a click on the backdrop, window $1 is still the one seen on top and has the focus.
backdrop_click() {
  local what=$1 w=$2 cx cy
  click 3 3
  same "$(top)" "$w" || fail "$what: no longer on top after a click on the backdrop"
  for _ in $(seq 1 20); do same "$(active)" "$w" && break; sleep 0.1; done
  same "$(active)" "$w" || fail "$what: lost the focus to the backdrop"
  read -r cx cy < <(client "$w")
  [ "$(pixel $((cx + 20)) $((cy + 20)))" != "$BACKDROP" ] || fail "$what: the backdrop shows in its place"
}
ended() {
  for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "$1 did not end the program"
  wait "$pid"
  local status=$?
  [ "$status" -eq 0 ] || fail "$1 ended the program with status $status"
}

start_program
sleep 0.5
title=$(top)
backdrop_click "title screen" "$title"
# The title screen keeps its client area and centres its frame.
read -r x y w h < <(frame "$title")
[ $((2 * x + w - 1024)) -ge -2 ] && [ $((2 * x + w - 1024)) -le 2 ] && [ $((2 * y + h - 768)) -ge -2 ] &&
  [ $((2 * y + h - 768)) -le 2 ] || fail "the title screen's frame at $x,$y ${w}x$h is not centred"
[ "$(listed)" -eq 1 ] || fail "$(listed) windows for the taskbar with the title screen"

key Return
menu=$(new_top "$title") || fail "Return on the title screen did not open the menu"
# The frame, not the client area, is 800 x 600 and centred on the 1024 x 768 display.
[ "$(frame "$menu")" = "112 84 800 600" ] || fail "the menu's frame is $(frame "$menu"), not 112,84 800x600"
backdrop_click "menu" "$menu"

click_in "$menu" 338 436                     # The Moon Landings
hub=$(new_top "$menu") || fail "no topic hub"
backdrop_click "hub" "$hub"
click_in "$hub" 114 544                      # Multiple Choice
quiz=$(new_top "$menu" "$hub") || fail "no quiz"
backdrop_click "quiz" "$quiz"
[ "$(listed)" -eq 1 ] || fail "$(listed) windows for the taskbar with menu, hub and quiz"
key alt+F4
same "$(top)" "$hub" || fail "Alt+F4 on the quiz did not return to the hub"
mapped "$quiz" && fail "the quiz stayed after Alt+F4"

click_in "$hub" 578 544                      # Ordering Activity
activity=$(new_top "$menu" "$hub") || fail "no ordering activity"
backdrop_click "activity" "$activity"
key alt+F4
same "$(top)" "$hub" || fail "Alt+F4 on the activity did not return to the hub"

key alt+F4                                   # the hub's Exit shows the menu
menu=$(new_top "$hub") || fail "Alt+F4 on the hub did not show the menu"
mapped "$hub" && fail "the hub stayed after Alt+F4"

click_in "$menu" 338 436
hub=$(new_top "$menu") || fail "no topic hub the second time"
# Openbox offers minimising on every screen; xfwm4 offers it on the program's taskbar entry only.
if [ "${TELLWYN_WM:-openbox}" = xfwm4 ]; then xdotool windowminimize "$(stacking | head -n1)"; else xdotool windowminimize "$hub"; fi
sleep 1.5
for w in $(stacking); do mapped "$w" && fail "window $w ($(xprop -id "$w" WM_NAME)) stayed on show with the hub minimised"; done
kill -0 "$pid" 2>/dev/null || fail "minimising ended the program"
xdotool windowactivate "$hub" 2>/dev/null
sleep 0.7
same "$(top)" "$hub" || fail "restoring did not bring the hub back on top"
mapped "$menu" || fail "restoring did not bring the menu back"
[ "$(stacking | grep -n "$menu" | cut -d: -f1)" -lt "$(stacking | grep -n "$hub" | cut -d: -f1)" ] ||
  fail "restoring put the menu above the hub"
backdrop_click "restored hub" "$hub"
key alt+F4
menu=$(new_top "$hub") || fail "no menu after the restored hub's close"

click_in "$menu" 626 464                     # Worksheet Catalogue; the menu unloads
catalogue=$(new_top "$menu") || fail "no catalogue"
backdrop_click "catalogue" "$catalogue"
key alt+F4
menu=$(new_top "$catalogue") || fail "Alt+F4 on the catalogue did not show the menu"
kill -0 "$pid" 2>/dev/null || fail "Alt+F4 on the catalogue ended the program"

click_in "$menu" 110 96                      # Teachers' Guide
guide=$(new_top "$menu") || fail "no teachers' guide"
key alt+F4
same "$(top)" "$menu" || fail "Alt+F4 on the guide did not return to the menu"

click_in "$menu" 745 544                     # the menu's Exit shows the title screen
title=$(new_top "$menu") || fail "the menu's Exit did not show the title screen"
backdrop_click "title screen over the menu" "$title"
key alt+F4
ended "Alt+F4 on the title screen after the menu's Exit"

start_program
sleep 0.5
key alt+F4
ended "Alt+F4 on the title screen at start"
echo "wm: 1 passed, 0 failed"
