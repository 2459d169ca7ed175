#!/usr/bin/env bash
# Installs the build as the package lays it out (prefix /usr, into a temporary DESTDIR) and runs
# the installed programs there on a fresh profile: nothing may come from the build tree.
#   install_test.sh BUILD_DIR PKGLIBDIR VERSION
set -uo pipefail
build=$(cd "$1" && pwd)
pkglibdir=$2
version=$3
here=$(cd "$(dirname "$0")" && pwd)

work=$(cd "$(mktemp -d)" && pwd -P)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

root=$work/root
if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
bin=$root/usr/bin
lib=$root/usr/$pkglibdir

# --- What lies where ---
expect_only() {
    local dir=$1
    shift
    local found
    found=$(cd "$dir" 2>/dev/null && ls | tr '\n' ' ')
    [ "$found" = "$* " ] || fail "$dir holds \"$found\", expected \"$* \""
}
expect_only "$bin" zonaria zonaria-alarmd zonaria-cli zonaria-cli-full zonaria-today
expect_only "$lib" libzalib.so libzaplatform.so libzatoday.so
for file in usr/share/zonaria/help/Zonaria.htm \
    usr/share/zonaria/help/{de,fr,es,ja}/Zonaria.htm \
    usr/share/zonaria/translations/zonaria_{de,fr,es,ja}.qm \
    usr/share/applications/io.github.zonaria.Zonaria.desktop \
    usr/share/metainfo/io.github.zonaria.Zonaria.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/zonaria.svg \
    usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/zonaria.png \
    usr/share/man/man1/{zonaria,zonaria-cli,zonaria-cli-full,zonaria-today}.1.gz \
    usr/share/bash-completion/completions/zonaria-cli \
    usr/share/doc/zonaria/copyright usr/share/doc/zonaria/changelog.gz; do
    [ -s "$root/$file" ] || fail "missing: /$file"
