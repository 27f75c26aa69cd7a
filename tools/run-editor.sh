#!/usr/bin/env bash
# Builds obtool, writes the demo game and shows a few of its files.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
build=${QUORVANT_BUILD:-build-rel}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j2 --target obtool
demo="$PWD/$build/demo"
"$build/obtool" demo "$demo"
for f in bw1/OBPZ bw2/MOB00 bw3/KOB71; do "$build/obtool" info "$demo/$f"; echo; done
