// SPDX-License-Identifier: GPL-3.0-or-later
// What the shell adds to the game's own input and screen: the window's size
// and fullscreen (F10, F11, Alt+Enter), the gamepad, and the controls card
// (F1), which holds the game like the pause while it shows.
#pragma once

#include <SDL.h>

#include <vector>

#include "IO.h"
#include "Nastaveni.h"
#include "Okno.h"
#include "Pad.h"

struct Doplnky {
    Okno okno;
    Pad pad;
    bool karta = false;  // the controls card shows

    // The program's start: the window as last chosen and the pad's buttons
    // (the pad itself opens once the window is known to show). The game's
    // surface, null when no video mode can be set.
    SDL_Surface* otevri(const Nastaveni& n);
    // Frees the window's surfaces and the pad before SDL_Quit.
    void zavri();

    // The next event for the shell and the hunter, like SDL_PollEvent: a
    // pad's event gives way to the key events it stands for, and the
    // pointer's position is in game pixels.
    bool dalsiUdalost(SDL_Event& e);
    // The shell's own keys beyond the game's.
    void klavesa(const SDL_keysym& k);
    // The pad's state as the page reads it each frame: its key events come
    // first in the frame's events.
    void padProhlizece(const StavPadu& s) { pad.preloz(s, fronta); }

    // Draws the card over the frame it froze and is true while it shows; once
    // closed, puts the frozen frame back.
    bool kresliKartu(SDL_Surface* obrazovka, SDL_Surface* obrazek);
    // Carries out this frame's window switches (remembered in the settings),
    // then shows the frame. obrazovka is the game's surface, new after a switch.
    void ukaz(SDL_Surface*& obrazovka, Nastaveni& n);

private:
    std::vector<SDL_Event> fronta;  // key events of the pad still to hand out
    size_t dalsi = 0;
    int zvetseni = 0;  // F10 presses this frame
    bool prepnoutCelou = false;
    std::vector<Uint8> zmrazeny;  // the frame under the card, as the screen's bytes
};
