// SPDX-License-Identifier: GPL-3.0-or-later
// The frame's still layer as the rules draw it (whole background cells, then solid tiles and items column by
// column), and the same frame from pictures converted to a 32-bit screen's format.
#include <array>

#include "pomocnik.h"

namespace {

// The rules' drawing of background, tiles and items for a hunter at p.
Plocha podlePravidel(Level& l, SDL_Rect p, int bunka, int dlazdice) {
    Plocha o = prazdnaObrazovka();
    const RozsahBunek bx = rozsahBunek(p.x, 800, bunka), by = rozsahBunek(p.y, 600, bunka);
    for (int i = bx.od; i < bx.po; ++i)
        for (int j = by.od; j < by.po; ++j)
            vykresliObrazek(LevelTest::pozadi(l, LevelTest::getPozadi(l, i, j)), o.get(),
                            bunka * i - p.x + 400, bunka * j - p.y + 300);
    const RozsahBunek tx = rozsahBunek(p.x, 800, dlazdice), ty = rozsahBunek(p.y, 600, dlazdice);
    for (int i = tx.od; i < tx.po; ++i)
        for (int j = ty.od; j < ty.po; ++j) {
            SDL_Surface* obr = LevelTest::getPevna(l, i, j) ? LevelTest::pevna(l) : nullptr;
            if (!obr)
                if (Predmet* pr = LevelTest::list(l).getPredmet(i, j)) obr = pr->getObrazek();
            if (obr) vykresliObrazek(obr, o.get(), dlazdice * i - p.x + 400, dlazdice * j - p.y + 300);
        }
    return o;
}

// Left of the hunter's anchor and the HUD only the still layer shows.
int rozdilyVlevo(SDL_Surface* a, SDL_Surface* b) {
    int n = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 400; ++x) n += barva(a, x, y) != barva(b, x, y);
    return n;
}

TEST(FrameStill, RowsAndRunsDrawWhatWholeCellsDraw) {
    // Level 1 at its start and at the left wall with items; level 3 deep in; last (male 2, large) with a
    // quiver picture too large for its cell, which leaves the rows and runs to whole cells.
    KopieDat kopie;
    kopie.smaz("grafika/ostatni/toulec.bmp");
    fs::copy_file(kopie.cesta() / "grafika/ostatni/score.bmp", kopie.cesta() / "grafika/ostatni/toulec.bmp");
    for (auto [t, x, y, male] : {std::array{1, 400, 750, 0},
                                 {1, 100, 480, 1},
                                 {3, 3000, 1500, 0},
                                 {3, 3000, 1500, 1},
                                 {1, 100, 480, 2}}) {
        SCOPED_TRACE(t * 10 + male);
        VDatech data(male < 2 ? fs::path(GRONDELVIK_DATA) : kopie.cesta());
        Hrac hrac;
        Level level(&hrac, t);
        if (male == 1) level.zmensi();
        hrac.pozice = SDL_Rect{Sint16(x), Sint16(y), 0, 0};
        hrac.stop = true;
        Plocha cekam = podlePravidel(level, hrac.pozice, male == 1 ? 200 : 300, male == 1 ? 20 : 30);
        Plocha obr = prazdnaObrazovka();
        level.vykresliSe(obr.get());
        EXPECT_EQ(rozdilyVlevo(obr.get(), cekam.get()), 0);
    }
}

TEST(FrameStill, ScreenFormatPicturesKeepTheirWhiteKey) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    hrac.stop = true;
    Plocha cekam = novaObrazovka();
    SDL_Rect klip{0, 0, 800, 350};  // through his weapon (300..366): runs clip like SDL
    SDL_SetClipRect(cekam.get(), &klip);
    level.vykresliSe(cekam.get());

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    SDL_Surface* obrazovka = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    ASSERT_NE(obrazovka, nullptr);
    {
        Hrac h2;
        Level l2(&h2, 1);
        h2.stop = true;
        EXPECT_EQ(h2.nohy[0]->format->BitsPerPixel, 32);  // converted from the 24-bit file
        SDL_FillRect(obrazovka, nullptr, 0);  // a new mode's pixels may hold an earlier one's
        SDL_SetClipRect(obrazovka, &klip);
        l2.vykresliSe(obrazovka);
        Plocha kopie = novaObrazovka();
        vykresliObrazek(obrazovka, kopie.get(), 0, 0);
        EXPECT_TRUE(stejne(kopie.get(), cekam.get()));
    }
    SDL_Quit();
}

// An 800 x 600 surface of 32, 24, 16 or 8 bits (grey), filled with a colour no picture uses.
Plocha plocha(int bpp, const SDL_Rect* klip) {
    const Uint32 r = bpp == 16 ? 0xF800 : 0xFF0000, g = bpp == 16 ? 0x7E0 : 0xFF00,
                 b = bpp == 16 ? 0x1F : 0xFF;
    Plocha o(bpp == 8 ? SDL_CreateRGBSurface(0, 800, 600, 8, 0, 0, 0, 0)
                      : SDL_CreateRGBSurface(0, 800, 600, bpp, r, g, b, 0));
    SDL_Color sede[256];
    for (int i = 0; i < 256; ++i) sede[i] = {Uint8(i), Uint8(i), Uint8(i), 0};
    if (bpp == 8) SDL_SetColors(o.get(), sede, 0, 256);
    SDL_FillRect(o.get(), nullptr, 0x4D8D);
    SDL_SetClipRect(o.get(), klip);
    return o;
}

