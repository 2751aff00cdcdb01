// SPDX-License-Identifier: GPL-3.0-or-later
// A saved game as its file holds it. The whole file is read and checked into
// this plain record before any of it reaches the running game, so a damaged
// file is refused with the game left exactly as it was.
#pragma once

#include <SDL.h>

#include <functional>
#include <istream>
#include <vector>

#include "Hrac.h"

struct UlozenyHrac {
    int nSipu = 0;
    int pozSipy = 0;
    Sint16 x = 0;
    Sint16 y = 0;
    bool m = false;
    bool vlevo = false;
    bool vzduch = false;
    int skok = 0;
    int pad = 0;
    int beh = 0;
    int score = 0;
    int sila = 0;
    int obratnost = 0;
    int zivoty = 0;
    int maxZivotu = 0;
    int citac = 0;
    int pocetSipu = 0;
    std::vector<VystrelenySip> sipy;  // the pozSipy arrows in flight
    bool operator==(const UlozenyHrac&) const = default;
};

struct UlozenyNepritel {
    Sint16 x = 0;
    Sint16 y = 0;
    int typ = 0;
    int zivoty = 0;
    int mod = 0;
    int aNohy = 0;
    int aTelo = 0;
    int citac = 0;
    bool vlevo = false;
    bool utok = false;
    bool operator==(const UlozenyNepritel&) const = default;
};

struct UlozenaZnacka {
    Sint16 x = 0;
    Sint16 y = 0;
    int n = 0;
    bool operator==(const UlozenaZnacka&) const = default;
};

// What the reader must know of level t before it is built.
struct MapaLevelu {
    int sLvl = 0;
    int vLvl = 0;
    int druhuPredmetu = 0;  // item kinds its map gives codes to: codes 1 to this
};

struct UlozenaHra {
    int typ = 0;
    int obtiznost = 0;
    UlozenyHrac hrac;
    std::vector<unsigned char> predmety;  // column by column
    // All in the order of the file.
    std::vector<UlozenyNepritel> nepratele;
    std::vector<UlozenaZnacka> zasahy;
    std::vector<UlozenaZnacka> minuti;
    bool operator==(const UlozenaHra&) const = default;

    // Reads the five blocks and checks every value the game would trust;
    // throws kPoskozenaHra for a file that ends early or holds anything the
    // game cannot use. mapa(t) is asked only for t from 1 to 3.
    static UlozenaHra precti(std::istream& is, const std::function<MapaLevelu(int t)>& mapa);
};
