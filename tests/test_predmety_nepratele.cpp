// SPDX-License-Identifier: GPL-3.0-or-later
// Items: their kinds and the level's store; enemies: their types and difficulty,
// single enemies with their random draws, and the level's set; and the clock.
#include <array>
#include <climits>
#include <cstdlib>

#include "pomocnik.h"

namespace {

SDL_Rect bod(int x, int y) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
}

// The first two draws of libc after srand(semeno).
std::pair<int, int> tahy(unsigned semeno) {
    std::srand(semeno);
    const int a = std::rand();
    return {a, std::rand()};
}

class Nepratele : public ::testing::Test {
protected:
    VDatech data;
    SetNepratel set;
    void SetUp() override {
        set.createTyp(1);
        set.createTyp(2);
    }
    void TearDown() override { hodiny::pust(); }
    Nepritel& pridej(int typ, int x = 0, int y = 0) {
        set.addNepritele(typ, bod(x, y));
        return *set.nepratele.front();
    }
};

TEST_F(Nepratele, TypesHaveTheirValuesSizesAndPicturesAtBothScales) {
    EXPECT_EQ(set.getTyp(3), nullptr);
    for (int typ : {1, 2}) {
        TypNepritele& t = *set.getTyp(typ);
        EXPECT_EQ(r(t.typ, t.maxZivotu, t.sila, t.obratnost, t.rychlost, t.nTelo, t.nNohy, t.leta),
                  typ == 1 ? r(1, 25, 15, 5, 5, 4, 5, 0) : r(2, 20, 5, 20, 15, 3, 3, 0));
        for (const std::string m : {"m", ""}) {
            m.empty() ? t.zvetsi() : t.zmensi();
            const Radek rozmery[] = {r(93, 79, 53), r(62, 53, 37), r(91, 40, 80), r(61, 27, 54)};
            EXPECT_EQ(r(t.vyska, t.sirka, t.vyskaTela), rozmery[2 * typ - 2 + !m.empty()]);
            // Entry k of n is frame k + 1, then the same facing left.
            for (int i = 0; i < 2 * (t.nTelo + t.nNohy); ++i) {
                const bool telo = i < 2 * t.nTelo;
                const int n = telo ? t.nTelo : t.nNohy, k = telo ? i : i - 2 * t.nTelo;
                const std::string kmen = typ == 1
                                             ? (telo ? "valecnik/teloValecnik0" : "valecnik/nohyValecnik0")
                                             : (telo ? "zlodej/zlodej" : "zlodej/zlodejNohy");
                const std::string soubor =
                    "nepratele/" + kmen + std::to_string(k % n + 1) + (k >= n ? "l" : "") + m + ".bmp";
                EXPECT_TRUE(ukazuje((telo ? t.telo : t.nohy)[k].get(), soubor));
            }
        }
    }
}

TEST_F(Nepratele, DifficultyRaisesHealthStrengthAndAgilityWithABonusUpToNine) {
    // Difficulty, then health, strength and agility of the warrior and of the
    // thief; far beyond they stay exact until they stop at the int limit.
    // clang-format off
    const std::array<int, 7> tabulka[] = {
        {1, 25, 15, 5, 20, 5, 20},     {2, 39, 16, 8, 28, 7, 22},      {3, 56, 17, 11, 38, 9, 24},
        {7, 168, 22, 28, 102, 20, 33}, {9, 263, 26, 39, 157, 28, 39},  {10, 113, 28, 5, 89, 5, 42},
        {11, 135, 30, 5, 106, 5, 46},  {12, 161, 33, 5, 127, 5, 50},
        {94, 494'239'877, 70'528, 5, 386'857'371, 5, 113'583},
        {500, INT_MAX, INT_MAX, 5, INT_MAX, 5, INT_MAX}};
    // clang-format on
    for (const auto& [o, vz, vs, vo, zz, zs, zo] : tabulka) {
        SetNepratel s;
        s.createTyp(1);
        s.createTyp(2);
        s.zvysObtiznost(o);
        const TypNepritele &v = *s.getTyp(1), &z = *s.getTyp(2);
        EXPECT_EQ(
            r(v.maxZivotu, v.sila, v.obratnost, z.maxZivotu, z.sila, z.obratnost, v.rychlost, z.rychlost),
            r(vz, vs, vo, zz, zs, zo, 5, 15))
            << o;
    }
}

