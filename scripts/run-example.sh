#!/usr/bin/env bash
# Sets everything up, builds, and runs the bundled example's parameter file
# in batch mode: it names the example family's GEDCOM and a pedigree, whose
# HTML pages are written into examples/. Then lists the persons found, as a
# user looking for another proband would.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DLG_TESTS=OFF -DLG_BENCH=OFF
echo "== lignorama-cli run examples/family.params.txt"
./build/lignorama-cli run examples/family.params.txt
echo
echo "== lignorama-cli persons examples/family.ged"
./build/lignorama-cli persons examples/family.ged 2>/dev/null
echo
echo "Open examples/lg.htm in a browser: the pedigree tableau above, the text below."
