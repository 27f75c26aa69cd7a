#!/usr/bin/env bash
# Builds the Debian package of Quorvant (the editor and obtool, Release) and prints where it is.
# Install it with: sudo apt install ./build-pkg/quorvant_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh

build=${QUORVANT_PACKAGE_BUILD:-build-pkg}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVANT_BUILD_TESTS=OFF -DQUORVANT_BUILD_BENCH=OFF -DQUORVANT_BUILD_SCREENSHOTS=OFF > /dev/null
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls -t "$build"/quorvant_*.deb | head -1)
dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Architecture\|Depends\):/\1:/p'
echo "package: $deb"
