#!/usr/bin/env bash
# The AppStream metainfo against appstreamcli (offline), and its newest release against the
# project's version. Exit status 77 (skipped) without appstreamcli.
#   metainfo_test.sh METAINFO VERSION
set -uo pipefail
command -v appstreamcli >/dev/null || { echo "SKIP: appstreamcli is missing (Debian's appstream)"; exit 77; }
appstreamcli validate --no-net "$1" || exit 1
newest=$(grep -o '<release version="[^"]*"' "$1" | head -1 | cut -d'"' -f2)
[ "$newest" = "$2" ] || { echo "FAIL: the metainfo's newest release is $newest, the project's version $2"; exit 1; }
echo "The metainfo is valid and names release $2."
