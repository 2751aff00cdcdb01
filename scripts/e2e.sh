#!/usr/bin/env bash
# The real program in a real X window (Xvfb), played with real key presses
# (xdotool), checked as a player would see it.   usage: scripts/e2e.sh [PROGRAM]
# Needs xvfb, xdotool, imagemagick, x11-utils and python3 (scripts/grondelvik.sh
# installs them).
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$koren/build/grondelvik}")"
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

# A display nobody uses.
for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { displej=":$n"; break; }
done
Xvfb "$displej" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY="$displej"
# The test command exports the dummy driver; this test needs the real one.
export SDL_VIDEODRIVER=x11
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

data="$pracovni/data"
mkdir -p "$data/savy"
cp -r "$koren/data/grafika" "$koren/data/mapy" "$koren/data/zvuky" "$data/"
sav="$data/savy/grondelvik.sav"

(cd "$data" && exec "$program" 2>"$pracovni/chyby.txt") &
hra_pid=$!
okno="$(timeout 20 xdotool search --sync --name '^Grondelvik$' | head -n 1)"
xdotool windowfocus --sync "$okno"

klavesa() { xdotool key --delay 150 "$@"; }
snimek() { import -window "$okno" "$pracovni/$1.png"; }
# S, then the saved file's line $1 once the save has replaced the old file.
ulozeno() {
    local pred; pred="$(stat -c %i "$sav" 2>/dev/null || echo none)"
    klavesa s
    for _ in $(seq 100); do
        [ -e "$sav" ] && [ "$(stat -c %i "$sav")" != "$pred" ] && break
        sleep 0.05
    done
    sed -n "${1}p" "$sav"
}
# The saved file: level, difficulty, then the hunter's arrow capacity and
# arrows in flight, then his x and y.
X=5

# A new hunter walks right: Left faces him left, and its release stops him.
klavesa Left
sleep 0.3
x1="$(ulozeno $X)"
sleep 0.5
over "he stands still once Left is released" [ "$(ulozeno $X)" = "$x1" ]
xdotool keydown Right; sleep 1; xdotool keyup Right
sleep 0.3
x2="$(ulozeno $X)"
over "walking right moves him right ($x1 -> $x2)" [ "$x2" -gt "$x1" ]

xdotool keydown Right; sleep 0.5; xdotool keyup Right
klavesa F9
sleep 0.5
over "F9 brings back the saved position $x2" [ "$(ulozeno $X)" = "$x2" ]

# The pause picture over the frozen frame: its white is transparent.
snimek pred
klavesa p
sleep 0.5
snimek pauza
over "P shows the pause picture at (200, 200) over the frozen frame" python3 - "$pracovni" "$data" <<'EOF'
import subprocess, sys
prac, data = sys.argv[1], sys.argv[2]
def rgb(f):
    vystup = subprocess.run(['/usr/bin/convert', f, '-depth', '8', 'rgb:-'], capture_output=True, check=True).stdout
    sirka = int(subprocess.run(['/usr/bin/identify', '-format', '%w', f], capture_output=True, check=True).stdout)
    return vystup, sirka
pred, w = rgb(prac + '/pred.png')
pauza, _ = rgb(prac + '/pauza.png')
obr, pw = rgb(data + '/grafika/ostatni/pauza.bmp')
ph = len(obr) // (3 * pw)
spatne = kreslenych = 0
for y in range(ph):
    for x in range(pw):
        p = obr[3 * (y * pw + x):3 * (y * pw + x) + 3]
        i = 3 * ((200 + y) * w + 200 + x)
        cekam = pred[i:i + 3] if p == b'\xff\xff\xff' else p
        kreslenych += p != b'\xff\xff\xff'
        spatne += pauza[i:i + 3] != cekam
sys.exit(0 if spatne == 0 and kreslenych > 0 and pred != pauza else 1)
EOF
klavesa p

# Small scale: the 20-pixel solid tile is on the screen and the 30-pixel one
# is not; keypad plus brings the large one back.
dlazdice() {  # screenshot, tile picture: is the tile somewhere on it?
    python3 - "$1" "$2" <<'EOF'
import subprocess, sys
def rgb(f):
    d = subprocess.run(['/usr/bin/convert', f, '-depth', '8', 'rgb:-'], capture_output=True, check=True).stdout
    w = int(subprocess.run(['/usr/bin/identify', '-format', '%w', f], capture_output=True, check=True).stdout)
    return [d[i:i + 3 * w] for i in range(0, len(d), 3 * w)], w
obr, w = rgb(sys.argv[1])
dl, s = rgb(sys.argv[2])
for y in range(len(obr) - len(dl) + 1):
    x = obr[y].find(dl[0])
    while x >= 0:
        if x % 3 == 0 and all(obr[y + j][x:x + 3 * s] == dl[j] for j in range(len(dl))):
            sys.exit(0)
        x = obr[y].find(dl[0], x + 1)
sys.exit(1)
EOF
}
klavesa KP_Subtract
sleep 0.5
snimek male
over "keypad minus shows the small tiles" dlazdice "$pracovni/male.png" "$data/grafika/mise/cihly01bm.bmp"
nedlazdice() { ! dlazdice "$@"; }
over "... and no large one" nedlazdice "$pracovni/male.png" "$data/grafika/mise/cihly01b.bmp"
klavesa KP_Add
sleep 0.5
snimek velke
over "keypad plus shows the large tiles again" dlazdice "$pracovni/velke.png" "$data/grafika/mise/cihly01b.bmp"

klavesa Escape
status=0
wait "$hra_pid" || status=$?
hra_pid=""
over "Escape ends the program with status 0" [ "$status" -eq 0 ]

# ---- sound (scripts/e2e-zvuk.sh) ----
. "$koren/scripts/e2e-zvuk.sh"
# ---- end of sound ----

# A missing picture: its message on stderr and status 1.
rm "$data/grafika/ostatni/pauza.bmp"
status=0
(cd "$data" && exec timeout 20 "$program" 2>"$pracovni/chyby.txt") || status=$?
zprava="$(printf 'chyba pri nacitani obrazku\t grafika/ostatni/pauza.bmp')"
over "a missing pause picture ends with its message and status 1" \
    [ "$status" -eq 1 -a "$(cat "$pracovni/chyby.txt")" = "$zprava" ]
[ "$status" -eq 1 -a "$(cat "$pracovni/chyby.txt")" = "$zprava" ] ||
    echo "      the program ended with status $status, saying: $(cat "$pracovni/chyby.txt")"

# ---- The window: 2x, fullscreen, the controls card and a mouse shot at 2x,
# in an Xvfb screen of another shape (its own checks, counted as one here).
if "$koren/scripts/e2e-okno.sh" "$program"; then prosly=$((prosly + 1)); else chyby=$((chyby + 1)); fi
# ----

echo "e2e: $prosly checks passed, $chyby checks failed"
[ "$chyby" -eq 0 ]
