// SPDX-License-Identifier: GPL-3.0-or-later
// The sounds the build wrote, held to the generator's own list (length,
// peak, never silent, never clipping), and their playback: the tune follows
// the level, pause, death and the sound key; without a device or a file the
// game is silent and says so in one line.
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>

#include "../tools/zvukar/seznam.h"
#include "Zvuk.h"
#include "pomocnik.h"

namespace {

// A sound file decoded by SDL_mixer, as the game loads it, into 16-bit mono
// at the generator's rate.
struct Vzorky {
    std::vector<Sint16> v;
    double spicka = 0, stred = 0;  // parts of full scale
    double hlasitost = -999;       // dB of full scale: the RMS of the loudest 100 ms
};

class SouboryZvuku : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(kVzorkovani, AUDIO_S16SYS, 1, 512), 0) << Mix_GetError();
        int f = 0, k = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&f, &format, &k);
        ASSERT_EQ(r(f, format, k), r(kVzorkovani, AUDIO_S16SYS, 1));
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    static Vzorky nacti(const std::string& soubor) {
        Vzorky z;
        Mix_Chunk* c = Mix_LoadWAV((std::string(GRONDELVIK_DATA "/zvuky/") + soubor).c_str());
        EXPECT_TRUE(c) << soubor;
        if (!c) return z;
        z.v.assign(reinterpret_cast<Sint16*>(c->abuf), reinterpret_cast<Sint16*>(c->abuf) + c->alen / 2);
        Mix_FreeChunk(c);
        double soucet = 0, okno = 0, nejvic = 0;
        const size_t n = std::min<size_t>(z.v.size(), kVzorkovani / 10);
        for (size_t i = 0; i < z.v.size(); ++i) {
            const double x = z.v[i] / 32768.0;
            z.spicka = std::max(z.spicka, std::abs(x));
            soucet += x;
            okno += x * x - (i >= n ? std::pow(z.v[i - n] / 32768.0, 2) : 0);
            nejvic = std::max(nejvic, okno);
        }
        z.stred = soucet / std::max<size_t>(1, z.v.size());
        if (n) z.hlasitost = 10 * std::log10(nejvic / n);
        return z;
    }
};

TEST_F(SouboryZvuku, EveryEventHasItsEffectAsLongAndAsLoudAsWrittenCentredNeverClipping) {
    ASSERT_EQ(std::size(kEfekty), size_t(kPocetUdalosti));
    std::vector<Vzorky> vse;
    std::vector<double> hlasitosti;
    for (int i = 0; i < kPocetUdalosti; ++i) {
        const PopisEfektu& e = kEfekty[i];
        EXPECT_STREQ(e.jmeno, jmenoUdalosti(Udalost(i)));
        const Vzorky z = nacti(std::string(e.jmeno) + ".wav");
        EXPECT_EQ(z.v.size(), size_t(std::lround(e.sekundy * kVzorkovani))) << e.jmeno;
        EXPECT_NEAR(z.hlasitost, e.hlasitost, 0.05) << e.jmeno;
        EXPECT_LT(z.spicka, 0.99) << e.jmeno << " reaches full scale";
        EXPECT_LE(std::abs(z.stred), 0.005) << e.jmeno << " is off centre";
        hlasitosti.push_back(z.hlasitost);
        vse.push_back(z);
    }
    // Level: within 6 dB of each other, the swing and the shot not below the middle.
    std::vector<double> serazene = hlasitosti;
    std::sort(serazene.begin(), serazene.end());
    const size_t n = serazene.size();
    const double stred = (serazene[(n - 1) / 2] + serazene[n / 2]) / 2;
    EXPECT_LE(serazene.back() - serazene.front(), 6.0);
    for (Udalost u : {Udalost::mec, Udalost::vystrel})
        EXPECT_GE(hlasitosti[size_t(u)], stred) << jmenoUdalosti(u);
    // A tune, played a quarter softer, stays below the effects' middle.
    for (int u = 1; u <= 3; ++u)
        EXPECT_LT(nacti(souborHudby(u)).hlasitost + 20 * std::log10(0.75), stred) << souborHudby(u);
    // No two sound alike: no one follows another sample for sample.
    for (size_t a = 0; a < vse.size(); ++a)
        for (size_t b = a + 1; b < vse.size(); ++b) {
            double ab = 0, aa = 0, bb = 0;
            for (size_t i = 0; i < std::min(vse[a].v.size(), vse[b].v.size()); ++i)
                ab += double(vse[a].v[i]) * vse[b].v[i], aa += double(vse[a].v[i]) * vse[a].v[i],
                    bb += double(vse[b].v[i]) * vse[b].v[i];
            EXPECT_LT(std::abs(ab) / std::sqrt(aa * bb), 0.5)
                << kEfekty[a].jmeno << " ~ " << kEfekty[b].jmeno;
        }
}

