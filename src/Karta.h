// SPDX-License-Identifier: GPL-3.0-or-later
// The controls card (F1) in the game's language, with the pad's button numbers
// written on it at start as the settings have them.
#pragma once

#include <SDL.h>

#include "IO.h"
#include "Nastaveni.h"
#include "RozlozeniKarty.h"

// A copy of the card with the pad's button numbers of n drawn from the sheet,
// white transparent; null when no copy can be made.
Obrazek slozKartu(SDL_Surface* karta, SDL_Surface* cislice, const Nastaveni& n);
