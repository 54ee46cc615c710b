#!/usr/bin/env bash
# The screenshot program renders every screen in its states without failing, and each picture is
# a real 800 x 600 screen (the title screen keeps its own size); at scale 2 as well.
set -u
src="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
shots="${TELLWYN_BUILD:-$src/build}/tellwyn-screenshots"
[ -x "$shots" ] || { echo "no screenshot program at $shots"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$shots" "$out" >/dev/null 2>&1 || { echo "FAIL: the screenshot program failed"; exit 1; }
passed=0 failed=0
for png in "$out"/*.png; do
  size=$(file -b "$png" | grep -o '[0-9]* x [0-9]*')
  case "$(basename "$png")" in
    title*) want="364 x 438" ;;
    *) want="800 x 600" ;;
  esac
  if [ "$size" = "$want" ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $(basename "$png") is $size"; fi
done
[ "$passed" -ge 30 ] || { echo "FAIL: only $passed screenshots"; failed=$((failed + 1)); }

# At scale 2 every screen is twice the size, and a picture screen is sharper than its 1x picture
# enlarged: its pictures come from their own 2x files and its text from the fonts. Sharpness is
# the spread of the Laplacian, on grey levels.
QT_QPA_PLATFORM=offscreen "$shots" --scale 2 "$out/2x" >/dev/null 2>&1 || { echo "FAIL: the screenshot program failed at 2x"; exit 1; }
sharpness() { convert "$@" -colorspace gray -morphology Convolve Laplacian:0 -format '%[fx:standard_deviation]' info:; }
for png in "$out"/2x/*.png; do
  name=$(basename "$png")
  [ "$(file -b "$png" | grep -o '[0-9]* x [0-9]*')" = "$(file -b "$out/$name" | grep -o '[0-9]* x [0-9]*' | awk '{print $1 * 2 " x " $3 * 2}')" ] ||
    { echo "FAIL: 2x/$name is not twice $name"; failed=$((failed + 1)); }
done
for name in hub-moon menu; do
  crisp=$(sharpness "$out/2x/$name.png") enlarged=$(sharpness "$out/$name.png" -resize 200%)
  echo "$name at 2x: sharpness $crisp, the 1x picture enlarged: $enlarged"
  awk -v a="$crisp" -v b="$enlarged" 'BEGIN { exit !(a > 1.2 * b) }' && passed=$((passed + 1)) ||
    { echo "FAIL: $name at 2x is not sharper than enlarged"; failed=$((failed + 1)); }
done
echo "screenshots: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
