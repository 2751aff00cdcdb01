# SPDX-License-Identifier: GPL-3.0-or-later
# What the real-window tests share (sourced): counted checks, a scratch
# folder cleaned up with the game and Xvfb, Xvfb on a free display, and the
# game started in it. Expects $program; sets prosly, chyby, pracovni, displej,
# xvfb_pid, hra_pid and okno. Screenshots are read by scripts/snimky.py.

pracovni="$(mktemp -d)"
xvfb_pid=""
hra_pid=""
uklid() {
    [ -n "$hra_pid" ] && kill "$hra_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$pracovni"
}
trap uklid EXIT

prosly=0
chyby=0
over() {  # description, command...
    local popis="$1"; shift
    if "$@"; then
        echo "ok    $popis"; prosly=$((prosly + 1))
    else
        echo "FAIL  $popis"; chyby=$((chyby + 1))
    fi
}

# Xvfb with a screen of the given size on the first free display from $2 to
# $3; the game is to use it through SDL's x11 driver (the test command
# exports the dummy one).
xvfb() {  # WIDTHxHEIGHT, first display, last display
    local n
    for n in $(seq "$2" "$3"); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { displej=":$n"; break; }
    done
    # -noreset: by default the server resets when its last client leaves,
    # and a game starting just then finds no display.
    Xvfb "$displej" -screen 0 "$1x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY="$displej" SDL_VIDEODRIVER=x11
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # The pointer in the screen's far corner, off the game's window: the keys
    # reach the game only because it took the keyboard itself.
    xdotool mousemove "${1%x*}" "${1#*x}"
}

# The game ended because it found no display: status 2, or SDL's start-up
# failure, which is status 1.
nedispleji() {  # status, stderr file
    [ "$1" -eq 2 ] || { [ "$1" -eq 1 ] && grep -q '^Nejde incializovat SDL: ' "$2"; }
}

# Starts the game in folder $1, stderr to $2, with the environment that
# follows, and waits for its window, which must take the keyboard itself. A
# busy Xvfb now and then refuses the connection at start, which the game
# reports with status 2 (or 1, when SDL cannot even start): it is then
# started once more.
hra() {  # data folder, stderr file, VAR=value...
    local slozka="$1" chybovy="$2" pokus status
    shift 2
    for pokus in 1 2; do
        (cd "$slozka" && exec env "$@" "$program" 2>"$chybovy") &
        hra_pid=$!
        okno=""
        for _ in $(seq 200); do
            okno="$(xdotool search --name '^Grondelvik$' 2>/dev/null | head -n 1 || true)"
            [ -n "$okno" ] && break
            kill -0 "$hra_pid" 2>/dev/null || break
            sleep 0.1
        done
        [ -n "$okno" ] && return 0
        status=0
        wait "$hra_pid" || status=$?
        hra_pid=""
        nedispleji "$status" "$chybovy" && [ "$pokus" -eq 1 ] || break
        echo "      the game could not reach the display ($(head -c 200 "$chybovy")); once more"
    done
    echo "      the game's window did not appear: $(head -c 300 "$chybovy")"
    return 1
}
