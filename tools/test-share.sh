#!/usr/bin/env bash
# Prints how large the tests are against the program: lines of the Qt Test suites and their
# headers, the script and Python checks and the fuzz targets, over the lines of src/. The
# team keeps it at most a third.
set -euo pipefail
cd "$(dirname "$0")/.."
lines() { xargs -0 cat | wc -l; }
program=$(find src \( -name '*.cpp' -o -name '*.h' \) -print0 | lines)
tests=$( (find tests \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' -o -name '*.py' \) -print0
  find fuzz \( -name '*.cpp' -o -name '*.h' \) -print0) | lines)
echo "src/ $program lines, tests $tests lines: $((100 * tests / program))% (at most 33%)"
