#!/usr/bin/env bash
# The real program under Xvfb driven by the keyboard alone, as a pupil without a mouse: from the
# title screen to the menu, "The Moon Landings", "Multiple Choice", ten answers by their letters,
# the certificate for 10 out of 10 typed and printed (to a PDF file), and Esc back to the hub.
set -u
XVFB_TOOLS="pdftotext"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

count() { xdotool search --onlyvisible --name '^Tellwyn$' 2>/dev/null | wc -l; }
# Waits until as many screens as given are up, one above the other.
screens() { for _ in $(seq 1 50); do [ "$(count)" -eq "$1" ] && return 0; sleep 0.1; done; return 1; }
key() { xdotool key --delay 60 "$@"; sleep 0.3; }
# Presses Tab the given number of times.
tabs() { for _ in $(seq 1 "$1"); do xdotool key Tab; sleep 0.05; done; sleep 0.2; }

pages="$XVFB_DATA/printed"
mkdir -p "$pages"
QT_QPA_PLATFORM=xcb "$XVFB_PROGRAM" --data-dir "$XVFB_DATA" --scale 1 --print-to-pdf "$pages" &
pid=$!
wait_for '^ $' 20 || fail "the title screen did not appear"

# The title screen: "OK" comes first in reading order and has the focus from the start.
for _ in 1 2; do
  key space
  screens 1 && break
  key Tab
done
screens 1 || fail "the keyboard did not open the menu"
sleep 0.5
# The menu starts on "Sound On"; then in reading order: Sound Off, Teachers' Guide, Julius
# Caesar, Multiple Choice Wizard, The Moon Landings.
tabs 5
key Return
screens 2 || fail "Return on \"The Moon Landings\" did not open its hub"
sleep 0.5
# The hub's first button in reading order is "Key Facts", then "Teacher's Notes", then
# "Multiple Choice".
tabs 3
key Return
screens 3 || fail "Return on \"Multiple Choice\" did not open the quiz"
sleep 0.5

answers=$(awk 'NR > 2 && (NR - 2) % 7 == 6 { sub(/\r/, ""); print }' "$XVFB_DATA/multiple/The Moon Landings.txt")
letters=(x a b c d)
for right in $answers; do
  key "${letters[$right]}" Return
done
sleep 1
[ "$(count)" -ge 3 ] || fail "the results are not up"
sleep 1 # the name box takes the focus just after the screen is up
xdotool type --delay 40 "Ada Lovelace"
# "Print Certificate" stands above the name box: one Shift+Tab back.
key shift+Tab Return
# The page is written while the job runs: wait for a whole one.
printed() { for f in "$pages"/*.pdf; do pdftotext "$f" - 2>/dev/null; done | grep -q "Ada Lovelace"; }
for _ in $(seq 1 50); do printed && break; sleep 0.1; done
printed || fail "no certificate carrying the typed name was printed"
before=$(count)
key Escape
screens $((before - 1)) || fail "Esc did not close the results"
kill "$pid"
wait "$pid" 2>/dev/null
echo "xvfb-keyboard: 1 passed, 0 failed"
