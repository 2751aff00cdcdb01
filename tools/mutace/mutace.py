#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plants faults in the game one at a time and counts how many the tests catch.

Each mutant of the list (mutanty.txt next to this script) replaces one exact
snippet of one source file. The file is changed in place, the normal build is
rebuilt and CTest runs; a failing run means the fault was caught. The file is
put back after every mutant, also after an error or Ctrl-C, and the build is
rebuilt from the restored sources at the end. With --kopie DIR the work tree's
files are first copied to DIR, which gets its own build, and the faults are
planted there, so the work tree stays untouched meanwhile.

    tools/mutace/mutace.py [--build build] [--kopie DIR] [--seznam FILE] [--jen N ...] [--vse] [--kontrola]

--jen runs only the given mutant numbers; --vse runs every test of each
mutant (default: stop at the first failure) and lists the tests that failed;
--kontrola only checks that every snippet of the list still matches.
"""
import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

KOREN = Path(__file__).resolve().parents[2]


class Mutant:
    def __init__(self, cislo, popis, soubor):
        self.cislo, self.popis, self.soubor = cislo, popis, soubor
        self.puvodni, self.nove, self.ekvivalentni = [], [], None


def nacti_seznam(cesta):
    """Blocks of "== description", the file, "- old" lines, "+ new" lines and
    an optional "! why it is equivalent"; '#' starts a comment line."""
    mutanty, m = [], None
    for radek in Path(cesta).read_text(encoding="utf-8").splitlines():
        if radek.startswith("#") or not radek.strip():
            continue
        if radek.startswith("== "):
            m = Mutant(len(mutanty) + 1, radek[3:].strip(), None)
            mutanty.append(m)
        elif m is None:
            sys.exit(f"{cesta}: '{radek}' before the first '=='")
        elif radek[:2] == "- " or radek == "-":
            m.puvodni.append(radek[2:])
        elif radek[:2] == "+ " or radek == "+":
            m.nove.append(radek[2:])
        elif radek.startswith("! "):
            m.ekvivalentni = radek[2:].strip()
        elif m.soubor is None:
            m.soubor = radek.strip()
        else:
            sys.exit(f"{cesta}: unexpected line '{radek}' in mutant {m.cislo}")
    for m in mutanty:
        if not m.soubor or not m.puvodni:
            sys.exit(f"{cesta}: mutant {m.cislo} ({m.popis}) needs a file and '- ' lines")
    return mutanty


def zmutuj(m, text):
    stare, nove = "\n".join(m.puvodni), "\n".join(m.nove)
    if text.count(stare) != 1:
        raise ValueError(f"mutant {m.cislo}: the snippet occurs {text.count(stare)} times in {m.soubor}")
    return text.replace(stare, nove)


def spust(prikaz, cwd, env=None):
    return subprocess.run(prikaz, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)


def zkopiruj(kam):
    """The work tree's files (tracked or new, not ignored) copied to kam, built there."""
    soubory = spust(["git", "ls-files", "-co", "--exclude-standard"], KOREN).stdout.split("\n")
    for f in filter(None, soubory):
        if (KOREN / f).is_file():
            (kam / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(KOREN / f, kam / f)
    if spust(["cmake", "-S", str(kam), "-B", str(kam / "build")], kam).returncode != 0:
        sys.exit(f"cannot configure the copy in {kam}")
    if spust(["cmake", "--build", str(kam / "build"), "-j2"], kam).returncode != 0:
        sys.exit(f"the copy in {kam} does not build")
    return kam


def preruseni(signum, frame):
    raise KeyboardInterrupt


def main():
    a = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    a.add_argument("--build", default="build")
    a.add_argument("--kopie", help="plant the faults in a copy of the work tree made in this folder")
    a.add_argument("--seznam", default=str(Path(__file__).with_name("mutanty.txt")))
    a.add_argument("--jen", type=int, nargs="*")
    a.add_argument("--vse", action="store_true")
    a.add_argument("--kontrola", action="store_true", help="only check that every snippet still matches")
    arg = a.parse_args()
    global KOREN
    mutanty = nacti_seznam(arg.seznam)
    if arg.kopie:
        KOREN = zkopiruj(Path(arg.kopie).resolve())
    build = (KOREN / arg.build).resolve()
    if arg.jen:
        mutanty = [m for m in mutanty if m.cislo in arg.jen]
    for m in mutanty:  # every snippet must still match before anything is touched
        zmutuj(m, (KOREN / m.soubor).read_text(encoding="utf-8"))
    if arg.kontrola:
        print(f"{len(mutanty)} mutants, every snippet matches once")
        return 0

    env = dict(os.environ, SDL_VIDEODRIVER="dummy", SDL_AUDIODRIVER="dummy")
    ctest = ["ctest", "-j2", "--timeout", "60"] + ([] if arg.vse else ["--stop-on-failure"])
    signal.signal(signal.SIGTERM, preruseni)
    chycene, prezile, nesestavene = [], [], []
    try:
        for m in mutanty:
            cesta = KOREN / m.soubor
            puvodni = cesta.read_text(encoding="utf-8")
            zacatek = time.time()
            try:
                cesta.write_text(zmutuj(m, puvodni), encoding="utf-8")
                if spust(["cmake", "--build", str(build), "-j2"], KOREN).returncode != 0:
                    vysledek = "does not compile"
                    nesestavene.append(m)
                else:
                    beh = spust(ctest, build, env)
                    selhaly = re.findall(r"^\s*\d+ - (.+) \([^()]*\)\s*$", beh.stdout, re.M)
                    if beh.returncode != 0:
                        vysledek = "caught" + (f" by {len(selhaly)}: " + " ".join(selhaly) if arg.vse else "")
                        chycene.append(m)
                    else:
                        vysledek = "SURVIVED" + (" (judged equivalent)" if m.ekvivalentni else "")
                        prezile.append(m)
            finally:
                cesta.write_text(puvodni, encoding="utf-8")
            print(f"{m.cislo:3} {m.soubor:24} {m.popis}: {vysledek} [{time.time() - zacatek:.0f} s]", flush=True)
    except KeyboardInterrupt:
        print("interrupted; the sources are restored", file=sys.stderr)
    finally:
        spust(["cmake", "--build", str(build), "-j2"], KOREN)

    ekvivalentni = [m for m in prezile if m.ekvivalentni]
    zive = [m for m in prezile if not m.ekvivalentni]
    mereno = len(chycene) + len(zive)
    print(f"\nplanted {len(chycene) + len(prezile) + len(nesestavene)}, caught {len(chycene)}, "
          f"survived {len(prezile)} ({len(ekvivalentni)} judged equivalent), not compiled {len(nesestavene)}")
    if mereno:
        print(f"caught {len(chycene)} of {mereno} non-equivalent: {100 * len(chycene) / mereno:.1f} %")
    for m in zive:
        print(f"  survivor {m.cislo}: {m.soubor}: {m.popis}")
    for m in ekvivalentni:
        print(f"  equivalent {m.cislo}: {m.soubor}: {m.popis} -- {m.ekvivalentni}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
