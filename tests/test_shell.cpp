// SPDX-License-Identifier: GPL-3.0-or-later
// The shell: the global keys, what a frame shows while running, paused or
// dead, and how the real program ends when it cannot start or run on.
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <tuple>

#include "Grondelvik.h"
#include "pomocnik.h"

namespace {

// A real window (dummy driver) with the whole game in it.
class Shell : public ::testing::Test {
protected:
    KopieDat kopie;  // a save lands in it
    VDatech data{kopie.cesta()};
    Hra hra;
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        hra.screen = SDL_SetVideoMode(800, 600, 0, SDL_ANYFORMAT);
        ASSERT_TRUE(hra.screen);
        hra.pauza = hra.smrt = hra.uloz = hra.nacti = hra.konec = true;
        hra.velka = false;
        ASSERT_TRUE(pripravHru(hra));
    }
    void TearDown() override {
        hra = Hra{};
        SDL_Quit();
    }
    void snimekS(const std::string& kroky) {  // one frame with these events
        for (SDL_Event e : udalosti(kroky)) SDL_PushEvent(&e);
        snimek(hra, 0);
    }
};

TEST_F(Shell, StartsOnLevelOneAndAFramesKeysSetTheFlagsReachingTheHunterOnlyWhileRunning) {
    EXPECT_EQ(r(hra.konec, hra.pauza, hra.smrt, hra.uloz, hra.nacti, hra.velka), r(0, 0, 0, 0, 0, 1));
    EXPECT_EQ(r(LevelTest::typ(*hra.level), hra.hrac->pozice.x, hra.hrac->pozice.y), r(1, 400, 750));
    // A frame's events (a leading "|": while paused), then the flags set after it:
    // K konec, P pauza, V velka, U uloz, N nacti, L the hunter faces left.
    // clang-format off
    const std::pair<std::string, std::string> pripady[] = {
        {"Esc", "KV"}, {"Quit", "KV"}, {"P", "PV"}, {"P P", "V"}, {"S", "VU"}, {"F9", "VN"}, {"Minus", ""},
        {"Minus Plus", "V"}, {"Plus Minus", ""}, {"^Esc ^P ^S", "V"}, {"Left P", "PVL"}, {"P Left", "PV"},
        {"| Left Esc", "KPV"}, {"| P Left Esc S", "KVUL"}};  // drained after Esc
    // clang-format on
    for (const auto& [kroky, cekam] : pripady) {
        hra.pauza = kroky[0] == '|', hra.velka = true, hra.uloz = hra.nacti = hra.hrac->vlevo = false;
        for (SDL_Event e : udalosti(kroky.substr(kroky[0] == '|'))) ASSERT_EQ(SDL_PushEvent(&e), 0);
        const bool konec =
            k(hra.event, hra.hrac.get(), hra.pauza, hra.velka, hra.uloz, hra.nacti, hra.nastaveni.zvuk);
        const std::string flagy = std::string(konec ? "K" : "") + (hra.pauza ? "P" : "") +
                                  (hra.velka ? "V" : "") + (hra.uloz ? "U" : "") + (hra.nacti ? "N" : "") +
                                  (hra.hrac->vlevo ? "L" : "");
        SDL_Event zbytek;
        EXPECT_EQ(flagy, cekam) << kroky;
        EXPECT_EQ(SDL_PollEvent(&zbytek), 0) << kroky;
    }
}

TEST_F(Shell, AFramePlaysTheWorldOrFreezesItUnderThePauseOrTheEndPicture) {
    // Paused, dead, health; the picture drawn over the last frame (none: the world
    // runs, and no health left ends the game after this frame); dead after.
    // clang-format off
    const std::tuple<bool, bool, int, const char*, bool> pripady[] = {{0, 0, 1, "", 0}, {0, 0, 0, "", 1},
        {0, 0, -5, "", 1}, {1, 0, 200, "pauza 200 200", 0}, {0, 1, 200, "konec 150 250", 1},
        {1, 1, 200, "konec 150 250", 1}};
    // clang-format on
    for (const auto& [pauza, smrt, zivoty, prekryv, potom] : pripady) {
        hra.pauza = hra.smrt = false;
        snimek(hra, 0);
        hra.pauza = pauza, hra.smrt = smrt, hra.hrac->zivoty = zivoty;
        const Radek pred = r(hra.hrac->pozice.x, hra.hrac->pozice.y, hra.hrac->aNohy);
        Plocha cekam(SDL_ConvertSurface(hra.screen, hra.screen->format, SDL_SWSURFACE));
        nakresli(cekam.get(), kresby("ostatni/", prekryv));
        snimek(hra, 0);
        EXPECT_EQ(r(hra.hrac->pozice.x, hra.smrt), r(pred[0] + (*prekryv ? 0 : 10), potom))
            << prekryv << zivoty;
        if (!*prekryv) continue;  // he walked: the world ran
        EXPECT_TRUE(stejne(hra.screen, cekam.get())) << prekryv;
        EXPECT_EQ(r(hra.hrac->pozice.y, hra.hrac->aNohy), r(pred[1], pred[2]));
    }
}

