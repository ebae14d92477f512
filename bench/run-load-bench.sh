#!/usr/bin/env bash
# Generates synthetic GEDCOM files of 100,000 and 1,000,000 persons (once,
# into a scratch directory) and times the load step on each: read, convert,
# parse, sort and link. Build first: bash scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build-bench}
scratch=${SCRATCH:-/tmp/lignorama-bench}
mkdir -p "$scratch"
for n in 100000 1000000; do
    file=$scratch/population-$n.ged
    [ -f "$file" ] || "$build/bench/lg-gedcom-gen" population "$n" "$file"
    "$build/bench/bench_load" "$file" 3
done
