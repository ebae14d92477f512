#!/usr/bin/env bash
# Sets everything up, builds, and loads the bundled example family with the
# command-line tool: the messages of the load, then the persons it found.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DLG_TESTS=OFF -DLG_BENCH=OFF
echo "== lignorama-cli load examples/family.ged"
./build/lignorama-cli load examples/family.ged
echo
echo "== lignorama-cli persons examples/family.ged"
./build/lignorama-cli persons examples/family.ged 2>/dev/null
