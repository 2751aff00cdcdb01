// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zvuk.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#ifdef __EMSCRIPTEN__
#include "Prostredi.h"
#endif

namespace {

// The rate sound devices run at, so neither SDL library resamples the mix on
// its way out (the sounds, written at 22050 Hz, are converted once as they
// load); 512 frames (12 ms) keep a sword swing close to its key.
constexpr int kFrekvence = 44100;
constexpr int kVyrovnavaci = 512;
constexpr int kKanalu = 16;
constexpr int kNabehHudby = 500;  // ms: a new level's jingle stays in front
// The tune a quarter below the effects, so a blow over it keeps its headroom.
constexpr int kHlasitostHudby = MIX_MAX_VOLUME * 3 / 4;

// Audio back ends (ALSA above all) print their own lines when no device
// answers; while the device is looked for they go nowhere, and the game says
// what matters in one line of its own.
class BezHlaseni {
public:
    BezHlaseni() {
        std::fflush(stderr);
        puvodni = dup(STDERR_FILENO);
        const int nic = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (puvodni >= 0 && nic >= 0) dup2(nic, STDERR_FILENO);
        if (nic >= 0) close(nic);
    }
    ~BezHlaseni() {
        std::fflush(stderr);
        if (puvodni < 0) return;
        dup2(puvodni, STDERR_FILENO);
        close(puvodni);
    }
    BezHlaseni(const BezHlaseni&) = delete;
    BezHlaseni& operator=(const BezHlaseni&) = delete;

private:
    int puvodni;
};

// SDL_mixer 1.2 sets the tune's pause flag and volume without the audio lock,
// and its mixing thread reads them while it mixes; these take it first.
void podZamkem(void (*zmena)()) {
    SDL_LockAudio();
    zmena();
    SDL_UnlockAudio();
}

}  // namespace

const char* souborHudby(int uroven) {
    static const char* const jmena[] = {"hrad.ogg", "venku.ogg", "pol.ogg"};
    return uroven >= 1 && uroven <= 3 ? jmena[uroven - 1] : "";
}

Zvuk::Zvuk(const std::string& slozka) {
    std::string proc;
    {
        BezHlaseni ticho;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            proc = std::string("SDL cannot start audio: ") + SDL_GetError();
        } else if (Mix_OpenAudio(kFrekvence, AUDIO_S16SYS, 2, kVyrovnavaci) != 0) {
            proc = std::string("no audio device opens: ") + Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    if (!proc.empty()) {
        std::fprintf(stderr, "no sound (%s); the game plays silently\n", proc.c_str());
        return;
    }
    zarizeni = true;
    Mix_AllocateChannels(kKanalu);
    podZamkem([] { Mix_VolumeMusic(kHlasitostHudby); });

    std::vector<std::string> chybi;
    for (int i = 0; i < kPocetUdalosti; ++i) {
        const std::string cesta = slozka + "/" + jmenoUdalosti(static_cast<Udalost>(i)) + ".wav";
        efekty[static_cast<size_t>(i)].reset(Mix_LoadWAV(cesta.c_str()));
        if (!efekty[static_cast<size_t>(i)]) chybi.push_back(cesta);
    }
    for (int u = 1; u <= 3; ++u) {
        const std::string cesta = slozka + "/" + souborHudby(u);
        hudby[static_cast<size_t>(u - 1)].reset(Mix_LoadMUS(cesta.c_str()));
        if (!hudby[static_cast<size_t>(u - 1)]) chybi.push_back(cesta);
    }
    if (!chybi.empty())
        std::fprintf(stderr, "%zu sound file%s missing or unreadable (%s%s); %s silent\n", chybi.size(),
                     chybi.size() == 1 ? "" : "s", chybi[0].c_str(), chybi.size() == 1 ? "" : ", ...",
                     chybi.size() == 1 ? "it stays" : "they stay");
}

Zvuk::~Zvuk() {
    if (!zarizeni) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& e : efekty) e.reset();
    for (auto& h : hudby) h.reset();
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Zvuk::snimek(const Udalosti& u, const Stav& s) {
    if (!zarizeni) return;
    if (s.zapnuto != zapnuto) {
        zapnuto = s.zapnuto;
        if (!zapnuto) Mix_HaltChannel(-1);
    }

    // The tune: the level's own, gone at death, held while paused or off. A
    // tune is only started when it can be heard, so switching sound off
    // never lets a moment of it through.
    const int chci = s.mrtvy ? 0 : s.uroven;
    const bool slyset = zapnuto && !s.pauza;
    if (chci != ladeni && ladeni) {
        Mix_HaltMusic();
        ladeni = 0;
    }
    if (!ladeni && chci >= 1 && chci <= 3 && slyset) {
        if (Mix_Music* m = hudby[static_cast<size_t>(chci - 1)].get()) {
            // (a browser's SDL_mixer starts it at once)
            Mix_FadeInMusicPos(m, -1, kNabehHudby, 0.0);
            ladeni = chci;
        }
    } else if (ladeni) {
        if (slyset && Mix_PausedMusic())
            podZamkem(Mix_ResumeMusic);
        else if (!slyset && !Mix_PausedMusic())
            podZamkem(Mix_PauseMusic);
    }

    if (!zapnuto) return;
#ifdef __EMSCRIPTEN__
    // Held back by the browser until the first key or click, an effect would
    // only come late; the tune waits and starts from its beginning then.
    if (!prostredi::zvukPusten()) return;
#endif
    // Each event once, however often it happened in the frame: two hits of
    // one swing are one sound, not a louder one.
    for (int i = 0; i < kPocetUdalosti; ++i)
        if (u.kolikrat(static_cast<Udalost>(i)))
            if (Mix_Chunk* c = efekty[static_cast<size_t>(i)].get()) Mix_PlayChannel(-1, c, 0);
}
