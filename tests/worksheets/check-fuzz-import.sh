#!/usr/bin/env bash
# Fuzzes the worksheet importer for a fixed time (FUZZ_SECONDS, 60 by default) with libFuzzer,
# from hand-made good and broken worksheet files and the topics' own question sets. Builds the
# target with clang in a build folder of its own, so that it never races the metafile check over
# one; skips (77) where clang is not installed.
set -euo pipefail
src=${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${TELLWYN_FUZZ_IMPORT_BUILD:-$src/build-fuzz-import}
seconds=${FUZZ_SECONDS:-60}
command -v clang++ >/dev/null 2>&1 || { echo "clang++ not installed: skipped"; exit 77; }

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTELLWYN_FUZZ=ON >/dev/null
fi
ninja -C "$build" fuzz_import >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$src"/fuzz/corpus/import/* "$work/corpus/"
for f in "$src"/data/multiple/*.txt; do
  cp "$f" "$work/corpus/data-$(basename "$f" | tr ' ' '_')"
done

export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0
cd "$work"
"$build/fuzz/fuzz_import" -max_total_time="$seconds" -max_len=16384 -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 corpus 2>&1 | tail -n 25
