#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    tzdata
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

# A package the package lists do not know yet needs a fresh list first.
for p in "${missing[@]}"; do
    if ! apt-cache show "$p" >/dev/null 2>&1; then
        $SUDO apt-get update
        break
    fi
done
echo "Installing: ${missing[*]}"
$SUDO apt-get install -y "${missing[@]}"