TEST_F(Nepratele, ANewEnemyHasItsTypesHealthAndFacesByTheParityOfOneDraw) {
    set.zvysObtiznost(3);
    int vlevo = 0;
    for (unsigned s = 1; s <= 8; ++s) {
        const auto [r0, r1] = tahy(s);
        std::srand(s);
        const Nepritel& v = pridej(1);
        const Nepritel& z = pridej(2);
        EXPECT_EQ(r(v.vlevo, z.vlevo), r(r0 % 2 == 1, r1 % 2 == 1)) << s;
        EXPECT_EQ(r(v.zivoty, v.mod, v.aNohy, v.aTelo, v.citac, v.utok, z.zivoty), r(56, 2, 0, 0, 0, 0, 38));
        vlevo += v.vlevo;
    }
    EXPECT_TRUE(vlevo > 0 && vlevo < 8);  // the seeds give both ways
}

TEST_F(Nepratele, AStepIsSlowedByADrawThenCappedAtTheTypesSpeed) {
    // Type, flies, dx, dy, the draw's remainder by 5 (-1: no draw); then the move in
    // x and y, facing left, legs frame.
    const std::array<int, 9> kroky[] = {
        {1, 0, -5, -10, 0, -5, 0, 1, 1}, {1, 0, -5, 0, 4, -1, 0, 1, 1},   {1, 0, -2, 0, 4, 2, 0, 1, 1},
        {1, 0, -2, 0, 2, 0, 0, 1, 0},    {1, 0, -7, 0, 1, -5, 0, 1, 1},   {1, 0, -7, 0, 3, -4, 0, 1, 1},
        {1, 0, 7, 0, 1, 5, 0, 0, 1},     {1, 0, 7, 0, 3, 4, 0, 0, 1},     {1, 0, 50, 70, 0, 5, 70, 0, 1},
        {2, 0, 15, 0, 4, 11, 0, 0, 1},   {2, 0, -20, 0, 4, -15, 0, 1, 1}, {1, 1, 0, -10, -1, 0, -5, 0, 0},
        {1, 1, 0, 10, -1, 0, 5, 0, 0},   {1, 1, 0, -4, -1, 0, -4, 0, 0},  {1, 0, 0, 0, -1, 0, 0, 0, 0}};
    for (const auto& k : kroky) {
        set.getTyp(k[0])->leta = k[1];
        Nepritel& n = pridej(k[0], 100, 40);
        n.vlevo = false, n.aTelo = 2, n.citac = 3;
        unsigned s = 7;
        while (k[4] >= 0 && tahy(s).first % 5 != k[4]) ++s;
        const auto [r0, r1] = tahy(s);
        std::srand(s);
        n.pohniSe(bod(k[2], k[3]));
        EXPECT_EQ(r(n.pozice.x - 100, n.pozice.y - 40, n.vlevo, n.aNohy, n.aTelo, n.citac, std::rand()),
                  r(k[5], k[6], k[7], k[8], 1, 2, k[4] < 0 ? r0 : r1))
            << k[0] << " " << k[2] << " " << k[3] << " draw " << k[4];
    }
    // Steady walking cycles the legs from frame 1.
    for (auto [typ, cyklus] : {std::pair{1, r(1, 2, 3, 4, 1, 2)}, {2, r(1, 2, 1, 2, 1, 2)}}) {
        Nepritel& n = pridej(typ, 1000, 0);
        Radek v;
        for (int i = 0; i < 6; ++i) n.pohniSe(bod(-50, 0)), v.push_back(n.aNohy);
        EXPECT_EQ(v, cyklus) << typ;
    }
}

