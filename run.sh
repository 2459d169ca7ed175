#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zonaria.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh
tools/build.sh
exec "${ZONARIA_BUILD_DIR:-build}/bin/zonaria-cli" "$@"
