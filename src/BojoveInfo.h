// SPDX-License-Identifier: GPL-3.0-or-later
// The dice of every fight, and the hit and miss markers that rise above the
// spot where a blow landed or missed.
#pragma once

#include <SDL.h>

#include <iosfwd>
#include <list>
#include <vector>

#include "IO.h"

struct UlozenaZnacka;

class BojoveInfo {
public:
    // One marker: its age in frames and its world position.
    struct ElemZasah {
        int n = 0;
        SDL_Rect kde{};
    };
    using ElemMinul = ElemZasah;

    BojoveInfo();
    BojoveInfo(const BojoveInfo&) = delete;
    BojoveInfo& operator=(const BojoveInfo&) = delete;

    void addZasah(SDL_Rect kde);
    void addMinul(SDL_Rect kde);
    // Draws every marker around the hunter's position, then ages it.
    void vykresliSe(SDL_Surface* obrazovka, SDL_Rect pozice);
    void zvetsi();
    void zmensi();

    // Both lists from the head, each ended by the list end; a negative x is
    // written as 0, since a negative x ends the list.
    void uloz(std::ostream& oss) const;
    // Each saved marker goes to the head, so both lists come back reversed.
    void nacti(const std::vector<UlozenaZnacka>& zasahy, const std::vector<UlozenaZnacka>& minuti);

    static bool trefil(int obrUtocnik, int obrObrance);
    static int zraneni(int silaUtocnik);
    static int dveK6plus();

    // Newest first.
    const std::list<ElemZasah>& zasahy() const { return startZ; }
    const std::list<ElemMinul>& minuti() const { return startM; }

private:
    friend struct BojoveInfoTest;
    std::list<ElemZasah> startZ;
    std::list<ElemMinul> startM;
    Obrazek krev;
    Obrazek minul;
};