TEST_F(Shell, AFrameRunsTheWorldThenSavesThenLoadsThenAppliesTheScale) {
    hra.hrac->stop = true;
    for (auto [kroky, x] : {std::pair("Minus", 266), std::pair("Minus", 266), std::pair("Plus", 399)}) {
        snimekS(kroky);
        EXPECT_EQ(r(hra.hrac->pozice.x, LevelTest::vetsi(*hra.level)), r(x, x == 399)) << kroky;
    }
    // Without a save, a load still clears death.
    fs::remove("savy/grondelvik.sav");
    hra.smrt = true;
    testing::internal::CaptureStderr();
    snimekS("F9");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(r(hra.smrt, fs::exists("savy/grondelvik.sav")), r(0, 0));
    // S and F9 in one frame: the world's step is saved, and the load reads what was just written.
    hra.hrac->score = 1;
    snimekS("S");
    hra.hrac->score = 4321, hra.hrac->stop = false;
    snimekS("S F9");
    EXPECT_EQ(r(hra.hrac->score, hra.hrac->pozice.x, hra.uloz, hra.nacti), r(4321, 409, 0, 0));
    // A load while small: the saved large x is shown small again within the frame.
    hra.hrac->stop = true;
    snimekS("Minus");
    snimekS("F9");
    EXPECT_EQ(r(hra.hrac->pozice.x, LevelTest::vetsi(*hra.level)), r(409 * 2 / 3, 0));
}

TEST_F(Shell, DeathShowsTheWorldOfItsFrameAndTheEndPictureFromTheNext) {
    hra.hrac->zivoty = 0;
    snimek(hra, 0);
    Plocha konec(SDL_ConvertSurface(hra.screen, hra.screen->format, SDL_SWSURFACE));
    nakresli(konec.get(), kresby("ostatni/", "konec 150 250"));
    EXPECT_FALSE(stejne(hra.screen, konec.get()));
    snimek(hra, 0);
    EXPECT_TRUE(stejne(hra.screen, konec.get()));
}

TEST_F(Shell, ThePauseAndTheEndPicturesAreThoseOfTheGamesLanguage) {
    for (const auto& [jazyk, slozka] :
         {std::pair(Jazyk::cs, "ostatni/"), std::pair(Jazyk::en, "ostatni/en/")}) {
        hra.jazyk = jazyk;
        ASSERT_TRUE(pripravHru(hra));
        for (const auto& [pauza, prekryv] :
             {std::pair(true, "pauza 200 200"), std::pair(false, "konec 150 250")}) {
            hra.pauza = pauza, hra.smrt = !pauza;
            Plocha cekam(SDL_ConvertSurface(hra.screen, hra.screen->format, SDL_SWSURFACE));
            nakresli(cekam.get(), kresby(slozka, prekryv));
            snimek(hra, 0);
            EXPECT_TRUE(stejne(hra.screen, cekam.get())) << slozka << prekryv;
        }
    }
    for (const char* jmeno : {"pauza.bmp", "konec.bmp", "ovladani.bmp"})
        EXPECT_FALSE(stejne(obrazek(std::string("ostatni/") + jmeno).get(),
                            obrazek(std::string("ostatni/en/") + jmeno).get()))
            << jmeno;
}

