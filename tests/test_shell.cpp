// The shell: the global key handler, the frame's pause and end pictures, and
// start-up failures of the real program.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "Grondelvik.h"
#include "pomocnik.h"

namespace {

SDL_Event klavesa(SDLKey k, Uint8 typ = SDL_KEYDOWN) {
    SDL_Event e{};
    e.type = typ;
    e.key.type = typ;
    e.key.state = typ == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = k;
    return e;
}

void posli(SDL_Event e) {
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

// A real (dummy-driver) window with the whole game in it.
class Shell : public ::testing::Test {
protected:
    VDatech data;
    Hra hra;
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        hra.screen = SDL_SetVideoMode(800, 600, 0, SDL_ANYFORMAT);
        ASSERT_NE(hra.screen, nullptr);
        ASSERT_TRUE(pripravHru(hra));
    }
    void TearDown() override {
        hra = Hra{};
        SDL_Quit();
    }
    bool klice() { return k(hra.event, hra.hrac.get(), hra.pauza, hra.velka, hra.uloz, hra.nacti); }
};

TEST_F(Shell, PTwiceInOneFrameLeavesTheGameRunning) {
    posli(klavesa(SDLK_p));
    posli(klavesa(SDLK_p));
    EXPECT_FALSE(klice());
    EXPECT_FALSE(hra.pauza);
    posli(klavesa(SDLK_p));
    EXPECT_FALSE(klice());
    EXPECT_TRUE(hra.pauza);
}

TEST_F(Shell, TheLaterScaleKeyWins) {
    posli(klavesa(SDLK_KP_MINUS));
    posli(klavesa(SDLK_KP_PLUS));
    klice();
    EXPECT_TRUE(hra.velka);
    posli(klavesa(SDLK_KP_PLUS));
    posli(klavesa(SDLK_KP_MINUS));
    klice();
    EXPECT_FALSE(hra.velka);
}

TEST_F(Shell, SaveAndLoadKeysOnlyRaiseTheirFlags) {
    posli(klavesa(SDLK_s));
    posli(klavesa(SDLK_F9));
    posli(klavesa(SDLK_s, SDL_KEYUP));
    EXPECT_FALSE(klice());
    EXPECT_TRUE(hra.uloz);
    EXPECT_TRUE(hra.nacti);
    EXPECT_FALSE(hra.pauza);
    EXPECT_TRUE(hra.velka);
}

TEST_F(Shell, EscapeQuitsEvenWhilePausedAndTheHunterSeesNothing) {
    hra.pauza = true;
    posli(klavesa(SDLK_LEFT));
    posli(klavesa(SDLK_ESCAPE));
    EXPECT_TRUE(klice());
    EXPECT_FALSE(hra.hrac->vlevo);  // paused: the key never reached him
    EXPECT_TRUE(hra.pauza);
}

TEST_F(Shell, RunningTheHunterSeesEveryEventFirst) {
    posli(klavesa(SDLK_LEFT));
    posli(klavesa(SDLK_p));
    EXPECT_FALSE(klice());
    EXPECT_TRUE(hra.hrac->vlevo);
    EXPECT_TRUE(hra.pauza);
}

TEST_F(Shell, CloseRequestQuits) {
    SDL_Event e{};
    e.type = SDL_QUIT;
    posli(e);
    EXPECT_TRUE(klice());
}

TEST_F(Shell, QueueIsDrainedAfterEscape) {
    posli(klavesa(SDLK_ESCAPE));
    posli(klavesa(SDLK_p));
    posli(klavesa(SDLK_s));
    EXPECT_TRUE(klice());
    EXPECT_TRUE(hra.pauza);
    EXPECT_TRUE(hra.uloz);
    SDL_Event e;
    EXPECT_EQ(SDL_PollEvent(&e), 0);
    EXPECT_FALSE(klice());  // the next frame starts fresh
}

// The screen with one picture drawn over a copy of the given frame.
Plocha sObrazkem(SDL_Surface* snimek, SDL_Surface* obrazek, int x, int y) {
    Plocha kopie(SDL_ConvertSurface(snimek, snimek->format, SDL_SWSURFACE));
    vykresliObrazek(obrazek, kopie.get(), x, y);
    return kopie;
}

bool stejne(SDL_Surface* a, SDL_Surface* b) {
    for (int y = 0; y < a->h; ++y)
        for (int x = 0; x < a->w; ++x)
            if (barva(a, x, y) != barva(b, x, y)) return false;
    return true;
}

TEST_F(Shell, PauseFreezesTheWorldUnderThePausePicture) {
    snimek(hra, 0);
    const SDL_Rect pred = hra.hrac->pozice;
    Plocha cekam = sObrazkem(hra.screen, hra.obrPauza.get(), 200, 200);
    posli(klavesa(SDLK_p));
    snimek(hra, 0);
    snimek(hra, 0);
    EXPECT_TRUE(hra.pauza);
    EXPECT_EQ(hra.hrac->pozice.x, pred.x);
    EXPECT_EQ(hra.hrac->pozice.y, pred.y);
    EXPECT_TRUE(stejne(hra.screen, cekam.get()));
    EXPECT_FALSE(stejne(hra.screen, sObrazkem(hra.screen, hra.obrPauza.get(), 201, 200).get()));
}

TEST_F(Shell, DeathShowsTheEndPictureFromTheNextFrame) {
    hra.hrac->zivoty = 0;
    snimek(hra, 0);
    EXPECT_TRUE(hra.smrt);
    const SDL_Rect pred = hra.hrac->pozice;
    Plocha cekam = sObrazkem(hra.screen, hra.obrSmrt.get(), 150, 250);
    snimek(hra, 0);
    EXPECT_EQ(hra.hrac->pozice.x, pred.x);
    EXPECT_TRUE(stejne(hra.screen, cekam.get()));
    EXPECT_FALSE(stejne(hra.screen, sObrazkem(hra.screen, hra.obrSmrt.get(), 150, 251).get()));
}

// Runs the real program in a copy of the data folder; returns its exit
// status and what it wrote on standard error.
std::pair<int, std::string> spust(const KopieDat& kopie) {
    const std::string prikaz = "cd '" + kopie.cesta().string() +
                               "' && SDL_VIDEODRIVER=dummy '" GRONDELVIK_BIN
                               "' </dev/null >/dev/null 2>chyby.txt";
    const int r = std::system(prikaz.c_str());
    std::ifstream f(kopie.cesta() / "chyby.txt");
    std::stringstream s;
    s << f.rdbuf();
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, s.str()};
}

