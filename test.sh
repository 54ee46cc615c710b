#!/usr/bin/env bash
# Installs what is missing, builds, and runs the everyday tests: the format check, the Qt Test
# suites and every script check (warnings as errors), each fuzz target for a few seconds.
#   ./test.sh          the everyday set, under ten minutes on a clean clone of a 2-core machine
#   ./test.sh --full   adds the fuzz targets' longer runs and the suites again under AddressSanitizer
#                      and UBSan (what CI runs; TELLWYN_SKIP_SANITIZERS=1 leaves the second build out)
set -euo pipefail
cd "$(dirname "$0")"
full=0
case "${1:-}" in
  --full) full=1 ;;
  "") ;;
  *) echo "usage: ./test.sh [--full]" >&2; exit 2 ;;
esac
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

# One layout for all the C++ (.clang-format): a file off it fails the run before anything is built.
# clang-format -i on the files named fixes it.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi

# The fuzz checks' own times (20 to 60 s a target) and the killed saver's 30 s only in the full run.
if [ "$full" = 0 ]; then
  export FUZZ_SECONDS="${FUZZ_SECONDS:-3}" KILL_SECONDS="${KILL_SECONDS:-5}"
fi
scripts/build.sh build -DTELLWYN_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)")

if [ "$full" = 1 ] && [ "${TELLWYN_SKIP_SANITIZERS:-0}" != "1" ]; then
  BUILD_TYPE=Debug scripts/build.sh build-asan -DTELLWYN_WERROR=ON -DTELLWYN_SANITIZE=ON
  # The script checks drive the normal build; under the sanitizers the Qt Test suites run.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-asan && ctest --output-on-failure --parallel "$(nproc)" -E '\.check-')
fi
