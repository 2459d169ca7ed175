#!/usr/bin/env bash
# Builds iconmaker (not part of the project's build) and renders every image with it: see
# README.md beside this script. Needs qt6-svg-dev (apt-get install qt6-svg-dev).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${ICONMAKER_BUILD_DIR:-$root/build-icons}
cmake -S "$root/tools/icons" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
"$build/iconmaker" "$root"
# The images the window and the Today item read at every start, stored uncompressed
# (storepng.py says why).
cd "$root/app/res/icons"
python3 "$root/tools/icons/storepng.py" zonaria-16.png zonaria-24.png zonaria-32.png zonaria-48.png zonaria-64.png \
    toolbar.png toolbar@2x.png help-up.png help-up@2x.png help-down.png help-down@2x.png
