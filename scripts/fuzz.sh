#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The readers of outside files under libFuzzer, everything built with clang,
# ASan and UBSan in build-fuzz/. Two fast targets read a saved game and a map
# from memory into state built once; two deep ones build and play a whole
# level per input. Any crash, leak, sanitizer report, broken check, timeout
# or running out of memory fails, the input left in build-fuzz/nalezy/.
#   usage: scripts/fuzz.sh test           each fast target 45 s, each deep one
#                                         20 s, from the committed corpus
#          scripts/fuzz.sh kampan SECONDS each fast target SECONDS, each deep
#                                         one a quarter of it; the corpus in
#                                         tools/fuzz/korpus/ is then merged
#                                         with what they found and minimised
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sestava="$koren/build-fuzz"
korpusy="$koren/tools/fuzz/korpus"
nalezy="$sestava/nalezy"

rezim="${1:-}"
case "$rezim" in
    test) rychle=45 hluboke=20 ;;
    kampan)
        [[ "${2:-}" =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 kampan SECONDS" >&2; exit 2; }
        rychle="$2" hluboke=$(( ($2 + 3) / 4 )) ;;
    *) echo "usage: $0 test | kampan SECONDS" >&2; exit 2 ;;
esac

cmake -S "$koren" -B "$sestava" -DCMAKE_CXX_COMPILER=clang++ -DGRONDELVIK_FUZZ=ON \
      -DGRONDELVIK_TESTS=OFF -DGRONDELVIK_BENCH=OFF >/dev/null
cmake --build "$sestava" -j2 --target fuzz_ulozeni_rychle fuzz_mapa_rychla fuzz_ulozeni fuzz_mapa >/dev/null

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$koren/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# A map needs no more than a few long lines to reach every rule of the
# reader; shorter inputs keep the fast map target fast.
volby() {
    case "$1" in
        mapa_rychla) echo "-max_len=1024" ;;
    esac
}

# Runs target $1 for $2 seconds on a scratch corpus seeded from the committed
# one (and the further seed folders $3...), then, in a campaign, merges.
pust() {
    local cil="$1" sekund="$2"; shift 2
    local novy log
    novy="$(mktemp -d)"
    log="$sestava/fuzz_$cil.log"
    mkdir -p "$nalezy/$cil" "$korpusy/$cil"
    # shellcheck disable=SC2046
    if ! "$sestava/tools/fuzz/fuzz_$cil" -max_total_time="$sekund" -timeout=10 -print_final_stats=1 \
            $(volby "$cil") -artifact_prefix="$nalezy/$cil/" "$novy" "$korpusy/$cil" "$@" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$cil failed; the input is in $nalezy/$cil/, the new corpus in $novy" >&2
        exit 1
    fi
    local behu rychlost pokryti
    behu="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    rychlost="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    pokryti="$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+')"
    echo "fuzz_$cil: $behu runs in $sekund s, $rychlost/s, $pokryti"
    if [ "$rezim" = kampan ]; then
        # The union of the old corpus and the new finds, minimised: only
        # inputs that add coverage are kept, the smallest first.
        local min
        min="$(mktemp -d)"
        "$sestava/tools/fuzz/fuzz_$cil" -merge=1 $(volby "$cil") "$min" "$korpusy/$cil" "$novy" \
            >"$sestava/fuzz_${cil}_merge.log" 2>&1
        find "$korpusy/$cil" -type f -delete
        cp "$min"/* "$korpusy/$cil/"
        echo "fuzz_$cil: corpus $(find "$korpusy/$cil" -type f | wc -l) files," \
             "$(du -sk --apparent-size "$korpusy/$cil" | cut -f1) KiB"
        rm -rf "$min"
    fi
    rm -rf "$novy"
}

pust ulozeni_rychle "$rychle"
pust mapa_rychla "$rychle"
pust ulozeni "$hluboke"
pust mapa "$hluboke" "$korpusy/mapa_rychla"
