// The HUD: where the digits, slash and icons land, and which missing picture
// is reported first.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "IO.h"
#include "InfoOHraci.h"
#include "pomocnik.h"

namespace {

Obrazek nactiSKlicem(const std::string& cesta) {
    Obrazek o = nactiObrazek(cesta.c_str());
    if (o) nastavBilyKlic(o.get());
    return o;
}

struct Kresba {
    std::string soubor;  // under grafika/ostatni/
    int x;
    int y;
};

// The screen as it must look: the given HUD pictures blitted in this order.
Obrazek ocekavanaObrazovka(const std::vector<Kresba>& kresby) {
    Obrazek obr = prazdnaObrazovka();
    for (const Kresba& k : kresby) {
        Obrazek p = nactiSKlicem("grafika/ostatni/" + k.soubor);
        if (!p) return nullptr;
        vykresliObrazek(p.get(), obr.get(), k.x, k.y);
    }
    return obr;
}

class HudTest : public testing::Test {
protected:
    void SetUp() override {
        // The checks below only mean something if every digit looks different.
        std::vector<Obrazek> cislice;
        for (int i = 0; i < 10; ++i) {
            cislice.push_back(nactiObrazek(("grafika/ostatni/" + std::to_string(i) + ".bmp").c_str()));
            ASSERT_TRUE(cislice.back()) << "digit " << i << " missing";
        }
        for (int i = 0; i < 10; ++i)
            for (int j = i + 1; j < 10; ++j)
                ASSERT_FALSE(stejnyObsah(cislice[i].get(), cislice[j].get()))
                    << "digits " << i << " and " << j;
    }
    VDatech data;
};

TEST_F(HudTest, ScoreRightAlignedAgainstIcon) {
    InfoOHraci hud;
    struct Pripad {
        int score;
        std::vector<Kresba> kresby;
    };
    const std::vector<Pripad> pripady = {
        {0, {{"score.bmp", 750, 0}, {"0.bmp", 707, 0}}},
        {1234,
         {{"score.bmp", 750, 0}, {"4.bmp", 707, 0}, {"3.bmp", 664, 0}, {"2.bmp", 621, 0}, {"1.bmp", 578, 0}}},
        // Inner and trailing zeros are digits too, not the end of the number.
        {1000,
         {{"score.bmp", 750, 0}, {"0.bmp", 707, 0}, {"0.bmp", 664, 0}, {"0.bmp", 621, 0}, {"1.bmp", 578, 0}}},
        {-30, {{"score.bmp", 750, 0}, {"0.bmp", 707, 0}}},
        {1234567890,
         {{"score.bmp", 750, 0},
          {"0.bmp", 707, 0},
          {"9.bmp", 664, 0},
          {"8.bmp", 621, 0},
          {"7.bmp", 578, 0},
          {"6.bmp", 535, 0},
          {"5.bmp", 492, 0},
          {"4.bmp", 449, 0},
          {"3.bmp", 406, 0},
          {"2.bmp", 363, 0},
          {"1.bmp", 320, 0}}},
    };
    // One object for all cases: a position left over from a previous call
    // would shift the next number.
    for (const Pripad& p : pripady) {
        Obrazek obr = prazdnaObrazovka();
        hud.vypisScore(obr.get(), p.score);
        EXPECT_TRUE(stejneObrazovky(obr.get(), ocekavanaObrazovka(p.kresby).get())) << "score " << p.score;
    }
}

TEST_F(HudTest, HealthShowsCurrentSlashMaximum) {
    InfoOHraci hud;
    struct Pripad {
        int zivoty;
        int max;
        std::vector<Kresba> kresby;
    };
    const std::vector<Pripad> pripady = {
        {200,
         200,
         {{"zivotI.bmp", 750, 50},
          {"0.bmp", 707, 50},
          {"0.bmp", 664, 50},
          {"2.bmp", 621, 50},
          {"lomitko.bmp", 594, 50},
          {"0.bmp", 551, 50},
          {"0.bmp", 508, 50},
          {"2.bmp", 465, 50}}},
        {35,
         200,
         {{"zivotI.bmp", 750, 50},
          {"0.bmp", 707, 50},
          {"0.bmp", 664, 50},
          {"2.bmp", 621, 50},
          {"lomitko.bmp", 594, 50},
          {"5.bmp", 551, 50},
          {"3.bmp", 508, 50}}},
        // The frame in which the hunter dies is still drawn.
        {-7,
         200,
         {{"zivotI.bmp", 750, 50},
          {"0.bmp", 707, 50},
          {"0.bmp", 664, 50},
          {"2.bmp", 621, 50},
          {"lomitko.bmp", 594, 50},
          {"0.bmp", 551, 50}}},
        // A shorter maximum moves the slash with it.
        {9,
         45,
         {{"zivotI.bmp", 750, 50},
          {"5.bmp", 707, 50},
          {"4.bmp", 664, 50},
          {"lomitko.bmp", 637, 50},
          {"9.bmp", 594, 50}}},
    };
    for (const Pripad& p : pripady) {
        Obrazek obr = prazdnaObrazovka();
        hud.vypisZdravi(obr.get(), p.zivoty, p.max);
        EXPECT_TRUE(stejneObrazovky(obr.get(), ocekavanaObrazovka(p.kresby).get()))
            << "health " << p.zivoty << "/" << p.max;
    }
}

TEST_F(HudTest, ArrowsLine) {
    InfoOHraci hud;
    struct Pripad {
        int sipy;
        std::vector<Kresba> kresby;
    };
    const std::vector<Pripad> pripady = {
        {12, {{"toulecI.bmp", 750, 100}, {"2.bmp", 707, 100}, {"1.bmp", 664, 100}}},
        {0, {{"toulecI.bmp", 750, 100}, {"0.bmp", 707, 100}}},
        {7, {{"toulecI.bmp", 750, 100}, {"7.bmp", 707, 100}}},
        {306, {{"toulecI.bmp", 750, 100}, {"6.bmp", 707, 100}, {"0.bmp", 664, 100}, {"3.bmp", 621, 100}}},
    };
    for (const Pripad& p : pripady) {
        Obrazek obr = prazdnaObrazovka();
        hud.vypisSipy(obr.get(), p.sipy);
        EXPECT_TRUE(stejneObrazovky(obr.get(), ocekavanaObrazovka(p.kresby).get())) << "arrows " << p.sipy;
    }
}

// Works in a private copy of the data folder, so pictures can be hidden.
class HudChybejiciObrazky : public testing::Test {
protected:
    KopieDat kopie;
    VDatech data{kopie.cesta()};

