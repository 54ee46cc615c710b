#!/usr/bin/env bash
# Fuzzes the metafile reader and player for a fixed time (FUZZ_SECONDS, 60 by default) with
# libFuzzer, from a corpus of the page pictures and hand-made broken files; the target draws each
# page small and at the size the page viewers draw it. Builds the target with clang in its own
# build folder; skips (77) where clang is not installed. A crashing or slow input is kept in
# <fuzz build>/fuzz-artifacts. FUZZ_TIMEOUT (seconds, 10 by default) is the longest one input may
# take: raise it for a long run on a busy machine, where the fuzzer's wall clock runs on regardless.
set -euo pipefail
src=${TELLWYN_SOURCE:-$(cd "$(dirname "$0")/../.." && pwd)}
build=${TELLWYN_FUZZ_BUILD:-$src/build-fuzz}
seconds=${FUZZ_SECONDS:-60}
timeout=${FUZZ_TIMEOUT:-10}
command -v clang++ >/dev/null 2>&1 || { echo "clang++ not installed: skipped"; exit 77; }

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTELLWYN_FUZZ=ON >/dev/null
fi
ninja -C "$build" fuzz_wmf >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$src"/fuzz/corpus/wmf/* "$work/corpus/"
for f in "$src"/data/wmf/*.wmf "$src"/data/wmf2/*.wmf; do
  cp "$f" "$work/corpus/$(basename "$(dirname "$f")")-$(basename "$f" | tr ' ' '_')"
done

export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0
export QT_QPA_PLATFORM=offscreen
artifacts=$build/fuzz-artifacts
mkdir -p "$artifacts"
cd "$work"
"$build/fuzz/fuzz_wmf" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout="$timeout" \
  -artifact_prefix="$artifacts/" -print_final_stats=1 corpus 2>&1 | tail -n 25
