// SPDX-License-Identifier: GPL-3.0-or-later
// The saved game: the file layout to the line, round trips, hand-made files, damaged files that must change
// nothing, a save that never loses the previous one.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>

#include <array>
#include <atomic>
#include <climits>
#include <thread>

#include "pomocnik.h"

namespace {

using Radky = std::vector<std::string>;

Radky precti(const std::string& cesta) {
    std::ifstream f(cesta, std::ios::binary);
    Radky r;
    for (std::string s; std::getline(f, s);) r.push_back(s);
    return r;
}

class Ulozeni : public ::testing::Test {
protected:
    VDatech data;
    const fs::path adr = fs::temp_directory_path() / ("grondelvik-ulozeni-" + std::to_string(getpid()));
    Hrac hrac;
    std::unique_ptr<Level> level = std::make_unique<Level>(&hrac, 1);
    void SetUp() override { fs::create_directories(adr); }
    void TearDown() override { fs::remove_all(adr); }
    std::string cesta(const std::string& jmeno) const { return (adr / jmeno).string(); }
    Radky uloz(const std::string& jmeno = "a.sav") {
        level->uloz(cesta(jmeno).c_str());
        return precti(cesta(jmeno));
    }
    // Loads these lines; returns what went to standard error.
    std::string nacti(const Radky& radky, const std::string& konec = "\n") {
        std::ofstream f(cesta("vstup.sav"), std::ios::binary);
        for (const std::string& r : radky) f << r << konec;
        f.close();
        testing::internal::CaptureStderr();
        level->nacti(cesta("vstup.sav").c_str());
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(Ulozeni, FreshLevelIsWrittenToTheLine) {
    LevelTest::vyprazdni(*level);
    Radky cekam = {"1", "1",  "10", "0",  "400", "750", "1",   "0", "0", "35",
                   "0", "10", "0",  "15", "15",  "200", "200", "0", "12"};
    cekam.resize(cekam.size() + 200 * 30, "0");
    cekam.insert(cekam.end(), 3, "\v");
    EXPECT_EQ(uloz(), cekam);
}

TEST_F(Ulozeni, SavingWhileSmallWritesLargeValuesAndNoNegativeListX) {
    LevelTest::vyprazdni(*level);
    LevelTest::set(*level).addNepritele(1, SDL_Rect{-10, 40, 0, 0});
    LevelTest::bInfo(*level).addZasah(SDL_Rect{-5, 20, 0, 0});
    level->zmensi();  // hunter (266, 500), enemy (-6, 27), marker (-3, 13)
    const Radky r = uloz();
    EXPECT_EQ(Radky(r.begin() + 4, r.begin() + 6), (Radky{"399", "750"}));
    EXPECT_EQ(Radky(r.begin() + 6019, r.begin() + 6022), (Radky{"0", "39", "1"}));     // the enemy
    EXPECT_EQ(Radky(r.begin() + 6030, r.end()), (Radky{"0", "19", "0", "\v", "\v"}));  // the marker
    EXPECT_EQ((Radek{LevelTest::vetsi(*level), hrac.pozice.x, hrac.pozice.y}), (Radek{0, 266, 500}));
}

// The file with each list's records in reverse, as a load leaves them.
Radky obracene(Radky r, size_t zacatek) {
    for (size_t delka : {10, 3, 3}) {
        size_t konec = zacatek;
        while (r[konec] != "\v") konec += delka;
        const Radky zaznamy(r.begin() + zacatek, r.begin() + konec);
        for (size_t i = 0; i < zaznamy.size(); i += delka)
            std::copy_n(zaznamy.begin() + i, delka, r.begin() + konec - i - delka);
        zacatek = konec + 1;
    }
    return r;
}

class Kolo : public Ulozeni, public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(Kolo, SecondSaveReversesTheListsAndTheThirdEqualsTheFirst) {
    const auto [t, male] = GetParam();
    level = std::make_unique<Level>(&hrac, t);
    hrac.vSipy[0] = VystrelenySip{900, 600, 7, -25, true, 150, 20};
    hrac.vSipy[1] = VystrelenySip{1200, 500, 2, 30, false, 50, 0};
    hrac.pozSipy = 2;
    LevelTest::bInfo(*level).addZasah(SDL_Rect{300, 600, 0, 0});
    LevelTest::bInfo(*level).addZasah(SDL_Rect{330, 570, 0, 0});
    LevelTest::bInfo(*level).addMinul(SDL_Rect{900, 90, 0, 0});
    if (male) level->zmensi();
    const Radky prvni = uloz("1.sav");
    level->nacti(cesta("1.sav").c_str());
    EXPECT_TRUE(LevelTest::vetsi(*level));
    const Radky druhy = uloz("2.sav");
    level->nacti(cesta("2.sav").c_str());
    ASSERT_GT(LevelTest::set(*level).nepratele.size(), 1u);
    EXPECT_EQ(druhy, obracene(prvni, 2 + 17 + 2 * 7 + (t == 3 ? 600 * 90 : 200 * 30)));
    EXPECT_EQ(uloz("3.sav"), prvni);
}

TEST_F(Ulozeni, GamesAtTheLimitsOfTheRulesLoadBackExactly) {
    // Level changes as the rules make them: warriors at difficulty 86 carry 114,944,401 health; the
    // difficulty and every growing statistic stop at the int limit, the warrior's agility and the thief's
    // strength stay at 5.
    const auto zmenLevel = [&](int obtiznost) {
        LevelTest::obtiznost(*level) = obtiznost;
        hrac.novyLvl = true;
        level->vykresliSe(novaObrazovka().get());
    };
    zmenLevel(85);
    EXPECT_EQ(LevelTest::set(*level).getTyp(1)->maxZivotu, 114'944'401);
    zmenLevel(INT_MAX - 1);
    zmenLevel(INT_MAX);
    const TypNepritele &v = *LevelTest::set(*level).getTyp(1), &z = *LevelTest::set(*level).getTyp(2);
    // The raise stops at the first repetition that changes nothing: the warrior's strength 15 reaches the int
    // limit in 202 steps of x 11/10 and the thief's agility 20 in 197, each one more to see it stay.
    EXPECT_EQ(r(v.opakovani, z.opakovani), r(203, 198));
    EXPECT_EQ(
        r(LevelTest::obtiznost(*level), v.maxZivotu, v.sila, v.obratnost, z.maxZivotu, z.sila, z.obratnost),
        r(INT_MAX, INT_MAX, INT_MAX, 5, INT_MAX, 5, INT_MAX));
    // The hunter at the int limits, his health pushed below by several blows in one frame, his running bonus
    // (2147483647 - 15) / 5 + 10 from his agility; arrows in flight filling the most room at their bounds.
    hrac.obratnost = INT_MAX;
    level->zmensi();
    level->zvetsi();
    EXPECT_EQ(hrac.beh, 429'496'736);
    hrac.sila = hrac.maxZivotu = hrac.score = hrac.pocetSipu = hrac.citac = INT_MAX;
    hrac.zivoty = INT_MIN;
    hrac.nSipu = hrac.pozSipy = kMaxSipu;
    hrac.vSipy.assign(kMaxSipu,
                      {kMezPolohySipu, -kMezPolohySipu, 9, -25, true, kMezDoletu, kMezRychlostiSipu});
    hrac.vSipy[1] = {-kMezPolohySipu, kMezPolohySipu, 0, 90, false, -kMezDoletu, -kMezRychlostiSipu};
    const Radky prvni = uloz("1.sav");
    EXPECT_EQ(level->nacti(cesta("1.sav").c_str()), Level::Nacteni::hotovo);
    EXPECT_EQ(uloz("2.sav"), obracene(prvni, 2 + 17 + 7 * kMaxSipu + 200 * 30));
    EXPECT_EQ(r(hrac.zivoty, hrac.vSipy[1].rychlost, LevelTest::set(*level).nepratele.front()->zivoty),
              r(INT_MIN, -kMezRychlostiSipu, INT_MAX));
}

TEST_F(Ulozeni, TheRulesStopWhereTheReaderDoes) {
    // Arrows picked up add at most to the int limit.
    hrac.pocetSipu = INT_MAX;
    LevelTest::sip(*level)->sebere(&hrac);
    LevelTest::toulec(*level)->sebere(&hrac);
    EXPECT_EQ(hrac.pocetSipu, INT_MAX);
    // Room for arrows in flight doubles up to 10000; with all of it flying a shot takes no arrow.
    hrac.m = false;
    for (const auto& [n, nPotom, letiPotom] : {std::array{6000, 10000, 6001}, {10000, 10000, 10000}}) {
        hrac.vSipy.assign(n, {});
        hrac.nSipu = hrac.pozSipy = n, hrac.citac = 0, hrac.pocetSipu = 5;
        for (const SDL_Event& e : udalosti("Space")) hrac.akce(e);
        EXPECT_EQ(r(hrac.nSipu, hrac.pozSipy, hrac.pocetSipu), r(nPotom, letiPotom, letiPotom > n ? 4 : 5));
    }
    // The running bonus of the least agility: (-2147483648 - 15) / 5 + 10, truncated toward zero.
    hrac.obratnost = INT_MIN;
    level->zmensi();
    level->zvetsi();
    EXPECT_EQ(hrac.beh, -429'496'722);
    // A level flight along a row's seam passes walls and leaves the level; the edge of the world stops it,
    // two thirds of the way at the small scale, so that growing keeps it within.
    hrac.pozSipy = 1;
    for (const int mez : {kMezPolohySipu, 666'666'666}) {
        if (mez != kMezPolohySipu) level->zmensi();
        hrac.vSipy[0] = {mez - 100, 600, 1, 0, false, -500, 0};
        for (int i = 0; i < 3; ++i) LevelTest::letSipu(*level);
        EXPECT_EQ(hrac.vSipy[0].x, mez);
    }
    // A tip out there meets no enemy, though cut to 16 bits it would lie on one at (400, 600).
    LevelTest::set(*level).addNepritele(2, SDL_Rect{400, 600, 0, 0});
    VystrelenySip s{65536 + 400, 605, 1, 0, false, 0, 0};
    LevelTest::sipTrefa(*level, &s);
    EXPECT_EQ(s.vzdalenost, 0);
}

INSTANTIATE_TEST_SUITE_P(VsechnyLevely, Kolo,
                         testing::Combine(testing::Values(1, 2, 3), testing::Values(false, true)));

// A hand-made level-3 game at difficulty 3: the hunter with his one arrow in flight, two items, warrior A
// then thief B, one hit marker (at x 0) and two miss markers.
constexpr size_t kMrizka = 26, kNepratele = kMrizka + 600 * 90;
Radky rucniHra() {
    Radky r = {"3",  "3",  "1",   "1",   "1234", "-20", "10",  "01",   "0", "35",  "\v", "12",  "007",
               "16", "20", "150", "210", "2",    "30",  "500", "1600", "7", "-25", "1",  "100", "13"};
    r.resize(kNepratele, "0");
    r[kMrizka + 5 * 90 + 7] = "1";
    r[kMrizka + 599 * 90 + 89] = "4";
    r.insert(r.end(),
             {"300", "1500", "1",  "40",          "7",  "4",  "3",  "2147483647", "0",  "7",  // A
              "600", "1400", "2",  "30",          "2",  "0",  "2",  "0",          "1",  "0",  // B
              "\v",  "0",    "50", "-2147483648", "\v", "10", "20", "1",          "11", "21", "2", "\v"});
    return r;
}

class RucniSoubor : public Ulozeni, public ::testing::WithParamInterface<const char*> {};

TEST_P(RucniSoubor, LoadsWhateverTheLineEnds) {
    level->zmensi();
    EXPECT_EQ(nacti(rucniHra(), GetParam()), "");
    // Large, level 3 at difficulty 3, free at level 3's start.
    EXPECT_EQ(r(LevelTest::vetsi(*level), LevelTest::typ(*level), LevelTest::obtiznost(*level),
                LevelTest::getPevna(*level, 13, 57)),
              r(1, 3, 3, 0));
    EXPECT_TRUE(stejne(LevelTest::pevna(*level), nactiObrazek("grafika/mise/led.bmp").get()));
    // "10" is false, "01" and "7" true, "007" is 7 and the list end -37.
    EXPECT_EQ((std::vector<int>{hrac.nSipu, hrac.pozSipy, hrac.pozice.x, hrac.pozice.y, hrac.m, hrac.vlevo,
                                hrac.vzduch, hrac.skok, hrac.pad, hrac.beh, hrac.score, hrac.sila,
                                hrac.obratnost, hrac.zivoty, hrac.maxZivotu, hrac.citac, hrac.pocetSipu}),
              (std::vector<int>{1, 1, 1234, -20, 0, 1, 0, 35, -37, 12, 7, 16, 20, 150, 210, 2, 30}));
    EXPECT_EQ(hrac.vSipy.size(), 1u);  // full
    const VystrelenySip& s = hrac.vSipy[0];
    EXPECT_EQ((std::vector<int>{s.x, s.y, s.uhel, s.alfa, s.vlevo, s.vzdalenost, s.rychlost}),
              (std::vector<int>{500, 1600, 7, -25, 1, 100, 13}));
    // Level 3's map places a quiver first and the exit last.
    EXPECT_EQ(LevelTest::list(*level).getPredmet(5, 7), LevelTest::toulec(*level));
    EXPECT_EQ(LevelTest::list(*level).getPredmet(599, 89), LevelTest::novyLvl(*level));
    EXPECT_EQ(LevelTest::list(*level).getPredmet(237, 19), nullptr);
    // B, A; with the statistics of new types whatever the difficulty.
    const auto& n = LevelTest::set(*level).nepratele;
    ASSERT_EQ(n.size(), 2u);
    const Nepritel& a = *n.back();
    EXPECT_EQ(n.front()->pozice.x, 600);
    EXPECT_EQ((std::vector<int>{a.pozice.x, a.pozice.y, a.typ->typ, a.zivoty, a.mod, a.aNohy, a.aTelo,
                                a.citac, a.vlevo, a.utok}),
              (std::vector<int>{300, 1500, 1, 40, 7, 4, 3, 2147483647, 0, 1}));
    EXPECT_EQ(a.typ->maxZivotu, 25);
    const auto &z = LevelTest::bInfo(*level).zasahy(), &m = LevelTest::bInfo(*level).minuti();
    EXPECT_EQ((std::vector<int>{int(z.size()), z.front().n, int(m.size()), m.front().kde.x, m.front().n,
                                m.back().n}),
              (std::vector<int>{1, -2147483648, 2, 11, 2, 1}));
    // The next level change brings difficulty 4.
    hrac.novyLvl = true;
    level->vykresliSe(novaObrazovka().get());
    const TypNepritele &valecnik = *LevelTest::set(*level).getTyp(1),
                       &zlodej = *LevelTest::set(*level).getTyp(2);
    EXPECT_EQ((std::vector<int>{valecnik.maxZivotu, valecnik.sila, valecnik.obratnost, zlodej.maxZivotu,
                                zlodej.sila, zlodej.obratnost}),
              (std::vector<int>{77, 18, 15, 50, 11, 26}));
}

INSTANTIATE_TEST_SUITE_P(KonceRadku, RucniSoubor, testing::Values("\n", "\r\n"));

TEST_F(Ulozeni, DamagedFileIsRefusedAndChangesNothing) {
    level->zmensi();
    uloz();  // the first round trip through the large scale settles odd positions
    const Radky pred = uloz();
    struct Poskozeni {
        size_t radek;
        const char* hodnota;  // null: the file ends before this line
    };
    // clang-format off
    const Poskozeni pripady[] = {
        {kMrizka + 3000, nullptr}, {0, "0"}, {0, "4"}, {kNepratele + 2, "3"}, {kNepratele + 12, "0"},
        {3, "-1"}, {kMrizka + 10, "5"}, {kNepratele + 5, "5"}, {kNepratele + 16, "3"}, {12, "2147483648"},
        {kNepratele + 7, "-2147483649"}, {9, "100000001"}, {11, "500000001"}};
    // clang-format on
    for (const auto& [radek, hodnota] : pripady) {
        SCOPED_TRACE(radek);
        Radky r = rucniHra();
        if (hodnota)
            r[radek] = hodnota;
        else
            r.resize(radek);
        EXPECT_EQ(nacti(r), "soubor savy/grondelvik.sav byl poskozen\n");
        EXPECT_FALSE(LevelTest::vetsi(*level));
        EXPECT_EQ(uloz(), pred);
    }
}

// The hand-made game with its arrow in flight written zaznamu times (capacity and count that many, at least
// room for one), one line then set to hodnota.
Radky sipy(size_t zaznamu, size_t radek, int hodnota) {
    Radky r = rucniHra();
    const Radky sip(r.begin() + 19, r.begin() + 26);
    r.erase(r.begin() + 19, r.begin() + 26);
    for (size_t i = 0; i < zaznamu; ++i) r.insert(r.begin() + 19, sip.begin(), sip.end());
    r[2] = std::to_string(std::max<size_t>(zaznamu, 1));
    r[3] = std::to_string(zaznamu);
    r[radek] = std::to_string(hodnota);
    return r;
}

TEST_F(Ulozeni, EveryArrowBoundIsReadAtItsLimitAndRefusedOnePast) {
    // Arrows in flight, a line, the value at its bound, one past it.
    // clang-format off
    const std::tuple<size_t, size_t, int, int> meze[] = {
        {1, 2, kMaxSipu, kMaxSipu + 1}, {0, 2, 1, 0}, {2, 2, 2, 1},
        {1, 19, kMezPolohySipu, kMezPolohySipu + 1}, {1, 19, -kMezPolohySipu, -kMezPolohySipu - 1},
        {1, 20, kMezPolohySipu, kMezPolohySipu + 1}, {1, 20, -kMezPolohySipu, -kMezPolohySipu - 1},
        {1, 21, 9, 10}, {1, 21, 0, -1}, {1, 24, kMezDoletu, kMezDoletu + 1}, {1, 24, -kMezDoletu, -kMezDoletu - 1},
        {1, 25, kMezRychlostiSipu, kMezRychlostiSipu + 1}, {1, 25, -kMezRychlostiSipu, -kMezRychlostiSipu - 1}};
    // clang-format on
    for (const auto& [zaznamu, radek, na, za] : meze) {
        SCOPED_TRACE(radek);
        EXPECT_EQ(nacti(sipy(zaznamu, radek, na)), "");
        EXPECT_EQ(uloz()[radek], std::to_string(na));
        EXPECT_EQ(nacti(sipy(zaznamu, radek, za)), "soubor savy/grondelvik.sav byl poskozen\n");
    }
}

TEST_F(Ulozeni, ASaveWhoseRenameFailsIsReportedAndLeavesWhatWasThere) {
    // The target is a folder: the whole file is written, but cannot take its place.
    fs::create_directory(cesta("a.sav"));
    std::ofstream(cesta("a.sav/stara")) << "stara hra\n";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(level->uloz(cesta("a.sav").c_str()));
    const std::string chyby = testing::internal::GetCapturedStderr();
    EXPECT_EQ(chyby.rfind("hru se nepodarilo ulozit do " + cesta("a.sav") + " (", 0), 0u) << chyby;
    EXPECT_EQ(precti(cesta("a.sav/stara")), Radky{"stara hra"});
    EXPECT_EQ(std::distance(fs::directory_iterator(adr), {}), 1);  // no temporary file stays
}

// Two games in one folder writing the same file at the same moment.
class DvaZapisy : public ::testing::Test {
protected:
    const fs::path adr = fs::temp_directory_path() / ("grondelvik-zapisy-" + std::to_string(getpid()));
    const std::string cil = (adr / "a.sav").string();
    void SetUp() override { fs::create_directories(adr); }
    void TearDown() override { fs::remove_all(adr); }
};

TEST_F(DvaZapisy, EachWriterLeavesAWholeFileAndTheTargetIsAlwaysOneOfThem) {
    // Another process and two threads of this one, with contents of different lengths, so a mix shows.
    const std::string obsahy[] = {std::string(300000, 'p'), std::string(200000, 'a'),
                                  std::string(250000, 'b')};
    const int kol = 200;
    int celych[3] = {};
    for (int kolo = 0; kolo < kol; ++kolo) {
        int brana[2];
        ASSERT_EQ(pipe(brana), 0);
        const pid_t dite = fork();
        ASSERT_GE(dite, 0);
        if (dite == 0) {
            char c;
            std::string chyba;
            _exit(read(brana[0], &c, 1) == 1 && zapisCely(cil.c_str(), obsahy[0], chyba) ? 0 : 1);
        }
        std::atomic<bool> start{false};
        bool ok[2] = {};
        std::string chyba[2];
        std::thread vlakno([&] {
            while (!start) {
            }
            ok[0] = zapisCely(cil.c_str(), obsahy[1], chyba[0]);
        });
        ASSERT_EQ(write(brana[1], "!", 1), 1);
        start = true;
        ok[1] = zapisCely(cil.c_str(), obsahy[2], chyba[1]);
        vlakno.join();
        int status = 0;
        waitpid(dite, &status, 0);
        close(brana[0]);
        close(brana[1]);
        std::stringstream s;
        s << std::ifstream(cil, std::ios::binary).rdbuf();
        const auto kdo = std::find(std::begin(obsahy), std::end(obsahy), s.str()) - std::begin(obsahy);
        ASSERT_EQ(r(WIFEXITED(status) && WEXITSTATUS(status) == 0, ok[0], ok[1], kdo < 3), r(1, 1, 1, 1))
            << "round " << kolo << ": " << chyba[0] << chyba[1] << ", " << s.str().size() << " bytes";
        ++celych[kdo];
        ASSERT_EQ(std::distance(fs::directory_iterator(adr), {}), 1);  // no temporary file stays
    }
    std::printf(
        "three writers at once, %d rounds: the file was always one whole (the other process's %d "
        "times, the threads' %d and %d)\n",
        kol, celych[0], celych[1], celych[2]);
}

TEST_F(DvaZapisy, AStartRemovesWhatADeadWriterLeftAndLeavesWhatALiveOneIsWriting) {
    // A file beside the target; whether a live writer holds its lock; whether it stays.
    // clang-format off
    const std::tuple<const char*, bool, bool> pripady[] = {
        {"a.sav", false, true}, {"a.sav.tmp", false, false}, {"a.sav.tmp.4242.0", false, false},
        {"a.sav.tmp.4243.7", true, true}, {"a.sav.tmp.1.0", true, true}, {"a.sav.tmpx", false, true},
        {"b.sav.tmp.1.0", false, true}, {"xa.sav.tmp", false, true}};
    // clang-format on
    std::vector<int> zamky;
    for (const auto& [jmeno, zamceny, zustane] : pripady) {
        std::ofstream(adr / jmeno) << "hra\n";
        if (!zamceny) continue;
        zamky.push_back(open((adr / jmeno).c_str(), O_RDWR));
        ASSERT_EQ(flock(zamky.back(), LOCK_EX), 0);
    }
    uklidPoZapisu(cil.c_str());
    for (const auto& [jmeno, zamceny, zustane] : pripady)
        EXPECT_EQ(fs::exists(adr / jmeno), zustane) << jmeno;
    for (int fd : zamky) close(fd);
}

}  // namespace
