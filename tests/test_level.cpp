// The level's grids, the map reader and the per-level setup.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "Hrac.h"
#include "Level.h"
#include "pomocnik.h"

namespace {

class LevelGrid : public ::testing::Test {
protected:
    VDatech data;
    Hrac hrac;
    Level level{&hrac, 1};
    void SetUp() override { LevelTest::vyprazdni(level); }
};

TEST_F(LevelGrid, SolidBitsArePackedColumnByColumn) {
    ASSERT_EQ(LevelTest::vLvl(level), 30);
    EXPECT_TRUE(LevelTest::setPevna(level, 1, 0));  // bit 30: byte 3, bit 6
    EXPECT_EQ(LevelTest::polePevna(level)[3], 1 << 6);
    EXPECT_TRUE(LevelTest::setPevna(level, 0, 8));  // bit 8: byte 1, bit 0
    EXPECT_EQ(LevelTest::polePevna(level)[1], 1);
    EXPECT_TRUE(LevelTest::getPevna(level, 1, 0));
    EXPECT_TRUE(LevelTest::getPevna(level, 0, 8));
    EXPECT_FALSE(LevelTest::getPevna(level, 0, 7));
    EXPECT_FALSE(LevelTest::getPevna(level, 2, 0));
    EXPECT_EQ(LevelTest::polePevna(level).size(), 200u * 30u / 8u + 1u);
}

TEST_F(LevelGrid, SetPevnaRefusesSolidAndOutsideTiles) {
    EXPECT_TRUE(LevelTest::setPevna(level, 5, 5));
    EXPECT_FALSE(LevelTest::setPevna(level, 5, 5));
    const auto pred = LevelTest::polePevna(level);
    EXPECT_FALSE(LevelTest::setPevna(level, -1, 0));
    EXPECT_FALSE(LevelTest::setPevna(level, 0, -1));
    EXPECT_FALSE(LevelTest::setPevna(level, 200, 0));
    EXPECT_FALSE(LevelTest::setPevna(level, 0, 30));
    EXPECT_EQ(LevelTest::polePevna(level), pred);
}

TEST_F(LevelGrid, EverythingOutsideTheLevelIsSolid) {
    EXPECT_TRUE(LevelTest::getPevna(level, -1, 5));
    EXPECT_TRUE(LevelTest::getPevna(level, 5, -1));
    EXPECT_TRUE(LevelTest::getPevna(level, 200, 0));
    EXPECT_TRUE(LevelTest::getPevna(level, 0, 30));
    EXPECT_FALSE(LevelTest::getPevna(level, 199, 29));
    EXPECT_FALSE(LevelTest::getPevna(level, 0, 0));
}

TEST_F(LevelGrid, BackgroundIndexRunsIntoTheNextRow) {
    // Level 1's background is 20 x 3 cells.
    ASSERT_TRUE(LevelTest::setPozadi(level, 0, 1, 1));
    ASSERT_TRUE(LevelTest::setPozadi(level, 1, 1, 0));
    EXPECT_EQ(LevelTest::getPozadi(level, 20, 0), 1);
    EXPECT_EQ(LevelTest::getPozadi(level, 21, 0), 0);
    ASSERT_TRUE(LevelTest::setPozadi(level, 21, 0, 2));  // that is cell (1, 1)
    EXPECT_EQ(LevelTest::getPozadi(level, 1, 1), 2);
    ASSERT_TRUE(LevelTest::setPozadi(level, 19, 2, 2));
    EXPECT_EQ(LevelTest::getPozadi(level, 19, 2), 2);
    EXPECT_EQ(LevelTest::getPozadi(level, 20, 2), 0);
    EXPECT_EQ(LevelTest::getPozadi(level, -1, 0), 0);
    EXPECT_EQ(LevelTest::getPozadi(level, 0, 3), 0);
    EXPECT_FALSE(LevelTest::setPozadi(level, 20, 2, 1));
    EXPECT_FALSE(LevelTest::setPozadi(level, -1, 1, 1));
    EXPECT_EQ(LevelTest::getPozadi(level, 0, 2), LevelTest::polePozadi(level)[40]);
}

// Writes a map to a scratch file and reads it into the emptied level.
class MapReader : public LevelGrid {
protected:
    // Outside the shared data folder, one file per process: tests run in parallel.
    std::string soubor =
        (fs::temp_directory_path() / ("grondelvik-mapa-" + std::to_string(getpid()) + ".txt")).string();
    void TearDown() override { std::remove(soubor.c_str()); }
    void nacti(const std::string& obsah, unsigned char pozadi = 2) {
        std::ofstream(soubor, std::ios::binary) << obsah;
        std::fill(LevelTest::polePozadi(level).begin(), LevelTest::polePozadi(level).end(), pozadi);
        ASSERT_TRUE(LevelTest::nactiMapu(level, soubor.c_str()));
    }
    static std::string radek(const std::string& zacatek, char vypln = '.') {
        return zacatek + std::string(200 - zacatek.size(), vypln) + "\n";
    }
    std::vector<std::pair<int, int>> pevne() {
        std::vector<std::pair<int, int>> v;
        for (int x = 0; x < 200; ++x)
            for (int y = 0; y < 30; ++y)
                if (LevelTest::getPevna(level, x, y)) v.emplace_back(x, y);
        return v;
    }
};

TEST_F(MapReader, MissingFileChangesNothing) {
    EXPECT_FALSE(LevelTest::nactiMapu(level, "mapy/neni.txt"));
    EXPECT_TRUE(pevne().empty());
}

TEST_F(MapReader, ColumnsWrapAfterTheLevelWidth) {
    // 199 characters, then a line: its first character lands in column 199
    // of the next row and its second wraps to column 0.
    nacti(std::string(199, '.') + "\nXX\n-\n");
    EXPECT_EQ(pevne(), (std::vector<std::pair<int, int>>{{0, 1}, {199, 1}}));
}

TEST_F(MapReader, LongLineWrapsWithinTheSameRow) {
    nacti(std::string(200, '.') + ".X\n-\n");
    EXPECT_EQ(pevne(), (std::vector<std::pair<int, int>>{{1, 0}}));
}

TEST_F(MapReader, ShortLineContinuesWhereItStopped) {
    nacti("X\nX\n-\n");
    EXPECT_EQ(pevne(), (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}}));
}