// The still layer from scratch with SDL's blits: every background cell and tile the view touches.
Plocha odZnova(Level& l, SDL_Rect p, int bpp, const SDL_Rect* klip) {
    Plocha o = plocha(bpp, klip);
    const int x0 = p.x - 400, y0 = p.y - 300, t = LevelTest::sP(l), b = 10 * t;
    const auto dolu = [](int a, int d) { return (a < 0 ? a - d + 1 : a) / d; };
    const auto blit = [&](SDL_Surface* s, int x, int y) {
        SDL_Rect r{Sint16(x - x0), Sint16(y - y0), 0, 0};
        SDL_BlitSurface(s, nullptr, o.get(), &r);
    };
    for (int i = dolu(x0, b); i <= dolu(x0 + 799, b); ++i)
        for (int j = dolu(y0, b); j <= dolu(y0 + 599, b); ++j)
            blit(LevelTest::pozadi(l, LevelTest::getPozadi(l, i, j)), b * i, b * j);
    for (int i = dolu(x0, t); i <= dolu(x0 + 799, t); ++i)
        for (int j = dolu(y0, t); j <= dolu(y0 + 599, t); ++j)
            if (LevelTest::getPevna(l, i, j))
                blit(LevelTest::pevna(l), t * i, t * j);
            else if (Predmet* pr = LevelTest::list(l).getPredmet(i, j))
                blit(pr->getObrazek(), t * i, t * j);
    return o;
}

TEST(FrameStill, KeptFromFrameToFrameItShowsWhatScratchDoes) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    ASSERT_NE(SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE), nullptr);  // pictures in the screen's format
    {
        KopieDat kopie;
        kopie.smaz("mapy/venku.txt");  // level 2 empty: a level change that sets no tile
        VDatech data(kopie.cesta());
        const std::string sav = "savy/vrstva.sav";
        Hrac hrac;
        Level level(&hrac, 1);
        hrac.stop = true;
        hrac.pozice.x = 415;                 // the view 15 pixels into a tile: 28 columns of them
        const SDL_Rect start = hrac.pozice;  // (415, 750), in free space
        SDL_Rect p = start;
        const auto sedi = [&](const std::string& krok, SDL_Rect kde, int bpp = 32,
                              const SDL_Rect* klip = nullptr) {
            p = kde;
            Plocha obr = plocha(bpp, klip);
            LevelTest::vykresliDlazdice(level, obr.get(), p);
            EXPECT_TRUE(stejne(obr.get(), odZnova(level, p, bpp, klip).get()))
                << krok << " at " << p.x << "," << p.y;
        };
        sedi("start", start);
        ASSERT_TRUE(level.uloz(sav.c_str()));
        ASSERT_TRUE(LevelTest::setPevna(level, 13, 25));
        sedi("a new solid tile", p);
        LevelTest::setPozadi(level, 1, 2, (LevelTest::getPozadi(level, 1, 2) + 1) % 3);
        sedi("a new background cell", p);
        // Rising and sinking by tiles, walking (odd steps, multiples of 4, whole tiles), a jump's rise and
        // fall, far off, outside the level on the left and above.
        const std::vector<std::pair<int, int>> kroky{
            {0, -350}, {0, 25},  {1, 0},  {4, 0},  {3, 0},   {8, -35},    {30, -25}, {31, -15}, {-2, -5},
            {-61, 5},  {20, 15}, {0, 25}, {4, 36}, {400, 0}, {-2000, 37}, {0, -600}, {2999, 1}};
        for (auto [dx, dy] : kroky) sedi("walk", SDL_Rect{Sint16(p.x + dx), Sint16(p.y + dy), 0, 0});
        sedi("24 bits", p, 24);
        sedi("a palette screen, 5 pixels into a tile left of the level", SDL_Rect{95, 480, 0, 0}, 8);
        SDL_Rect klip{10, 20, 500, 300};
        sedi("clipped", p, 32, &klip);
        ASSERT_EQ(LevelTest::list(level).getPredmet(2, 24), LevelTest::sip(level));  // the map's "X.1.1"
        sedi("an arrow", SDL_Rect{67, 718, 0, 0});
        LevelTest::list(level).removeFrom(2, 24);
        sedi("the arrow picked up", p);
        level.zmensi();
        sedi("small", hrac.pozice);
        sedi("small, 16 bits", p, 16);
        sedi("small, where level 2 starts", SDL_Rect{266, 266, 0, 0});  // two thirds of (400, 400)
        hrac.novyLvl = true;
        level.vykresliSe(plocha(32, nullptr).get());
        sedi("level 2, small", hrac.pozice);
        level.zvetsi();
        sedi("level 2 where the game was saved", start);
        ASSERT_EQ(level.nacti(sav.c_str()), Level::Nacteni::hotovo);
        sedi("loaded", hrac.pozice);
    }
    SDL_Quit();
}

}  // namespace
