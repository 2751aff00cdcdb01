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

// A warrior (79 x 93, speed 5) at x 400 on the floor, or where the row says;
// one draw of rand() % 5 gives 0, so every step is whole.
TEST_F(Boj, PatrolsGuardsAndSentries) {
    const struct {
        int mod, x;
        bool vlevo;
        int hx, hy;  // the hunter, relative to the warrior's corner
        bool velke;
        int x2;
        bool vlevo2;
    } pripady[] = {
        {2, 101, true, 2000, 0, true, 101, false},   // touching the wall: turns
        {2, 104, true, 2000, 0, true, 101, true},    // the step is cut at the wall
        {2, 725, false, 2000, 0, true, 730, false},  // the floor ends at 780
        {2, 726, false, 2000, 0, true, 726, true},   // no floor one cell past the target
        {2, 1486, true, 2000, 0, true, 1481, true},  // the second floor starts at 1500
        {2, 1485, true, 2000, 0, true, 1485, false},
        {2, 400, false, -249, 0, true, 395, true},  // chases inside the radius
        {2, 400, false, -250, 0, true, 405, false},
        {2, 400, false, -166, 0, false, 395, true},  // smaller at the small scale
        {2, 400, false, -167, 0, false, 405, false},
        {1, 400, false, -249, 0, true, 395, true},
        {1, 400, false, -250, 0, true, 400, true},     // a guard waits, flipping
        {1, 400, false, -177, -176, true, 395, true},  // 249.6 counts as 249
        {3, 400, false, -200, 0, true, 400, false},    // a sentry never turns to him
        {3, 400, true, 200, 0, true, 400, true},
        {3, 400, false, -300, 0, true, 400, true},
        {2, 400, false, -31, -150, true, 400, false},  // right above the centre: waits
        {2, 400, true, 39, -150, true, 400, true},
        {2, 400, true, -32, -150, true, 395, true},
        {2, 400, false, 40, -150, true, 405, false},
        {4, 400, false, -100, 0, true, 405, false},  // other modes never chase
    };
    const unsigned s = semeno({{5, 0}});
    for (const auto& p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.mod << " " << p.x << " " << p.hx << " " << p.hy);
        LevelTest::set(l).nepratele.clear();
        LevelTest::vetsi(l) = p.velke;
        Nepritel& n = nepritel(1, p.x, p.vlevo);
        n.mod = p.mod;
        postav(p.x + p.hx, n.pozice.y + p.hy, false);
        std::srand(s);
        LevelTest::pohniSNepritelem(l, &n);
        EXPECT_EQ(n.pozice.x, p.x2);
        EXPECT_EQ(n.vlevo, p.vlevo2);
        EXPECT_EQ(n.pozice.y, 507);
    }
}

// A warrior at x 400 facing the way the row says; the pinned clock makes the
// strike's cooldown 4 + 1 + 3, and a hit of 5 + 3 + 4 against agility 15.
TEST_F(Boj, EnemyStrikes) {
    const struct {
        int hx;
        bool hVlevo, nVlevo;
        int citac, zivoty;
        bool uderi;
    } pripady[] = {
        {438, false, true, 0, 200, true},         {439, false, true, 0, 200, false},  // must face him
        {362, false, false, 0, 200, true},        {361, false, false, 0, 200, false},
        {346, false, true, 0, 200, false},  // his sword side shields him
        {346, true, true, 0, 200, true},          {463, true, false, 0, 200, false},
        {463, false, false, 0, 200, true},        {438, false, true, 1, 200, false},  // cooling down
        {438, false, true, 0, INT_MIN + 5, true},                                     // no wrap below
    };
    hodiny::zastav(semenoK6({3, 0, 1, 5, 4, 3, 2}));
    for (const auto& p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.hx << " " << p.hVlevo << " " << p.nVlevo);
        LevelTest::set(l).nepratele.clear();
        const size_t zasahu = info().zasahy().size();
        Nepritel& n = nepritel(1, 400, p.nVlevo);
        n.citac = p.citac;
        postav(p.hx, 500, p.hVlevo);
        h.zivoty = p.zivoty;
        LevelTest::utoc(l, &n);
        const int x0 = p.hVlevo ? p.hx + 17 : p.hx;  // his body's corner
        EXPECT_EQ(n.citac, p.uderi ? 8 : p.citac);
        EXPECT_EQ(n.aTelo, p.uderi ? 3 : 0);
        EXPECT_EQ(h.zivoty, !p.uderi ? p.zivoty : p.zivoty > 0 ? p.zivoty - 12 : INT_MIN);
        ASSERT_EQ(info().zasahy().size() - zasahu, p.uderi ? 1u : 0u);
        if (p.uderi) {
            EXPECT_EQ(std::make_pair(info().zasahy().front().kde.x, info().zasahy().front().kde.y),
                      std::make_pair(Sint16(x0), Sint16(500)));
        }
    }
    h.obratnost = 1000;  // out of reach of any roll: a miss marker
    Nepritel& n = nepritel(1, 400, true);
    postav(438, 500, false);
    LevelTest::utoc(l, &n);
    EXPECT_EQ(info().minuti().size(), 1u);
    EXPECT_EQ(h.zivoty, INT_MIN);
}