done
gzip -t "$root"/usr/share/man/man1/*.gz "$root/usr/share/doc/zonaria/changelog.gz" || fail "a compressed file is damaged"
zcat "$root/usr/share/man/man1/zonaria-cli.1.gz" | grep -q '^\.B zonaria-cli sun NAME \[\\-\\-date' ||
    fail "the manual page of zonaria-cli lacks the sun command's synopsis"

# --- Each program and library finds its libraries in the installation, never in the build ---
for elf in "$bin"/* "$lib"/*; do
    runpath=$(readelf -d "$elf" | grep -E 'RUNPATH|RPATH')
    case $runpath in
        *"$build"*) fail "$elf keeps a search path into the build tree: $runpath" ;;
    esac
    deps=$(ldd "$elf")
    echo "$deps" | grep -q 'not found' && fail "$elf: a library is not found: $(echo "$deps" | grep 'not found')"
    echo "$deps" | grep -qF "$build" && fail "$elf loads from the build tree: $(echo "$deps" | grep -F "$build")"
    for own in libzalib.so libzaplatform.so; do
        path=$(echo "$deps" | awk -v own="$own" '$1 == own {print $3}')
        [ -z "$path" ] || [ "$(readlink -f "$path")" = "$lib/$own" ] || fail "$elf takes $own from $path"
    done
done

# --- Built hardened: position-independent, relocations read-only and bound at start, checked calls ---
for elf in "$bin"/*; do
    readelf -h "$elf" | grep -q 'Type: *DYN' || fail "$elf is not position-independent"
done
for elf in "$bin"/* "$lib"/*; do
    readelf -l "$elf" | grep -q GNU_RELRO || fail "$elf has no read-only relocations (-z relro)"
    readelf -d "$elf" | grep -qE 'BIND_NOW|FLAGS_1.*NOW' || fail "$elf binds late (no -z now)"
done
# Read whole before grep: grep -q stops reading at its match, and under pipefail the writer's
# SIGPIPE would fail the check on a large symbol table.
syms=$(readelf --dyn-syms -W "$bin/zonaria")
grep -q '__stack_chk_fail' <<<"$syms" || fail "zonaria has no stack protector"
grep -qE '__[a-z]*printf_chk' <<<"$syms" || fail "zonaria is built without _FORTIFY_SOURCE"

# --- The programs, on a fresh profile ---
export ZONARIA_DEVICE=$work/device QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
# The first start's welcome page would open a browser.
export BROWSER=true
unset ZONARIA_HELP_DIR LD_LIBRARY_PATH

[ "$("$bin/zonaria-cli" --version)" = "zonaria-cli $version" ] || fail "zonaria-cli --version"
[ "$("$bin/zonaria" --version)" = "Zonaria $version" ] || fail "zonaria --version"
# The window program's command line needs no display: usage, and a mistake refused.
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= "$bin/zonaria" --help >"$work/help.out" 2>&1 ||
    fail "zonaria --help ends with $?: $(cat "$work/help.out")"
grep -q '^Usage: zonaria' "$work/help.out" || fail "zonaria --help prints no usage: $(cat "$work/help.out")"
DISPLAY= WAYLAND_DISPLAY= QT_QPA_PLATFORM= "$bin/zonaria" --frobnicate >"$work/bad.out" 2>&1
[ $? -eq 2 ] || fail "zonaria takes an unknown option: $(cat "$work/bad.out")"
grep -q "unknown option '--frobnicate'" "$work/bad.out" || fail "zonaria --frobnicate says: $(cat "$work/bad.out")"
# The Today panel and the alarm agent, started for a user who never opened Zonaria, make no
# profile and leave quietly.
for program in zonaria-today zonaria-alarmd; do
    ZONARIA_DEVICE=$work/never "$bin/$program" >"$work/never.out" 2>&1 || fail "$program without a profile ends with $?"
    [ ! -e "$work/never" ] || fail "$program made a profile for a user who never started Zonaria"
done
[ -e "$ZONARIA_DEVICE" ] && fail "the profile exists before any program made it"

clock=$("$bin/zonaria-cli" 2>&1)
[ "$(echo "$clock" | grep -cE '^[* ] [0-4]  .+ [0-9]{2}:[0-9]{2}$')" -eq 5 ] || fail "zonaria-cli prints no clock of five cities: $clock"
[ "$(echo "$clock" | grep -c '^\* ')" -eq 1 ] || fail "the clock marks no selected city: $clock"
# The next clock is zonaria-cli's own, without Qt: a copy alone in a folder answers it as
# zonaria-cli-full does (twice at most, should a minute end between them).
mkdir "$work/alone" && cp "$bin/zonaria-cli" "$work/alone/"
for _ in 1 2; do
    full=$("$bin/zonaria-cli-full" 2>&1)
    quick=$("$work/alone/zonaria-cli" 2>&1) || true
    [ "$quick" = "$full" ] && break
done
[ "$quick" = "$full" ] || fail "zonaria-cli's own clock: $quick; zonaria-cli-full's: $full"

check=$("$bin/zonaria-cli" check)
echo "$check" | grep -qx 'Result:         ok' || fail "zonaria-cli check: $check"
cities=$(echo "$check" | sed -n 's/^Cities: *//p')
[ "${cities:-0}" -gt 2000 ] || fail "the installed city list has ${cities:-no} cities"
help=$(readlink -f "$root/usr/share/zonaria/help/Zonaria.htm")
echo "$check" | grep -qxF "Help file:      $help" || fail "the installed program does not find its help file: $check"
# The translations are found in the installed tree.
german=$(LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$bin/zonaria-cli" --help)
echo "$german" | grep -qx 'Befehle:' || fail "the installed zonaria-cli does not speak German: $german"

# Starts a window program and waits until it paints; its process id in $painted.
painted=
start_until_painted() {
    local name=$1 out=$work/$1.out
    ZONARIA_REPORT_PAINT=1 "$bin/$name" >"$out" 2>"$work/$name.err" &
    painted=$!
    pids+=("$painted")
    for _ in $(seq 600); do
        grep -q painted "$out" && return 0
        kill -0 "$painted" 2>/dev/null || break
        sleep 0.1
    done
    fail "$name did not paint within 60 s: $(cat "$work/$name.err")"
    return 1
}
start_until_painted zonaria
if start_until_painted zonaria-today; then
    grep -qF "$lib/libzatoday.so" "/proc/$painted/maps" ||
        fail "zonaria-today did not load the installed plug-in $lib/libzatoday.so"
fi

# --- Bash completion, with the installed zonaria-cli on the path ---
PATH=$bin:$PATH bash "$here/completion_check.sh" "$root/usr/share/bash-completion/completions/zonaria-cli" ||
    fail "bash completion"

[ "$failures" -eq 0 ] || exit 1
echo "The installation in $root works without the build tree."
