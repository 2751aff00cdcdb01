// SPDX-License-Identifier: GPL-3.0-or-later
#include "IO.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <unordered_map>
#include <vector>

namespace {
// Pictures take the screen's format when there is one to take. Without a
// video mode (tests, tools) there is none; on a palette screen other colours
// could merge with the white key, so there pictures stay as loaded.
bool doFormatuObrazovky() {
    const SDL_Surface* obrazovka = SDL_GetVideoSurface();
    return obrazovka && obrazovka->format->BitsPerPixel > 8;
}

// A keyed picture in a 32-bit screen format as its rows' runs of opaque
// pixels: drawn by copying the runs, it needs no test per pixel, whichever
// SDL library blits (the compatibility library has no run-length blits).
struct Beh {
    Uint16 y, x, n;
};
std::unordered_map<const SDL_Surface*, std::vector<Beh>>& behy() {
    // Never destroyed: pictures may be freed during the program's exit.
    static auto* m = new std::unordered_map<const SDL_Surface*, std::vector<Beh>>;
    return *m;
}

std::vector<Beh> najdiBehy(SDL_Surface* o, Uint32 klic) {
    std::vector<Beh> b;
    SDL_LockSurface(o);
    for (int y = 0; y < o->h; ++y) {
        const Uint32* radek =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(o->pixels) + y * o->pitch);
        for (int x = 0; x < o->w;) {
            if (radek[x] == klic) {
                ++x;
                continue;
            }
            const int od = x;
            while (x < o->w && radek[x] != klic) ++x;
            b.push_back({static_cast<Uint16>(y), static_cast<Uint16>(od), static_cast<Uint16>(x - od)});
        }
    }
    SDL_UnlockSurface(o);
    return b;
}

bool stejnyFormat(const SDL_PixelFormat* a, const SDL_PixelFormat* b) {
    return a->BytesPerPixel == 4 && b->BytesPerPixel == 4 && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask;
}

// What SDL's keyed blit does, clipped to the target's clip rectangle.
void vykresliBehy(const std::vector<Beh>& behy, SDL_Surface* obrazek, SDL_Surface* kam, int x, int y) {
    const SDL_Rect& c = kam->clip_rect;
    if (SDL_MUSTLOCK(kam) && SDL_LockSurface(kam) < 0) return;
    for (const Beh& b : behy) {
        const int ty = y + b.y;
        if (ty < c.y || ty >= c.y + c.h) continue;
        const int od = std::max(x + b.x, static_cast<int>(c.x));
        const int po = std::min(x + b.x + b.n, c.x + c.w);
        if (od >= po) continue;
        std::memcpy(static_cast<Uint8*>(kam->pixels) + ty * kam->pitch + od * 4,
                    static_cast<const Uint8*>(obrazek->pixels) + b.y * obrazek->pitch + (od - x) * 4,
                    static_cast<size_t>(po - od) * 4);
    }
    if (SDL_MUSTLOCK(kam)) SDL_UnlockSurface(kam);
}
}  // namespace

void UvolniObrazek::operator()(SDL_Surface* s) const noexcept {
    if (!s) return;
    behy().erase(s);
    SDL_FreeSurface(s);
}

#ifndef __EMSCRIPTEN__
namespace {
Uint32 pixel(const SDL_Surface* s, int x, int y) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 1: return *p;
        case 2: return *reinterpret_cast<const Uint16*>(p);
        case 3:
            return SDL_BYTEORDER == SDL_LIL_ENDIAN ? p[0] | p[1] << 8 | p[2] << 16
                                                   : p[2] | p[1] << 8 | p[0] << 16;
        default: return *reinterpret_cast<const Uint32*>(p);
    }
}

// A format with fewer than 8 bits a channel (15 or 16 bits a pixel) maps
// near-white to white, which would make it transparent under the white key.
// Whether a pixel is white is decided on the picture's own pixels: every
// other pixel that came out white is moved one step off it, to the nearest
// colour the format can tell apart from white.
void bilaJenZBile(const SDL_Surface* puvodni, SDL_Surface* prevedeny) {
    const SDL_PixelFormat* f = prevedeny->format;
    if (f->BytesPerPixel != 2 || (f->Rloss | f->Gloss | f->Bloss) == 0) return;
    const Uint32 bila = SDL_MapRGB(prevedeny->format, 255, 255, 255);
    const Uint16 vedle = static_cast<Uint16>(SDL_MapRGB(prevedeny->format, 255, 255, 255 - (1 << f->Bloss)));
    SDL_LockSurface(const_cast<SDL_Surface*>(puvodni));
    SDL_LockSurface(prevedeny);
    for (int y = 0; y < prevedeny->h; ++y) {
        Uint16* radek =
            reinterpret_cast<Uint16*>(static_cast<Uint8*>(prevedeny->pixels) + y * prevedeny->pitch);
        for (int x = 0; x < prevedeny->w; ++x) {
            if (radek[x] != bila) continue;
            Uint8 r, g, b;
            SDL_GetRGB(pixel(puvodni, x, y), puvodni->format, &r, &g, &b);
            if (r != 255 || g != 255 || b != 255) radek[x] = vedle;
        }
    }
    SDL_UnlockSurface(prevedeny);
    SDL_UnlockSurface(const_cast<SDL_Surface*>(puvodni));
}
}  // namespace
#endif

