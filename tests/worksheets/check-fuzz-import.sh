#!/usr/bin/env bash
# Fuzzes the worksheet importer from hand-made good and broken files and the topics' question sets.
source "$(dirname "$0")/../support/fuzz-smoke.sh"
fuzz_build fuzz_import
fuzz_run fuzz_import 60 16384 "$src"/fuzz/corpus/import/* "$src"/data/multiple/*.txt
