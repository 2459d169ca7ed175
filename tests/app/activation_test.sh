#!/usr/bin/env bash
# The window program on a private session bus: it takes its id, a second start hands it over to
# the running one and ends, and the desktop's Activate raises it. Run under dbus-run-session;
# ZONARIA_TEST_QPA names Qt's platform (offscreen unless it says wayland, under weston_session.sh).
#   activation_test.sh ZONARIA_PROGRAM
set -uo pipefail
program=$1
work=$(mktemp -d)
first=
cleanup() {
    [ -n "$first" ] && kill "$first" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}
# The default profile (only that one is on the bus), in a folder of the test's own.
unset ZONARIA_DEVICE
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=${ZONARIA_TEST_QPA:-offscreen} LANG=C.UTF-8 BROWSER=true

bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "$@"; }
owner() { bus org.freedesktop.DBus.GetNameOwner string:io.github.zonaria.Zonaria 2>/dev/null | sed -n 's/.*string "\(.*\)"/\1/p'; }

"$program" >"$work/first.log" 2>&1 &
first=$!
for _ in $(seq 600); do
    [ -n "$(owner)" ] && break
    kill -0 "$first" 2>/dev/null || fail "the first start ended: $(cat "$work/first.log")"
    sleep 0.1
done
holder=$(owner)
[ -n "$holder" ] || fail "the window did not take io.github.zonaria.Zonaria on the bus"

# A second start finds it, hands over and ends at once, without a window of its own.
XDG_ACTIVATION_TOKEN=token-of-the-second-start timeout 30 "$program" >"$work/second.log" 2>&1
status=$?
[ "$status" -eq 0 ] || fail "the second start ended with $status: $(cat "$work/second.log")"
kill -0 "$first" 2>/dev/null || fail "the first window went away"
[ "$(owner)" = "$holder" ] || fail "the name changed hands"

# The desktop's own call.
gdbus call --session --dest io.github.zonaria.Zonaria --object-path /io/github/zonaria/Zonaria \
    --method org.freedesktop.Application.Activate "{'activation-token': <'from-the-desktop'>}" >"$work/activate.log" 2>&1 ||
    fail "Activate: $(cat "$work/activate.log")"
kill -0 "$first" 2>/dev/null || fail "the window ended on Activate: $(cat "$work/first.log")"
echo "One window on the bus ($QT_QPA_PLATFORM); a second start and the desktop's Activate reach it."
