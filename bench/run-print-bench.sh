#!/usr/bin/env bash
# Times the printout of a pedigree of 131,071 boxes (a complete ancestry of
# 17 generations) to a PDF on A4 with `lignorama-cli run --pdf`, and counts
# its pages. The command line needs the build with Qt; build it in Release
# first: bash scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DLG_TESTS=OFF
# (the generator comes from any build with benchmarks, BENCH=build-bench).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
bench=${BENCH:-build-bench}
scratch=${SCRATCH:-/tmp/lignorama-bench}
mkdir -p "$scratch"
ged=$scratch/ancestors-17.ged
[ -f "$ged" ] || "$bench/bench/lg-gedcom-gen" ancestors 17 "$ged"
params=$scratch/ancestors-17.params.txt
"$build/lignorama-cli" params "$ged" > "$params"
# The pedigree of the proband of the complete ancestry, I1.
sed -i 's/^;Settings = Pedigree \*\*\* .*/;Settings = Pedigree *** #I1\r/' "$params"
pdf=$scratch/ancestors-17.pdf
start=$(date +%s.%N)
"$build/lignorama-cli" run "$params" --pdf "$pdf" --quiet > /dev/null
end=$(date +%s.%N)
pages=$(grep -a -c '/Type /Page$' "$pdf" || true)
printf 'pedigree of 131071 boxes to PDF: %.2f s (load and chart included), %s pages, %s bytes\n' \
    "$(echo "$end - $start" | bc)" "$pages" "$(stat -c %s "$pdf")"
