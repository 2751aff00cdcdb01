// SPDX-License-Identifier: GPL-3.0-or-later
#include "InfoOHraci.h"

#include <string>

namespace {
constexpr int rozestupCislic = 43;
constexpr int mezeraLomitka = 27;
constexpr int xIkony = 750;
}  // namespace

InfoOHraci::InfoOHraci() {
    // A missing digit leaves a null slot; digits are checked only after the
    // icons, so a missing icon is the message the player sees first.
    for (int i = 0; i < 10; ++i) {
        const std::string cesta = "grafika/ostatni/" + std::to_string(i) + ".bmp";
        cisla[i] = nactiObrazek(cesta.c_str());
    }
    lomitko = nactiObrazek("grafika/ostatni/lomitko.bmp");
    if (!lomitko) throw "nelze nalezt obrazek grafika/ostatni/lomitko.bmp";
    zivot = nactiObrazek("grafika/ostatni/zivotI.bmp");
    if (!zivot) throw "nelze nalezt obrazek grafika/ostatni/zivotI.bmp";
    toulec = nactiObrazek("grafika/ostatni/toulecI.bmp");
    if (!toulec) throw "nelze nalezt obrazek grafika/ostatni/toulecI.bmp";
    score = nactiObrazek("grafika/ostatni/score.bmp");
    if (!score) throw "nelze nalezt obrazek grafika/ostatni/score.bmp";
    for (auto& c : cisla) {
        if (!c) throw "nelze nalezt obrazek cisla";
        nastavBilyKlic(c.get());
    }
    nastavBilyKlic(lomitko.get());
    nastavBilyKlic(zivot.get());
    nastavBilyKlic(toulec.get());
    nastavBilyKlic(score.get());
}

void InfoOHraci::vypisCislo(int i, SDL_Rect& kde, SDL_Surface* obrazovka) {
    // Negative health in the frame of death still shows as 0.
    if (i <= 0) {
        kde.x = static_cast<Sint16>(kde.x - rozestupCislic);
        vykresliObrazek(cisla[0].get(), obrazovka, kde.x, kde.y);
        return;
    }
    while (i > 0) {
        const int cislice = i % 10;
        i /= 10;
        kde.x = static_cast<Sint16>(kde.x - rozestupCislic);
        vykresliObrazek(cisla[cislice].get(), obrazovka, kde.x, kde.y);
    }
}

void InfoOHraci::vypisScore(SDL_Surface* obrazovka, int s) {
    SDL_Rect kde{xIkony, 0, 0, 0};
    vykresliObrazek(score.get(), obrazovka, kde.x, kde.y);
    vypisCislo(s, kde, obrazovka);
}

void InfoOHraci::vypisSipy(SDL_Surface* obrazovka, int pocetSipu) {
    SDL_Rect kde{xIkony, 100, 0, 0};
    vykresliObrazek(toulec.get(), obrazovka, kde.x, kde.y);
    vypisCislo(pocetSipu, kde, obrazovka);
}

void InfoOHraci::vypisZdravi(SDL_Surface* obrazovka, int zivoty, int maxZivotu) {
    SDL_Rect kde{xIkony, 50, 0, 0};
    vykresliObrazek(zivot.get(), obrazovka, kde.x, kde.y);
    vypisCislo(maxZivotu, kde, obrazovka);
    kde.x = static_cast<Sint16>(kde.x - mezeraLomitka);
    vykresliObrazek(lomitko.get(), obrazovka, kde.x, kde.y);
    vypisCislo(zivoty, kde, obrazovka);
}
