#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the replay scripts from trasa1.txt, a route through level 1 (one
input per frame, the indices of the inputs of tests/test_pruchod.cpp, as its
route search prints them):

  uroven1.txt  the recorded run: the route with a fight beside the first
               warrior, then a save, a walk and a load, and both scales in
               level 2;
  dlouha.txt   a long session for the memory check: the route four times,
               each time loading the game saved in the first frame.

usage: python3 tools/prehravac/zaznam/skripty.py
"""
import os

TU = os.path.dirname(os.path.abspath(__file__))
# (direction, run, jump) of each input
VSTUPY = [(0, 0, 0), (1, 0, 0), (-1, 0, 0), (1, 1, 0), (-1, 1, 0),
          (0, 0, 1), (1, 0, 1), (-1, 0, 1), (1, 1, 1), (-1, 1, 1)]


class Skript:
    def __init__(self):
        self.radky = []
        # the hunter's key flags; a new hunter walks right
        self.stop, self.vlevo, self.beh = False, False, False

    def prikaz(self, snimek, co, poznamka=None):
        self.radky.append((snimek, len(self.radky), co, poznamka))

    def vstup(self, snimek, v):
        """The key presses and releases that give this frame's input."""
        smer, beh, skok = VSTUPY[v]
        if smer:
            self.prikaz(snimek, 'stisk ' + ('right' if smer > 0 else 'left'))
            self.stop, self.vlevo = False, smer < 0
        elif not self.stop:
            self.zastav(snimek)
        if beh != self.beh:
            self.prikaz(snimek, ('stisk' if beh else 'pust') + ' f')
            self.beh = beh
        if skok:
            self.prikaz(snimek, 'stisk d')

    def zastav(self, snimek, poznamka=None):
        if not self.stop:
            self.prikaz(snimek, 'pust ' + ('left' if self.vlevo else 'right'), poznamka)
        self.stop = True
        if self.beh:
            self.prikaz(snimek, 'pust f')
        self.beh = False

    def zapis(self, soubor, hlavicka):
        with open(os.path.join(TU, soubor), 'w') as f:
            for h in hlavicka:
                f.write('# ' + h + '\n')
            f.write('hodiny 1000000000\n')
            for snimek, _, co, poznamka in sorted(self.radky):
                if poznamka:
                    f.write('# ' + poznamka + '\n')
                f.write('%d %s\n' % (snimek, co))


def uroven1(trasa):
    s = Skript()
    boj, pauza = 74, 50  # after frame 73 he stands beside the warrior at x 1890
    s.prikaz(0, 'obrazek zacatek')
    for i, v in enumerate(trasa):
        if i == boj:
            s.zastav(boj, 'stop, turn to the warrior behind: the sword six times, then the bow')
            mec = [(d, 'tukni space') for d in range(1, 27, 5)]
            for d, co in mec + [(0, 'tukni left'), (2, 'obrazek boj'), (29, 'tukni a'), (31, 'tukni space'), (32, 'obrazek luk'),
                                (35, 'tukni up'), (36, 'tukni space'), (41, 'tukni space'), (45, 'tukni a'),
                                (48, 'uloz boj.sav'), (49, 'tukni right')]:
                s.prikaz(boj + d, co)
        s.vstup(i if i < boj else i + pauza, v)
    e = len(trasa) + pauza  # the first frame of level 2
    s.zastav(e, 'level 2: a save, a walk, a load, and both scales')
    for d, co in [(1, 'obrazek uroven2'), (5, 'tukni s'), (6, 'stisk right'), (16, 'pust right'),
                  (16, 'tukni f9'), (17, 'obrazek nacteno'), (20, 'tukni kp_minus'), (22, 'obrazek male'),
                  (26, 'tukni kp_plus'), (28, 'obrazek velke'), (30, 'uloz konec.sav'), (30, 'konec')]:
        s.prikaz(e + d, co)
    s.zapis('uroven1.txt', [
        'The recorded run through level 1: walking, running jumps and pickups on',
        'the way, a fight with the sword and the bow beside the first warrior, the',
        'exit, then in level 2 a save, a walk and a load, and both scales.',
        'Written by skripty.py; the commands are explained in ../main.cpp.'])


def dlouha(trasa, kol=4):
    s = Skript()
    s.prikaz(0, 'tukni s', 'saved after the first frame of the route')
    snimek = 0
    for k in range(kol):
        for v in trasa[0 if k == 0 else 1:]:
            s.vstup(snimek, v)
            snimek += 1
        s.zastav(snimek, 'level 2: both scales, a save while small, then back to level 1')
        for d, co in [(3, 'tukni kp_minus'), (6, 'uloz male%d.sav' % k), (8, 'tukni kp_plus')]:
            s.prikaz(snimek + d, co)
        snimek += 10
        if k + 1 < kol:
            # The keys of the route's first frame, then F9 restores its end.
            s.vstup(snimek, trasa[0])
            s.prikaz(snimek, 'tukni f9')
            snimek += 1
    s.prikaz(snimek, 'uloz konec.sav')
    s.prikaz(snimek, 'konec')
    s.zapis('dlouha.txt', [
        'A long session for the memory check: level 1 to its exit four times,',
        'a load of level 1 between, scale switches and saves. Written by skripty.py.'])


if __name__ == '__main__':
    with open(os.path.join(TU, 'trasa1.txt')) as f:
        trasa = [int(radek) for radek in f]
    uroven1(trasa)
    dlouha(trasa)
