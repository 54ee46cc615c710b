#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Qt Test suites and script checks
# (warnings as errors), then the same suites again under AddressSanitizer and UBSan.
# Set TELLWYN_SKIP_SANITIZERS=1 to leave out the second build while working.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

# One layout for all the C++ (.clang-format): a file off it fails the run before anything is built.
# clang-format -i on the files named fixes it.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
fi

scripts/build.sh build -DTELLWYN_WERROR=ON
(cd build && ctest --output-on-failure --parallel "$(nproc)")

if [ "${TELLWYN_SKIP_SANITIZERS:-0}" != "1" ]; then
  BUILD_TYPE=Debug scripts/build.sh build-asan -DTELLWYN_WERROR=ON -DTELLWYN_SANITIZE=ON
  # The script checks drive the normal build; under the sanitizers the Qt Test suites run.
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-asan && ctest --output-on-failure --parallel "$(nproc)" -E '\.check-')
fi
