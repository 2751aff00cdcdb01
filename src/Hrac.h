// SPDX-License-Identifier: GPL-3.0-or-later
// The hunter: position, movement flags, combat statistics, arrows carried and
// in flight, the HUD, and his four sprite sets at the current display scale.
#pragma once

#include <SDL.h>

#include <iosfwd>
#include <memory>
#include <vector>

#include "IO.h"

class InfoOHraci;
struct UlozenyHrac;

// One arrow in flight.
struct VystrelenySip {
    int x = 0;
    int y = 0;
    int uhel = 0;  // picture slot in the sip set: angle class, + nLuk when flying left
    int alfa = 0;  // flight angle in degrees above the horizontal
    bool vlevo = false;
    int vzdalenost = 0;
    int rychlost = 0;
    bool zaseknuty = false;  // stopped by a wall, heard once; not saved
    bool operator==(const VystrelenySip&) const = default;
};

// Where the hunter's values stop, so that the per-frame and scale arithmetic
// (x 3/2, steps, sums) never overflows. The rules never carry a value past
// these, and the saved game's reader accepts everything within them: what the
// game writes, it reads. Values without a limit here stop at the int limits.
inline constexpr int kMaxSipu = 10000;  // room for arrows in flight: doubling stops here
// Agility at the int limit gives a running bonus of 429,496,736.
inline constexpr int kMezBehu = 500'000'000;
inline constexpr int kMezSkoku = 100'000'000;  // the rules give 35 (26 small)
// A fall ends on the level's floor less than a level's height past skok.
inline constexpr int kMezPadu = 2 * kMezSkoku;
// An arrow's x and y at the large scale (two thirds of it at the small one,
// so x 3/2 stays within 32 bits); an arrow stops at the edge.
inline constexpr int kMezPolohySipu = 1'000'000'000;
inline constexpr int kMezRychlostiSipu = 600'000'000;  // beh + 10, also after x 2/3 and x 3/2
inline constexpr int kMezDoletu = 100'000'000;         // past 500 an arrow is gone

class Hrac {
public:
    Hrac();
    Hrac(const Hrac&) = delete;
    Hrac& operator=(const Hrac&) = delete;
    ~Hrac();

    // The four sprite sets of one scale, white made transparent.
    struct Sada {
        std::vector<Obrazek> nohy, luk, mec, sip;
    };
    // Loads the sets of one scale, or throws the first set's message; the
    // hunter keeps his own meanwhile.
    Sada nactiSadu(bool male) const;
    void nactiVetsi();
    void zmensi();
    void zvetsi();
    // The same with the sets already loaded.
    void zmensi(Sada&& male);
    void zvetsi(Sada&& velka);
    void akce(const SDL_Event& event);
    void vykresliSe(SDL_Surface* obrazovka);
    void uloz(std::ostream& oss) const;
    // The saved fields, and a fresh arrow array of the saved capacity.
    void nacti(const UlozenyHrac& u);

    SDL_Rect pozice;
    std::vector<Obrazek> nohy;  // 2 * nNohy: facing right, then facing left
    std::vector<Obrazek> luk;   // 2 * nLuk
    std::vector<Obrazek> mec;   // 2 * nMec
    std::vector<Obrazek> sip;   // 2 * nLuk; slot 9 repeats the vertical arrow
    // nSipu entries; the first pozSipy are live and kept contiguous.
    std::vector<VystrelenySip> vSipy;
    std::unique_ptr<InfoOHraci> ioh;
    bool vzduch = false;
    int nSipu = 10;
    int pozSipy = 0;
    int nNohy = 7;
    int nLuk = 5;
    int nMec = 3;
    bool m = true;
    bool vlevo = false;
    bool b = false;
    bool stop = false;
    bool novyLvl = false;
    int aNohy = 0;
    int aMec = 0;
    int aLuk = 0;
    int vyska = 101;
    int sirka = 70;
    int skok = 35;
    int pad = 0;
    int beh = 10;
    int vyskaTela = 66;
    int score = 0;
    int sila = 15;
    int obratnost = 15;
    int zivoty = 200;
    int maxZivotu = 200;
    SDL_Rect kurzor;
    SDL_Rect stred;
    int citac = 0;
    int pocetSipu = 12;

private:
    void utok(bool mysi);
    int tridaZKurzoru() const;
    void strel(int trida);
    // Scales the hunter's and the live arrows' positions and arrow speeds.
    void prepocitejPolohy(int citatel, int jmenovatel);
    // Takes the sets and the sizes of their scale.
    void vymen(Sada&& s, bool male);
};