    // Builds a HUD with the given pictures hidden; the message, or "" if none.
    static std::string zpravaBez(const std::vector<std::string>& soubory) {
        std::vector<std::string> cesty;
        for (const auto& s : soubory) cesty.push_back("grafika/ostatni/" + s);
        return zpravaBezSouboru(cesty, [] { InfoOHraci hud; });
    }
};

TEST_F(HudChybejiciObrazky, MessagesInLoadingOrder) {
    EXPECT_EQ(zpravaBez({}), "");
    // The slash is checked before the digits although the digits load first.
    EXPECT_EQ(zpravaBez({"3.bmp", "lomitko.bmp", "zivotI.bmp"}),
              "nelze nalezt obrazek grafika/ostatni/lomitko.bmp");
    EXPECT_EQ(zpravaBez({"0.bmp", "zivotI.bmp", "toulecI.bmp"}),
              "nelze nalezt obrazek grafika/ostatni/zivotI.bmp");
    EXPECT_EQ(zpravaBez({"9.bmp", "toulecI.bmp", "score.bmp"}),
              "nelze nalezt obrazek grafika/ostatni/toulecI.bmp");
    EXPECT_EQ(zpravaBez({"5.bmp", "score.bmp"}), "nelze nalezt obrazek grafika/ostatni/score.bmp");
    EXPECT_EQ(zpravaBez({"0.bmp"}), "nelze nalezt obrazek cisla");
    EXPECT_EQ(zpravaBez({"9.bmp"}), "nelze nalezt obrazek cisla");
    // The item pictures are not the icons.
    EXPECT_EQ(zpravaBez({"zivot.bmp", "toulec.bmp"}), "");
}

}  // namespace
