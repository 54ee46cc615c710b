# Sourced by the fuzz checks. Skips (77) where clang is missing; fuzz_build builds libFuzzer targets
# in one build folder that the checks take turns over; fuzz_run runs one.
set -euo pipefail
src=${TELLWYN_SOURCE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
command -v clang++ >/dev/null 2>&1 || { echo "clang++ not installed: skipped"; exit 77; }
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0 QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fuzz_build TARGET...: builds in build-fuzz beside the sources; one check builds at a time, and the
# others then find their targets built.
fuzz_build() {
  build=$src/build-fuzz
  mkdir -p "$build"
  local launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$src" CCACHE_NOHASHDIR=1
  fi
  (
    flock 9
    [ -f "$build/CMakeCache.txt" ] || cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" -DTELLWYN_FUZZ=ON >/dev/null
    cmake --build "$build" --target "$@" >/dev/null
  ) 9>"$build/.lock"
}

# fuzz_run TARGET SECONDS MAX_LEN SEED...: runs for FUZZ_SECONDS (else SECONDS) from copies of the
# seeds. A crash, broken invariant or input slower than FUZZ_TIMEOUT (10 s) fails the check, shows
# the log's end and keeps the input in <build>/fuzz-artifacts; fuzz/README says how to run for hours.
fuzz_run() {
  local target=$1 seconds=$2 max_len=$3 seed
  shift 3
  mkdir -p "$work/$target" "$build/fuzz-artifacts"
  for seed in "$@"; do cp "$seed" "$work/$target/$(basename "$(dirname "$seed")")-$(basename "$seed" | tr ' ' _)"; done
  if (cd "$work" && "$build/fuzz/$target" -max_total_time="${FUZZ_SECONDS:-$seconds}" -max_len="$max_len" \
    -rss_limit_mb=2048 -timeout="${FUZZ_TIMEOUT:-10}" -artifact_prefix="$build/fuzz-artifacts/" \
    -print_final_stats=1 "$target" >"$work/$target.log" 2>&1); then
    echo "$target: $(grep -E '^stat::number_of_executed_units' "$work/$target.log" | grep -Eo '[0-9]+$') runs"
  else
    tail -n 40 "$work/$target.log"
    return 1
  fi
}
