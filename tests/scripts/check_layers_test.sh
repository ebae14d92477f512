#!/usr/bin/env bash
# The layer check passes on the tree, fails on an include planted against
# the direction of the layers (naming the file and the include), and passes
# again once the include is gone.
set -euo pipefail
source_dir="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source_dir/src" "$work/src"
check="$source_dir/scripts/check-layers.sh"

bash "$check" "$work/src" > "$work/clean.txt" || { cat "$work/clean.txt"; exit 1; }

planted="$work/src/database/records.h"
cp "$planted" "$work/records.h.orig"
sed -i '0,/^#include/s//#include "app\/session.h"\n#include/' "$planted"
if bash "$check" "$work/src" > "$work/planted.txt"; then
    echo "an include from database/ up into app/ was not caught"
    exit 1
fi
grep -q 'database/records.h: includes "app/session.h"' "$work/planted.txt" || {
    cat "$work/planted.txt"
    exit 1
}

# Side by side is not downward either: the command line may not use widgets.
cp "$work/records.h.orig" "$planted"
echo '#include "windows/ui_texts.h"' >> "$work/src/cli/commands.h"
if bash "$check" "$work/src" > "$work/side.txt"; then
    echo "an include from cli/ into windows/ was not caught"
    exit 1
fi
sed -i '$d' "$work/src/cli/commands.h"
bash "$check" "$work/src" > /dev/null
echo "layer check catches planted includes"
