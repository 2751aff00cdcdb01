// SPDX-License-Identifier: GPL-3.0-or-later
// Combat: the dice, the rising markers, enemies walking, chasing and
// striking, and the hunter's sword and arrows, on an emptied level 1.

#include <climits>
#include <cstdlib>

#include "pomocnik.h"

struct BojoveInfoTest {
    static std::list<BojoveInfo::ElemZasah>& zasahy(BojoveInfo& b) { return b.startZ; }
};

namespace {

// The first seed whose draws of rand() % 6 are `k6` (-1: any), followed by one draw of rand() % m giving v.
unsigned semeno(const std::vector<int>& k6, int m = 1, int v = 0) {
    for (unsigned s = 1;; ++s) {
        std::srand(s);
        bool shoda = true;
        for (int k : k6) shoda = (std::rand() % 6 == k || k < 0) && shoda;
        if (std::rand() % m == v && shoda) return s;
    }
}

TEST(Kostky, OpenEndedRollsHitsAndWounds) {
    using B = BojoveInfo;
    // A double one falls while the draws are 3 or less, a double six climbs while they are 4 or more; defence
    // is rolled first and ties go to the attacker; halves go away from zero (10 / 4 gives 3, 4 / 8 gives 1,
    // -4 / 8 gives -1); a wound is never negative.
    const std::tuple<std::vector<int>, std::function<int()>, int> pripady[] = {
        {{0, 0, 3, 4}, B::dveK6plus, 1},
        {{5, 5, 4, 3}, B::dveK6plus, 13},
        {{5, 5, 5, 4, 2}, B::dveK6plus, 14},
        {{3, 3, 2, 4}, [] { return B::trefil(0, 0); }, 1},
        {{3, 4, 2, 4}, [] { return B::trefil(0, 0); }, 0},
        {{3, 4, 2, 4}, [] { return B::trefil(10, 16); }, 1},
        {{2, 4, 2, 4}, [] { return B::trefil(0, 4); }, 0},
        {{3, 4, 2, 4}, [] { return B::trefil(0, -4); }, 1},
        {{2, 3}, [] { return B::zraneni(16); }, 12},
        {{2, 3}, [] { return B::zraneni(14); }, 12},
        {{0, 0, 0, 0, 0, 5}, [] { return B::zraneni(0); }, 0},
        {{0, 0, 0, 0, 0, 5}, [] { return B::zraneni(6); }, 1},
    };
    for (const auto& [tahy, hod, ocekavano] : pripady) {
        std::srand(semeno(tahy));
        EXPECT_EQ(hod(), ocekavano) << ::testing::PrintToString(tahy);
    }
}

// Floor on row 20 from column 4 to 25 with a wall on column 3, and a second
// floor from column 50 on. The hunter is sure to hit and kill when `silny`.
class Boj : public ::testing::Test {
protected:
    void SetUp() override {
        LevelTest::vyprazdni(l);
        h.stop = true;
        for (int c = 4; c < 80; ++c)
            if (c < 26 || c >= 50) LevelTest::setPevna(l, c, 20);
        for (int r = 10; r < 21; ++r) LevelTest::setPevna(l, 3, r);
        hodiny::zastav(1);
    }
    void TearDown() override { hodiny::pust(); }
    // An enemy on the floor of row 20, or at height y.
    Nepritel& nepritel(int typ, int x, bool vlevo, int y = 0) {
        SetNepratel& s = LevelTest::set(l);
        s.addNepritele(typ, bod(x, y ? y : 600 - s.getTyp(typ)->vyska));
        s.nepratele.front()->vlevo = vlevo;
        return *s.nepratele.front();
    }
    static SDL_Rect bod(int x, int y) { return {Sint16(x), Sint16(y), 0, 0}; }
    void postav(int x, int y, bool vlevo) { h.pozice = bod(x, y), h.vlevo = vlevo; }
    void silny() { h.obratnost = h.sila = 100000; }
    std::vector<int> zivi() {
        std::vector<int> xs;
        for (const auto& n : LevelTest::set(l).nepratele) xs.push_back(n->pozice.x);
        return xs;
    }
    BojoveInfo& info() { return LevelTest::bInfo(l); }
    using Polohy = std::vector<std::pair<int, int>>;
    static Polohy polohy(const std::list<BojoveInfo::ElemZasah>& z) {
        Polohy v;
        for (const auto& m : z) v.push_back({m.kde.x, m.kde.y});
        return v;
    }

