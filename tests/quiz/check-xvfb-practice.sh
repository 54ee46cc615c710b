#!/usr/bin/env bash
# The real program under Xvfb: a technician imports a hand-typed worksheet with --import (a broken
# one is refused with its line number and status 1); a teacher opens another from the catalogue for
# editing and saves it under a new title; a pupil runs the imported one from the catalogue with
# three wrong, practises them with one still wrong, then all right, and is back at the results. The
# right answer is the short one, so a screenshot finds it however the round has ordered the answers.
set -u
XVFB_TOOLS="import convert"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

work=$XVFB_DATA # xvfb.sh removes it
index="$XVFB_DATA/multiple/track.txt"
lists() { tr -d '\r' <"$index" | tail -n +2 | tr '\n' '|'; }
worksheet_text "Kings and Queens" "Who reigned& question %s?" >"$XVFB_DATA/multiple/Kings and Queens.txt"
printf ' 1 \r\nKings and Queens\r\n' >"$index"
right() { echo "ABCD" | cut -c$(($1 % 4 + 1)); }
for q in 1 2 3 4 5 6 7 8 9 10; do
  echo "Question $q?"
  for k in A B C D; do [ "$k" = "$(right $q)" ] && echo "$k. Yes" || echo "$k. Not this answer for $q"; done
  printf 'ANSWER: %s\n\n' "$(right $q)"
done | sed '1i TITLE: Practice Sheet' >"$work/sheet.txt"
sed 's/^ANSWER: D$/ANSWER: E/' "$work/sheet.txt" >"$work/broken.txt" # question 3's answer, line 21
import_file() { env -u DISPLAY "$XVFB_PROGRAM" --data-dir "$XVFB_DATA" --import "$1" >"$work/out" 2>"$work/err"; }
import_file "$work/broken.txt"
[ $? -eq 1 ] || fail "a broken file did not end with status 1"
grep -q "Line 21: the right answer must be one of the letters A, B, C and D." "$work/err" || fail "no line 21 in: $(cat "$work/err")"
[ ! -e "$XVFB_DATA/multiple/Practice Sheet.txt" ] || fail "a broken file wrote something"
import_file "$work/sheet.txt" || fail "import failed: $(cat "$work/err")"
[ "$(cat "$work/out")" = "Practice Sheet" ] || fail "import printed '$(cat "$work/out")'"

# Points of the 800 x 600 quiz screen, centred on the display.
at() { click "$((112 + $1)) $((84 + $2))"; }
answer() { at 180 $((377 + 40 * ($1 - 1))); }
NEXT="637 628"
# The answer button (1-4) whose text is the shortest or, with "wide", the longest.
pick() {
  import -window root "$work/shot.png"
  for i in 1 2 3 4; do
    echo "$(convert "$work/shot.png" -crop 440x30+312+$((446 + 40 * (i - 1))) +repage \
      -fuzz 25% -fill black -opaque "rgb(39,63,137)" -trim -format %w info: 2>/dev/null) $i"
  done | sort -n ${1:+-r} | head -n1 | cut -d' ' -f2
}
# Whether nothing is drawn at a point of the display: the screen's blue.
bare() { [ "$(pixel $1)" = "#273F89" ]; }

start_at_menu
click MENU_CATALOGUE
click CATALOGUE_EDIT
click CATALOGUE_TITLE1                           # Kings and Queens, into the wizard
click WIZARD_TITLE; xdotool key End; xdotool type " 2"
click WIZARD_SAVE                                # under the new title
[ "$(lists)" = "Kings and Queens|Practice Sheet|Kings and Queens 2|" ] || fail "after editing the index lists '$(lists)'"
cmp -s <(sed "1s/Queens/Queens 2/" "$XVFB_DATA/multiple/Kings and Queens.txt") "$XVFB_DATA/multiple/Kings and Queens 2.txt" ||
  fail "the edited copy is not the worksheet under its new title"
key Return                                       # OK on "Your worksheet has been saved."
for _ in wizard catalogue; do click EXIT; done
click MENU_CATALOGUE
click "310 184"                                  # Practice Sheet, the second title: run it
for q in 1 2 3 4 5 6 7 8 9 10; do
  r=$(($(printf '%d' "'$(right $q)") - 64))
  case $q in 2 | 5 | 9) answer $((r % 4 + 1)) ;; *) answer $r ;; esac
  click NEXT
done
at 141 136                                       # Check Wrong Answers
at 84 545                                        # Practise Again
answer "$(pick wide)"; click NEXT                # question 2 still wrong
answer "$(pick)"; click NEXT                     # question 5
answer "$(pick)"; click NEXT                     # question 9, then the summary
bare "$NEXT" && fail "no Practise Again with one question still wrong"
click NEXT                                       # Practise Again: question 2 alone
answer "$(pick)"; click NEXT
bare "$NEXT" || fail "Practise Again is still offered with all right"
click EXIT                                       # back to the results
# The name box of the certificate would be white here.
[ "$(pixel 332 554)" = "#FFFFFF" ] && fail "the results offer a certificate after practice"
finish xvfb-practice
