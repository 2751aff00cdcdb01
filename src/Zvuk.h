// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sound: an effect for every event of a frame and a looping tune
// for each level, mixed by SDL_mixer on SDL's audio thread, so a frame never
// waits for sound. Sound is never a reason to fail: without an audio device,
// or without a sound file, the game (or that one sound) is silent, which is
// said once in one line on stderr.
#pragma once

#include <SDL_mixer.h>

#include <array>
#include <memory>
#include <string>

#include "Udalosti.h"

class Zvuk {
public:
    // Opens the audio device and loads every sound from the folder (relative
    // to the data folder) of the files the sound generator writes.
    explicit Zvuk(const std::string& slozka = "zvuky");
    Zvuk(const Zvuk&) = delete;
    Zvuk& operator=(const Zvuk&) = delete;
    ~Zvuk();

    // What the frame left for the ears.
    struct Stav {
        bool zapnuto = true;  // the player's choice (M)
        int uroven = 1;       // the level's tune: 1 castle, 2 outdoors, 3 polar ice
        bool pauza = false;   // the tune waits while paused
        bool mrtvy = false;   // the tune stops at death
    };
    // Plays the frame's events once each and keeps the tune in step; called
    // by the shell after every frame.
    void snimek(const Udalosti& u, const Stav& s);

    bool otevreno() const { return zarizeni; }
    // The level whose tune is loaded into the mixer (playing or paused); 0 for none.
    int hudba() const { return ladeni; }
    // The effect the event plays; null when its file was missing.
    Mix_Chunk* efekt(Udalost u) const { return efekty[static_cast<size_t>(u)].get(); }

private:
    struct UvolniEfekt {
        void operator()(Mix_Chunk* c) const noexcept { Mix_FreeChunk(c); }
    };
    struct UvolniHudbu {
        void operator()(Mix_Music* m) const noexcept { Mix_FreeMusic(m); }
    };
    bool zarizeni = false;
    bool zapnuto = true;
    int ladeni = 0;
    std::array<std::unique_ptr<Mix_Chunk, UvolniEfekt>, kPocetUdalosti> efekty;
    std::array<std::unique_ptr<Mix_Music, UvolniHudbu>, 3> hudby;
};

// The tune's file name for a level (1 to 3), without the folder.
const char* souborHudby(int uroven);
