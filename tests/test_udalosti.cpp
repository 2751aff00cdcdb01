// SPDX-License-Identifier: GPL-3.0-or-later
// What a frame gives to be heard: the world's events in each game situation,
// and the shell's own (pause, death, saving and loading, the sound key).
#include "Grondelvik.h"
#include "pomocnik.h"

namespace {

// Level 1 emptied, floor on row 20, the hunter standing on it at (400, 502)
// facing right; a warrior at 420 when asked for, never moving, its blow
// cooled down unless said.
class SnimekUdalosti : public ::testing::Test {
public:
    VDatech d;
    std::unique_ptr<Hrac> hrac;
    std::unique_ptr<Level> level;
    Plocha o = novaObrazovka();
    void SetUp() override {
        hrac = std::make_unique<Hrac>();
        level = std::make_unique<Level>(hrac.get(), 1);
        LevelTest::vyprazdni(*level);
        for (int c = 0; c < 60; ++c) LevelTest::setPevna(*level, c, 20);
        hrac->stop = true;
        hrac->pozice = {400, 502, 0, 0};
        hodiny::zastav(1);
    }
    void TearDown() override { hodiny::pust(); }
    Nepritel& valecnik(bool vlevo, int citac = 100) {
        SetNepratel& s = LevelTest::set(*level);
        s.addNepritele(1, {420, Sint16(600 - s.getTyp(1)->vyska), 0, 0});
        Nepritel& n = *s.nepratele.front();
        n.vlevo = vlevo, n.mod = 3, n.citac = citac;
        return n;
    }
    void zed() {  // column 15 (x 450 to 479) from row 15 down
        for (int r = 15; r < 20; ++r) LevelTest::setPevna(*level, 15, r);
    }
    std::string snimek(const std::string& klavesy) {
        for (const SDL_Event& e : udalosti(klavesy)) hrac->akce(e);
        level->vykresliSe(o.get());
        return level->udalosti().text();
    }
};

TEST_F(SnimekUdalosti, EachSituationGivesTheEventsOfItsFrame) {
    using F = SnimekUdalosti;
    // The situation, the keys before the frame, the events heard (in the order of the list of events).
    // clang-format off
    const std::tuple<std::function<void(F&)>, std::string, std::string> pripady[] = {
        {[](F&) {}, "", ""},
        {[](F&) {}, "Space", "mec"},
        {[](F& f) { f.hrac->sila = f.hrac->obratnost = 100000; f.valecnik(false); }, "Space", "mec zasah zabiti"},
        {[](F& f) { f.hrac->obratnost = 100000; f.valecnik(false).zivoty = 1 << 30; }, "Space", "mec zasah"},
        {[](F& f) { f.hrac->obratnost = -100000; f.valecnik(false); }, "Space", "mec minuti"},
        {[](F&) {}, "A Space", "vystrel"},
        {[](F& f) { f.zed(); f.hrac->vSipy[0] = {460, 535, 0, 0, false, 100, 0}, f.hrac->pozSipy = 1; }, "", "sipVeZdi"},
        {[](F& f) { f.hrac->sila = f.hrac->obratnost = 100000; f.valecnik(false); }, "A Space", "vystrel zasah zabiti"},
        {[](F& f) { f.hrac->pocetSipu = 0; }, "A Space", ""},
        {[](F&) {}, "D", "skok"},
        {[](F& f) { f.hrac->vzduch = true, f.hrac->pad = 50, f.hrac->pozice.y = 495; }, "", "dopad"},
        {[](F& f) { f.hrac->vzduch = true, f.hrac->pad = 50, f.hrac->pozice.y = 300; }, "", ""},
        {[](F& f) { f.hrac->pozice.y = 300; }, "", ""},  // stepping off an edge is no jump
        {[](F& f) { LevelTest::list(*f.level).addPredmet(14, 18, LevelTest::sip(*f.level)); }, "", "sebranySip"},
        {[](F& f) { LevelTest::list(*f.level).addPredmet(14, 18, LevelTest::toulec(*f.level)); }, "", "sebranyToulec"},
        {[](F& f) { LevelTest::list(*f.level).addPredmet(14, 18, LevelTest::zivoty(*f.level)); }, "", "sebraneZivoty"},
        {[](F& f) { LevelTest::list(*f.level).addPredmet(14, 18, LevelTest::novyLvl(*f.level)); }, "", "vychod novyLevel"},
        {[](F& f) { f.hrac->obratnost = -100000; f.valecnik(true, 0); }, "", "zraneni"},
        {[](F& f) { f.hrac->obratnost = 100000; f.valecnik(true, 0); }, "", "minuti"},
    };
    // clang-format on
    for (const auto& [situace, klavesy, cekam] : pripady) {
        SetUp();
        situace(*this);
        EXPECT_EQ(snimek(klavesy), cekam) << klavesy << " -> " << cekam;
    }
}

TEST_F(SnimekUdalosti, AnArrowIsHeardLeavingAndOnceStuckAndEachFrameCountsAfresh) {
    // A level arrow flies into the wall in its first step and is stopped in its second.
    zed();
    for (const auto& [klavesy, cekam] : {std::pair("A Space", "vystrel"), {"", "sipVeZdi"}, {"", ""}})
        EXPECT_EQ(snimek(klavesy), cekam) << klavesy;
    // The next arrow takes the slot the stuck one leaves, and is heard in its turn.
    hrac->pozSipy = 0, hrac->citac = 0;
    for (const auto& [klavesy, cekam] : {std::pair("Space", "vystrel"), {"", "sipVeZdi"}})
        EXPECT_EQ(snimek(klavesy), cekam) << klavesy;
    // One swing through two warriors: one swing, two hits (no arrow left to hit them too).
    hrac->obratnost = 100000, hrac->citac = 0, hrac->pozSipy = 0;
    valecnik(false).zivoty = 1 << 30;
    valecnik(false).zivoty = 1 << 30;
    snimek("A Space");
    EXPECT_EQ(r(level->udalosti().kolikrat(Udalost::mec), level->udalosti().kolikrat(Udalost::zasah)),
              r(1, 2));
}

// The whole frame of the shell, in a scratch data folder.
class ShellUdalosti : public ::testing::Test {
public:
    KopieDat kopie;
    VDatech data{kopie.cesta()};
    Hra hra;
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
        hra.screen = SDL_SetVideoMode(800, 600, 0, SDL_ANYFORMAT);
        ASSERT_TRUE(hra.screen && pripravHru(hra));
        hra.hrac->stop = true;
        for (int i = 0; i < 5; ++i) snimek(hra, 0);  // he lands at the start
    }
    void TearDown() override {
        hra = Hra{};
        SDL_Quit();
    }
    std::string snimekS(const std::string& kroky) {
        for (SDL_Event e : udalosti(kroky)) SDL_PushEvent(&e);
        snimek(hra, 0);
        return hra.udalosti.text();
    }
};

