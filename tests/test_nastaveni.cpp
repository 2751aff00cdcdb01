// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file: what a player's hand-written or damaged file gives, and
// that writing it never leaves a half-written file behind.
#include <sys/resource.h>

#include <csignal>
#include <optional>

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

TEST_F(SouborNastaveni, TheLanguageIsTheFilesElseTheFirstLocaleVariableSet) {
    const char* const promenne[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> puvodni;
    for (const char* p : promenne)
        puvodni.push_back(std::getenv(p) ? std::optional(std::getenv(p)) : std::nullopt);
    // LC_ALL, LC_MESSAGES and LANG (null: unset), the settings file, the language, damaged lines.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, const char*, Jazyk, int> pripady[] = {
        {"cs_CZ.UTF-8", nullptr, "en_US.UTF-8", "", Jazyk::cs, 0},
        {nullptr, "en_US", "cs", "", Jazyk::en, 0},
        {nullptr, nullptr, "cs", "", Jazyk::cs, 0},
        {"", "", "cs_CZ@euro", "", Jazyk::cs, 0},  // empty is as unset
        {"POSIX", "cs_CZ.UTF-8", "cs_CZ.UTF-8", "", Jazyk::en, 0},
        {nullptr, "C", "cs_CZ.UTF-8", "", Jazyk::en, 0},
        {nullptr, nullptr, "C.UTF-8", "", Jazyk::en, 0},
        {nullptr, nullptr, nullptr, "", Jazyk::en, 0},
        {nullptr, nullptr, "csb_PL.UTF-8", "", Jazyk::en, 0},  // Kashubian
        {"cs_CZ.UTF-8", nullptr, "cs_CZ.UTF-8", "jazyk=en\n", Jazyk::en, 0},
        {nullptr, nullptr, "en_GB.UTF-8", " jazyk = cs \n", Jazyk::cs, 0},
        {nullptr, nullptr, "cs_CZ.UTF-8", "jazyk=de\n", Jazyk::cs, 1},
        {"en_US.UTF-8", nullptr, nullptr, "jazyk=\njazyk=CS\n", Jazyk::en, 2},
    };
    // clang-format on
    for (const auto& [lcAll, lcMessages, lang, text, cekam, spatne] : pripady) {
        const char* const hodnoty[] = {lcAll, lcMessages, lang};
        for (int i = 0; i < 3; ++i) hodnoty[i] ? setenv(promenne[i], hodnoty[i], 1) : unsetenv(promenne[i]);
        kopie.zapis("nastaveni.txt", text);
        testing::internal::CaptureStderr();
        const Nastaveni n = Nastaveni::nacti();
        const std::string chyby = testing::internal::GetCapturedStderr();
        EXPECT_EQ(n.jazykHry(), cekam) << text << (lcAll ? lcAll : "-") << (lang ? lang : "-");
        EXPECT_EQ(std::count(chyby.begin(), chyby.end(), '\n'), spatne != 0) << chyby;
        if (spatne) {
            EXPECT_EQ(chyby.find("nastaveni.txt: " + std::to_string(spatne) + " damaged line"), 0u);
        }
        // Written back as it was read: a choice kept, none left to the locale.
        ASSERT_TRUE(n.uloz());
        EXPECT_EQ(Nastaveni::nacti().jazyk, n.jazyk) << text;
    }
    for (int i = 0; i < 3; ++i)
        puvodni[i] ? setenv(promenne[i], puvodni[i]->c_str(), 1) : unsetenv(promenne[i]);
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
    n.jazyk = Jazyk::en;
    ASSERT_TRUE(n.uloz());
    EXPECT_EQ(Nastaveni::nacti(), n);
    const std::string stary = obsah("nastaveni.txt");
    EXPECT_NE(stary.find("\nokno=1.5\n"), std::string::npos) << stary;
    EXPECT_EQ(docasnych(".", "nastaveni.txt"), 0);

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
    EXPECT_EQ(docasnych(".", "nastaveni.txt"), 0);
    EXPECT_EQ(std::count(chyby.begin(), chyby.end(), '\n'), 1) << chyby;

    // No folder to write into: the same.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(n.uloz("nic/nastaveni.txt"));
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
}

}  // namespace
