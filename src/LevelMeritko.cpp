// SPDX-License-Identifier: GPL-3.0-or-later
// The two display scales: the level converts its tileset and metrics and asks
// everything it owns or holds to convert itself, in a fixed order.
#include "Hrac.h"
#include "Level.h"

void Level::zvetsi() {
    if (vetsi) return;
    prepni(false);
}

void Level::zmensi() {
    if (!vetsi) return;
    prepni(true);
}

void Level::prepni(bool male) {
    // Every picture of the other scale is loaded, in the order the parts
    // switch, before anything changes: a missing one throws its message with
    // the whole world still at its old scale, so a failed save plays on.
    Hrac::Sada lovec = hrac->nactiSadu(male);
    std::vector<TypNepritele::Sada> typy = set->nactiSady(male);
    Predmet* const predmety[] = {sip.get(), zivoty.get(), toulec.get(), novyLvl.get()};
    Obrazek obrazky[4];
    for (int i = 0; i < 4; ++i) obrazky[i] = predmety[i]->nactiSadu(male);
    Dlazdice dlazdice = nactiDlazdice(male);
    zkontroluj(dlazdice.pevna, dlazdice.pozadi);

    vetsi = !male;
    if (male) {
        hrac->zmensi(std::move(lovec));
        set->zmensi(std::move(typy));
    } else {
        hrac->zvetsi(std::move(lovec));
        set->zvetsi(std::move(typy));
    }
    for (int i = 0; i < 4; ++i) predmety[i]->vymen(std::move(obrazky[i]));
    if (male)
        bInfo->zmensi();
    else
        bInfo->zvetsi();
    vymenDlazdice(std::move(dlazdice), male);
}
