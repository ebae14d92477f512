#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (run as root):
# clang with its sanitizer and libFuzzer runtimes and llvm-symbolizer (for
# readable stacks) are for scripts/fuzz.sh; libjpeg-turbo saves the
# offspring page's picture.
# Does nothing when they are all present, so it is cheap to call every time.
set -euo pipefail

packages=(g++ cmake ninja-build googletest libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev qt6-webengine-dev libgl-dev xvfb xauth fonts-dejavu-core clang-format
          clang libclang-rt-dev llvm qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
          qt6-svg-dev libjpeg62-turbo-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
