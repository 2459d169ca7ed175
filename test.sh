#!/usr/bin/env bash
# Installs what is missing, builds from scratch in build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
ZONARIA_STRICT_WARNINGS=ON tools/build.sh
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
export ZONARIA_DEVICE="$profile/device"
export QT_QPA_PLATFORM=offscreen
export LANG=C.UTF-8
cd "${ZONARIA_BUILD_DIR:-build}"
ctest --output-on-failure -j2