TEST_F(MapReader, MissingDashStillLoadsSectionOne) {
    nacti(radek("X1") + radek("..X"), 2);
    EXPECT_EQ(pevne(), (std::vector<std::pair<int, int>>{{0, 0}, {2, 1}}));
    EXPECT_EQ(LevelTest::list(level).getPredmet(1, 0), LevelTest::sip(level));
    for (unsigned char c : LevelTest::polePozadi(level)) EXPECT_EQ(c, 2);
}

TEST_F(MapReader, CrLfReadsLikeLf) {
    const std::string lf = radek("X.2") + radek(".XV") + "-\n" + "01201201201201201201\n" + "2\n";
    nacti(lf);
    const auto pevneLf = pevne();
    const auto pozadiLf = LevelTest::polePozadi(level);
    const auto poleLf = LevelTest::list(level).pole;
    const size_t nepratelLf = LevelTest::set(level).nepratele.size();

    LevelTest::vyprazdni(level);
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    nacti(crlf);
    EXPECT_EQ(pevne(), pevneLf);
    EXPECT_EQ(LevelTest::polePozadi(level), pozadiLf);
    EXPECT_EQ(LevelTest::list(level).pole, poleLf);
    EXPECT_EQ(LevelTest::set(level).nepratele.size(), nepratelLf);
    EXPECT_EQ(LevelTest::getPozadi(level, 1, 0), 1);
    EXPECT_EQ(LevelTest::getPozadi(level, 0, 1), 2);
}

TEST_F(MapReader, EnemiesStandOnTheBottomOfTheirTile) {
    nacti(radek("V") + radek("") + radek("") + radek("") + radek("") + radek("..Z") + "-\n");
    const auto& n = LevelTest::set(level).nepratele;
    ASSERT_EQ(n.size(), 2u);
    // Newest first: the thief read last heads the list.
    EXPECT_EQ(n.front()->typ->typ, 2);
    EXPECT_EQ(n.front()->pozice.x, 60);
    EXPECT_EQ(n.front()->pozice.y, 5 * 30 + 30 - 91);
    EXPECT_EQ(n.back()->typ->typ, 1);
    EXPECT_EQ(n.back()->pozice.x, 0);
    EXPECT_EQ(n.back()->pozice.y, 30 - 93);
    EXPECT_EQ(n.back()->mod, 2);
}

TEST_F(MapReader, ItemsOutsideTheLevelAreIgnored) {
    std::string mapa;
    for (int y = 0; y < 30; ++y) mapa += radek("");
    mapa += radek("1");  // row 30 lies below the level
    nacti(mapa + "-\n");
    EXPECT_TRUE(LevelTest::list(level).seznam.empty());
    for (unsigned char c : LevelTest::list(level).pole) EXPECT_EQ(c, 0);
}