// The hunter at (400, 500) is sure to hit and to kill whatever he strikes.
class Utok : public Boj {
protected:
    void SetUp() override {
        Boj::SetUp();
        h.obratnost = h.sila = 100000;
        hodiny::zastav(1);
    }
    std::vector<int> zivi() {
        std::vector<int> xs;
        for (const auto& n : LevelTest::set(l).nepratele) xs.push_back(n->pozice.x);
        return xs;
    }
    VystrelenySip sip(int x, int y, bool vlevo, int alfa, int vzdalenost = 0) {
        VystrelenySip s;
        s.x = x, s.y = y, s.vlevo = vlevo, s.alfa = alfa, s.vzdalenost = vzdalenost;
        return s;
    }
};

TEST_F(Utok, TheSwordStrikesEveryEnemyInFrontThatTouchesHisBody) {
    // Facing right his body is 400..453 and "in front" is right of 400 - 23;
    // facing left 417..470 and left of 400 + 23. Warriors are 79 wide.
    const struct {
        bool vlevo;
        std::vector<int> xs, prezili;
    } pripady[] = {
        {false, {378, 377, 453, 454}, {454, 377}},
        {true, {422, 423, 338, 337}, {337, 423}},
    };
    for (const auto& p : pripady) {
        LevelTest::set(l).nepratele.clear();
        for (int x : p.xs) nepritel(1, x, false);
        postav(400, 500, p.vlevo);
        h.score = 0;
        LevelTest::hracUtok(l);
        EXPECT_EQ(zivi(), p.prezili);
        EXPECT_EQ(h.score, 200);
    }
}

TEST_F(Utok, TheArrowsTipBox) {
    // A thief at (500, 500), 40 x 91.
    const struct {
        bool vlevo;
        int alfa, x, y;
        bool trefa;
    } pripady[] = {
        {false, 0, 475, 550, true},  {false, 0, 474, 550, false},   // tip 25 ahead, 15 long
        {false, 55, 486, 550, true}, {false, 55, 485, 550, false},  // 14 ahead at 55 degrees
        {true, 0, 540, 550, true},   {true, 0, 541, 550, false},
        {true, -25, 540, 586, true}, {true, -25, 540, 587, false},  // left and down: 5 lower
        {true, 0, 540, 587, true},   {true, 30, 540, 587, true},
        {true, -25, 540, 490, true}, {true, 0, 540, 490, false},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.vlevo << " " << p.alfa << " " << p.x << " " << p.y);
        LevelTest::set(l).nepratele.clear();
        nepritel(2, 500, false, 500);
        VystrelenySip s = sip(p.x, p.y, p.vlevo, p.alfa, 100);
        LevelTest::sipTrefa(l, &s);
        EXPECT_EQ(s.vzdalenost, p.trefa ? 500 : 100);
        EXPECT_EQ(zivi().empty(), p.trefa);
    }
}

TEST_F(Utok, ArrowsInFlight) {
    // Two arrows side by side: the first kills, the second finds nothing.
    nepritel(2, 470, false, 500);
    h.vSipy[0] = h.vSipy[1] = sip(400, 550, false, 0);
    h.pozSipy = 2;
    LevelTest::letSipu(l);
    EXPECT_TRUE(zivi().empty());
    EXPECT_EQ(h.score, 100);
    EXPECT_EQ(h.vSipy[0].vzdalenost, 500);
    EXPECT_EQ(h.vSipy[1].vzdalenost, 50);
    // The hit one steps on and goes without a test; the last arrow takes
    // its slot and hits in the same frame.
    nepritel(2, 520, false, 500);
    LevelTest::letSipu(l);
    ASSERT_EQ(h.pozSipy, 1);
    EXPECT_EQ(h.vSipy[0].x, 500);
    EXPECT_EQ(h.vSipy[0].vzdalenost, 500);
    EXPECT_TRUE(zivi().empty());
    EXPECT_EQ(h.score, 200);
    // Stuck at a solid tile, an arrow still hits what walks into its tip.
    LevelTest::setPevna(l, 13, 18);
    h.vSipy[0] = sip(400, 550, false, 0, 100);
    nepritel(2, 420, false, 500);
    LevelTest::letSipu(l);
    EXPECT_EQ(h.vSipy[0].x, 400);
    EXPECT_EQ(h.vSipy[0].vzdalenost, 500);
    EXPECT_TRUE(zivi().empty());
}

