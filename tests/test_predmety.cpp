// Item kinds and the level's item store.
#include <gtest/gtest.h>

#include "Hrac.h"
#include "IO.h"
#include "ListPredmetu.h"
#include "pomocnik.h"

namespace {

class Predmety : public ::testing::Test {
protected:
    VDatech data;
    Hrac hrac;
    Sip sip;
    Zivoty zivoty;
    Toulec toulec;
    NovyLvl novyLvl;
    void TearDown() override { hodiny::pust(); }
};

TEST_F(Predmety, ArrowsAndQuiversOnlyEverAdd) {
    hrac.pocetSipu = 0;
    sip.sebere(&hrac);
    EXPECT_EQ(hrac.pocetSipu, 1);
    for (int i = 0; i < 50; ++i) {
        const int pred = hrac.pocetSipu;
        hodiny::zastav(1'000'000 + i);
        toulec.sebere(&hrac);
        EXPECT_GE(hrac.pocetSipu - pred, 9);
        EXPECT_LE(hrac.pocetSipu - pred, 14);
    }
}

TEST_F(Predmety, TwoQuiversInTheSameSecondAddTheSame) {
    hodiny::zastav(1'700'000'000);
    hrac.pocetSipu = 0;
    toulec.sebere(&hrac);
    const int prvni = hrac.pocetSipu;
    std::rand();  // draws in between do not matter: the pickup reseeds
    toulec.sebere(&hrac);
    EXPECT_EQ(hrac.pocetSipu, 2 * prvni);
    // The pickup reseeded the shared generator from the pinned second.
    std::srand(1'700'000'000);
    const int r = std::rand();
    EXPECT_EQ(prvni, 9 + r % 6);
}

TEST_F(Predmety, HealthIsCappedAtTheMaximum) {
    hrac.zivoty = hrac.maxZivotu;
    zivoty.sebere(&hrac);
    EXPECT_EQ(hrac.zivoty, hrac.maxZivotu);
    for (int i = 0; i < 30; ++i) {
        hodiny::zastav(5000 + i);
        hrac.zivoty = 1;
        hrac.maxZivotu = 100;
        zivoty.sebere(&hrac);
        EXPECT_GE(hrac.zivoty, 21);
        EXPECT_LE(hrac.zivoty, 30);
    }
    hrac.zivoty = 95;
    zivoty.sebere(&hrac);
    EXPECT_EQ(hrac.zivoty, 100);
}

TEST_F(Predmety, ExitOnlyRaisesTheFlag) {
    const int sipy = hrac.pocetSipu, zdravi = hrac.zivoty;
    novyLvl.sebere(&hrac);
    EXPECT_TRUE(hrac.novyLvl);
    EXPECT_EQ(hrac.pocetSipu, sipy);
    EXPECT_EQ(hrac.zivoty, zdravi);
}

TEST_F(Predmety, ScaleSwitchSwapsThePicture) {
    Predmet* vsechny[] = {&sip, &zivoty, &toulec, &novyLvl};
    for (Predmet* p : vsechny) EXPECT_EQ(p->getObrazek()->w, 30);
    sip.zmensi(), zivoty.zmensi(), toulec.zmensi(), novyLvl.zmensi();
    for (Predmet* p : vsechny) {
        EXPECT_EQ(p->getObrazek()->w, 20);
        EXPECT_EQ(p->getObrazek()->h, 20);
        EXPECT_TRUE(p->getObrazek()->flags & SDL_SRCCOLORKEY);
    }
    sip.zvetsi(), zivoty.zvetsi(), toulec.zvetsi(), novyLvl.zvetsi();
    for (Predmet* p : vsechny) EXPECT_EQ(p->getObrazek()->w, 30);
}

TEST(PredmetyChyby, EachKindNamesItsMissingPicture) {
    const std::pair<const char*, const char*> pripady[] = {
        {"grafika/ostatni/sip.bmp", "Nelze nacist obrazek grafika/ostatni/sip.bmp"},
        {"grafika/ostatni/zivot.bmp", "Nelze nacist obrazek grafika/ostatni/zivot.bmp"},
        {"grafika/ostatni/toulec.bmp", "Nelze nacist obrazek grafika/ostatni/toulec.bmp"},
        {"grafika/ostatni/novyLvl.bmp", "Nelze nacist obrazek grafika/ostatni/novyLvl.bmp"},
    };
    for (const auto& [soubor, zprava] : pripady) {
        SCOPED_TRACE(soubor);
        KopieDat kopie;
        kopie.smaz(soubor);
        VDatech v(kopie.cesta());
        try {
            Sip s;
            Zivoty z;
            Toulec t;
            NovyLvl n;
            ADD_FAILURE() << "no message";
        } catch (const char* m) {
            EXPECT_STREQ(m, zprava);
        }
    }
    // The small picture is asked for only when shrinking.
    KopieDat kopie;
    kopie.smaz("grafika/ostatni/toulecm.bmp");
    VDatech v(kopie.cesta());
    Toulec t;
    try {
        t.zmensi();
        ADD_FAILURE() << "no message";
    } catch (const char* m) {
        EXPECT_STREQ(m, "Nelze nacist obrazek grafika/ostatni/toulecm.bmp");
    }
    EXPECT_EQ(t.getObrazek(), nullptr);  // the old one is gone, nothing dangles
}

// The store needs no pictures: plain objects stand in for the items.
struct Vec : Predmet {
    void sebere(Hrac*) override {}
};

TEST(ListPredmetuTest, CodesFollowFirstPlacementAndStay) {
    ListPredmetu list(200, 30);
    Vec a, b, c;
    list.addPredmet(5, 5, &b);
    list.addPredmet(6, 5, &a);
    list.addPredmet(7, 5, &b);
    EXPECT_EQ(list.getNumber(&b), 1);
    EXPECT_EQ(list.getNumber(&a), 2);
    EXPECT_EQ(list.seznam.size(), 2u);
    EXPECT_EQ(list.pole[5 * 30 + 5], 1);
    EXPECT_EQ(list.pole[7 * 30 + 5], 1);
    // A kind picked up everywhere keeps its code; placing it again reuses it.
    list.removeFrom(6, 5);
    EXPECT_EQ(list.getPredmet(6, 5), nullptr);
    list.addPredmet(3, 3, &c);
    EXPECT_EQ(list.getNumber(&c), 3);
    list.addPredmet(0, 0, &a);
    EXPECT_EQ(list.pole[0], 2);
    EXPECT_EQ(list.findPredmet(2), &a);
    EXPECT_EQ(list.findPredmet(4), nullptr);
    // Placing on a taken tile replaces what was there.
    list.addPredmet(5, 5, &c);
    EXPECT_EQ(list.getPredmet(5, 5), &c);
}

TEST(ListPredmetuTest, OutsideTheGridNothingHappens) {
    ListPredmetu list(200, 30);
    Vec a;
    for (auto [x, y] : {std::pair{200, 0}, {0, 30}, {-1, 0}, {0, -1}}) {
        list.addPredmet(x, y, &a);
        EXPECT_EQ(list.getPredmet(x, y), nullptr);
        list.removeFrom(x, y);
    }
    EXPECT_TRUE(list.seznam.empty());  // not even registered
    for (unsigned char c : list.pole) EXPECT_EQ(c, 0);
    EXPECT_EQ(list.pole.size(), 6000u);
    list.addPredmet(199, 29, &a);
    EXPECT_EQ(list.getPredmet(199, 29), &a);
    EXPECT_EQ(list.pole.back(), 1);
}

TEST(ListPredmetuTest, UnknownCodeShowsNothing) {
    ListPredmetu list(10, 10);
    list.pole[12] = 7;  // as a damaged saved game could leave it
    EXPECT_EQ(list.getPredmet(1, 2), nullptr);
}

}  // namespace
