#!/usr/bin/env bash
# The desktop entries against desktop-file-validate. Exit status 77 (skipped) without it.
#   desktop_test.sh PACKAGING_DIR [MORE ENTRIES...]
set -uo pipefail
command -v desktop-file-validate >/dev/null ||
    { echo "SKIP: desktop-file-validate is missing (Debian's desktop-file-utils)"; exit 77; }
dir=$1
shift
desktop-file-validate "$dir/zonaria.desktop" "$dir/zonaria-today.desktop" "$@" || exit 1
echo "The desktop entries are valid."
