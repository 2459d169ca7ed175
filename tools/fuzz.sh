#!/usr/bin/env bash
# Builds the project with clang in build-fuzz/ (its programs and the fuzz targets, with
# libFuzzer and the address and undefined-behaviour sanitizers on the code each target tries),
# then runs each fuzz target for ZONARIA_FUZZ_SECONDS (60 by default) from a copy of its corpus.
# A finding fails the run and is kept in build-fuzz/fuzz-findings/. ./test.sh calls this after
# the tests; ZONARIA_FUZZ_SECONDS=0 only builds.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${ZONARIA_FUZZ_BUILD_DIR:-build-fuzz}
seconds=${ZONARIA_FUZZ_SECONDS:-60}
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
fi
# SQLite's amalgamation as the main build fetched it, rather than a second download.
sqlite=()
main_sqlite=$(cd "${ZONARIA_BUILD_DIR:-build}" 2>/dev/null && pwd)/_deps/sqlite
[ -f "$main_sqlite/sqlite3.c" ] && sqlite=(-DZONARIA_SQLITE_SOURCE="$main_sqlite")
{
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DZONARIA_BUILD_FUZZ=ON -DZONARIA_BUILD_TESTS=OFF -DZONARIA_BUILD_BENCH=OFF \
        -DZONARIA_STRICT_WARNINGS=ON "${launcher[@]}" "${sqlite[@]}" >/dev/null
    cmake --build "$BUILD_DIR" -j2
} >&2
[ "$seconds" -gt 0 ] || exit 0

findings="$BUILD_DIR/fuzz-findings"
mkdir -p "$findings"
status=0
for target in dib citylist sntp; do
    corpus=fuzz/corpus-$target
    [ "$target" = dib ] && corpus=fuzz/corpus
    work=$(mktemp -d)
    cp "$corpus"/* "$work"/
    echo "fuzz_$target: $seconds s from $corpus"
    if ! "$BUILD_DIR/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$work" 2>"$findings/$target.log"; then
        echo "fuzz_$target found a fault; see $findings/$target.log"
        tail -n 40 "$findings/$target.log"
        status=1
    else
        grep -E '^stat::number_of_executed_units' "$findings/$target.log" || true
    fi
    rm -rf "$work"
done
exit $status
