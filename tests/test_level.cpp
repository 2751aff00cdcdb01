// SPDX-License-Identifier: GPL-3.0-or-later
// The level: its grids, the map reader, each level's row of the table, the
// frame's drawing and the change to the next level.

#include <algorithm>
#include <set>
#include <tuple>

#include "pomocnik.h"

namespace {

class Svet : public PrazdnyLevel {
protected:
    // Reads a map from a scratch file of this process, every cell at pozadi before.
    void nacti(const std::string& obsah, unsigned char pozadi = 2) {
        const std::string soubor =
            (fs::temp_directory_path() / ("grondelvik-" + std::to_string(getpid()))).string();
        std::ofstream(soubor, std::ios::binary) << obsah;
        LevelTest::vyprazdni(level);
        std::fill(LevelTest::polePozadi(level).begin(), LevelTest::polePozadi(level).end(), pozadi);
        ASSERT_TRUE(LevelTest::nactiMapu(level, soubor.c_str()));
        fs::remove(soubor);
    }
    std::vector<Bunka> pevne() const {
        std::vector<Bunka> v;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 30; ++y)
                if (LevelTest::getPevna(level, x, y)) v.emplace_back(x, y);
        return v;
    }
};

TEST_F(Svet, TilesArePackedColumnByColumnCellsRowByRowAndOutsideIsSolid) {
    EXPECT_TRUE(LevelTest::setPevna(level, 1, 0));  // bit 30: byte 3, bit 6
    EXPECT_TRUE(LevelTest::setPevna(level, 0, 8));  // bit 8: byte 1, bit 0
    EXPECT_FALSE(LevelTest::setPevna(level, 0, 8));
    for (auto [x, y] : {Bunka{-1, 5}, {5, -1}, {200, 0}, {0, 30}})
        EXPECT_EQ(r(LevelTest::setPevna(level, x, y), LevelTest::getPevna(level, x, y)), r(0, 1))
            << x << "," << y;
    std::vector<unsigned char> cekam(751, 0);
    cekam[3] = 1 << 6, cekam[1] = 1;
    EXPECT_EQ(LevelTest::polePevna(level), cekam);
    EXPECT_EQ(pevne(), (std::vector<Bunka>{{0, 8}, {1, 0}}));
    // The background is 20 x 3 cells; a column past its edge is in the next row.
    auto& pole = LevelTest::polePozadi(level);
    std::fill(pole.begin(), pole.end(), 2);
    EXPECT_EQ(r(LevelTest::setPozadi(level, 0, 1, 1), LevelTest::setPozadi(level, 21, 0, 0),
                LevelTest::setPozadi(level, 19, 2, 1), LevelTest::setPozadi(level, 20, 2, 0),
                LevelTest::setPozadi(level, -1, 1, 0), LevelTest::setPozadi(level, 0, -1, 0)),
              r(1, 1, 1, 0, 0, 0));
    std::vector<unsigned char> bunky(60, 2);
    bunky[20] = 1, bunky[21] = 0, bunky[59] = 1;
    EXPECT_EQ(pole, bunky);
    EXPECT_EQ(r(LevelTest::getPozadi(level, 20, 0), LevelTest::getPozadi(level, 20, 2),
                LevelTest::getPozadi(level, -1, 0), LevelTest::getPozadi(level, 0, 3)),
              r(1, 0, 0, 0));
}

