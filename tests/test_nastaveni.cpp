// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: what a player's hand-written or damaged file gives, and
// that writing it never leaves a half-written file behind.
#include <sys/resource.h>

#include <csignal>

#include "Nastaveni.h"
#include "pomocnik.h"

namespace {

class SouborNastaveni : public ::testing::Test {
protected:
    KopieDat kopie;
    VDatech data{kopie.cesta()};
    static std::string obsah(const char* cesta) {
        std::stringstream s;
        s << std::ifstream(cesta, std::ios::binary).rdbuf();
        return s.str();
    }
    // sound, window factor in halves, fullscreen, jump and pause buttons
    static Radek hodnoty(const Nastaveni& n) {
        return r(n.zvuk, n.polovinyOkna, n.celaObrazovka, n.padSkok, n.padPauza);
    }
};

TEST_F(SouborNastaveni, AFileGivesItsGoodValuesAndDefaultsForTheRest) {
    const Radek vychozi = r(1, 2, 0, 0, 7);
    // The file's text, the values read, how many damaged lines stderr names (0: says nothing).
    // clang-format off
    const std::tuple<std::string, Radek, int> pripady[] = {
        {"", vychozi, 0},
        {"zvuk=0\nokno=3\ncela_obrazovka=1\npad_skok=4\npad_pauza=9\n", r(0, 6, 1, 4, 9), 0},
        {"okno=1.5\n", r(1, 3, 0, 0, 7), 0}, {"okno=2.5\n", r(1, 5, 0, 0, 7), 0},
        {"okno=3.5\nokno=0.5\nokno=1.50\nokno=.5\nokno=2.0\nokno=-1.5\n", vychozi, 6},
        {"# a comment\n\n  zvuk = 0 \r\nokno=2", r(0, 4, 0, 0, 7), 0},
        {"zvuk=2\nokno=0\nokno=4\npad_skok=256\npad_pauza=-1\n", vychozi, 5},
        {"zvuk=0\nokno=2x\nokno=\nhlasitost=5\nzvuk\n=1\n", r(0, 2, 0, 0, 7), 5},
        {"okno=99999999999999999999\ncela_obrazovka=1\n", r(1, 2, 1, 0, 7), 1},
        {std::string("zvuk=0\n\0\xff\xfe\n", 10), r(0, 2, 0, 0, 7), 1},
    };
    // clang-format on
    for (const auto& [text, cekam, spatne] : pripady) {
        kopie.zapis("nastaveni.txt", text);
        testing::internal::CaptureStderr();
        const Nastaveni n = Nastaveni::nacti();
        const std::string chyby = testing::internal::GetCapturedStderr();
        EXPECT_EQ(hodnoty(n), cekam) << text;
        if (spatne)
            EXPECT_EQ(chyby.find("nastaveni.txt: " + std::to_string(spatne) + " damaged line"), 0u) << chyby;
        else
            EXPECT_EQ(chyby, "") << text;
    }
    kopie.smaz("nastaveni.txt");
    testing::internal::CaptureStderr();
    EXPECT_EQ(hodnoty(Nastaveni::nacti()), vychozi);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "a missing file is no damage";
}

TEST_F(SouborNastaveni, AHugeFileIsReadOnlyAsFarAsTheBound) {
    kopie.zapis("nastaveni.txt", "zvuk=0\n" + std::string(1 << 20, '#') + "\nokno=3\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(hodnoty(Nastaveni::nacti()), r(0, 2, 0, 0, 7));
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

TEST_F(SouborNastaveni, WhatIsWrittenReadsBackAndAFailedWriteLeavesTheOldFile) {
    Nastaveni n;
    n.zvuk = false, n.polovinyOkna = 3, n.celaObrazovka = true, n.padUtok = 11, n.padOvladani = 0;
    ASSERT_TRUE(n.uloz());
    EXPECT_EQ(Nastaveni::nacti(), n);
    const std::string stary = obsah("nastaveni.txt");
    EXPECT_NE(stary.find("\nokno=1.5\n"), std::string::npos) << stary;
    EXPECT_FALSE(fs::exists("nastaveni.txt.tmp"));

    // A file-size limit cuts the write short after 200 bytes: write()
    // reports it, where a buffered stream would only fail at its flush.
    rlimit puvodni{};
    getrlimit(RLIMIT_FSIZE, &puvodni);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit mez = puvodni;
    mez.rlim_cur = 200;  // the file is longer; the captured stderr needs room
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &mez), 0);
    n.zvuk = true;
    testing::internal::CaptureStderr();
    const bool ok = n.uloz();
    const std::string chyby = testing::internal::GetCapturedStderr();
    setrlimit(RLIMIT_FSIZE, &puvodni);
    std::signal(SIGXFSZ, signal);

    EXPECT_FALSE(ok);
    EXPECT_EQ(obsah("nastaveni.txt"), stary);
    EXPECT_FALSE(fs::exists("nastaveni.txt.tmp"));
    EXPECT_EQ(std::count(chyby.begin(), chyby.end(), '\n'), 1) << chyby;

    // No folder to write into: the same.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(n.uloz("nic/nastaveni.txt"));
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