TEST_F(Shell, TheCardShowsThePadsButtonsOfTheSettingsInItsLanguage) {
    // The settings file; the numbers of jump, run, strike, weapon, pause and this card, on the card.
    // clang-format off
    const std::pair<const char*, const char*> pripady[] = {
        {"", "0 1 2 3 7 6"},
        {"pad_skok=5\n", "5 1 2 3 7 6"},
        {"jazyk=en\npad_beh=10\npad_pauza=23\n", "0 10 2 3 23 6"},
        {"jazyk=cs\npad_ovladani=255\npad_utok=1\npad_zbran=0\n", "0 1 1 0 7 255"},
    };
    // clang-format on
    Obrazek cislice = obrazek("ostatni/cislaKarty.bmp");
    for (const auto& [text, cisla] : pripady) {
        kopie.zapis("nastaveni.txt", text);
        hra.nastaveni = Nastaveni::nacti();
        hra.jazyk = hra.nastaveni.jazyk.value_or(Jazyk::cs);
        ASSERT_TRUE(pripravHru(hra));
        // The card of the language, its digits' cells from the sheet over it: a row's first digit at x 512,
        // each taking twice its columns in the font and one more (a 1 is 3 columns, the others 5).
        const Obrazek karta =
            obrazek(hra.jazyk == Jazyk::en ? "ostatni/en/ovladani.bmp" : "ostatni/ovladani.bmp", false);
        Plocha cekam(SDL_CreateRGBSurface(SDL_SWSURFACE, 760, 560, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        SDL_BlitSurface(karta.get(), nullptr, cekam.get(), nullptr);
        std::istringstream radky(cisla);
        std::string cislo;
        for (int y = 136; radky >> cislo; y += 24)
            for (int i = 0, x = 512; i < int(cislo.size()); x += cislo[i++] == '1' ? 8 : 12) {
                SDL_Rect bunka{Sint16((cislo[i] - '0') * 12), 0, 12, 15}, kam{Sint16(x), Sint16(y), 0, 0};
                SDL_BlitSurface(cislice.get(), &bunka, cekam.get(), &kam);
            }
        const SDL_Surface* k = hra.obrOvladani.get();
        ASSERT_EQ(r(k->w, k->h), r(760, 560));
        int spatne = 0;
        for (int y = 0; y < 560; ++y)
            for (int x = 0; x < 760; ++x)
                spatne += barva(hra.obrOvladani.get(), x, y) != barva(cekam.get(), x, y);
        EXPECT_EQ(spatne, 0) << text;
    }
}

TEST_F(Shell, AFailedSaveKeepsTheOldOneSaysSoOnceAndPlaysOn) {
    const std::string sav = "savy/grondelvik.sav";
    const auto obsah = [&] {
        std::stringstream s;
        s << std::ifstream(sav, std::ios::binary).rdbuf();
        return s.str();
    };
    const fs::path tile = "grafika/mise/cihly01b.bmp";
    rlimit puvodni{};
    getrlimit(RLIMIT_FSIZE, &puvodni);
    // What fails, what mends it after, and whether it happens at the small scale.
    const std::tuple<const char*, std::function<void()>, std::function<void()>, bool> pripady[] = {
        // A file-size limit cuts the write short without an error; only the next write fails. Room is left
        // for the capture of stderr.
        {"short write",
         [&] {
             rlimit mez = puvodni;
             mez.rlim_cur = 4096;
             setrlimit(RLIMIT_FSIZE, &mez);
         },
         [&] { setrlimit(RLIMIT_FSIZE, &puvodni); }, false},
        // The large tile is gone: switching to the large scale for the save throws.
        {"missing picture", [&] { fs::remove(tile); },
         [&] { fs::create_hard_link(fs::path(GRONDELVIK_DATA) / tile, tile); }, true},
        {"no savy folder", [] { fs::rename("savy", "savy-pryc"); }, [] { fs::rename("savy-pryc", "savy"); },
         false},
    };
    const auto xfsz = std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& [co, pokazit, opravit, male] : pripady) {
        SCOPED_TRACE(co);
        hra.hrac->stop = true;
        snimekS(male ? "S Minus" : "S Plus");
        const std::string stary = obsah();
        ASSERT_GT(stary.size(), 4096u);
        hra.hrac->score += 100, hra.hrac->stop = false;
        const int x = hra.hrac->pozice.x;
        pokazit();
        testing::internal::CaptureStderr();
        snimekS("S");
        const std::string chyby = testing::internal::GetCapturedStderr();
        opravit();
        EXPECT_EQ(obsah(), stary);
        EXPECT_EQ(docasnych("savy", "grondelvik.sav"), 0);
        EXPECT_EQ(chyby.rfind("hru se nepodarilo ulozit do savy/grondelvik.sav (", 0), 0u) << chyby;
        EXPECT_EQ(std::count(chyby.begin(), chyby.end(), '\n'), 1) << chyby;
        // The world stayed at its scale and goes on.
        EXPECT_EQ(r(LevelTest::vetsi(*hra.level), hra.hrac->sirka, hra.hrac->pozice.x),
                  r(!male, male ? 44 : 70, x + 10));
        snimek(hra, 0);
        EXPECT_EQ(hra.hrac->pozice.x, x + 20);
    }
    std::signal(SIGXFSZ, xfsz);
}

TEST_F(Shell, WhatAWriteCutShortByAKilledGameLeftIsGoneAtTheNextStartAndTheSaveStays) {
    snimekS("S");
    const auto obsah = [](const char* cesta) {
        std::stringstream s;
        s << std::ifstream(cesta, std::ios::binary).rdbuf();
        return s.str();
    };
    const std::string stary = obsah("savy/grondelvik.sav");
    ASSERT_FALSE(stary.empty());
    // Killed mid-write: half of each temporary file.
    std::ofstream("savy/grondelvik.sav.tmp") << stary.substr(0, stary.size() / 2);
    std::ofstream("nastaveni.txt.tmp") << "zvuk=";
    ASSERT_TRUE(pripravHru(hra));
    hra.nastaveni = Nastaveni::nacti();
    EXPECT_FALSE(fs::exists("savy/grondelvik.sav.tmp"));
    EXPECT_FALSE(fs::exists("nastaveni.txt.tmp"));
    EXPECT_EQ(obsah("savy/grondelvik.sav"), stary);
}

TEST(StartUp, ADriverThatShowsNothingIsRefusedUnlessChosenByItsWholeName) {
    // The driver SDL chose, SDL_VIDEODRIVER (null: unset), refused.
    // clang-format off
    const std::tuple<const char*, const char*, bool> pripady[] = {
        {"dummy", nullptr, true}, {"offscreen", "", true}, {"caca", "x11", true}, {"aalib", nullptr, true},
        {"dummy", "dummy", false}, {"offscreen", "offscreen", false}, {"caca", "caca", false},
        {"aalib", "x11,aalib", false}, {"dummy", "x11,dummy,fbcon", false}, {"dummy", "DUMMY", false},
        {"dummy", "Dummy,x11", false}, {"dummy", "xdummy,x11", true}, {"dummy", "dumm", true},
        {"dummy", "dummyx", true}, {"dummy", "x11,dummy2", true}, {"offscreen", "dummy", true},
        {"x11", nullptr, false}, {"x11", "dummy", false}, {"wayland", "", false}, {"dumm", "", false}};
    // clang-format on
    for (const auto& [ovladac, zvolene, odmitnut] : pripady)
        EXPECT_EQ(ovladacBezOkna(ovladac, zvolene), odmitnut)
            << ovladac << " / " << (zvolene ? zvolene : "unset");
}

// Runs the real program in the scratch folder, for 20 seconds at most: its exit
// status and what it wrote on standard error.
// prostredi: the environment it gets, SDL_VIDEODRIVER unset unless named there.
std::pair<int, std::string> spust(const KopieDat& kopie,
                                  const std::string& prostredi = "SDL_VIDEODRIVER=dummy") {
    const std::string chyby = (kopie.cesta() / "chyby.txt").string();
    const std::string prikaz = "cd '" + kopie.cesta().string() + "' && env -u SDL_VIDEODRIVER " + prostredi +
                               " timeout 20 '" GRONDELVIK_BIN "' </dev/null >/dev/null 2>'" + chyby + "'";
    const int r = std::system(prikaz.c_str());
    std::stringstream s;
    s << std::ifstream(chyby).rdbuf();
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, s.str()};
}

