// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetNepratel.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <string>

#include "UlozenaHra.h"

namespace {

struct Rozmery {
    int vyska, sirka, vyskaTela;
};

// Sprite names and sizes of one type; index 0 is the large scale.
struct PopisTypu {
    const char* teloKmen;
    const char* nohyKmen;
    bool dveCislice;
    Rozmery rozmery[2];
    const char* chybaTela;
    const char* chybaNohou;
};

const PopisTypu kValecnik = {"grafika/nepratele/valecnik/teloValecnik",
                             "grafika/nepratele/valecnik/nohyValecnik",
                             true,
                             {{93, 79, 53}, {62, 53, 37}},
                             "nelze nahrat obrazek valecnikova tela.",
                             "nelze nahrat obrazek valecnikovych nohou."};
const PopisTypu kZlodej = {"grafika/nepratele/zlodej/zlodej",
                           "grafika/nepratele/zlodej/zlodejNohy",
                           false,
                           {{91, 40, 80}, {61, 27, 54}},
                           "nelze nahrat obrazek zlodejova tela.",
                           "nelze nahrat obrazek zlodejovych nohou."};

const PopisTypu* popis(int typ) {
    if (typ == 1) return &kValecnik;
    if (typ == 2) return &kZlodej;
    return nullptr;
}

// Frame k (from 1) of a set, e.g. "…teloValecnik03lm.bmp".
std::string cesta(const char* kmen, bool dveCislice, int k, bool vlevo, bool male) {
    char cislo[16];
    std::snprintf(cislo, sizeof cislo, dveCislice ? "%02d" : "%d", k);
    return std::string(kmen) + cislo + (vlevo ? "l" : "") + (male ? "m" : "") + ".bmp";
}

// Loads both directions of one array.
std::vector<Obrazek> nactiPole(int n, const char* kmen, bool dveCislice, bool male) {
    std::vector<Obrazek> pole(2 * n);
    for (int i = 0; i < 2 * n; ++i)
        pole[i] = nactiObrazek(cesta(kmen, dveCislice, i % n + 1, i >= n, male).c_str());
    return pole;
}

void zkontrolujPole(std::vector<Obrazek>& pole, const char* zprava) {
    for (Obrazek& o : pole) {
        if (!o) throw zprava;
        nastavBilyKlic(o.get());
    }
}

}  // namespace

SnimkyTypu snimkyTypu(int typ) {
    if (typ == 1) return {4, 5};
    if (typ == 2) return {3, 3};
    return {};
}

TypNepritele::TypNepritele(int t) : typ(t) {
    if (t == 1) {
        maxZivotu = 25, sila = 15, obratnost = 5, rychlost = 5;
    } else if (t == 2) {
        maxZivotu = 20, sila = 5, obratnost = 20, rychlost = 15;
    } else {
        return;  // unknown kinds have no pictures and never walk
    }
    nTelo = snimkyTypu(t).nTelo;
    nNohy = snimkyTypu(t).nNohy;
    nactiVetsi();
}

TypNepritele::Sada TypNepritele::nactiSadu(bool male) const {
    const PopisTypu* p = popis(typ);
    if (!p) return {};
    // Everything is loaded before the first check, so a missing body picture
    // is reported even when legs are missing too.
    Sada s{nactiPole(nTelo, p->teloKmen, p->dveCislice, male),
           nactiPole(nNohy, p->nohyKmen, p->dveCislice, male)};
    zkontrolujPole(s.telo, p->chybaTela);
    zkontrolujPole(s.nohy, p->chybaNohou);
    return s;
}

void TypNepritele::vymen(Sada&& sada, bool male) {
    const PopisTypu* p = popis(typ);
    if (!p) return;
    const Rozmery& r = p->rozmery[male ? 1 : 0];
    vyska = r.vyska;
    sirka = r.sirka;
    vyskaTela = r.vyskaTela;
    telo = std::move(sada.telo);
    nohy = std::move(sada.nohy);
}

void TypNepritele::nactiVetsi() {
    vymen(nactiSadu(false), false);
}

void TypNepritele::zvetsi() {
    nactiVetsi();
}

void TypNepritele::zmensi() {
    vymen(nactiSadu(true), true);
}

