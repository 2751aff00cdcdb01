// The hunter's frame (fall, jump, walk), the item pickup sweep and the arrows
// in flight, on an emptied level 1 (tiles 30 x 30, hunter 70 x 101).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "Hrac.h"
#include "pomocnik.h"

namespace {

class LevelPohyb : public ::testing::Test {
protected:
    void SetUp() override {
        LevelTest::vyprazdni(l);
        ASSERT_EQ(LevelTest::sP(l), 30);
        ASSERT_EQ(LevelTest::vP(l), 30);
        // As the controls would leave a hunter standing still.
        h.stop = true;
        h.vzduch = false;
        h.b = false;
        h.vlevo = false;
        h.pad = 0;
        h.pozSipy = 0;
        ASSERT_EQ(h.sirka, 70);
        ASSERT_EQ(h.vyska, 101);
        ASSERT_EQ(h.skok, 35);
    }
    void pevna(int x, int y) { ASSERT_TRUE(LevelTest::setPevna(l, x, y)); }
    void podlaha(int radek, int od = 0, int po = 200) {
        for (int c = od; c < po; ++c) pevna(c, radek);
    }
    void postav(int x, int y) {
        h.pozice.x = static_cast<Sint16>(x);
        h.pozice.y = static_cast<Sint16>(y);
    }
    int x() const { return h.pozice.x; }
    int y() const { return h.pozice.y; }
    // Runs n frames and returns the vertical move of each.
    std::vector<int> posunyY(int n) {
        std::vector<int> v;
        for (int i = 0; i < n; ++i) {
            const int y0 = y();
            l.kontrola();
            v.push_back(y() - y0);
        }
        return v;
    }

