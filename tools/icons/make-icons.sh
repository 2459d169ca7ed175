#!/usr/bin/env bash
# Builds iconmaker (not part of the project's build) and renders every image with it: see
# README.md beside this script. Needs qt6-svg-dev (apt-get install qt6-svg-dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ICONMAKER_BUILD_DIR:-$root/build-icons}
cmake -S "$root/tools/icons" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
"$build/iconmaker" "$root"