TEST(StartUp, OfTwoMissingPicturesTheOneCheckedFirstIsReported) {
    // Pictures in the order the program checks them, each with its message ("@": its own path); each is
    // taken away together with the next.
    // clang-format off
    const std::pair<std::string, std::string> poradi[] = {
        {"ostatni/lomitko", "nelze nalezt obrazek @"}, {"ostatni/zivotI", "nelze nalezt obrazek @"},
        {"ostatni/toulecI", "nelze nalezt obrazek @"}, {"ostatni/score", "nelze nalezt obrazek @"},
        {"ostatni/7", "nelze nalezt obrazek cisla"},
        {"lovec/sip60l", "Chyba pri nacitani obrazku luku nebo sipu."},
        {"lovec/l90l", "Chyba pri nacitani obrazku luku nebo sipu."},
        {"lovec/n7l", "Chyba pri nacitani obrazku nohou."},
        {"lovec/m2", "Chyba pri nacitani obrazku mece."}, {"ostatni/minul", "Nelze nalezt obrazek @"},
        {"ostatni/au", "Nelze nalezt obrazek grafika/ostatni/krev.bmp"},
        {"ostatni/sip", "Nelze nacist obrazek @"}, {"ostatni/zivot", "Nelze nacist obrazek @"},
        {"ostatni/toulec", "Nelze nacist obrazek @"}, {"ostatni/novyLvl", "Nelze nacist obrazek @"},
        {"nepratele/valecnik/teloValecnik03l", "nelze nahrat obrazek valecnikova tela."},
        {"nepratele/valecnik/nohyValecnik05", "nelze nahrat obrazek valecnikovych nohou."},
        {"nepratele/zlodej/zlodej1l", "nelze nahrat obrazek zlodejova tela."},
        {"nepratele/zlodej/zlodejNohy2", "nelze nahrat obrazek zlodejovych nohou."},
        {"mise/cihly01b", "Chyba pri nacitani obrazku dlazdice."},
        {"mise/zed01", "Chyba pri nacitani obrazku pozadi."},
        {"ostatni/pauza", "chyba pri nacitani obrazku\t @"},
        {"ostatni/konec", "chyba pri nacitani obrazku\t @"},
        {"ostatni/ovladani", "chyba pri nacitani obrazku\t @"},
        {"ostatni/en/pauza", "chyba pri nacitani obrazku\t @"},
        {"ostatni/en/konec", "chyba pri nacitani obrazku\t @"},
        {"ostatni/en/ovladani", "chyba pri nacitani obrazku\t @"},
        {"ostatni/cislaKarty", "chyba pri nacitani obrazku\t @"}};
    // clang-format on
    for (size_t i = 0; i < std::size(poradi); ++i) {
        KopieDat kopie;
        kopie.smaz("grafika/" + poradi[i].first + ".bmp");
        if (i + 1 < std::size(poradi)) kopie.smaz("grafika/" + poradi[i + 1].first + ".bmp");
        std::string zprava = poradi[i].second;
        if (zprava.back() == '@') zprava.replace(zprava.size() - 1, 1, "grafika/" + poradi[i].first + ".bmp");
        EXPECT_EQ(spust(kopie), std::make_pair(1, zprava + "\n")) << poradi[i].first;
    }
}

