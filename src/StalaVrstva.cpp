// SPDX-License-Identifier: GPL-3.0-or-later
#include "StalaVrstva.h"

#include <algorithm>

namespace {
// Rounding down, for the tiles left of and above the level.
int dolu(int a, int b) {
    return a / b - (a % b < 0);
}
int zbytek(int a, int b) {
    const int r = a % b;
    return r < 0 ? r + b : r;
}
}  // namespace

bool StalaVrstva::pripravBuffer(const SDL_Surface* kam, int s, int r, int sb, int vb) {
    const SDL_PixelFormat* f = kam->format;
    if (f->BytesPerPixel < 2) return false;
    const SDL_PixelFormat* b = buffer ? buffer->format : nullptr;
    // Kept while the screen's format stays and it is large enough, also
    // across a scale switch: a new one costs its pages once more.
    if (!b || b->BytesPerPixel != f->BytesPerPixel || b->Rmask != f->Rmask || b->Gmask != f->Gmask ||
        b->Bmask != f->Bmask || b->Amask != f->Amask || buffer->w < s * sb || buffer->h < r * vb) {
        buffer.reset();
        buffer = novyObrazek(s * sb, r * vb, f);
        sirkaBunky = vyskaBunky = 0;
        if (!buffer) return false;
        // Copied out as it is, never blended.
        SDL_SetAlpha(buffer.get(), 0, SDL_ALPHA_OPAQUE);
    }
    if (sb != sirkaBunky || vb != vyskaBunky) {
        platne = {};
        sirkaBunky = sb, vyskaBunky = vb;
        sloupcu = buffer->w / sb, radku = buffer->h / vb;
    }
    return true;
}

void StalaVrstva::dokresli(int j, int od, int po, const KresliRadu& kresli) {
    if (od >= po) return;
    const int x = zbytek(od, sloupcu), y = zbytek(j, radku) * vyskaBunky;
    // Split where the row wraps round.
    const int n = std::min(po - od, sloupcu - x);
    kresli(buffer.get(), j, od, od + n, x * sirkaBunky, y);
    if (od + n < po) kresli(buffer.get(), j, od + n, po, 0, y);
}

bool StalaVrstva::vykresli(SDL_Surface* kam, int x, int y, int sirka, int vyska, int sb, int vb,
                           const KresliRadu& kresli) {
    // The most tiles a view of n pixels touches: one more than it holds
    // whole, and one more still when it ends partway into a tile.
    const auto nejvic = [](int n, int b) { return (n + b - 2) / b + 1; };
    if (sb <= 0 || vb <= 0 || !pripravBuffer(kam, nejvic(sirka, sb), nejvic(vyska, vb), sb, vb)) return false;
    const Bunky nove{dolu(x, sb), dolu(x + sirka - 1, sb) + 1, dolu(y, vb), dolu(y + vyska - 1, vb) + 1};
    for (int j = nove.y0; j < nove.y1; ++j) {
        if (j < platne.y0 || j >= platne.y1) {
            dokresli(j, nove.x0, nove.x1, kresli);
        } else {
            dokresli(j, nove.x0, std::min(nove.x1, platne.x0), kresli);
            dokresli(j, std::max(nove.x0, platne.x1), nove.x1, kresli);
        }
    }
    platne = nove;

    // The view out of the buffer, in up to four pieces where it wraps round.
    const int bw = sloupcu * sirkaBunky, bh = radku * vyskaBunky;
    const int bx = zbytek(x, bw), by = zbytek(y, bh);
    const int w = std::min(sirka, bw - bx), h = std::min(vyska, bh - by);
    const auto kopiruj = [&](int zx, int zy, int sw, int sh, int kx, int ky) {
        if (sw > 0 && sh > 0)
            vykresliCast(buffer.get(),
                         SDL_Rect{static_cast<Sint16>(zx), static_cast<Sint16>(zy), static_cast<Uint16>(sw),
                                  static_cast<Uint16>(sh)},
                         kam, kx, ky);
    };
    kopiruj(bx, by, w, h, 0, 0);
    kopiruj(0, by, sirka - w, h, w, 0);
    kopiruj(bx, 0, w, vyska - h, 0, h);
    kopiruj(0, 0, sirka - w, vyska - h, w, h);
    return true;
}
