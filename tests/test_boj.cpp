// Combat: the dice, the rising markers, enemies walking, chasing and
// striking, and the hunter's sword and arrows, on an emptied level 1.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "Hrac.h"
#include "pomocnik.h"

struct BojoveInfoTest {
    static std::list<BojoveInfo::ElemZasah>& zasahy(BojoveInfo& b) { return b.startZ; }
};

namespace {

// The first seed whose rand() draws give these remainders: {modulus, value},
// value -1 for any.
unsigned semeno(const std::vector<std::pair<int, int>>& tahy) {
    for (unsigned s = 1;; ++s) {
        std::srand(s);
        bool shoda = true;
        for (auto [m, v] : tahy) shoda = (std::rand() % m == v || v < 0) && shoda;
        if (shoda) return s;
    }
}

// The same for draws of rand() % 6 only.
unsigned semenoK6(const std::vector<int>& tahy) {
    std::vector<std::pair<int, int>> t;
    for (int v : tahy) t.push_back({6, v});
    return semeno(t);
}

TEST(Kostky, OpenEndedRollsHitsAndWounds) {
    using B = BojoveInfo;
    const struct {
        std::vector<int> tahy;  // rand() % 6, in draw order
        std::function<int()> hod;
        int ocekavano;
    } pripady[] = {
        {{2, 4}, B::dveK6plus, 8},
        {{0, 0, 3, 4}, B::dveK6plus, 1},  // a double one falls while the draws are 3 or less
        {{0, 0, 0, 0, 0, 5}, B::dveK6plus, -1},
        {{5, 5, 4, 3}, B::dveK6plus, 13},  // a double six climbs while they are 4 or more
        {{5, 5, 5, 4, 2}, B::dveK6plus, 14},
        // Defence is rolled first; ties go to the attacker.
        {{3, 3, 2, 4}, [] { return B::trefil(0, 0); }, 1},
        {{3, 4, 2, 4}, [] { return B::trefil(0, 0); }, 0},
        // Halves go up: 10 / 4 gives 3, 4 / 8 gives 1.
        {{3, 4, 2, 4}, [] { return B::trefil(10, 16); }, 1},
        {{2, 4, 2, 4}, [] { return B::trefil(0, 4); }, 0},
        {{2, 3}, [] { return B::zraneni(16); }, 12},
        {{2, 3}, [] { return B::zraneni(14); }, 12},
        {{0, 0, 0, 0, 0, 5}, [] { return B::zraneni(0); }, 0},  // never negative
        {{0, 0, 0, 0, 0, 5}, [] { return B::zraneni(6); }, 1},
    };
    for (const auto& p : pripady) {
        std::srand(semenoK6(p.tahy));
        EXPECT_EQ(p.hod(), p.ocekavano) << ::testing::PrintToString(p.tahy);
    }
}

class Boj : public ::testing::Test {
protected:
    void SetUp() override {
        LevelTest::vyprazdni(l);
        h.stop = true;
        h.pozSipy = 0;
        h.beh = 10;
        // Floor on row 20 from column 4 to 25, a wall on column 3, and a
        // second floor from column 50 on.
        for (int c = 4; c < 26; ++c) LevelTest::setPevna(l, c, 20);
        for (int c = 50; c < 80; ++c) LevelTest::setPevna(l, c, 20);
        for (int r = 10; r < 21; ++r) LevelTest::setPevna(l, 3, r);
    }
    void TearDown() override { hodiny::pust(); }
    // An enemy standing on the floor of row 20.
    Nepritel& nepritel(int typ, int x, bool vlevo, int y = 0) {
        SetNepratel& s = LevelTest::set(l);
        s.addNepritele(typ, bod(x, y ? y : 600 - s.getTyp(typ)->vyska));
        Nepritel& n = *s.nepratele.front();
        n.vlevo = vlevo;
        return n;
    }
    static SDL_Rect bod(int x, int y) {
        SDL_Rect r{};
        r.x = static_cast<Sint16>(x);
        r.y = static_cast<Sint16>(y);
        return r;
    }
    void postav(int x, int y, bool vlevo) {
        h.pozice = bod(x, y);
        h.vlevo = vlevo;
    }
    BojoveInfo& info() { return LevelTest::bInfo(l); }