TEST(StartUp, WithoutAVideoDeviceSdlCannotStart) {
    KopieDat kopie;
    const auto [status, chyby] = spust(kopie, "SDL_VIDEODRIVER=nonexistent");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(chyby.rfind("Nejde incializovat SDL: ", 0), 0u) << chyby;
    EXPECT_GT(chyby.size(), std::string("Nejde incializovat SDL: \n").size()) << "no reason given";
    EXPECT_EQ(chyby.back(), '\n');
}

TEST(StartUp, WithNoDisplayToReachTheProgramEndsInsteadOfPlayingUnseen) {
    // No X server listens on this display and no Wayland one is named: SDL can
    // only fall back to a driver that shows nothing.
    KopieDat kopie;
    // SDL2 unloads the display libraries it tried before the leak check runs, so what they keep cannot be
    // told from ours under LeakSanitizer: leaks are not this test's business.
    const auto [status, chyby] = spust(
        kopie, "DISPLAY=:32767 WAYLAND_DISPLAY= XDG_RUNTIME_DIR=/nonexistent ASAN_OPTIONS=detect_leaks=0");
    EXPECT_EQ(status, 2) << chyby;  // 124 would be the timeout: it ran on
    const std::string zprava = "Unable to set 800x600 video: ";
    EXPECT_NE(chyby.find(zprava), std::string::npos) << chyby;
    EXPECT_GT(chyby.size(), chyby.find(zprava) + zprava.size() + 1) << "no reason given";
}

TEST(StartUp, AMessageThrownDuringPlayEndsTheProgram) {
    // The exit lies under the start, so the first frame changes to level 2, whose tile is missing.
    KopieDat kopie;
    kopie.zapis("mapy/hrad.txt", std::string(26, '\n') + std::string(14, '.') + "4\n-\n");
    kopie.smaz("grafika/mise/zem.bmp");
    EXPECT_EQ(spust(kopie), std::make_pair(1, std::string("Chyba pri nacitani obrazku dlazdice.\n")));
}

}  // namespace
