# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that set up a machine.

nainstalovan() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# Installs those of the Debian packages named that are missing, with apt-get
# as root, through sudo otherwise; what follows "--" goes to apt-get as it is
# (packages to remove in the same step).
doinstaluj() {
    local chybi=() navic=() sudo=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        nainstalovan "$1" || chybi+=("$1")
        shift
    done
    [ $# -gt 0 ] && shift && navic=("$@")
    [ ${#chybi[@]} -eq 0 ] && return 0
    echo "Installing: ${chybi[*]}"
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${chybi[@]}" "${navic[@]}"
}
