// SPDX-License-Identifier: GPL-3.0-or-later
// The two display scales: the whole world converts in one call, positions
// truncate, pictures swap; a level change keeps the scale.
#include "pomocnik.h"

namespace {

// The picture holds exactly what the file holds.
bool zeSouboru(SDL_Surface* s, const std::string& soubor) {
    Obrazek o = nactiObrazek(soubor.c_str());
    return s && o && stejne(s, o.get());
}

class Meritko : public ::testing::Test {
protected:
    VDatech data;
    Hrac hrac;
    Level level{&hrac, 1};
    void SetUp() override { LevelTest::vyprazdni(level); }
};

TEST_F(Meritko, WholeWorldConvertsAndTruncates) {
    hrac.pozice = SDL_Rect{400, 100, 0, 0};
    hrac.obratnost = 20;  // shows in beh only when enlarging
    LevelTest::set(level).addNepritele(1, SDL_Rect{151, 59, 0, 0});
    LevelTest::bInfo(level).addZasah(SDL_Rect{100, 50, 0, 0});
    LevelTest::bInfo(level).addMinul(SDL_Rect{-100, -50, 0, 0});  // toward zero, not down

    // The change; then hunter x, y, skok, beh; enemy x, y; hit x, y; miss x, y; tile width, hunter width,
    // warrior height; and the suffix of the pictures in use.
    const std::tuple<void (Level::*)(), std::vector<int>, std::string> kroky[] = {
        {&Level::zmensi, {266, 66, 26, 9, 100, 40, 66, 33, -66, -33, 20, 44, 62}, "m"},
        {&Level::zmensi, {266, 66, 26, 9, 100, 40, 66, 33, -66, -33, 20, 44, 62}, "m"},
        {&Level::zvetsi, {399, 99, 35, 11, 150, 59, 99, 49, -99, -49, 30, 70, 93}, ""},
    };
    for (const auto& [prevod, cekam, m] : kroky) {
        (level.*prevod)();
        const Nepritel& n = *LevelTest::set(level).nepratele.front();
        const BojoveInfo& b = LevelTest::bInfo(level);
        EXPECT_EQ(
            (std::vector<int>{hrac.pozice.x, hrac.pozice.y, hrac.skok, hrac.beh, n.pozice.x, n.pozice.y,
                              b.zasahy().front().kde.x, b.zasahy().front().kde.y, b.minuti().front().kde.x,
                              b.minuti().front().kde.y, LevelTest::sP(level), hrac.sirka, n.typ->vyska}),
            cekam);
        EXPECT_TRUE(zeSouboru(LevelTest::pevna(level), "grafika/mise/cihly01b" + m + ".bmp"));
        EXPECT_TRUE(zeSouboru(LevelTest::pozadi(level, 2), "grafika/mise/zed03" + m + ".bmp"));
        EXPECT_TRUE(zeSouboru(hrac.nohy[7].get(), "grafika/lovec/n1l" + m + ".bmp"));
        for (auto [p, kmen] : {std::pair<Predmet*, std::string>{LevelTest::sip(level), "sip"},
                               {LevelTest::zivoty(level), "zivot"},
                               {LevelTest::toulec(level), "toulec"},
                               {LevelTest::novyLvl(level), "novyLvl"}})
            EXPECT_TRUE(zeSouboru(p->getObrazek(), "grafika/ostatni/" + kmen + m + ".bmp")) << kmen;
    }
}

TEST_F(Meritko, LevelChangeWhileSmallEndsSmallWithTheNewLevelsPictures) {
    level.zmensi();
    hrac.novyLvl = hrac.stop = true;
    level.vykresliSe(novaObrazovka().get());
    // Level 2 starts at (400, 400), converted once.
    EXPECT_EQ(r(LevelTest::typ(level), LevelTest::vetsi(level), LevelTest::sP(level), hrac.pozice.x,
                hrac.pozice.y, LevelTest::set(level).getTyp(2)->vyska, hrac.novyLvl),
              r(2, 0, 20, 266, 266, 61, 0));
    EXPECT_TRUE(zeSouboru(LevelTest::pevna(level), "grafika/mise/zemm.bmp"));
    EXPECT_TRUE(zeSouboru(LevelTest::pozadi(level, 4), "grafika/mise/venku05m.bmp"));
}

}  // namespace
