#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds, and either starts the game or runs
# every test.   usage: scripts/grondelvik.sh run|test
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$koren"

balicky=(build-essential cmake pkg-config libsdl1.2-dev libgtest-dev libgmock-dev libbenchmark-dev)

doinstaluj() {
    local chybi=()
    for b in "${balicky[@]}"; do
        dpkg-query -W -f='${Status}' "$b" 2>/dev/null | grep -q "install ok installed" || chybi+=("$b")
    done
    [ ${#chybi[@]} -eq 0 ] && return 0
    echo "Installing: ${chybi[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${chybi[@]}"
}

sestav() {  # build-dir, extra cmake args...
    local dir="$1"; shift
    cmake -S "$koren" -B "$koren/$dir" "$@" >/dev/null
    cmake --build "$koren/$dir" -j"$(nproc)"
}

case "${1:-run}" in
    run)
        doinstaluj
        sestav build -DGRONDELVIK_TESTS=OFF -DGRONDELVIK_BENCH=OFF
        mkdir -p "$koren/data/savy"
        cd "$koren/data"
        exec "$koren/build/grondelvik"
        ;;
    test)
        doinstaluj
        export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
        sestav build
        (cd "$koren/build" && ctest -j"$(nproc)" --output-on-failure)
        # The same tests once more under AddressSanitizer and UBSan.
        sestav build-asan -DGRONDELVIK_SANITIZE=ON -DGRONDELVIK_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
        export LSAN_OPTIONS="suppressions=$koren/scripts/lsan.supp:print_suppressions=0"
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        (cd "$koren/build-asan" && ctest -j"$(nproc)" --output-on-failure)
        # The tests stay within a third of the code they test.
        "$koren/scripts/pomer.sh"
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
