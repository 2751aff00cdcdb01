// SPDX-License-Identifier: GPL-3.0-or-later
// The level's still layer: background cells, solid tiles and items. Background
// and solid tiles are kept between frames around the view and copied out in
// one go; items go over them.
#include "Level.h"

namespace {
bool veBunce(const Predmet* p, int sirka, int vyska) {
    const SDL_Surface* o = p->getObrazek();
    return o && o->w <= sirka && o->h <= vyska;
}

constexpr int kSirka = 800, kVyska = 600;  // the view
}  // namespace

bool Level::dlazdicePresne() const {
    // Drawing by rows and leaving out what a solid tile covers shows the same
    // as whole cells in the frame's order only when the pictures fill their
    // cells exactly, the tiles split the cells, and no item reaches past its
    // own tile.
    if (!pevna || pevna->w != sP || pevna->h != vP || sPoz % sP != 0 || vPoz % vP != 0) return false;
    for (const Obrazek& o : pozadi)
        if (!o || o->w != sPoz || o->h != vPoz) return false;
    for (const Predmet* p :
         {static_cast<const Predmet*>(sip.get()), static_cast<const Predmet*>(zivoty.get()),
          static_cast<const Predmet*>(toulec.get()), static_cast<const Predmet*>(novyLvl.get())})
        if (!veBunce(p, sP, vP)) return false;
    return true;
}

SDL_Surface* Level::pasPevnych(int dlazdic) {
    // Rebuilt after every new tileset (vymenDlazdice drops it).
    if (pasPevne && pasPevne->w >= sP * dlazdic) return pasPevne.get();
    const SDL_PixelFormat* f = pevna->format;
    pasPevne = novyObrazek(sP * dlazdic, vP, f);
    if (!pasPevne) return nullptr;
    for (int i = 0; i < dlazdic; ++i) vykresliObrazek(pevna.get(), pasPevne.get(), sP * i, 0);
    return pasPevne.get();
}

void Level::kresliRadu(SDL_Surface* pas, SDL_Surface* kam, int j, int od, int po, int x, int y) {
    // A run of solid tiles is one copy from the strip; a run of free ones
    // one copy from the background cell they lie in.
    const int sy = vP * j;
    for (int i = od; i < po;) {
        int konec = i + 1;
        const int kx = x + sP * (i - od);
        if (getPevna(i, j)) {
            while (konec < po && getPevna(konec, j)) ++konec;
            vykresliCast(pas, SDL_Rect{0, 0, static_cast<Uint16>(sP * (konec - i)), static_cast<Uint16>(vP)},
                         kam, kx, y);
        } else {
            // Free tiles lie inside the level, so their pixels are never
            // negative.
            while (konec < po && !getPevna(konec, j) && sP * konec % sPoz != 0) ++konec;
            const int sx = sP * i;
            const SDL_Rect zdroj{static_cast<Sint16>(sx % sPoz), static_cast<Sint16>(sy % vPoz),
                                 static_cast<Uint16>(sP * (konec - i)), static_cast<Uint16>(vP)};
            vykresliCast(pozadi[getPozadi(sx / sPoz, sy / vPoz)].get(), zdroj, kam, kx, y);
        }
        i = konec;
    }
}

void Level::vykresliDlazdice(SDL_Surface* obrazovka, SDL_Rect pozice) {
    const RozsahBunek tx = rozsahBunek(pozice.x, kSirka, sP), ty = rozsahBunek(pozice.y, kVyska, vP);
    const auto naObrazovceX = [&](int x) { return x - pozice.x + kSirka / 2; };
    const auto naObrazovceY = [&](int y) { return y - pozice.y + kVyska / 2; };

    SDL_Surface* pas = dlazdicePresne() ? pasPevnych(kSirka / sP + 2) : nullptr;
    const bool ulozena =
        pas && vrstva.vykresli(obrazovka, pozice.x - kSirka / 2, pozice.y - kVyska / 2, kSirka, kVyska, sP,
                               vP, [&](SDL_Surface* kam, int j, int od, int po, int x, int y) {
                                   kresliRadu(pas, kam, j, od, po, x, y);
                               });
    if (!ulozena) {
        // Every background cell whole, then the solid tiles over it.
        const RozsahBunek bx = rozsahBunek(pozice.x, kSirka, sPoz), by = rozsahBunek(pozice.y, kVyska, vPoz);
        for (int i = bx.od; i < bx.po; ++i)
            for (int j = by.od; j < by.po; ++j)
                vykresliObrazek(pozadi[getPozadi(i, j)].get(), obrazovka, naObrazovceX(sPoz * i),
                                naObrazovceY(vPoz * j));
    }

    // Solid tiles (unless kept above), and items on the free ones, column
    // by column.
    for (int i = tx.od; i < tx.po; ++i) {
        for (int j = ty.od; j < ty.po; ++j) {
            SDL_Rect n{};
            n.x = static_cast<Sint16>(naObrazovceX(sP * i));
            n.y = static_cast<Sint16>(naObrazovceY(vP * j));
            if (getPevna(i, j)) {
                if (!ulozena) vykresliObrazek(pevna.get(), obrazovka, n.x, n.y);
            } else if (Predmet* p = list->getPredmet(i, j)) {
                p->vykresliSe(obrazovka, n);
            }
        }
    }
}
