// SPDX-License-Identifier: GPL-3.0-or-later
// Collectible items: the four kinds (shared objects, one per kind and level
// object) and the level's item store, a grid of one-byte item codes.
#pragma once

#include <SDL.h>

#include <iosfwd>
#include <vector>

#include "IO.h"

class Hrac;

class Predmet {
public:
    // The kind's picture files and the messages when one is missing: large,
    // then small.
    struct Soubory {
        const char* cesta[2];
        const char* chyba[2];
    };
    explicit Predmet(const Soubory& s) : soubory(s) {}
    virtual ~Predmet() = default;
    // Applies the kind's effect to the player.
    virtual void sebere(Hrac* hrac) = 0;
    // Draws the picture with its top-left corner at kde.
    void vykresliSe(SDL_Surface* obrazovka, SDL_Rect kde);
    SDL_Surface* getObrazek() const { return obrazek.get(); }

    // The picture of one scale, white made transparent; throws the file's
    // message when it cannot be loaded. The item keeps its own meanwhile.
    Obrazek nactiSadu(bool male) const;
    void vymen(Obrazek novy) { obrazek = std::move(novy); }
    void zvetsi() { vymen(nactiSadu(false)); }
    void zmensi() { vymen(nactiSadu(true)); }

protected:
    Obrazek obrazek;

private:
    const Soubory& soubory;
};

class Sip : public Predmet {
public:
    Sip();
    void sebere(Hrac* hrac) override;
};

class Toulec : public Predmet {
public:
    Toulec();
    void sebere(Hrac* hrac) override;
};

class Zivoty : public Predmet {
public:
    Zivoty();
    void sebere(Hrac* hrac) override;
};

class NovyLvl : public Predmet {
public:
    NovyLvl();
    void sebere(Hrac* hrac) override;
};

class ListPredmetu {
public:
    // Maps one code to a shared item object (not owned).
    struct ElemPredmet {
        unsigned char cislo;
        Predmet* predmet;
    };

    ListPredmetu(int mX, int mY);
    ListPredmetu(const ListPredmetu&) = delete;
    ListPredmetu& operator=(const ListPredmetu&) = delete;
    // As new: every cell empty, no code given.
    void vyprazdni();

    void addPredmet(int x, int y, Predmet* predmet);
    Predmet* getPredmet(int x, int y) const;
    void removeFrom(int x, int y);
    Predmet* findPredmet(unsigned char cislo) const;
    // The code of predmet, registering it with the next code when new.
    unsigned char getNumber(Predmet* predmet);

    // Every cell's code in index order; the code list is not stored, the map
    // rebuilds it.
    void uloz(std::ostream& oss) const;
    // Takes a saved grid of this store's size; any other is ignored.
    void nacti(const std::vector<unsigned char>& kody);

    // Cells column by column: (x, y) lives at x * maxY + y.
    std::vector<unsigned char> pole;
    // Codes in the order the objects were first placed; nodes are never removed.
    std::vector<ElemPredmet> seznam;
    int maxX;
    int maxY;

private:
    bool uvnitr(int x, int y) const { return x >= 0 && x < maxX && y >= 0 && y < maxY; }
};
