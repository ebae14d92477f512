#!/usr/bin/env bash
# Refreshes the interface's translation files from the desktop program's
# sources: new texts arrive unfinished, texts no longer used are dropped.
# The build's target update_translations does the same through CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
"$lupdate" -no-obsolete -locations none -I src src/gui src/windows -ts translations/lignorama_*.ts
