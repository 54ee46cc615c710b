#!/usr/bin/env bash
# The real program under Xvfb driven by the keyboard alone, as a pupil without a mouse: from the
# title screen to the menu, "The Moon Landings", "Multiple Choice", ten answers by their letters,
# the certificate for 10 out of 10 typed and printed (to a PDF file), and Esc back to the hub.
set -u
XVFB_TOOLS="pdftotext"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

# Presses Tab the given number of times, then the given key.
tab_and() { for _ in $(seq 1 "$1"); do xdotool key Tab; sleep 0.05; done; sleep 0.2; key "$2"; }

pages="$XVFB_DATA/printed"
mkdir -p "$pages"
start_program --print-to-pdf "$pages"
for _ in 1 2; do key Return; screens 1 && break; done # "OK" has the focus from the start
screens 1 || fail "Return did not open the menu"
sleep 0.5
# From "Sound On", in reading order: Sound Off, Teachers' Guide, Julius Caesar, Multiple Choice
# Wizard, The Moon Landings.
tab_and 5 Return
screens 2 || fail "Return on \"The Moon Landings\" did not open its hub"
sleep 0.5
tab_and 3 Return                # past "Key Facts" and "Teacher's Notes" to "Multiple Choice"
screens 3 || fail "Return on \"Multiple Choice\" did not open the quiz"
sleep 0.5

answer_moon_quiz
sleep 2 # the results, then the name box takes the focus
xdotool type --delay 40 "Ada Lovelace"
key shift+Tab Return            # "Print Certificate" stands above the name box
# The page is written while the job runs: wait for a whole one.
printed() { for f in "$pages"/*.pdf; do pdftotext "$f" - 2>/dev/null; done | grep -q "Ada Lovelace"; }
for _ in $(seq 1 50); do printed && break; sleep 0.1; done
printed || fail "no certificate carrying the typed name was printed"
before=$(count)
key Escape
screens $((before - 1)) || fail "Esc did not close the results"
kill "$pid"
echo "xvfb-keyboard: 1 passed, 0 failed"
