#!/usr/bin/env bash
# The real program under a real window manager (openbox), as on a pupil's desktop: clicking the
# backdrop leaves the screen on top with the focus; the window manager's close (Alt+F4) on a quiz,
# an activity, a hub, the catalogue, the guide and the title screen does what each one's own Exit
# does (on the title screen after the menu's Exit, its "Cancel"); minimising and
# restoring keeps the screens in order; the program has one entry for the taskbar; Return on the
# title screen opens the menu, or after the menu's Exit presses "Cancel" and goes back to it.
set -u
XVFB_TOOLS="openbox xprop xwininfo import"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

start_openbox

ids() { xprop -root "$1" | grep -o '0x[0-9a-f]*'; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }
# The program's windows the window manager manages, bottom to top, mapped or not.
stacking() { ids _NET_CLIENT_LIST_STACKING; }
top() { for w in $(stacking); do mapped "$w" && echo "$w"; done | tail -n1; }
same() { [ $(($1)) -eq $(($2)) ]; }
# The window manager's frame round a window's client area: left, top, width, height.
frame() {
  local fl fr ft fb cx cy cw ch
  read -r fl fr ft fb < <(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9]*' | tr '\n' ' ')
  read -r cx cy cw ch < <(client "$1")
  echo "$((cx - fl)) $((cy - ft)) $((cw + fl + fr)) $((ch + ft + fb))"
}
listed() { for w in $(ids _NET_CLIENT_LIST); do xprop -id "$w" _NET_WM_STATE | grep -q SKIP_TASKBAR || echo; done | wc -l; }
active() { same "$(ids _NET_ACTIVE_WINDOW | head -n1)" "$1"; }
other_top() { local w; w=$(top); [ -n "$w" ] && ! same "$w" "$1"; }
# Waits until a window other than the one given is on top, and the display has settled; prints it.
new_top() { poll other_top "$1" && settled && top; }
# After a click on the backdrop, the screen in the variable named $1 is still the one seen on top
# and has the focus.
backdrop_click() {
  local w=${!1} cx cy
  click "3 3" 0
  # A click that must change nothing gives nothing to wait for: time for a wrong raise to show.
  sleep 0.3
  same "$(top)" "$w" || fail "$1: no longer on top after a click on the backdrop"
  poll active "$w" || fail "$1: lost the focus to the backdrop"
  read -r cx cy _ < <(client "$w")
  [ "$(pixel $((cx + 20)) $((cy + 20)))" != "#3085D6" ] || fail "$1: the backdrop shows in its place"
}
# Clicks point $2 of points.sh on screen $1, which a frame may have moved from where bare Xvfb
# puts it; the screen that comes on top goes into the variable named $3 and a backdrop click must
# leave it there.
open() {
  local cx cy xy=(${!2}) w
  read -r cx cy _ < <(client "${!1}")
  click "$((cx + xy[0] - 112)) $((cy + xy[1] - 84))"
  w=$(new_top "${!1}") || fail "$2 on the $1 opened no screen"
  printf -v "$3" %s "$w"
  backdrop_click "$3"
}
# Alt+F4 on the screen in the variable named $1: it goes, and the screen that comes on top goes
# into the variable named $2.
close() {
  local w
  key alt+F4
  w=$(new_top "${!1}") || fail "Alt+F4 on the $1 showed nothing"
  mapped "${!1}" && fail "the $1 stayed after Alt+F4"
  printf -v "$2" %s "$w"
}

start_program
title=$(visible title)
backdrop_click title

key Return
menu=$(new_top "$title") || fail "Return on the title screen did not open the menu"
# The frame, not the client area, is 800 x 600 and centred on the 1024 x 768 display.
[ "$(frame "$menu")" = "112 84 800 600" ] || fail "the menu's frame is $(frame "$menu"), not 112,84 800x600"
backdrop_click menu
open menu MENU_MOON hub
open hub HUB_QUIZ quiz
[ "$(listed)" -eq 1 ] || fail "$(listed) windows for the taskbar with menu, hub and quiz"
close quiz back
same "$back" "$hub" || fail "Alt+F4 on the quiz did not return to the hub"
open hub HUB_ORDERING activity
close activity back
same "$back" "$hub" || fail "Alt+F4 on the activity did not return to the hub"
close hub menu                               # the hub's Exit shows the menu

open menu MENU_MOON hub
xdotool windowminimize "$hub"
none_shown() { for w in $(stacking); do ! mapped "$w" || return 1; done; }
poll none_shown || fail "$(top) ($(xprop -id "$(top)" WM_NAME)) stayed on show with the hub minimised"
kill -0 "$pid" 2>/dev/null || fail "minimising ended the program"
xdotool windowactivate "$hub" 2>/dev/null
restored() { same "$(top)" "$hub" && mapped "$menu"; }
poll restored || fail "restoring did not bring the hub back on top, over the menu"
settled
[ "$(stacking | grep -n "$menu" | cut -d: -f1)" -lt "$(stacking | grep -n "$hub" | cut -d: -f1)" ] ||
  fail "restoring put the menu above the hub"
backdrop_click hub
close hub menu

open menu MENU_CATALOGUE catalogue           # the menu unloads
close catalogue menu
kill -0 "$pid" 2>/dev/null || fail "Alt+F4 on the catalogue ended the program"
open menu MENU_GUIDE guide                   # a reading viewer, over the menu
close guide back
same "$back" "$menu" || fail "Alt+F4 on the guide did not return to the menu"
open menu EXIT title                         # the menu's Exit shows the title screen
key Return                                   # its "Cancel", which has the focus
menu=$(new_top "$title") || fail "Cancel on the title screen did not return to the menu"
open menu EXIT title
close title back                             # while it asks, a close is its "Cancel"
same "$back" "$menu" || fail "Alt+F4 on the title screen after the menu's Exit did not return to the menu"
kill "$pid"
wait "$pid" 2>/dev/null
start_program
poll active "$(visible title)" || fail "the title screen did not take the focus at start"
key alt+F4
ended "Alt+F4 on the title screen at start"
echo "wm: 1 passed, 0 failed"
