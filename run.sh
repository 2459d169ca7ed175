#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zonaria. With arguments, or without a display,
# it runs the command-line companion instead (zonaria-cli clock when nothing is asked).
# The install and build steps write to stderr: stdout carries only the program's output, so
# `./run.sh clock --json > out.json` gives JSON.
set -euo pipefail
cd "$(dirname "$0")"
tools/deps.sh >&2
tools/build.sh >&2
BIN="${ZONARIA_BUILD_DIR:-build}/bin"
if [ "$#" -gt 0 ]; then
    exec "$BIN/zonaria-cli" "$@"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display is available (neither DISPLAY nor WAYLAND_DISPLAY is set); showing zonaria-cli clock." >&2
    echo "To open the window, run ./run.sh in a desktop session; zonaria-cli --help lists the commands." >&2
    exec "$BIN/zonaria-cli" clock
fi
# The alarm agent beside the window, and the Today screen for a user who turned it on in the
# Preferences (which wrote its autostart entry), as a session would start them; a second one of
# either ends by itself, so they are simply started.
helpers=(zonaria-alarmd)
[ -f "${XDG_CONFIG_HOME:-$HOME/.config}/autostart/zonaria-today.desktop" ] && helpers+=(zonaria-today)
for helper in "${helpers[@]}"; do
    if [ -x "$BIN/$helper" ]; then
        setsid "$BIN/$helper" >/dev/null 2>&1 < /dev/null &
    fi
done
exec "$BIN/zonaria"
