// The two collision queries against the solid grid, on an emptied level 1
// (200 x 30 tiles of 30 x 30 pixels, closed all round).
#include <gtest/gtest.h>

#include "Hrac.h"
#include "pomocnik.h"

namespace {

class LevelKolize : public ::testing::Test {
protected:
    void SetUp() override {
        LevelTest::vyprazdni(l);
        ASSERT_EQ(LevelTest::sP(l), 30);
        ASSERT_EQ(LevelTest::vP(l), 30);
        ASSERT_EQ(LevelTest::sLvl(l), 200);
        ASSERT_EQ(LevelTest::vLvl(l), 30);
    }
    void pevna(int x, int y) { ASSERT_TRUE(LevelTest::setPevna(l, x, y)); }
    // An otherwise empty level with one solid tile.
    void jenPevna(int x, int y) {
        LevelTest::vyprazdni(l);
        pevna(x, y);
    }

    VDatech d;
    Hrac h;
    Level l{&h, 1};
};

TEST_F(LevelKolize, OkrajUrovneJeZdiPodlahouIStropem) {
    // Right wall: column 200 starts at x = 6000.
    EXPECT_EQ(l.volnoX(5900, 6100, 300, 40, 40, 0), 5960);
    // Left wall, the hunter's box comes back to x = -tolerance.
    EXPECT_EQ(l.volnoX(100, -100, 300, 20, 40, 0), 0);
    EXPECT_EQ(l.volnoX(100, -100, 300, 70, 101, 17), -17);
    // Division truncates toward zero: the edge must reach -30 to test column -1.
    EXPECT_EQ(l.volnoX(0, -29, 300, 20, 40, 0), -29);
    EXPECT_EQ(l.volnoX(0, -30, 300, 20, 40, 0), 0);
    EXPECT_EQ(l.volnoX(0, -46, 300, 70, 101, 17), -46);  // trimmed edge at -29
    EXPECT_EQ(l.volnoX(0, -47, 300, 70, 101, 17), -17);  // trimmed edge at -30
    // Ground below row 29 (y 900), resting 3 pixels in.
    EXPECT_EQ(l.volnoY(800, 300, 1000, 20, 40, 0), 863);
    // Sky above row 0.
    EXPECT_EQ(l.volnoY(50, 300, -100, 20, 40, 0), 0);
    EXPECT_EQ(l.volnoY(0, 300, -29, 20, 40, 0), -29);
    EXPECT_EQ(l.volnoY(0, 300, -30, 20, 40, 0), 0);
}

TEST_F(LevelKolize, DlouhyPohybNepreskociJednuDlazdici) {
    pevna(10, 10);  // wall, x 300..330, y 300..330
    EXPECT_EQ(l.volnoX(0, 1000, 300, 20, 40, 0), 280);
    EXPECT_EQ(l.volnoX(1000, 0, 300, 20, 40, 0), 330);
    // The same box one row lower misses it.
    EXPECT_EQ(l.volnoX(0, 1000, 330, 20, 40, 0), 1000);

    jenPevna(10, 20);  // floor, y 600..630
    EXPECT_EQ(l.volnoY(0, 300, 850, 20, 40, 0), 563);
    EXPECT_EQ(l.volnoY(0, 330, 850, 20, 40, 0), 850);  // next column is free

    jenPevna(10, 5);  // ceiling, y 150..180
    EXPECT_EQ(l.volnoY(800, 300, 0, 20, 40, 0), 180);
}

TEST_F(LevelKolize, ToleranceVodorovneZkracujeVedouciHranu) {
    pevna(5, 10);  // x 150..180
    // Moving right, the right edge may sink `tolerance` pixels into the wall.
    EXPECT_EQ(l.volnoX(100, 125, 300, 30, 40, 10), 125);
    EXPECT_EQ(l.volnoX(100, 131, 300, 30, 40, 10), 130);
    EXPECT_EQ(l.volnoX(100, 125, 300, 30, 40, 0), 120);
    // Moving left, the left edge does.
    EXPECT_EQ(l.volnoX(250, 170, 300, 30, 40, 10), 170);
    EXPECT_EQ(l.volnoX(250, 160, 300, 30, 40, 10), 170);
    EXPECT_EQ(l.volnoX(250, 160, 300, 30, 40, 0), 180);
    // Moving right only the right edge is looked at: a box overlapping the
    // wall with its left side walks on.
    EXPECT_EQ(l.volnoX(165, 166, 300, 30, 40, 10), 166);
}

TEST_F(LevelKolize, ToleranceSvisleZkracujeJenLevouStranu) {
    // The hunter's box: columns from (x + 17) / 30 up to, without, (x + 70) / 30.
    jenPevna(11, 20);
    EXPECT_EQ(l.volnoY(400, 300, 560, 70, 101, 17), 502);
    jenPevna(12, 20);  // holds the right edge at x = 370: not tested
    EXPECT_EQ(l.volnoY(400, 300, 560, 70, 101, 17), 560);
    jenPevna(9, 20);
    EXPECT_EQ(l.volnoY(400, 287, 560, 70, 101, 17), 560);  // left edge trimmed out of column 9
    EXPECT_EQ(l.volnoY(400, 282, 560, 70, 101, 17), 502);
    EXPECT_EQ(l.volnoY(400, 287, 560, 70, 101, 0), 502);
}

TEST_F(LevelKolize, SvisleJedenSloupecKdyzSeBoxVejde) {
    pevna(10, 20);
    // Both edges in column 10: that single column is tested.
    EXPECT_EQ(l.volnoY(400, 300, 600, 20, 40, 0), 563);
    // Edges in columns 9 and 10: only column 9 is tested.
    EXPECT_EQ(l.volnoY(400, 295, 600, 20, 40, 0), 600);
    pevna(11, 20);
    // Edges in columns 10 and 11: column 10 is tested, 11 not.
    EXPECT_EQ(l.volnoY(400, 310, 600, 20, 40, 0), 563);
    jenPevna(11, 20);
    EXPECT_EQ(l.volnoY(400, 310, 600, 20, 40, 0), 600);
}

TEST_F(LevelKolize, DotazNaMisteTakeTestuje) {
    pevna(5, 10);
    // A box whose trimmed left edge is inside a wall is pushed out to its right.
    EXPECT_EQ(l.volnoX(165, 165, 300, 30, 40, 10), 170);
    EXPECT_EQ(l.volnoX(175, 175, 300, 30, 40, 10), 175);
    // A box deep in a floor row is snapped up to 3 pixels inside it.
    jenPevna(10, 20);
    EXPECT_EQ(l.volnoY(575, 300, 575, 20, 40, 0), 563);
    EXPECT_EQ(l.volnoY(563, 300, 563, 20, 40, 0), 563);
    // Bottom exactly on the floor's top: pulled 3 pixels in.
    EXPECT_EQ(l.volnoY(560, 300, 560, 20, 40, 0), 563);
}

TEST_F(LevelKolize, SipovaKrabiceProchaziZdiVodorovne) {
    for (int r = 0; r < 30; ++r) pevna(10, r);  // x 300..330, full height
    // Top and bottom of the 3-pixel box in one row: no row is tested.
    EXPECT_EQ(l.volnoX(200, 400, 300, 10, 3, 0), 400);
    EXPECT_EQ(l.volnoX(200, 400, 455, 10, 3, 0), 400);
    EXPECT_EQ(l.volnoX(400, 200, 455, 10, 3, 0), 200);
    // Straddling two rows, the upper one is tested and stops it.
    EXPECT_EQ(l.volnoX(200, 400, 298, 10, 3, 0), 290);
    // Only the vertical query notices the wall it sits in.
    EXPECT_EQ(l.volnoY(455, 300, 455, 10, 3, 0), 450);
}

TEST_F(LevelKolize, NaPodlahuOSedmPixeluNizeDolu) {
    for (int c = 0; c < 200; ++c) pevna(c, 20);  // y 600..630
    // 7 pixels to touch, 3 more into the floor row.
    EXPECT_EQ(l.volnoY(553, 300, 573, 20, 40, 0), 563);
    EXPECT_EQ(l.volnoY(492, 300, 512, 70, 101, 17), 502);
    // From the rest the next downward probe finds the floor at once...
    EXPECT_EQ(l.volnoY(502, 300, 507, 70, 101, 17), 502);
    // ...while walking ignores the floor row the feet stand in.
    EXPECT_EQ(l.volnoX(300, 400, 502, 70, 101, 17), 400);
    EXPECT_EQ(l.volnoX(400, 300, 502, 70, 101, 17), 300);
    // A one-tile step above the floor stops the walk.
    pevna(15, 19);
    EXPECT_EQ(l.volnoX(300, 400, 502, 70, 101, 17), 397);
}

TEST_F(LevelKolize, NahoruDoStropu) {
    pevna(10, 5);  // y 150..180
    EXPECT_EQ(l.volnoY(200, 300, 175, 20, 40, 0), 180);
    // The target is probed even when the move is shorter than a tile.
    EXPECT_EQ(l.volnoY(190, 300, 179, 20, 40, 0), 180);
    EXPECT_EQ(l.volnoY(180, 300, 170, 20, 40, 0), 180);
    EXPECT_EQ(l.volnoY(200, 300, 181, 20, 40, 0), 181);
    EXPECT_EQ(l.volnoY(200, 330, 100, 20, 40, 0), 100);  // beside it
}

}  // namespace
