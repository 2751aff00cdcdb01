#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window in a real X server (Xvfb) of a wider shape than the game's:
# F10 grows the window to 1.5x (sharp: every game pixel as large, its edges
# blended) and 2x (each pixel repeated), F11 fills the screen with bars at
# the sides and back, F1 shows the controls card and puts the frozen frame
# back, and a mouse shot at 2x aims where the pointer is in game pixels (read
# back through the saved file); then on a 1920x1080 screen F10 gives 1.5x and
# F11 the picture at 1440x1080, both sharp. Every key reaches the game without
# the test focusing its window.
#   usage: scripts/e2e-okno.sh [PROGRAM]   (called by scripts/e2e.sh)
set -euo pipefail

koren="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
program="$(realpath "${1:-$koren/build/grondelvik}")"
. "$koren/scripts/e2e-spolecne.sh"
# GRONDELVIK_SNIMKY=DIR keeps the screenshots there for a look.
snimky="${GRONDELVIK_SNIMKY:-$pracovni}"
mkdir -p "$snimky"
# 16:9, so fullscreen has bars at the sides, and tall enough for 2x (not 3x).
xvfb 2560x1440 141 190

data="$pracovni/data"
mkdir -p "$data/savy"
cp -r "$koren/data/grafika" "$koren/data/mapy" "$data/"
sav="$data/savy/grondelvik.sav"

# The settings' language goes before the locale's, and the card shows the
# settings' jump button.
printf 'jazyk=en\npad_skok=5\n' >"$data/nastaveni.txt"
hra "$data" "$pracovni/chyby.txt" -u LC_ALL -u LC_MESSAGES LANG=cs_CZ.UTF-8

klavesa() { xdotool key --delay 150 "$@"; sleep 0.5; }
# Xvfb has no window manager: the game places its window itself.
okenni() {
    local pred; pred="$(velikost)"
    klavesa "$@"
    for _ in $(seq 50); do [ "$(velikost)" != "$pred" ] && break; sleep 0.1; done
    sleep 0.5
}
snimek() { import -window "${2:-$okno}" "$snimky/$1.png"; }
velikost() { xdotool getwindowgeometry "$okno" | sed -n 's/.*Geometry: //p'; }
poloha() { xdotool getwindowgeometry "$okno" | sed -n 's/.*Position: \([0-9-]*,[0-9-]*\).*/\1/p'; }
# The whole window lies on the 2560x1440 screen.
na_obrazovce() {
    local x y w h
    IFS=, read -r x y <<<"$(poloha)"
    IFS=x read -r w h <<<"$(velikost)"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 2560 ] && [ $((y + h)) -le 1440 ]
}
nastaveno() { grep -qx "$1" "$data/nastaveni.txt" 2>/dev/null; }
# Screenshot $1 shows screenshot $2 (800 x 600) scaled sharply into the
# rectangle at ($3, $4) of size $5 x $6 in its middle, black around it. The
# sharp picture is ImageMagick's: each pixel repeated to the next whole factor
# above, then the picture averaged down to the size by area (-scale). At a
# whole factor that is each pixel repeated, and so must the screenshot be;
# otherwise a byte may differ by 4 (our weights are 64ths). The distance from
# plain nearest-neighbour scaling is reported beside.
ostry() {
    PYTHONPATH="$koren/scripts" python3 - "$snimky/$1.png" "$snimky/$2.png" "$3" "$4" "$5" "$6" <<'EOF'
import math, subprocess, sys
from snimky import rgb
velky, W, H = rgb(sys.argv[1])
maly, w, h = rgb(sys.argv[2])
x0, y0, cw, ch = map(int, sys.argv[3:7])
k = math.ceil(cw / w)
def im(*volby):
    return subprocess.run(['/usr/bin/convert', sys.argv[2], *volby, '-depth', '8', 'rgb:-'],
                          capture_output=True, check=True).stdout
ostre = im('-filter', 'point', '-resize', '%d%%' % (100 * k), '-scale', '%dx%d!' % (cw, ch))
nejblizsi = im('-sample', '%dx%d!' % (cw, ch))
cerna = b'\0' * 3
spatne = (W, H) != (2 * x0 + cw, 2 * y0 + ch)
od_ostre = od_nejblizsi = 0
for Y in range(H):
    r = velky[3 * W * Y:3 * W * (Y + 1)]
    if not y0 <= Y < y0 + ch:
        spatne |= r != cerna * W
        continue
    spatne |= r[:3 * x0] != cerna * x0 or r[3 * (x0 + cw):] != cerna * (W - x0 - cw)
    obraz = r[3 * x0:3 * (x0 + cw)]
    o = ostre[3 * cw * (Y - y0):3 * cw * (Y - y0 + 1)]
    n = nejblizsi[3 * cw * (Y - y0):3 * cw * (Y - y0 + 1)]
    if obraz != o:
        od_ostre = max(od_ostre, max(abs(a - b) for a, b in zip(obraz, o)))
    if obraz != n:
        od_nejblizsi = max(od_nejblizsi, max(abs(a - b) for a, b in zip(obraz, n)))
print('      %dx%d at %.2fx: largest byte difference from the sharp picture %d, from the nearest %d'
      % (cw, ch, cw / w, od_ostre, od_nejblizsi))
ruzne = len(set(maly[i:i + 3] for i in range(0, len(maly), 3 * 97)))
sys.exit(spatne or od_ostre > (0 if cw % w == 0 else 4) or ruzne < 8)
EOF
}