TEST_F(Svet, MapColumnsWrapAtTheLevelWidthLineEndsOnlyMoveDownAndBadDigitsKeepTheBackground) {
    // A map, its solid tiles, background cells (0..6, 0) and (0..1, 1), all 2 before.
    // Level 1 has three pictures: 3, 9 and a letter would point past them.
    const std::tuple<std::string, const char*, Radek> mapy[] = {
        {std::string(199, '.') + "\nXX\n-\n", "0,1 199,1", r(2, 2, 2, 2, 2, 2, 2, 2, 2)},
        {std::string(200, '.') + ".X\n-\n", "1,0", r(2, 2, 2, 2, 2, 2, 2, 2, 2)},
        {"X\nX\n-\n", "0,0 1,1", r(2, 2, 2, 2, 2, 2, 2, 2, 2)},
        {"X\r\n.X\r\n-\r\n01\r\n2", "0,0 2,1", r(0, 1, 2, 2, 2, 2, 2, 2, 2)},
        {"\rX\n-\n", "1,0", r(2, 2, 2, 2, 2, 2, 2, 2, 2)},
        {"1234VZ.a X\n\nX-X\n", "9,0 10,2", r(2, 2, 2, 2, 2, 2, 2, 2, 2)},
        {"-\n03a910\n1", "", r(0, 2, 2, 2, 1, 0, 2, 1, 2)},
        {"X-\n\n1", "0,0", r(2, 2, 2, 2, 2, 2, 2, 1, 2)}};
    for (const auto& [mapa, tvrde, pozadi] : mapy) {
        nacti(mapa);
        Radek v;
        for (auto [x, y] : {Bunka{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {0, 1}, {1, 1}})
            v.push_back(LevelTest::getPozadi(level, x, y));
        EXPECT_EQ(pevne(), bunky(tvrde)) << mapa;
        EXPECT_EQ(v, pozadi) << mapa;
    }
}

TEST_F(Svet, MapItemsGetCodesInOrderOfFirstPlacementAndEnemiesStandOnTheirTile) {
    // Without "-"; row 30 lies below the level and is ignored.
    nacti("V.2..1..2..4.3" + std::string(186, '.') + "\n\n\n\n\n..Z" + std::string(25, '\n') + "1\n");
    const ListPredmetu& list = LevelTest::list(level);
    EXPECT_EQ(
        r(list.pole[2 * 30], list.pole[5 * 30], list.pole[8 * 30], list.pole[11 * 30], list.pole[13 * 30]),
        r(1, 2, 1, 3, 4));
    // Codes 1 to 4, and no fifth.
    EXPECT_EQ((std::vector<Predmet*>{list.findPredmet(1), list.findPredmet(2), list.findPredmet(3),
                                     list.findPredmet(4), list.findPredmet(5)}),
              (std::vector<Predmet*>{LevelTest::zivoty(level), LevelTest::sip(level),
                                     LevelTest::novyLvl(level), LevelTest::toulec(level), nullptr}));
    const auto& n = LevelTest::set(level).nepratele;  // newest first
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(r(n.front()->typ->typ, n.front()->pozice.x, n.front()->pozice.y, n.front()->mod,
                n.back()->typ->typ, n.back()->pozice.x, n.back()->pozice.y),
              r(2, 60, 5 * 30 + 30 - 91, 2, 1, 0, 30 - 93));
    EXPECT_EQ(std::count(LevelTest::polePozadi(level).begin(), LevelTest::polePozadi(level).end(), 2), 60);
}

TEST_F(Svet, MapTextReadAgainReplacesEverythingAndLeavesOutEnemiesBelowTheLevel) {
    std::istringstream prvni("X1V\n-\n01"), druha(".3" + std::string(1100, '\n') + "V\nZ-\n1");
    level.postavZMapy(prvni);
    level.postavZMapy(druha);  // rows from 30 on lie below the level, however far
    const ListPredmetu& list = LevelTest::list(level);
    EXPECT_EQ(pevne(), bunky(""));
    EXPECT_EQ(r(list.pole[1 * 30], list.seznam.size(), list.findPredmet(1) == LevelTest::toulec(level),
                LevelTest::set(level).nepratele.size()),
              r(1, 1, 1, 0));
    EXPECT_EQ(std::count(list.pole.begin(), list.pole.end(), 0), 200 * 30 - 1);
    std::vector<unsigned char> pozadi(60, 2);
    pozadi[0] = 1;
    EXPECT_EQ(LevelTest::polePozadi(level), pozadi);
}

TEST_F(Svet, ReaderFactsCountItemKindsInsideTheLevelOnly) {
    // Kinds 1 and 2 on rows 0 and 1, 3 on row 29, 4 on row 30.
    const std::string mapa = "1\n2" + std::string(28, '\n') + "3\n4\n-\n";
    for (const auto& [t, fakta] : {std::pair{1, r(200, 30, 3)}, {3, r(600, 90, 4)}, {4, r(0, 0, 0)}}) {
        std::istringstream text(mapa);
        const MapaLevelu m = Level::mapaZTextu(t, text);
        EXPECT_EQ(r(m.sLvl, m.vLvl, m.druhuPredmetu), fakta) << t;
    }
}

// What a frame of level 1 must show besides the background cells of vzor.
struct Scena {
    std::set<Bunka> pevne;
    std::map<Bunka, int> predmety;  // 0 an arrow, 1 health, 2 a quiver, 3 the exit
    std::string nepratele;          // pictures at world points, under nepratele/
};

const char* const kDruhy[] = {"sip", "zivot", "toulec", "novyLvl"};

int vzor(int i, int j) {
    return (i + 2 * j) % 3;
}

// The frame seen from (x, y), drawn by SDL: background, solid tiles (outside the
// level too), items on free tiles, enemies, the hunter seen falling, his HUD.
Plocha snimekSceny(const Scena& s, int x, int y) {
    Plocha o = prazdnaObrazovka();
    auto blit = [&](const std::string& soubor, bool klic, int wx, int wy) {
        Obrazek p = obrazek(soubor, klic);
        SDL_Rect r{static_cast<Sint16>(wx - x + 400), static_cast<Sint16>(wy - y + 300), 0, 0};
        SDL_BlitSurface(p.get(), nullptr, o.get(), &r);
    };
    for (int i = -3; i < 23; ++i)
        for (int j = -3; j < 6; ++j) {
            const bool uvnitr = i >= 0 && i < 20 && j >= 0 && j < 3;
            blit("mise/zed0" + std::to_string((uvnitr ? vzor(i, j) : 0) + 1) + ".bmp", false, 300 * i,
                 300 * j);
        }
    for (int i = (x - 400) / 30 - 2; i < (x + 400) / 30 + 2; ++i)
        for (int j = (y - 300) / 30 - 2; j < (y + 300) / 30 + 2; ++j) {
            if (i < 0 || i >= 200 || j < 0 || j >= 30 || s.pevne.count({i, j}))
                blit("mise/cihly01b.bmp", false, 30 * i, 30 * j);
            else if (s.predmety.count({i, j}))
                blit(std::string("ostatni/") + kDruhy[s.predmety.at({i, j})] + ".bmp", true, 30 * i, 30 * j);
        }
    for (const Kresba& k : kresby("nepratele/", s.nepratele)) blit(k.soubor, true, k.x, k.y);
    nakresli(o.get(), kresby("lovec/", "n7 400 366, m0 400 300"));
    nakresli(o.get(), kresby("ostatni/", kHudNovehoLovce));
    return o;
}

// The hunter in the middle of level 1, and near its top-left corner where the view reaches outside the level.
class SvetKresleni : public Svet, public ::testing::WithParamInterface<Bunka> {};

TEST_P(SvetKresleni, ShowsEveryCellItemAndEnemyAtItsScreenPoint) {
    const auto [x, y] = GetParam();
    // (38, 13) hides its item; a warrior faces left mid-strike, a thief right at
    // rest; another thief and warrior stand partly out of the view.
    Scena s;
    s.pevne = {{38, 13}, {45, 20}, {6, 4}};
    s.predmety = {{{38, 13}, 1}, {{36, 14}, 0}, {{44, 21}, 2}, {{1, 1}, 3}, {{7, 5}, 0}};
    s.nepratele =
        "valecnik/teloValecnik01 1545 730, valecnik/nohyValecnik01 1545 783, zlodej/zlodej3 -330 200, "
        "zlodej/zlodejNohy2 -330 280, zlodej/zlodej1 1400 500, zlodej/zlodejNohy1 1400 580, "
        "valecnik/teloValecnik04l 1000 330, valecnik/nohyValecnik03l 1000 383";
    Predmet* const druhy[] = {LevelTest::sip(level), LevelTest::zivoty(level), LevelTest::toulec(level),
                              LevelTest::novyLvl(level)};
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 3; ++j) LevelTest::setPozadi(level, i, j, static_cast<unsigned char>(vzor(i, j)));
    for (const Bunka& b : s.pevne) LevelTest::setPevna(level, b.first, b.second);
    for (const auto& [b, druh] : s.predmety)
        LevelTest::list(level).addPredmet(b.first, b.second, druhy[druh]);
    SetNepratel& set = LevelTest::set(level);
    for (const auto& n : {std::array{1, 1000, 330, 1, 3, 2},
                          {2, 1400, 500, 0, 0, 0},
                          {2, -330, 200, 0, 2, 1},
                          {1, 1545, 730, 0, 0, 0}}) {
        set.addNepritele(n[0], SDL_Rect{static_cast<Sint16>(n[1]), static_cast<Sint16>(n[2]), 0, 0});
        set.nepratele.front()->vlevo = n[3], set.nepratele.front()->aTelo = n[4],
        set.nepratele.front()->aNohy = n[5];
    }
    postav(x, y);
    Plocha obr = prazdnaObrazovka();
    level.vykresliSe(obr.get());
    EXPECT_TRUE(stejne(obr.get(), snimekSceny(s, x, y).get()));
}

