// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading the whole game. A save never destroys the previous one,
// and a load never lets a damaged file reach the running game.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "Hrac.h"
#include "Level.h"

void Level::ulozLvl(std::ostream& oss) const {
    IO::writeInt(typ, oss);
    IO::writeInt(obtiznost, oss);
}

bool Level::uloz(const char* cesta) {
    // The whole game goes into memory first; the file is written only when
    // that succeeded, and replaces the old one only once it is whole.
    std::string chyba;
    bool ok = false;
    try {
        std::ostringstream text;
        const bool z = !vetsi;
        if (z) zvetsi();
        ulozLvl(text);
        hrac->uloz(text);
        list->uloz(text);
        set->uloz(text);
        bInfo->uloz(text);
        if (z) zmensi();
        ok = zapisCely(cesta, text.str(), chyba);
    } catch (const char* zprava) {
        // A scale switch that cannot load its pictures leaves the world at
        // its old scale, and the game plays on.
        chyba = zprava;
    }
    if (!ok)
        std::fprintf(stderr, "hru se nepodarilo ulozit do %s (%s), predchozi ulozeni zustava\n", cesta,
                     chyba.c_str());
    return ok;
}

Level::Nacteni Level::nacti(const char* cesta) {
    std::ifstream soubor(cesta);
    if (!soubor.is_open()) return Nacteni::zadnySoubor;
    UlozenaHra u;
    try {
        u = UlozenaHra::precti(soubor, mapaLevelu);
    } catch (const char* zprava) {
        std::fprintf(stderr, "%s\n", zprava);
        return Nacteni::poskozeny;
    }

    // Loading stays large; the shell restores the chosen scale this frame.
    zvetsi();
    pevna.reset();
    pozadi.clear();
    polePevna.clear();
    polePozadi.clear();
    list.reset();
    bInfo.reset();
    bInfo = std::make_unique<BojoveInfo>();
    typ = u.typ;
    obtiznost = u.obtiznost;
    nactiLvl(typ);
    // The restored difficulty shows only from the next level change.
    set = std::make_unique<SetNepratel>();
    set->createTyp(1);
    set->createTyp(2);
    hrac->nacti(u.hrac);
    list->nacti(u.predmety);
    set->nacti(u.nepratele);
    bInfo->nacti(u.zasahy, u.minuti);
    return Nacteni::hotovo;
}
