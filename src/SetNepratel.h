// SPDX-License-Identifier: GPL-3.0-or-later
// Enemies: the two enemy types with their statistics and sprites, single
// enemies, and the level's set of both.
#pragma once

#include <SDL.h>

#include <iosfwd>
#include <list>
#include <memory>
#include <vector>

#include "IO.h"

class Hrac;
struct UlozenyNepritel;

// Body and leg frames per direction of kind typ, known before any picture is
// loaded; none for a kind other than 1 or 2.
struct SnimkyTypu {
    int nTelo = 0;
    int nNohy = 0;
};
SnimkyTypu snimkyTypu(int typ);

class TypNepritele {
public:
    explicit TypNepritele(int t);
    TypNepritele(const TypNepritele&) = delete;
    TypNepritele& operator=(const TypNepritele&) = delete;

    // Both arrays of one scale, white made transparent.
    struct Sada {
        std::vector<Obrazek> telo, nohy;
    };
    // Loads the set of one scale, or throws the type's message; the type
    // keeps its own meanwhile.
    Sada nactiSadu(bool male) const;
    // Takes a loaded set and the sizes of its scale.
    void vymen(Sada&& sada, bool male);
    void nactiVetsi();
    void zvetsi();
    void zmensi();
    void zvysObtiznost(int obtiznost);
    void vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde, int aNohy, int aTelo, bool vlevo);

    int sila = 0;
    int obratnost = 0;
    int maxZivotu = 0;
    int typ;
    std::vector<Obrazek> telo;  // nTelo facing right, then nTelo facing left
    std::vector<Obrazek> nohy;  // likewise with nNohy
    int nTelo = 0;
    int nNohy = 0;
    int vyska = 0;
    int sirka = 0;
    int vyskaTela = 0;
    int rychlost = 0;
    bool leta = false;
    // Repetitions the last raise of difficulty went through: counted, so a
    // raise that would not stop shows before it takes seconds.
    int opakovani = 0;
};

class Nepritel {
public:
    Nepritel(TypNepritele* t, SDL_Rect p);
    Nepritel(TypNepritele* t, SDL_Rect p, int m);

    void pohniSe(SDL_Rect oKolik);
    void zautoc(Hrac* hrac);
    void vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde);
    void zvetsi();
    void zmensi();

    TypNepritele* typ;
    SDL_Rect pozice;
    int zivoty;
    int mod;
    int aNohy = 0;
    int aTelo = 0;
    int citac = 0;
    bool vlevo;
    bool utok = false;
};

class SetNepratel {
public:
    SetNepratel() = default;
    SetNepratel(const SetNepratel&) = delete;
    SetNepratel& operator=(const SetNepratel&) = delete;
    ~SetNepratel();

    void createTyp(int typ);
    TypNepritele* getTyp(int typ) const;
    // Places a new enemy at the head of the list; a type the set does not
    // hold makes no enemy.
    void addNepritele(int typ, SDL_Rect pozice);
    bool isIn(SDL_Rect levyHorni, SDL_Rect pravyDolni, const Nepritel* nepritel) const;
    void VykresliViditelne(SDL_Surface* obrazovka, SDL_Rect levyHorni, SDL_Rect pravyDolni);
    bool deleteNepritel(Nepritel* n);
    void zvysObtiznost(int obtiznost);
    // Every type's set of one scale, in list order (throws, changing nothing).
    std::vector<TypNepritele::Sada> nactiSady(bool male) const;
    // Takes them, then converts every enemy's position.
    void zvetsi(std::vector<TypNepritele::Sada>&& sady);
    void zmensi(std::vector<TypNepritele::Sada>&& sady);
    void zvetsi();
    void zmensi();
    // Enemies from the head; a negative x is written as 0, since a negative
    // x ends the list.
    void uloz(std::ostream& oss) const;
    // Places each saved enemy at the head, so the list comes back reversed.
    void nacti(const std::vector<UlozenyNepritel>& nepratele);

    // Both lists grow at the front: newest first.
    std::list<std::unique_ptr<Nepritel>> nepratele;
    std::list<std::unique_ptr<TypNepritele>> typy;
};