Obrazek nactiObrazek(const char* cesta) {
    Obrazek o(SDL_LoadBMP_RW(SDL_RWFromFile(cesta, "rb"), 1));
#ifndef __EMSCRIPTEN__  // a browser's SDL loads them in its screen's format
    // Converted once here, a blit only copies.
    if (o && doFormatuObrazovky())
        if (Obrazek prevedeny{SDL_DisplayFormat(o.get())}) {
            bilaJenZBile(o.get(), prevedeny.get());
            o = std::move(prevedeny);
        }
#endif
    return o;
}

Obrazek novyObrazek(int sirka, int vyska, const SDL_PixelFormat* f) {
    Obrazek o(SDL_CreateRGBSurface(SDL_SWSURFACE, sirka, vyska, f->BitsPerPixel, f->Rmask, f->Gmask, f->Bmask,
                                   f->Amask));
    if (!o) return o;
    if (f->palette) SDL_SetColors(o.get(), f->palette->colors, 0, f->palette->ncolors);
    // A browser's SDL clips a new surface to the page's canvas instead.
    o->clip_rect = SDL_Rect{0, 0, static_cast<Uint16>(o->w), static_cast<Uint16>(o->h)};
    return o;
}

void nastavBilyKlic(SDL_Surface* obrazek) {
    const Uint32 klic = SDL_MapRGB(obrazek->format, 255, 255, 255);
#ifndef __EMSCRIPTEN__  // a browser's SDL has no keys: the runs below are the key there
    SDL_SetColorKey(obrazek, SDL_SRCCOLORKEY, klic);
#endif
    if (doFormatuObrazovky() && stejnyFormat(obrazek->format, SDL_GetVideoSurface()->format))
        behy()[obrazek] = najdiBehy(obrazek, klic);
}

void vykresliObrazek(SDL_Surface* obrazek, SDL_Surface* kam, int x, int y) {
    // Beyond 16 bits it would wrap onto the screen; there it shows nothing.
    if (x < INT16_MIN || x > INT16_MAX || y < INT16_MIN || y > INT16_MAX) return;
    SDL_Rect kde;
    kde.x = static_cast<Sint16>(x);
    kde.y = static_cast<Sint16>(y);
    kde.w = 0;
    kde.h = 0;
    if (obrazek && kam && stejnyFormat(obrazek->format, kam->format)) {
        const auto b = behy().find(obrazek);
        if (b != behy().end()) return vykresliBehy(b->second, obrazek, kam, kde.x, kde.y);
    }
#ifdef __EMSCRIPTEN__  // a browser's SDL blits between canvases, not the pixels the game draws in
    if (obrazek && kam)
        return vykresliCast(obrazek,
                            SDL_Rect{0, 0, static_cast<Uint16>(obrazek->w), static_cast<Uint16>(obrazek->h)},
                            kam, x, y);
#endif
    SDL_BlitSurface(obrazek, nullptr, kam, &kde);
}

namespace {
bool lzeKopirovat(const SDL_Surface* z, const SDL_Surface* k) {
    const SDL_PixelFormat *a = z->format, *b = k->format;
    return a->BytesPerPixel >= 2 && a->BytesPerPixel == b->BytesPerPixel && a->Rmask == b->Rmask &&
           a->Gmask == b->Gmask && a->Bmask == b->Bmask && a->Amask == b->Amask &&
           !(z->flags & (SDL_SRCCOLORKEY | SDL_SRCALPHA));
}
}  // namespace