TEST(StartUp, EachMissingPictureEndsWithItsMessage) {
    const std::pair<const char*, const char*> pripady[] = {
        {"grafika/mise/cihly01b.bmp", "Chyba pri nacitani obrazku dlazdice.\n"},
        {"grafika/mise/zed01.bmp", "Chyba pri nacitani obrazku pozadi.\n"},
        {"grafika/mise/zed02.bmp", "Chyba pri nacitani obrazku pozadi.\n"},
        {"grafika/mise/zed03.bmp", "Chyba pri nacitani obrazku pozadi.\n"},
        {"grafika/ostatni/pauza.bmp", "chyba pri nacitani obrazku\t grafika/ostatni/pauza.bmp\n"},
        {"grafika/ostatni/konec.bmp", "chyba pri nacitani obrazku\t grafika/ostatni/konec.bmp\n"},
        {"grafika/lovec/sip60l.bmp", "Chyba pri nacitani obrazku luku nebo sipu.\n"},
        {"grafika/lovec/n3.bmp", "Chyba pri nacitani obrazku nohou.\n"},
        {"grafika/lovec/m1l.bmp", "Chyba pri nacitani obrazku mece.\n"},
        {"grafika/ostatni/5.bmp", "nelze nalezt obrazek cisla\n"},
        {"grafika/ostatni/score.bmp", "nelze nalezt obrazek grafika/ostatni/score.bmp\n"},
        {"grafika/ostatni/lomitko.bmp", "nelze nalezt obrazek grafika/ostatni/lomitko.bmp\n"},
        {"grafika/ostatni/sip.bmp", "Nelze nacist obrazek grafika/ostatni/sip.bmp\n"},
        {"grafika/ostatni/novyLvl.bmp", "Nelze nacist obrazek grafika/ostatni/novyLvl.bmp\n"},
        {"grafika/nepratele/valecnik/teloValecnik03l.bmp", "nelze nahrat obrazek valecnikova tela.\n"},
        {"grafika/nepratele/zlodej/zlodejNohy2.bmp", "nelze nahrat obrazek zlodejovych nohou.\n"},
    };
    for (const auto& [soubor, zprava] : pripady) {
        SCOPED_TRACE(soubor);
        KopieDat kopie;
        kopie.smaz(soubor);
        const auto [status, chyby] = spust(kopie);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(chyby, zprava);
    }
}

TEST(StartUp, PausePictureIsReportedBeforeTheEndPicture) {
    KopieDat kopie;
    kopie.smaz("grafika/ostatni/pauza.bmp");
    kopie.smaz("grafika/ostatni/konec.bmp");
    const auto [status, chyby] = spust(kopie);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(chyby, "chyba pri nacitani obrazku\t grafika/ostatni/pauza.bmp\n");
}

TEST(StartUp, TilesOfLaterLevelsAreCheckedWhenTheyAreBuilt) {
    const std::pair<const char*, const char*> pripady[] = {
        {"grafika/mise/zem.bmp", "Chyba pri nacitani obrazku dlazdice."},
        {"grafika/mise/venku05.bmp", "Chyba pri nacitani obrazku pozadi."},
    };
    for (const auto& [soubor, zprava] : pripady) {
        SCOPED_TRACE(soubor);
        KopieDat kopie;
        kopie.smaz(soubor);
        VDatech v(kopie.cesta());
        Hrac hrac;
        Level level(&hrac, 1);
        try {
            LevelTest::nactiLvl(level, 2);
            ADD_FAILURE() << "no message";
        } catch (const char* m) {
            EXPECT_STREQ(m, zprava);
        }
    }
    KopieDat kopie;
    kopie.smaz("grafika/mise/pol03.bmp");
    VDatech v(kopie.cesta());
    Hrac hrac;
    Level level(&hrac, 1);
    EXPECT_THROW(LevelTest::nactiLvl(level, 3), const char*);
}

}  // namespace
