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

}  // namespace
