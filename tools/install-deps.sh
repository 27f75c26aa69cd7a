#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those missing. Uses sudo when not root.
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev libzip-dev libpng-dev nlohmann-json3-dev libgtest-dev libgmock-dev
          libbenchmark-dev libgl-dev)
# An independent decoder the picture tests read written pictures back with.
packages+=(netpbm)
# The package: icons rendered from their drawing, dependencies found, desktop files checked.
packages+=(librsvg2-bin dpkg-dev appstream desktop-file-utils)
for option in "$@"; do
  case $option in
    --display) packages+=(xvfb xauth) ;;
    --fuzz) packages+=(clang libclang-rt-dev) ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
