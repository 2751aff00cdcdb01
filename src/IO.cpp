#include "IO.h"

#include <optional>

Obrazek nactiObrazek(const char* cesta) {
    return Obrazek(SDL_LoadBMP_RW(SDL_RWFromFile(cesta, "rb"), 1));
}

void nastavBilyKlic(SDL_Surface* obrazek) {
    SDL_SetColorKey(obrazek, SDL_SRCCOLORKEY, SDL_MapRGB(obrazek->format, 255, 255, 255));
}

void vykresliObrazek(SDL_Surface* obrazek, SDL_Surface* kam, int x, int y) {
    SDL_Rect kde;
    kde.x = static_cast<Sint16>(x);
    kde.y = static_cast<Sint16>(y);
    kde.w = 0;
    kde.h = 0;
    SDL_BlitSurface(obrazek, nullptr, kam, &kde);
}

namespace hodiny {
namespace {
std::optional<std::time_t> pripnuty;
}
std::time_t ted() {
    return pripnuty ? *pripnuty : std::time(nullptr);
}
void zastav(std::time_t t) {
    pripnuty = t;
}
void pust() {
    pripnuty.reset();
}
}  // namespace hodiny
