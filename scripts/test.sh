#!/usr/bin/env bash
# Sets everything up, checks that includes point down the layers and that
# the sources are formatted, builds, and runs the test suite twice: once in a
# normal build with the desktop program and its widget tests, once without
# Qt (so the core can never pick up a Qt include) under AddressSanitizer and
# UndefinedBehaviorSanitizer. Last, each fuzz target runs for a minute
# (scripts/fuzz.sh; $LG_FUZZ_SECONDS sets another time, 0 skips the stage).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "== source checks"
bash scripts/check-layers.sh
bash scripts/check-format.sh

echo "== build and test"
bash scripts/build.sh build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLG_TESTS=ON -DLG_BENCH=OFF
ctest --test-dir build-test --output-on-failure -j 2

echo "== build and test under the sanitizers"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DASAN=ON -DLG_GUI=OFF -DLG_TESTS=ON -DLG_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j 2

fuzz_seconds=${LG_FUZZ_SECONDS:-60}
if [[ $fuzz_seconds != 0 ]]; then
    echo "== fuzz the reader, the charts and the parameter files"
    bash scripts/fuzz.sh "$fuzz_seconds"
fi
