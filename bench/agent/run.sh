#!/usr/bin/env bash
# The alarm agent beside a minimal Qt D-Bus agent (bench_minimal_agent) measured in the same run,
# on a private session bus: time from launch to ready (median of RUNS starts, taken in turns),
# proportional memory (PSS) and CPU time over the first 5 s (medians of CPU_RUNS starts, taken in
# turns: one start's CPU spreads by a third either way here), each with its ratio, and the medians
# of the per-round ratios.
#
#   bench/agent/run.sh            (RUNS=9, CPU_RUNS=9 to change)
set -euo pipefail
cd "$(dirname "$0")/../.."
BIN=${ZONARIA_BUILD_DIR:-build}/bin
runs=${RUNS:-9}
# A session bus of its own, so the desktop's is never touched; no system bus, so the profile is
# the private device's and no time service is asked.
if [ -z "${ZONARIA_BENCH_BUS:-}" ]; then
    exec env ZONARIA_BENCH_BUS=1 DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZONARIA_DEVICE=$work/device LANG=C.UTF-8
# A login session has a runtime folder of its own (the agent keeps its lock there); without one,
# Qt warns on each start and reads its logging configuration to do so, which no session does.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    mkdir -m 700 "$work/runtime"
    export XDG_RUNTIME_DIR=$work/runtime
fi
"$BIN/zonaria-cli" check >/dev/null 2>&1 || true  # installs the profile the agent serves

# shellcheck source=../startlib.sh
. bench/startlib.sh

# Proportional memory 2 s after the start, and CPU milliseconds over the first 5 s.
memory_and_cpu() {
    "$1" >/dev/null 2>&1 &
    local pid=$!
    sleep 2
    local pss
    pss=$(awk '/^Pss:/ {print $2}' "/proc/$pid/smaps_rollup")
    sleep 3
    local cpu
    cpu=$(cpu_ns "$pid" | awk '{printf "%.1f", $1 / 1e6}')
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo "$pss $cpu"
}

all=("$BIN/bench_minimal_agent" "$BIN/zonaria-alarmd")
declare -A times
for _ in $(seq 1 "$runs"); do
    for p in "${all[@]}"; do times[$p]+="$(start_ms "$p" ready) "; done
done
declare -A ready pss cpu psses cpus
for _ in $(seq 1 "${CPU_RUNS:-9}"); do
    for p in "${all[@]}"; do
        read -r m c < <(memory_and_cpu "$p")
        psses[$p]+="$m " cpus[$p]+="$c "
    done
done
for p in "${all[@]}"; do
    ready[$p]=$(printf '%s\n' ${times[$p]} | median)
    pss[$p]=$(printf '%s\n' ${psses[$p]} | median)
    cpu[$p]=$(printf '%s\n' ${cpus[$p]} | median)
done
minimal=${all[0]} agent=${all[1]}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
printf '%-24s %12s %12s %8s\n' "" "minimal" "zonaria" "ratio"
printf '%-24s %12s %12s %8s\n' "ready, ms (median)" "${ready[$minimal]}" "${ready[$agent]}" "$(ratio "${ready[$agent]}" "${ready[$minimal]}")"
printf '%-24s %12s %12s %8s\n' "PSS, kB (median)" "${pss[$minimal]}" "${pss[$agent]}" "$(ratio "${pss[$agent]}" "${pss[$minimal]}")"
printf '%-24s %12s %12s %8s\n' "CPU in 5 s, ms (median)" "${cpu[$minimal]}" "${cpu[$agent]}" "$(ratio "${cpu[$agent]}" "${cpu[$minimal]}")"
printf 'median of the per-round ratios: ready %s   PSS %s   CPU %s\n' "$(median_ratio "${times[$minimal]}" "${times[$agent]}")" \
    "$(median_ratio "${psses[$minimal]}" "${psses[$agent]}")" "$(median_ratio "${cpus[$minimal]}" "${cpus[$agent]}")"
