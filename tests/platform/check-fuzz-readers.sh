#!/usr/bin/env bash
# Fuzzes the question-set reader, the worksheet index and store, and the field reader with the code
# page and the path resolver, each for FUZZ_SECONDS (20 by default) with libFuzzer, from the seeds
# in fuzz/corpus and the bundled question sets. Each target aborts on a broken invariant as well
# as on a crash. Builds with clang in its own build folder; skips (77) where clang is missing.
# fuzz/README says how to run them for hours.
set -euo pipefail
src=${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}
build=$(realpath -m "${TELLWYN_FUZZ_READERS_BUILD:-$src/build-fuzz-readers}")
seconds=${FUZZ_SECONDS:-20}
targets=(fuzz_questionset fuzz_worksheetstore fuzz_fields)
command -v clang++ >/dev/null 2>&1 || { echo "clang++ not installed: skipped"; exit 77; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTELLWYN_FUZZ=ON >/dev/null
fi
cmake --build "$build" --target "${targets[@]}" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0
status=0
for target in "${targets[@]}"; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp "$src/fuzz/corpus/$target"/* "$corpus/"
  if [ "$target" != fuzz_worksheetstore ]; then
    for f in "$src"/data/multiple/*.txt; do cp "$f" "$corpus/bundled-$(basename "$f" | tr ' ' '_')"; done
  fi
  echo "== $target"
  if (cd "$work" && "$build/fuzz/$target" -max_total_time="$seconds" -max_len=16384 -rss_limit_mb=2048 \
    -timeout=10 -print_final_stats=1 "$corpus" >"$work/$target.log" 2>&1); then
    grep -E "^stat::number_of_executed_units" "$work/$target.log" || true
  else
    status=1
    tail -n 40 "$work/$target.log"
  fi
done
exit "$status"
