#!/usr/bin/env bash
# The real program under openbox driven by the keyboard alone, as a pupil without a mouse: from
# the title screen to the menu, "The Moon Landings", "Multiple Choice", ten answers by their
# letters, the certificate for 10 out of 10 typed, printed with Enter in the name box (to a PDF
# file) and naming the topic's quiz, Esc back to the hub and on through the timeline. After every
# step the focus ring shows on the screen on top.
set -u
XVFB_TOOLS="pdftotext openbox import"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

# Presses Tab the given number of times, then the given key.
tab_and() { for _ in $(seq 1 "$1"); do key Tab; done; key "$2"; }
# The focus ring on the display: a band of three white rows, at least 30 pixels long, edged in black.
ringed() {
  local width=${XVFB_SCREEN:-1024x768}
  import -window root -depth 8 rgb:- 2>/dev/null | /usr/bin/python3 -c '
import sys
w = int(sys.argv[1]) * 3
d = sys.stdin.buffer.read()
white, black = b"\xff" * 90, b"\x00" * 90
for y in range(1, len(d) // w - 3):
    row = d[y * w:(y + 1) * w]
    i = row.find(white)
    while i >= 0:
        at = y * w + i
        if i % 3 == 0 and d[at - w:at - w + 90] == black and d[at + w:at + w + 90] == white \
                and d[at + 2 * w:at + 2 * w + 90] == white:
            sys.exit(0)
        i = row.find(white, i + 3)
sys.exit(1)' "${width%x*}"
}
# Waits for the ring after a step, as the screens come and go.
ring_after() { WAIT_SECONDS=2 poll ringed || fail "no focus ring after $1"; }

start_openbox
pages="$XVFB_DATA/printed"
mkdir -p "$pages"
start_program --print-to-pdf "$pages"
xprop -id "$(visible title)" _NET_WM_NAME | grep -q '= "Tellwyn"$' || fail "the title screen's window is not named Tellwyn"
key Tab
ring_after "Tab on the title screen"
key shift+Tab
key Return                      # back on "OK"
screens 1 || fail "Return did not open the menu"
ring_after "the menu opened" # on "Teachers' Guide", the top of the first column
# Down the first column: Julius Caesar, Acknowledgments, then the top of the second, The Moon Landings.
tab_and 3 Return
screens 2 || fail "Return on \"The Moon Landings\" did not open its hub"
ring_after "the hub opened" # on "Key Facts"
tab_and 2 Return                # past "Teacher's Notes" to "Multiple Choice"
screens 3 || fail "Return on \"Multiple Choice\" did not open the quiz"
ring_after "the quiz opened"

answer_moon_quiz
ring_after "the results came up"
xdotool type --delay 40 "Ada Lovelace"
key Return                      # Enter in the name box prints
# The page is written while the job runs: wait for a whole one.
printed() { for f in "$pages"/*.pdf; do pdftotext "$f" - 2>/dev/null; done | tr '\n' ' ' | grep -q "$1"; }
poll printed "Ada Lovelace" || fail "no certificate carrying the typed name was printed"
printed "The Moon Landings: Multiple Choice" || fail "the certificate does not name the topic's quiz"
key Return                      # OK on "now printing"
ring_after "the message closed"
before=$(count)
key Escape
screens $((before - 1)) || fail "Esc did not close the results"
ring_after "the results closed" # back on "Multiple Choice"
tab_and 2 Return                # past "Labelling Activity" to "Ordering Activity"
screens "$before" || fail "Return on \"Ordering Activity\" did not open the timeline"
ring_after "the timeline opened"
key Escape
screens $((before - 1)) || fail "Esc did not close the timeline"
ring_after "the timeline closed"
finish xvfb-keyboard
