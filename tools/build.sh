#!/usr/bin/env bash
# Configures and builds into build/ (or $ZONARIA_BUILD_DIR) with two jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${ZONARIA_BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZONARIA_STRICT_WARNINGS=${ZONARIA_STRICT_WARNINGS:-OFF} >/dev/null
cmake --build "$BUILD_DIR" -j2
