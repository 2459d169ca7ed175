#!/usr/bin/env bash
# Takes the screenshot that the AppStream metainfo shows (data/screenshots/main.png): the built
# zonaria on a fresh profile (the five default cities, at the time of the run), on a private X
# server, grabbed once it has painted. Run by hand after the main window changes, and commit
# the image:
#   tools/screenshot.sh [OUTPUT.png]
# Needs Xvfb, xdotool and ImageMagick's import (Debian: xvfb xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-data/screenshots/main.png}
program=${ZONARIA_BUILD_DIR:-build}/bin/zonaria
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot: needs $tool (apt-get install xvfb xdotool imagemagick)" >&2; exit 2; }
done
[ -x "$program" ] || { echo "screenshot: build first ($program is missing)" >&2; exit 2; }

work=$(mktemp -d)
display=":$((50 + RANDOM % 40))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
sleep 1

# The first start's welcome page would open a browser; nothing is to open here.
export DISPLAY=$display QT_QPA_PLATFORM=xcb ZONARIA_DEVICE=$work/device LANG=C.UTF-8 BROWSER=true
unset WAYLAND_DISPLAY
ZONARIA_REPORT_PAINT=1 "$program" >"$work/out" 2>"$work/err" &
pid=$!
for _ in $(seq 300); do
    grep -q painted "$work/out" 2>/dev/null && break
    kill -0 "$pid" 2>/dev/null || { cat "$work/err" >&2; exit 1; }
    sleep 0.1
done
grep -q painted "$work/out" || { echo "screenshot: zonaria did not paint within 30 s" >&2; exit 1; }
# The map is composed on the first tick after the frame; the start-up timer's checks come at 3 s.
sleep 1
window=$(xdotool search --pid "$pid" --name '^Zonaria$' | head -1)
[ -n "$window" ] || { echo "screenshot: no Zonaria window found" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "Wrote $out ($(identify -format '%wx%h' "$out")), taken at $(date -u '+%Y-%m-%d %H:%M UTC')"
