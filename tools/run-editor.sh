#!/usr/bin/env bash
# Builds the editor (Release) and starts it on a made-up demo game, with a settings profile of its own
# that already points at the demo's install folders: a first-time user lands on real data and their
# own Quorvant settings stay untouched. Extra arguments go to the editor (for example an OB file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

build=${QUORVANT_BUILD:-build-rel}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j2 --target quorvant obtool

demo="$PWD/$build/demo"
[ -d "$demo/bw1" ] || "$build/obtool" demo "$demo"
profile="$PWD/$build/demo-profile"
bash tools/write-demo-profile.sh "$profile" "$demo"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] &&
   [ "$(uname -s)" = Linux ]; then
  cat >&2 <<MSG
The editor is built, but this machine has no display (neither DISPLAY nor WAYLAND_DISPLAY is set),
so its window cannot be shown here.

To run it on a virtual display instead:
    bash tools/install-deps.sh --display
    xvfb-run -a $build/quorvant --profile "$profile"

To look at it without a display, write screenshots of its windows (PNG files in screenshots/):
    bash tools/screenshots.sh
MSG
  exit 2
fi

exec "$build/quorvant" --profile "$profile" "$@"
