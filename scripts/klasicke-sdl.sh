#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the game still builds and passes every test on the classic SDL 1.2
# (libsdl1.2-dev): switches this machine to it, runs the test command in a
# fresh clone of this repository, and switches back to the library that was
# installed before. Needs root (or sudo); the two development packages
# exclude each other.   usage: scripts/klasicke-sdl.sh
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
nainstalovan() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

predtim=""
nainstalovan libsdl1.2-compat-dev && predtim=libsdl1.2-compat-dev
nainstalovan libsdl1.2-dev && predtim=libsdl1.2-dev
vrat() {
    if [ -n "$predtim" ] && ! nainstalovan "$predtim"; then
        echo "Switching back to $predtim"
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "$predtim"
    fi
    rm -rf "$klon"
}
klon="$(mktemp -d)"
trap vrat EXIT

"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq libsdl1.2-dev libsdl1.2debian \
    libsdl1.2-compat-dev- libsdl1.2-compat- libsdl1.2-compat-shim-
git clone -q "$koren" "$klon/grondelvik"
echo "SDL: $(pkg-config --modversion sdl)"
GRONDELVIK_SDL=classic "$klon/grondelvik/scripts/grondelvik.sh" test
echo "The classic SDL 1.2 passes the test command."
