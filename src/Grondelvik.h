// SPDX-License-Identifier: GPL-3.0-or-later
// The game shell: the window, the frame loop, the global keys and the one
// place where fatal messages are caught.
#pragma once

#include <SDL.h>

#include <memory>

#include "Doplnky.h"
#include "Hrac.h"
#include "IO.h"
#include "Karta.h"
#include "Level.h"
#include "Nastaveni.h"
#include "Udalosti.h"
#include "Zvuk.h"

// Everything the frame loop keeps for the whole run.
struct Hra {
    SDL_Surface* screen = nullptr;  // owned by SDL
    bool konec = false;
    std::unique_ptr<Hrac> hrac;
    std::unique_ptr<Level> level;
    bool pauza = false;
    bool smrt = false;
    bool uloz = false;
    bool nacti = false;
    bool velka = true;
    // The pictures in the game's language, the card with the pad's numbers.
    Obrazek obrPauza;
    Obrazek obrSmrt;
    Obrazek obrOvladani;  // the controls card (F1)
    // Set by the program from the settings and the locale; tests and tools
    // keep the game's own Czech.
    Jazyk jazyk = Jazyk::cs;
    SDL_Event event{};
    // The player's settings file, read by the program at start; tests and
    // tools keep the defaults.
    Nastaveni nastaveni;
    // Everything the last frame did that can be heard, the world's and the shell's.
    Udalosti udalosti;
    // Opened by the program only; tests and tools play silently.
    std::unique_ptr<Zvuk> zvuk;
    // SDL_GetTicks() at which the next frame's keys are read (0: at once).
    Uint32 dalsiSnimek = 0;
    // The window, the gamepad and the controls card; tests and tools that
    // set their own screen leave the window unopened.
    Doplnky doplnky;
};

// Drains the event queue: the hunter sees every event unless paused, then the
// global keys set the flags (M toggles zvuk). True when the player asked to
// quit. With doplnky, the pad's events come as keys, the pointer in game
// pixels, and the controls card holds the hunter like the pause.
bool k(SDL_Event& event, Hrac* hrac, bool& pauza, bool& velka, bool& uloz, bool& nacti, bool& zvuk,
       Doplnky* doplnky = nullptr);

// Builds the hunter, level 1 and the overlay pictures in hra's language, the
// card with the pad's buttons of its settings (its screen must be set).
// Prints the failure and returns false when something is missing.
bool pripravHru(Hra& hra);

// One pass of the frame loop: the rest of the period waited out, then the
// keys read, so a key waits at most one frame before the world answers it.
// The program passes a period of 100 ms; tests and tools pass 0 to drive
// frames directly.
void snimek(Hra& hra, Uint32 perioda);

// The video driver's name when SDL opened the screen on one that shows no
// window (offscreen, dummy, text art) without the player choosing it through
// SDL_VIDEODRIVER; null otherwise.
const char* neviditelnyOvladac();
// The same for a driver's name and the value of SDL_VIDEODRIVER (null: unset).
bool ovladacBezOkna(const char* ovladac, const char* zvolene);

// Ends the run as the program does: frees everything in its order, SDL_Quit.
// With a caught message, prints it and returns 1; else 0.
int ukonci(Hra& hra, const char* zprava);

int SDL_main(int argc, char** argv);