    VDatech d;
    Hrac h;
    Level l{&h, 1};
};

// A hunter standing on the floor of row 20 (y 600) rests 3 pixels in: y 502.
constexpr int kNaPodlaze = 600 - 101 + 3;

TEST_F(LevelPohyb, SkokOsmdesatPixeluNahoruAPristani) {
    podlaha(20);
    postav(300, kNaPodlaze);
    h.vzduch = true;
    int nejvys = y();
    std::vector<int> v;
    for (int i = 0; i < 8; ++i) {
        const int y0 = y();
        l.kontrola();
        v.push_back(y() - y0);
        nejvys = std::min(nejvys, y());
        EXPECT_TRUE(h.vzduch) << "frame " << i;
        EXPECT_EQ(h.aNohy, 6) << "frame " << i;
    }
    EXPECT_EQ(v, (std::vector<int>{-35, -25, -15, -5, 5, 15, 25, 35}));
    EXPECT_EQ(nejvys, kNaPodlaze - 80);
    // The last fall ended exactly at the rest depth, so it was not cut short;
    // the next frame's is.
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_EQ(h.pad, 80);
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_FALSE(h.vzduch);
    EXPECT_EQ(h.aNohy, 2);
    EXPECT_EQ(h.pad, 0);
    EXPECT_EQ(x(), 300);
    // And he then stands.
    EXPECT_EQ(posunyY(3), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(h.vzduch);
}

TEST_F(LevelPohyb, MalySkok) {
    podlaha(20);
    postav(300, kNaPodlaze);
    h.skok = 26;
    h.vzduch = true;
    EXPECT_EQ(posunyY(6), (std::vector<int>{-26, -16, -6, 4, 14, 24}));
    EXPECT_TRUE(h.vzduch);
    // Top reached after the third frame: 48 above the start.
    EXPECT_EQ(y(), kNaPodlaze - 48 + 4 + 14 + 24);
    // The next move (+34) is cut short by the floor: landed.
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_FALSE(h.vzduch);
    EXPECT_EQ(h.aNohy, 2);
    EXPECT_EQ(h.pad, 0);
}

TEST_F(LevelPohyb, SeSchodiSpadneAZrychluje) {
    podlaha(20, 0, 12);  // floor ends at x = 360
    podlaha(28);         // y 840
    postav(320, kNaPodlaze);
    h.stop = false;
    std::vector<int> dx;
    std::vector<int> dy;
    for (int i = 0; i < 6; ++i) {
        const int x0 = x(), y0 = y();
        l.kontrola();
        dx.push_back(x() - x0);
        dy.push_back(y() - y0);
        if (i == 3) {
            // The trimmed left edge left the floor at the start of this frame.
            EXPECT_TRUE(h.vzduch);
            EXPECT_EQ(h.aNohy, 6);
            EXPECT_EQ(h.pad, 35 + 15);
        }
    }
    EXPECT_EQ(dx, (std::vector<int>(6, 10)));
    EXPECT_EQ(dy, (std::vector<int>{0, 0, 0, 5, 15, 25}));
    // Then +35, +45, +55 and the floor of row 28 cuts the next move short.
    EXPECT_EQ(posunyY(4), (std::vector<int>{35, 45, 55, 742 - (kNaPodlaze + 5 + 15 + 25 + 35 + 45 + 55)}));
    EXPECT_EQ(y(), 840 - 101 + 3);
    EXPECT_FALSE(h.vzduch);
    EXPECT_EQ(h.pad, 0);
}

TEST_F(LevelPohyb, StaniNaPodlaze) {
    podlaha(20);
    // Bottom exactly on the floor's top: airborne for one frame.
    postav(300, 499);
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_TRUE(h.vzduch);
    EXPECT_EQ(h.aNohy, 6);
    EXPECT_EQ(h.pad, 50);
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_FALSE(h.vzduch);
    EXPECT_EQ(h.aNohy, 2);
    EXPECT_EQ(h.pad, 0);

    // Feet 2 pixels above the floor: down by 5 to the rest depth.
    postav(300, 497);
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_TRUE(h.vzduch);

    // Feet deeper than 3 pixels stay where they are.
    h.vzduch = false;
    h.pad = 0;
    h.aNohy = 4;
    postav(300, 510);
    l.kontrola();
    EXPECT_EQ(y(), 510);
    EXPECT_FALSE(h.vzduch);
    EXPECT_EQ(h.pad, 0);
    EXPECT_EQ(h.aNohy, 4);
}

TEST_F(LevelPohyb, VisepodStropemDokudPadNepremuzeSkok) {
    podlaha(20);
    podlaha(15);  // ceiling, bottom border at y 480: 22 pixels above his head
    postav(300, kNaPodlaze);
    h.vzduch = true;
    for (int i = 1; i <= 4; ++i) {
        l.kontrola();
        EXPECT_EQ(y(), 480) << "frame " << i;
        EXPECT_EQ(h.pad, 10 * i);
        EXPECT_TRUE(h.vzduch);
    }
    // pad 40 > skok 35: he falls.
    l.kontrola();
    EXPECT_EQ(y(), 485);
    EXPECT_TRUE(h.vzduch);
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze);
    EXPECT_FALSE(h.vzduch);
}

TEST_F(LevelPohyb, ChuzeABehJenVeSmeruPohledu) {
    podlaha(20);
    postav(300, kNaPodlaze);
    h.beh = 7;
    h.stop = false;
    l.kontrola();
    EXPECT_EQ(x(), 310);
    h.b = true;
    l.kontrola();
    EXPECT_EQ(x(), 327);
    h.vlevo = true;
    l.kontrola();
    EXPECT_EQ(x(), 310);
    h.b = false;
    l.kontrola();
    EXPECT_EQ(x(), 300);
    h.stop = true;
    h.b = true;
    l.kontrola();
    EXPECT_EQ(x(), 300);
    EXPECT_EQ(y(), kNaPodlaze);
}

TEST_F(LevelPohyb, ZablokovanaChuze) {
    podlaha(20);
    pevna(12, 19);  // a one-tile step, x 360..390
    postav(300, kNaPodlaze);
    h.stop = false;
    l.kontrola();
    EXPECT_EQ(x(), 307);  // trimmed right edge at the step
    l.kontrola();
    EXPECT_EQ(x(), 307);
    EXPECT_EQ(y(), kNaPodlaze);
    // Jumping, the walk is tested at the new height, above the step.
    h.vzduch = true;
    l.kontrola();
    EXPECT_EQ(y(), kNaPodlaze - 35);
    EXPECT_EQ(x(), 317);
}

class LevelSber : public LevelPohyb {
protected:
    ListPredmetu& seznam() { return LevelTest::list(l); }
    void poloz(const std::vector<std::pair<int, int>>& kde, Predmet* p = nullptr) {
        for (auto [c, r] : kde) seznam().addPredmet(c, r, p ? p : LevelTest::sip(l));
    }
    bool lezi(int c, int r) { return seznam().getPredmet(c, r) != nullptr; }
    // Which of the cells still hold an item.
    std::vector<bool> lezi(const std::vector<std::pair<int, int>>& kde) {
        std::vector<bool> v;
        for (auto [c, r] : kde) v.push_back(lezi(c, r));
        return v;
    }
    void smete(int sx, int sy) { LevelTest::seberePredmety(l, sx, sy); }
};

TEST_F(LevelSber, VodorovneZametani) {
    // From x 300 to 400 at y 502: probes at x 300, 330, 360, 390, 400 look at
    // the column 46 pixels in (11, 12, 13, 14, 14), rows 16 to 20.
    const std::vector<std::pair<int, int>> vezme{{11, 16}, {12, 20}, {13, 18}, {14, 17}};
    const std::vector<std::pair<int, int>> necha{{10, 18}, {15, 18}, {11, 21}, {11, 15}};
    for (bool doleva : {false, true}) {
        SCOPED_TRACE(doleva ? "moving left" : "moving right");
        LevelTest::vyprazdni(l);
        h.pocetSipu = 12;
        poloz(vezme);
        poloz(necha);
        postav(doleva ? 300 : 400, kNaPodlaze);
        smete(doleva ? 400 : 300, kNaPodlaze);
        EXPECT_EQ(lezi(vezme), std::vector<bool>(4, false));
        EXPECT_EQ(lezi(necha), std::vector<bool>(4, true));
        EXPECT_EQ(h.pocetSipu, 16);
    }
}

TEST_F(LevelSber, SvisleDolniRadekPriPaduHorniPriStoupani) {
    // x 300: columns 10 to 12 (the right edge's included). Between y 400 and
    // 500, the bottom edge passes rows 16..20, the top edge rows 13..16.
    const std::vector<std::pair<int, int>> bunky{{10, 16}, {11, 18}, {12, 20}, {11, 13}, {13, 18}, {9, 18}};
    auto zkus = [&](int pad, int odkud, int kam) {
        LevelTest::vyprazdni(l);
        poloz(bunky);
        h.pad = pad;
        postav(300, kam);
        smete(300, odkud);
        return lezi(bunky);
    };
    EXPECT_EQ(zkus(50, 400, 500), (std::vector<bool>{false, false, false, true, true, true}));
    EXPECT_EQ(zkus(10, 500, 400), (std::vector<bool>{false, true, true, false, true, true}));
    // pad equal to skok is not yet falling.
    EXPECT_EQ(zkus(35, 400, 500), (std::vector<bool>{false, true, true, false, true, true}));
    EXPECT_EQ(zkus(36, 400, 500), (std::vector<bool>{false, false, false, true, true, true}));
}

TEST_F(LevelSber, NaMisteJedenSloupecDveTretinyNapric) {
    const std::vector<std::pair<int, int>> vezme{{11, 16}, {11, 18}, {11, 20}};
    const std::vector<std::pair<int, int>> necha{{10, 18}, {12, 18}, {11, 15}, {11, 21}};
    poloz(vezme);
    poloz(necha);
    postav(300, kNaPodlaze);
    smete(300, kNaPodlaze);
    EXPECT_EQ(lezi(vezme), std::vector<bool>(3, false));
    EXPECT_EQ(lezi(necha), std::vector<bool>(4, true));

    // A 44-pixel box: two thirds is 29 pixels, x 301 + 29 = 330 is column 11.
    LevelTest::vyprazdni(l);
    h.sirka = 44;
    h.vyska = 67;
    poloz({{11, 17}, {10, 17}, {11, 19}});
    postav(301, kNaPodlaze);
    smete(301, kNaPodlaze);
    EXPECT_FALSE(lezi(11, 17));
    EXPECT_TRUE(lezi(10, 17));
    EXPECT_TRUE(lezi(11, 19));  // below the bottom edge's row 18
}

TEST_F(LevelSber, SikmoNahoruDopravaZametaDruhouUhloprickou) {
    // From (300, 500) to (390, 440): the sweep runs from (300, 440) to
    // (390, 500), 20 pixels lower per tile across.
    const std::vector<std::pair<int, int>> vezme{{11, 14}, {12, 15}, {13, 19}, {14, 20}};
    const std::vector<std::pair<int, int>> necha{{11, 20}, {14, 14}};
    poloz(vezme);
    poloz(necha);
    postav(390, 440);
    smete(300, 500);
    EXPECT_EQ(lezi(vezme), std::vector<bool>(4, false));
    EXPECT_EQ(lezi(necha), std::vector<bool>(2, true));
}

TEST_F(LevelSber, SklonSeNezaokrouhlujeNaCeleDlazdice) {
    // 70 across, 40 down: 40 / (70 / 30) = 17.14 pixels per probe, so the
    // third probe's bottom edge is at 400 + 34 + 101 = 535, row 17.
    poloz({{12, 17}, {13, 17}, {13, 18}, {14, 18}});
    postav(380, 400);
    smete(310, 440);
    EXPECT_FALSE(lezi(12, 17));
    EXPECT_FALSE(lezi(13, 17));
    EXPECT_TRUE(lezi(13, 18));
    EXPECT_FALSE(lezi(14, 18));

    // 35 / (70 / 30) comes out just below 15 in double precision: 14 per
    // probe, so the third probe's bottom edge is at 410 + 28 + 101 = 539.
    LevelTest::vyprazdni(l);
    poloz({{13, 17}, {13, 18}});
    postav(380, 410);
    smete(310, 445);
    EXPECT_FALSE(lezi(13, 17));
    EXPECT_TRUE(lezi(13, 18));
}

TEST_F(LevelSber, SikmoDoluPosouvaSloupce) {
    // Falling from (300, 400) to (345, 490): 15 pixels across per probe, so
    // the columns move from 10..12 to 11..13 on the way.
    h.pad = 60;
    poloz({{10, 16}, {13, 18}, {10, 19}, {13, 16}});
    postav(345, 490);
    smete(300, 400);
    EXPECT_FALSE(lezi(10, 16));
    EXPECT_FALSE(lezi(13, 18));
    EXPECT_TRUE(lezi(10, 19));
    EXPECT_TRUE(lezi(13, 16));
}

TEST_F(LevelSber, KazdyPredmetJenJednou) {
    // From x 300 to 370 the last two probes both look at column 13.
    poloz({{13, 18}, {12, 17}});
    h.pocetSipu = 12;
    postav(370, kNaPodlaze);
    smete(300, kNaPodlaze);
    EXPECT_EQ(h.pocetSipu, 14);
    smete(300, kNaPodlaze);
    EXPECT_EQ(h.pocetSipu, 14);
    EXPECT_FALSE(lezi(13, 18));
    EXPECT_FALSE(lezi(12, 17));
}

TEST_F(LevelSber, KontrolaZametaOdPolohyNaZacatkuSnimku) {
    // Running 100 pixels along the floor.
    podlaha(20);
    postav(300, kNaPodlaze);
    h.stop = false;
    h.b = true;
    h.beh = 90;
    poloz({{12, 17}, {14, 20}, {15, 17}, {10, 17}});
    l.kontrola();
    EXPECT_EQ(x(), 400);
    EXPECT_FALSE(lezi(12, 17));
    EXPECT_FALSE(lezi(14, 20));
    EXPECT_TRUE(lezi(15, 17));
    EXPECT_TRUE(lezi(10, 17));

    // Falling from y 400 to 450: the bottom edge passes rows 16 to 18.
    LevelTest::vyprazdni(l);
    h.stop = true;
    h.vzduch = true;
    h.pad = 85;
    postav(300, 400);
    poloz({{11, 16}, {12, 18}, {11, 19}});
    l.kontrola();
    EXPECT_EQ(y(), 450);
    EXPECT_FALSE(lezi(11, 16));
    EXPECT_FALSE(lezi(12, 18));
    EXPECT_TRUE(lezi(11, 19));
}

TEST_F(LevelSber, VychodAJinePredmetyVJednomSnimku) {
    podlaha(20);
    postav(300, kNaPodlaze);
    h.pocetSipu = 12;
    h.zivoty = 100;
    h.novyLvl = false;
    poloz({{11, 16}}, LevelTest::novyLvl(l));
    poloz({{11, 17}}, LevelTest::sip(l));
    poloz({{11, 18}}, LevelTest::toulec(l));
    poloz({{11, 19}}, LevelTest::zivoty(l));
    l.kontrola();
    EXPECT_TRUE(h.novyLvl);
    EXPECT_GE(h.pocetSipu, 12 + 1 + 9);
    EXPECT_LE(h.pocetSipu, 12 + 1 + 14);
    EXPECT_GE(h.zivoty, 120);
    EXPECT_LE(h.zivoty, 129);
    for (int r = 16; r <= 19; ++r) EXPECT_FALSE(lezi(11, r)) << "row " << r;
    // The level itself changes only at the end of the drawn frame.
    EXPECT_EQ(LevelTest::typ(l), 1);
}

class LevelSipy : public LevelPohyb {
protected:
    void SetUp() override {
        LevelPohyb::SetUp();
        // The hunter stands still on the floor of row 28, out of the way.
        podlaha(28);
        postav(300, 840 - 101 + 3);
    }
    static VystrelenySip sip(int x, int y, int alfa, bool vlevo = false, int rychlost = 0,
                             int vzdalenost = 0) {
        VystrelenySip s;
        s.x = x;
        s.y = y;
        s.alfa = alfa;
        s.vlevo = vlevo;
        s.rychlost = rychlost;
        s.vzdalenost = vzdalenost;
        return s;
    }
    void vystrel(const std::vector<VystrelenySip>& v) {
        h.vSipy = v;
        h.pozSipy = static_cast<int>(v.size());
        h.vSipy.resize(std::max<size_t>(v.size(), 10));
        h.nSipu = static_cast<int>(h.vSipy.size());
    }
    const VystrelenySip& s(int i) const { return h.vSipy[i]; }
};

TEST_F(LevelSipy, KrokPodleUhlu) {
    // y 455: every box lies in one row; the level is empty around them.
    vystrel({sip(1000, 455, 90), sip(1500, 455, 55), sip(2000, 455, 30), sip(2500, 455, 0),
             sip(3000, 455, -25), sip(3500, 455, 90, false, 20), sip(4000, 455, 55, true, 10),
             sip(4500, 455, -25, true, 20), sip(5000, 455, 30, true)});
    l.kontrola();
    ASSERT_EQ(h.pozSipy, 9);
    const std::vector<std::pair<int, int>> cil{{1000, 405}, {1528, 415}, {2043, 431},
                                               {2550, 455}, {3045, 476}, {3520, 405},
                                               {3962, 415}, {4435, 476}, {4957, 431}};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(s(i).x, cil[i].first) << "arrow " << i;
        EXPECT_EQ(s(i).y, cil[i].second) << "arrow " << i;
        EXPECT_EQ(s(i).vzdalenost, 50) << "arrow " << i;
    }
    // The 30-degree arrow keeps rising 24 per frame.
    l.kontrola();
    EXPECT_EQ(s(2).y, 407);
    EXPECT_EQ(s(2).x, 2086);
}

