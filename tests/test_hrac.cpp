// SPDX-License-Identifier: GPL-3.0-or-later
// The hunter: his start, sprite sets and scale switch, the controls with
// shooting, his drawing with the counters it advances, and the HUD.
#include <array>
#include <iterator>
#include <tuple>

#include "pomocnik.h"

namespace {

class Lovec : public ::testing::Test {
protected:
    VDatech data;
    Hrac h;
    void hraj(const std::string& s) {
        for (const SDL_Event& e : udalosti(s)) h.akce(e);
    }
    // Shoots with Space at a key-chosen class: the new arrow.
    VystrelenySip strel(int aLuk) {
        h.m = false, h.citac = 0, h.aLuk = aLuk;
        const int pred = h.pozSipy;
        hraj("Space");
        EXPECT_EQ(h.pozSipy, pred + 1);
        return h.vSipy[h.pozSipy - 1];
    }
    // Moves the pointer with the bow in hand and clicks: the class shot.
    int tridaMysi(int x, int y) {
        h.m = false, h.citac = 0;
        hraj("Mouse:" + std::to_string(x) + "," + std::to_string(y) + " Button1:0,0");
        return h.vSipy[h.pozSipy - 1].uhel - (h.vlevo ? 5 : 0);
    }
    // Draws him on an empty screen, compared with the HUD and these pictures of his.
    testing::AssertionResult kresliJako(const std::string& lovec, const char* hud = kHudNovehoLovce) {
        Plocha obr = prazdnaObrazovka();
        h.vykresliSe(obr.get());
        std::vector<Kresba> vse = kresby("ostatni/", hud), jeho = kresby("lovec/", lovec);
        vse.insert(vse.end(), jeho.begin(), jeho.end());
        Plocha cekam = prazdnaObrazovka();
        nakresli(cekam.get(), vse);
        return stejne(obr.get(), cekam.get());
    }
};

TEST_F(Lovec, ANewHunterStandsReadyWithTheSword) {
    EXPECT_EQ(r(h.pozice.x, h.pozice.y, h.stred.x, h.stred.y, h.kurzor.x, h.kurzor.y, h.sirka, h.vyska,
                h.vyskaTela, h.vSipy.size(), h.nohy.size(), h.luk.size(), h.mec.size(), h.sip.size()),
              r(400, 400, 400, 300, 400, 300, 70, 101, 66, 10, 14, 10, 6, 10));
}

TEST_F(Lovec, EverySlotHoldsItsPictureWithWhiteTransparentAtBothScales) {
    const std::vector<Obrazek>* sady[] = {&h.nohy, &h.luk, &h.mec, &h.sip};
    const char* kmeny[] = {"n1 n2 n3 n4 n5 n6 n7", "l-30 l0 l30 l60 l90", "m0 m1 m2",
                           "sip-30 sip0 sip30 sip60 sip90"};
    for (const std::string m : {"", "m", ""}) {
        if (m.empty() != (h.sirka == 70)) m.empty() ? h.zvetsi() : h.zmensi();
        for (int s = 0; s < 4; ++s) {
            std::istringstream in(kmeny[s]);
            const std::vector<std::string> k{std::istream_iterator<std::string>(in), {}};
            ASSERT_EQ(sady[s]->size(), 2 * k.size());
            // The vertical arrow has no left picture: slot 9 shows the right one.
            for (size_t i = 0; i < 2 * k.size(); ++i)
                EXPECT_TRUE(ukazuje((*sady[s])[i].get(),
                                    "lovec/" + k[i % k.size()] +
                                        (i >= k.size() && !(s == 3 && i == 9) ? "l" : "") + m + ".bmp"));
        }
    }
}

TEST_F(Lovec, TheScaleSwitchConvertsPositionsTruncatingAndKeepsEverythingElse) {
    h.vSipy[0] = VystrelenySip{300, 150, 7, 30, true, 4, 20};
    h.vSipy[1] = VystrelenySip{31, 61, 2, 30, false, 0, 13};
    h.vSipy[2] = VystrelenySip{90, 90, 3, 55, false, 1, 10};  // not live
    h.pozSipy = 2, h.zivoty = 57, h.aLuk = 3, h.citac = 2, h.aNohy = 4, h.m = false, h.vlevo = true;
    auto stav = [&] {  // what stays, then his position and metrics, then the arrows' x, y and own step
        Radek v =
            r(h.zivoty, h.aLuk, h.citac, h.aNohy, h.m, h.vlevo, h.pozSipy, h.vSipy[0].uhel, h.vSipy[0].alfa,
              h.vSipy[0].vzdalenost, h.pozice.x, h.pozice.y, h.sirka, h.vyska, h.vyskaTela, h.skok, h.beh);
        for (int i = 0; i < 3; ++i) v.insert(v.end(), {h.vSipy[i].x, h.vSipy[i].y, h.vSipy[i].rychlost});
        return v;
    };
    h.zmensi();
    EXPECT_EQ(stav(), r(57, 3, 2, 4, 0, 1, 2, 7, 30, 4, 266, 266, 44, 67, 44, 26, 9, 200, 100, 13, 20, 40, 8,
                        90, 90, 10));
    h.zvetsi();
    EXPECT_EQ(stav(), r(57, 3, 2, 4, 0, 1, 2, 7, 30, 4, 399, 399, 70, 101, 66, 35, 10, 300, 150, 19, 30, 60,
                        12, 90, 90, 10));
    // Back at the large scale the running bonus comes from agility.
    for (auto [obratnost, beh] : {std::pair{19, 10}, {20, 11}, {40, 15}}) {
        h.obratnost = obratnost, h.beh = 13, h.skok = 20;
        h.zmensi();
        EXPECT_EQ(r(h.beh, h.skok), r(11, 16));
        h.zvetsi();
        EXPECT_EQ(r(h.beh, h.skok), r(beh, 35)) << obratnost;
    }
}

TEST_F(Lovec, KeysSetHisIntentions) {
    // The events, then vlevo, stop, b, vzduch, m, aLuk: releasing the other
    // direction's key does not stop him; only landing clears vzduch.
    // clang-format off
    const std::pair<const char*, Radek> pripady[] = {
        {"^Right", r(0, 1, 0, 0, 1, 0)}, {"^Left", r(0, 0, 0, 0, 1, 0)}, {"Left ^Right", r(1, 0, 0, 0, 1, 0)},
        {"Left ^Left", r(1, 1, 0, 0, 1, 0)}, {"Left ^Left Right", r(0, 0, 0, 0, 1, 0)},
        {"F", r(0, 0, 1, 0, 1, 0)}, {"F ^F", r(0, 0, 0, 0, 1, 0)}, {"D ^D D", r(0, 0, 0, 1, 1, 0)},
        {"A", r(0, 0, 0, 0, 0, 0)}, {"A ^A A", r(0, 0, 0, 0, 1, 0)}, {"Up Up Up", r(0, 0, 0, 0, 1, 3)},
        {"Up Up Up Up Up", r(0, 0, 0, 0, 1, 4)}, {"Down Up Up Down", r(0, 0, 0, 0, 1, 1)}};
    // clang-format on
    for (const auto& [kroky, cekam] : pripady) {
        h.vlevo = h.stop = h.b = h.vzduch = false, h.m = true, h.aLuk = 0;
        hraj(kroky);
        EXPECT_EQ(r(h.vlevo, h.stop, h.b, h.vzduch, h.m, h.aLuk), cekam) << kroky;
    }
}

TEST_F(Lovec, EventsWithoutMeaningChangeNothingAndTheSwordIgnoresThePointer) {
    h.m = false, h.aLuk = 2;
    hraj("Mouse:500,120");
    auto stav = [&] {
        return r(h.vlevo, h.stop, h.b, h.vzduch, h.m, h.aLuk, h.aMec, h.citac, h.aNohy, h.kurzor.x,
                 h.kurzor.y, h.pocetSipu, h.pozSipy);
    };
    const Radek pred = stav();
    for (const SDL_Event& e :
         udalosti("X Esc P ^Space ^Up ^A Quit Button3:600,100 Button2:0,0 ^Button1:600,100")) {
        h.akce(e);
        EXPECT_EQ(stav(), pred) << "event type " << int(e.type);
    }
    hraj("A Mouse:435,500 A Button1:435,500");  // the click aims at the last point seen with the bow
    EXPECT_EQ(h.vSipy[0].uhel, 3);              // at (500, 120): 74 degrees
}

TEST_F(Lovec, AnAttackStartsAFourFrameCooldownAndAnEmptyQuiverShootsNothing) {
    h.stop = true;
    Plocha obr = prazdnaObrazovka();
    for (auto [mec, citac] : {std::pair{2, 4}, {1, 3}, {0, 2}, {0, 1}}) {  // the sword swings once: no arrow
        hraj("Space Button1:0,0");
        EXPECT_EQ(r(h.aMec, h.citac, h.pocetSipu, h.pozSipy), r(mec, citac, 12, 0)) << citac;
        h.vykresliSe(obr.get());
    }
    hraj("Button1:0,0");
    EXPECT_EQ(r(h.aMec, h.citac), r(2, 4));
    h.citac = 0, h.m = false, h.pocetSipu = 0;
    hraj("Space");
    h.pocetSipu = 5;
    hraj("Space");
    EXPECT_EQ(r(h.citac, h.pocetSipu, h.pozSipy, h.aMec), r(4, 5, 0, 2));
}

TEST_F(Lovec, AShotLeavesFromTheBowAtItsClassesHeightAndKeepsHisStep) {
    // small, vlevo, b, stop, beh, aLuk; then x and y from his corner, uhel, alfa, rychlost
    const std::array<int, 11> pripady[] = {
        {0, 0, 0, 0, 10, 4, 20, 14, 4, 90, 10},  {0, 0, 0, 0, 10, 3, 20, 16, 3, 55, 10},
        {0, 0, 0, 0, 10, 2, 20, 20, 2, 30, 10},  {0, 0, 0, 0, 10, 1, 20, 33, 1, 0, 10},
        {0, 0, 0, 0, 10, 0, 20, 33, 0, -25, 10}, {0, 0, 0, 0, 10, 7, 20, 33, 0, -25, 10},
        {0, 1, 0, 0, 10, 3, 30, 16, 8, 55, 10},  {0, 1, 0, 0, 10, 0, 30, 33, 5, -25, 10},
        {0, 0, 1, 0, 10, 1, 20, 33, 1, 0, 20},   {0, 1, 1, 0, 14, 1, 30, 33, 6, 0, 24},
        {0, 0, 1, 1, 14, 1, 20, 33, 1, 0, 0},    {0, 0, 0, 1, 10, 1, 20, 33, 1, 0, 0},
        {1, 0, 0, 0, 9, 4, 7, 9, 4, 90, 10},     {1, 1, 1, 0, 9, 1, 30, 22, 6, 0, 19}};
    for (const auto& c : pripady) {
        if (c[0] && h.sirka == 70) h.zmensi();
        h.pozice = SDL_Rect{1000, 700, 0, 0};
        h.vlevo = c[1], h.b = c[2], h.stop = c[3], h.beh = c[4], h.pocetSipu = 2;
        h.vSipy[h.pozSipy % 10].vzdalenost = 7;  // a used entry starts its flight afresh
        const VystrelenySip s = strel(c[5]);
        EXPECT_EQ(r(s.x - 1000, s.y - 700, s.uhel, s.alfa, s.rychlost, s.vlevo, s.vzdalenost, h.pocetSipu),
                  r(c[6], c[7], c[8], c[9], c[10], c[1], 0, 1))
            << c[0] << c[1] << c[2] << c[3] << " class " << c[5];
    }
}

TEST_F(Lovec, APointerShotTakesOnlyTheElevationFromTheCentreOfHisPicture) {
    h.pocetSipu = 1000;
    // Large scale, the centre at (435, 350): x, y, class. Exactly 45 degrees is
    // class 2; on the centre there is no angle; behind him the elevation counts.
    const std::array<int, 3> velke[] = {{635, 150, 2}, {635, 149, 3}, {485, 164, 3}, {485, 163, 4},
                                        {435, 349, 4}, {435, 351, 0}, {435, 350, 0}, {735, 269, 2},
                                        {735, 270, 1}, {436, 350, 1}, {735, 430, 1}, {735, 431, 0},
                                        {235, 150, 2}};
    for (bool vlevo : {false, true}) {
        h.vlevo = vlevo;
        for (const auto& c : velke)
            EXPECT_EQ(tridaMysi(c[0], c[1]), c[2]) << c[0] << "," << c[1] << " left " << vlevo;
    }
    EXPECT_EQ(h.aLuk, 0);  // the bow keeps its key-chosen class
}

TEST_F(Lovec, AFullArrowArrayDoublesKeepingItsOrder) {
    h.pocetSipu = 100;
    for (int i = 0; i < 21; ++i) {
        h.pozice.x = static_cast<Sint16>(100 + 10 * i);
        strel(i % 5);
        const int kapacita = i < 10 ? 10 : i < 20 ? 20 : 40;
        EXPECT_EQ(r(h.nSipu, h.vSipy.size()), r(kapacita, kapacita));
    }
    for (int i = 0; i < 21; ++i) EXPECT_EQ(r(h.vSipy[i].x, h.vSipy[i].uhel), r(120 + 10 * i, i % 5)) << i;
}

TEST_F(Lovec, DrawsTheLegsAndWeaponOfHisStateThenAdvancesItsCounters) {
    // Legs frame, sword frame, cooldown, standing, facing left, sword in hand, bow
    // class, small; his pictures; then legs, sword and cooldown after.
    // clang-format off
    const std::tuple<Radek, const char*, Radek> pripady[] = {
        {r(0, 0, 0, 0, 0, 1, 0, 0), "n1 400 366, m0 400 300", r(1, 0, 0)},
        {r(4, 0, 0, 0, 0, 1, 0, 0), "n5 400 366, m0 400 300", r(5, 0, 0)},
        {r(5, 0, 0, 0, 0, 1, 0, 0), "n6 400 366, m0 400 300", r(2, 0, 0)},
        {r(6, 0, 0, 1, 0, 1, 0, 0), "n7 400 366, m0 400 300", r(2, 0, 0)},
        {r(0, 2, 4, 1, 0, 1, 0, 0), "n1 400 366, m2 400 300", r(0, 1, 3)},
        {r(0, 1, 1, 1, 1, 1, 0, 0), "n1l 400 366, m1l 400 300", r(0, 0, 0)},
        {r(0, 0, 0, 1, 0, 0, 4, 0), "n1 400 366, l90 400 300", r(0, 0, 0)},
        {r(4, 0, 0, 1, 1, 0, 3, 0), "n5l 400 366, l60l 400 300", r(4, 0, 0)},
        {r(4, 0, 0, 1, 1, 0, 3, 1), "n5lm 400 344, l60lm 400 300", r(4, 0, 0)},
        {r(4, 0, 0, 1, 0, 0, 0, 1), "n5m 400 344, l-30m 400 300", r(4, 0, 0)},
        {r(4, 0, 0, 1, 0, 1, 2, 1), "n5m 400 344, m0m 400 300", r(4, 0, 0)}};  // the sword hides the bow
    // clang-format on
    for (const auto& [stav, jeho, po] : pripady) {
        if (stav[7] != (h.sirka == 44)) stav[7] ? h.zmensi() : h.zvetsi();
        h.aNohy = stav[0], h.aMec = stav[1], h.citac = stav[2], h.stop = stav[3], h.vlevo = stav[4];
        h.m = stav[5], h.aLuk = stav[6];
        EXPECT_TRUE(kresliJako(jeho)) << jeho;
        EXPECT_EQ(r(h.aNohy, h.aMec, h.citac, h.aLuk), r(po[0], po[1], po[2], stav[6])) << jeho;
    }
}

TEST_F(Lovec, ArrowsAreDrawnOverHimShiftedLikeTheWorld) {
    h.stop = true;
    h.pozice = SDL_Rect{1000, 500, 0, 0};
    h.vSipy[0] = VystrelenySip{1000, 500, 9, 90, true, 0, 0};
    h.vSipy[1] = VystrelenySip{700, 600, 7, 30, true, 2, 10};
    h.vSipy[2] = VystrelenySip{1010, 520, 0, -25, false, 1, 10};
    h.vSipy[3] = VystrelenySip{1100, 400, 3, 55, false, 1, 10};  // not live
    h.pozSipy = 3;
    EXPECT_TRUE(kresliJako("n1 400 366, m0 400 300, sip90 400 300, sip30l 100 400, sip-30 410 320"));
    h.zmensi();
    EXPECT_TRUE(kresliJako("n1m 400 344, m0m 400 300, sip90m 400 300, sip30lm 200 367, sip-30m 407 313"));
}

TEST_F(Lovec, TheHudShowsHisArrowsHealthAndScoreRightAlignedFortyThreePixelsADigit) {
    // Leftwards from each icon, the current health leftwards from the slash; a
    // negative number is one 0, and inner zeros are digits too.
    h.stop = true, h.pocetSipu = 306, h.zivoty = -7, h.maxZivotu = 45, h.score = 1234567890;
    EXPECT_TRUE(
        kresliJako("n1 400 366, m0 400 300",
                   "toulecI 750 100, 6 707 100, 0 664 100, 3 621 100, zivotI 750 50, 5 707 50, 4 664 50, "
                   "lomitko 637 50, 0 594 50, score 750 0, 0 707 0, 9 664 0, 8 621 0, 7 578 0, 6 535 0, "
                   "5 492 0, 4 449 0, 3 406 0, 2 363 0, 1 320 0"));
}

}  // namespace
