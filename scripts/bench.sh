#!/usr/bin/env bash
# Builds the benchmarks in Release, generates the synthetic GEDCOM files of
# 100,000 and 1,000,000 persons into the build directory (once), and prints
# one table of the load's figures, each measured in this run:
#   load step      read, convert, parse, sort, link: the first load in a fresh
#                  process (bench_load), best of RUNS processes; MB/s on one
#                  core (--one-core), and with the second half of the file
#                  read on a second core as the program does by default
#   load command   `lignorama-cli load FILE`: the load step, the checks at
#                  level 2 and their report; best of RUNS, and its ratio to the
#                  step on two cores, which is how the command reads
#   peak           the load command's peak resident memory against the file size
#   parse-gedcom   the npm package parse-gedcom 2.0.1 reading the same file in
#                  node, and how many times slower it is than the load command
#                  (only when node and npm are installed; it is installed into
#                  BUILD/npm-parse-gedcom, never into the tree)
# MB are 10^6 bytes. Environment: BUILD (default build-bench), RUNS (default 3),
# SIZES (default "100000 1000000"), NPM_SIZES (the sizes parse-gedcom reads,
# default 100000: on a million persons it needs several GB and half a minute).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build-bench}
runs=${RUNS:-3}
sizes=${SIZES:-100000 1000000}
npm_sizes=${NPM_SIZES:-100000}

bash scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release -DLG_TESTS=OFF -DLG_GUI=OFF \
    -DLG_BENCH=ON >/dev/null

gnu_time=
if /usr/bin/time -f %M true >/dev/null 2>&1; then gnu_time=/usr/bin/time; fi

# parse-gedcom, when node and npm can have it.
npm_dir=$build/npm-parse-gedcom
npm_package=
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    echo "parse-gedcom: skipped (node or npm is not installed)"
elif [ -f "$npm_dir/node_modules/parse-gedcom/package.json" ] &&
    grep -q '"version": "2.0.1"' "$npm_dir/node_modules/parse-gedcom/package.json"; then
    npm_package=$npm_dir/node_modules/parse-gedcom
elif mkdir -p "$npm_dir" && timeout 300 npm install --prefix "$npm_dir" --no-audit --no-fund \
    --no-save parse-gedcom@2.0.1 >"$npm_dir/install.log" 2>&1; then
    npm_package=$npm_dir/node_modules/parse-gedcom
else
    echo "parse-gedcom: skipped (npm could not install it, offline? see $npm_dir/install.log)"
fi

# Runs a command RUNS times; prints the best wall-clock seconds and the
# largest peak resident memory in KiB (0 without GNU time).
best_of() {
    local best= peak=0 start end seconds kib
    for ((i = 0; i < runs; i++)); do
        if [ -n "$gnu_time" ]; then
            "$gnu_time" -f '%e %M' -o "$build/time.out" "$@" >/dev/null 2>"$build/stderr.out" ||
                { cat "$build/stderr.out" >&2; return 1; }
            read -r seconds kib <"$build/time.out"
        else
            start=$(date +%s.%N)
            "$@" >/dev/null 2>"$build/stderr.out" || { cat "$build/stderr.out" >&2; return 1; }
            end=$(date +%s.%N)
            seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
            kib=0
        fi
        best=$(awk -v a="${best:-$seconds}" -v b="$seconds" 'BEGIN { print (b < a) ? b : a }')
        peak=$((kib > peak ? kib : peak))
    done
    echo "$best $peak"
}

rows=()
for n in $sizes; do
    file=$build/population-$n.ged
    [ -f "$file" ] || "$build/bench/lg-gedcom-gen" population "$n" "$file"
    bytes=$(stat -L -c %s "$file")
    # The load step: the first load of each fresh process, best of RUNS;
    # on one core, then as the program reads (two cores for a big file).
    first_load() {
        local best= cpu= line wall used
        for ((i = 0; i < runs; i++)); do
            line=$("$build/bench/bench_load" "$file" 1 "$@" | grep 'first load')
            wall=$(echo "$line" | sed -E 's/.*first load: ([0-9.]+) s.*/\1/')
            used=$(echo "$line" | sed -E 's/.*CPU ([0-9.]+) s.*/\1/')
            best=$(awk -v a="${best:-$wall}" -v b="$wall" 'BEGIN { print (b < a) ? b : a }')
            cpu=$(awk -v a="${cpu:-$used}" -v b="$used" 'BEGIN { print (b < a) ? b : a }')
        done
        echo "$best $cpu"
    }
    read -r step cpu < <(first_load --one-core)
    read -r step2 _ < <(first_load)
    # The whole command, from its directory, as a user runs it: the report
    # (when the checks find anything) is written beside the file.
    read -r command peak < <(best_of "$build/lignorama-cli" load "$file" --quiet)
    npm="-"
    npm_ratio="-"
    if [ -n "$npm_package" ] && [[ " $npm_sizes " == *" $n "* ]]; then
        read -r npm _ < <(best_of node bench/time_parse_gedcom.js "$npm_package" "$file")
        npm_ratio=$(awk -v a="$npm" -v b="$command" 'BEGIN { printf "%.1f", a / b }')
    fi
    rows+=("$(awk -v n="$n" -v bytes="$bytes" -v step="$step" -v cpu="$cpu" -v step2="$step2" -v cmd="$command" \
        -v peak="$peak" -v npm="$npm" -v ratio="$npm_ratio" 'BEGIN {
        mb = bytes / 1e6
        peakText = peak > 0 ? sprintf("%.0f MiB (%.2f x)", peak / 1024, peak * 1024 / bytes) : "n/a"
        printf "| %s | %.0f MB | %.2f s: %.0f MB/s (CPU %.0f MB/s) | %.2f s: %.0f MB/s | %.2f s (%.2f x the step on two cores) | %s | %s | %s |",
            n, mb, step, mb / step, mb / cpu, step2, mb / step2, cmd, cmd / step2, peakText,
            npm == "-" ? "-" : npm " s", ratio == "-" ? "-" : ratio " x"
    }')")
done

echo
echo "| persons | file | load step on one core, first in a fresh process | the same on two cores | load command | peak memory (x file) | parse-gedcom 2.0.1 | parse-gedcom / load command |"
echo "|---|---|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
echo
echo "Best of $runs runs each; targets: step on one core >= 150 MB/s on the 1M file, command <= 2 x step,"
echo "peak <= 2.5 x file, parse-gedcom >= 20 x the load command on 100k."