// One blow against a warrior whose agility cannot stop it: a wound of 12 and
// then, on a draw of 0 from rand() % 10, a stronger hunter.
TEST_F(Utok, BlowsKillScoreAndImprove) {
    const struct {
        bool mec, velke;
        int tah, obtiznost, zivoty;
        bool vlevo;
        int sila, obratnost, maxZivotu, beh, score, markerX;
    } pripady[] = {
        {true, true, 0, 1, 12, false, 16, 19, 203, 0, 100, 400},
        {true, true, 1, 1, 13, true, 15, 19, 200, 0, 0, 479},
        {false, true, 0, 3, 12, false, 15, 20, 201, 11, 300, 400},
        {false, false, 0, 2, 12, false, 15, 20, 201, 10, 200, 400},
        {false, true, 9, 1, INT_MIN + 5, false, 15, 19, 200, 0, 100, 400},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(::testing::Message() << p.mec << " " << p.velke << " " << p.tah << " " << p.zivoty);
        LevelTest::set(l).nepratele.clear();
        LevelTest::set(l).getTyp(1)->obratnost = -1000;
        Nepritel& n = nepritel(1, 400, p.vlevo);
        n.zivoty = p.zivoty;
        LevelTest::vetsi(l) = p.velke;
        LevelTest::nastavObtiznost(l, p.obtiznost);
        h.sila = 15, h.obratnost = 19, h.maxZivotu = 200, h.beh = 0, h.score = 0;
        std::srand(semeno({{6, 1}, {6, -1}, {6, 1}, {6, -1}, {6, 2}, {6, 3}, {10, p.tah}}));
        LevelTest::hracUtociNa(l, &n, p.mec);
        EXPECT_EQ((std::vector<int>{h.sila, h.obratnost, h.maxZivotu, h.beh, h.score}),
                  (std::vector<int>{p.sila, p.obratnost, p.maxZivotu, p.beh, p.score}));
        EXPECT_EQ(zivi().size(), p.score ? 0u : 1u);
        if (!p.score) {
            EXPECT_EQ(n.zivoty, 1);
        }
        EXPECT_EQ(info().zasahy().front().kde.x, p.markerX);
    }
    // Nothing passes the int limit.
    LevelTest::set(l).nepratele.clear();
    Nepritel& n = nepritel(1, 400, false);
    h.sila = h.maxZivotu = h.score = INT_MAX;
    LevelTest::nastavObtiznost(l, INT_MAX);
    std::srand(semeno({{6, 1}, {6, -1}, {6, 1}, {6, -1}, {6, 2}, {6, 3}, {10, 0}}));
    LevelTest::hracUtociNa(l, &n, true);
    EXPECT_EQ((std::vector<int>{h.sila, h.maxZivotu, h.score}),
              (std::vector<int>{INT_MAX, INT_MAX, INT_MAX}));
}

// Through the real frame: Space starts a swing that is resolved once, and
// its marker is drawn over the hunter.
TEST_F(Utok, ASwingIsResolvedInTheFrameItStarts) {
    LevelTest::vyprazdni(l);
    for (int c = 0; c < 40; ++c) LevelTest::setPevna(l, c, 20);
    postav(400, 502, false);
    Nepritel& n = nepritel(1, 420, false);
    n.citac = 100;
    n.mod = 3;
    n.zivoty = INT_MAX;
    h.sila = 0;
    SDL_Event e{};
    e.type = e.key.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_SPACE;
    h.akce(e);
    Plocha o = novaObrazovka();
    l.vykresliSe(o.get());
    ASSERT_EQ(info().zasahy().size(), 1u);
    const Obrazek au = nactiObrazek("grafika/ostatni/au.bmp");
    int shod = 0;
    for (int y = 0; y < au->h; ++y)
        for (int x = 0; x < au->w; ++x)
            shod += barva(au.get(), x, y) == 0xFFFFFF ||
                    barva(o.get(), 420 + x, 305 + y) == barva(au.get(), x, y);
    EXPECT_EQ(shod, au->w * au->h);
    l.vykresliSe(o.get());
    l.vykresliSe(o.get());
    EXPECT_EQ(info().zasahy().size(), 1u);
    EXPECT_EQ(info().zasahy().front().n, 3);
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
