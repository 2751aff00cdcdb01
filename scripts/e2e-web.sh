#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build in Debian's headless chromium: installs what is missing
# (the npm driver into web/node_modules, chromium with apt-get), then plays
# the page served from WWW_DIR on a free 127.0.0.1 port (scripts/e2e-web.mjs).
#   usage: scripts/e2e-web.sh [WWW_DIR]   (default build-web/www; GRONDELVIK_SNIMKY=DIR keeps screenshots)
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
www="$(realpath "${1:-$koren/build-web/www}")"
for f in index.html stranka.js grondelvik.js grondelvik.wasm grondelvik.data; do
    [ -f "$www/$f" ] || { echo "e2e-web: $www has no $f (build it with scripts/web.sh build)"; exit 1; }
done

jako_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
chybi=()
[ -x /usr/bin/chromium ] || chybi+=(chromium)
command -v npm >/dev/null || chybi+=(nodejs npm)
if [ ${#chybi[@]} -gt 0 ]; then
    jako_root apt-get update
    DEBIAN_FRONTEND=noninteractive jako_root apt-get install -y "${chybi[@]}"
fi
# The driver only: playwright-core downloads no browser; the system's is used.
[ -f "$koren/web/node_modules/playwright-core/package.json" ] ||
    (cd "$koren/web" && npm ci --no-audit --no-fund --loglevel=error)

exec node "$koren/scripts/e2e-web.mjs" "$www"
