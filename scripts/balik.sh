#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in build-pkg/ with Debian's hardening flags and,
# with "test", proves it: lintian finds no error or warning and no missing
# hardening, a second build of the same sources in another folder, later,
# under another umask and time zone gives the same bytes, AppStream accepts
# its metadata, and the unpacked package's launcher plays in a real window
# (Xvfb) once on each SDL 1.2 runtime, with sound (SDL's disk audio driver),
# as two players with their own homes, each saving with S into their own game
# folder only.
#   usage: scripts/balik.sh [test]
# The build's own prerequisites come from scripts/grondelvik.sh.
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$koren/build-pkg"
nastroje=(dpkg-dev lintian appstream xvfb xdotool)

. "$koren/scripts/instaluj.sh"

# Builds the package of the sources in $1 in $1/build-pkg and prints its path.
# Debian's flags: fortify, stack protector, relro and bindnow; the source
# folder becomes "." in the program, so where it was built leaves no trace.
postav() {
    local zdroj="$1" flagy
    flagy() { (cd "$zdroj" && DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"); }
    cmake -S "$zdroj" -B "$zdroj/build-pkg" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DGRONDELVIK_TESTS=OFF -DGRONDELVIK_BENCH=OFF \
        -DCMAKE_CXX_FLAGS="$(flagy CPPFLAGS) $(flagy CXXFLAGS)" \
        -DCMAKE_EXE_LINKER_FLAGS="$(flagy LDFLAGS)" >/dev/null
    cmake --build "$zdroj/build-pkg" -j2 >&2
    cmake --build "$zdroj/build-pkg" --target deb >&2
    ls "$zdroj"/build-pkg/grondelvik_*.deb
}

doinstaluj "${nastroje[@]}"
rm -f "$build"/grondelvik_*.deb
deb="$(postav "$koren")"
echo "package: $deb ($(stat -c %s "$deb") bytes, sha256 $(sha256sum "$deb" | cut -c1-64))"
[ "${1:-}" = test ] || exit 0

selhal() {
    echo "package test: $*" >&2
    exit 1
}

zavislosti="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $zavislosti"
grep -q 'libsdl1.2-compat-shim | libsdl1.2debian' <<<"$zavislosti" || selhal "SDL 1.2 is not an alternative"
grep -q 'libsdl-mixer1.2' <<<"$zavislosti" || selhal "the package does not depend on SDL_mixer"
lintian --tag-display-limit 0 --fail-on error,warning "$deb" || selhal "lintian reports errors or warnings"
lintian -I --pedantic --tag-display-limit 0 "$deb" >"$build/lintian.txt" 2>&1 || true
echo "lintian -I --pedantic: $(grep -c . "$build/lintian.txt" || true) tags"
! grep -q 'hardening-no-' "$build/lintian.txt" || selhal "lintian finds the hardening missing: $(grep hardening-no- "$build/lintian.txt")"

tmp="$(mktemp -d)"
xvfb="" hra=""
uklid() {
    for p in $hra $xvfb; do kill "$p" 2>/dev/null || true; done
    rm -rf "$tmp"
}
trap uklid EXIT
znacka="$tmp/znacka"
touch "$znacka"

# The same commit built again in another folder, minutes later, under another
# umask and time zone, gives the same bytes (changes and new files not yet
# committed are carried over, so the two build the same sources).
git clone -q "$koren" "$tmp/znovu"
{
    git -C "$koren" diff --name-only --diff-filter=d -z HEAD
    git -C "$koren" ls-files --others --exclude-standard -z
} | (cd "$koren" && xargs -0 -r cp --parents -t "$tmp/znovu")
druhy="$(umask 077 && TZ=Pacific/Kiritimati postav "$tmp/znovu" 2>"$tmp/znovu.log")" ||
    selhal "the second build failed: $(tail -n 20 "$tmp/znovu.log")"
cmp "$deb" "$druhy" || selhal "a second build of the same sources gives other bytes ($druhy)"
echo "a second build in another folder, umask 077, TZ Pacific/Kiritimati: the same bytes," \
    "sha256 $(sha256sum "$druhy" | cut -c1-64)"
dpkg-deb -x "$deb" "$tmp/root"
spoustec="$tmp/root/usr/games/grondelvik"

# The licence, the AppStream metadata of the package's own version, the sounds.
grep -q '^License: GPL-3.0-or-later' "$tmp/root/usr/share/doc/grondelvik/copyright" || selhal "no GPL-3.0-or-later"
metainfo="$tmp/root/usr/share/metainfo/org.example.grondelvik.metainfo.xml"
appstreamcli validate --no-net --pedantic "$metainfo" || selhal "AppStream refuses $metainfo"
datum="$(date -u -d "$(dpkg-parsechangelog -l "$koren/packaging/changelog" -S Date)" +%F)"
grep -q "<release version=\"$(dpkg-deb -f "$deb" Version)\" date=\"$datum\"" "$metainfo" ||
    selhal "the metadata's newest release is not the changelog's version and date ($datum)"
for ovladani in keyboard pointing gamepad; do
    grep -q "<control>$ovladani</control>" "$metainfo" || selhal "the metadata does not name the $ovladani"
done
for z in mec.wav chyba.wav hrad.ogg venku.ogg pol.ogg; do
    [ -s "$tmp/root/usr/share/games/grondelvik/zvuky/$z" ] || selhal "the sound zvuky/$z is not installed"
done

# Installed data that is missing is refused before the game starts.
mv "$tmp/root/usr/share/games/grondelvik/grafika" "$tmp/grafika"
status=0
HOME="$tmp/nikdo" "$spoustec" 2>"$tmp/chyba" || status=$?
[ "$status" -eq 3 ] && grep -q "grafika is missing" "$tmp/chyba" || selhal "missing data gave status $status"
mv "$tmp/grafika" "$tmp/root/usr/share/games/grondelvik/grafika"

# The other SDL 1.2 runtime than the system's, unpacked beside the package.
if [ "$(dpkg-query -W -f='${Status}' libsdl1.2-compat-shim 2>/dev/null)" = "install ok installed" ]; then
    jiny=libsdl1.2debian
    doinstaluj libasound2 libcaca0 libpulse0 libx11-6 libxext6
else
    jiny=libsdl1.2-compat
    doinstaluj libsdl2-2.0-0
fi
(cd "$tmp" && apt-get download -q "$jiny" >/dev/null 2>&1) || selhal "cannot download $jiny"
dpkg-deb -x "$tmp/$jiny"_*.deb "$tmp/sdl"
jinySdl="$(dirname "$(find "$tmp/sdl" -name libSDL-1.2.so.0 -print -quit)")"

displej=120
while [ -e "/tmp/.X$displej-lock" ] || [ -e "/tmp/.X11-unix/X$displej" ]; do displej=$((displej + 1)); done
# -noreset: the server would otherwise reset when the first player's game
# leaves, just as the second one starts.
Xvfb ":$displej" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$displej" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
# The pointer off the window, so no key reaches it by lying under the pointer.
xdotool mousemove 1023 767

hraj() {  # player, LD_LIBRARY_PATH, the SDL library that must be loaded
    local domov="$tmp/$1" pid okno status=0
    local sav="$domov/.local/share/grondelvik/savy/grondelvik.sav"
    mkdir -p "$domov"
    env -u XDG_DATA_HOME HOME="$domov" LD_LIBRARY_PATH="$2" SDL_DISKAUDIOFILE="$tmp/$1.raw" "$spoustec" &
    pid=$!
    hra=$pid
    okno="$(timeout 20 xdotool search --sync --name '^Grondelvik$' | head -n 1)" || selhal "$1: no window"
    [ "$(readlink "/proc/$pid/exe")" = "$tmp/root/usr/lib/games/grondelvik/grondelvik" ] ||
        selhal "$1: the launcher did not start the unpacked program"
    grep -q "$3" "/proc/$pid/maps" || selhal "$1: $3 is not the SDL loaded"
    # The game takes the keyboard itself: keys go wherever the X server's
    # focus is, again until the window has it and the game has started.
    for i in $(seq 100); do
        [ -s "$sav" ] && break
        [ $((i % 5)) -eq 1 ] && xdotool key s
        sleep 0.1
    done
    [ -s "$sav" ] || selhal "$1: S saved nothing into $sav"
    xdotool key Escape
    wait "$pid" || status=$?
    hra=""
    [ "$status" -eq 0 ] || selhal "$1: the game ended with status $status"
    [ "$(find "$domov" -name '*.sav')" = "$sav" ] || selhal "$1: saves elsewhere in the home"
    # The level's tune came out of the disk audio driver (16-bit samples).
    local spicka
    spicka="$(od -An -v -td2 -w2 "$tmp/$1.raw" | awk '{ v = $1 < 0 ? -$1 : $1; if (v > m) m = v } END { print m + 0 }')"
    [ "$spicka" -gt 100 ] || selhal "$1: no sound came out (loudest sample $spicka)"
    echo "$1 saved into ~/.local/share/grondelvik/savy/ on $3, and heard its tune (loudest sample $spicka)"
}

# awk reads to the end: leaving early would cut ldconfig off (SIGPIPE).
systemovy="$(ldconfig -p | awk '/libSDL-1\.2\.so\.0 / && !n {print $NF; n = 1}')"
hraj hrac1 "" "$(readlink -f "$systemovy")"
cp "$tmp/hrac1/.local/share/grondelvik/savy/grondelvik.sav" "$tmp/prvni.sav"
hraj hrac2 "$jinySdl" "$jinySdl"
cmp -s "$tmp/prvni.sav" "$tmp/hrac1/.local/share/grondelvik/savy/grondelvik.sav" ||
    selhal "the second player changed the first one's saved game"
[ -z "$(find "$tmp/root" "$koren/data" -name '*.sav' -newer "$znacka")" ] ||
    selhal "a saved game landed in the installed tree or the source tree"
echo "package test: passed"