TEST_F(LevelSipy, JedenactKrokuPakZmizi) {
    vystrel({sip(1000, 455, 0)});
    for (int k = 1; k <= 10; ++k) {
        l.kontrola();
        ASSERT_EQ(h.pozSipy, 1) << "frame " << k;
        EXPECT_EQ(s(0).x, 1000 + 50 * k);
        EXPECT_EQ(s(0).vzdalenost, 50 * k);
    }
    l.kontrola();
    EXPECT_EQ(h.pozSipy, 0);
}

TEST_F(LevelSipy, OdebraniPresunePosledniDoUvolnenehoMista) {
    // The second one expires; the last takes its slot and still flies.
    vystrel({sip(1000, 455, 0), sip(2000, 455, 0, false, 0, 500), sip(3000, 455, 0, false, 0, 300),
             sip(4000, 455, 90, false, 0, 100)});
    l.kontrola();
    ASSERT_EQ(h.pozSipy, 3);
    EXPECT_EQ(s(0).x, 1050);
    EXPECT_EQ(s(0).vzdalenost, 50);
    EXPECT_EQ(s(1).x, 4000);
    EXPECT_EQ(s(1).y, 405);
    EXPECT_EQ(s(1).alfa, 90);
    EXPECT_EQ(s(1).vzdalenost, 150);
    EXPECT_EQ(s(2).x, 3050);
    EXPECT_EQ(s(2).vzdalenost, 350);

    // The last one expires: nothing else moves.
    vystrel({sip(1000, 455, 0), sip(2000, 455, 0, false, 0, 500)});
    l.kontrola();
    ASSERT_EQ(h.pozSipy, 1);
    EXPECT_EQ(s(0).x, 1050);
    EXPECT_EQ(s(0).vzdalenost, 50);

    // The arrow moved in expires as well: the slot is refilled again.
    vystrel({sip(1000, 455, 0, false, 0, 500), sip(2000, 455, 0, false, 0, 200),
             sip(3000, 455, 0, false, 0, 500)});
    l.kontrola();
    ASSERT_EQ(h.pozSipy, 1);
    EXPECT_EQ(s(0).x, 2050);
    EXPECT_EQ(s(0).vzdalenost, 250);
}

