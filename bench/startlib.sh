# Shared by the benchmark scripts (sourced): a private X server, and timing a window program's
# start on it.

# Starts Xvfb on a free display for the script's life, with $work a scratch folder removed at
# the end, and points Qt at it.
start_display() {
    command -v Xvfb >/dev/null || { echo "needs Xvfb (apt-get install xvfb)" >&2; exit 2; }
    display=":$((50 + RANDOM % 40))"
    Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    work=$(mktemp -d)
    trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
    sleep 1
    export DISPLAY=$display QT_QPA_PLATFORM=xcb LANG=C.UTF-8
    unset WAYLAND_DISPLAY
}

# Milliseconds from launch to "painted" (ZONARIA_REPORT_PAINT, or bench_hello's own report) for
# one start of program, or to another word it prints ("ready": ZONARIA_REPORT_READY, or
# bench_minimal_agent's own); $work is the caller's scratch folder.
start_ms() {
    local program=$1 word=${2:-painted} out=$work/out
    local t0 t1
    t0=$(date +%s%N)
    ZONARIA_REPORT_PAINT=1 ZONARIA_REPORT_READY=1 "$program" >"$out" 2>/dev/null &
    local pid=$!
    for _ in $(seq 1 5000); do
        grep -q "$word" "$out" 2>/dev/null && break
        sleep 0.002
    done
    t1=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo $(((t1 - t0) / 1000000))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
