#!/usr/bin/env bash
# The real program under Xvfb, driven with xdotool as a teacher would: write a worksheet in the
# wizard (typing, Enter between fields, ticking), save it, find it in the catalogue, run it as a
# quiz, open it for editing and save it under a new title, then delete the first one.
set -u
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

index="$XVFB_DATA/multiple/track.txt"
lists() { tr -d '\r' <"$index" | tail -n +2 | tr '\n' '|'; }
saved() { xdotool key Return; sleep 0.3; }       # OK on "Your worksheet has been saved."

start_at_menu
click MENU_WIZARD 1
xdotool type --delay 5 "Kings and Queens"; xdotool key Return
for i in 1 2 3 4 5 6 7 8 9 10; do
  xdotool type --delay 2 "Who reigned, question $i?"; xdotool key Return
  for k in A B C D; do xdotool type --delay 2 "$k$i"; xdotool key Return; done
done
for i in 0 1 2 3 4 5 6 7 8 9; do click "$(wizard_tick $i $((i % 4)))" 0.4; done
click WIZARD_SAVE 0.4
[ "$(lists)" = "Kings and Queens|" ] || fail "the index lists '$(lists)' after saving"
saved
click EXIT 0.4                                   # the wizard's
click MENU_CATALOGUE 1
click CATALOGUE_TITLE1 1                         # run it as a quiz
click EXIT 0.4                                   # the quiz's
click CATALOGUE_EDIT 0.4
click CATALOGUE_TITLE1 1                         # into the wizard
click WIZARD_TITLE 0; xdotool key End; xdotool type " 2"
click WIZARD_SAVE 0.4                            # under the new title
[ "$(lists)" = "Kings and Queens|Kings and Queens 2|" ] || fail "after editing the index lists '$(lists)'"
grep -q "Who reigned& question 10?" "$XVFB_DATA/multiple/Kings and Queens 2.txt" || fail "the edited copy lost its questions"
saved
click EXIT 0.4                                   # the wizard's
click CATALOGUE_DELETE 0.4
click CATALOGUE_TITLE1 0.8
xdotool key Return; sleep 0.6                    # OK: yes, delete it
[ "$(lists)" = "Kings and Queens 2|" ] || fail "after deleting the index lists '$(lists)'"
click EXIT 0.4                                   # back to the menu
wait_for '^Tellwyn$' 5 || fail "no menu after the catalogue's Exit"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
kill "$pid"; wait "$pid" 2>/dev/null
echo "xvfb-worksheets: 1 passed, 0 failed"
