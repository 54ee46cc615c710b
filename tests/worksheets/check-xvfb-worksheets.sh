#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a teacher would: write a worksheet in the
# wizard (typing, Enter between fields, ticking), save it, find it in the catalogue, run it as a
# quiz, open it for editing and save it under a new title, then delete the first one.
set -u
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

index="$XVFB_DATA/multiple/track.txt"
# Clicks at a point of the 800 x 600 screen, which sits centred on the 1024 x 768 display.
at() { xdotool mousemove $((112 + $1)) $((84 + $2)) click 1; sleep 0.4; }
lists() { tr -d '\r' <"$index" | tail -n +2 | tr '\n' '|'; }

start_program
xdotool mousemove $((330 + 132)) $((165 + 406)) click 1; sleep 1   # OK
wait_for '^Tellwyn$' 10 || fail "no menu"

at 626 408; sleep 0.6                                              # Multiple Choice Wizard
xdotool type --delay 5 "Kings and Queens"; xdotool key Return
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool type --delay 2 "Who reigned, question $i?"; xdotool key Return
  for k in A B C D; do xdotool type --delay 2 "$k$i"; xdotool key Return; done
done
for i in 0 1 2 3 4 5 6 7 8 9; do                                   # tick answer (i mod 4)
  case $((i % 4)) in 0) l=480 t=1230;; 1) l=3330 t=1230;; 2) l=480 t=1560;; 3) l=3330 t=1560;; esac
  at $(( (l + 5880 * (i / 5)) / 15 + 8 )) $(( (t + 1440 * (i % 5)) / 15 + 10 ))
done
at 121 544                                                         # Save Worksheet
[ "$(lists)" = "Kings and Queens|" ] || fail "the index lists '$(lists)' after saving"
xdotool key Return; sleep 0.3                                      # "Your worksheet has been saved."
at 745 544                                                         # Exit the wizard
at 626 464; sleep 0.6                                              # Worksheet Catalogue
at 198 60; sleep 0.6                                               # the title: run it as a quiz
at 745 544                                                         # Exit the quiz
at 15 20                                                           # Edit Worksheet
at 198 60; sleep 0.6                                               # the title: into the wizard
xdotool mousemove 850 104 click 1; xdotool key End; xdotool type " 2"
at 121 544                                                         # Save under the new title
[ "$(lists)" = "Kings and Queens|Kings and Queens 2|" ] || fail "after editing the index lists '$(lists)'"
grep -q "Who reigned& question 10?" "$XVFB_DATA/multiple/Kings and Queens 2.txt" || fail "the edited copy lost its questions"
xdotool key Return; sleep 0.3
at 745 544                                                         # Exit the wizard
at 623 20                                                          # Delete Worksheet
at 198 60; sleep 0.4                                               # the title
xdotool key Return; sleep 0.6                                      # OK: yes, delete it
[ "$(lists)" = "Kings and Queens 2|" ] || fail "after deleting the index lists '$(lists)'"
at 745 544                                                         # Exit: back to the menu
wait_for '^Tellwyn$' 5 || fail "no menu after the catalogue's Exit"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
kill "$pid"; wait "$pid" 2>/dev/null
echo "xvfb-worksheets: 1 passed, 0 failed"
