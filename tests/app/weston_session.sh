#!/usr/bin/env bash
# Runs a command as a client of a headless Wayland compositor (weston) of its own, with a
# private runtime folder: the desktop's own compositor is never reached.
#   weston_session.sh COMMAND [ARGS...]
set -uo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
unset DISPLAY
weston --backend=headless-backend.so --socket=zonaria-test --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/zonaria-test" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { echo "FAIL: weston did not start: $(cat "$runtime/weston.log")"; exit 1; }
    sleep 0.1
done
[ -S "$runtime/zonaria-test" ] || { echo "FAIL: weston made no socket"; exit 1; }
WAYLAND_DISPLAY=zonaria-test ZONARIA_TEST_QPA=wayland "$@"
