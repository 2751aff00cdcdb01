#include "ListPredmetu.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "Hrac.h"

void Predmet::vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde) {
    vykresliObrazek(obrazek.get(), obrazovka, kde.x, kde.y);
}

void Predmet::nahraj(const char* cesta, const char* zprava) {
    obrazek.reset();
    obrazek = nactiObrazek(cesta);
    if (!obrazek) throw zprava;
    nastavBilyKlic(obrazek.get());
}

Sip::Sip() {
    zvetsi();
}
void Sip::zvetsi() {
    nahraj("grafika/ostatni/sip.bmp", "Nelze nacist obrazek grafika/ostatni/sip.bmp");
}
void Sip::zmensi() {
    nahraj("grafika/ostatni/sipm.bmp", "Nelze nacist obrazek grafika/ostatni/sipm.bmp");
}
void Sip::sebere(Hrac* hrac) {
    hrac->pocetSipu++;
}

Toulec::Toulec() {
    zvetsi();
}
void Toulec::zvetsi() {
    nahraj("grafika/ostatni/toulec.bmp", "Nelze nacist obrazek grafika/ostatni/toulec.bmp");
}
void Toulec::zmensi() {
    nahraj("grafika/ostatni/toulecm.bmp", "Nelze nacist obrazek grafika/ostatni/toulecm.bmp");
}
void Toulec::sebere(Hrac* hrac) {
    // Reseeding here is deliberate: it also shifts what later draws see.
    std::srand(static_cast<unsigned>(hodiny::ted()));
    hrac->pocetSipu += 9 + std::rand() % 6;
}

Zivoty::Zivoty() {
    zvetsi();
}
void Zivoty::zvetsi() {
    nahraj("grafika/ostatni/zivot.bmp", "Nelze nacist obrazek grafika/ostatni/zivot.bmp");
}
void Zivoty::zmensi() {
    nahraj("grafika/ostatni/zivotm.bmp", "Nelze nacist obrazek grafika/ostatni/zivotm.bmp");
}
void Zivoty::sebere(Hrac* hrac) {
    std::srand(static_cast<unsigned>(hodiny::ted()));
    // In 64 bits: a saved game may hold health right at the int limit.
    const long long zivoty = hrac->zivoty + 20LL + std::rand() % 10;
    hrac->zivoty = static_cast<int>(std::min<long long>(zivoty, hrac->maxZivotu));
}

NovyLvl::NovyLvl() {
    zvetsi();
}
void NovyLvl::zvetsi() {
    nahraj("grafika/ostatni/novyLvl.bmp", "Nelze nacist obrazek grafika/ostatni/novyLvl.bmp");
}
void NovyLvl::zmensi() {
    nahraj("grafika/ostatni/novyLvlm.bmp", "Nelze nacist obrazek grafika/ostatni/novyLvlm.bmp");
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