    VDatech d;
    Hrac h;
    Level l{&h, 1};
};

TEST_F(Boj, MarkersRiseTenPixelsForSevenDrawingsNewestFirstHitsUnderMisses) {
    Obrazek au = nactiObrazek("grafika/ostatni/au.bmp"), minul = nactiObrazek("grafika/ostatni/minul.bmp");
    for (SDL_Surface* o : {au.get(), minul.get()}) nastavBilyKlic(o);
    info().addMinul(bod(500, 400));
    info().addZasah(bod(500, 400));
    info().addZasah(bod(520, 400));
    for (int i = 0; i < 8; ++i) {  // the world point (500, 400) shows at (450, 320)
        Plocha skutecna = prazdnaObrazovka(), cekam = prazdnaObrazovka();
        info().vykresliSe(skutecna.get(), bod(450, 380));
        if (i < 7) {
            vykresliObrazek(au.get(), cekam.get(), 470, 320 - 10 * i);
            vykresliObrazek(au.get(), cekam.get(), 450, 320 - 10 * i);
            vykresliObrazek(minul.get(), cekam.get(), 450, 320 - 10 * i);
        }
        EXPECT_TRUE(stejne(skutecna.get(), cekam.get())) << i;
    }
    EXPECT_TRUE(info().zasahy().empty() && info().minuti().empty());
    // Ages as a saved game may hold them: the expired middle one goes.
    for (int x : {1, 2, 3}) info().addZasah(bod(x, 100));
    std::next(BojoveInfoTest::zasahy(info()).begin())->n = 6;
    info().vykresliSe(prazdnaObrazovka().get(), bod(0, 0));
    Polohy zbytek;
    for (const auto& m : info().zasahy()) zbytek.push_back({m.kde.x, m.n});
    EXPECT_EQ(zbytek, (Polohy{{3, 1}, {1, 1}}));
}

TEST_F(Boj, PatrolsGuardsAndSentries) {
    // {mode, x, facing left, hunter from the corner (x, y), large scale; x and
    // facing after} for a warrior (79 x 93, speed 5) taking whole steps. Rows:
    // wall; ledges at 780 and 1500 (no floor under itself); pursuit radius (small scale too); guard;
    // 249.6 counts as 249; sentry; the hunter above its centre; mode 4.
    const int pripady[][8] = {
        {2, 101, 1, 2000, 0, 1, 101, 0},   {2, 104, 1, 2000, 0, 1, 101, 1},
        {2, 725, 0, 2000, 0, 1, 730, 0},   {2, 726, 0, 2000, 0, 1, 726, 1},
        {2, 1486, 1, 2000, 0, 1, 1481, 1}, {2, 1485, 1, 2000, 0, 1, 1485, 0},
        {2, 1421, 0, 2000, 0, 1, 1421, 1}, {2, 400, 0, -249, 0, 1, 395, 1},
        {2, 400, 0, -250, 0, 1, 405, 0},   {2, 400, 0, -166, 0, 0, 395, 1},
        {2, 400, 0, -167, 0, 0, 405, 0},   {1, 400, 0, -249, 0, 1, 395, 1},
        {1, 400, 0, -250, 0, 1, 400, 1},   {1, 400, 0, -177, -176, 1, 395, 1},
        {3, 400, 0, -200, 0, 1, 400, 0},   {3, 400, 1, 200, 0, 1, 400, 1},
        {3, 400, 0, -300, 0, 1, 400, 1},   {2, 400, 0, -31, -150, 1, 400, 0},
        {2, 400, 1, 39, -150, 1, 400, 1},  {2, 400, 1, -32, -150, 1, 395, 1},
        {2, 400, 0, 40, -150, 1, 405, 0},  {4, 400, 0, -100, 0, 1, 405, 0},
    };
    const unsigned s = semeno({}, 5, 0);
    for (const auto& p : pripady) {
        LevelTest::set(l).nepratele.clear();
        LevelTest::vetsi(l) = p[5];
        Nepritel& n = nepritel(1, p[1], p[2]);
        n.mod = p[0];
        postav(p[1] + p[3], 507 + p[4], false);
        std::srand(s);
        LevelTest::pohniSNepritelem(l, &n);
        EXPECT_EQ(std::make_tuple(n.pozice.x, n.vlevo, n.pozice.y),
                  std::make_tuple(Sint16(p[6]), bool(p[7]), Sint16(507)))
            << ::testing::PrintToString(p);
    }
}

TEST_F(Boj, EnemyStrikes) {
    // {hunter's x, facing left, warrior facing left, cooldown, health, strikes}; a warrior at x 400. Rows: it
    // must face him; his sword side shields him; not while cooling down; health never wraps. The pinned clock
    // makes the cooldown 4 + 1 + 3 and a hit of 5 + 3 + 4.
    const int pripady[][6] = {
        {438, 0, 1, 0, 200, 1},         {439, 0, 1, 0, 200, 0}, {362, 0, 0, 0, 200, 1},
        {361, 0, 0, 0, 200, 0},         {346, 0, 1, 0, 200, 0}, {346, 1, 1, 0, 200, 1},
        {463, 1, 0, 0, 200, 0},         {463, 0, 0, 0, 200, 1}, {438, 0, 1, 1, 200, 0},
        {438, 0, 1, 0, INT_MIN + 5, 1},
    };
    hodiny::zastav(semeno({3, 0, 1, 5, 4, 3, 2}));
    for (const auto& p : pripady) {
        LevelTest::set(l).nepratele.clear();
        BojoveInfoTest::zasahy(info()).clear();
        Nepritel& n = nepritel(1, 400, p[2]);
        n.citac = p[3];
        postav(p[0], 500, p[1]);
        h.zivoty = p[4];
        LevelTest::utoc(l, &n);
        SCOPED_TRACE(::testing::PrintToString(p));
        EXPECT_EQ(std::make_pair(n.citac, n.aTelo), p[5] ? std::make_pair(8, 3) : std::make_pair(p[3], 0));
        EXPECT_EQ(h.zivoty, !p[5] ? p[4] : p[4] > 0 ? p[4] - 12 : INT_MIN);
        EXPECT_EQ(polohy(info().zasahy()), (p[5] ? Polohy{{p[1] ? p[0] + 17 : p[0], 500}} : Polohy{}));
    }
    h.obratnost = 1000;  // out of reach of any roll: a miss marker
    Nepritel& n = nepritel(1, 400, true);
    postav(438, 500, false);
    LevelTest::utoc(l, &n);
    EXPECT_EQ(info().minuti().size(), 1u);
}

TEST_F(Boj, TheSwordStrikesEveryEnemyInFrontThatTouchesHisBody) {
    // Facing right his body is 400..453 and "in front" right of 400 - 23;
    // facing left 417..470 and left of 400 + 23. Warriors are 79 wide.
    silny();
    hodiny::zastav(semeno({1, 2, 1, 2, 1, 2}, 10, 0));  // the first kill improves him
    for (const auto& [vlevo, xs, prezili] :
         {std::make_tuple(false, std::vector{378, 377, 453, 454}, std::vector{454, 377}),
          std::make_tuple(true, std::vector{422, 423, 338, 337}, std::vector{337, 423})}) {
        LevelTest::set(l).nepratele.clear();
        for (int x : xs) nepritel(1, x, false);
        postav(400, 500, vlevo);
        h.score = 0;
        LevelTest::hracUtok(l);
        EXPECT_EQ(zivi(), prezili);
        EXPECT_EQ(r(h.score, h.obratnost, h.sila > 100000), r(200, 100000, 1));  // by the sword
    }
}

TEST_F(Boj, TheArrowsTipBox) {
    // {flies left, angle, x, y, hits} against a thief at (500, 500), 40 x 91: the tip reaches 25 ahead (14 at
    // 55 degrees) and is 15 long; flying left and down it lies 5 lower.
    const int pripady[][5] = {
        {0, 0, 475, 550, 1}, {0, 0, 474, 550, 0},  {0, 55, 486, 550, 1},  {0, 55, 485, 550, 0},
        {1, 0, 540, 550, 1}, {1, 0, 541, 550, 0},  {1, -25, 540, 586, 1}, {1, -25, 540, 587, 0},
        {1, 0, 540, 587, 1}, {1, 30, 540, 587, 1}, {1, -25, 540, 490, 1}, {1, 0, 540, 490, 0},
        {1, 0, 485, 550, 1}, {1, 0, 484, 550, 0},
    };
    silny();
    for (const auto& p : pripady) {
        LevelTest::set(l).nepratele.clear();
        nepritel(2, 500, false, 500);
        VystrelenySip s{p[2], p[3], 0, p[1], bool(p[0]), 100, 0};
        LevelTest::sipTrefa(l, &s);
        EXPECT_EQ(std::make_pair(s.vzdalenost, zivi().empty()), std::make_pair(p[4] ? 500 : 100, bool(p[4])))
            << ::testing::PrintToString(p);
    }
}

TEST_F(Boj, ArrowsInFlight) {
    // Two arrows side by side: the first kills, the second finds nothing.
    silny();
    nepritel(2, 470, false, 500);
    h.vSipy[0] = h.vSipy[1] = VystrelenySip{400, 550, 0, 0, false, 0, 0};
    h.pozSipy = 2;
    LevelTest::letSipu(l);
    EXPECT_EQ(std::make_tuple(zivi().size(), h.score, h.vSipy[0].vzdalenost, h.vSipy[1].vzdalenost),
              std::make_tuple(0u, 100, 500, 50));
    // The hit one steps on and goes untested; the last arrow takes its slot and hits in the same frame.
    nepritel(2, 520, false, 500);
    LevelTest::letSipu(l);
    ASSERT_EQ(h.pozSipy, 1);
    EXPECT_EQ(std::make_tuple(zivi().size(), h.score, h.vSipy[0].x, h.vSipy[0].vzdalenost),
              std::make_tuple(0u, 200, 500, 500));
    // Stuck at a solid tile, an arrow still hits what walks into its tip.
    LevelTest::setPevna(l, 13, 18);
    h.vSipy[0] = VystrelenySip{400, 550, 0, 0, false, 100, 0};
    nepritel(2, 420, false, 500);
    LevelTest::letSipu(l);
    EXPECT_EQ(std::make_tuple(zivi().size(), h.vSipy[0].x, h.vSipy[0].vzdalenost),
              std::make_tuple(0u, 400, 500));
}

TEST_F(Boj, BlowsKillScoreAndImprove) {
    // {sword, large scale, rand() % 10, difficulty, health and facing of a warrior at 400 that cannot dodge a
    // blow of 5 + 3 + 4; strength, agility, max health, running bonus, score and marker x after}.
    const int pripady[][12] = {
        {1, 1, 0, 1, 12, 0, 16, 23, 203, 0, 100, 400},
        {1, 1, 1, 1, 13, 1, 15, 23, 200, 0, 0, 479},
        {0, 1, 0, 3, 12, 0, 15, 24, 201, 11, 300, 400},
        {0, 0, 0, 2, 12, 0, 15, 24, 201, 10, 200, 400},
        {0, 1, 9, 1, INT_MIN + 5, 0, 15, 23, 200, 0, 100, 400},
    };
    LevelTest::set(l).getTyp(1)->obratnost = -1000;
    for (const auto& p : pripady) {
        LevelTest::set(l).nepratele.clear();
        Nepritel& n = nepritel(1, 400, p[5]);
        n.zivoty = p[4];
        LevelTest::vetsi(l) = p[1];
        LevelTest::obtiznost(l) = p[3];
        h.sila = 15, h.obratnost = 23, h.maxZivotu = 200, h.beh = 0, h.score = 0;
        std::srand(semeno({1, -1, 1, -1, 2, 3}, 10, p[2]));
        LevelTest::hracUtociNa(l, &n, p[0]);
        SCOPED_TRACE(::testing::PrintToString(p));
        EXPECT_EQ((std::vector<int>{h.sila, h.obratnost, h.maxZivotu, h.beh, h.score}),
                  (std::vector<int>(p + 6, p + 11)));
        EXPECT_EQ(zivi().empty() ? 0 : LevelTest::set(l).nepratele.front()->zivoty, p[10] ? 0 : 1);
        EXPECT_EQ(info().zasahy().front().kde.x, p[11]);
    }
    // Nothing passes the int limit.
    Nepritel& n = nepritel(1, 400, false);
    h.sila = h.maxZivotu = h.score = INT_MAX;
    LevelTest::obtiznost(l) = INT_MAX;
    std::srand(semeno({1, -1, 1, -1, 2, 3}, 10, 0));
    LevelTest::hracUtociNa(l, &n, true);
    EXPECT_EQ((std::vector<int>{h.sila, h.maxZivotu, h.score}),
              (std::vector<int>{INT_MAX, INT_MAX, INT_MAX}));
}

TEST_F(Boj, ASwingIsResolvedInTheFrameItStartsAndItsMarkerDrawnOverHimWhereHeWalkedTo) {
    for (int c = 0; c < 40; ++c) LevelTest::setPevna(l, c, 20);
    postav(400, 502, false);
    h.stop = false;  // 10 to the right before the swing and the markers
    Nepritel& n = nepritel(1, 420, false);
    n.citac = 100, n.mod = 3, n.zivoty = INT_MAX;
    h.sila = 0;
    for (const SDL_Event& e : udalosti("Space")) h.akce(e);
    Plocha o = novaObrazovka();
    l.vykresliSe(o.get());
    ASSERT_EQ(info().zasahy().size(), 1u);
    const Obrazek au = nactiObrazek("grafika/ostatni/au.bmp");  // at (420, 507) - (410, 502) + (400, 300)
    int jinak = 0;
    for (int y = 0; y < au->h; ++y)
        for (int x = 0; x < au->w; ++x)
            jinak += barva(au.get(), x, y) != 0xFFFFFF &&
                     barva(o.get(), 410 + x, 305 + y) != barva(au.get(), x, y);
    EXPECT_EQ(jinak, 0);
    l.vykresliSe(o.get());
    l.vykresliSe(o.get());
    EXPECT_EQ(r(info().zasahy().size(), info().zasahy().front().n), r(1, 3));
}

}  // namespace