TEST_F(ShellUdalosti, PauseDeathSavingAndLoadingAreHeardAndAPausedFrameIsSilent) {
    testing::internal::CaptureStderr();
    // clang-format off
    const std::pair<std::function<void(ShellUdalosti&)>, std::pair<std::string, std::string>> kroky[] = {
        {{}, {"P", "pauza"}},
        {{}, {"Space D Left", ""}},
        {{}, {"P P", ""}},
        {{}, {"P", "pokracovani"}},
        {{}, {"Space", "mec"}},
        {{}, {"S", "ulozeno"}},
        {{}, {"F9", "nacteno"}},
        {[](ShellUdalosti& t) { t.kopie.zapis("savy/grondelvik.sav", "1\n"); }, {"F9", "chyba"}},
        {[](ShellUdalosti& t) { t.kopie.smaz("savy/grondelvik.sav"); }, {"F9", "chyba"}},
        {[](ShellUdalosti&) { fs::remove_all("savy"); }, {"S", "chyba"}},
        {[](ShellUdalosti& t) { t.hra.hrac->zivoty = 0; }, {"", "smrt"}},
        {{}, {"", ""}},
        {{}, {"F9", "chyba"}},  // no saved game: the end picture goes for one frame and comes back
        {{}, {"", "smrt"}},
        {{}, {"", ""}},
    };
    // clang-format on
    for (const auto& [pred, krok] : kroky) {
        if (pred) pred(*this);
        EXPECT_EQ(snimekS(krok.first), krok.second) << krok.first;
    }
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(hra.smrt);
}

TEST_F(ShellUdalosti, TheFramesSoundFollowsItsEventsPauseTheSoundKeyAndDeath) {
    hra.zvuk = std::make_unique<Zvuk>();  // SDL's dummy audio driver
    ASSERT_TRUE(hra.zvuk->otevreno());
    auto efekt = [&](Udalost u) {
        for (int k = 0; k < Mix_AllocateChannels(-1); ++k)
            if (Mix_Playing(k) && Mix_GetChunk(k) == hra.zvuk->efekt(u)) return true;
        return false;
    };
    // The keys, then the tune loaded, whether it is held, the effect heard and how many play.
    // clang-format off
    const std::tuple<std::string, int, bool, Udalost, int> kroky[] = {
        {"", 1, false, Udalost::pocet, 0}, {"P", 1, true, Udalost::pauza, 1},
        {"P", 1, false, Udalost::pokracovani, 2}, {"Space", 1, false, Udalost::mec, 3},
        {"M", 1, true, Udalost::pocet, 0}, {"Space", 1, true, Udalost::pocet, 0},
        {"M", 1, false, Udalost::pocet, 0}};
    // clang-format on
    for (const auto& [klavesy, ladeni, drzi, zvuk, kanalu] : kroky) {
        hra.hrac->citac = 0;
        snimekS(klavesy);
        EXPECT_EQ(
            r(hra.zvuk->hudba(), Mix_PausedMusic(), zvuk == Udalost::pocet || efekt(zvuk), Mix_Playing(-1)),
            r(ladeni, drzi, 1, kanalu))
            << klavesy;
    }
    hra.hrac->zivoty = 0;
    snimekS("");
    EXPECT_EQ(r(hra.zvuk->hudba(), Mix_PlayingMusic(), efekt(Udalost::smrt)), r(0, 0, 1));
}

TEST_F(ShellUdalosti, MSwitchesAllSoundAndTheChoiceIsWrittenAtOnce) {
    kopie.smaz("nastaveni.txt");
    for (const auto& [kroky, zvuk, soubor] : {std::tuple("M M", 1, false), std::tuple("M", 0, true),
                                              std::tuple("P M", 1, true), std::tuple("M", 0, true)}) {
        snimekS(kroky);
        EXPECT_EQ(hra.nastaveni.zvuk, bool(zvuk)) << kroky;
        ASSERT_EQ(fs::exists("nastaveni.txt"), soubor) << kroky;
        if (soubor) {
            EXPECT_EQ(Nastaveni::nacti().zvuk, bool(zvuk)) << kroky;
        }
    }
}

}  // namespace
