#!/usr/bin/env bash
# Checks the help file app/res/help/Zonaria.htm: every topic the application opens has exactly
# one anchor, every link inside the page has its target, ids are unique, and the page stays
# self-contained (no scripts, no external resources). Run by hand after editing the help:
#   tools/check-help.sh [FILE]
# Exit status 0 when all holds, 1 otherwise (each fault on one line of stderr).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
file=${1:-$root/app/res/help/Zonaria.htm}
[ -r "$file" ] || { echo "check-help: cannot read $file" >&2; exit 1; }

# The topics the application opens (each is "Zonaria.htm#" followed by the name).
TOPICS=(welcome Main_Contents alarms set_time citylist_edit city_edit airport_codes phone_codes
        preferences distance_calc time_calc meeting_planner sunrise moonrise)

faults=0
fault() { echo "check-help: $*" >&2; faults=$((faults + 1)); }

ids=$(grep -o ' id="[^"]*"' "$file" | sed 's/^ id="//; s/"$//' | sort)
for topic in "${TOPICS[@]}"; do
    count=$(grep -cx -- "$topic" <<<"$ids" || true)
    [ "$count" -eq 1 ] || fault "topic \"$topic\" has $count anchors (needs exactly 1)"
done
for dup in $(uniq -d <<<"$ids"); do
    fault "id \"$dup\" is used more than once"
done

for target in $(grep -o 'href="#[^"]*"' "$file" | sed 's/^href="#//; s/"$//' | sort -u); do
    grep -qx -- "$target" <<<"$ids" || fault "link to #$target has no target"
done

# Self-contained: opened from disk by any browser, with nothing to fetch or run.
grep -qi '<script' "$file" && fault "holds a script"
grep -qiE '<(link|img|iframe|object|embed|video|audio)[ >]' "$file" && fault "loads an external resource"
grep -qiE '@import|url\(' "$file" && fault "its style loads an external resource"
for link in $(grep -oE 'href="[^"#][^"]*"' "$file" || true); do
    fault "link leaves the page: $link"
done

if [ "$faults" -ne 0 ]; then
    echo "check-help: $faults fault(s) in $file" >&2
    exit 1
fi
echo "check-help: ${#TOPICS[@]} topics, $(wc -l <<<"$ids") ids, all links resolved, self-contained"
