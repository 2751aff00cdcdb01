// SPDX-License-Identifier: GPL-3.0-or-later
// The HUD: score, health and arrows drawn with digit pictures, right-aligned
// against icons at the right edge of the screen.
#pragma once

#include <SDL.h>

#include <array>

#include "IO.h"

class InfoOHraci {
public:
    InfoOHraci();
    InfoOHraci(const InfoOHraci&) = delete;
    InfoOHraci& operator=(const InfoOHraci&) = delete;

    void vypisSipy(SDL_Surface* obrazovka, int pocetSipu);
    void vypisZdravi(SDL_Surface* obrazovka, int zivoty, int maxZivotu);
    void vypisScore(SDL_Surface* obrazovka, int s);

private:
    // Draws i leftwards from kde and leaves kde at the last digit drawn.
    void vypisCislo(int i, SDL_Rect& kde, SDL_Surface* obrazovka);

    std::array<Obrazek, 10> cisla;
    Obrazek lomitko;
    Obrazek zivot;
    Obrazek toulec;
    Obrazek score;
};
