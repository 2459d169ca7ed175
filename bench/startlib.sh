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

# Milliseconds (to a tenth) from launch to "painted" (ZONARIA_REPORT_PAINT, or bench_hello's own
# report) for one start of program, or to another word it prints ("ready": ZONARIA_REPORT_READY,
# or bench_minimal_agent's own); $work is the caller's scratch folder. The program writes into a
# pipe that is read as the lines come, and the clock is the shell's own: polling its output
# with a program per look slowed every start by 20 to 100 ms (those programs ran beside the one
# starting) and hid much of the difference between two.
start_ms() {
    local program=$1 word=${2:-painted} pipe=$work/start.pipe
    local t0 t1 line pid seen=0
    rm -f "$pipe"
    mkfifo "$pipe"
    t0=$EPOCHREALTIME
    ZONARIA_REPORT_PAINT=1 ZONARIA_REPORT_READY=1 "$program" >"$pipe" 2>/dev/null &
    pid=$!
    while IFS= read -r line; do
        if [[ $line == *"$word"* ]]; then seen=1; break; fi
    done <"$pipe"
    t1=$EPOCHREALTIME
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    rm -f "$pipe"
    [ $seen = 1 ] || echo "$program ended without printing \"$word\"" >&2
    # The shell writes the seconds with the locale's decimal mark.
    awk -v a="${t0/,/.}" -v b="${t1/,/.}" 'BEGIN {printf "%.1f\n", (b - a) * 1000}'
}

# Nanoseconds on a CPU so far, all threads of process pid, those that ended too: the process's
# CPU clock (clock_getcpuclockid's encoding), where the threads' own counters in /proc go with
# each thread that ends.
cpu_ns() { python3 -c 'import sys, time; pid = int(sys.argv[1]); print(time.clock_gettime_ns((~pid << 3) | 2))' "$1" 2>/dev/null || echo 0; }

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# The median of the per-round ratios of two lists taken in turns (the second's figure over the
# first's, round by round): a change in the machine's load between rounds weighs on both figures
# of a round alike, where the ratio of the two medians may pair a quiet round with a busy one.
median_ratio() {
    local -a a=($1) b=($2)
    local i
    for i in "${!a[@]}"; do
        awk -v x="${a[$i]}" -v y="${b[$i]:-0}" 'BEGIN {if (x > 0) printf "%.3f\n", y / x}'
    done | median
}
