// SPDX-License-Identifier: GPL-3.0-or-later
// The generated pictures: every file the game loads is there in its size, keeps
// to its colour-key rule, faces left as the mirror of right, and no two frames
// of a set are the same (the drawing tests rely on telling them apart).
#include <algorithm>

#include "pomocnik.h"

namespace {

struct Skupina {
    const char* jmena;  // a folder under grafika/, then names without ".bmp"
    int w, h, wm, hm;   // wm 0: no small picture ("m")
    bool levy, klic;    // facing-left pictures ("l"); white is transparent
};

const Skupina kSkupiny[] = {
    {"mise/ cihly01b zem led", 30, 30, 20, 20, false, false},
    {"mise/ zed01 zed02 zed03 venku01 venku02 venku03 venku04 venku05 pol01 pol02 pol03 pol04 pol05", 300,
     300, 200, 200, false, false},
    {"ostatni/ pauza", 400, 200, 0, 0, false, true},
    {"ostatni/ konec", 500, 100, 0, 0, false, true},
    {"ostatni/ ovladani", 760, 560, 0, 0, false, true},
    {"ostatni/en/ pauza", 400, 200, 0, 0, false, true},
    {"ostatni/en/ konec", 500, 100, 0, 0, false, true},
    {"ostatni/en/ ovladani", 760, 560, 0, 0, false, true},
    {"ostatni/ cislaKarty", 120, 15, 0, 0, false, true},
    {"lovec/ n1 n2 n3 n4 n5 n6 n7", 70, 35, 44, 23, true, true},
    {"lovec/ l-30 l0 l30 l60 l90 m0 m1 m2", 70, 66, 44, 44, true, true},
    {"lovec/ sip-30 sip0 sip30 sip60", 30, 30, 20, 20, true, true},
    {"lovec/ sip90", 30, 30, 20, 20, false, true},
    {"nepratele/valecnik/ teloValecnik01 teloValecnik02 teloValecnik03 teloValecnik04", 79, 53, 53, 37, true,
     true},
    {"nepratele/valecnik/ nohyValecnik01 nohyValecnik02 nohyValecnik03 nohyValecnik04 nohyValecnik05", 79, 40,
     53, 25, true, true},
    {"nepratele/zlodej/ zlodej1 zlodej2 zlodej3", 40, 80, 27, 54, true, true},
    {"nepratele/zlodej/ zlodejNohy1 zlodejNohy2 zlodejNohy3", 40, 11, 27, 7, true, true},
    {"ostatni/ sip toulec zivot novyLvl", 30, 30, 20, 20, false, true},
    {"ostatni/ 0 1 2 3 4 5 6 7 8 9", 40, 50, 0, 0, false, true},
    {"ostatni/ lomitko", 25, 50, 0, 0, false, true},
    {"ostatni/ zivotI toulecI score", 50, 50, 0, 0, false, true},
    {"ostatni/ au minul", 30, 30, 0, 0, false, true}};

// A picture's pixels as 0xRRGGBB, row by row.
std::vector<Uint32> pixely(const std::string& soubor, int& w, int& h) {
    Obrazek o(SDL_LoadBMP((std::string(GRONDELVIK_DATA) + "/grafika/" + soubor).c_str()));
    if (!o) return {};
    Obrazek s(SDL_CreateRGBSurface(SDL_SWSURFACE, w = o->w, h = o->h, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    SDL_BlitSurface(o.get(), nullptr, s.get(), nullptr);
    std::vector<Uint32> v;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            v.push_back(static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF);
    return v;
}

TEST(Grafika, EveryPictureIsThereInItsSizeKeyRuleAndMirrorAndFramesDiffer) {
    for (const Skupina& s : kSkupiny) {
        std::istringstream jmena(s.jmena);
        std::vector<std::vector<Uint32>> snimky;
        std::string slozka, jmeno;
        jmena >> slozka;
        while (jmena >> jmeno)
            for (const std::string k : {"", "l", "m", "lm"}) {
                const std::string j = slozka + jmeno;
                const bool levy = k.find('l') != std::string::npos, maly = k.find('m') != std::string::npos;
                if ((levy && !s.levy) || (maly && !s.wm)) continue;
                int w = 0, h = 0, pw = 0, ph = 0;
                const std::vector<Uint32> p = pixely(j + k + ".bmp", w, h);  // k: facing left, small
                EXPECT_EQ(r(w, h), maly ? r(s.wm, s.hm) : r(s.w, s.h)) << j << k;
                const long bile = std::count(p.begin(), p.end(), 0xFFFFFFu), vse = long(p.size());
                // Something see-through and something real drawn, or no white at all.
                EXPECT_TRUE(s.klic ? bile > 0 && vse - bile >= vse / 30 : bile == 0) << j << k;
                if (k.empty()) snimky.push_back(p);
                if (!levy) continue;
                const std::vector<Uint32> pravy = pixely(j + k.substr(1) + ".bmp", pw, ph);
                for (int i = 0; i < h * w; ++i) ASSERT_EQ(p[i], pravy[i - i % w + w - 1 - i % w]) << j << k;
            }
        for (size_t i = 0; i < snimky.size(); ++i)
            for (size_t k = i + 1; k < snimky.size(); ++k)
                EXPECT_NE(snimky[i], snimky[k]) << s.jmena << i << k;
    }
}

// A picture with pure white, near-white and other colours, drawn keyed on a
// 16-bit screen: only its pure white is transparent.
TEST(Grafika, OnA16BitScreenOnlyThePicturesOwnWhiteIsTransparent) {
    const KopieDat kopie;
    const fs::path soubor = kopie.cesta() / "bila.bmp";
    // clang-format off
    const Uint32 barvy[] = {0xFFFFFF, 0xFEFEFE, 0xFAFAFA, 0xF8F8F8, 0xFFFFF8, 0xF7FFFF, 0x000000, 0x0000FF};
    const bool pruhledna[] = {true, false, false, false, false, false, false, false};
    // clang-format on
    Obrazek vzor(SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 1, 24, 0xFF0000, 0xFF00, 0xFF, 0));
    for (int x = 0; x < 8; ++x) {
        SDL_Rect r{static_cast<Sint16>(x), 0, 1, 1};
        SDL_FillRect(vzor.get(), &r, barvy[x]);
    }
    ASSERT_EQ(SDL_SaveBMP(vzor.get(), soubor.c_str()), 0);
    // The classic library's dummy driver overruns its buffer at 15 bits and the
    // compatibility library has no 15-bit mode; 15 bits take the same path.
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
        SDL_Surface* obrazovka = SDL_SetVideoMode(800, 600, 16, SDL_SWSURFACE);
        ASSERT_TRUE(obrazovka && obrazovka->format->BitsPerPixel == 16) << SDL_GetError();
        SDL_FillRect(obrazovka, nullptr, SDL_MapRGB(obrazovka->format, 0, 128, 0));
        {
            Obrazek o = nactiObrazek(soubor.c_str());
            ASSERT_TRUE(o);
            nastavBilyKlic(o.get());
            vykresliObrazek(o.get(), obrazovka, 10, 10);
        }
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(barva(obrazovka, 10 + x, 10) == barva(obrazovka, 0, 0), pruhledna[x]) << x;
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

// A keyed sprite in the screen's format is drawn from its rows' runs; partly off the screen, left of x 0,
// above y 0 or past the far edges, it shows what SDL's own keyed blit shows.
TEST(Grafika, RunsClipAtTheScreensEdgesAsSdlsKeyedBlit) {
    VDatech data;
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0);
    SDL_Surface* obrazovka = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    ASSERT_TRUE(obrazovka) << SDL_GetError();
    {
        Obrazek o = nactiObrazek("grafika/nepratele/valecnik/teloValecnik01.bmp");  // 79 x 53
        ASSERT_TRUE(o);
        nastavBilyKlic(o.get());
        for (auto [x, y] : {std::pair{-13, -7}, {-60, 20}, {40, -40}, {-78, -52}, {760, 570}}) {
            SDL_FillRect(obrazovka, nullptr, SDL_MapRGB(obrazovka->format, 0, 128, 0));
            Plocha sdl(SDL_ConvertSurface(obrazovka, obrazovka->format, SDL_SWSURFACE));
            vykresliObrazek(o.get(), obrazovka, x, y);
            SDL_Rect kde{Sint16(x), Sint16(y), 0, 0};
            SDL_BlitSurface(o.get(), nullptr, sdl.get(), &kde);
            EXPECT_TRUE(stejne(obrazovka, sdl.get())) << x << ", " << y;
        }
        // Beyond 16 bits nothing shows; cut to them it would land at (100, 100).
        Plocha pred(SDL_ConvertSurface(obrazovka, obrazovka->format, SDL_SWSURFACE));
        vykresliObrazek(o.get(), obrazovka, 65536 + 100, 100);
        EXPECT_TRUE(stejne(obrazovka, pred.get()));
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
