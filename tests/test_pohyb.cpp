// SPDX-License-Identifier: GPL-3.0-or-later
// Movement on an emptied level 1 (tiles 30 x 30, 200 x 30 of them, closed all round): the collision queries,
// the hunter's frame, the pickup sweep and the arrows in flight.
#include <array>
#include <tuple>

#include "pomocnik.h"

namespace {

class Pohyb : public PrazdnyLevel {
protected:
    Hrac& h = hrac;
    Level& l = level;
    void poloz(const char* kde, Predmet* p) {
        for (auto [c, r] : bunky(kde)) LevelTest::list(l).addPredmet(c, r, p);
    }
    std::vector<Bunka> lezi(const char* kde) {  // those of the cells that hold an item
        std::vector<Bunka> v;
        for (auto b : bunky(kde))
            if (LevelTest::list(l).getPredmet(b.first, b.second)) v.push_back(b);
        return v;
    }
};

// Standing on the floor of row 20 (y 600), the hunter rests 3 pixels in.
constexpr int kNaPodlaze = 600 - 101 + 3;

TEST_F(Pohyb, QueriesStopAtTheFirstSolidCellTheLeadingEdgeMeets) {
    // The solid tile (c -1: none, -2: floor row 20), the axis, start, nx, ny, width,
    // height, tolerance, and the answer: the border, a long move, the tolerance,
    // floors and ceilings, the arrow box within one row passing walls sideways.
    struct Dotaz {
        int c, r;
        char osa;
        int s, nx, ny, w, h, tol, cekam;
    };
    const Dotaz dotazy[] = {
        {-1, 0, 'X', 5900, 6100, 300, 40, 40, 0, 5960}, {-1, 0, 'X', 100, -100, 300, 70, 101, 17, -17},
        {-1, 0, 'X', 0, -29, 300, 20, 40, 0, -29},      {-1, 0, 'X', 0, -30, 300, 20, 40, 0, 0},
        {-1, 0, 'Y', 800, 300, 1000, 20, 40, 0, 863},   {-1, 0, 'Y', 50, 300, -100, 20, 40, 0, 0},
        {10, 10, 'X', 0, 1000, 300, 20, 40, 0, 280},    {10, 10, 'X', 1000, 0, 300, 20, 40, 0, 330},
        {10, 10, 'X', 0, 1000, 330, 20, 40, 0, 1000},   {10, 20, 'Y', 0, 300, 850, 20, 40, 0, 563},
        {10, 20, 'Y', 0, 330, 850, 20, 40, 0, 850},     {10, 5, 'Y', 800, 300, 0, 20, 40, 0, 180},
        {5, 10, 'X', 100, 131, 300, 30, 40, 10, 130},   {5, 10, 'X', 100, 125, 300, 30, 40, 10, 125},
        {5, 10, 'X', 250, 160, 300, 30, 40, 10, 170},   {5, 10, 'X', 165, 166, 300, 30, 40, 10, 166},
        {5, 10, 'X', 165, 165, 300, 30, 40, 10, 170},   {11, 20, 'Y', 400, 300, 560, 70, 101, 17, 502},
        {12, 20, 'Y', 400, 300, 560, 70, 101, 17, 560}, {9, 20, 'Y', 400, 287, 560, 70, 101, 17, 560},
        {9, 20, 'Y', 400, 287, 560, 70, 101, 0, 502},   {10, 20, 'Y', 400, 300, 600, 20, 40, 0, 563},
        {10, 20, 'Y', 400, 295, 600, 20, 40, 0, 600},   {10, 20, 'Y', 575, 300, 575, 20, 40, 0, 563},
        {10, 15, 'X', 200, 400, 455, 10, 3, 0, 400},    {10, 9, 'X', 200, 400, 298, 10, 3, 0, 290},
        {-2, 0, 'Y', 553, 300, 573, 20, 40, 0, 563},    {-2, 0, 'X', 300, 400, 502, 70, 101, 17, 400},
        {10, 5, 'Y', 190, 300, 179, 20, 40, 0, 180},    {10, 5, 'Y', 200, 300, 181, 20, 40, 0, 181}};
    for (const Dotaz& q : dotazy) {
        LevelTest::vyprazdni(l);
        if (q.c == -2) pevne(0, 199, 20, 20);
        if (q.c >= 0) pevne(q.c, q.c, q.r, q.r);
        const int v = q.osa == 'X' ? l.volnoX(q.s, q.nx, q.ny, q.w, q.h, q.tol)
                                   : l.volnoY(q.s, q.nx, q.ny, q.w, q.h, q.tol);
        EXPECT_EQ(v, q.cekam) << "volno" << q.osa << "(" << q.s << ", " << q.nx << ", " << q.ny << ") by "
                              << q.c << "," << q.r;
    }
}

TEST_F(Pohyb, HeJumpsFallsHangsUnderCeilingsAndLandsThreePixelsIntoTheFloor) {
    struct Pripad {
        int hrana, strop, x, y, vzduch, skok, stop;  // floor row 20 up to column hrana
        Radek cesta, nohy;                           // y and legs frame after each frame
    };
    // A jump and a small one; feet on the floor's top, 2 above, deep in it; hanging
    // under a ceiling until pad passes skok; walking off an edge.
    const Pripad pripady[] = {
        {199, 0, 300, kNaPodlaze, 1, 35, 1, r(467, 442, 427, 422, 427, 442, 467, 502, 502),
         r(6, 6, 6, 6, 6, 6, 6, 6, 2)},
        {199, 0, 300, kNaPodlaze, 1, 26, 1, r(476, 460, 454, 458, 472, 496, 502), r(6, 6, 6, 6, 6, 6, 2)},
        {199, 0, 300, 499, 0, 35, 1, r(502, 502), r(6, 2)},
        {199, 0, 300, 497, 0, 35, 1, r(502, 502), r(6, 2)},
        {199, 0, 300, 510, 0, 35, 1, r(510), r(4)},
        {199, 15, 300, kNaPodlaze, 1, 35, 1, r(480, 480, 480, 480, 485, 502), r(6, 6, 6, 6, 6, 2)},
        {11, 0, 320, kNaPodlaze, 0, 35, 0, r(502, 502, 502, 507, 522, 547, 582, 627, 682, 742),
         r(4, 4, 4, 6, 6, 6, 6, 6, 6, 2)}};
    for (const Pripad& c : pripady) {
        LevelTest::vyprazdni(l);
        pevne(0, c.hrana, 20, 20);
        pevne(0, 199, 28, 28);
        if (c.strop) pevne(0, 199, c.strop, c.strop);
        postav(c.x, c.y);
        h.vzduch = c.vzduch, h.skok = c.skok, h.stop = c.stop, h.pad = 0, h.aNohy = 4;
        Radek y, nohy;
        for (size_t i = 0; i < c.cesta.size(); ++i)
            l.kontrola(), y.push_back(h.pozice.y), nohy.push_back(h.aNohy);
        EXPECT_EQ(y, c.cesta) << c.y << " " << c.skok;
        EXPECT_EQ(nohy, c.nohy) << c.y << " " << c.skok;
        EXPECT_EQ(r(h.vzduch, h.pad), r(0, 0)) << c.y;
    }
    EXPECT_EQ(h.pozice.x, 420);  // he walked on while falling
}

TEST_F(Pohyb, WalkingAndRunningGoTheWayHeFacesUntilAStepStopsHim) {
    pevne(0, 199, 20, 20);
    pevne(12, 12, 19, 19);  // a one-tile step, x 360..390
    h.beh = 7;
    // From x: standing, running, facing left, jumping; then x and y after the frame.
    // clang-format off
    for (const auto& [x, stop, b, vlevo, skok, nx, ny] :
         {std::array{200, 0, 0, 0, 0, 210, 502}, {200, 0, 1, 0, 0, 217, 502}, {200, 0, 1, 1, 0, 183, 502},
          {200, 0, 0, 1, 0, 190, 502}, {200, 1, 1, 0, 0, 200, 502}, {300, 0, 0, 0, 0, 307, 502},
          {307, 0, 0, 0, 0, 307, 502}, {307, 0, 0, 0, 1, 317, 467}}) {
        // clang-format on
        postav(x, kNaPodlaze);
        h.stop = stop, h.b = b, h.vlevo = vlevo, h.vzduch = skok, h.pad = 0;
        l.kontrola();
        EXPECT_EQ(r(h.pozice.x, h.pozice.y), r(nx, ny)) << x << stop << b << vlevo << skok;
    }
}

TEST_F(Pohyb, PickupSweepsTheRectangleBetweenTheTwoPositions) {
    // Box, from, to, pad; the items taken and those left. Across: the column two
    // thirds in; down (pad above skok) the feet's row, else the head's.
    const std::tuple<int, int, int, int, int, int, int, const char*, const char*> pripady[] = {
        {70, 101, 300, 502, 400, 502, 0, "11,16 12,20 13,18 14,17", "10,18 15,18 11,21 11,15"},
        {70, 101, 400, 502, 300, 502, 0, "11,16 12,20 13,18 14,17", "10,18 15,18 11,21 11,15"},
        {70, 101, 300, 502, 300, 502, 0, "11,16 11,18 11,20", "10,18 12,18 11,15 11,21"},
        {44, 67, 301, 502, 301, 502, 0, "11,17", "10,17 11,19"},
        {70, 101, 300, 400, 300, 500, 36, "10,16 11,18 12,20", "11,13 13,18 9,18"},
        {70, 101, 300, 400, 300, 500, 35, "10,16 11,13", "11,18 12,20 13,18 9,18"},
        {70, 101, 300, 500, 300, 400, 10, "10,16 11,13", "11,18 12,20 13,18 9,18"},
        {70, 101, 300, 500, 390, 440, 0, "11,14 12,15 13,19 14,20", "11,20 14,14"},
        {70, 101, 310, 440, 380, 400, 0, "12,17 13,17 14,18", "13,18"},
        {70, 101, 310, 445, 380, 410, 0, "13,17", "13,18"},
        {70, 101, 300, 400, 345, 490, 60, "10,16 13,18", "10,19 13,16"}};
    for (const auto& [sirka, vyska, sx, sy, nx, ny, pad, vezme, necha] : pripady) {
        LevelTest::vyprazdni(l);
        poloz(vezme, LevelTest::sip(l));
        poloz(necha, LevelTest::sip(l));
        h.sirka = sirka, h.vyska = vyska, h.pad = pad, h.pocetSipu = 0;
        postav(nx, ny);
        LevelTest::seberePredmety(l, sx, sy);
        EXPECT_EQ(lezi(vezme), std::vector<Bunka>{}) << vezme;
        EXPECT_EQ(lezi(necha), bunky(necha)) << vezme;
        EXPECT_EQ(h.pocetSipu, int(bunky(vezme).size())) << vezme;
    }
}

TEST_F(Pohyb, TheFramesSweepStartsWhereHeStood) {
    pevne(0, 199, 20, 20);
    postav(300, kNaPodlaze);
    h.stop = false, h.b = true, h.beh = 90;  // 100 pixels along the floor
    poloz("12,17 14,20 15,17 10,17", LevelTest::sip(l));
    l.kontrola();
    EXPECT_EQ(lezi("12,17 14,20 15,17 10,17"), bunky("15,17 10,17"));
    LevelTest::vyprazdni(l);  // falling from y 400 to 450: the feet pass rows 16 to 18
    h.stop = true, h.vzduch = true, h.pad = 85;
    postav(300, 400);
    poloz("11,16 12,18 11,19", LevelTest::sip(l));
    l.kontrola();
    EXPECT_EQ(lezi("11,16 12,18 11,19"), bunky("11,19"));
}

class Sipy : public Pohyb {
protected:
    void SetUp() override {
        Pohyb::SetUp();
        pevne(0, 199, 28, 28);  // he stands out of the way on the floor of row 28
        postav(300, 840 - 101 + 3);
    }
    // Arrows written "x y angle left own-step flown, ...".
    void vystrel(const std::string& s) {
        std::istringstream in(s);
        h.vSipy.assign(10, VystrelenySip{});
        h.pozSipy = 0;
        for (VystrelenySip a; in >> a.x >> a.y >> a.alfa >> a.vlevo >> a.rychlost >> a.vzdalenost;
             in.ignore())
            h.vSipy[h.pozSipy++] = a;
    }
    Radek sipy() const {  // x, y and distance of the live ones
        Radek v;
        for (int i = 0; i < h.pozSipy; ++i)
            v.insert(v.end(), {h.vSipy[i].x, h.vSipy[i].y, h.vSipy[i].vzdalenost});
        return v;
    }
};

TEST_F(Sipy, EachFrameAnArrowFliesFiftyPixelsAlongItsAnglePlusItsOwnStep) {
    // y 455: every box lies within one row, so no wall could stop them.
    vystrel(
        "1000 455 90 0 0 0, 1500 455 55 0 0 0, 2000 455 30 0 0 0, 2500 455 0 0 0 0, 3000 455 -25 0 0 0, 3500 "
        "455 90 0 20 0, 4000 455 55 1 10 0, 4500 455 -25 1 20 0, 5000 455 30 1 0 0");
    l.kontrola();
    EXPECT_EQ(sipy(), r(1000, 405, 50, 1528, 415, 50, 2043, 431, 50, 2550, 455, 50, 3045, 476, 50, 3520, 405,
                        50, 3962, 415, 50, 4435, 476, 50, 4957, 431, 50));
}

TEST_F(Sipy, AnArrowAgesFiftyAFrameStuckOrNotAndGoesAfterItsEleventhStep) {
    pevne(20, 20, 0, 27);   // wall, x 600..630, down to the floor
    pevne(33, 33, 10, 10);  // ceiling tile, y 300..330
    // Free; into the wall (stuck from the next frame); across two rows (stopped at
    // once, not even part way); up into the ceiling tile; over the wall leftwards.
    vystrel("1000 455 0 0 0 0, 560 455 0 0 0 0, 560 478 0 0 0 0, 1000 360 90 0 0 0, 635 455 0 1 0 0");
    for (int k = 1; k <= 10; ++k) {
        l.kontrola();
        EXPECT_EQ(sipy(), r(1000 + 50 * k, 455, 50 * k, 610, 455, 50 * k, 560, 478, 50 * k, 1000, 360, 50 * k,
                            635 - 50 * k, 455, 50 * k))
            << k;
    }
    l.kontrola();
    EXPECT_EQ(h.pozSipy, 0);
    // The last takes a spent one's slot and still flies this frame.
    vystrel("1000 455 0 0 0 0, 2000 455 0 0 0 500, 3000 455 0 0 0 300, 4000 455 90 0 0 100");
    l.kontrola();
    EXPECT_EQ(sipy(), r(1050, 455, 50, 4000, 405, 150, 3050, 455, 350));
    vystrel("1000 455 0 0 0 500, 2000 455 0 0 0 200, 3000 455 0 0 0 500");
    l.kontrola();
    EXPECT_EQ(sipy(), r(2050, 455, 250));
}

}  // namespace
