#!/usr/bin/env bash
# Installs what is missing, builds in build/ (the same build as ./run.sh, so either reuses the
# other's) and runs every test. The install and build steps write to stderr, the tests to stdout.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh >&2
tools/build.sh >&2
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
export ZONARIA_DEVICE="$profile/device"
export QT_QPA_PLATFORM=offscreen
export LANG=C.UTF-8
(cd "${ZONARIA_BUILD_DIR:-build}" && ctest --output-on-failure -j2)
# The fuzz targets, a minute each, in a clang build of their own (which also shows that the
# project builds with clang). ZONARIA_SKIP_FUZZ=1 leaves them out of a quick local run.
if [ "${ZONARIA_SKIP_FUZZ:-0}" != 1 ]; then
    tools/fuzz.sh
fi
