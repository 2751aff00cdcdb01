#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a web page, from the same sources.
#   scripts/web.sh build   installs what is missing (Debian: emscripten and
#                          the generators' build tools), draws the pictures and
#                          synthesises the sounds natively, and builds the page
#                          into build-web/www/ (index.html and what it loads)
#   scripts/web.sh serve   builds, then serves build-web/www/ on 127.0.0.1 on a
#                          free port (8731 when it is free), printing its
#                          address, until stopped
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
www="$koren/build-web/www"
. "$koren/scripts/instaluj.sh"
# Emscripten's tools run on node; a node that is not Debian's own does not
# look where Debian keeps their modules.
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

doinstaluj_web() {
    local balicky=(emscripten python3 build-essential cmake pkg-config libsdl-mixer1.2-dev libvorbis-dev
                   libx11-dev)
    # Either SDL 1.2 development package builds the generators: never swap one for the other.
    nainstalovan libsdl1.2-dev || balicky+=(libsdl1.2-compat-dev)
    doinstaluj "${balicky[@]}"
}

sestav() {
    doinstaluj_web
    # Pictures and sounds come from the native generators, into data/; the
    # test command lends its own native build (GRONDELVIK_NATIVNI) instead.
    local nativni="${GRONDELVIK_NATIVNI:-}"
    if [ -z "$nativni" ]; then
        nativni="$koren/build-web/nativni"
        cmake -S "$koren" -B "$nativni" -DCMAKE_BUILD_TYPE=Release -DGRONDELVIK_TESTS=OFF \
            -DGRONDELVIK_BENCH=OFF >/dev/null
    fi
    cmake --build "$nativni" -j"$(nproc)" --target grafika zvuky
    emcmake cmake -S "$koren" -B "$koren/build-web/wasm" -DCMAKE_BUILD_TYPE=Release \
        -DGRONDELVIK_WWW="$www" >/dev/null
    cmake --build "$koren/build-web/wasm" -j"$(nproc)"
    echo "The page: $www"
}

# A static server on a free port of 127.0.0.1; .wasm as application/wasm.
servruj() {
    exec python3 - "$www" <<'PY'
import functools, http.server, sys

class Obsluha(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".data": "application/octet-stream",
                      ".js": "text/javascript"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, *args):
        pass

# The same port as last time when it is free: the browser keeps a page's
# saved game per address, port included.
obsluha = functools.partial(Obsluha, directory=sys.argv[1])
try:
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 8731), obsluha)
except OSError:
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), obsluha)
print(f"http://127.0.0.1:{server.server_port}/", flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
PY
}

case "${1:-}" in
    build) sestav ;;
    serve) sestav; servruj ;;
    *) echo "usage: $0 build|serve" >&2; exit 2 ;;
esac