TEST_F(MapReader, ItemCodesFollowFirstPlacement) {
    nacti(radek("2..1..2..4") + "-\n");
    auto& list = LevelTest::list(level);
    EXPECT_EQ(list.getNumber(LevelTest::zivoty(level)), 1);
    EXPECT_EQ(list.getNumber(LevelTest::sip(level)), 2);
    EXPECT_EQ(list.getNumber(LevelTest::novyLvl(level)), 3);
    EXPECT_EQ(list.seznam.size(), 3u);
    EXPECT_EQ(list.getPredmet(6, 0), LevelTest::zivoty(level));
    EXPECT_EQ(list.getPredmet(9, 0), LevelTest::novyLvl(level));
}

TEST_F(MapReader, SectionTwoCutShortKeepsTheRest) {
    nacti(radek("X") + "-\n" + "0101\n1", 2);
    EXPECT_EQ(LevelTest::getPozadi(level, 0, 0), 0);
    EXPECT_EQ(LevelTest::getPozadi(level, 1, 0), 1);
    EXPECT_EQ(LevelTest::getPozadi(level, 3, 0), 1);
    EXPECT_EQ(LevelTest::getPozadi(level, 4, 0), 2);
    EXPECT_EQ(LevelTest::getPozadi(level, 0, 1), 1);
    EXPECT_EQ(LevelTest::getPozadi(level, 1, 1), 2);
    EXPECT_EQ(LevelTest::getPozadi(level, 0, 2), 2);
}

TEST_F(MapReader, BadBackgroundCharactersKeepTheInitialValue) {
    // Level 1 has three pictures: 3, 9 and a letter would point past them.
    nacti(radek("") + "-\n" + "03a910\n", 2);
    const unsigned char cekam[] = {0, 2, 2, 2, 1, 0, 2};
    for (int x = 0; x < 7; ++x) EXPECT_EQ(LevelTest::getPozadi(level, x, 0), cekam[x]) << x;
    for (unsigned char c : LevelTest::polePozadi(level)) EXPECT_LT(c, LevelTest::nPozadi(level));
}

TEST(LevelSetup, UnknownLevelNumberBuildsNothing) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    hrac.pozice.x = 1234;
    for (int t : {0, 4, -1}) {
        try {
            LevelTest::nactiLvl(level, t);
            FAIL() << "level " << t << " was built";
        } catch (const char* zprava) {
            EXPECT_STREQ(zprava, "Chybne cislo levelu.");
        }
    }
    EXPECT_EQ(LevelTest::typ(level), 1);
    EXPECT_EQ(hrac.pozice.x, 1234);
}

TEST(LevelSetup, MissingMapGivesAnEmptyClosedLevel) {
    KopieDat kopie;
    kopie.smaz("mapy/hrad.txt");
    VDatech v(kopie.cesta());
    Hrac hrac;
    Level level(&hrac, 1);
    for (unsigned char c : LevelTest::polePevna(level)) EXPECT_EQ(c, 0);
    for (unsigned char c : LevelTest::polePozadi(level)) EXPECT_EQ(c, 2);
    EXPECT_TRUE(LevelTest::list(level).seznam.empty());
    EXPECT_TRUE(LevelTest::set(level).nepratele.empty());
    EXPECT_TRUE(LevelTest::getPevna(level, 0, 30));  // still closed all round
}

TEST(LevelSetup, EachLevelHasItsTable) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    struct Ocekavani {
        int typ, x, y, dalsi, sLvl, vLvl, nPozadi;
    };
    for (const Ocekavani& o : {Ocekavani{1, 400, 750, 2, 200, 30, 3}, Ocekavani{2, 400, 400, 3, 200, 30, 5},
                               Ocekavani{3, 400, 1680, 1, 600, 90, 5}}) {
        SCOPED_TRACE(o.typ);
        LevelTest::nactiLvl(level, o.typ);
        EXPECT_EQ(LevelTest::typ(level), o.typ);
        EXPECT_EQ(hrac.pozice.x, o.x);
        EXPECT_EQ(hrac.pozice.y, o.y);
        EXPECT_EQ(LevelTest::nextLvl(level), o.dalsi);
        EXPECT_EQ(LevelTest::sLvl(level), o.sLvl);
        EXPECT_EQ(LevelTest::vLvl(level), o.vLvl);
        EXPECT_EQ(LevelTest::nPozadi(level), o.nPozadi);
        EXPECT_EQ(LevelTest::polePozadi(level).size(), size_t(o.sLvl / 10 * (o.vLvl / 10)));
        EXPECT_EQ(LevelTest::polePevna(level).size(), size_t(o.sLvl * o.vLvl / 8 + 1));
    }
}

