// SPDX-License-Identifier: GPL-3.0-or-later
// The first gamepad SDL finds, played without set-up. Its events become the
// key events the keyboard would give (presses and releases), so the game's
// input rules stay as they are: the D-pad and the left stick are the arrows,
// the buttons are D, F, Space, A, P and F1 by the numbers in the settings.
#pragma once

#include <SDL.h>

#include <memory>
#include <vector>

#include "Nastaveni.h"

class Pad {
public:
    // A quarter of the stick's travel either way counts as centred.
    static constexpr int kMrtvaZona = 8192;

    Pad() { nastav(Nastaveni{}); }

    // The button numbers from the settings.
    void nastav(const Nastaveni& n);
    // Opens the first joystick, if there is one.
    void otevri();
    void zavri();

    // Appends the key events this event gives: none for anything but the
    // first pad's stick, D-pad and buttons.
    void preloz(const SDL_Event& e, std::vector<SDL_Event>& klavesy);

private:
    enum Smer { kVlevo, kVpravo, kNahoru, kDolu, kSmeru };
    void srovnej(std::vector<SDL_Event>& klavesy);

    struct Zavri {
        void operator()(SDL_Joystick* j) const noexcept;
    };
    std::unique_ptr<SDL_Joystick, Zavri> joystick;
    struct Tlacitko {
        int cislo;
        SDLKey klavesa;
    };
    std::vector<Tlacitko> tlacitka;
    bool paka[kSmeru] = {};    // the left stick out of the dead zone
    bool krizek[kSmeru] = {};  // the D-pad
    bool drzeno[kSmeru] = {};  // the arrow key given as held
};
