// SPDX-License-Identifier: GPL-3.0-or-later
// The world: tile grids, tilesets, items, enemies and the per-frame update and
// drawing of the current level. One object lives for the whole run; a change
// of level rebuilds its contents in place.
#pragma once

#include <SDL.h>

#include <istream>
#include <memory>
#include <vector>

#include "BojoveInfo.h"
#include "IO.h"
#include "ListPredmetu.h"
#include "SetNepratel.h"
#include "StalaVrstva.h"
#include "Udalosti.h"
#include "UlozenaHra.h"

class Hrac;
struct VystrelenySip;

// The cells of size `bunka` drawn along one axis of a screen of `rozmer`
// pixels whose middle shows the hunter's coordinate `pozice`: od <= i < po,
// with one or two cells of margin. Divisions truncate toward zero.
struct RozsahBunek {
    int od;
    int po;
};
RozsahBunek rozsahBunek(int pozice, int rozmer, int bunka);

class Level {
public:
    Level(Hrac* h, int t);
    Level(const Level&) = delete;
    Level& operator=(const Level&) = delete;
    ~Level();

    // One whole frame: draw the world, advance it, draw the hunter, and move
    // on to the next level when the exit was picked up.
    void vykresliSe(SDL_Surface* obrazovka);

    // How far a box may move along one axis before it meets a solid tile.
    int volnoX(int sx, int nx, int ny, int sirka, int vyska, int tolerance);
    int volnoY(int sy, int nx, int ny, int sirka, int vyska, int tolerance);

    // The hunter's fall, jump and walk, item pickup and arrow flight.
    void kontrola();

    // Switch the whole world to the large or the small scale; nothing when
    // it is there already.
    void zvetsi();
    void zmensi();

    // The saved game: saving writes large-scale values, coming back to the
    // small scale after; it replaces the old file only once the new one is
    // whole, and whatever fails (a picture for the scale switch, the folder,
    // the disk) leaves the old file as it was, says so once on stderr and
    // lets the game play on. Loading reads and checks the whole file first: a
    // damaged one is reported on stderr and changes nothing; one that cannot
    // be opened is silently not read. Both say how it went, for the shell to
    // let the player know.
    bool uloz(const char* cesta);  // true once the new file replaced the old one
    enum class Nacteni { hotovo, zadnySoubor, poskozeny };
    Nacteni nacti(const char* cesta);
    // Level t's size and the item kinds its map gives codes to; from the
    // map text given, or from the level's map file.
    static MapaLevelu mapaLevelu(int t);
    static MapaLevelu mapaZTextu(int t, std::istream& mapa);

    // Rebuilds this level's grids, items and enemies from the map text, as
    // its map file builds them at a level change, keeping the pictures,
    // metrics and enemy types: many maps read cheaply into one level (the
    // fuzzers). Switches to the large scale first.
    void postavZMapy(std::istream& mapa);

    // What the world did in its last frame, for the shell to play.
    const Udalosti& udalosti() const { return zaznam; }
    // Which of the three levels this is (1 castle, 2 outdoors, 3 polar ice).
    int typLevelu() const { return typ; }

private:
    friend struct LevelTest;
    friend struct AutomatLevelu;

    bool setPevna(int x, int y);
    // Inline: every collision query of every enemy asks it many times a frame.
    bool getPevna(int x, int y) const {
        if (x < 0 || x >= sLvl || y < 0 || y >= vLvl) return true;  // the level is closed all round
        const int n = vLvl * x + y;
        return (polePevna[n / 8] >> (n % 8)) & 1;
    }
    bool setPozadi(int x, int y, unsigned char typ);
    unsigned char getPozadi(int x, int y) const;
    int sloupcuPozadi() const { return sLvl * sP / sPoz; }
    int radkuPozadi() const { return vLvl * vP / vPoz; }

    void seberePredmety(int sx, int sy);
    void letSipu();

    // Enemies walk, chase and strike; the hunter's sword and arrows hit back.
    void pohniSNeprateli();
    void pohniSNepritelem(Nepritel* n);
    void utoc(Nepritel* n);
    static int getVzdalenost(SDL_Rect bod1, SDL_Rect bod2);
    void hracUtok();
    void sipTrefa(VystrelenySip* s);
    void hracUtociNa(Nepritel* n, bool mec);
    void dalsiLevel();

    void nactiLvl(int t);
    // Empty grids and item store of the current level's size, before its map.
    void pripravMrizky();
    bool nactiMapu(const char* cesta);  // false when the file cannot be opened
    void nactiMapu(std::istream& mapa);
    // The tileset of typ at one scale, checked apart, so that a level is
    // built before a missing picture is reported; taken with its metrics.
    struct Dlazdice {
        Obrazek pevna;
        std::vector<Obrazek> pozadi;
    };
    Dlazdice nactiDlazdice(bool male) const;
    void vymenDlazdice(Dlazdice&& d, bool male);
    static void zkontroluj(const Obrazek& pevna, const std::vector<Obrazek>& pozadi);
    void zkontrolujDlazdice() const { zkontroluj(pevna, pozadi); }
    // Loads everything of the other scale first, then converts the world.
    void prepni(bool male);
    // The frame's background, solid tiles and items around the hunter.
    void vykresliDlazdice(SDL_Surface* obrazovka, SDL_Rect pozice);
    bool dlazdicePresne() const;
    SDL_Surface* pasPevnych(int dlazdic);
    void kresliRadu(SDL_Surface* pas, SDL_Surface* kam, int j, int od, int po, int x, int y);
    void ulozLvl(std::ostream& oss) const;

    int typ;
    bool vetsi = true;
    std::unique_ptr<Sip> sip;
    std::unique_ptr<Zivoty> zivoty;
    std::unique_ptr<Toulec> toulec;
    std::unique_ptr<NovyLvl> novyLvl;
    Obrazek pevna;
    std::vector<Obrazek> pozadi;
    Obrazek pasPevne;    // pevna repeated along a row
    StalaVrstva vrstva;  // background and solid tiles around the view, kept between frames
    int nPozadi = 0;
    int nextLvl = 1;
    int obtiznost = 1;
    Hrac* hrac;  // not owned
    int vLvl = 0;
    int sLvl = 0;
    int vP = 30;
    int sP = 30;
    int sPoz = 300;
    int vPoz = 300;
    std::vector<unsigned char> polePevna;   // one bit per tile, column by column
    std::vector<unsigned char> polePozadi;  // one byte per background cell, row by row
    std::unique_ptr<ListPredmetu> list;
    std::unique_ptr<SetNepratel> set;
    std::unique_ptr<BojoveInfo> bInfo;
    Udalosti zaznam;  // started afresh by every frame
};
