#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long replayed session (level 1 to its exit four times with loads of
# level 1 between, scale switches, saves; about 1300 frames) under valgrind
# memcheck: any invalid read or write, or a block of ours definitely lost,
# fails. Then the same session without valgrind, for its peak memory.
#   usage: scripts/valgrind.sh [BUILD_DIR] [SCRIPT]
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sestava="${1:-$koren/build}"
skript="${2:-$koren/tools/prehravac/zaznam/dlouha.txt}"
export SDL_VIDEODRIVER=dummy

cmake --build "$sestava" --target prehravac -j2 >/dev/null
vystup="$(mktemp -d)"
trap 'rm -rf "$vystup"' EXIT

if ! valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --show-leak-kinds=definite \
        --errors-for-leak-kinds=definite --suppressions="$koren/scripts/valgrind.supp" \
        "$sestava/tools/prehravac" "$skript" "$vystup/vg" >"$vystup/memcheck.log" 2>&1; then
    cat "$vystup/memcheck.log"
    echo "valgrind: the session has memory errors (above)"
    exit 1
fi
grep -E 'ERROR SUMMARY|definitely lost|in use at exit' "$vystup/memcheck.log" | sed 's/^==[0-9]*== /memcheck: /'
snimku="$(grep -E '^[0-9]+ konec' "$skript" | cut -d' ' -f1)"
/usr/bin/time -f '%M' -o "$vystup/pamet" "$sestava/tools/prehravac" "$skript" "$vystup/bez"
echo "peak memory of the session (${snimku} frames): $(cat "$vystup/pamet") KiB"
echo "valgrind: no memory errors, nothing of ours lost"
