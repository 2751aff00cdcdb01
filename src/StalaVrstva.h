// SPDX-License-Identifier: GPL-3.0-or-later
// The still part of the view (background and solid tiles) kept from frame to
// frame, so that a frame copies it once instead of drawing it tile by tile.
#pragma once

#include <SDL.h>

#include <functional>

#include "IO.h"

// A buffer a few tiles larger than the view that wraps around both ways:
// world pixel (x, y) lives at (x mod its width, y mod its height). As the
// view moves, only the tiles it newly reaches are drawn into it, whatever the
// size of the level. About 2.1 MB on a 32-bit screen.
class StalaVrstva {
public:
    // Draws the tiles od <= i < po of row j with tile od's top-left corner at
    // (x, y) of kam.
    using KresliRadu = std::function<void(SDL_Surface* kam, int j, int od, int po, int x, int y)>;

    // What was drawn no longer holds: new pictures, a new grid.
    void zapomen() { platne = {}; }

    // Copies the view of sirka x vyska pixels whose top-left corner is world
    // point (x, y) onto kam's top-left corner, within its clip rectangle,
    // after drawing the tiles of sirkaBunky x vyskaBunky pixels the buffer
    // lacks. False, with kam untouched, on a palette screen or without
    // memory for the buffer.
    bool vykresli(SDL_Surface* kam, int x, int y, int sirka, int vyska, int sirkaBunky, int vyskaBunky,
                  const KresliRadu& kresli);

private:
    struct Bunky {
        int x0 = 0, x1 = 0, y0 = 0, y1 = 0;  // x0 <= i < x1, y0 <= j < y1
    };
    bool pripravBuffer(const SDL_Surface* kam, int sloupcu, int radku, int sirkaBunky, int vyskaBunky);
    void dokresli(int j, int od, int po, const KresliRadu& kresli);

    Obrazek buffer;
    int sirkaBunky = 0, vyskaBunky = 0;
    int sloupcu = 0, radku = 0;  // tiles the buffer holds each way
    Bunky platne;                // the tiles it holds now
};