    VDatech d;
    Hrac h;
    Level l{&h, 1};
};

TEST_F(Boj, MarkersRiseTenPixelsForSevenDrawingsHitsUnderMisses) {
    Obrazek au = nactiObrazek("grafika/ostatni/au.bmp"), minul = nactiObrazek("grafika/ostatni/minul.bmp");
    nastavBilyKlic(au.get());
    nastavBilyKlic(minul.get());
    info().addMinul(bod(500, 400));
    info().addZasah(bod(500, 400));
    info().addZasah(bod(520, 400));
    const SDL_Rect pozice = bod(450, 380);  // the world point (500, 400) shows at (450, 320)
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        Plocha skutecna = prazdnaObrazovka(), cekam = prazdnaObrazovka();
        info().vykresliSe(skutecna.get(), pozice);
        if (i < 7) {
            // Newest first within a list, every hit before every miss.
            vykresliObrazek(au.get(), cekam.get(), 470, 320 - 10 * i);
            vykresliObrazek(au.get(), cekam.get(), 450, 320 - 10 * i);
            vykresliObrazek(minul.get(), cekam.get(), 450, 320 - 10 * i);
        }
        EXPECT_TRUE(stejneObrazovky(skutecna.get(), cekam.get()));
    }
    EXPECT_TRUE(info().zasahy().empty());
    EXPECT_TRUE(info().minuti().empty());
}

TEST_F(Boj, AnExpiredMarkerLeavesTheMiddleOfItsList) {
    for (int x : {1, 2, 3}) info().addZasah(bod(x, 100));
    auto& z = BojoveInfoTest::zasahy(info());
    std::next(z.begin())->n = 6;  // as a saved game may order them
    Plocha o = novaObrazovka();
    info().vykresliSe(o.get(), bod(0, 0));
    std::vector<std::pair<int, int>> zbytek;
    for (const auto& m : info().zasahy()) zbytek.push_back({m.kde.x, m.n});
    EXPECT_EQ(zbytek, (std::vector<std::pair<int, int>>{{3, 1}, {1, 1}}));
    info().addMinul(bod(100, 50));
    info().zmensi();
    EXPECT_EQ(std::make_pair(info().minuti().front().kde.x, info().minuti().front().kde.y),
              std::make_pair(Sint16(66), Sint16(33)));
    info().zvetsi();
    EXPECT_EQ(std::make_pair(info().minuti().front().kde.x, info().minuti().front().kde.y),
              std::make_pair(Sint16(99), Sint16(49)));
}

TEST(BojStart, AMissingMarkerPictureEndsTheProgram) {
    const std::pair<const char*, const char*> pripady[] = {
        {"grafika/ostatni/au.bmp", "Nelze nalezt obrazek grafika/ostatni/krev.bmp\n"},
        {"grafika/ostatni/minul.bmp", "Nelze nalezt obrazek grafika/ostatni/minul.bmp\n"},
    };
    for (const auto& [soubor, zprava] : pripady) {
        KopieDat kopie;
        kopie.smaz(soubor);
        const std::string prikaz = "cd '" + kopie.cesta().string() +
                                   "' && SDL_VIDEODRIVER=dummy '" GRONDELVIK_BIN
                                   "' </dev/null >/dev/null 2>chyby.txt";
        const int r = std::system(prikaz.c_str());
        std::stringstream chyby;
        chyby << std::ifstream(kopie.cesta() / "chyby.txt").rdbuf();
        EXPECT_TRUE(WIFEXITED(r) && WEXITSTATUS(r) == 1) << soubor;
        EXPECT_EQ(chyby.str(), zprava);
    }
}

}  // namespace
