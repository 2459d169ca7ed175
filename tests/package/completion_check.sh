#!/usr/bin/env bash
# Completes command lines with the installed bash completion of zonaria-cli (which must be on
# the path, with a profile) and checks what it offers, as bash would call it on TAB.
#   completion_check.sh COMPLETION_FILE
set -uo pipefail
# shellcheck source=/dev/null
source "$1"
failures=0

# The words of the line; the last is the one being completed (may be empty).
complete_words() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="${COMP_WORDS[*]}"
    COMP_POINT=${#COMP_LINE}
    local prev=
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    local word=${COMP_WORDS[COMP_CWORD]}
    # Readline hands over the word without an opening quote.
    word=${word#[\'\"]}
    COMPREPLY=()
    _zonaria_cli zonaria-cli "$word" "$prev"
    printf '%s\n' "${COMPREPLY[@]}"
}

# offers LINE... -- EXPECTED...: each expected completion is among those offered.
offers() {
    local words=()
    while [ "$1" != -- ]; do words+=("$1"); shift; done
    shift
    local got
    got=$(complete_words "${words[@]}")
    for want in "$@"; do
        if ! grep -qxF -- "$want" <<<"$got"; then
            echo "FAIL: completing [${words[*]}] offers no \"$want\"; got: $(tr '\n' ' ' <<<"$got" | head -c 300)"
            failures=$((failures + 1))
        fi
    done
}
# offers_nothing LINE...
offers_nothing() {
    local got
    got=$(complete_words "$@")
    if [ -n "$got" ]; then
        echo "FAIL: completing [$*] offers $(tr '\n' ' ' <<<"$got" | head -c 300)"
        failures=$((failures + 1))
    fi
}

offers zonaria-cli s -- sun set-city select sync
offers zonaria-cli "" -- clock city find codes time convert distance sun moon set-city select check sync meet help
offers zonaria-cli --v -- --version
offers zonaria-cli help con -- convert
offers zonaria-cli sun London --tw -- --twilight
offers zonaria-cli sun London --twilight c -- civil
offers zonaria-cli distance Tokyo London --units "" -- english metric nautical
offers zonaria-cli distance Tokyo London --mode 1 -- 1 10 11
offers zonaria-cli distance --modes --un -- --units
offers zonaria-cli sync --d -- --dry-run
offers zonaria-cli codes "" -- phone airport
offers zonaria-cli select "" -- 0 1 2 3 4
offers zonaria-cli set-city 2 Sydn -- Sydney
offers zonaria-cli city Tok -- Tokyo
offers zonaria-cli meet --date 2027-03-29 London Tok -- Tokyo
offers zonaria-cli meet --h -- --hours
offers zonaria-cli time Sao -- 'S'$'\xc3\xa3''o\ Paulo'
offers zonaria-cli city 'San\ Fr' -- 'San\ Francisco\,\ CA'
offers zonaria-cli city "'San Fr" -- 'San Francisco, CA'
offers zonaria-cli convert --from Lond -- London
offers zonaria-cli convert --from Tokyo --local "'2026-03-08 19:00'" Syd -- Sydney
offers_nothing zonaria-cli time Tokyo --at ""
offers_nothing zonaria-cli sun --lat ""
offers_nothing zonaria-cli city Xqzq

[ "$failures" -eq 0 ]
