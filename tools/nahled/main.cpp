// SPDX-License-Identifier: GPL-3.0-or-later
// Renders one frame of a level with the hunter at a chosen spot, for looking
// at level design without playing there:
//   nahled LEVEL X Y OUT.bmp      (run in the data folder)
#include <cstdio>
#include <cstdlib>

#include "Hrac.h"
#include "Level.h"

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s LEVEL X Y OUT.bmp\n", argv[0]);
        return 2;
    }
    const int cil = std::atoi(argv[1]);
    if (cil < 1 || cil > 3) {
        std::fprintf(stderr, "LEVEL is 1, 2 or 3\n");
        return 2;
    }
    try {
        Hrac hrac;
        Level level(&hrac, 1);
        Obrazek obrazovka(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        // Walk through the exits up to the wanted level.
        for (int typ = 1; typ < cil; ++typ) {
            hrac.novyLvl = true;
            hrac.stop = true;
            level.vykresliSe(obrazovka.get());
        }
        hrac.pozice.x = static_cast<Sint16>(std::atoi(argv[2]));
        hrac.pozice.y = static_cast<Sint16>(std::atoi(argv[3]));
        hrac.stop = true;
        level.vykresliSe(obrazovka.get());
        if (SDL_SaveBMP(obrazovka.get(), argv[4]) != 0) {
            std::fprintf(stderr, "cannot write %s\n", argv[4]);
            return 1;
        }
    } catch (const char* zprava) {
        std::fprintf(stderr, "%s\n", zprava);
        return 1;
    }
    return 0;
}
