// SPDX-License-Identifier: GPL-3.0-or-later
// The asset generator's picture list.
#pragma once

#include <string>
#include <vector>

#include "platno.h"

struct Obrazek {
    std::string cesta;  // relative to the data folder's grafika/
    Platno p;
    bool klic;  // white = transparent in the game (everything but the tiles)
};

// Hunter, warrior and thief, each facing right and left, at both scales.
void kresliPostavy(std::vector<Obrazek>& out);
// Tiles and backgrounds, items, HUD, markers and the panels below.
void kresliSvet(std::vector<Obrazek>& out);
// What the player reads, in Czech and English: the pause and the end
// pictures, the controls card and its digits.
void kresliPanely(std::vector<Obrazek>& out);
// Item pictures reused by the HUD icons, drawn by a pen of any scale.
void kresliSrdce(const Pero& P);
void kresliToulec(const Pero& P);

// The 48x48 menu icon and its XPM writer (empty pixels transparent).
Platno ikona();
bool ulozXpm(const Platno& p, const std::string& cesta);
