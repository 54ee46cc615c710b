#!/usr/bin/env bash
# Several copies of the program saving into one folder lose no title, and a copy killed while it
# saves never leaves an index that does not load or lists a file that does not load.
set -uo pipefail
helper="${TELLWYN_BUILD:-build}/tests/helper_worksheetsaver"
[ -x "$helper" ] || { echo "no $helper: build the target helper_worksheetsaver"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# Four copies, fifty worksheets each, all at once.
mkdir -p "$work/together/multiple"
pids=()
for p in North South East West; do
  "$helper" save "$work/together" "$p" 50 &
  pids+=($!)
done
for pid in "${pids[@]}"; do
  wait "$pid" || { echo "a copy failed to save"; status=1; }
done
"$helper" verify "$work/together" 200 || { echo "FAIL: concurrent saves"; status=1; }

# A copy killed at random moments while it saves and deletes in a loop; after each kill the
# store must still read back whole.
# The folder starts as the bundled one does, with the empty index: a copy killed before its first
# save ever finished must not count as a lost index.
mkdir -p "$work/killed/multiple"
printf ' 0 \r\n' >"$work/killed/multiple/track.txt"
end=$((SECONDS + 30))
kills=0
while [ $SECONDS -lt $end ]; do
  "$helper" churn "$work/killed" "Crash" &
  pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 400 + 20)))"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  kills=$((kills + 1))
  if ! "$helper" verify "$work/killed" >/dev/null; then
    echo "FAIL: after kill $kills:"
    "$helper" verify "$work/killed"
    status=1
    break
  fi
done
echo "killed $kills times; $("$helper" verify "$work/killed")"
exit $status
