// SPDX-License-Identifier: GPL-3.0-or-later
// The first gamepad SDL finds (in a browser, the first the page sees), played
// without set-up. Its state becomes the key events the keyboard would give
// (presses and releases), so the game's input rules stay as they are: the
// D-pad and the left stick are the arrows, the buttons are D, F, Space, A, P
// and F1 by the numbers in the settings.
#pragma once

#include <SDL.h>

#include <bitset>
#include <memory>
#include <vector>

#include "Nastaveni.h"

// What a pad holds at one moment, in SDL's joystick terms: the left stick's
// axes, the D-pad (SDL_HAT_* bits) and the buttons by SDL's numbers.
struct StavPadu {
    static constexpr int kTlacitek = 256;
    int osaX = 0, osaY = 0;  // -32768 to 32767
    Uint8 krizek = 0;
    std::bitset<kTlacitek> tlacitka;
};

// A pad as a browser's gamepad API reports it: axes from -1 to 1, buttons
// pressed or not. The standard layout's buttons get the numbers SDL gives
// the same buttons on Linux, its D-pad buttons become the D-pad; any other
// layout keeps its numbers.
StavPadu stavZProhlizece(bool standardni, const double* osy, int nOs, const bool* tlacitka, int nTlacitek);

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
    // Appends the key events that take the pad from its last state to s.
    void preloz(const StavPadu& s, std::vector<SDL_Event>& klavesy);

private:
    struct Zavri {
        void operator()(SDL_Joystick* j) const noexcept;
    };
    std::unique_ptr<SDL_Joystick, Zavri> joystick;
    struct Tlacitko {
        int cislo;
        SDLKey klavesa;
    };
    std::vector<Tlacitko> tlacitka;
    StavPadu stav;
    bool drzeno[4] = {};  // the arrow key given as held: left, right, up, down
};