// The shipped maps: well-formed, and each start stands on a floor.
TEST(ShippedMaps, WellFormedWithOneExitAndValidBackground) {
    VDatech data;
    struct Mapa {
        const char* soubor;
        int sLvl, vLvl, nPozadi;
    };
    for (const Mapa& m : {Mapa{"mapy/hrad.txt", 200, 30, 3}, Mapa{"mapy/venku.txt", 200, 30, 5},
                          Mapa{"mapy/pol.txt", 600, 90, 5}}) {
        SCOPED_TRACE(m.soubor);
        std::ifstream f(m.soubor, std::ios::binary);
        ASSERT_TRUE(f.is_open());
        std::string r;
        int vychody = 0;
        for (int y = 0; y < m.vLvl; ++y) {
            ASSERT_TRUE(std::getline(f, r));
            ASSERT_EQ(r.size(), size_t(m.sLvl)) << "row " << y;
            vychody += static_cast<int>(std::count(r.begin(), r.end(), '4'));
        }
        EXPECT_EQ(vychody, 1);
        ASSERT_TRUE(std::getline(f, r));
        EXPECT_EQ(r, "-");
        for (int y = 0; y < m.vLvl / 10; ++y) {
            ASSERT_TRUE(std::getline(f, r));
            ASSERT_EQ(r.size(), size_t(m.sLvl / 10));
            for (char c : r) {
                EXPECT_GE(c, '0');
                EXPECT_LT(c, '0' + m.nPozadi);
            }
        }
    }
}

TEST(ShippedMaps, TheHunterStartsOnAFloor) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    for (int t : {1, 2, 3}) {
        SCOPED_TRACE(t);
        LevelTest::nactiLvl(level, t);
        const int x = hrac.pozice.x, y = hrac.pozice.y;
        // The 70 x 101 box overlaps no solid tile...
        for (int i = x / 30; i <= (x + 69) / 30; ++i)
            for (int j = y / 30; j <= (y + 100) / 30; ++j)
                EXPECT_FALSE(LevelTest::getPevna(level, i, j)) << i << "," << j;
        // ...and a floor lies less than one tile below his feet.
        const int pod = (y + 101 + 29) / 30;
        EXPECT_LT(pod * 30 - (y + 101), 30);
        EXPECT_TRUE(LevelTest::getPevna(level, (x + 17) / 30, pod));
        EXPECT_TRUE(LevelTest::getPevna(level, (x + 70) / 30 - 1, pod));
        // The first frames settle him on it without walking.
        hrac.stop = true;
        for (int f = 0; f < 3; ++f) level.kontrola();
        EXPECT_FALSE(hrac.vzduch);
        EXPECT_EQ(hrac.pozice.y, pod * 30 - 101 + 3);
    }
}

TEST(FrameRanges, LargeAndSmallMetrics) {
    // Level 1's start, large scale.
    EXPECT_EQ(rozsahBunek(400, 800, 300).od, -1);
    EXPECT_EQ(rozsahBunek(400, 800, 300).po, 4);
    EXPECT_EQ(rozsahBunek(750, 600, 300).od, 0);
    EXPECT_EQ(rozsahBunek(750, 600, 300).po, 5);
    EXPECT_EQ(rozsahBunek(400, 800, 30).od, -1);
    EXPECT_EQ(rozsahBunek(400, 800, 30).po, 28);
    EXPECT_EQ(rozsahBunek(750, 600, 30).od, 14);
    EXPECT_EQ(rozsahBunek(750, 600, 30).po, 37);
    // Counts of cells at both scales.
    for (int x : {0, 137, 400, 5000}) {
        auto pocet = [&](int rozmer, int bunka) {
            auto r = rozsahBunek(x, rozmer, bunka);
            return r.po - r.od;
        };
        EXPECT_EQ(pocet(800, 300), 5);
        EXPECT_EQ(pocet(600, 300), 5);
        EXPECT_EQ(pocet(800, 30), 29);
        EXPECT_EQ(pocet(600, 30), 23);
        EXPECT_EQ(pocet(800, 200), 7);
        EXPECT_EQ(pocet(600, 200), 6);
        EXPECT_EQ(pocet(800, 20), 43);
        EXPECT_EQ(pocet(600, 20), 33);
    }
}

