#!/usr/bin/env bash
# The desktop entries against desktop-file-validate. Exit status 77 (skipped) without it.
#   desktop_test.sh PACKAGING_DIR [MORE ENTRIES...]
set -uo pipefail
command -v desktop-file-validate >/dev/null ||
    { echo "SKIP: desktop-file-validate is missing (Debian's desktop-file-utils)"; exit 77; }
dir=$1
shift
# Installed under the application's id, which a D-Bus activatable entry's name must be.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$dir/zonaria.desktop" "$work/io.github.zonaria.Zonaria.desktop"
desktop-file-validate "$work/io.github.zonaria.Zonaria.desktop" "$@" || exit 1
echo "The desktop entries are valid."
