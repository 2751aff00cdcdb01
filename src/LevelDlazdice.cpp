// The level's still layer: background cells, solid tiles and items, drawn so
// that every pixel of the screen is written about once and a row's run of
// alike tiles takes one blit.
#include "Level.h"

namespace {
void vykresliCast(SDL_Surface* obrazek, SDL_Rect zdroj, SDL_Surface* kam, int x, int y) {
    SDL_Rect kde{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_BlitSurface(obrazek, &zdroj, kam, &kde);
}

bool veBunce(const Predmet* p, int sirka, int vyska) {
    const SDL_Surface* o = p->getObrazek();
    return o && o->w <= sirka && o->h <= vyska;
}
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
    pasPevne.reset(SDL_CreateRGBSurface(SDL_SWSURFACE, sP * dlazdic, vP, f->BitsPerPixel, f->Rmask, f->Gmask,
                                        f->Bmask, f->Amask));
    if (!pasPevne) return nullptr;
    if (f->palette) SDL_SetColors(pasPevne.get(), f->palette->colors, 0, f->palette->ncolors);
    for (int i = 0; i < dlazdic; ++i) vykresliObrazek(pevna.get(), pasPevne.get(), sP * i, 0);
    return pasPevne.get();
}

void Level::vykresliDlazdice(SDL_Surface* obrazovka, SDL_Rect pozice) {
    const RozsahBunek tx = rozsahBunek(pozice.x, 800, sP), ty = rozsahBunek(pozice.y, 600, vP);
    const auto naObrazovceX = [&](int x) { return x - pozice.x + 400; };
    const auto naObrazovceY = [&](int y) { return y - pozice.y + 300; };
    SDL_Surface* pas = dlazdicePresne() ? pasPevnych(tx.po - tx.od) : nullptr;

    if (pas) {
        for (int j = ty.od; j < ty.po; ++j) {
            const int y = vP * j;
            for (int i = tx.od; i < tx.po;) {
                const bool pevne = getPevna(i, j);
                int konec = i + 1;
                if (pevne) {
                    while (konec < tx.po && getPevna(konec, j)) ++konec;
                    const SDL_Rect zdroj{0, 0, static_cast<Uint16>(sP * (konec - i)),
                                         static_cast<Uint16>(vP)};
                    vykresliCast(pas, zdroj, obrazovka, naObrazovceX(sP * i), naObrazovceY(y));
                } else {
                    // Free tiles lie inside the level, so x and y are never
                    // negative; the run stops where background cells meet.
                    while (konec < tx.po && !getPevna(konec, j) && sP * konec % sPoz != 0) ++konec;
                    const int x = sP * i;
                    const SDL_Rect zdroj{static_cast<Sint16>(x % sPoz), static_cast<Sint16>(y % vPoz),
                                         static_cast<Uint16>(sP * (konec - i)), static_cast<Uint16>(vP)};
                    vykresliCast(pozadi[getPozadi(x / sPoz, y / vPoz)].get(), zdroj, obrazovka,
                                 naObrazovceX(x), naObrazovceY(y));
                }
                i = konec;
            }
        }
    } else {
        // Every background cell whole, then the solid tiles over it.
        const RozsahBunek bx = rozsahBunek(pozice.x, 800, sPoz), by = rozsahBunek(pozice.y, 600, vPoz);
        for (int i = bx.od; i < bx.po; ++i)
            for (int j = by.od; j < by.po; ++j)
                vykresliObrazek(pozadi[getPozadi(i, j)].get(), obrazovka, naObrazovceX(sPoz * i),
                                naObrazovceY(vPoz * j));
    }

    // Solid tiles (unless drawn above), and items on the free ones, column
    // by column.
    for (int i = tx.od; i < tx.po; ++i) {
        for (int j = ty.od; j < ty.po; ++j) {
            SDL_Rect n{};
            n.x = static_cast<Sint16>(naObrazovceX(sP * i));
            n.y = static_cast<Sint16>(naObrazovceY(vP * j));
            if (getPevna(i, j)) {
                if (!pas) vykresliObrazek(pevna.get(), obrazovka, n.x, n.y);
            } else if (Predmet* p = list->getPredmet(i, j)) {
                p->vykresliSe(obrazovka, n);
            }
        }
    }
}