INSTANTIATE_TEST_SUITE_P(Level1, SvetKresleni, ::testing::Values(Bunka{1165, 460}, Bunka{85, 95}));

// Each level's row of the table, read from scratch maps that mark which file
// was read: level t has one solid tile at (t, 0) and no background section.
class KazdyLevel : public ::testing::TestWithParam<int> {};

TEST_P(KazdyLevel, HasItsStartSizeTilesetMapAndInitialBackground) {
    const int t = GetParam();
    struct Popis {
        int x, y, dalsi, sloupcu, radku, nPozadi, pocatek;
        const char *pevna, *pozadi, *mapa;
    };
    const Popis popisy[] = {{400, 750, 2, 200, 30, 3, 2, "mise/cihly01b.bmp", "mise/zed0", "mapy/hrad.txt"},
                            {400, 400, 3, 200, 30, 5, 1, "mise/zem.bmp", "mise/venku0", "mapy/venku.txt"},
                            {400, 1680, 1, 600, 90, 5, 1, "mise/led.bmp", "mise/pol0", "mapy/pol.txt"}};
    const Popis& p = popisy[t - 1];
    KopieDat kopie;
    for (int i = 1; i <= 3; ++i) kopie.zapis(popisy[i - 1].mapa, std::string(i, '.') + "X\n-\n");
    VDatech v(kopie.cesta());
    Hrac hrac;
    Level level(&hrac, 1);
    for (bool mapa : {true, false}) {  // without its map a level is empty and closed
        if (!mapa) kopie.smaz(p.mapa);
        LevelTest::nactiLvl(level, t);
        const ListPredmetu& list = LevelTest::list(level);
        EXPECT_EQ(r(LevelTest::typ(level), hrac.pozice.x, hrac.pozice.y, LevelTest::nextLvl(level),
                    LevelTest::sLvl(level), LevelTest::vLvl(level), LevelTest::nPozadi(level), list.maxX,
                    list.maxY),
                  r(t, p.x, p.y, p.dalsi, p.sloupcu, p.radku, p.nPozadi, p.sloupcu, p.radku));
        std::vector<unsigned char> pevna(p.sloupcu * p.radku / 8 + 1, 0);
        if (mapa) pevna[p.radku * t / 8] = 1 << (p.radku * t % 8);  // tile (t, 0)
        EXPECT_EQ(LevelTest::polePevna(level), pevna);
        EXPECT_EQ(LevelTest::polePozadi(level),
                  std::vector<unsigned char>(p.sloupcu * p.radku / 100, p.pocatek));
    }
    // The tile and the background pictures of the set, in order.
    EXPECT_TRUE(stejne(LevelTest::pevna(level), obrazek(p.pevna, false).get()));
    for (int i = 0; i < p.nPozadi; ++i)
        EXPECT_TRUE(
            stejne(LevelTest::pozadi(level, i), obrazek(p.pozadi + std::to_string(i + 1) + ".bmp").get()))
            << i;
}

