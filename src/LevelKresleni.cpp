// SPDX-License-Identifier: GPL-3.0-or-later
// The level's frame: the view around the hunter, the drawing order, and the
// change to the next level.
#include "Hrac.h"
#include "Level.h"

RozsahBunek rozsahBunek(int pozice, int rozmer, int bunka) {
    const int od = (pozice - rozmer / 2) / bunka - 1;
    return {od, rozmer / bunka + od + 3};
}

void Level::vykresliSe(SDL_Surface* obrazovka) {
    zaznam.vymaz();
    const SDL_Rect pozice = hrac->pozice;

    // Background, solid tiles and items.
    vykresliDlazdice(obrazovka, pozice);

    SDL_Rect levyHorni{}, pravyDolni{};
    levyHorni.x = static_cast<Sint16>(pozice.x - 400);
    levyHorni.y = static_cast<Sint16>(pozice.y - 300);
    pravyDolni.x = static_cast<Sint16>(levyHorni.x + 800);
    pravyDolni.y = static_cast<Sint16>(levyHorni.y + 600);
    set->VykresliViditelne(obrazovka, levyHorni, pravyDolni);

    kontrola();
    pohniSNeprateli();
    // A swing is resolved once, in the frame it starts; drawing the hunter
    // counts it down.
    if (hrac->aMec == hrac->nMec - 1) {
        zaznam.pridej(Udalost::mec);
        hracUtok();
    }
    hrac->vykresliSe(obrazovka);
    bInfo->vykresliSe(obrazovka, hrac->pozice);

    if (hrac->novyLvl) dalsiLevel();
}

void Level::dalsiLevel() {
    // Levels are built at the large scale; a small view is restored after.
    const bool b = !vetsi;
    if (b) zvetsi();
    pevna.reset();
    pozadi.clear();
    polePevna.clear();
    polePozadi.clear();
    list.reset();
    set.reset();
    bInfo.reset();
    set = std::make_unique<SetNepratel>();
    bInfo = std::make_unique<BojoveInfo>();
    obtiznost = omez(obtiznost + 1LL);
    nactiLvl(nextLvl);
    hrac->novyLvl = false;
    if (b) zmensi();
    zaznam.pridej(Udalost::novyLevel);
}
