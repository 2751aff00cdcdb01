#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the size of the tests against the code they test: non-blank lines of
# the tracked sources (.cpp .h .hpp .py .sh .cmake, CMakeLists.txt) in tests/
# against src/, tools/, bench/ and scripts/. Fails when the tests outgrow a third.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

radky() {
    git ls-files -- "$@" | grep -E '(\.(cpp|h|hpp|py|sh|cmake)|(^|/)CMakeLists\.txt)$' |
        tr '\n' '\0' | xargs -0 -r cat | grep -c '[^[:space:]]' || true
}

testy=$(radky tests)
kod=$(radky src tools bench scripts)
awk -v t="$testy" -v k="$kod" 'BEGIN {
    printf "tests %d / code %d non-blank lines = %.3f (at most a third)\n", t, k, t / k
    exit (3 * t > k)
}'
