#!/usr/bin/env bash
# Four copies of the store saving into one folder at once lose no title; a copy killed at random
# moments while it saves and deletes never leaves an index that does not load or lists a file that
# does not load. The killed copy's folder starts with the empty index, as the bundled one does.
# Two imports of one title at once never both succeed.
set -uo pipefail
helper="${TELLWYN_BUILD:-build}/tests/helper_worksheetsaver"
[ -x "$helper" ] || { echo "no $helper: build the target helper_worksheetsaver"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
mkdir -p "$work/together/multiple" "$work/killed/multiple"
for p in North South East West; do "$helper" save "$work/together" "$p" 50 & done
wait
"$helper" verify "$work/together" 200 || { echo "FAIL: concurrent saves"; status=1; }

printf ' 0 \r\n' >"$work/killed/multiple/track.txt"
# The kill moments come from a seed that is printed, and taken from KILL_SEED to replay a failure;
# KILL_SECONDS (30 unless told) is how long the copy is killed over and over.
seed=${KILL_SEED:-$RANDOM}
RANDOM=$seed
echo "kill moments from seed $seed (KILL_SEED=$seed replays them)"
end=$((SECONDS + ${KILL_SECONDS:-30})) kills=0
while [ $SECONDS -lt $end ] && [ $status -eq 0 ]; do
  "$helper" churn "$work/killed" "Crash" &
  # A random moment of the save, not a state to wait for: the point is to kill it anywhere.
  sleep "0.$(printf '%03d' $((RANDOM % 400 + 20)))"
  kill -KILL $! 2>/dev/null
  wait $! 2>/dev/null
  kills=$((kills + 1))
  "$helper" verify "$work/killed" >/dev/null || { echo "FAIL: after kill $kills:"; status=1; }
done
echo "killed $kills times (seed $seed); $("$helper" verify "$work/killed" 2>&1)"
# Two imports of one new title at once, 100 times, as two teachers would: one is listed, the other
# is told the title is taken, and the file is the one that was listed.
program="${TELLWYN_BUILD:-build}/tellwyn"
if [ -x "$program" ] && [ $status -eq 0 ]; then
  for who in first second; do
    { echo "TITLE: Race"; printf "$who question %s?\nA. Yes\nB. No\nC. Maybe\nD. Never\nANSWER: A\n\n" $(seq 10); } >"$work/$who.txt"
  done
  for round in $(seq 100); do
    mkdir -p "$work/race$round/multiple"
    for who in first second; do
      env -u DISPLAY "$program" --data-dir "$work/race$round" --import "$work/$who.txt" \
        >"$work/race$round/$who.out" 2>"$work/race$round/$who.err" &
    done
    wait
    won=$(cat "$work/race$round"/*.out | wc -l)
    told=$(cat "$work/race$round"/*.err | grep -c 'already in the catalogue')
    listed=$(grep -c '^Race' "$work/race$round/multiple/track.txt")
    winner=$(grep -l Race "$work/race$round"/*.out | xargs -r basename -s .out)
    if [ "$won$told$listed" != 111 ] || ! grep -q "^$winner question 1?" "$work/race$round/multiple/Race.txt"; then
      echo "FAIL: round $round: $won imported, $told told, $listed listed"; cat "$work/race$round"/*.err; status=1; break
    fi
  done
  echo "two imports at once: $((round)) rounds"
fi
exit $status
