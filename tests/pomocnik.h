// SPDX-License-Identifier: GPL-3.0-or-later
// Shared test helpers: the data folder or a scratch copy of it, screens drawn
// and compared with SDL alone, input events, and the level's private parts.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Hrac.h"
#include "Level.h"

#ifndef GRONDELVIK_DATA
#define GRONDELVIK_DATA "data"
#endif

namespace fs = std::filesystem;

// Runs the scope with the working directory in the data folder.
struct VDatech {
    fs::path puvodni = fs::current_path();
    explicit VDatech(const fs::path& kam = GRONDELVIK_DATA) { fs::current_path(kam); }
    ~VDatech() { fs::current_path(puvodni); }
};

// A scratch data folder, its files hard links to the real ones, removed with the
// scope: a file can be taken away or rewritten without touching the real one. It
// lies in the build folder, which shares the data's file system more surely than /tmp.
struct KopieDat {
    fs::path koren;
    KopieDat() {
        std::string vzor = (fs::absolute(GRONDELVIK_BIN).parent_path() / "grondelvik-XXXXXX").string();
        koren = mkdtemp(vzor.data());
        fs::copy(GRONDELVIK_DATA, koren, fs::copy_options::recursive | fs::copy_options::create_hard_links);
    }
    ~KopieDat() {
        std::error_code ec;
        fs::remove_all(koren, ec);
    }
    const fs::path& cesta() const { return koren; }
    void smaz(const std::string& soubor) const { fs::remove(koren / soubor); }
    void zapis(const std::string& soubor, const std::string& obsah) const {
        smaz(soubor);  // a new file, not the linked one
        std::ofstream(koren / soubor, std::ios::binary) << obsah;
    }
};

// Temporary files of writes to slozka/jmeno left in slozka.
inline long docasnych(const fs::path& slozka, const std::string& jmeno) {
    return std::count_if(fs::directory_iterator(slozka), {}, [&](const fs::directory_entry& e) {
        return e.path().filename().string().rfind(jmeno + ".tmp", 0) == 0;
    });
}

// Values compared in one go.
using Radek = std::vector<int>;
template <class... T>
Radek r(T... v) {
    return {int(v)...};
}

// Tiles written "x,y x,y ...".
using Bunka = std::pair<int, int>;
inline std::vector<Bunka> bunky(const std::string& s) {
    std::vector<Bunka> v;
    std::istringstream in(s);
    for (Bunka b; in >> b.first && in.ignore() >> b.second;) v.push_back(b);
    return v;
}

// An 800 x 600 32-bit screen; the empty one is filled with a colour no picture uses, so a missing blit shows.
using Plocha = Obrazek;
inline Plocha novaObrazovka() {
    return Plocha(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
}
inline Plocha prazdnaObrazovka() {
    Plocha o = novaObrazovka();
    SDL_FillRect(o.get(), nullptr, 0x0D4D8D);
    return o;
}

// A picture under grafika/ loaded by SDL itself; with klic, white is transparent.
inline Obrazek obrazek(const std::string& soubor, bool klic = true) {
    Obrazek o(SDL_LoadBMP(("grafika/" + soubor).c_str()));
    if (o && klic) SDL_SetColorKey(o.get(), SDL_SRCCOLORKEY, SDL_MapRGB(o->format, 255, 255, 255));
    return o;
}

// Keyed pictures under grafika/ drawn whole at (x, y), written "name x y, ..." for
// the files slozka + name + ".bmp".
struct Kresba {
    std::string soubor;
    int x, y;
};
inline std::vector<Kresba> kresby(const std::string& slozka, const std::string& seznam) {
    std::vector<Kresba> v;
    std::istringstream in(seznam);
    for (std::string polozka; std::getline(in, polozka, ',');) {
        std::istringstream p(polozka);
        Kresba k;
        if (p >> k.soubor >> k.x >> k.y) v.push_back({slozka + k.soubor + ".bmp", k.x, k.y});
    }
    return v;
}
inline void nakresli(SDL_Surface* kam, const std::vector<Kresba>& kresby) {
    for (const Kresba& k : kresby) {
        Obrazek o = obrazek(k.soubor);
        EXPECT_TRUE(o) << k.soubor;
        SDL_Rect r{static_cast<Sint16>(k.x), static_cast<Sint16>(k.y), 0, 0};
        if (o) SDL_BlitSurface(o.get(), nullptr, kam, &r);
    }
}

// The HUD of a new hunter (12 arrows, health 200 of 200, score 0), under ostatni/.
constexpr const char* kHudNovehoLovce =
    "toulecI 750 100, 2 707 100, 1 664 100, zivotI 750 50, 0 707 50, 0 664 50, 2 621 50, lomitko 594 50, "
    "0 551 50, 0 508 50, 2 465 50, score 750 0, 0 707 0";

// Same size, format and pixels; otherwise where they first differ.
inline testing::AssertionResult stejne(SDL_Surface* a, SDL_Surface* b) {
    if (!a || !b || a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel)
        return testing::AssertionFailure() << "no picture, or different sizes or formats";
    const int bpp = a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch + x * bpp,
                            static_cast<Uint8*>(b->pixels) + y * b->pitch + x * bpp, bpp) != 0)
                return testing::AssertionFailure() << "the pixel at (" << x << ", " << y << ") differs";
    return testing::AssertionSuccess();
}

