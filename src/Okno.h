// SPDX-License-Identifier: GPL-3.0-or-later
// The window around the 800 x 600 game: 1, 1.5, 2, 2.5 or 3 times as large,
// or the whole screen at the largest size that keeps its shape, black bars
// around. The game always draws into an 800 x 600 surface. At 1x in a window
// that is the window's own surface; otherwise it is a surface of the
// screen's format which a scaler of our own copies into the window.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "IO.h"

inline constexpr int kSirkaHry = 800;
inline constexpr int kVyskaHry = 600;

// Copies a whole picture into a rectangle of another surface of the same
// pixel format. A whole factor repeats each pixel (each source row widened
// once, its further copies memcpy'd). Any other enlargement is sharp: as if
// each pixel were repeated to the next whole factor above and that picture
// reduced to the rectangle by area, so every source pixel covers the same
// width and height and only its edges blend with the next one. Smaller than
// the source, each target pixel is the source pixel it lies over.
class Zvetsovac {
public:
    // The weights of the sharp reduction, in 64ths.
    static constexpr int kCela = 64;

    Zvetsovac() = default;
    Zvetsovac(int sirka, int vyska, SDL_Rect cil);
    void kresli(SDL_Surface* zdroj, SDL_Surface* kam) const;
    // The source pixel shown at a target pixel (where it blends, the one
    // covering most of it); off the rectangle, the one at its nearest edge.
    int zdrojX(int x) const { return zdroj(sloupce, x - cil_.x); }
    int zdrojY(int y) const { return zdroj(radky, y - cil_.y); }
    const SDL_Rect& cil() const { return cil_; }

    // One axis of the sharp reduction: each target pixel shows source pixel
    // od and, with weight vaha (of kCela), the next one.
    struct Osa {
        std::vector<int> od;
        std::vector<Uint8> vaha;
    };
    static Osa ostraOsa(int zdroj, int cil);

private:
    void rozsir32(const Uint8* z, Uint8* d) const;
    void ostre(SDL_Surface* zdroj, SDL_Surface* kam) const;
    void ostryRadek(const Uint8* z, Uint8* d, const SDL_PixelFormat* f) const;
    static int zdroj(const std::vector<int>& mapa, int i) {
        if (mapa.empty()) return i;
        return mapa[std::clamp<size_t>(i < 0 ? 0 : size_t(i), 0, mapa.size() - 1)];
    }
    SDL_Rect cil_{};
    std::vector<int> sloupce;  // each target column's source column
    std::vector<int> radky;    // each target row's source row
    int nasobek = 0;           // the same whole factor both ways, else 0
    // Sharp: the two axes, and for each source row the first target row that
    // shows it alone (-1: none), where its widened row is made.
    bool ostry = false;
    Osa osaX, osaY;
    std::vector<int> cistyRadek;
    // Sharp at 32 bits: for each two target pixels, the source pixel their
    // four bytes start from, which bytes of it (each with the next pixel's)
    // and their weights.
    std::vector<int> zaklady;
    std::vector<std::array<Uint8, 16>> masky, vahy;
    // Where every blend is half and half (1.5x, 2.5x) and the processor has
    // AVX2: groups of up to eight target pixels from four source pixels and
    // the averages of their neighbours, the group's first source pixel,
    // which of the eight each target pixel takes, and how many it has.
    std::vector<int> zakladyPulek;
    std::vector<std::array<Uint32, 8>> vyberyPulek;
    std::vector<Uint8> pocetPulek;
    mutable std::vector<Uint8> mezi;  // widened rows no target row shows alone
};

// The top-left corner of a window on the X screen.
struct Poloha {
    int x = 0, y = 0;
    bool operator==(const Poloha&) const = default;
};
// Where a window of sirka x vyska that was at p goes so that it lies on a
// desktop of plochaW x plochaH (from its top-left corner, if it cannot).
Poloha naPlose(Poloha p, int sirka, int vyska, int plochaW, int plochaH);

class Okno {
public:
    // SDL's mode list and mode switch; tests put their own in.
    struct Video {
        // (a browser's SDL takes a const format: called, not taken by address)
        SDL_Rect** (*mody)(SDL_PixelFormat*, Uint32) = [](SDL_PixelFormat* f, Uint32 p) {
            return SDL_ListModes(f, p);
        };
        SDL_Surface* (*rezim)(int, int, int, Uint32) = SDL_SetVideoMode;
    };
    Video video;

    // The desktop's size, read before the first video mode; 0 x 0 when SDL
    // cannot tell, and then every window size is allowed.
    void zjistiPlochu();
    void nastavPlochu(int sirka, int vyska) { plochaW = sirka, plochaH = vyska; }

    // The window's factors are counted in halves: 2 (1x) to 6 (3x).
    static constexpr int kNejmensi = 2, kNejvetsi = 6;

    // Sets the first video mode: fullscreen, or the largest factor up to
    // poloviny that fits the desktop; a mode SDL refuses falls back to 1x in
    // a window. The game's surface, null when no mode can be set at all.
    SDL_Surface* otevri(int poloviny, bool cela);
    // Switches the mode; the game's picture is carried over. False when
    // nothing changed (the same mode, or SDL refused it and the old one is back).
    bool nastav(int poloviny, bool cela);
    // Frees what the window owns (before SDL_Quit).
    void zavri();

    bool otevreno() const { return obrazovka != nullptr; }
    SDL_Surface* hra() const { return platno ? platno.get() : obrazovka; }
    int poloviny() const { return poloviny_; }  // the window's factor, kept while fullscreen
    bool cela() const { return cela_; }
    // The factor after p in 1, 1.5, 2, 2.5, 3, 1... among those that fit the desktop.
    int dalsiPoloviny(int p) const;
    bool vejdeSe(int poloviny) const;
    const Zvetsovac& zvetsovac() const { return zvetsovac_; }

    // Shows the game's frame: scaled into the window when it differs, then flipped.
    void ukaz();
    // A mouse event's position from window pixels to game pixels.
    void prevedMys(SDL_Event& e) const;

private:
    bool rezim(int poloviny, bool cela);
    // Places the window after a switch when no window manager does it:
    // fullscreen at the screen's corner, a window back where it was before
    // fullscreen (pred, the place before this switch) and on the desktop.
    void umisti(std::optional<Poloha> pred, bool bylaCela);
    std::optional<Poloha> poloha() const;  // only of a window the game places itself
    void presun(Poloha p) const;
    // Gives the window the keyboard when no window manager does.
    void zamer() const;
    std::optional<Poloha> navrat;      // where the window was before fullscreen
    SDL_Surface* obrazovka = nullptr;  // owned by SDL
    Obrazek platno;                    // the game's surface when it is not the window's
    Zvetsovac zvetsovac_;
    int plochaW = 0, plochaH = 0;
    int poloviny_ = kNejmensi;
    bool cela_ = false;
};
