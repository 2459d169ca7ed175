#!/usr/bin/env bash
# Writes alarmd/start-functions.txt: the alarm agent's own functions that run from its launch to
# two seconds after "ready", as callgrind saw them in two starts on a private session bus. The
# agent's link places them together (alarmd/CMakeLists.txt), so that its start touches a few runs
# of code rather than faulting in nearly all of it, 64 kB or more around each first touch.
# Run it again after large changes to the agent's start (the build tree must be current):
#
#   bench/agent/startorder.sh        (needs valgrind)
set -euo pipefail
cd "$(dirname "$0")/../.."
BIN=${ZONARIA_BUILD_DIR:-build}/bin
command -v valgrind >/dev/null || { echo "needs valgrind (apt-get install valgrind)" >&2; exit 2; }
if [ -z "${ZONARIA_BENCH_BUS:-}" ]; then
    exec env ZONARIA_BENCH_BUS=1 DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZONARIA_DEVICE=$work/device LANG=C.UTF-8
"$BIN/zonaria-cli" check >/dev/null 2>&1 || true

agent=$(realpath "$BIN/zonaria-alarmd")
# Two starts: the first on the profile as installed, the second on one an agent has used.
for run in 1 2; do
    rm -f "$work/out"
    ZONARIA_REPORT_READY=1 valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/cg.$run" \
        "$agent" >"$work/out" 2>"$work/err" &
    pid=$!
    for _ in $(seq 1 600); do
        grep -q ready "$work/out" 2>/dev/null && break
        sleep 0.1
    done
    grep -q ready "$work/out" || { echo "the agent did not report ready:" >&2; cat "$work/err" >&2; exit 1; }
    sleep 2
    kill -TERM "$pid"
    wait "$pid" || true
done

# callgrind names each function once as "fn=(id) name" and by its id after; keep the agent's
# own, without recursion marks ('2) or unnamed addresses.
python3 - "$agent" "$work/cg.1" "$work/cg.2" >alarmd/start-functions.txt <<'EOF'
import re, sys

def functions_of(path, agent):
    objects, functions, current = {}, {}, None
    for line in open(path, encoding="utf-8", errors="replace"):
        m = re.match(r"^(c?ob)=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
        if m:
            kind, key, name = m.groups()
            if name:
                objects[key] = name
            if kind == "ob":
                current = objects[key]
            continue
        m = re.match(r"^(c?fn)=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
        if m:
            kind, key, name = m.groups()
            if name:
                functions[key] = name
            if kind == "fn" and current == agent:
                yield re.sub(r"'\d+$", "", functions[key])

agent = sys.argv[1]
seen = {name for path in sys.argv[2:] for name in functions_of(path, agent)}
print("# The alarm agent's functions that run at its start (bench/agent/startorder.sh wrote this).")
done = set()
# In name order: the functions lie together whatever their order, and the list changes as little
# as the code does.
for name in sorted(seen):
    # A complete constructor or destructor is often an alias of the base one, whose section
    # holds the code.
    for variant in (name, name.replace("C1E", "C2E").replace("D1Ev", "D2Ev")):
        if variant in done or not re.fullmatch(r"[A-Za-z_.$][A-Za-z0-9_.$]*", variant):
            continue
        done.add(variant)
        print(variant)
EOF
echo "alarmd/start-functions.txt: $(grep -vc '^#' alarmd/start-functions.txt) functions"