namespace {
// Products in 64 bits; after some ninety levels the statistics would pass
// what an int holds, so they stop growing there instead of wrapping negative.
int nasob(long long citatel, long long jmenovatel) {
    return static_cast<int>(std::min<long long>(citatel / jmenovatel, std::numeric_limits<int>::max()));
}
}  // namespace

void TypNepritele::zvysObtiznost(int obtiznost) {
    opakovani = 0;
    for (int i = 1; i < obtiznost; ++i) {
        ++opakovani;
        // Integer forms of the products with the doubles nearest 1.2 and 1.1
        // (the one for 1.2 lies just below it: 25 gives 29).
        const int zivotu = nasob(6LL * maxZivotu - 1, 5), s = nasob(11LL * sila, 10),
                  o = nasob(11LL * obratnost, 10);
        // Past difficulty 9 every repetition is the same: once one changes
        // nothing (each value at the int limit or too small to grow), no
        // later one does, however high the difficulty.
        if (obtiznost > 9 && zivotu == maxZivotu && s == sila && o == obratnost) break;
        maxZivotu = zivotu;
        sila = s;
        obratnost = o;
        if (obtiznost <= 9) {
            if (typ == 1) {
                maxZivotu += 10;
                obratnost += 3;
            } else if (typ == 2) {
                maxZivotu += 5;
                sila += 2;
            }
        }
    }
}

void TypNepritele::vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde, int aNohy, int aTelo, bool vlevo) {
    int iTelo = aTelo + (vlevo ? nTelo : 0);
    if (iTelo >= 0 && iTelo < static_cast<int>(telo.size()))
        vykresliObrazek(telo[iTelo].get(), obrazovka, kde.x, kde.y);
    int iNohy = aNohy + (vlevo ? nNohy : 0);
    if (iNohy >= 0 && iNohy < static_cast<int>(nohy.size()))
        vykresliObrazek(nohy[iNohy].get(), obrazovka, kde.x, kde.y + vyskaTela);
}

Nepritel::Nepritel(TypNepritele* t, SDL_Rect p) : Nepritel(t, p, 2) {}

Nepritel::Nepritel(TypNepritele* t, SDL_Rect p, int m)
    : typ(t), pozice(p), zivoty(t->maxZivotu), mod(m), vlevo(std::rand() % 2 == 1) {}

void Nepritel::pohniSe(SDL_Rect oKolik) {
    Sint16 dx = oKolik.x;
    Sint16 dy = oKolik.y;
    const int s = typ->rychlost;
    if (dx < 0) {
        vlevo = true;
        dx = static_cast<Sint16>(dx + std::rand() % 5);
        pozice.x = static_cast<Sint16>(-dx > s ? pozice.x - s : pozice.x + dx);
    } else if (dx > 0) {
        vlevo = false;
        dx = static_cast<Sint16>(dx - std::rand() % 5);
        pozice.x = static_cast<Sint16>(dx > s ? pozice.x + s : pozice.x + dx);
    }
    if (typ->leta) {
        if (std::abs(dy) > s)
            pozice.y = static_cast<Sint16>(pozice.y + (dy > 0 ? s : -s));
        else
            pozice.y = static_cast<Sint16>(pozice.y + dy);
    } else if (dy > 0) {
        pozice.y = static_cast<Sint16>(pozice.y + dy);
    }
    if (!typ->nohy.empty() && dx != 0) {
        if (++aNohy >= typ->nNohy) aNohy = 1;
    }
    if (aTelo > 0) --aTelo;
    if (citac > 0) --citac;
}

void Nepritel::zautoc(Hrac*) {
    aTelo = typ->nTelo - 1;
    std::srand(static_cast<unsigned>(hodiny::ted()));
    citac = typ->nTelo + 1 + std::rand() % 6;
}

void Nepritel::vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde) {
    typ->vykresliSe(obrazovka, kde, aNohy, aTelo, vlevo);
}

void Nepritel::zvetsi() {
    pozice.x = static_cast<Sint16>((3 * pozice.x) / 2);
    pozice.y = static_cast<Sint16>((3 * pozice.y) / 2 - 1);
}

void Nepritel::zmensi() {
    pozice.x = static_cast<Sint16>((2 * pozice.x) / 3);
    pozice.y = static_cast<Sint16>((2 * pozice.y) / 3 + 1);
}

SetNepratel::~SetNepratel() {
    // Enemies point at their types, so they go first.
    nepratele.clear();
    typy.clear();
}