TEST(FrameRanges, DivisionTruncatesTowardZeroNearTheLeftEdge) {
    EXPECT_EQ(rozsahBunek(390, 800, 300).od, -1);  // -10 / 300 is 0
    EXPECT_EQ(rozsahBunek(390, 800, 200).od, -1);
    EXPECT_EQ(rozsahBunek(370, 800, 20).od, -2);  // -30 / 20 is -1, not -2
    EXPECT_EQ(rozsahBunek(370, 800, 30).od, -2);
    EXPECT_EQ(rozsahBunek(100, 800, 300).od, -2);  // -300 / 300
    EXPECT_EQ(rozsahBunek(280, 600, 20).od, -2);
}

TEST(FrameDrawing, TilesAndItemsAppearAtTheirScreenPoints) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    LevelTest::vyprazdni(level);
    Plocha obr = novaObrazovka();
    // A solid tile at (2, 20) and an arrow item at (4, 20), both left of the
    // hunter at (400, 750) and clear of the HUD.
    LevelTest::setPevna(level, 2, 20);
    LevelTest::list(level).addPredmet(4, 20, LevelTest::sip(level));
    hrac.stop = true;
    level.vykresliSe(obr.get());

    Obrazek tile = nactiObrazek("grafika/mise/cihly01b.bmp");
    Obrazek sip = nactiObrazek("grafika/ostatni/sip.bmp");
    ASSERT_TRUE(tile && sip);
    const int tx = 2 * 30 - 400 + 400, ty = 20 * 30 - 750 + 300;
    for (int dx = 0; dx < 30; dx += 7)
        for (int dy = 0; dy < 30; dy += 7)
            EXPECT_EQ(barva(obr.get(), tx + dx, ty + dy), barva(tile.get(), dx, dy));
    const int ix = 4 * 30, iy = ty;
    int shod = 0, neprusvitnych = 0;
    for (int dx = 0; dx < 30; ++dx)
        for (int dy = 0; dy < 30; ++dy) {
            const Uint32 c = barva(sip.get(), dx, dy);
            if (c == 0xFFFFFF) continue;
            ++neprusvitnych;
            shod += barva(obr.get(), ix + dx, iy + dy) == c;
        }
    EXPECT_GT(neprusvitnych, 0);
    EXPECT_EQ(shod, neprusvitnych);
}

TEST(LevelChange, ExitLeadsOnWithHigherDifficultyAndTheHunterKeepsHisThings) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    Plocha obr = novaObrazovka();
    struct Krok {
        int typ, x, y, obtiznost, zivotyValecnika;
    };
    // Levels follow 1, 2, 3, 1; the warrior's health shows the difficulty.
    const Krok kroky[] = {{2, 400, 400, 2, 39}, {3, 400, 1680, 3, 56}, {1, 400, 750, 4, 77}};
    for (const Krok& k : kroky) {
        SCOPED_TRACE(k.typ);
        hrac.score = 700;
        hrac.pocetSipu = 33;
        hrac.zivoty = 150;
        hrac.stop = true;
        // Exits fill the tiles around him, whichever way this frame sweeps.
        for (int x = hrac.pozice.x / 30; x <= (hrac.pozice.x + 70) / 30; ++x)
            for (int y = hrac.pozice.y / 30; y <= (hrac.pozice.y + 101) / 30; ++y)
                LevelTest::list(level).addPredmet(x, y, LevelTest::novyLvl(level));
        level.vykresliSe(obr.get());
        EXPECT_EQ(LevelTest::typ(level), k.typ);
        EXPECT_EQ(LevelTest::obtiznost(level), k.obtiznost);
        EXPECT_EQ(hrac.pozice.x, k.x);
        EXPECT_EQ(hrac.pozice.y, k.y);
        EXPECT_FALSE(hrac.novyLvl);
        EXPECT_EQ(hrac.score, 700);
        EXPECT_EQ(hrac.pocetSipu, 33);
        EXPECT_EQ(hrac.zivoty, 150);
        ASSERT_NE(LevelTest::set(level).getTyp(1), nullptr);
        EXPECT_EQ(LevelTest::set(level).getTyp(1)->maxZivotu, k.zivotyValecnika);
        // Fresh enemy types: exactly one of each kind.
        EXPECT_EQ(LevelTest::set(level).typy.size(), 2u);
    }
}

TEST(LevelChange, NoExitNoChange) {
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    LevelTest::vyprazdni(level);
    Plocha obr = novaObrazovka();
    hrac.stop = true;
    for (int i = 0; i < 3; ++i) level.vykresliSe(obr.get());
    EXPECT_EQ(LevelTest::typ(level), 1);
    EXPECT_EQ(LevelTest::obtiznost(level), 1);
}

}  // namespace
