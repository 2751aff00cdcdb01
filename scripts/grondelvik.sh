#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a fresh Debian machine, builds, and either starts the game or runs
# every test, or builds the Debian package, or runs a long fuzzing campaign.
#   usage: scripts/grondelvik.sh run|test|balik|web|fuzz SECONDS
# GRONDELVIK_SDL=compat (the default) builds on Debian's SDL 1.2
# compatibility library over SDL2, =classic on the classic SDL 1.2.15; the two
# development packages exclude each other, so installing one replaces the other.
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$koren"
. "$koren/scripts/instaluj.sh"

odeber=()
case "${GRONDELVIK_SDL:-compat}" in
    compat) sdl=libsdl1.2-compat-dev ;;
    # Going back to the classic library needs the compatibility packages
    # named for removal; apt does not swap in that direction by itself.
    classic) sdl=libsdl1.2-dev; odeber=(libsdl1.2debian libsdl1.2-compat-dev- libsdl1.2-compat- libsdl1.2-compat-shim-) ;;
    *) echo "GRONDELVIK_SDL must be compat or classic" >&2; exit 2 ;;
esac
balicky=(build-essential cmake pkg-config "$sdl" libgtest-dev libgmock-dev libbenchmark-dev
         clang libclang-rt-14-dev)
# Sound: SDL_mixer 1.2 plays it, libvorbis encodes the tunes the build synthesises.
balicky+=(libsdl-mixer1.2-dev libvorbis-dev)
# The window's place on an X screen without a window manager.
balicky+=(libx11-dev)
# The test command's own checks: a real X window, screenshots, memcheck.
[ "${1:-run}" = test ] && balicky+=(xvfb xdotool imagemagick x11-utils python3 valgrind time)


sestav() {  # build-dir, extra cmake args...
    local dir="$1"; shift
    cmake -S "$koren" -B "$koren/$dir" "$@" >/dev/null
    cmake --build "$koren/$dir" -j"$(nproc)"
}

case "${1:-run}" in
    run)
        doinstaluj "${balicky[@]}" -- "${odeber[@]}"
        sestav build -DGRONDELVIK_TESTS=OFF -DGRONDELVIK_BENCH=OFF
        mkdir -p "$koren/data/savy"
        cd "$koren/data"
        exec "$koren/build/grondelvik"
        ;;
    test)
        doinstaluj "${balicky[@]}" -- "${odeber[@]}"
        export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
        sestav build
        (cd "$koren/build" && ctest -j"$(nproc)" --output-on-failure)
        # The real program in a real X window, and a long replayed session
        # under valgrind.
        "$koren/scripts/e2e.sh" "$koren/build/grondelvik"
        "$koren/scripts/valgrind.sh" "$koren/build"
        # The same game as a web page, played in Debian's headless chromium.
        GRONDELVIK_NATIVNI="$koren/build" "$koren/scripts/web.sh" build
        "$koren/scripts/e2e-web.sh" "$koren/build-web/www"
        # The same tests once more under AddressSanitizer and UBSan.
        sestav build-asan -DGRONDELVIK_SANITIZE=ON -DGRONDELVIK_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        export LSAN_OPTIONS="suppressions=$koren/scripts/lsan.supp:print_suppressions=0"
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        (cd "$koren/build-asan" && ctest -j"$(nproc)" --output-on-failure)
        # The readers of outside files, the saved game and the map, under
        # libFuzzer from the committed corpus: the fast targets 45 s each, the
        # deep ones 20 s; a crash, leak or sanitizer report fails.
        "$koren/scripts/fuzz.sh" test
        # The Debian package, unpacked and played in a real window.
        "$koren/scripts/balik.sh" test
        # The tests stay within a third of the code they test.
        "$koren/scripts/pomer.sh"
        ;;
    balik)
        doinstaluj "${balicky[@]}" -- "${odeber[@]}"
        exec "$koren/scripts/balik.sh"
        ;;
    web)
        # The web page, built and served on 127.0.0.1 (scripts/web.sh).
        exec "$koren/scripts/web.sh" serve
        ;;
    fuzz)
        doinstaluj "${balicky[@]}" -- "${odeber[@]}"
        exec "$koren/scripts/fuzz.sh" kampan "${2:-}"
        ;;
    *)
        echo "usage: $0 run|test|balik|web|fuzz SECONDS" >&2
        exit 2
        ;;
esac
