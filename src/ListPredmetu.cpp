// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListPredmetu.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "Hrac.h"

void Predmet::vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde) {
    vykresliObrazek(obrazek.get(), obrazovka, kde.x, kde.y);
}

Obrazek Predmet::nactiSadu(bool male) const {
    Obrazek o = nactiObrazek(soubory.cesta[male]);
    if (!o) throw soubory.chyba[male];
    nastavBilyKlic(o.get());
    return o;
}

namespace {
const Predmet::Soubory kSip = {
    {"grafika/ostatni/sip.bmp", "grafika/ostatni/sipm.bmp"},
    {"Nelze nacist obrazek grafika/ostatni/sip.bmp", "Nelze nacist obrazek grafika/ostatni/sipm.bmp"}};
const Predmet::Soubory kToulec = {
    {"grafika/ostatni/toulec.bmp", "grafika/ostatni/toulecm.bmp"},
    {"Nelze nacist obrazek grafika/ostatni/toulec.bmp", "Nelze nacist obrazek grafika/ostatni/toulecm.bmp"}};
const Predmet::Soubory kZivoty = {
    {"grafika/ostatni/zivot.bmp", "grafika/ostatni/zivotm.bmp"},
    {"Nelze nacist obrazek grafika/ostatni/zivot.bmp", "Nelze nacist obrazek grafika/ostatni/zivotm.bmp"}};
const Predmet::Soubory kNovyLvl = {{"grafika/ostatni/novyLvl.bmp", "grafika/ostatni/novyLvlm.bmp"},
                                   {"Nelze nacist obrazek grafika/ostatni/novyLvl.bmp",
                                    "Nelze nacist obrazek grafika/ostatni/novyLvlm.bmp"}};
}  // namespace

Sip::Sip() : Predmet(kSip) {
    zvetsi();
}
void Sip::sebere(Hrac* hrac) {
    hrac->pocetSipu = omez(hrac->pocetSipu + 1LL);
}

Toulec::Toulec() : Predmet(kToulec) {
    zvetsi();
}
void Toulec::sebere(Hrac* hrac) {
    // Reseeding here is deliberate: it also shifts what later draws see.
    std::srand(static_cast<unsigned>(hodiny::ted()));
    hrac->pocetSipu = omez(hrac->pocetSipu + 9LL + std::rand() % 6);
}

Zivoty::Zivoty() : Predmet(kZivoty) {
    zvetsi();
}
void Zivoty::sebere(Hrac* hrac) {
    std::srand(static_cast<unsigned>(hodiny::ted()));
    // In 64 bits: a saved game may hold health right at the int limit.
    const long long zivoty = hrac->zivoty + 20LL + std::rand() % 10;
    hrac->zivoty = static_cast<int>(std::min<long long>(zivoty, hrac->maxZivotu));
}

NovyLvl::NovyLvl() : Predmet(kNovyLvl) {
    zvetsi();
}
void NovyLvl::sebere(Hrac* hrac) {
    hrac->novyLvl = true;
}

ListPredmetu::ListPredmetu(int mX, int mY)
    : pole(static_cast<size_t>(mX > 0 && mY > 0 ? mX * mY : 0), 0), maxX(mX), maxY(mY) {}

void ListPredmetu::vyprazdni() {
    pole.assign(pole.size(), 0);
    seznam.clear();
}

void ListPredmetu::addPredmet(int x, int y, Predmet* predmet) {
    if (!uvnitr(x, y)) return;
    pole[x * maxY + y] = getNumber(predmet);
}

Predmet* ListPredmetu::getPredmet(int x, int y) const {
    if (!uvnitr(x, y)) return nullptr;
    unsigned char c = pole[x * maxY + y];
    return c == 0 ? nullptr : findPredmet(c);
}

void ListPredmetu::removeFrom(int x, int y) {
    if (uvnitr(x, y)) pole[x * maxY + y] = 0;
}

Predmet* ListPredmetu::findPredmet(unsigned char cislo) const {
    for (const ElemPredmet& e : seznam)
        if (e.cislo == cislo) return e.predmet;
    return nullptr;
}

unsigned char ListPredmetu::getNumber(Predmet* predmet) {
    unsigned char citac = 1;
    for (const ElemPredmet& e : seznam) {
        if (e.predmet == predmet) return e.cislo;
        ++citac;
    }
    seznam.push_back({citac, predmet});
    return citac;
}

void ListPredmetu::uloz(std::ostream& oss) const {
    for (unsigned char c : pole) IO::writeInt(c, oss);
}

void ListPredmetu::nacti(const std::vector<unsigned char>& kody) {
    if (kody.size() == pole.size()) pole = kody;
}
