#!/usr/bin/env bash
# Every caption on every screenshot, at the designed size and at a projector's 1.75, fits its box
# whole and stands out from what lies behind it, and so does every word of the page pictures; the
# screenshot program lists each one that does not.
set -u
src="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
shots="${TELLWYN_BUILD:-$src/build}/tellwyn-screenshots"
[ -x "$shots" ] || { echo "no screenshot program at $shots"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
for scale in 1 1.75; do
  QT_QPA_PLATFORM=offscreen "$shots" --check --scale "$scale" "$work/$scale" >"$work/out.txt" 2>"$work/err.txt"
  status=$?
  grep '^LEGIBILITY' "$work/out.txt" | sed "s/^/at ${scale}x: /"
  [ "$status" -eq 0 ] || { echo "FAIL: at ${scale}x ($(tail -1 "$work/out.txt"))"; failed=1; }
done
[ "$failed" -eq 0 ] && echo "legibility: every caption whole and readable, every page word readable, at 1x and 1.75x"
exit $failed
