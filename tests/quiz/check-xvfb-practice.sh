#!/usr/bin/env bash
# The real program under Xvfb: a technician imports a hand-typed worksheet with --import (a broken
# one is refused with its line number and exit status 1); a pupil finds it in the catalogue, runs
# it with three wrong, practises them with one still wrong, then all right, and is back at the
# results. The right answer is the short one on every question, so the script finds it in a
# screenshot however the round has ordered the answers.
set -u
XVFB_TOOLS="import convert"
source "$(dirname "$0")/../support/xvfb.sh"
xvfb_enter "$0" "$@"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
right_letter() { echo "ABCD" | cut -c$(($1 % 4 + 1)); }
{
  echo "TITLE: Practice Sheet"
  for q in 1 2 3 4 5 6 7 8 9 10; do
    echo "Question $q?"
    for k in A B C D; do
      if [ "$k" = "$(right_letter $q)" ]; then echo "$k. Yes"; else echo "$k. Not this answer for $q"; fi
    done
    echo "ANSWER: $(right_letter $q)"
    echo
  done
} >"$work/sheet.txt"
sed 's/^ANSWER: D$/ANSWER: E/' "$work/sheet.txt" >"$work/broken.txt"   # question 3's answer, line 21

index="$XVFB_DATA/multiple/track.txt"
before=$(cat "$index")
env -u DISPLAY "$XVFB_PROGRAM" --data-dir "$XVFB_DATA" --import "$work/broken.txt" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] || fail "a broken file did not end with status 1"
grep -q "Line 21: the right answer must be one of the letters A, B, C and D." "$work/err" || fail "no line 21 in: $(cat "$work/err")"
[ "$(cat "$index")" = "$before" ] && [ ! -e "$XVFB_DATA/multiple/Practice Sheet.txt" ] || fail "a broken file wrote something"
env -u DISPLAY "$XVFB_PROGRAM" --data-dir "$XVFB_DATA" --import "$work/sheet.txt" >"$work/out" 2>"$work/err" ||
  fail "import failed: $(cat "$work/err")"
[ "$(cat "$work/out")" = "Practice Sheet" ] || fail "import printed '$(cat "$work/out")'"

# Clicks at a point of the 800 x 600 screen, which sits centred on the 1024 x 768 display.
at() { xdotool mousemove $((112 + $1)) $((84 + $2)) click 1; sleep 0.7; }
answer() { at 180 $((377 + 40 * ($1 - 1))); }
next() { at 525 544; }
# The answer button (1-4) whose text is the shortest or, with "wide", the longest.
pick() {
  import -window root "$work/shot.png"
  local i w best=0 bestw=""
  for i in 1 2 3 4; do
    w=$(convert "$work/shot.png" -crop 440x30+$((112 + 200))+$((84 + 362 + 40 * (i - 1))) +repage \
      -fuzz 25% -fill black -opaque "rgb(39,63,137)" -trim -format %w info: 2>/dev/null)
    if [ -z "$bestw" ] || { [ "${1:-}" = wide ] && [ "$w" -gt "$bestw" ]; } ||
      { [ "${1:-}" != wide ] && [ "$w" -lt "$bestw" ]; }; then best=$i; bestw=$w; fi
  done
  echo $best
}
pixel() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop 1x1+$((112 + $1))+$((84 + $2)) -format '%[pixel:p{0,0}]' info:
}
# Whether nothing is drawn at a point: the screen's blue.
bare() { pixel "$@" | grep -Eq 'srgb\(39,63,137\)|#273F89'; }

start_program
xdotool mousemove $((330 + 132)) $((165 + 406)) click 1; sleep 1   # OK
wait_for '^Tellwyn$' 10 || fail "no menu"
at 626 464; sleep 0.6                                              # Worksheet Catalogue
at 198 60; sleep 0.6                                               # Practice Sheet: run it
for q in 1 2 3 4 5 6 7 8 9 10; do
  r=$(( $(printf '%d' "'$(right_letter $q)") - 64 ))
  case $q in 2|5|9) answer $((r % 4 + 1));; *) answer $r;; esac
  next
done
sleep 0.6
at 141 136; sleep 0.6                                              # Check Wrong Answers
at 96 24; sleep 0.8                                                # Practise Again
answer "$(pick wide)"; next                                        # question 2 still wrong
answer "$(pick)"; next                                             # question 5
answer "$(pick)"; next; sleep 0.4                                  # question 9, then the summary
bare 525 544 && fail "no Practise Again with one question still wrong"
next; sleep 0.4                                                    # Practise Again: question 2 alone
answer "$(pick)"; next; sleep 0.4
bare 525 544 || fail "Practise Again is still offered with all right"
at 745 544; sleep 0.6                                              # Exit: back to the results
# The name box of the certificate would be white here.
pixel 220 470 | grep -Eq 'white|255,255,255' && fail "the results offer a certificate after practice"
kill -0 "$pid" 2>/dev/null || fail "the program ended"
kill "$pid"; wait "$pid" 2>/dev/null
echo "xvfb-practice: 1 passed, 0 failed"
