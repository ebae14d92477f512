#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own.
# The folders, lowest first: base, database, text, charts, html, app form the
# core; render, windows and gui sit above app in that order. cli sits beside
# windows: it may paint pictures through render, but never use widgets.
# A file may include its own folder and every folder below it.
# Usage: scripts/check-layers.sh [SRC_DIR]   (default: the tree's src/)
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

# Rank of a folder; the surface folders rank above every core folder.
rank() {
    case "$1" in
        base) echo 0 ;; database) echo 1 ;; text) echo 2 ;; charts) echo 3 ;;
        html) echo 4 ;; app) echo 5 ;; render) echo 6 ;; windows) echo 7 ;;
        gui) echo 8 ;; cli) echo 7 ;; *) echo -1 ;;
    esac
}

failures=0
while IFS= read -r -d '' file; do
    folder=$(basename "$(dirname "$file")")
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || continue
    while IFS= read -r line; do
        target=${line#*\"}
        target=${target%%/*}
        other=$(rank "$target")
        [ "$other" -ge 0 ] || continue
        # cli and windows are side by side: neither may use the other.
        if [ "$other" -gt "$own" ] || { [ "$other" -eq "$own" ] && [ "$target" != "$folder" ]; }; then
            echo "${file#"$src"/}: includes ${line#*#include } from above its layer"
            failures=$((failures + 1))
        fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[a-z_]+/' "$file" || true)
done < <(find "$src" \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [ "$failures" -gt 0 ]; then
    echo "$failures upward include(s)"
    exit 1
fi
echo "includes point downward"
