#!/usr/bin/env bash
# Fuzzes the metafile reader and player from hand-made broken files and every page picture; the
# target draws each page small and at the size the page viewers draw it.
source "$(dirname "$0")/../support/fuzz-smoke.sh"
fuzz_build fuzz_wmf
fuzz_run fuzz_wmf 60 65536 "$src"/fuzz/corpus/wmf/* "$src"/data/wmf/*.wmf "$src"/data/wmf2/*.wmf