TEST_F(Nepratele, AStrikeShowsItsLastBodyFrameAndReseedsTheCooldown) {
    for (std::time_t t : {1, 2, 3, 5, 8, 13, 123'456}) {
        const auto [r0, r1] = tahy(static_cast<unsigned>(t));
        for (auto [typ, nTelo] : {std::pair{1, 4}, {2, 3}}) {
            Nepritel& n = pridej(typ);
            hodiny::zastav(t);
            std::srand(99);
            n.zautoc(nullptr);
            EXPECT_EQ(r(n.aTelo, n.citac, std::rand()), r(nTelo - 1, nTelo + 1 + r0 % 6, r1)) << t;
        }
    }
}

TEST_F(Nepratele, TheSetMeetsBoxesEdgesIncludedKeepsNewestFirstAndScales) {
    const Nepritel& n = pridej(1, 100, 200);  // 79 x 93: only the first of each pair of views meets it
                                              // clang-format off
    for (const auto& [x0, y0, x1, y1, cekam] : {std::array{179, 0, 979, 600, 1}, {180, 0, 980, 600, 0},
            {0, 0, 100, 200, 1}, {0, 0, 99, 600, 0}, {0, 293, 800, 900, 1}, {0, 294, 800, 900, 0},
            {0, 0, 800, 199, 0}})
        // clang-format on
        EXPECT_EQ(set.isIn(bod(x0, y0), bod(x1, y1), &n), cekam) << x0 << "," << y0 << "," << x1 << "," << y1;
    set.nepratele.clear();
    for (int i = 0; i < 4; ++i) pridej(1 + i % 2, 100 * i + 1, 40);
    set.addNepritele(7, bod(5, 5));  // no such type: no enemy
    auto xy = [&] {
        Radek v;
        for (const auto& e : set.nepratele) v.insert(v.end(), {e->pozice.x, e->pozice.y});
        return v;
    };
    EXPECT_EQ(xy(), r(301, 40, 201, 40, 101, 40, 1, 40));
    set.zvetsi();  // enemies: x * 3 / 2, y * 3 / 2 - 1; the types take their large size
    EXPECT_EQ(xy(), r(451, 59, 301, 59, 151, 59, 1, 59));
    set.zmensi();
    EXPECT_EQ(xy(), r(300, 40, 200, 40, 100, 40, 0, 40));
    EXPECT_EQ(r(set.getTyp(1)->vyska, set.getTyp(2)->sirka), r(62, 27));
    Nepritel *hlava = set.nepratele.front().get(), *posledni = set.nepratele.back().get();
    for (Nepritel* e : {std::next(set.nepratele.begin())->get(), hlava, posledni})
        EXPECT_TRUE(set.deleteNepritel(e));
    EXPECT_EQ(xy(), r(100, 40));
    EXPECT_FALSE(set.deleteNepritel(posledni));
}

class Predmety : public ::testing::Test {
protected:
    VDatech data;
    Hrac hrac;
    Sip sip;
    Zivoty zivoty;
    Toulec toulec;
    NovyLvl novyLvl;
    Predmet* const druhy[4] = {&sip, &zivoty, &toulec, &novyLvl};
    const char* const jmena[4] = {"sip", "zivot", "toulec", "novyLvl"};
    void TearDown() override { hodiny::pust(); }
};

TEST_F(Predmety, QuiverAndHealthReseedFromThePinnedSecondAndDrawOnce) {
    int zbytky = 0;  // which remainders by 6 the seeds give, as bits
    for (std::time_t t : {1, 2, 3, 4, 5, 6, 7, 8, 1'700'000'000}) {
        const auto [r0, r1] = tahy(static_cast<unsigned>(t));
        zbytky |= 1 << r0 % 6;
        hodiny::zastav(t);
        std::srand(99);  // draws before the pickup do not matter
        hrac.pocetSipu = 5, hrac.zivoty = 1, hrac.maxZivotu = 100;
        toulec.sebere(&hrac);
        EXPECT_EQ(r(hrac.pocetSipu, std::rand()), r(5 + 9 + r0 % 6, r1)) << t;
        std::srand(99);
        zivoty.sebere(&hrac);
        EXPECT_EQ(r(hrac.zivoty, std::rand()), r(1 + 20 + r0 % 10, r1)) << t;
    }
    EXPECT_GE(__builtin_popcount(zbytky), 4);  // the seeds tell the rule apart
    for (auto [pred, max] : {std::pair{95, 100}, {200, 200}}) {
        hrac.zivoty = pred, hrac.maxZivotu = max;
        zivoty.sebere(&hrac);
        EXPECT_EQ(hrac.zivoty, max);
    }
    hodiny::pust();  // the real clock again
    const std::time_t pred = std::time(nullptr), ted = hodiny::ted();
    EXPECT_TRUE(ted >= pred && ted <= std::time(nullptr));
    hrac.pocetSipu = 0;  // an arrow adds one; the exit only raises its flag
    sip.sebere(&hrac);
    novyLvl.sebere(&hrac);
    EXPECT_EQ(r(hrac.pocetSipu, hrac.novyLvl, hrac.zivoty), r(1, 1, 200));
}

TEST_F(Predmety, EachKindShowsItsPictureAtEitherScale) {
    for (const std::string m : {"m", ""}) {
        m.empty() ? (sip.zvetsi(), zivoty.zvetsi(), toulec.zvetsi(), novyLvl.zvetsi())
                  : (sip.zmensi(), zivoty.zmensi(), toulec.zmensi(), novyLvl.zmensi());
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(ukazuje(druhy[i]->getObrazek(), std::string("ostatni/") + jmena[i] + m + ".bmp"));
    }
    // A missing small picture is named, and the large one stays.
    KopieDat kopie;
    for (const char* f : {"sipm", "zivotm", "toulecm", "novyLvlm"})
        kopie.smaz("grafika/ostatni/" + std::string(f) + ".bmp");
    VDatech v(kopie.cesta());
    EXPECT_EQ(zprava([&] { sip.zmensi(); }), "Nelze nacist obrazek grafika/ostatni/sipm.bmp");
    EXPECT_EQ(zprava([&] { zivoty.zmensi(); }), "Nelze nacist obrazek grafika/ostatni/zivotm.bmp");
    EXPECT_EQ(zprava([&] { toulec.zmensi(); }), "Nelze nacist obrazek grafika/ostatni/toulecm.bmp");
    EXPECT_EQ(zprava([&] { novyLvl.zmensi(); }), "Nelze nacist obrazek grafika/ostatni/novyLvlm.bmp");
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(ukazuje(druhy[i]->getObrazek(), std::string("ostatni/") + jmena[i] + ".bmp"));
}

// The store needs no pictures: plain objects stand in for the items.
struct Vec : Predmet {
    Vec() : Predmet(kZadne) {}
    static constexpr Soubory kZadne{};
    void sebere(Hrac*) override {}
};

TEST(Sklad, CodesFollowFirstPlacementAndOutsideTheGridNothingHappens) {
    ListPredmetu list(200, 30);
    Vec a, b, c;
    for (auto [x, y] : {std::pair{200, 0}, {0, 30}, {-1, 0}, {0, -1}}) {
        list.addPredmet(x, y, &a);
        list.removeFrom(x, y);
        EXPECT_EQ(list.getPredmet(x, y), nullptr);
    }
    EXPECT_TRUE(list.seznam.empty());  // not even registered
    EXPECT_EQ(list.pole, std::vector<unsigned char>(6000, 0));
    for (auto [x, y, p] : {std::tuple{5, 5, &b}, {6, 5, &a}, {7, 5, &b}, {199, 29, &c}})
        list.addPredmet(x, y, p);
    list.removeFrom(6, 5);                                 // a keeps its code and gets it again
    list.addPredmet(0, 0, &a), list.addPredmet(7, 5, &c);  // c replaces b there
    std::vector<unsigned char> cekam(6000, 0);
    cekam[5 * 30 + 5] = 1, cekam[7 * 30 + 5] = 3, cekam[5999] = 3, cekam[0] = 2;
    EXPECT_EQ(list.pole, cekam);
    EXPECT_EQ(list.seznam.size(), 3u);
    const std::pair<std::pair<int, int>, Predmet*> kde[] = {
        {{5, 5}, &b}, {{6, 5}, nullptr}, {{7, 5}, &c}, {{199, 29}, &c}, {{0, 0}, &a}, {{1, 0}, nullptr}};
    for (auto [bunka, p] : kde) EXPECT_EQ(list.getPredmet(bunka.first, bunka.second), p);
    EXPECT_EQ(list.findPredmet(4), nullptr);
    list.pole[12] = 7;  // as a damaged saved game could leave it
    EXPECT_EQ(list.getPredmet(0, 12), nullptr);
}

}  // namespace
