#!/usr/bin/env bash
# Start-up time, memory and CPU of the window programs, each beside a Qt "hello world" window
# with a menu measured in the same run, on a private X server.
#
#   bench/window/run.sh [PROGRAM ...]     (default: build/bin/zonaria)
#
# Start-up: wall time from launch to the first painted window (the programs print "painted"),
# median of 7 starts (RUNS to change). Memory: VmRSS and PSS (the shared libraries' pages split
# among their users) 2 s after start. CPU: user + system time in the first 5 s (median of 9
# starts, CPU_RUNS to change), and over 60 s after that (IDLE_SECONDS to change; past Zonaria's
# start-up check at 3 s), summed over the threads from the scheduler's nanosecond counts. A last
# line per program gives the median of its per-round ratios to the hello world's start and CPU.
set -euo pipefail
cd "$(dirname "$0")/../.."
BIN=${ZONARIA_BUILD_DIR:-build}/bin
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=("$BIN/zonaria")
idle=${IDLE_SECONDS:-60}
runs=${RUNS:-7}

# shellcheck source=../startlib.sh
. bench/startlib.sh
start_display

# A fresh profile is installed once before the starts, so the starts measured are ordinary ones.
# Resident and proportional kilobytes after 2 s, CPU seconds in the first 5 s and over the idle
# period.
memory_and_idle() {
    local program=$1
    "$program" >/dev/null 2>&1 &
    local pid=$!
    sleep 2
    local rss pss
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    pss=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup")
    local c0 c1
    sleep 3
    c0=$(cpu_ns "$pid")
    sleep "$idle"
    c1=$(cpu_ns "$pid")
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo "$rss $pss $(awk -v a="$c0" 'BEGIN {printf "%.3f", a / 1e9}') $(awk -v a="$c0" -v b="$c1" 'BEGIN {printf "%.4f", (b - a) / 1e9}')"
}

profile() { echo "$work/profile-$(basename "$1")"; }

# Starts are taken in turns, the hello world's and each program's, so that a change in the
# machine's load while the script runs weighs on all of them alike.
all=("$BIN/bench_hello" "${programs[@]}")
declare -A times
for p in "${all[@]}"; do
    # The first start installs the profile; the ones measured are ordinary starts.
    ZONARIA_DEVICE=$(profile "$p") "$p" >/dev/null 2>&1 & pid=$!; sleep 3; kill $pid; wait $pid 2>/dev/null || true
done
for _ in $(seq 1 "$runs"); do
    for p in "${all[@]}"; do times[$p]+="$(ZONARIA_DEVICE=$(profile "$p") start_ms "$p") "; done
done

# CPU seconds in the first 5 s of one start. One start's figure spreads widely on a busy
# machine, so the table gives the median of CPU_RUNS starts, taken in turns like the others.
first_cpu() {
    "$1" >/dev/null 2>&1 &
    local pid=$!
    sleep 5
    local c
    c=$(cpu_ns "$pid")
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    awk -v a="$c" 'BEGIN {printf "%.3f", a / 1e9}'
}
cpu_runs=${CPU_RUNS:-9}
declare -A firsts
for _ in $(seq 1 "$cpu_runs"); do
    for p in "${all[@]}"; do firsts[$p]+="$(ZONARIA_DEVICE=$(profile "$p") first_cpu "$p") "; done
done

for p in "${all[@]}"; do
    name=$(basename "$p"); [ "$p" = "$BIN/bench_hello" ] && name="hello world"
    start=$(printf '%s\n' ${times[$p]} | median)
    first=$(printf '%s\n' ${firsts[$p]} | median)
    read -r rss pss _ cpu < <(ZONARIA_DEVICE=$(profile "$p") memory_and_idle "$p")
    printf '%-12s start %5.1f ms (median of %d)   resident %5.1f MB   PSS %5.1f MB   CPU in the first 5 s %s s (median of %d)   idle CPU %s s / %d s\n' \
        "$name" "$start" "$runs" "$(awk -v k="$rss" 'BEGIN {print k / 1024}')" "$(awk -v k="$pss" 'BEGIN {print k / 1024}')" \
        "$first" "$cpu_runs" "$cpu" "$idle"
done
# Each program against the hello world, round by round.
for p in "${programs[@]}"; do
    printf '%-12s against the hello world, median of the per-round ratios: start %s   CPU in the first 5 s %s\n' \
        "$(basename "$p")" "$(median_ratio "${times[$BIN/bench_hello]}" "${times[$p]}")" \
        "$(median_ratio "${firsts[$BIN/bench_hello]}" "${firsts[$p]}")"
done
