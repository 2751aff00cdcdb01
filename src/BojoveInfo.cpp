// SPDX-License-Identifier: GPL-3.0-or-later
#include "BojoveInfo.h"

#include <cmath>
#include <cstdlib>
#include <ostream>

#include "UlozenaHra.h"

namespace {

// Nearest integer, halves away from zero.
int nejblizsi(double v) {
    return static_cast<int>(std::lround(v));
}

// Draws, ages and drops the markers of one list, head first.
void vykresliZnacky(std::list<BojoveInfo::ElemZasah>& znacky, SDL_Surface* obrazek, SDL_Surface* obrazovka,
                    SDL_Rect pozice) {
    for (auto it = znacky.begin(); it != znacky.end();) {
        vykresliObrazek(obrazek, obrazovka, it->kde.x - pozice.x + 400, it->kde.y - pozice.y + 300);
        if (it->n > 5) {
            it = znacky.erase(it);
        } else {
            ++it->n;
            it->kde.y = static_cast<Sint16>(it->kde.y - 10);
            ++it;
        }
    }
}

void ulozZnacky(const std::list<BojoveInfo::ElemZasah>& znacky, std::ostream& oss) {
    for (const auto& z : znacky) {
        // The hunter's body box, where enemy blows land, can reach left of 0.
        IO::writeInt(z.kde.x < 0 ? 0 : z.kde.x, oss);
        IO::writeInt(z.kde.y, oss);
        IO::writeInt(z.n, oss);
    }
    IO::writeKonecSeznamu(oss);
}

void nactiZnacky(std::list<BojoveInfo::ElemZasah>& znacky, const std::vector<UlozenaZnacka>& ulozene) {
    for (const UlozenaZnacka& u : ulozene) {
        SDL_Rect kde{};
        kde.x = u.x;
        kde.y = u.y;
        znacky.push_front({u.n, kde});
    }
}

void prepocitej(std::list<BojoveInfo::ElemZasah>& znacky, int citatel, int jmenovatel) {
    for (auto& z : znacky) {
        z.kde.x = static_cast<Sint16>(citatel * z.kde.x / jmenovatel);
        z.kde.y = static_cast<Sint16>(citatel * z.kde.y / jmenovatel);
    }
}

}  // namespace

BojoveInfo::BojoveInfo() {
    minul = nactiObrazek("grafika/ostatni/minul.bmp");
    krev = nactiObrazek("grafika/ostatni/au.bmp");
    if (!minul) throw "Nelze nalezt obrazek grafika/ostatni/minul.bmp";
    nastavBilyKlic(minul.get());
    if (!krev) throw "Nelze nalezt obrazek grafika/ostatni/krev.bmp";
    nastavBilyKlic(krev.get());
}

void BojoveInfo::addZasah(SDL_Rect kde) {
    startZ.push_front({0, kde});
}

void BojoveInfo::addMinul(SDL_Rect kde) {
    startM.push_front({0, kde});
}

void BojoveInfo::vykresliSe(SDL_Surface* obrazovka, SDL_Rect pozice) {
    vykresliZnacky(startZ, krev.get(), obrazovka, pozice);
    vykresliZnacky(startM, minul.get(), obrazovka, pozice);
}

void BojoveInfo::zvetsi() {
    prepocitej(startZ, 3, 2);
    prepocitej(startM, 3, 2);
}

void BojoveInfo::zmensi() {
    prepocitej(startZ, 2, 3);
    prepocitej(startM, 2, 3);
}

int BojoveInfo::dveK6plus() {
    int k1 = std::rand() % 6 + 1;
    int k2 = std::rand() % 6 + 1;
    // Double ones fall further and double sixes climb further, without bound;
    // the long runs stop short of overflow.
    if (k1 + k2 == 2)
        while (std::rand() % 6 <= 3 && k1 > -1000000) --k1;
    if (k1 + k2 == 12)
        while (std::rand() % 6 >= 4 && k2 < 1000000) ++k2;
    return k1 + k2;
}

bool BojoveInfo::trefil(int obrUtocnik, int obrObrance) {
    const int obrana = nejblizsi(obrObrance / 8.0) + dveK6plus();
    const int utok = nejblizsi(obrUtocnik / 4.0) + dveK6plus();
    return obrana <= utok;
}

int BojoveInfo::zraneni(int silaUtocnik) {
    const int i = nejblizsi(silaUtocnik / 3.0) + dveK6plus();
    return i < 0 ? 0 : i;
}

void BojoveInfo::uloz(std::ostream& oss) const {
    ulozZnacky(startZ, oss);
    ulozZnacky(startM, oss);
}

void BojoveInfo::nacti(const std::vector<UlozenaZnacka>& zasahy, const std::vector<UlozenaZnacka>& minuti) {
    nactiZnacky(startZ, zasahy);
    nactiZnacky(startM, minuti);
}
