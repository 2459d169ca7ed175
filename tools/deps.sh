#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
# Everything it and the package tools print goes to stderr.
set -euo pipefail
exec >&2

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
# The time-zone table was checked against the tz database of 2026 (data/zones.md): older data
# gives last year's rules for zones that have changed since.
tz_version=$(dpkg-query -W -f='${Version}' tzdata 2>/dev/null || true)
if [ -n "$tz_version" ] && dpkg --compare-versions "$tz_version" lt 2026a; then
    missing+=(tzdata)
fi
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

# A package the package lists do not know yet, or only in an old version, needs a fresh list.
refresh=0
for p in "${missing[@]}"; do
    apt-cache show "$p" >/dev/null 2>&1 || refresh=1
done
if [ -n "$tz_version" ]; then
    candidate=$(apt-cache policy tzdata 2>/dev/null | awk '/Candidate:/ {print $2}')
    if [ -z "$candidate" ] || dpkg --compare-versions "$candidate" lt 2026a; then refresh=1; fi
fi
[ $refresh -eq 1 ] && $SUDO apt-get update
echo "Installing: ${missing[*]}"
$SUDO apt-get install -y "${missing[@]}"
