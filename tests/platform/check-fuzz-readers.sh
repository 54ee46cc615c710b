#!/usr/bin/env bash
# Fuzzes the question-set reader, the worksheet index and store, and the field reader with the code
# page and the path resolver, from their seeds and the bundled question sets.
source "$(dirname "$0")/../support/fuzz-smoke.sh"
fuzz_build fuzz_questionset fuzz_worksheetstore fuzz_fields
status=0
fuzz_run fuzz_questionset 20 16384 "$src"/fuzz/corpus/fuzz_questionset/* "$src"/data/multiple/*.txt || status=1
fuzz_run fuzz_worksheetstore 20 16384 "$src"/fuzz/corpus/fuzz_worksheetstore/* || status=1
fuzz_run fuzz_fields 20 16384 "$src"/fuzz/corpus/fuzz_fields/* "$src"/data/multiple/*.txt || status=1
exit "$status"
