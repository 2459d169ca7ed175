#!/usr/bin/env bash
# Builds Zonaria's Debian package, build/package/zonaria_VERSION_ARCH.deb, after installing what
# is missing and building as ./run.sh does. Its path is the one line on stdout. Install it with
#   sudo apt install ./build/package/zonaria_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh >&2
tools/build.sh >&2
build=${ZONARIA_BUILD_DIR:-build}
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build/package" >&2
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
echo "$build/package/zonaria_${version}_$(dpkg --print-architecture).deb"
