#!/usr/bin/env bash
# The screenshot program, given a relative output folder and a data folder whose topic quiz is
# missing, reports the shots it could not take and writes all the others there.
set -u
root="${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}"
program="${TELLWYN_BUILD:-$root/build}/tellwyn-screenshots"
if [ ! -x "$program" ]; then echo "no screenshot program at $program"; exit 1; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/data" "$work/data" && rm "$work/data/multiple/The Moon Landings.txt"
cd "$work" || exit 1
QT_QPA_PLATFORM=offscreen "$program" out data >stdout.txt 2>stderr.txt
status=$?
count=$(find out -name '*.png' 2>/dev/null | wc -l)
failed=0
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, not 1"; failed=1; }
grep -q "stopped" stderr.txt || { echo "FAIL: no report of the shots that stopped"; failed=1; }
[ "$count" -ge 25 ] || { echo "FAIL: only $count pictures in the relative folder"; failed=1; }
echo "damaged data: status $status, $count pictures"
[ "$failed" -eq 0 ]
