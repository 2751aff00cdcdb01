# SPDX-License-Identifier: GPL-3.0-or-later
# The sound, heard by a machine: the real program on SDL's disk audio driver,
# which writes what it plays to a file (raw 16-bit stereo) as fast as a
# sound card would take it, so a file position is a moment. Checked from the
# samples: the level's tune sounds from the start, ten sword swings (Space)
# at random moments are each heard within 300 ms of the key (the figures
# reported), after M the output is silent and the
# choice is kept; and with audio impossible the game starts and plays.
# Sourced by scripts/e2e.sh, whose display, data copy, over and klavesa it uses.

zvuk="$pracovni/zvuk.raw"
# The classic library waits SDL_DISKAUDIODELAY ms after each buffer (150 by
# default), so it is told the length of the game's buffer (512 frames at
# 44100 Hz); the compatibility library over SDL2 waits a buffer's length itself.
case "$(readlink -f "$(ldd "$program" | awk '/libSDL-1\.2/ {print $3}')")" in
    *.so.0.11.*) export SDL_DISKAUDIODELAY=12 ;;
esac
rm -f "$data/nastaveni.txt"
hra "$data" "$pracovni/chyby-zvuk.txt" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$zvuk"
zapsano() { echo "$(stat -c %s "$zvuk" 2>/dev/null || echo 0) $(date +%s.%N)"; }
prvni="$(zapsano)"
klavesa Left  # he stands, facing left: nothing but the tune until the swings
sleep 1.2
mezi="$(zapsano)"
# Ten swings, each key at a random moment of the frame once the last swing
# is over, with the output's length the moment the X server took the key.
mapfile -t mece < <(PYTHONPATH="$koren/scripts" python3 - "$zvuk" <<'EOF'
import os, random, sys, time
from klavesnice import Klavesnice
k = Klavesnice()
for _ in range(10):
    k.dolu('space')
    print(os.stat(sys.argv[1]).st_size, time.time(), flush=True)
    k.nahoru('space')
    time.sleep(random.uniform(1.0, 1.4))
EOF
)
ticho="$(zapsano)"
xdotool key m
sleep 1.2
konec="$(zapsano)"
klavesa Escape
status=0
wait "$hra_pid" || status=$?
hra_pid=""
over "with sound the game ends with status 0 and says nothing ($(head -c 200 "$pracovni/chyby-zvuk.txt"))" \
    [ "$status" -eq 0 -a ! -s "$pracovni/chyby-zvuk.txt" ]

python3 - "$zvuk" "$prvni" "$mezi" "$ticho" "$konec" "${mece[@]}" >"$pracovni/zvuk.txt" <<'EOF'
import math, struct, sys
data = open(sys.argv[1], 'rb').read()
vzorky = struct.unpack('<%dh' % (len(data) // 2), data[:len(data) // 4 * 4])
levy = vzorky[0::2]
bod = lambda a: (int(a.split()[0]) // 4, float(a.split()[1]))
(p0, t0), (p1, t1), (ticho, _), (konec, _) = [bod(a) for a in sys.argv[2:6]]
# The rate the driver writes at, from how fast the file grew: 44100 Hz, the
# game's, unless a library chose another.
rychlost = (p1 - p0) / (t1 - t0)
f = 44100 if rychlost > 33075 else 22050
print('rate %d (the file grew by %.0f frames a second)' % (f, rychlost))
def rms(od, do):
    s = levy[od:do]
    return math.sqrt(sum(x * x for x in s) / max(1, len(s)))
def vysky(od, do):  # the energy of the first difference: the highs
    s = levy[od:do]
    return math.sqrt(sum((s[i] - s[i - 1]) ** 2 for i in range(1, len(s))) / max(1, len(s)))
okno = f // 100
mec1 = bod(sys.argv[6])[0]
hudba = [rms(i, i + 10 * okno) for i in range(int(0.6 * f), mec1 - 10 * okno, 10 * okno)]
zacatek = next((i / f for i in range(0, len(levy), okno) if rms(i, i + okno) > 300), None)
print('tune: first heard at %s; quietest 100 ms until the first swing %.0f' %
      ('never' if zacatek is None else '%.2f s' % zacatek, min(hudba) if hudba else 0))
zpozdeni = []
for a in sys.argv[6:]:
    k = bod(a)[0]
    zaklad = max(vysky(i, i + okno) for i in range(k - f // 2, k, okno))
    nabeh = next((i for i in range(k, k + f, okno) if vysky(i, i + okno) > 2.5 * zaklad), None)
    zpozdeni.append(None if nabeh is None else (nabeh - k) / f)
print('swings heard after (ms): ' + ' '.join('never' if z is None else '%.0f' % (1000 * z) for z in zpozdeni))
zn = sorted(1000 * z for z in zpozdeni if z is not None)
if zn:
    med = (zn[(len(zn) - 1) // 2] + zn[len(zn) // 2]) / 2
    print('  %d of %d heard: median %.0f ms, min %.0f, max %.0f' % (len(zn), len(zpozdeni), med, zn[0], zn[-1]))
od = ticho + int(0.35 * f)
print('after M: %.2f s of output, loudest sample %d' % ((konec - od) / f, max(map(abs, levy[od:konec]), default=-1)))
spicka = max(max(vzorky), -min(vzorky))
print('loudest sample of the whole mix: %d of 32767' % spicka)
hotovo = [zacatek is not None and zacatek < 0.6 and hudba and min(hudba) > 300,
          all(z is not None and z <= 0.3 for z in zpozdeni),
          konec - od > f // 2 and max(map(abs, levy[od:konec])) == 0, spicka < 32767]
print('verdict ' + ' '.join('1' if h else '0' for h in hotovo))
EOF
sed 's/^/      /' "$pracovni/zvuk.txt" | grep -v verdict
read -r _ hudba mec ticho mix < <(grep '^verdict' "$pracovni/zvuk.txt" || echo "verdict 0 0 0 0")
over "the level's tune sounds from the start" [ "$hudba" = 1 ]
over "each of ten sword swings is heard within 300 ms of its key" [ "$mec" = 1 ]
over "after M the output is silent" [ "$ticho" = 1 ]
over "the mix of tune and swings never reaches full scale" [ "$mix" = 1 ]
over "... and the choice is kept in nastaveni.txt" grep -qx 'zvuk=0' "$data/nastaveni.txt"

# No audio device at all: one line says so, and the game plays (S saves).
rm -f "$data/nastaveni.txt" "$sav"
hra "$data" "$pracovni/chyby-zvuk.txt" SDL_AUDIODRIVER=nonexistent
klavesa s
for _ in $(seq 100); do [ -s "$sav" ] && break; sleep 0.05; done
klavesa Escape
status=0
wait "$hra_pid" || status=$?
hra_pid=""
over "with audio impossible the game plays (S saved) and ends with status 0" [ -s "$sav" -a "$status" -eq 0 ]
jedenRadek() { [ "$(wc -l <"$1")" -eq 1 ] && grep -q '^no sound' "$1"; }
over "... saying so in one line ($(head -c 200 "$pracovni/chyby-zvuk.txt"))" jedenRadek "$pracovni/chyby-zvuk.txt"
