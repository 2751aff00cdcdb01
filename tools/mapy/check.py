#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checker for the Grondelvik level maps (data/mapy/*.txt).

Run:  python3 tools/mapy/check.py            (checks all three maps)
      python3 tools/mapy/check.py --show     (also prints an ASCII overview)

Verifies the file format, the start area, enemy footing/clearance, item and
exit placement, the background section, and runs a movement search that
follows the hunter's rules (30 px tiles, 53x101 px collision box, walk 10 px,
run 20 px, jump -35,-25,-15,-5,+5,+15,... px per frame) to prove that the
exit is reachable and that no reachable spot is a dead end.
"""
import os
import sys
from collections import deque

T = 30          # tile size in px
HB = 101        # hunter height in px

# name, file, columns, rows, start px, background rows/cols/picture count
LEVELS = [
    ("hrad", 200, 30, (400, 750), 3, 20, 3),
    ("venku", 200, 30, (400, 400), 3, 20, 5),
    ("pol", 600, 90, (400, 1680), 9, 60, 5),
]

ITEMS = "123"
ENEMIES = {"V": 3, "Z": 2}       # width in tiles
ALLOWED = set("X1234VZ.")


class Model:
    """A way of moving: collision width/offset and horizontal speeds."""

    def __init__(self, name, width, offset, speeds):
        self.name = name
        self.w = width
        self.ox = offset
        self.speeds = speeds


# 'full': the hunter's real collision box, walking and running.
# 'strict': walking only and a narrow box that must really be above a floor
#           (a walking jump then clears at most 2 empty tiles) - the route to
#           the exit must work under this cautious model too.
MODELS = [Model("full", 53, 8, (10, 20)), Model("strict", 20, 25, (10,))]


class Sim:
    def __init__(self, rows, model):
        self.rows = rows
        self.h = len(rows)
        self.w = len(rows[0])
        self.m = model
        w, h = self.w, self.h
        # prefix sums of solids per row and per column
        self.rp = []
        for r in rows:
            acc = [0]
            for c in r:
                acc.append(acc[-1] + (c == "X"))
            self.rp.append(acc)
        self.cp = []
        for x in range(w):
            acc = [0]
            for y in range(h):
                acc.append(acc[-1] + (rows[y][x] == "X"))
            self.cp.append(acc)
        self.marks = {}
        for y in range(h):
            for x in range(w):
                if rows[y][x] in "1234":
                    self.marks[(x, y)] = rows[y][x]
        self.markrows = set(y for (_, y) in self.marks)

    def row_solid(self, r, c0, c1):
        if r < 0 or r >= self.h or c0 < 0 or c1 >= self.w:
            return True
        p = self.rp[r]
        return p[c1 + 1] - p[c0] > 0

    def col_solid(self, c, r0, r1):
        if c < 0 or c >= self.w or r0 < 0 or r1 >= self.h:
            return True
        p = self.cp[c]
        return p[r1 + 1] - p[r0] > 0

    def cols(self, x):
        return (x + self.m.ox) // T, (x + self.m.ox + self.m.w - 1) // T

    def movex(self, x, y, dx):
        if dx == 0:
            return x
        r0, r1 = y // T, (y + HB - 1) // T
        ox, bw = self.m.ox, self.m.w
        if dx > 0:
            e = x + ox + bw - 1
            for c in range(e // T + 1, (e + dx) // T + 1):
                if self.col_solid(c, r0, r1):
                    return c * T - ox - bw
        else:
            e = x + ox
            for c in range(e // T - 1, (e + dx) // T - 1, -1):
                if self.col_solid(c, r0, r1):
                    return (c + 1) * T - ox
        return x + dx

    def movey(self, x, y, dy):
        """returns (new y, 'land'|'bump'|None)"""
        c0, c1 = self.cols(x)
        if dy > 0:
            e = y + HB - 1
            for r in range(e // T + 1, (e + dy) // T + 1):
                if self.row_solid(r, c0, c1):
                    return r * T - HB, "land"
        else:
            for r in range(y // T - 1, (y + dy) // T - 1, -1):
                if self.row_solid(r, c0, c1):
                    return (r + 1) * T, "bump"
        return y + dy, None

    def grounded(self, x, y):
        if (y + HB) % T:
            return False
        c0, c1 = self.cols(x)
        return self.row_solid((y + HB) // T, c0, c1)

    def touch(self, x, y, out):
        r0, r1 = y // T, (y + HB - 1) // T
        if not any(r in self.markrows for r in range(r0, r1 + 1)):
            return
        c0, c1 = self.cols(x)
        for r in range(r0, r1 + 1):
            for c in range(c0, c1 + 1):
                if (c, r) in self.marks:
                    out.add((c, r))

    def fly(self, x, y, vx, vy, touched):
        for _ in range(400):
            x = self.movex(x, y, vx)
            y, ev = self.movey(x, y, vy)
            self.touch(x, y, touched)
            if ev == "land":
                return (x, y)
            if ev == "bump":
                vy = 5
            else:
                vy += 10
        raise RuntimeError("endless fall at %d,%d" % (x, y))

    def explore(self, start):
        """Search over standing positions. Returns (nodes, edges, touched per node)."""
        sx, sy = start
        t0 = set()
        if not self.grounded(sx, sy):
            sx, sy = self.fly(sx, sy, 0, 5, t0)
        s = (sx, sy)
        seen = {s: 0}
        order = [s]
        edges = {}
        touched = {s: t0}
        q = deque([s])
        spd = self.m.speeds
        while q:
            n = q.popleft()
            x, y = n
            out = set()
            tch = touched[n]
            self.touch(x, y, tch)
            for sp in spd:
                for d in (sp, -sp):
                    nx = self.movex(x, y, d)
                    if nx == x:
                        continue
                    if self.grounded(nx, y):
                        out.add((nx, y))
                    else:
                        out.add(self.fly(nx, y, d, 5, tch))
                        out.add(self.fly(nx, y, 0, 5, tch))
            for vx in (0,) + spd + tuple(-s_ for s_ in spd):
                out.add(self.fly(x, y, vx, -35, tch))
            out.discard(n)
            edges[n] = out
            for o in out:
                if o not in seen:
                    seen[o] = len(order)
                    order.append(o)
                    touched[o] = set()
                    q.append(o)
        return order, edges, touched


def load(path, cols, rows, bgr, bgc, pics, errs):
    raw = open(path, "rb").read()
    if b"\r" in raw:
        errs.append("CR characters found (LF only)")
    txt = raw.decode("ascii")
    if not txt.endswith("\n"):
        errs.append("file does not end with LF")
    lines = txt.split("\n")
    if lines and lines[-1] == "":
        lines = lines[:-1]
    if len(lines) != rows + 1 + bgr:
        errs.append("expected %d lines, got %d" % (rows + 1 + bgr, len(lines)))
    grid = lines[:rows]
    for i, l in enumerate(grid):
        if len(l) != cols:
            errs.append("row %d has %d chars" % (i, len(l)))
        bad = set(l) - ALLOWED
        if bad:
            errs.append("row %d bad chars %r" % (i, bad))
    if len(lines) > rows and lines[rows] != "-":
        errs.append("separator line is %r" % lines[rows])
    bg = lines[rows + 1:]
    if len(bg) != bgr:
        errs.append("background has %d rows, want %d" % (len(bg), bgr))
    for i, l in enumerate(bg):
        if len(l) != bgc or not l.isdigit():
            errs.append("background row %d malformed (%r)" % (i, l[:20]))
        elif any(int(ch) >= pics for ch in l):
            errs.append("background row %d digit >= %d" % (i, pics))
    return grid, bg


def static_checks(g, start, errs, warns, infos):
    h, w = len(g), len(g[0])
    S = lambda x, y: x < 0 or y < 0 or x >= w or y >= h or g[y][x] == "X"
    # start area
    sx, sy = start
    c0, c1 = sx // T, (sx + 70 - 1) // T
    r0, r1 = sy // T, (sy + HB - 1) // T
    feet = (sy + HB) // T  # row under the feet (box ends inside row r1)
    for y in range(r0, r1 + 1):
        for x in range(c0, c1 + 1):
            if S(x, y):
                errs.append("start box overlaps solid at %d,%d" % (x, y))
    fl = r1 + 1
    for x in range(c0 - 1, c1 + 2):
        if not S(x, fl):
            errs.append("no floor under start at %d,%d" % (x, fl))
    flat = 0
    x = c1 + 1
    while x < w and S(x, fl) and all(not S(x, y) for y in range(fl - 4, fl)):
        flat += 1
        x += 1
    if flat < 10:
        warns.append("only %d flat tiles right of the start" % flat)
    # nothing may stand left of x = 0: the saved game's lists end at a negative x
    for y in range(h):
        if not S(0, y):
            errs.append("leftmost column open at row %d" % y)
    # exit
    exits = [(x, y) for y in range(h) for x in range(w) if g[y][x] == "4"]
    if len(exits) != 1:
        errs.append("%d exits" % len(exits))
    # items and exit above a floor
    for y in range(h):
        for x in range(w):
            ch = g[y][x]
            if ch in "1234":
                ok = False
                for k in range(1, 5):
                    if S(x, y + k):
                        ok = True
                        break
                if not ok:
                    if ch == "4":
                        errs.append("exit at %d,%d is not within 4 rows above a floor" % (x, y))
                    else:
                        infos.append("item %s at %d,%d floats over a gap (a reward for jumping)" % (ch, x, y))
    # enemies
    en = []
    for y in range(h):
        for x in range(w):
            ch = g[y][x]
            if ch in ENEMIES:
                ew = ENEMIES[ch]
                en.append((ch, x, y))
                for xx in range(x, x + ew):
                    if not S(xx, y + 1):
                        errs.append("enemy %s at %d,%d: no floor at %d,%d" % (ch, x, y, xx, y + 1))
                    for yy in range(y - 3, y + 1):
                        if S(xx, yy) or (g[yy][xx] in ENEMIES and (xx, yy) != (x, y)):
                            errs.append("enemy %s at %d,%d: blocked at %d,%d" % (ch, x, y, xx, yy))
                # patrol length
                ok = lambda xx: (S(xx, y + 1) and all(not S(xx, yy) for yy in range(y - 3, y + 1)))
                a = x
                while ok(a - 1):
                    a -= 1
                b = x + ew - 1
                while ok(b + 1):
                    b += 1
                if b - a + 1 < 8:
                    warns.append("enemy %s at %d,%d patrols only %d tiles" % (ch, x, y, b - a + 1))
                if abs(x - sx // T) < 20 and abs(y - r1) < 8:
                    warns.append("enemy %s at %d,%d is close to the start" % (ch, x, y))
    return exits, en


def dyn_checks(g, start, exits, errs, warns, infos):
    items = {(x, y): g[y][x] for y in range(len(g)) for x in range(len(g[0])) if g[y][x] in "123"}
    for m in MODELS:
        sim = Sim(g, m)
        order, edges, touched = sim.explore(start)
        goal = set(n for n in order if exits and exits[0] in touched[n])
        if not goal:
            errs.append("[%s] exit not reachable" % m.name)
            continue
        # reverse search: who can reach a goal node
        rev = {}
        for n, outs in edges.items():
            for o in outs:
                rev.setdefault(o, []).append(n)
        good = set(goal)
        q = deque(goal)
        while q:
            n = q.popleft()
            for p in rev.get(n, ()):
                if p not in good:
                    good.add(p)
                    q.append(p)
        bad = [n for n in order if n not in good]
        if bad:
            spots = sorted(set(((x + m.ox + m.w // 2) // T, (y + HB) // T) for x, y in bad))
            (errs if m.name == "strict" else warns).append(
                "[%s] %d dead-end positions, e.g. (col,floor row) %s" % (m.name, len(bad), spots[:12]))
        got = set()
        for n in order:
            got |= touched[n]
        miss = sorted(k for k in items if k not in got)
        infos.append("[%s] %d positions, %d/%d items reachable" % (m.name, len(order), len(items) - len(miss), len(items)))
        if miss and m.name == "full":
            warns.append("[full] unreachable items: %s" % miss)


def overview(g, bg, step):
    out = []
    h, w = len(g), len(g[0])
    for x0 in range(0, w, step):
        out.append("cols %d..%d" % (x0, min(w, x0 + step) - 1))
        ruler = "".join(str((x // 10) % 10) if x % 10 == 0 else " " for x in range(x0, min(w, x0 + step)))
        out.append("    " + ruler)
        for y in range(h):
            out.append("%3d %s" % (y, g[y][x0:x0 + step].replace(".", " ").replace("X", "#")))
    return "\n".join(out)


def main(argv):
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    show = "--show" in argv
    names = [a for a in argv if not a.startswith("-")]
    fails = 0
    for name, cols, rows, start, bgr, bgc, pics in LEVELS:
        if names and name not in names:
            continue
        path = os.path.join(root, "data", "mapy", name + ".txt")
        errs, warns, infos = [], [], []
        g, bg = load(path, cols, rows, bgr, bgc, pics, errs)
        if not errs:
            exits, en = static_checks(g, start, errs, warns, infos)
            infos.append("%d enemies (%d V, %d Z), items: %d arrows, %d health, %d quivers" % (
                len(en), sum(e[0] == "V" for e in en), sum(e[0] == "Z" for e in en),
                sum(r.count("1") for r in g), sum(r.count("2") for r in g), sum(r.count("3") for r in g)))
            if not errs:
                dyn_checks(g, start, exits, errs, warns, infos)
        if show and not any("row" in e for e in errs):
            print(overview(g, bg, 200))
            print("background:")
            print("\n".join(bg))
        print("== %s: %s" % (name, "OK" if not errs else "FAILED"))
        for e in errs:
            print("  ERROR", e)
        for wn in warns:
            print("  warn ", wn)
        for i in infos:
            print("  info ", i)
        fails += bool(errs)
    return 1 if fails else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
