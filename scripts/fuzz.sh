#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer and UBSan, core only)
# in build-fuzz and runs each for SECONDS (default 60), one after the other
# on one core: scripts/fuzz.sh [SECONDS]
#
# Seeds: the GEDCOM files of $LG_FUZZ_GED (default /work/shared/data/ged;
# examples/ and tests/data/ when it has none) and parameter files made from
# the factory settings. Seeds and the corpus the runs grow stay in
# build-fuzz. An input that crashes, leaks, hangs or takes too much memory
# is saved in $LG_FUZZ_FINDINGS (default build-fuzz/findings) and makes the
# script exit with status 1 after all targets ran. $LG_BUILD_JOBS (default
# 2) limits the build's parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS]   (a positive whole number, default 60)" >&2
    exit 2
fi
build=build-fuzz
findings=${LG_FUZZ_FINDINGS:-$build/findings}
ged_dir=${LG_FUZZ_GED:-/work/shared/data/ged}
targets=(fuzz_reader fuzz_charts fuzz_params)

echo "== build the fuzz targets ($build)"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLG_FUZZ=ON -DASAN=ON -DLG_GUI=OFF -DLG_TESTS=OFF -DLG_BENCH=OFF >/dev/null
cmake --build "$build" -j "${LG_BUILD_JOBS:-2}" --target "${targets[@]}" lignorama-cli

# ---------------------------------------------------------------- seeds

seeds=$build/seeds
rm -rf "$seeds"
mkdir -p "$seeds/ged" "$seeds/params" "$findings"
shopt -s nullglob
geds=("$ged_dir"/*.ged)
((${#geds[@]})) || geds=(examples/*.ged tests/data/*.ged)
if ! ((${#geds[@]})); then
    echo "*** no GEDCOM files to seed the fuzzers with" >&2
    exit 1
fi
cp "${geds[@]}" "$seeds/ged/"

# Parameter files: the factory settings of `lignorama-cli params` naming the
# GEDCOM fuzz_params writes beside them, and variants that reach the other
# chart types, remembered probands, name codes, languages and line ends.
factory=$seeds/params/factory.txt
"$build/lignorama-cli" params "${geds[0]}" |
    sed -e 's/^;Gedcom .*/;Gedcom             = f.ged\r/' >"$factory"
variant() {
    local name=$1
    shift
    sed "$@" "$factory" >"$seeds/params/$name.txt"
}
variant genealogy -e 's/^;ChartType .*/;ChartType          = genealogy\r/' \
    -e 's/^;Settings = Genealogy \*\*\* .*/;Settings = Genealogy *** #I1 #I7\r/'
variant genealogy-sons -e 's/^;ChartType .*/;ChartType          = genealogy\r/' \
    -e 's/^;GenealogyType .*/;GenealogyType      = m\r/' -e 's/^;NamingScheme .*/;NamingScheme       = @n2z1\r/'
variant genealogy-name -e 's/^;ChartType .*/;ChartType          = genealogy\r/' \
    -e 's/^;GenealogyType .*/;GenealogyType      = n\r/' -e 's/^;ChartDepth .*/;ChartDepth         = 15\r/'
variant pedigree-marks -e 's/^;Settings = Pedigree \*\*\* .*/;Settings = Pedigree *** #I3\r/' \
    -e 's/^;Language .*/;Language           = fran\xe7ais\r/' \
    -e 's/^;ChartDepth .*/;ChartDepth         = 4\r\n;NameCodes          = I3/2#I4/1#\r\n;Highlights         = I1#I2#\r/'
variant pedigree-english -e 's/^;Language .*/;Language           = english\r/' \
    -e 's/^;ProperDisplay .*/;ProperDisplay      = 2\r/' -e 's/^;Bookmarks .*/;Bookmarks          = 2\r/' \
    -e 's/^;Title .*/;Title              = A <b>&amp; "title"\r/'
variant offspring -e 's/^;ChartType .*/;ChartType          = offspring\r/'
variant invalid -e 's/^;BoxWidth .*/;BoxWidth           = 12x\r/' -e 's/^;TableauSpace .*/;TableauSpace       = 5\r/'
variant utf8-lf -e 's/\r$//' -e 's/^;Title .*/;Title              = Stammb\xc3\xa4ume \xe4\xb8\x80/' \
    -e '1s/^/\xef\xbb\xbf/'
for f in examples/*.params.txt; do
    sed -e "s/^;Gedcom .*/;Gedcom             = f.ged\r/" "$f" >"$seeds/params/$(basename "$f")"
done

# ---------------------------------------------------------------- runs

# Scratch files of the targets (pages, copies of the input) go to a
# directory of their own, on tmpfs when there is one, removed at the end.
tmp_base=/dev/shm
[[ -d $tmp_base && -w $tmp_base ]] || tmp_base=$build
scratch=$(mktemp -d "$tmp_base/lg-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

declare -A execs status
failed=0
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    mkdir -p "$corpus" "$build/logs"
    log=$build/logs/$target.log
    args=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1
          -artifact_prefix="$findings/$target-")
    if [[ $target == fuzz_params ]]; then
        args+=(-max_len=8192 -dict=fuzz/params.dict "$corpus" "$seeds/params")
    else
        args+=(-max_len=16384 "$corpus" "$seeds/ged")
    fi
    echo "== $target for $seconds s"
    set +e
    TMPDIR=$scratch ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/fuzz/$target" "${args[@]}" >"$log" 2>&1
    status[$target]=$?
    set -e
    execs[$target]=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if ((status[$target] != 0)); then
        failed=1
        # The report from its first line (the sanitizer's, libFuzzer's or
        # the target's own check), else the end of the log.
        first=$(grep -n -m1 -E '^==[0-9]+==|ERROR: libFuzzer|^fuzz_[a-z]+: ' "$log" | cut -d: -f1 || true)
        if [[ -n $first ]]; then sed -n "$first,\$p" "$log" | head -60; else tail -40 "$log"; fi
        grep -E 'Test unit written to' "$log" || true
    fi
done

echo "== fuzzing summary ($seconds s each; log files in $build/logs)"
for target in "${targets[@]}"; do
    if ((status[$target] == 0)); then
        result=ok
    else
        result="FINDING (exit status ${status[$target]}, input saved in $findings)"
    fi
    printf '%-12s %12s executions  %s\n' "$target" "${execs[$target]:-?}" "$result"
done
exit $failed