void SetNepratel::createTyp(int typ) {
    typy.push_front(std::make_unique<TypNepritele>(typ));
}

TypNepritele* SetNepratel::getTyp(int typ) const {
    for (const auto& t : typy)
        if (t->typ == typ) return t.get();
    return nullptr;
}

void SetNepratel::addNepritele(int typ, SDL_Rect pozice) {
    TypNepritele* t = getTyp(typ);
    if (!t) return;
    nepratele.push_front(std::make_unique<Nepritel>(t, pozice));
}

bool SetNepratel::isIn(SDL_Rect levyHorni, SDL_Rect pravyDolni, const Nepritel* n) const {
    const int x = n->pozice.x, y = n->pozice.y;
    const int w = n->typ->sirka, h = n->typ->vyska;
    return !(levyHorni.x > x + w || levyHorni.y > y + h || pravyDolni.x < x || pravyDolni.y < y);
}

void SetNepratel::VykresliViditelne(SDL_Surface* obrazovka, SDL_Rect levyHorni, SDL_Rect pravyDolni) {
    for (const auto& n : nepratele) {
        if (!isIn(levyHorni, pravyDolni, n.get())) continue;
        SDL_Rect kde = n->pozice;
        kde.x = static_cast<Sint16>(n->pozice.x - levyHorni.x);
        kde.y = static_cast<Sint16>(n->pozice.y - levyHorni.y);
        n->vykresliSe(obrazovka, kde);
    }
}

bool SetNepratel::deleteNepritel(Nepritel* n) {
    for (auto it = nepratele.begin(); it != nepratele.end(); ++it) {
        if (it->get() == n) {
            nepratele.erase(it);
            return true;
        }
    }
    return false;
}

void SetNepratel::zvysObtiznost(int obtiznost) {
    for (const auto& t : typy) t->zvysObtiznost(obtiznost);
}

std::vector<TypNepritele::Sada> SetNepratel::nactiSady(bool male) const {
    std::vector<TypNepritele::Sada> sady;
    for (const auto& t : typy) sady.push_back(t->nactiSadu(male));
    return sady;
}

void SetNepratel::zvetsi(std::vector<TypNepritele::Sada>&& sady) {
    auto s = sady.begin();
    for (const auto& t : typy) t->vymen(std::move(*s++), false);
    for (const auto& n : nepratele) n->zvetsi();
}

void SetNepratel::zmensi(std::vector<TypNepritele::Sada>&& sady) {
    auto s = sady.begin();
    for (const auto& t : typy) t->vymen(std::move(*s++), true);
    for (const auto& n : nepratele) n->zmensi();
}

void SetNepratel::zvetsi() {
    zvetsi(nactiSady(false));
}

void SetNepratel::zmensi() {
    zmensi(nactiSady(true));
}

void SetNepratel::uloz(std::ostream& oss) const {
    for (const auto& n : nepratele) {
        // A box may rest a little left of x = 0 when the leftmost column is
        // open; written as it is, it would end the list early.
        IO::writeInt(n->pozice.x < 0 ? 0 : n->pozice.x, oss);
        IO::writeInt(n->pozice.y, oss);
        IO::writeInt(n->typ->typ, oss);
        IO::writeInt(n->zivoty, oss);
        IO::writeInt(n->mod, oss);
        IO::writeInt(n->aNohy, oss);
        IO::writeInt(n->aTelo, oss);
        IO::writeInt(n->citac, oss);
        IO::writeBool(n->vlevo, oss);
        IO::writeBool(n->utok, oss);
    }
    IO::writeKonecSeznamu(oss);
}

void SetNepratel::nacti(const std::vector<UlozenyNepritel>& ulozeni) {
    for (const UlozenyNepritel& u : ulozeni) {
        SDL_Rect kde{};
        kde.x = u.x;
        kde.y = u.y;
        const size_t pred = nepratele.size();
        addNepritele(u.typ, kde);
        if (nepratele.size() == pred) continue;  // a kind the set does not hold
        Nepritel& n = *nepratele.front();
        n.zivoty = u.zivoty;
        n.mod = u.mod;
        n.aNohy = u.aNohy;
        n.aTelo = u.aTelo;
        n.citac = u.citac;
        n.vlevo = u.vlevo;
        n.utok = u.utok;
    }
}
