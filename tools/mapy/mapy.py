#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the three Grondelvik level maps from the segment descriptions below.

Run from the repo root:
    python3 tools/mapy/mapy.py            writes data/mapy/{hrad,venku,pol}.txt
    python3 tools/mapy/mapy.py --check    writes them, then runs tools/mapy/check.py
    python3 tools/mapy/mapy.py --show     writes, checks and prints ASCII overviews
    python3 tools/mapy/mapy.py --verify   only compares the .txt files with the generator
The output is deterministic; the .txt files are the committed truth.

Coordinates: column x (0 = left), row y (0 = top). A "floor f" means row f is
solid and the hunter stands with his feet on its top edge (rows f-4..f-1 free).
"""
import hashlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))


def pick(cx, cy, choices, row):
    """Deterministic, irregular choice of a background picture for cell
    (cx, cy); avoids repeating the left neighbour's picture when it is not
    the first (plain) choice."""
    h = int(hashlib.md5(("%d,%d" % (cx, cy)).encode()).hexdigest()[:8], 16)
    c = choices[h % len(choices)]
    if row and row[-1] == c and c != choices[0]:
        c = choices[0]
    return c


def bgrow(cy, n, choices):
    row = ""
    for cx in range(n):
        row += pick(cx, cy, choices, row)
    return row


class Grid:
    def __init__(self, w, h, fill="."):
        self.w, self.h = w, h
        self.c = [[fill] * w for _ in range(h)]

    def rect(self, x0, y0, x1, y1, ch="X"):
        """Fill the inclusive rectangle x0..x1, y0..y1."""
        for y in range(max(0, y0), min(self.h - 1, y1) + 1):
            for x in range(max(0, x0), min(self.w - 1, x1) + 1):
                self.c[y][x] = ch

    def carve(self, x0, y0, x1, y1):
        self.rect(x0, y0, x1, y1, ".")

    def room(self, x0, x1, floor, free):
        """Empty space of `free` rows above floor row `floor` (floor itself solid)."""
        self.carve(x0, floor - free, x1, floor - 1)
        self.rect(x0, floor, x1, floor)

    def plat(self, x0, x1, y):
        self.rect(x0, y, x1, y)

    def block(self, x0, x1, top, bottom):
        self.rect(x0, top, x1, bottom)

    def stairs(self, x0, floor, steps, width=3, rise=1, free=9, down=False):
        """Stairs going right, each step `width` wide and `rise` rows up (or down).
        Each step is carved `free` rows high; returns (next x, last floor)."""
        f = floor
        x = x0
        for _ in range(steps):
            f = f + rise if down else f - rise
            self.carve(x, f - free, x + width - 1, f - 1)
            self.rect(x, f, x + width - 1, f)
            x += width
        return x, f

    def put(self, x, y, ch):
        assert self.c[y][x] == ".", "item %s at %d,%d on %r" % (ch, x, y, self.c[y][x])
        self.c[y][x] = ch

    def items(self, placed):
        for x, y, ch in placed:
            self.put(x, y, ch)

    def enemy(self, x, y, ch):
        w = 3 if ch == "V" else 2
        for xx in range(x, x + w):
            assert self.c[y + 1][xx] == "X", "enemy %s %d,%d no floor" % (ch, x, y)
            for yy in range(y - 3, y + 1):
                assert self.c[yy][xx] == ".", "enemy %s %d,%d blocked at %d,%d" % (ch, x, y, xx, yy)
        self.c[y][x] = ch

    def text(self):
        return "".join("".join(r) + "\n" for r in self.c)


# ---------------------------------------------------------------------------
# Level 1: the castle.  Start on the entrance-hall floor (row 29) at column 13.
# Route: entrance hall -> stairs up -> gallery (floor 22) -> great hall (sunken,
# floor 29, optional chandelier route with a quiver) -> stairs to the landing
# (floor 21) -> guard room: either drop through the trapdoor into the cellar
# (floor 29) or climb the wall stairs to the battlements (floor 8) -> keep ->
# throne dais (floor 19) with the exit in an alcove at the right wall.
# ---------------------------------------------------------------------------
def hrad():
    g = Grid(200, 30, "X")
    # A: entrance hall
    g.carve(1, 14, 36, 28)
    g.items([(21, 28, "1"), (27, 28, "1")])
    g.block(31, 33, 28, 28)                     # a low dais, one step
    g.items([(32, 27, "1")])
    g.block(6, 8, 27, 28)                       # crates behind the start...
    g.block(1, 5, 25, 28)                       # ...up to a shelf with arrows
    g.items([(2, 24, "1"), (4, 24, "1")])
    # B: stairs up to the gallery
    x, f = g.stairs(37, 29, 7, width=3, rise=1, free=10)   # ends x=58, f=22
    g.put(53, 21, "2")
    # C: gallery
    g.room(58, 84, 22, 10)
    g.block(72, 73, 21, 21)                     # a fallen stone to hop over
    g.enemy(63, 21, "V")
    g.enemy(78, 21, "Z")
    g.items([(66, 21, "1"), (83, 20, "1")])
    # D: great hall, sunken floor 29, chandeliers above
    g.carve(85, 2, 124, 28)
    g.plat(87, 90, 20)
    g.plat(93, 96, 18)
    g.plat(99, 103, 16)
    g.plat(106, 110, 17)
    g.items([(95, 17, "1"), (100, 15, "1"), (102, 15, "3"), (108, 16, "1")])
    g.block(112, 114, 27, 28)
    g.block(115, 117, 25, 28)
    g.block(118, 120, 23, 28)
    g.block(121, 124, 21, 28)                   # landing
    g.enemy(97, 28, "Z")
    g.items([(89, 28, "2"), (106, 28, "1")])
    # E: guard room, trapdoor down to the cellar, wall stairs up
    g.room(125, 133, 21, 10)
    g.carve(128, 21, 130, 22)                   # trapdoor
    g.put(129, 17, "1")                         # reward for jumping over it
    x, f = g.stairs(134, 21, 6, width=3, rise=2, free=9)   # ends x=152, f=9
    # cellar
    g.carve(126, 23, 176, 28)
    g.enemy(138, 28, "Z")
    g.enemy(150, 28, "V")
    g.items([(134, 28, "2"), (145, 28, "1"), (146, 28, "1"), (160, 27, "3")])
    # F: battlements, open to the sky
    g.carve(134, 0, 176, 7)
    g.carve(146, 0, 151, 8)
    g.put(141, 8, "1")                          # jump for it on the wall stairs
    g.room(152, 176, 8, 8)
    g.block(160, 162, 6, 7)                     # tower stump
    g.carve(166, 8, 168, 22)                    # broken walk: shaft into the cellar
    g.enemy(153, 7, "V")
    g.enemy(171, 7, "Z")
    g.items([(161, 5, "2"), (167, 5, "1")])
    # G: the keep
    g.carve(177, 1, 198, 28)
    g.plat(177, 180, 8)                         # balcony from the battlements
    g.block(178, 180, 27, 28)
    g.block(181, 183, 25, 28)
    g.block(184, 186, 23, 28)
    g.block(187, 189, 21, 28)
    g.block(190, 198, 19, 28)                   # throne dais
    g.block(195, 198, 1, 13)                    # alcove ceiling
    g.plat(183, 187, 13)                        # chandelier below the balcony
    g.items([(184, 12, "1"), (186, 12, "1")])
    g.put(185, 21, "2")
    g.enemy(191, 18, "V")
    g.put(197, 18, "4")
    bg = [bgrow(0, 20, "0022"), bgrow(1, 20, "00112"), bgrow(2, 20, "0001")]
    return g, bg


# ---------------------------------------------------------------------------
# Level 2: outdoors.  Start on the meadow (floor 17) at column 13.
# Route: meadow -> hill crest (floor 13) -> forest (floor 19) with an optional
# arch of tree crowns above it -> river (2-tile gap; falling in leads into the
# grotto) -> either over the mountain (peak floor 9) or down the sinkhole into
# the cave (floor 28) that climbs back to the surface -> meadow with the ruined
# chapel; exit under its roof at the right edge (floor 19).
# ---------------------------------------------------------------------------
def venku():
    g = Grid(200, 30, ".")
    for x0, x1, top in [(0, 35, 17), (36, 38, 16), (39, 41, 15), (42, 50, 13),
                        (51, 98, 19), (101, 118, 19),
                        (119, 122, 17), (123, 126, 15), (127, 130, 13), (131, 133, 11),
                        (134, 141, 9),
                        (142, 144, 11), (145, 148, 13), (149, 152, 15), (153, 158, 17),
                        (159, 199, 19)]:
        g.block(x0, x1, top, 29)
    # The leftmost column stays solid in every level: nothing may come to rest
    # left of x = 0, where the saved game's lists end.
    g.block(0, 0, 0, 29)
    # behind the start: a rock with health
    g.block(2, 6, 15, 16)
    g.put(4, 14, "2")
    g.put(25, 16, "1")
    g.enemy(45, 12, "Z")                        # thief on the hill crest
    g.put(49, 12, "1")
    # forest: crowns form an arch above the forest floor
    for x0, x1, y in [(53, 57, 11), (60, 64, 10), (67, 71, 10), (74, 78, 11),
                      (81, 85, 12), (88, 92, 14)]:
        g.plat(x0, x1, y)
    g.items([(62, 9, "1"), (63, 9, "1"), (69, 9, "3"), (83, 11, "2")])
    g.block(66, 67, 18, 18)                     # a boulder on the forest floor
    g.enemy(57, 18, "V")
    g.enemy(78, 18, "Z")
    g.items([(72, 18, "1"), (95, 18, "2")])
    # river: gap 99-100, channel under overhanging banks, grotto -> cave
    g.carve(99, 19, 100, 20)
    g.carve(97, 21, 102, 27)
    g.block(99, 100, 28, 29)                    # river bed
    g.put(99, 16, "1")                          # over the river
    g.carve(103, 22, 160, 27)                   # cave
    g.carve(113, 19, 115, 21)                   # sinkhole
    g.block(120, 121, 27, 27)
    g.block(138, 139, 26, 27)
    for x in (108, 117, 131, 146, 153):
        g.rect(x, 22, x, 22)                    # stalactites
    g.enemy(104, 18, "Z")
    g.enemy(107, 27, "Z")
    g.enemy(127, 27, "V")
    g.enemy(147, 27, "Z")
    g.items([(101, 27, "2"), (111, 27, "1"), (124, 27, "1"), (134, 27, "2"),
             (142, 27, "1"), (156, 27, "3")])
    # cave exit: stairs up to the meadow
    x, f = g.stairs(161, 28, 4, width=3, rise=2, free=7)
    # pine crowns from the mountain's foot over the cave mouth
    for x0, x1, y in [(161, 165, 15), (168, 172, 13), (175, 180, 13)]:
        g.plat(x0, x1, y)
    g.items([(163, 14, "1"), (170, 12, "3"), (178, 12, "2")])
    # mountain peak
    g.enemy(135, 8, "V")
    g.items([(140, 8, "3"), (132, 10, "1"), (128, 12, "2")])
    # final meadow and the ruined chapel
    g.enemy(177, 18, "V")
    g.enemy(185, 18, "Z")
    g.put(174, 18, "2")
    g.block(191, 199, 13, 13)                   # chapel roof
    g.block(190, 190, 12, 13)
    g.put(197, 18, "4")
    # 0 clouds, 1 the sun, 2 an island with a tree, 3 a big cloud, 4 birds:
    # one sun, high above the start, and islands only at the walking height
    bg = [bgrow(0, 20, "0003"), bgrow(1, 20, "00234"), bgrow(2, 20, "0034")]
    bg[0] = bg[0][:1] + "1" + bg[0][2:]
    return g, bg


# ---------------------------------------------------------------------------
# Level 3: the polar ice, 600 x 90.  Three lanes braid along the level:
#   U  the glacier surface under the polar night (floors 18..40, open sky),
#   M  the middle ice corridors (floors 53..60; the start is here, floor 60),
#   L  the deep ice caves (floors 85..86).
# Ascents (ice stairs / floes) lead from M up to U; crevasses drop from U to M
# and from M to L; the deep cave L1 climbs back up in the junction hall.  All
# routes end in the ice palace (columns 516..598), a tall hall that cascades
# down to its floor (row 87) with the exit in an alcove at the right wall.
# ---------------------------------------------------------------------------
def pol():
    g = Grid(600, 90, "X")

    def lane(segs, free):
        for x0, x1, f in segs:
            g.carve(x0, f - free, x1, f - 1)

    def sky(segs):
        for x0, x1, f in segs:
            g.carve(x0, 0, x1, f - 1)

    def icicles(xs, row, n=1):
        for x in xs:
            g.rect(x, row, x, row + n - 1)

    def flight(x, top, widths, gaps, floor_to, thick=2, free=9, solid_steps=0):
        """Ice stairs going right and up by 2 rows per step.  The first
        `solid_steps` steps are solid down to row floor_to, the rest are
        slabs `thick` rows thick.  Returns a list of (x0, x1, top)."""
        out = []
        for i, w in enumerate(widths):
            g.carve(x, top - free, x + w - 1, top - 1)
            if i < solid_steps:
                g.block(x, x + w - 1, top, floor_to)
            else:
                g.block(x, x + w - 1, top, top + thick - 1)
            out.append((x, x + w - 1, top))
            x += w + gaps
            top -= 2
        return out

    # ---- section 1: start cavern and the first ice hall (M) ----------------
    lane([(1, 46, 60)], 15)
    g.block(1, 5, 58, 59)                       # ledge behind the start
    g.items([(2, 57, "2"), (4, 57, "1")])
    icicles([9, 21, 35], 45)
    g.items([(18, 59, "3"), (24, 59, "1"), (28, 59, "1")])
    lane([(47, 53, 59), (54, 100, 60)], 18)
    icicles([58, 70, 88, 97], 42, 2)
    g.carve(78, 60, 80, 84)                     # crevasse C1 down to the deep cave
    g.enemy(62, 59, "Z")
    g.items([(79, 56, "1"), (90, 59, "2")])

    # ---- section 2: ascent A1 (M -> U), corridor M2, deep cave L1 ----------
    lane([(104, 150, 60), (151, 156, 59), (157, 185, 58), (186, 192, 59), (193, 228, 60)], 12)
    icicles([134, 160, 178, 215], 48)
    a1 = flight(101, 58, [3, 3, 3, 3, 3, 6, 3, 3, 3, 3, 6, 3, 3, 3, 3], 0, 59, solid_steps=2)
    sky([(134, 145, 21)])
    g.items([(a1[4][0] + 1, a1[4][2] - 1, "1"), (a1[5][0] + 4, a1[5][2] - 1, "2"),
             (a1[9][0] + 1, a1[9][2] - 1, "1"), (a1[10][0] + 4, a1[10][2] - 1, "1"),
             (a1[13][0] + 1, a1[13][2] - 1, "1")])
    g.enemy(120, 59, "V")
    g.enemy(165, 57, "Z")
    g.enemy(205, 59, "V")
    g.items([(130, 59, "1"), (150, 58, "2"), (175, 57, "1"), (198, 59, "1"), (222, 59, "3")])
    lane([(62, 100, 85), (101, 103, 84), (104, 135, 85), (136, 139, 83), (140, 170, 85),
          (171, 173, 84), (174, 240, 85)], 9)
    icicles([88, 110, 127, 145, 167, 190, 212], 76)
    g.enemy(95, 84, "V")
    g.enemy(115, 84, "V")
    g.enemy(150, 84, "Z")
    g.enemy(185, 84, "V")
    g.enemy(220, 84, "Z")
    g.items([(64, 84, "3"), (66, 84, "1"), (84, 84, "3"), (105, 84, "1"), (137, 82, "2"), (160, 84, "1"),
             (200, 84, "1"), (232, 84, "2")])

    # ---- junction hall J1: bridge, ice floes, terraces up to M3 ------------
    g.carve(229, 40, 291, 84)
    g.block(229, 240, 60, 61)                   # bridge, continues M2
    g.enemy(232, 59, "Z")
    ter = flight(241, 83, [3, 3, 3, 3, 3, 9, 3, 3, 3, 3, 3, 3, 3, 3, 3], 0, 84,
                 solid_steps=15)
    for x0, x1, y in [(243, 246, 60), (249, 252, 59), (255, 258, 60), (261, 264, 61)]:
        g.plat(x0, x1, y)                       # ice floes across the hall
    g.items([(244, 59, "1"), (250, 58, "2"), (262, 60, "1")])
    px0, px1, ptop = ter[5]
    g.items([(px0 + 1, ptop - 1, "2"), (ter[9][0] + 1, ter[9][2] - 1, "1"),
             (ter[12][0] + 1, ter[12][2] - 1, "1")])

    # ---- section 3: corridor M3 with ascent A2, the glacier U above ---------
    lane([(292, 318, 55), (319, 321, 54), (322, 340, 53), (341, 343, 54), (344, 440, 55)], 11)
    icicles([300, 326, 352, 366, 432], 44)
    g.enemy(300, 54, "V")
    g.enemy(330, 52, "V")
    g.enemy(355, 54, "V")
    g.enemy(425, 54, "Z")
    g.items([(296, 54, "1"), (320, 53, "2"), (338, 52, "1"), (362, 54, "3"), (370, 54, "1"),
             (418, 54, "2"), (436, 54, "1")])
    g.carve(350, 55, 352, 77)                   # crevasse C2 down to the deep cave
    g.put(351, 52, "1")
    lane([(300, 340, 86), (341, 343, 85), (344, 395, 86), (396, 399, 84), (400, 445, 86)], 9)
    icicles([315, 333, 360, 381, 410, 437], 77)
    g.enemy(320, 85, "Z")
    g.enemy(370, 85, "V")
    g.items([(302, 85, "3"), (304, 85, "1"), (342, 84, "2"), (385, 85, "1"), (397, 83, "1"), (412, 85, "2"),
             (430, 85, "2")])
    a2 = flight(378, 53, [3, 3, 3, 3, 3, 3, 3], 2, 54, solid_steps=2)
    for x0, x1, top in a2:
        g.carve(x1 + 1, top - 9, x1 + 2, 54)   # open gaps between the steps
    sky([(393, 410, 41)])                       # A2 opens into the glacier
    g.items([(a2[3][0] + 1, a2[3][2] - 1, "1"), (a2[5][0] + 1, a2[5][2] - 1, "2")])

    # glacier surface U: (x0, x1, floor), sky above
    usegs = [(146, 160, 30), (161, 163, 28), (164, 178, 26), (179, 181, 28), (182, 188, 30),
             (189, 191, 28), (195, 205, 30), (206, 208, 28), (209, 211, 26), (212, 214, 24), (215, 232, 22),
             (233, 262, 28), (263, 265, 26), (269, 284, 28), (285, 287, 26), (288, 300, 24), (301, 303, 26),
             (304, 306, 28), (307, 328, 30), (329, 331, 28), (335, 350, 30), (351, 353, 28), (354, 356, 26),
             (357, 366, 24), (367, 381, 30), (382, 384, 32), (385, 387, 34), (388, 392, 36),
             (411, 437, 40), (438, 440, 38), (444, 452, 40), (453, 470, 38),
             (471, 515, 36)]
    sky(usegs)
    # crevasses, each behind a 2-high serac to jump from (or fall in: leads on)
    sky([(192, 194, 30), (266, 268, 28), (332, 334, 30), (441, 443, 40)])
    g.carve(192, 30, 194, 47)                   # crevasse U -> M2
    g.carve(266, 28, 268, 39)                   # crevasse U -> junction hall
    g.carve(332, 30, 334, 43)                   # crevasse U -> M3
    g.carve(441, 40, 443, 45)                   # crevasse U -> M4
    for x0, x1, y in [(235, 239, 20), (242, 246, 18), (369, 373, 22)]:
        g.plat(x0, x1, y)                       # floating ice above the glacier
    g.items([(237, 19, "1"), (244, 17, "3"), (371, 21, "2"), (372, 21, "1")])
    g.enemy(168, 25, "Z")
    g.enemy(220, 21, "V")
    g.enemy(250, 27, "Z")
    g.enemy(275, 27, "V")
    g.enemy(292, 23, "Z")
    g.enemy(315, 29, "V")
    g.enemy(359, 23, "V")
    g.enemy(428, 39, "V")
    g.enemy(458, 37, "Z")
    g.enemy(490, 35, "V")
    g.items([(150, 29, "1"), (172, 25, "1"), (203, 29, "2"), (225, 21, "3"), (230, 21, "1"),
             (258, 27, "1"), (282, 27, "2"), (296, 23, "1"), (326, 29, "1"), (346, 29, "2"),
             (415, 39, "1"), (435, 39, "2"), (465, 37, "1"), (480, 35, "1"), (510, 35, "2")])

    # ---- section 4: corridor M4, deep cave L2 --------------------------------
    lane([(441, 470, 57), (471, 490, 55), (491, 515, 57)], 11)
    icicles([450, 478, 500], 46)
    g.carve(455, 57, 457, 76)                   # crevasse C3 down to L2
    g.enemy(445, 56, "V")
    g.enemy(480, 54, "Z")
    g.enemy(500, 56, "V")
    g.items([(452, 56, "1"), (456, 53, "1"), (475, 54, "2"), (508, 56, "3")])
    lane([(446, 480, 86), (481, 484, 85), (485, 515, 86)], 9)
    icicles([465, 492, 506], 77)
    g.enemy(468, 85, "Z")
    g.enemy(495, 85, "V")
    g.items([(450, 85, "2"), (460, 85, "1"), (482, 84, "1"), (512, 85, "1")])

    # ---- the ice palace ------------------------------------------------------
    g.carve(516, 30, 598, 86)
    icicles([524, 538, 551, 566, 581], 30, 3)
    g.block(516, 530, 57, 58)                   # ledge continuing M4
    for x0, x1, y in [(519, 527, 42), (532, 541, 46), (546, 556, 50), (559, 566, 52),
                      (570, 578, 56), (582, 589, 60)]:
        g.plat(x0, x1, y)                       # cascade below the glacier's end
    g.items([(523, 41, "1"), (536, 45, "2"), (552, 49, "3"), (563, 51, "1"), (574, 55, "1"),
             (586, 59, "2")])
    g.enemy(548, 49, "Z")
    for x0, x1, y in [(535, 547, 62), (520, 532, 69), (552, 566, 67), (536, 549, 75),
                      (570, 584, 73), (556, 568, 80)]:
        g.plat(x0, x1, y)
    g.block(545, 546, 85, 86)                   # ice pillars on the palace floor
    g.block(565, 566, 86, 86)
    g.block(592, 598, 30, 80)                   # the exit alcove
    g.enemy(538, 61, "V")
    g.enemy(556, 66, "Z")
    g.enemy(540, 74, "Z")
    g.enemy(574, 72, "V")
    g.enemy(530, 86, "Z")
    g.enemy(578, 86, "V")
    g.items([(545, 61, "1"), (523, 68, "2"), (530, 68, "3"), (563, 66, "1"), (582, 72, "2"),
             (560, 79, "1"), (522, 86, "1"), (555, 86, "2"), (588, 86, "1")])
    g.put(596, 86, "4")

    # background: 0 stars, 1 the moon, 2 an aurora, 3 ice crystals, 4 a
    # shooting star; one moon, in the first open sky past the start, auroras
    # and shooting stars over the glacier, crystals in the caves
    bg = []
    moon = False
    for cy in range(9):
        row = ""
        for cx in range(60):
            open_sky = cy <= 3 and all(g.c[y][min(599, cx * 10 + 5)] == "."
                                       for y in range(0, cy * 10 + 1))
            if open_sky and not moon and cy >= 1 and cx >= 12:
                row += "1"
                moon = True
            elif open_sky:
                row += pick(cx, cy, "00024", row)
            else:
                row += pick(cx, cy, "000223", row)
        bg.append(row)
    return g, bg


LEVELS = [("hrad", hrad), ("venku", venku), ("pol", pol)]


def render():
    for name, fn in LEVELS:
        g, bg = fn()
        yield name, g.text() + "-\n" + "".join(r + "\n" for r in bg)


def build():
    for name, txt in render():
        path = os.path.join(ROOT, "data", "mapy", name + ".txt")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", newline="\n") as fh:
            fh.write(txt)


def verify():
    """Exit status 1 if the committed .txt files differ from what this builds."""
    bad = 0
    for name, txt in render():
        path = os.path.join(ROOT, "data", "mapy", name + ".txt")
        same = os.path.exists(path) and open(path, newline="").read() == txt
        print("%s: %s" % (name, "up to date" if same else "DIFFERS from the generator"))
        bad += not same
    return 1 if bad else 0


def main(argv):
    if "--verify" in argv:
        return verify()
    build()
    if "--check" in argv or "--show" in argv:
        sys.path.insert(0, HERE)
        import check
        return check.main([a for a in argv if a != "--check"])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