over "the window opens at 1x" [ "$(velikost)" = 800x600 ]
# The world frozen under the pause, so every screenshot shows the same frame,
# once a few frames have drawn it: the hunter stands, facing right (a new one
# walks right until Right is released).
klavesa Right
sleep 0.5
klavesa p
snimek jedna
okenni F10
over "F10 grows the window to 1200x900" [ "$(velikost)" = 1200x900 ]
snimek pul
over "... showing the 1x frame sharply at 1.5x" ostry pul jedna 0 0 1200 900
over "... and the settings file keeps the factor" nastaveno okno=1.5
okenni F10
over "F10 again grows it to 1600x1200" [ "$(velikost)" = 1600x1200 ]
over "... which lies wholly on the screen" na_obrazovce
snimek dva
over "... showing the 1x frame at 2x, each pixel repeated" ostry dva jedna 0 0 1600 1200
over "... and the settings file keeps the factor" nastaveno okno=2
over "... and the language" nastaveno jazyk=en

misto="$(poloha)"
okenni F11
snimek cela root
over "F11 fills the 2560x1440 screen with the frame scaled sharply to 1920x1440, black bars at the sides" \
    ostry cela jedna 320 0 1920 1440
over "... and the settings file keeps fullscreen" nastaveno cela_obrazovka=1
okenni alt+Return
over "Alt+Enter leaves fullscreen: the window is 1600x1200 again" [ "$(velikost)" = 1600x1200 ]
over "... at its place before fullscreen ($misto)" [ "$(poloha)" = "$misto" ]
snimek zpet
over "... showing the same frame at 2x" ostry zpet jedna 0 0 1600 1200
over "... and the settings file says so" nastaveno cela_obrazovka=0

klavesa F1
snimek karta
over "F1 shows the English card (jazyk=en over LANG=cs_CZ.UTF-8) with button 5 to jump, over the frozen frame" \
    env PYTHONPATH="$koren/scripts" python3 - "$snimky" "$data" <<'EOF'
import sys
from snimky import rgb
snimky, data = sys.argv[1], sys.argv[2]
karta, W, _ = rgb(snimky + '/karta.png')
dva, _, _ = rgb(snimky + '/dva.png')
obr, kw, kh = rgb(data + '/grafika/ostatni/en/ovladani.bmp')
cisla, cw, _ = rgb(data + '/grafika/ostatni/cislaKarty.bmp')
bila = b'\xff\xff\xff'
# The pad's numbers as the game writes them (src/RozlozeniKarty.h): a digit's
# cell of the sheet, 12 x 15, at x 512 of the card, in the rows of jump, run,
# strike, weapon, pause and this card from y 136, 24 apart.
obr = bytearray(obr)
for i, d in enumerate([5, 1, 2, 3, 7, 6]):
    for y in range(15):
        for x in range(12):
            p = cisla[3 * (y * cw + d * 12 + x):3 * (y * cw + d * 12 + x) + 3]
            j = 3 * ((136 + 24 * i + y) * kw + 512 + x)
            if p != bila:
                obr[j:j + 3] = p
x0, y0 = (800 - kw) // 2, (600 - kh) // 2
spatne = 0
for Y in range(0, 1200):
    for X in range(0, 1600):
        x, y = X // 2 - x0, Y // 2 - y0
        p = bytes(obr[3 * (y * kw + x):3 * (y * kw + x) + 3]) if 0 <= x < kw and 0 <= y < kh else bila
        i = 3 * (Y * W + X)
        spatne += karta[i:i + 3] != (dva[i:i + 3] if p == bila else p)
sys.exit(spatne != 0)
EOF
klavesa F1
snimek bez
over "F1 again closes it: the frozen frame is back" cmp -s <(convert "$snimky/bez.png" rgb:-) <(convert "$snimky/dva.png" rgb:-)

# With the bow, the pointer 200 pixels right of and 200 above the hunter's
# centre (435, 350) aims at 45 degrees: an arrow of 30 degrees. At 2x that
# game pixel (635, 150) is window pixel (1270, 300); read unscaled it would
# be an arrow of 0 degrees.
klavesa p a
xdotool mousemove --window "$okno" 1270 300 click 1
sleep 0.3
klavesa s
for _ in $(seq 50); do [ -s "$sav" ] && break; sleep 0.1; done
over "a mouse shot at 2x aims at the game pixel under the pointer (arrows left, flight angle)" \
    [ "$(sed -n '19p;23p' "$sav" | tr '\n' ' ')" = "11 30 " ]

klavesa Escape
status=0
wait "$hra_pid" || status=$?
hra_pid=""
over "Escape ends the program with status 0" [ "$status" -eq 0 ]
[ -s "$pracovni/chyby.txt" ] && echo "      stderr: $(cat "$pracovni/chyby.txt")"

# The commonest desktop: 2x does not fit, 1.5x does, and fullscreen shows
# the picture at 1.8x.
kill "$xvfb_pid" 2>/dev/null || true
xvfb_pid=""
rm -f "$data/nastaveni.txt"
xvfb 1920x1080 141 190
hra "$data" "$pracovni/chyby.txt"
sleep 1
klavesa p
snimek jedna1080
okenni F10
over "on a 1920x1080 screen F10 grows the window to 1200x900" [ "$(velikost)" = 1200x900 ]
snimek pul1080
over "... showing the 1x frame sharply at 1.5x" ostry pul1080 jedna1080 0 0 1200 900
okenni F11
snimek cela1080 root
over "... and F11 shows it sharply at 1440x1080 between black bars" ostry cela1080 jedna1080 240 0 1440 1080
klavesa Escape
status=0
wait "$hra_pid" || status=$?
hra_pid=""
over "Escape ends the program with status 0" [ "$status" -eq 0 ]

echo "e2e-okno: $prosly checks passed, $chyby checks failed"
[ "$chyby" -eq 0 ]