TEST_F(LevelSipy, ZaseknutySipStojiAleStarne) {
    for (int r = 0; r < 28; ++r) pevna(20, r);  // wall, x 600..630, down to the floor
    pevna(33, 10);                              // ceiling tile, y 300..330
    vystrel({
        sip(560, 455, 0),   // lands in the wall, stuck from the next frame
        sip(560, 478, 0),   // box in two rows: the wall stops it at once
        sip(1000, 360, 90)  // flies into the ceiling tile
    });
    for (int k = 1; k <= 10; ++k) {
        l.kontrola();
        ASSERT_EQ(h.pozSipy, 3) << "frame " << k;
        EXPECT_EQ(s(0).x, 610);
        EXPECT_EQ(s(0).y, 455);
        // Not even the part of the way that was free.
        EXPECT_EQ(s(1).x, 560);
        EXPECT_EQ(s(1).y, 478);
        EXPECT_EQ(s(2).x, 1000);
        EXPECT_EQ(s(2).y, 360);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(s(i).vzdalenost, 50 * k);
    }
    l.kontrola();
    EXPECT_EQ(h.pozSipy, 0);
}

TEST_F(LevelSipy, PreletiZedSirokouJednuDlazdici) {
    for (int r = 0; r < 28; ++r) pevna(20, r);  // wall, x 600..630, down to the floor
    vystrel({sip(580, 455, 0), sip(635, 455, 0, true)});
    l.kontrola();
    EXPECT_EQ(s(0).x, 630);
    EXPECT_EQ(s(1).x, 585);
    l.kontrola();
    EXPECT_EQ(s(0).x, 680);
    EXPECT_EQ(s(1).x, 535);
}

}  // namespace
