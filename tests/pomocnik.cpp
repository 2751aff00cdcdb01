#include "pomocnik.h"

#include <fstream>

void KopieDat::zapis(const std::string& soubor, const std::string& obsah) const {
    std::ofstream(koren / soubor, std::ios::binary) << obsah;
}

Plocha novaObrazovka() {
    return Plocha(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
}

Uint32 barva(SDL_Surface* s, int x, int y) {
    SDL_LockSurface(s);
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    Uint32 px = 0;
    switch (s->format->BytesPerPixel) {
        case 1: px = *p; break;
        case 2: px = *reinterpret_cast<const Uint16*>(p); break;
        case 3: px = p[0] | (p[1] << 8) | (p[2] << 16); break;
        default: px = *reinterpret_cast<const Uint32*>(p); break;
    }
    SDL_UnlockSurface(s);
    Uint8 r, g, b;
    SDL_GetRGB(px, s->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

Uint32 naPlose(SDL_Surface* s, Uint32 rgb) {
    Uint8 r, g, b;
    SDL_GetRGB(SDL_MapRGB(s->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF), s->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}
