#!/usr/bin/env bash
# Rewrites the seed corpora under fuzz/corpus: built inputs from the fuzz_seeds
# program (the test builders and writers) plus a few demo files. Needs a
# configured build-fuzz (scripts/fuzz.sh makes one).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build-fuzz -j2 --target fuzz_seeds
rm -rf fuzz/corpus
build-fuzz/fuzz/fuzz_seeds fuzz/corpus
for f in 003 007 008; do cp "examples/demo-temp/$f.part.met" "fuzz/corpus/fuzz_partmet/demo-$f"; done
cp examples/FAKES.DAT fuzz/corpus/fuzz_fakelist/demo-FAKES.DAT
cp examples/FAKES.DAT fuzz/corpus/fuzz_listbody/demo-FAKES.DAT
head -c 600 examples/demo-temp/007.part > fuzz/corpus/fuzz_content/demo-007
find fuzz/corpus -type f | wc -l
