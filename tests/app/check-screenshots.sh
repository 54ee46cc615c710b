#!/usr/bin/env bash
# The screenshot program renders every screen in its states, each picture a real 800 x 600 screen
# (the title screen keeps its own size), and at scale 2 each twice the size and sharper than its 1x
# picture enlarged. At the designed size and at a projector's 1.75, every caption fits its box whole
# and stands out from what lies behind it, and so does every word of the page pictures (the
# program lists each one that does not). Given a data folder whose Moon quiz is missing, it
# reports the shots it could not take, writes all the others and ends with status 1. The runs
# write into relative folders, which once lost every picture.
set -u
src="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
shots="${TELLWYN_BUILD:-$src/build}/tellwyn-screenshots"
[ -x "$shots" ] || { echo "no screenshot program at $shots"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
for run in "1 whole" "1.75 projector" "2 twice"; do
  read -r scale folder <<<"$run"
  QT_QPA_PLATFORM=offscreen "$shots" $([ "$scale" = 2 ] || echo --check) --scale "$scale" "$folder" >out.txt 2>&1 ||
    fail "at ${scale}x ($(tail -1 out.txt))"
  grep '^LEGIBILITY' out.txt | sed "s/^/at ${scale}x: /"
done
for png in whole/*.png; do
  case "$(basename "$png")" in title*) want="364 x 438" ;; *) want="800 x 600" ;; esac
  [[ "$(file -b "$png")" == *"$want"* ]] || fail "$png is not $want"
done
whole=$(ls whole/*.png | wc -l)
[ "$whole" -ge 30 ] || fail "only $whole screenshots"

# At scale 2 the pictures come from their own 2x files and the text from the fonts. Sharpness is
# the spread of the Laplacian, on grey levels.
size() { file -b "$1" | grep -o '[0-9]* x [0-9]*'; }
for png in twice/*.png; do
  name=$(basename "$png")
  [ "$(size "$png")" = "$(size "whole/$name" | awk '{print $1 * 2 " x " $3 * 2}')" ] || fail "twice/$name is not twice whole/$name"
done
sharpness() { convert "$@" -colorspace gray -morphology Convolve Laplacian:0 -format '%[fx:standard_deviation]' info:; }
for name in hub-moon menu; do
  crisp=$(sharpness "twice/$name.png") enlarged=$(sharpness "whole/$name.png" -resize 200%)
  echo "$name at 2x: sharpness $crisp, the 1x picture enlarged: $enlarged"
  awk -v a="$crisp" -v b="$enlarged" 'BEGIN { exit !(a > 1.2 * b) }' || fail "$name at 2x is not sharper"
done

cp -r "$src/data" data && rm "data/multiple/The Moon Landings.txt"
QT_QPA_PLATFORM=offscreen "$shots" damaged data >/dev/null 2>stderr.txt
status=$?
damaged=$(ls damaged/*.png 2>/dev/null | wc -l)
[ "$status" -eq 1 ] || fail "exit status $status with the quiz missing, not 1"
grep -q "stopped" stderr.txt || fail "no report of the shots that stopped"
[ "$damaged" -ge 25 ] || fail "only $damaged pictures with the quiz missing"
echo "screenshots: $whole pictures, legible at 1x and 1.75x; with the Moon quiz missing, status $status and $damaged pictures"
exit $failed