INSTANTIATE_TEST_SUITE_P(Levels, KazdyLevel, ::testing::Values(1, 2, 3));

TEST_F(Svet, AnUnknownLevelNumberBuildsNothingAndTheExitLeadsToTheNext) {
    hrac.pozice.x = 1234;
    for (int t : {0, 4, -1})
        EXPECT_EQ(zprava([&] { LevelTest::nactiLvl(level, t); }), "Chybne cislo levelu.") << t;
    EXPECT_EQ(r(LevelTest::typ(level), hrac.pozice.x), r(1, 1234));
    Plocha obr = novaObrazovka();
    for (int i = 0; i < 3; ++i) level.vykresliSe(obr.get());
    EXPECT_EQ(LevelTest::typ(level), 1) << "no exit, no change";
    // Levels follow 1, 2, 3, 1; the warrior's health shows the difficulty.
    for (const Radek& k : {r(2, 400, 400, 2, 39), r(3, 400, 1680, 3, 56), r(1, 400, 750, 4, 77)}) {
        hrac.score = 700, hrac.pocetSipu = 33, hrac.zivoty = 150;
        for (int x = hrac.pozice.x / 30; x <= (hrac.pozice.x + 70) / 30; ++x)
            for (int y = hrac.pozice.y / 30; y <= (hrac.pozice.y + 101) / 30 + 4; ++y)
                LevelTest::list(level).addPredmet(x, y, LevelTest::novyLvl(level));
        level.vykresliSe(obr.get());
        SetNepratel& set = LevelTest::set(level);
        EXPECT_EQ(r(LevelTest::typ(level), hrac.pozice.x, hrac.pozice.y, LevelTest::obtiznost(level),
                    set.getTyp(1)->maxZivotu, set.typy.size(), hrac.score, hrac.pocetSipu, hrac.zivoty,
                    hrac.novyLvl),
                  r(k[0], k[1], k[2], k[3], k[4], 2, 700, 33, 150, 0));
    }
}

}  // namespace
