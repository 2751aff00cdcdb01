// SPDX-License-Identifier: GPL-3.0-or-later
#include "Karta.h"

#include <algorithm>
#include <string>

namespace {

// The digit's drawn width in the sheet: up to its last column that is not white.
int sirkaCislice(SDL_Surface* cislice, int d) {
    const Uint32 bila = SDL_MapRGB(cislice->format, 255, 255, 255);
    const int bpp = cislice->format->BytesPerPixel;
    int w = 0;
    SDL_LockSurface(cislice);
    for (int y = 0; y < karta::kVyskaBunky && y < cislice->h; ++y)
        for (int x = 0; x < karta::kBunka && d * karta::kBunka + x < cislice->w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(cislice->pixels) + y * cislice->pitch +
                             (d * karta::kBunka + x) * bpp;
            Uint32 px = 0;
            for (int i = 0; i < bpp; ++i)
                px |= Uint32(p[i]) << (SDL_BYTEORDER == SDL_LIL_ENDIAN ? 8 * i : 8 * (bpp - 1 - i));
            if (px != bila) w = std::max(w, x + 1);
        }
    SDL_UnlockSurface(cislice);
    return w;
}

}  // namespace

Obrazek slozKartu(SDL_Surface* karta, SDL_Surface* cislice, const Nastaveni& n) {
    Obrazek k(SDL_ConvertSurface(karta, karta->format, SDL_SWSURFACE));
    if (!k) return k;
    SDL_SetColorKey(cislice, SDL_SRCCOLORKEY, SDL_MapRGB(cislice->format, 255, 255, 255));
    const int tlacitka[karta::kTlacitek] = {n.padSkok,  n.padBeh,   n.padUtok,
                                            n.padZbran, n.padPauza, n.padOvladani};
    for (int i = 0; i < karta::kTlacitek; ++i) {
        int x = karta::kCislaX;
        for (char c : std::to_string(tlacitka[i])) {
            const int d = c - '0';
            SDL_Rect zdroj{Sint16(d * karta::kBunka), 0, Uint16(karta::kBunka), Uint16(karta::kVyskaBunky)};
            SDL_Rect kam{Sint16(x), Sint16(karta::kPrvniRadek + i * karta::kRozestup), 0, 0};
            SDL_BlitSurface(cislice, &zdroj, k.get(), &kam);
            x += sirkaCislice(cislice, d) + 1;
        }
    }
    nastavBilyKlic(k.get());
    return k;
}
