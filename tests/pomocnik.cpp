// Helpers of the suites not yet rewritten.
#include "pomocnik.h"

#include <cstring>

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

bool stejnyObsah(SDL_Surface* a, SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel) return false;
    const int radek = a->w * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<Uint8*>(b->pixels) + y * b->pitch, radek) != 0)
            return false;
    return true;
}

testing::AssertionResult stejneObrazovky(SDL_Surface* skutecna, SDL_Surface* ocekavana) {
    if (!ocekavana) return testing::AssertionFailure() << "expected screen could not be built";
    int rozdilu = 0, prvniX = -1, prvniY = -1;
    for (int y = 0; y < skutecna->h; ++y)
        for (int x = 0; x < skutecna->w; ++x) {
            const Uint32 a = static_cast<Uint32*>(skutecna->pixels)[y * skutecna->pitch / 4 + x];
            const Uint32 b = static_cast<Uint32*>(ocekavana->pixels)[y * ocekavana->pitch / 4 + x];
            if (a != b && rozdilu++ == 0) {
                prvniX = x;
                prvniY = y;
            }
        }
    if (rozdilu == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << rozdilu << " pixels differ, first at (" << prvniX << ", " << prvniY << ")";
}

std::string zpravaBezSouboru(const std::vector<std::string>& soubory, const std::function<void()>& f) {
    for (const auto& s : soubory) fs::rename(s, s + ".pryc");
    std::string zprava;
    try {
        f();
    } catch (const char* e) {
        zprava = e;
    }
    for (const auto& s : soubory) fs::rename(s + ".pryc", s);
    return zprava;
}
