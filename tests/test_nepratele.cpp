// Enemy types, single enemies and the level's enemy set.
#include <gtest/gtest.h>

#include "SetNepratel.h"
#include "pomocnik.h"

namespace {

class Nepratele : public ::testing::Test {
protected:
    VDatech data;
    SetNepratel set;
    void SetUp() override {
        set.createTyp(1);
        set.createTyp(2);
    }
    static SDL_Rect bod(int x, int y) {
        SDL_Rect r{};
        r.x = static_cast<Sint16>(x);
        r.y = static_cast<Sint16>(y);
        return r;
    }
};

TEST_F(Nepratele, TypesCarryTheirBaseValuesAndSizes) {
    TypNepritele* v = set.getTyp(1);
    TypNepritele* z = set.getTyp(2);
    ASSERT_TRUE(v && z);
    EXPECT_EQ(set.getTyp(3), nullptr);
    EXPECT_EQ((std::vector<int>{v->maxZivotu, v->sila, v->obratnost, v->rychlost, v->nTelo, v->nNohy}),
              (std::vector<int>{25, 15, 5, 5, 4, 5}));
    EXPECT_EQ((std::vector<int>{z->maxZivotu, z->sila, z->obratnost, z->rychlost, z->nTelo, z->nNohy}),
              (std::vector<int>{20, 5, 20, 15, 3, 3}));
    EXPECT_EQ((std::vector<int>{v->vyska, v->sirka, v->vyskaTela}), (std::vector<int>{93, 79, 53}));
    EXPECT_EQ((std::vector<int>{z->vyska, z->sirka, z->vyskaTela}), (std::vector<int>{91, 40, 80}));
    v->zmensi();
    EXPECT_EQ((std::vector<int>{v->vyska, v->sirka, v->vyskaTela}), (std::vector<int>{62, 53, 37}));
    EXPECT_EQ(v->telo[0]->w, 53);
    v->zvetsi();
    EXPECT_EQ((std::vector<int>{v->vyska, v->sirka, v->vyskaTela}), (std::vector<int>{93, 79, 53}));
    EXPECT_EQ(v->telo[7]->w, 79);
}

TEST_F(Nepratele, DifficultyTable) {
    const int tabulka[][6] = {
        {25, 15, 5, 20, 5, 20},     {39, 16, 8, 28, 7, 22},     {56, 17, 11, 38, 9, 24},
        {77, 18, 15, 50, 11, 26},   {102, 19, 19, 64, 14, 28},  {132, 20, 23, 81, 17, 30},
        {168, 22, 28, 102, 20, 33}, {211, 24, 33, 127, 24, 36}, {263, 26, 39, 157, 28, 39},
        {113, 28, 5, 89, 5, 42},    {135, 30, 5, 106, 5, 46},   {161, 33, 5, 127, 5, 50},
    };
    for (int o = 1; o <= 12; ++o) {
        SCOPED_TRACE(o);
        SetNepratel s;
        s.createTyp(1);
        s.createTyp(2);
        s.zvysObtiznost(o);
        const TypNepritele* v = s.getTyp(1);
        const TypNepritele* z = s.getTyp(2);
        EXPECT_EQ(
            (std::vector<int>{v->maxZivotu, v->sila, v->obratnost, z->maxZivotu, z->sila, z->obratnost}),
            (std::vector<int>(tabulka[o - 1], tabulka[o - 1] + 6)));
        EXPECT_EQ(v->rychlost, 5);
    }
}

TEST_F(Nepratele, VeryHighDifficultyNeverWrapsNegative) {
    TypNepritele* v = set.getTyp(1);
    v->zvysObtiznost(94);
    EXPECT_EQ(v->maxZivotu, 494'239'877);  // exact to the last repetition
    for (int o : {120, 500}) {
        SetNepratel s;
        s.createTyp(1);
        s.createTyp(2);
        s.zvysObtiznost(o);
        for (int t : {1, 2}) {
            EXPECT_GT(s.getTyp(t)->maxZivotu, 0) << o;
            EXPECT_GT(s.getTyp(t)->sila, 0) << o;
            EXPECT_GT(s.getTyp(t)->obratnost, 0) << o;
        }
    }
}

TEST_F(Nepratele, BoxTestCountsEdgesAsInside) {
    set.addNepritele(1, bod(100, 200));
    Nepritel* n = set.nepratele.front().get();
    EXPECT_TRUE(set.isIn(bod(179, 0), bod(979, 600), n));  // touches the right edge
    EXPECT_FALSE(set.isIn(bod(180, 0), bod(980, 600), n));
    EXPECT_TRUE(set.isIn(bod(0, 0), bod(100, 200), n));  // touches the top-left corner
    EXPECT_FALSE(set.isIn(bod(0, 0), bod(99, 600), n));
    EXPECT_FALSE(set.isIn(bod(0, 294), bod(800, 900), n));  // 200 + 93 is the bottom
    EXPECT_TRUE(set.isIn(bod(0, 293), bod(800, 900), n));
}

TEST_F(Nepratele, NewestFirstAndRemovalKeepsOrder) {
    for (int i = 0; i < 4; ++i) set.addNepritele(1 + i % 2, bod(100 * i, 0));
    auto xs = [&] {
        std::vector<int> v;
        for (const auto& n : set.nepratele) v.push_back(n->pozice.x);
        return v;
    };
    EXPECT_EQ(xs(), (std::vector<int>{300, 200, 100, 0}));
    Nepritel* hlava = set.nepratele.front().get();
    Nepritel* stred = std::next(set.nepratele.begin())->get();
    Nepritel* posledni = set.nepratele.back().get();
    EXPECT_TRUE(set.deleteNepritel(stred));
    EXPECT_EQ(xs(), (std::vector<int>{300, 100, 0}));
    EXPECT_TRUE(set.deleteNepritel(hlava));
    EXPECT_TRUE(set.deleteNepritel(posledni));
    EXPECT_EQ(xs(), (std::vector<int>{100}));
    EXPECT_FALSE(set.deleteNepritel(posledni));
    set.addNepritele(7, bod(5, 5));  // no such type: no enemy without one
    EXPECT_EQ(xs(), (std::vector<int>{100}));
}

TEST_F(Nepratele, NewEnemyTakesTheTypesCurrentHealth) {
    set.zvysObtiznost(3);
    set.addNepritele(1, bod(0, 0));
    const Nepritel& n = *set.nepratele.front();
    EXPECT_EQ(n.zivoty, 56);
    EXPECT_EQ(n.mod, 2);
    EXPECT_EQ(n.citac, 0);
    EXPECT_FALSE(n.utok);
}

TEST_F(Nepratele, StepAppliesSlowdownCapAndFacing) {
    set.addNepritele(1, bod(100, 40));
    Nepritel& n = *set.nepratele.front();
    // dx = 0, dy = 0: nothing moves, no draw, counters still run down.
    n.aTelo = 2;
    n.citac = 3;
    std::srand(42);
    const int dalsi = std::rand();
    std::srand(42);
    n.pohniSe(bod(0, 0));
    EXPECT_EQ(n.pozice.x, 100);
    EXPECT_EQ(n.aNohy, 0);
    EXPECT_EQ(n.aTelo, 1);
    EXPECT_EQ(n.citac, 2);
    EXPECT_EQ(std::rand(), dalsi);
    // A warrior asked for 5 left moves 1 to 5 left; legs cycle 1..4.
    for (int i = 0; i < 40; ++i) {
        const int x = n.pozice.x;
        n.pohniSe(bod(-5, -10));
        EXPECT_TRUE(n.vlevo);
        EXPECT_GE(x - n.pozice.x, 1);
        EXPECT_LE(x - n.pozice.x, 5);
        EXPECT_EQ(n.pozice.y, 40);  // walkers never rise
        EXPECT_GE(n.aNohy, 1);
        EXPECT_LE(n.aNohy, 4);
    }
    // Asked for more than its speed, it moves its speed at most.
    const int x = n.pozice.x;
    n.pohniSe(bod(50, 7));
    EXPECT_FALSE(n.vlevo);
    EXPECT_EQ(n.pozice.x, x + 5);
    EXPECT_EQ(n.pozice.y, 47);
}

TEST_F(Nepratele, StrikeStartsTheAnimationAndCooldown) {
    set.addNepritele(2, bod(0, 0));
    Nepritel& n = *set.nepratele.front();
    hodiny::zastav(123456);
    n.zautoc(nullptr);
    hodiny::pust();
    EXPECT_EQ(n.aTelo, 2);
    std::srand(123456);
    EXPECT_EQ(n.citac, 3 + 1 + std::rand() % 6);
}

TEST_F(Nepratele, ScaleConversionOfThePosition) {
    set.addNepritele(1, bod(101, 40));
    Nepritel& n = *set.nepratele.front();
    n.zvetsi();
    EXPECT_EQ(n.pozice.x, 151);
    EXPECT_EQ(n.pozice.y, 59);
    n.zmensi();
    EXPECT_EQ(n.pozice.x, 100);
    EXPECT_EQ(n.pozice.y, 40);
}

TEST_F(Nepratele, VisibleEnemiesAreDrawnShiftedByTheView) {
    set.addNepritele(2, bod(1000, 500));
    Plocha obr = novaObrazovka();
    SDL_FillRect(obr.get(), nullptr, 0x123456);
    set.VykresliViditelne(obr.get(), bod(900, 450), bod(1700, 1050));
    const TypNepritele* z = set.getTyp(2);
    const Nepritel& n = *set.nepratele.front();
    SDL_Surface* telo = z->telo[n.aTelo + (n.vlevo ? 3 : 0)].get();
    int shod = 0, celkem = 0;
    for (int y = 0; y < telo->h; ++y)
        for (int x = 0; x < telo->w; ++x) {
            const Uint32 c = barva(telo, x, y);
            if (c == 0xFFFFFF) continue;
            ++celkem;
            shod += barva(obr.get(), 100 + x, 50 + y) == c;
        }
    ASSERT_GT(celkem, 0);
    EXPECT_EQ(shod, celkem);
    // Out of view: nothing drawn.
    Plocha prazdna = novaObrazovka();
    SDL_FillRect(prazdna.get(), nullptr, 0x123456);
    set.VykresliViditelne(prazdna.get(), bod(0, 0), bod(800, 499 - 92));
    for (int y = 0; y < 600; y += 10)
        for (int x = 0; x < 800; x += 10) ASSERT_EQ(barva(prazdna.get(), x, y), 0x123456u);
}

}  // namespace