TEST_F(SouboryZvuku, EachLevelsTuneLastsItsBarsAtLeastHalfAMinuteAndAllSoundsFitInThreeMegabytes) {
    ASSERT_EQ(std::size(kHudby), 3u);
    for (int u = 1; u <= 3; ++u) {
        const PopisHudby& h = kHudby[u - 1];
        EXPECT_EQ(std::string(h.jmeno) + ".ogg", souborHudby(u));
        const Vzorky z = nacti(souborHudby(u));
        EXPECT_EQ(z.v.size(), size_t(std::lround(h.taktu * h.dob * 60.0 / h.tempo * kVzorkovani))) << h.jmeno;
        EXPECT_GE(z.v.size(), size_t(30 * kVzorkovani)) << h.jmeno;
        // Lossy coding may overshoot the written peak a little, never to full scale.
        EXPECT_LT(z.spicka, h.spicka * 1.15) << h.jmeno;
        EXPECT_GT(z.hlasitost, 20 * std::log10(h.spicka / 10)) << h.jmeno;
    }
    uintmax_t bajtu = 0;
    for (const auto& f : fs::directory_iterator(GRONDELVIK_DATA "/zvuky")) bajtu += f.file_size();
    EXPECT_LT(bajtu, 3000000u);
}

// The game's playback on SDL's dummy audio driver, in a scratch data folder.
class Prehravani : public ::testing::Test {
protected:
    KopieDat kopie;
    VDatech data{kopie.cesta()};
    std::string chyby;
    // The sound of this data folder; what it said on stderr lands in chyby.
    std::unique_ptr<Zvuk> otevri() {
        testing::internal::CaptureStderr();
        auto z = std::make_unique<Zvuk>();
        chyby = testing::internal::GetCapturedStderr();
        return z;
    }
    static int hraje(Mix_Chunk* c) {  // channels playing c
        int n = 0;
        for (int k = 0; k < Mix_AllocateChannels(-1); ++k) n += Mix_Playing(k) && Mix_GetChunk(k) == c;
        return n;
    }
};

TEST_F(Prehravani, EventsPlayOnceEachAndTheTuneFollowsLevelPauseDeathAndTheSoundKey) {
    auto z = otevri();
    ASSERT_TRUE(z->otevreno());
    EXPECT_EQ(chyby, "");
    Udalosti u;
    u.pridej(Udalost::zasah);
    u.pridej(Udalost::zasah);
    u.pridej(Udalost::mec);
    // Sound on, the level, paused, dead; then the tune loaded (0 none) and whether it is held.
    // clang-format off
    const std::tuple<Zvuk::Stav, int, bool> pripady[] = {
        {{true, 1, false, false}, 1, false}, {{true, 1, true, false}, 1, true},
        {{true, 1, false, false}, 1, false}, {{true, 3, false, false}, 3, false},
        {{true, 3, false, true}, 0, false},  {{true, 2, false, false}, 2, false},
        {{false, 2, false, false}, 2, true}, {{false, 1, false, false}, 0, false},
        {{true, 1, false, false}, 1, false},
    };
    // clang-format on
    for (const auto& [stav, ladeni, drzi] : pripady) {
        Mix_HaltChannel(-1);
        z->snimek(u, stav);
        SCOPED_TRACE(
            ::testing::PrintToString(std::make_tuple(stav.zapnuto, stav.uroven, stav.pauza, stav.mrtvy)));
        EXPECT_EQ(r(z->hudba(), Mix_PlayingMusic(), ladeni && Mix_PausedMusic()),
                  r(ladeni, ladeni != 0, drzi));
        EXPECT_EQ(r(hraje(z->efekt(Udalost::mec)), hraje(z->efekt(Udalost::zasah)), Mix_Playing(-1)),
                  stav.zapnuto ? r(1, 1, 2) : r(0, 0, 0));
    }
    // Switched off, what still rings stops at once.
    z->snimek(u, {true, 1, false, false});
    z->snimek({}, {false, 1, false, false});
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(Prehravani, WithoutADeviceOrAFileTheGameIsSilentAndSaysSoInOneLine) {
    kopie.smaz("zvuky/mec.wav");
    kopie.smaz("zvuky/pol.ogg");
    {
        auto z = otevri();
        ASSERT_TRUE(z->otevreno());
        EXPECT_EQ(std::count(chyby.begin(), chyby.end(), '\n'), 1) << chyby;
        EXPECT_NE(chyby.find("zvuky/mec.wav"), std::string::npos) << chyby;
        Udalosti u;
        u.pridej(Udalost::mec);
        u.pridej(Udalost::skok);
        z->snimek(u, {true, 3, false, false});
        EXPECT_EQ(r(!z->efekt(Udalost::mec), Mix_Playing(-1), z->hudba(), Mix_PlayingMusic()), r(1, 1, 0, 0));
        z->snimek(u, {true, 2, false, false});
        EXPECT_EQ(z->hudba(), 2);
    }
    const char* ovladac = std::getenv("SDL_AUDIODRIVER");
    const std::string puvodni = ovladac ? ovladac : "";
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    auto z = otevri();
    setenv("SDL_AUDIODRIVER", puvodni.c_str(), 1);
    EXPECT_FALSE(z->otevreno());
    EXPECT_EQ(chyby.rfind("no sound (", 0), 0u) << chyby;
    EXPECT_EQ(std::count(chyby.begin(), chyby.end(), '\n'), 1) << chyby;
    Udalosti u;
    u.pridej(Udalost::smrt);
    z->snimek(u, {true, 1, false, false});
    EXPECT_EQ(z->hudba(), 0);
}

}  // namespace
