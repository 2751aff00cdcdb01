#include "IO.h"

#include <istream>
#include <optional>
#include <ostream>

namespace {
// Pictures take the screen's format when there is one to take. Without a
// video mode (tests, tools) there is none; on a palette screen other colours
// could merge with the white key, so there pictures stay as loaded.
bool doFormatuObrazovky() {
    const SDL_Surface* obrazovka = SDL_GetVideoSurface();
    return obrazovka && obrazovka->format->BitsPerPixel > 8;
}
}  // namespace

Obrazek nactiObrazek(const char* cesta) {
    Obrazek o(SDL_LoadBMP_RW(SDL_RWFromFile(cesta, "rb"), 1));
    // Converted once here, a blit only copies.
    if (o && doFormatuObrazovky())
        if (Obrazek prevedeny{SDL_DisplayFormat(o.get())}) o = std::move(prevedeny);
    return o;
}

void nastavBilyKlic(SDL_Surface* obrazek) {
    // Run-length coded, a keyed blit copies runs instead of testing every
    // pixel; only pictures in the screen's format gain from it.
    const Uint32 rle = doFormatuObrazovky() ? SDL_RLEACCEL : 0;
    SDL_SetColorKey(obrazek, SDL_SRCCOLORKEY | rle, SDL_MapRGB(obrazek->format, 255, 255, 255));
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

namespace {
// The next character, with CR LF read as one LF.
int dalsiZnak(std::istream& is) {
    int c = is.get();
    if (c == '\r' && is.peek() == '\n') c = is.get();
    return c;
}
}  // namespace

void IO::writeInt(int i, std::ostream& oss) {
    oss << i << '\n';
}

int IO::getInt(std::istream& is) {
    int c = dalsiZnak(is);
    if (c == EOF) throw kPoskozenaHra;
    const bool zaporne = c == '-';
    if (zaporne) c = dalsiZnak(is);
    // Past 2^31 the value only moves further away, so it can stop there.
    constexpr long long mez = 1LL << 31;
    long long v = 0;
    for (; c != '\n' && c != EOF; c = dalsiZnak(is)) {
        v = v * 10 + (c - '0');
        if (v > mez || v < -mez) throw kPoskozenaHra;
    }
    if (zaporne) v = -v;
    if (v > mez - 1 || v < -mez) throw kPoskozenaHra;
    return static_cast<int>(v);
}

void IO::writeBool(bool b, std::ostream& oss) {
    oss << (b ? '1' : '0') << '\n';
}

bool IO::getBool(std::istream& is) {
    int c = dalsiZnak(is);
    if (c == EOF) throw kPoskozenaHra;
    bool b = false;
    for (; c != '\n' && c != EOF; c = dalsiZnak(is)) b = c != '0';
    return b;
}

void IO::writeKonecSeznamu(std::ostream& oss) {
    oss << '\v' << '\n';
}
