#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tellwyn on the bundled data.
# Any arguments go to the program (for example --print-to-pdf ~/Documents).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh run
scripts/build.sh build >/dev/null
exec build/tellwyn "$@"
