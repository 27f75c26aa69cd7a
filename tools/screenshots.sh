#!/usr/bin/env bash
# Builds the editor (Release) and writes PNG screenshots of its main window with a BW1, a BW2 and a
# BW3 document (units, weapons, formations), of its dialogs and of every page of the unit sheet for a
# BW1, a BW2 and a BW3 unit, drawn offscreen: no display needed.
# Usage: tools/screenshots.sh [FOLDER]   (default: screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-screenshots}")
bash tools/install-deps.sh

build=${QUORVANT_BUILD:-build-rel}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVANT_BUILD_SCREENSHOTS=ON > /dev/null
cmake --build "$build" -j2 --target quorvant_screenshots obtool

# A fresh demo game and profile each time, so the pictures never show anyone's edits.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/obtool" demo "$work/demo" > /dev/null
bash tools/write-demo-profile.sh "$work/profile" "$work/demo"

mkdir -p "$out"
QT_QPA_PLATFORM=offscreen "$build/quorvant_screenshots" --profile "$work/profile" "$out"
echo "screenshots in $out"
