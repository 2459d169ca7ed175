#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when some are missing.
# Everything it and the package tools print goes to stderr.
set -euo pipefail
exec >&2

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libsqlite3-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    # tools/fuzz.sh: the clang build and its fuzz targets (libFuzzer is in the runtime package).
    clang libclang-rt-dev
    tzdata
    # The city time-zone test takes its reference offsets from Python's zoneinfo
    # (tests/data/tzreference.py, run with /usr/bin/python3).
    python3
    # Exact geodesic distances (Karney's method) in the core library; GeodSolve writes the
    # distance tests' reference (tools/geodesic_ref.sh) and checks the CLI's distance.
    libgeographiclib-dev geographiclib-tools
    # The help opens in the desktop's browser through xdg-open.
    xdg-utils
    # dbus-run-session: the alarm agent's tests run on a private session bus. (Qt's D-Bus
    # module comes with qt6-base-dev.)
    dbus
    # The tests of the computer as the device play systemd's time service with python3-dbusmock's
    # timedated template (run by Debian's /usr/bin/python3) on a bus of their own.
    python3-dbusmock
    # gdbus: the window program's activation test calls it on the bus as the desktop does.
    libglib2.0-bin
    # The window on Wayland: its activation test runs it in a headless weston through Qt's
    # wayland platform plug-in.
    weston qt6-wayland
    # What chronyd needs to run (the SNTP tests' server; see the end of this script).
    libcap2 libgnutls30 libnettle8 libseccomp2
    # The Debian package: cpack finds the programs among its files with file(1); the packaging
    # tests check the package, the desktop entries and the AppStream metainfo with the others
    # (about 6 MB to download, lintian with its Perl modules nearly all of it).
    file lintian desktop-file-utils appstream
    # The translations: lupdate and lrelease with their CMake package (Qt6LinguistTools), and
    # Qt's own translations of its standard buttons and menus.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    # The language tests run the programs under de_DE, fr_FR, es_ES, ja_JP and ar_EG.
    locales-all
)

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
# The time-zone table was checked against the tz database of 2026 (data/zones.md): older data
# gives last year's rules for zones that have changed since.
tz_version=$(dpkg-query -W -f='${Version}' tzdata 2>/dev/null || true)
if [ -n "$tz_version" ] && dpkg --compare-versions "$tz_version" lt 2026a; then
    missing+=(tzdata)
fi
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive

# The SNTP tests serve time on loopback with Debian's chronyd, run as `chronyd -x` (it never
# touches the clock). The chrony package itself is not installed: its postinst starts the
# daemon with the stock configuration, which steers the host clock from the Internet pool
# (through invoke-rc.d without systemd, where a failed start fails the install as well; through
# systemd otherwise, enabled at every boot), and the package replaces systemd-timesyncd. Only
# the program is unpacked from the package into the user's cache; an installed chronyd is used
# as it is.
unpack_chronyd() {
    local cache="${XDG_CACHE_HOME:-$HOME/.cache}/zonaria/chrony"
    if command -v chronyd >/dev/null 2>&1 || [ -x /usr/sbin/chronyd ] || [ -x "$cache/usr/sbin/chronyd" ]; then
        return 0
    fi
    apt-cache show chrony >/dev/null 2>&1 || $SUDO apt-get update
    local tmp
    tmp=$(mktemp -d)
    # apt's download sandbox user cannot write into a private folder; the download is verified
    # against the signed package lists either way.
    (cd "$tmp" && apt-get -o APT::Sandbox::User="$(id -un)" download chrony)
    mkdir -p "$cache"
    dpkg-deb -x "$tmp"/chrony_*.deb "$cache"
    rm -rf "$tmp"
    echo "Unpacked chronyd into $cache/usr/sbin"
}

# Without chronyd the SNTP server tests skip; nothing else needs it, so a failed download is
# only a warning.
chronyd_or_warn() {
    unpack_chronyd || echo "Warning: chronyd could not be unpacked; the tests against an NTP server will skip."
}

if [ ${#missing[@]} -eq 0 ]; then
    chronyd_or_warn
    exit 0
fi

# A package the package lists do not know yet, or only in an old version, needs a fresh list.
refresh=0
for p in "${missing[@]}"; do
    apt-cache show "$p" >/dev/null 2>&1 || refresh=1
done
if [ -n "$tz_version" ]; then
    candidate=$(apt-cache policy tzdata 2>/dev/null | awk '/Candidate:/ {print $2}')
    if [ -z "$candidate" ] || dpkg --compare-versions "$candidate" lt 2026a; then refresh=1; fi
fi
[ $refresh -eq 1 ] && $SUDO apt-get update
echo "Installing: ${missing[*]}"
$SUDO apt-get install -y "${missing[@]}"
chronyd_or_warn
