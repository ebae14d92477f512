#!/usr/bin/env bash
# Fails when a tracked C++ source is not formatted as .clang-format says.
# Usage: scripts/check-format.sh          check
#        scripts/check-format.sh --fix    reformat in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.h' '*.cpp')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2> /tmp/lg-format.$$; then
    grep -E '^[^ ].*: (error|warning):' /tmp/lg-format.$$ | cut -d: -f1 | sort -u |
        sed 's/$/: not formatted (scripts\/check-format.sh --fix)/'
    rm -f /tmp/lg-format.$$
    exit 1
fi
rm -f /tmp/lg-format.$$
echo "sources formatted"
