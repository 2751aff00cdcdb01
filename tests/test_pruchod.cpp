// SPDX-License-Identifier: GPL-3.0-or-later
// Every level is won in a fight: an automatic player, using only the hunter's key events, plays the first
// round of levels through the real frame, enemies active and the clock pinned. It follows a route to the exit
// found by a search over the hunter's own movement (enemies left out); when an enemy at his height comes near
// he stands and fights: arrows from afar, sword close.

#include "automat.h"
#include "pomocnik.h"

namespace {

using namespace automat;

class Vitezstvi : public ::testing::TestWithParam<int> {};

TEST_P(Vitezstvi, TheFirstRoundIsWonInAFight) {
    const int hodinky = GetParam();
    std::srand(hodinky);  // whatever ran before in this process
    VDatech data;
    Hrac h;
    Level hra(&h, 1);
    // The whole frame runs; its pictures are clipped to one pixel for speed.
    Plocha obr(SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    int celkem = 0, ztraty = 0;  // frames, and health lost to blows
    for (int typ = 1; typ <= 3; ++typ) {
        ASSERT_EQ(std::make_pair(LevelTest::typ(hra), LevelTest::obtiznost(hra)), std::make_pair(typ, typ));
        std::vector<std::pair<Stav, int>> cesta;
        size_t i = 0;
        int snimku = 0, trpelivost = 0;
        const int score = h.score, ztratyPred = ztraty;
        while (LevelTest::typ(hra) == typ) {
            ASSERT_LT(snimku++, 5000) << "level " << typ << " takes too long";
            hodiny::zastav(hodinky + celkem++ / 10);  // ten frames a second, as the game runs
            if (Nepritel* n = h.vzduch ? nullptr : cil(hra, h, trpelivost)) {
                bojuj(h, *n);
                ++trpelivost;
            } else {
                if (i >= cesta.size() || cesta[i].first != precti(h)) {
                    cesta = najdiCestu(typ, precti(h), h.beh), i = 0;  // after a fight that moved him
                    ASSERT_FALSE(cesta.empty()) << "no way to the exit of level " << typ;
                }
                ovladej(h, kVstupy[cesta[i++].second]);
                trpelivost = 0;
            }
            const int zivoty = h.zivoty;
            hra.vykresliSe(obr.get());
            ztraty += std::max(0, zivoty - h.zivoty);
            ASSERT_GT(h.zivoty, 0) << "killed on level " << typ << " after " << snimku << " frames";
        }
        const int zabito = (h.score - score) / (100 * typ);
        std::printf("clock %d level %d: health %d of %d, %d lost, %d frames, %d killed, %d arrows left\n",
                    hodinky, typ, h.zivoty, h.maxZivotu, ztraty - ztratyPred, snimku, zabito, h.pocetSipu);
        EXPECT_GT(zabito, 0) << "level " << typ << " was only walked";
    }
    EXPECT_GT(ztraty, 0) << "nobody struck back";
    hodiny::pust();
}

INSTANTIATE_TEST_SUITE_P(PinnedClocks, Vitezstvi,
                         ::testing::Values(1, 1'000, 86'400, 1'234'567, 1'700'000'000));

}  // namespace
