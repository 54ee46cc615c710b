#!/usr/bin/env bash
# The real program under a real window manager (openbox), as on a pupil's desktop: clicking the
# backdrop leaves the screen on top with the focus; the window manager's close (Alt+F4) on a quiz,
# an activity, a hub, the catalogue, the guide and the title screen does what each one's own Exit
# does (on the title screen after the menu's Exit, its "Cancel"); minimising and
# restoring keeps the screens in order; the program has one entry for the taskbar; Return on the
# title screen opens the menu, or after the menu's Exit presses "Cancel" and goes back to it.
# Then the keyboard alone, as a pupil without a mouse: from the title screen to the menu, "The Moon
# Landings", "Multiple Choice", ten answers by their letters, the certificate for 10 out of 10
# typed, printed with Enter in the name box (to a PDF file), Esc back
# to the hub and on through the timeline. After every step the focus ring shows on the screen on top.
set -u
XVFB_TOOLS="openbox xprop xwininfo import pdftotext"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

start_openbox

tab_and() { for _ in $(seq 1 "$1"); do key Tab; done; key "$2"; }
# The focus ring on the display: a band of three white rows, at least 30 pixels long, edged in black.
ringed() {
  local width=${XVFB_SCREEN:-1024x768}
  import -window root -depth 8 rgb:- 2>/dev/null | /usr/bin/python3 -c '
import re, sys
band = rb"\x00{90}(?:.{%d}\xff{90}){3}" % (int(sys.argv[1]) * 3 - 90)
sys.exit(not re.search(band, sys.stdin.buffer.read(), re.S))' "${width%x*}"
}
# Waits for the ring after a step, as the screens come and go.
ring_after() { WAIT_SECONDS=2 poll ringed || fail "no focus ring after $1"; }
# After the step named $2, as many screens as $1 are up and the ring shows.
step_shows() { screens "$1" || fail "$(count) screens, not $1, after $2"; ring_after "$2"; }
ids() { xprop -root "$1" | grep -o '0x[0-9a-f]*'; }
mapped() { xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable"; }
# The program's windows the window manager manages, bottom to top, mapped or not.
stacking() { ids _NET_CLIENT_LIST_STACKING; }
top() { for w in $(stacking); do mapped "$w" && echo "$w"; done | tail -n1; }
same() { [ $(($1)) -eq $(($2)) ]; }
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
# Clicks point $2 of xvfb.sh on screen $1, which a frame may have moved from where bare Xvfb
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
# Alt+F4 on the screen in the variable named $1 brings back the one in the variable named $2.
returns() { close "$1" back; same "$back" "${!2}" || fail "Alt+F4 on the $1 did not return to the $2"; }

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
returns quiz hub
open hub HUB_ORDERING activity
returns activity hub
close hub menu                               # the hub's Exit shows the menu

open menu MENU_MOON hub
xdotool windowminimize "$hub"
none_shown() { for w in $(stacking); do ! mapped "$w" || return 1; done; }
poll none_shown || fail "$(top) ($(xprop -id "$(top)" WM_NAME)) stayed on show with the hub minimised"
xdotool windowactivate "$hub" 2>/dev/null
restored() { same "$(top)" "$hub" && mapped "$menu"; }
poll restored || fail "restoring did not bring the hub back on top, over the menu"
settled
backdrop_click hub
close hub menu

open menu MENU_CATALOGUE catalogue           # the menu unloads
close catalogue menu
kill -0 "$pid" 2>/dev/null || fail "Alt+F4 on the catalogue ended the program"
open menu MENU_GUIDE guide                   # a reading viewer, over the menu
returns guide menu
open menu EXIT title                         # the menu's Exit shows the title screen
key Return                                   # its "Cancel", which has the focus
menu=$(new_top "$title") || fail "Cancel on the title screen did not return to the menu"
open menu EXIT title
returns title menu                           # while it asks, a close is its "Cancel"
kill "$pid"
wait "$pid" 2>/dev/null
start_program
poll active "$(visible title)" || fail "the title screen did not take the focus at start"
key alt+F4
gone() { ! kill -0 "$pid" 2>/dev/null; }
poll gone || fail "Alt+F4 on the title screen at start did not end the program"
wait "$pid" || fail "Alt+F4 on the title screen at start ended the program with status $?"

pages="$XVFB_DATA/printed"
mkdir -p "$pages"
start_program --print-to-pdf "$pages"
key Tab
ring_after "Tab on the title screen"
key shift+Tab
key Return                      # back on "OK"
step_shows 1 "Return on OK" # the menu, on "Teachers' Guide", the top of the first column
# Down the first column: Julius Caesar, Acknowledgments, then the top of the second, The Moon Landings.
tab_and 3 Return
step_shows 2 "Return on The Moon Landings" # its hub, on "Key Facts"
tab_and 2 Return                # past "Teacher's Notes" to "Multiple Choice"
step_shows 3 "Return on Multiple Choice"

answer_moon_quiz
ring_after "the results came up"
xdotool type --delay 40 "Ada Lovelace"
key Return                      # Enter in the name box prints
# The page is written while the job runs: wait for a whole one.
printed() { for f in "$pages"/*.pdf; do pdftotext "$f" - 2>/dev/null; done | tr '\n' ' ' | grep -q "$1"; }
poll printed "Ada Lovelace" || fail "no certificate carrying the typed name was printed"
key Return                      # OK on "now printing"
ring_after "the message closed"
before=$(count)
key Escape
step_shows $((before - 1)) "Esc on the results" # back on "Multiple Choice"
tab_and 2 Return                # past "Labelling Activity" to "Ordering Activity"
step_shows "$before" "Return on Ordering Activity"
key Escape
step_shows $((before - 1)) "Esc on the timeline"
finish wm
