#!/usr/bin/env bash
# How Zonaria behaves as the city database grows: profiles of 3,028 (the shipped list), 30,280
# and 302,800 cities, and on each the window's start, its city lists driven as a user drives
# them (bench_scale_ui), and the command line's CPU time beside `date` measured in the same run.
#
#   bench/scale/run.sh            (SIZES="3028 302800" to choose, RUNS=5 starts per size)
#
# The profiles are made once (bench_scale_cities) and kept in build/bench-scale/.
set -euo pipefail
cd "$(dirname "$0")/../.."
BUILD=${ZONARIA_BUILD_DIR:-build}
BIN=$BUILD/bin
sizes=(${SIZES:-3028 30280 302800})
runs=${RUNS:-5}

store=$BUILD/bench-scale
mkdir -p "$store"
for n in "${sizes[@]}"; do
    [ -f "$store/$n/device.db" ] || "$BIN/bench_scale_cities" "$store/$n" "$n" >/dev/null
done

# shellcheck source=../startlib.sh
. bench/startlib.sh
start_display

# CPU milliseconds (user + system) per run of a command, its output dropped: the children's
# times of a subshell that ran it RUNS times (bash's `times`, to the millisecond).
cpu_ms() {
    (
        for _ in $(seq 1 "$runs"); do "$@" >/dev/null 2>&1 || true; done
        times
    ) | tail -1 | awk -v runs="$runs" '{
        total = 0
        for (i = 1; i <= 2; ++i) { split($i, p, /[ms]/); total += p[1] * 60 + p[2] }
        printf "%.1f", total * 1000 / runs
    }'
}

declare -A start
for n in "${sizes[@]}"; do
    export ZONARIA_DEVICE=$store/$n
    # A start that leaves the profile as an ordinary start finds it.
    ZONARIA_REPORT_PAINT=1 "$BIN/zonaria" >/dev/null 2>&1 & pid=$!; sleep 4; kill $pid; wait $pid 2>/dev/null || true
    start[$n]=$(for _ in $(seq 1 "$runs"); do start_ms "$BIN/zonaria"; done | median)
done

date_ms=$(cpu_ms date)
printf '%-34s' "cities"; printf '%12s' "${sizes[@]}"; echo
printf '%-34s' "window start, ms (median)"; for n in "${sizes[@]}"; do printf '%12s' "${start[$n]}"; done; echo

declare -A ui
for n in "${sizes[@]}"; do
    while read -r key value; do ui[$n,$key]=$value; done < <(ZONARIA_DEVICE=$store/$n "$BIN/bench_scale_ui" 2>/dev/null)
    while read -r key value; do ui[$n,$key]=$value; done < <(ZONARIA_DEVICE=$store/$n "$BIN/bench_scale_ui" --names 2>/dev/null)
done
for key in names_read_ms picker_open_ms picker_first_key_ms picker_later_key_ms picker_open_ms_again \
           cities_open_ms cities_first_key_ms cities_later_key_ms cities_again_first_key_ms \
           phone_first_key_ms airport_first_key_ms rss_after_one_round_kb rss_kb; do
    printf '%-34s' "$key"; for n in "${sizes[@]}"; do printf '%12s' "${ui[$n,$key]:-?}"; done; echo
done

# A clock and a city before the timed ones, as any earlier ones leave them: zonaria-cli-full
# keeps the clock and city caches from which zonaria-cli answers the next ones without Qt.
for n in "${sizes[@]}"; do
    ZONARIA_DEVICE=$store/$n "$BIN/zonaria-cli" clock >/dev/null
    ZONARIA_DEVICE=$store/$n "$BIN/zonaria-cli" city Paris >/dev/null
done
for cmd in "clock" "city London" "city Chicago" "find lon" "find sao"; do
    printf '%-34s' "zonaria-cli $cmd, CPU ms"
    for n in "${sizes[@]}"; do
        # shellcheck disable=SC2086
        printf '%12s' "$(ZONARIA_DEVICE=$store/$n cpu_ms "$BIN/zonaria-cli" $cmd)"
    done
    echo
done
# The same beside a running window, whose writes leave the profile's log in use: the usual case
# on a desktop.
printf '%-34s' "zonaria-cli clock, window open"
for n in "${sizes[@]}"; do
    ZONARIA_DEVICE=$store/$n "$BIN/zonaria" >/dev/null 2>&1 & pid=$!
    sleep 4
    printf '%12s' "$(ZONARIA_DEVICE=$store/$n cpu_ms "$BIN/zonaria-cli" clock)"
    kill $pid; wait $pid 2>/dev/null || true
done
echo
for cmd in "clock" "city London"; do
    printf '%-34s' "zonaria-cli-full $cmd, CPU ms"
    for n in "${sizes[@]}"; do
        # shellcheck disable=SC2086
        printf '%12s' "$(ZONARIA_DEVICE=$store/$n cpu_ms "$BIN/zonaria-cli-full" $cmd)"
    done
    echo
done
printf '%-34s%12s\n' "date, CPU ms" "$date_ms"
