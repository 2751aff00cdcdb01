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

namespace fs = std::filesystem;

namespace {

// A colour the pictures are unlikely to use, so a missing blit shows.
constexpr Uint8 pozadiR = 13, pozadiG = 77, pozadiB = 141;

Obrazek prazdnaObrazovka() {
    Obrazek o(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0x00FF0000, 0x0000FF00, 0x000000FF, 0));
    if (o) SDL_FillRect(o.get(), nullptr, SDL_MapRGB(o->format, pozadiR, pozadiG, pozadiB));
    return o;
}

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

bool stejnyObsah(SDL_Surface* a, SDL_Surface* b) {
    if (a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel) return false;
    const int radek = a->w * a->format->BytesPerPixel;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<Uint8*>(b->pixels) + y * b->pitch, radek) != 0)
            return false;
    return true;
}

testing::AssertionResult stejneObrazovky(SDL_Surface* skutecna, SDL_Surface* ocekavana) {
    if (!ocekavana) return testing::AssertionFailure() << "expected screen could not be built";
    int rozdilu = 0, prvniX = -1, prvniY = -1;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const Uint32 a = static_cast<Uint32*>(skutecna->pixels)[y * skutecna->pitch / 4 + x];
            const Uint32 b = static_cast<Uint32*>(ocekavana->pixels)[y * ocekavana->pitch / 4 + x];
            if (a != b && rozdilu++ == 0) {
                prvniX = x;
                prvniY = y;
            }
        }
    if (rozdilu == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << rozdilu << " pixels differ, first at (" << prvniX << ", " << prvniY << ")";
}

class HudTest : public testing::Test {
protected:
    void SetUp() override {
        puvodni = fs::current_path();
        fs::current_path(GRONDELVIK_DATA);
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
    void TearDown() override { fs::current_path(puvodni); }

    fs::path puvodni;
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
    void SetUp() override {
        puvodni = fs::current_path();
        char vzor[] = "/tmp/grondelvik-hud-XXXXXX";
        ASSERT_NE(mkdtemp(vzor), nullptr);
        kopie = vzor;
        fs::copy(GRONDELVIK_DATA, kopie, fs::copy_options::recursive);
        fs::current_path(kopie);
    }
    void TearDown() override {
        fs::current_path(puvodni);
        if (!kopie.empty()) fs::remove_all(kopie);
    }

    // Builds a HUD with the given pictures hidden; the message, or "" if none.
    std::string zpravaBez(const std::vector<std::string>& soubory) {
        for (const auto& s : soubory) fs::rename("grafika/ostatni/" + s, "grafika/ostatni/" + s + ".pryc");
        std::string zprava;
        try {
            InfoOHraci hud;
        } catch (const char* e) {
            zprava = e;
        }
        for (const auto& s : soubory) fs::rename("grafika/ostatni/" + s + ".pryc", "grafika/ostatni/" + s);
        return zprava;
    }

    fs::path puvodni;
    fs::path kopie;
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