void vykresliCast(SDL_Surface* obrazek, SDL_Rect zdroj, SDL_Surface* kam, int x, int y) {
    if (!obrazek || !kam || !lzeKopirovat(obrazek, kam)) {
        SDL_Rect kde{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
        SDL_BlitSurface(obrazek, &zdroj, kam, &kde);
        return;
    }
    // The part within the picture, then within the target's clip rectangle.
    int sx = zdroj.x, sy = zdroj.y, w = zdroj.w, h = zdroj.h;
    if (sx < 0) w += sx, x -= sx, sx = 0;
    if (sy < 0) h += sy, y -= sy, sy = 0;
    w = std::min(w, obrazek->w - sx);
    h = std::min(h, obrazek->h - sy);
    const SDL_Rect& c = kam->clip_rect;
    if (x < c.x) w -= c.x - x, sx += c.x - x, x = c.x;
    if (y < c.y) h -= c.y - y, sy += c.y - y, y = c.y;
    w = std::min(w, c.x + c.w - x);
    h = std::min(h, c.y + c.h - y);
    if (w <= 0 || h <= 0) return;
    if (SDL_MUSTLOCK(obrazek) && SDL_LockSurface(obrazek) < 0) return;
    if (SDL_MUSTLOCK(kam) && SDL_LockSurface(kam) < 0) {
        if (SDL_MUSTLOCK(obrazek)) SDL_UnlockSurface(obrazek);
        return;
    }
    const int bpp = kam->format->BytesPerPixel;
    const Uint8* z = static_cast<const Uint8*>(obrazek->pixels) + sy * obrazek->pitch + sx * bpp;
    Uint8* k = static_cast<Uint8*>(kam->pixels) + y * kam->pitch + x * bpp;
    for (int r = 0; r < h; ++r, z += obrazek->pitch, k += kam->pitch)
        std::memcpy(k, z, static_cast<size_t>(w) * bpp);
    if (SDL_MUSTLOCK(kam)) SDL_UnlockSurface(kam);
    if (SDL_MUSTLOCK(obrazek)) SDL_UnlockSurface(obrazek);
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
// Each writer has its own temporary file beside the target (two games in one
// folder may save at the same moment), named by its process and its count
// of writes, and holds a lock on it until it is renamed: a start-up clean-up
// takes away only files whose writer is gone.
std::string docasnaPredpona(const char* cesta) {
    return std::string(cesta) + ".tmp";
}

bool stejnySoubor(int fd, const char* cesta) {
    struct stat a, b;
    return ::fstat(fd, &a) == 0 && ::stat(cesta, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens the writer's own temporary file, locked; -1 with errno on failure.
int otevriDocasny(const std::string& docasna) {
    for (int pokus = 0; pokus < 100; ++pokus) {
        const int fd = ::open(docasna.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return -1;
        // Emptied only once locked and still under its name: a clean-up may
        // have taken a dead namesake away meanwhile, then the name is made
        // again. Where the file system keeps no locks, the name alone keeps
        // writers apart.
        const bool drzi = ::flock(fd, LOCK_EX) == 0 || errno == ENOLCK || errno == EOPNOTSUPP;
        if (drzi && stejnySoubor(fd, docasna.c_str())) {
            if (::ftruncate(fd, 0) == 0) return fd;
            const int e = errno;
            ::close(fd);
            errno = e;
            return -1;
        }
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}
}  // namespace

void uklidPoZapisu(const char* cesta) {
    const std::string cela(cesta);
    const size_t lomitko = cela.rfind('/');
    const std::string slozka = lomitko == std::string::npos ? "." : cela.substr(0, lomitko + 1);
    const std::string predpona =
        docasnaPredpona(cesta).substr(lomitko == std::string::npos ? 0 : lomitko + 1);
    std::unique_ptr<DIR, int (*)(DIR*)> d(::opendir(slozka.c_str()), ::closedir);
    if (!d) return;
    std::vector<std::string> pozustatky;
    while (const dirent* e = ::readdir(d.get())) {
        const std::string jmeno = e->d_name;
        // The name every writer used once, and the writers' own names.
        if (jmeno == predpona || jmeno.rfind(predpona + ".", 0) == 0)
            pozustatky.push_back(lomitko == std::string::npos ? jmeno : slozka + jmeno);
    }
    for (const std::string& p : pozustatky) {
        const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0) {
            if (errno == ELOOP) ::unlink(p.c_str());  // no writer makes a link
            continue;
        }
        // Locked: a game is writing it. Renamed meanwhile: it is that game's
        // finished file now.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && stejnySoubor(fd, p.c_str())) ::unlink(p.c_str());
        ::close(fd);
    }
}

bool zapisCely(const char* cesta, const std::string& obsah, std::string& chyba) {
    static std::atomic<unsigned> zapisu{0};
    const std::string docasna =
        docasnaPredpona(cesta) + "." + std::to_string(::getpid()) + "." + std::to_string(zapisu++);
    const int fd = otevriDocasny(docasna);
    if (fd < 0) {
        chyba = std::strerror(errno);
        return false;
    }
    // write() may write less than asked (a full disk, a file-size limit):
    // go on from there until it fails outright.
    const char* p = obsah.data();
    size_t zbyva = obsah.size();
    bool ok = true;
    while (ok && zbyva > 0) {
        const ssize_t n = ::write(fd, p, zbyva);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            chyba = n < 0 ? std::strerror(errno) : "nothing written";
            ok = false;
        } else {
            p += n;
            zbyva -= static_cast<size_t>(n);
        }
    }
    if (ok && ::fsync(fd) != 0) chyba = std::strerror(errno), ok = false;
    // Renamed while still locked, so no clean-up takes it in between; what
    // it holds reached the disk with fsync, so closing cannot lose it.
    if (ok && std::rename(docasna.c_str(), cesta) != 0) chyba = std::strerror(errno), ok = false;
    if (!ok) ::unlink(docasna.c_str());
    ::close(fd);
    return ok;
}

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
