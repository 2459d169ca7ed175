#!/usr/bin/env bash
# Configures and builds into build/ (or $ZONARIA_BUILD_DIR) with two jobs. ./run.sh and
# ./test.sh both build through here with the same settings (warnings are errors, as in CI), so
# the second of them finds the build done. Everything it prints goes to stderr.
set -euo pipefail
exec >&2
cd "$(dirname "$0")/.."
BUILD_DIR=${ZONARIA_BUILD_DIR:-build}
launcher=()
# A compiler cache, where one is installed, makes rebuilds after small changes quick.
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZONARIA_STRICT_WARNINGS=${ZONARIA_STRICT_WARNINGS:-ON} "${launcher[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j2
