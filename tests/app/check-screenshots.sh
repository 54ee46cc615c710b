#!/usr/bin/env bash
# The screenshot program renders every screen in its states without failing, and each picture is
# a real 800 x 600 screen (the title screen keeps its own size).
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
echo "screenshots: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
