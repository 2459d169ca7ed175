#!/usr/bin/env bash
# Builds the Debian package from the build (cpack, into a temporary folder) and checks its
# control fields and contents, then lintian's verdict: no errors (warnings are shown).
# Exit status 77 (skipped) when lintian is missing and everything else holds.
#   deb_test.sh BUILD_DIR VERSION PKGLIBDIR METAINFO
set -uo pipefail
build=$(cd "$1" && pwd)
version=$2
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (Debian's dpkg-dev); no package built"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$work/zonaria_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work"; echo "FAIL: no $(basename "$deb")"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zonaria ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
for key in Maintainer Description Section Priority Homepage; do
    [ -n "$(field "$key")" ] || fail "no $key field"
done
# Dependencies: the libraries dpkg-shlibdeps found in the programs, and the two named ones.
depends=$(field Depends)
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6dbus6 tzdata xdg-utils; do
    [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
# The system's SQLite exactly when a program or library of the package loads it (a build with
# SQLite of its own links it in).
dpkg-deb -x "$deb" "$work/root"
loads_sqlite=no
while IFS= read -r -d '' elf; do
    readelf -d "$elf" 2>/dev/null | grep -q 'NEEDED.*\[libsqlite3\.so' && loads_sqlite=yes
done < <(find "$work/root" -type f \( -perm -u+x -o -name '*.so*' \) -print0)
if [ "$loads_sqlite" = yes ]; then
    [[ ", $depends," == *", libsqlite3-0"[\ ,]* ]] || fail "Depends lacks libsqlite3-0: $depends"
else
    [[ ", $depends," != *", libsqlite3-0"[\ ,]* ]] || fail "Depends names libsqlite3-0, which nothing loads: $depends"
fi
# The windows' endpoints are plain local sockets: no program needs Qt Network.
[[ ", $depends," != *", libqt6network6"[\ ,]* ]] || fail "Depends names libqt6network6: $depends"
# What the programs use when it is there.
recommends=$(field Recommends)
for rec in qt6-wayland sound-theme-freedesktop "pipewire-bin | pulseaudio-utils | alsa-utils"; do
    [[ ", $recommends," == *", $rec,"* ]] || fail "Recommends lacks $rec: $recommends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/zonaria ./usr/bin/zonaria-cli ./usr/bin/zonaria-today ./usr/$3/libzatoday.so \
    ./usr/share/zonaria/help/Zonaria.htm ./usr/share/applications/io.github.zonaria.Zonaria.desktop \
    ./usr/share/doc/zonaria/copyright \
    ./usr/bin/zonaria-alarmd ./usr/share/zonaria/sounds/zonaria-alarm.wav \
    ./usr/share/dbus-1/services/net.corvantel.Zonaria.AlarmAgent.service \
    ./usr/share/dbus-1/services/io.github.zonaria.Zonaria.service; do
    grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done
grep -q '^\./usr/local' <<<"$contents" && fail "the package installs into /usr/local"
grep -q 'setup$' <<<"$contents" && fail "the package holds the handheld's setup program"
# Nothing starts with every account's session: each user's own autostart entries are written by
# the programs.
grep -q '^\./etc/xdg/autostart/' <<<"$contents" && fail "the package starts a program for every account: $(grep '^\./etc/' <<<"$contents")"
# The metainfo's launchable names the installed menu entry.
grep -qxF "./usr/share/applications/$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$4")" <<<"$contents" ||
    fail "the metainfo's launchable is not the installed desktop file"

if [ "$failures" -ne 0 ]; then exit 1; fi
if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is missing; the package was built and its fields and files hold, but lintian did not check it"
    exit 77
fi
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
errors=$(grep -c '^E: ' "$work/lintian.log")
echo "lintian: $errors errors, $(grep -c '^W: ' "$work/lintian.log") warnings, $(grep -c '^I: ' "$work/lintian.log") notes"
[ "$errors" -eq 0 ] || exit 1
echo "$(basename "$deb") builds, holds the installation and passes lintian."