// One pixel as 0xRRGGBB.
inline Uint32 barva(SDL_Surface* s, int x, int y) {
    Uint32 px = 0;
    std::memcpy(&px, static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                s->format->BytesPerPixel);
    Uint8 r, g, b;
    SDL_GetRGB(px, s->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

// The picture shows the file under grafika/, with white transparent.
inline testing::AssertionResult ukazuje(SDL_Surface* o, const std::string& soubor) {
    if (!o) return testing::AssertionFailure() << "no picture for " << soubor;
    if (!(o->flags & SDL_SRCCOLORKEY) || o->format->colorkey != SDL_MapRGB(o->format, 255, 255, 255))
        return testing::AssertionFailure() << "white is not transparent in " << soubor;
    return stejne(o, obrazek(soubor).get()) << " from " << soubor;
}

// The message f throws, or "" when it throws none.
inline std::string zprava(const std::function<void()>& f) {
    try {
        f();
    } catch (const char* z) {
        return z;
    }
    return "";
}

// Events written "Left ^Left Mouse:500,120 Button1:435,500 Quit ...": a key by its
// name, the pointer moved, a mouse button pressed, "^" when released.
inline std::vector<SDL_Event> udalosti(const std::string& s) {
    // clang-format off
    static const std::map<std::string, SDLKey> klavesy = {
        {"Esc", SDLK_ESCAPE}, {"P", SDLK_p}, {"S", SDLK_s}, {"F9", SDLK_F9}, {"Minus", SDLK_KP_MINUS},
        {"Plus", SDLK_KP_PLUS}, {"Left", SDLK_LEFT}, {"Right", SDLK_RIGHT}, {"Up", SDLK_UP},
        {"Down", SDLK_DOWN}, {"F", SDLK_f}, {"D", SDLK_d}, {"A", SDLK_a}, {"Space", SDLK_SPACE}, {"X", SDLK_x},
        {"M", SDLK_m}, {"F1", SDLK_F1}, {"F10", SDLK_F10}, {"F11", SDLK_F11}, {"Enter", SDLK_RETURN}};
    // clang-format on
    std::vector<SDL_Event> v;
    std::istringstream in(s);
    for (std::string u; in >> u;) {
        SDL_Event e{};
        const bool dolu = u[0] != '^';
        const size_t dvojtecka = u.find(':');
        const std::string jmeno = u.substr(!dolu, dvojtecka - !dolu);
        int x = 0, y = 0;
        if (dvojtecka != std::string::npos) std::sscanf(u.c_str() + dvojtecka + 1, "%d,%d", &x, &y);
        if (jmeno == "Quit")
            e.type = SDL_QUIT;
        else if (jmeno == "Mouse")
            e.type = SDL_MOUSEMOTION, e.motion.x = Uint16(x), e.motion.y = Uint16(y);
        else if (jmeno.rfind("Button", 0) == 0)
            e.type = dolu ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, e.button.button = Uint8(jmeno[6] - '0'),
            e.button.x = Uint16(x), e.button.y = Uint16(y);
        else
            e.type = dolu ? SDL_KEYDOWN : SDL_KEYUP, e.key.state = dolu ? SDL_PRESSED : SDL_RELEASED,
            e.key.keysym.sym = klavesy.at(jmeno);
        v.push_back(e);
    }
    return v;
}

// Reaches the level's private state: its fields (by reference, the owned
// objects dereferenced or as plain pointers) and its private functions.
// clang-format off
#define POLE(j) \
    template <class L> static auto& j(L& l) { return l.j; }
#define OBJEKT(j) \
    static auto& j(Level& l) { return *l.j; }
#define UKAZATEL(j) \
    template <class L> static auto* j(L& l) { return l.j.get(); }
#define FUNKCE(j) \
    template <class L, class... A> static auto j(L& l, A... a) { return l.j(a...); }
struct LevelTest {
    static SDL_Surface* pozadi(const Level& l, int i) { return l.pozadi[i].get(); }
    // Empties the level: no solid tile, item or enemy inside, background as it was.
    static void vyprazdni(Level& l) {
        std::fill(l.polePevna.begin(), l.polePevna.end(), 0);
        l.vrstva.zapomen();
        l.list = std::make_unique<ListPredmetu>(l.sLvl, l.vLvl);
        l.set->nepratele.clear();
    }
    POLE(polePevna) POLE(polePozadi) POLE(typ) POLE(obtiznost) POLE(nextLvl) POLE(sLvl) POLE(vLvl) POLE(sP)
    POLE(nPozadi) POLE(vetsi)
    OBJEKT(list) OBJEKT(set) OBJEKT(bInfo)
    UKAZATEL(sip) UKAZATEL(zivoty) UKAZATEL(toulec) UKAZATEL(novyLvl) UKAZATEL(pevna)
    FUNKCE(getPevna) FUNKCE(setPevna) FUNKCE(getPozadi) FUNKCE(setPozadi) FUNKCE(nactiMapu) FUNKCE(nactiLvl)
    FUNKCE(seberePredmety) FUNKCE(letSipu) FUNKCE(pohniSNepritelem) FUNKCE(utoc) FUNKCE(hracUtok)
    FUNKCE(sipTrefa) FUNKCE(hracUtociNa) FUNKCE(vykresliDlazdice)
};
// clang-format on

// Level 1 emptied, the hunter standing (stop) in it.
class PrazdnyLevel : public ::testing::Test {
protected:
    VDatech data;
    Hrac hrac;
    Level level{&hrac, 1};
    void SetUp() override {
        LevelTest::vyprazdni(level);
        hrac.stop = true;
    }
    void pevne(int c0, int c1, int r0, int r1) {  // solid tiles, columns c0..c1, rows r0..r1
        for (int c = c0; c <= c1; ++c)
            for (int r = r0; r <= r1; ++r) LevelTest::setPevna(level, c, r);
    }
    void postav(int x, int y) {
        hrac.pozice.x = static_cast<Sint16>(x);
        hrac.pozice.y = static_cast<Sint16>(y);
    }
};
