// Shared test helpers: working in the data folder or a throwaway copy of it,
// a headless screen, and access to the level's private parts.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Level.h"

#ifndef GRONDELVIK_DATA
#define GRONDELVIK_DATA "data"
#endif

namespace fs = std::filesystem;

// Runs the scope with the working directory in the data folder.
class VDatech {
public:
    explicit VDatech(const fs::path& kam = GRONDELVIK_DATA) : puvodni(fs::current_path()) {
        fs::current_path(kam);
    }
    ~VDatech() { fs::current_path(puvodni); }
    VDatech(const VDatech&) = delete;
    VDatech& operator=(const VDatech&) = delete;

private:
    fs::path puvodni;
};

// A throwaway copy of the data folder, removed at the end of the scope.
class KopieDat {
public:
    KopieDat() {
        std::string vzor = (fs::temp_directory_path() / "grondelvik-XXXXXX").string();
        std::vector<char> buf(vzor.begin(), vzor.end());
        buf.push_back('\0');
        koren = mkdtemp(buf.data());
        fs::copy(GRONDELVIK_DATA, koren, fs::copy_options::recursive);
    }
    ~KopieDat() {
        std::error_code ec;
        fs::remove_all(koren, ec);
    }
    KopieDat(const KopieDat&) = delete;
    KopieDat& operator=(const KopieDat&) = delete;

    const fs::path& cesta() const { return koren; }
    void smaz(const std::string& soubor) const { fs::remove(koren / soubor); }
    void zapis(const std::string& soubor, const std::string& obsah) const;

private:
    fs::path koren;
};

// Runs f with the given files (relative to the working directory) moved
// aside, then puts them back; the message f threw, or "" when none.
std::string zpravaBezSouboru(const std::vector<std::string>& soubory, const std::function<void()>& f);

// An 800 x 600 software screen; no video mode needed.
using Plocha = Obrazek;
Plocha novaObrazovka();

// The same, filled with a colour the pictures do not use, so a missing blit
// shows.
Plocha prazdnaObrazovka();

// Same size, depth and pixels.
bool stejnyObsah(SDL_Surface* a, SDL_Surface* b);

// Two 32-bit screens pixel for pixel, saying where they first differ.
testing::AssertionResult stejneObrazovky(SDL_Surface* skutecna, SDL_Surface* ocekavana);

// The colour of one pixel of a surface, as 0xRRGGBB.
Uint32 barva(SDL_Surface* s, int x, int y);

// The colour 0xRRGGBB becomes once drawn on this surface (the dummy video
// driver's screen has a palette).
Uint32 naPlose(SDL_Surface* s, Uint32 rgb);

// Reaches the level's private state.
struct LevelTest {
    static bool getPevna(const Level& l, int x, int y) { return l.getPevna(x, y); }
    static bool setPevna(Level& l, int x, int y) { return l.setPevna(x, y); }
    static unsigned char getPozadi(const Level& l, int x, int y) { return l.getPozadi(x, y); }
    static bool setPozadi(Level& l, int x, int y, unsigned char t) { return l.setPozadi(x, y, t); }
    static bool nactiMapu(Level& l, const char* cesta) { return l.nactiMapu(cesta); }
    static void nactiLvl(Level& l, int t) { l.nactiLvl(t); }
    static void seberePredmety(Level& l, int sx, int sy) { l.seberePredmety(sx, sy); }
    static ListPredmetu& list(Level& l) { return *l.list; }
    static SetNepratel& set(Level& l) { return *l.set; }
    static Predmet* sip(Level& l) { return l.sip.get(); }
    static Predmet* zivoty(Level& l) { return l.zivoty.get(); }
    static Predmet* toulec(Level& l) { return l.toulec.get(); }
    static Predmet* novyLvl(Level& l) { return l.novyLvl.get(); }
    static const std::vector<unsigned char>& polePevna(const Level& l) { return l.polePevna; }
    static std::vector<unsigned char>& polePozadi(Level& l) { return l.polePozadi; }
    static int typ(const Level& l) { return l.typ; }
    static int obtiznost(const Level& l) { return l.obtiznost; }
    static int nextLvl(const Level& l) { return l.nextLvl; }
    static int sLvl(const Level& l) { return l.sLvl; }
    static int vLvl(const Level& l) { return l.vLvl; }
    static int sP(const Level& l) { return l.sP; }
    static int vP(const Level& l) { return l.vP; }
    static int nPozadi(const Level& l) { return l.nPozadi; }
    static bool vetsi(const Level& l) { return l.vetsi; }
    static SDL_Surface* pevna(const Level& l) { return l.pevna.get(); }
    static SDL_Surface* pozadi(const Level& l, int i) { return l.pozadi[i].get(); }
    static BojoveInfo& bInfo(Level& l) { return *l.bInfo; }
    static bool& vetsi(Level& l) { return l.vetsi; }
    static void nastavObtiznost(Level& l, int o) { l.obtiznost = o; }
    static void letSipu(Level& l) { l.letSipu(); }
    static void pohniSNepritelem(Level& l, Nepritel* n) { l.pohniSNepritelem(n); }
    static void utoc(Level& l, Nepritel* n) { l.utoc(n); }
    static void hracUtok(Level& l) { l.hracUtok(); }
    static void sipTrefa(Level& l, VystrelenySip* s) { l.sipTrefa(s); }
    static void hracUtociNa(Level& l, Nepritel* n, bool mec) { l.hracUtociNa(n, mec); }
    // Empties the level: no solid tile, item or enemy inside, background as
    // it was.
    static void vyprazdni(Level& l) {
        std::fill(l.polePevna.begin(), l.polePevna.end(), 0);
        l.list = std::make_unique<ListPredmetu>(l.sLvl, l.vLvl);
        l.set->nepratele.clear();
    }
};
