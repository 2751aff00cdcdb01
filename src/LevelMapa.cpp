// SPDX-License-Identifier: GPL-3.0-or-later
// Building a level: the per-level table, the map reader and the tile grids.
#include <cstdio>
#include <fstream>
#include <string>

#include "Hrac.h"
#include "Level.h"

namespace {

struct PopisLevelu {
    int startX, startY;
    int dalsi;
    const char* pevna;       // solid tile: kmen + ("m" when small) + ".bmp"
    const char* pozadiKmen;  // background pictures: kmen + "01" … + ("m") + ".bmp"
    int nPozadi;
    int vLvl, sLvl;
    unsigned char pocatek;  // every background cell before the map is read
    const char* mapa;
};

const PopisLevelu kLevely[3] = {
    {400, 750, 2, "grafika/mise/cihly01b", "grafika/mise/zed", 3, 30, 200, 2, "mapy/hrad.txt"},
    {400, 400, 3, "grafika/mise/zem", "grafika/mise/venku", 5, 30, 200, 1, "mapy/venku.txt"},
    {400, 1680, 1, "grafika/mise/led", "grafika/mise/pol", 5, 90, 600, 1, "mapy/pol.txt"},
};

Obrazek nactiDlazdici(const std::string& kmen, bool male) {
    return nactiObrazek((kmen + (male ? "m" : "") + ".bmp").c_str());
}

std::string cisloPozadi(int cislo) {
    char c[16];
    std::snprintf(c, sizeof c, "%02d", cislo);
    return c;
}

// Reads a map a character at a time; a CR right before an LF is part of the
// line end, not of the content. Straight from the stream's buffer: a map is
// read character by character, and the fuzzers read millions of them.
class CtecMapy {
public:
    explicit CtecMapy(std::istream& s) : buf(*s.rdbuf()) {}
    int dalsi() {
        int c = buf.sbumpc();
        if (c == '\r' && buf.sgetc() == '\n') c = buf.sbumpc();
        return c;
    }

private:
    std::streambuf& buf;
};

// Walks section 1 of a map: na(c, x, y) for every character but a line end,
// at the tile it stands for. The column wraps by itself after sLvl
// characters; a line end only moves to the next row. Rows from vLvl on lie
// below the level and are all given as row vLvl, so no count overflows
// however long the file. Consumes the "-" and the line end after it.
template <class F>
void projdiDlazdice(CtecMapy& ctec, int sLvl, int vLvl, F na) {
    int x = 0, y = 0;
    for (;;) {
        const int c = ctec.dalsi();
        if (c == EOF || c == '-') break;
        if (c == '\n') {
            if (y < vLvl) ++y;
            continue;
        }
        na(c, x, y);
        if (++x >= sLvl) x = 0;
    }
    ctec.dalsi();
}

}  // namespace

MapaLevelu Level::mapaLevelu(int t) {
    if (t < 1 || t > 3) return {};
    std::ifstream soubor(kLevely[t - 1].mapa, std::ios::binary);
    if (!soubor.is_open()) return {kLevely[t - 1].sLvl, kLevely[t - 1].vLvl, 0};
    return mapaZTextu(t, soubor);
}

MapaLevelu Level::mapaZTextu(int t, std::istream& mapa) {
    if (t < 1 || t > 3) return {};
    const PopisLevelu& p = kLevely[t - 1];
    MapaLevelu m{p.sLvl, p.vLvl, 0};
    CtecMapy ctec(mapa);
    std::string druhy;
    projdiDlazdice(ctec, p.sLvl, p.vLvl, [&](int c, int, int y) {
        // The store gives a code only to a kind it places inside the grid.
        if (c >= '1' && c <= '4' && y < p.vLvl && druhy.find(static_cast<char>(c)) == std::string::npos)
            druhy += static_cast<char>(c);
    });
    m.druhuPredmetu = static_cast<int>(druhy.size());
    return m;
}

Level::Level(Hrac* h, int t) : typ(t), hrac(h) {
    set = std::make_unique<SetNepratel>();
    bInfo = std::make_unique<BojoveInfo>();
    sip = std::make_unique<Sip>();
    zivoty = std::make_unique<Zivoty>();
    toulec = std::make_unique<Toulec>();
    novyLvl = std::make_unique<NovyLvl>();
    nactiLvl(typ);
}

Level::~Level() = default;

void Level::nactiLvl(int t) {
    // A level number other than 1 to 3 can only come from damaged data; never
    // build a level from a table row that does not exist.
    if (t < 1 || t > 3) throw "Chybne cislo levelu.";
    const PopisLevelu& p = kLevely[t - 1];
    typ = t;
    hrac->pozice.x = static_cast<Sint16>(p.startX);
    hrac->pozice.y = static_cast<Sint16>(p.startY);
    nextLvl = p.dalsi;
    nPozadi = p.nPozadi;
    vymenDlazdice(nactiDlazdice(false), false);
    vLvl = p.vLvl;
    sLvl = p.sLvl;

    set->createTyp(1);
    set->createTyp(2);
    set->zvysObtiznost(obtiznost);

    pripravMrizky();
    nactiMapu(p.mapa);  // a missing map leaves an empty, closed level

    zkontrolujDlazdice();
}

void Level::pripravMrizky() {
    // A map read again into the same level reuses the store it has.
    if (list && list->maxX == sLvl && list->maxY == vLvl)
        list->vyprazdni();
    else
        list = std::make_unique<ListPredmetu>(sLvl, vLvl);
    polePozadi.assign(static_cast<size_t>(sloupcuPozadi() * radkuPozadi()), kLevely[typ - 1].pocatek);
    polePevna.assign(static_cast<size_t>(vLvl * sLvl / 8 + 1), 0);
    vrstva.zapomen();  // the kept still layer showed the old grids
}

void Level::postavZMapy(std::istream& mapa) {
    zvetsi();
    set->nepratele.clear();
    pripravMrizky();
    nactiMapu(mapa);
}

Level::Dlazdice Level::nactiDlazdice(bool male) const {
    if (typ < 1 || typ > 3) throw "Chybne cislo levelu.";
    const PopisLevelu& p = kLevely[typ - 1];
    Dlazdice d{nactiDlazdici(p.pevna, male), std::vector<Obrazek>(p.nPozadi)};
    for (int i = 0; i < p.nPozadi; ++i) d.pozadi[i] = nactiDlazdici(p.pozadiKmen + cisloPozadi(i + 1), male);
    return d;
}

void Level::vymenDlazdice(Dlazdice&& d, bool male) {
    pevna = std::move(d.pevna);
    pozadi = std::move(d.pozadi);
    // New pictures, and with a new level a new grid: nothing drawn holds.
    pasPevne.reset();
    vrstva.zapomen();
    vP = sP = male ? 20 : 30;
    sPoz = vPoz = male ? 200 : 300;
}

void Level::zkontroluj(const Obrazek& pevna, const std::vector<Obrazek>& pozadi) {
    if (!pevna) throw "Chyba pri nacitani obrazku dlazdice.";
    for (const Obrazek& o : pozadi)
        if (!o) throw "Chyba pri nacitani obrazku pozadi.";
}

bool Level::nactiMapu(const char* cesta) {
    std::ifstream soubor(cesta, std::ios::binary);
    if (!soubor.is_open()) return false;
    nactiMapu(soubor);
    return true;
}

void Level::nactiMapu(std::istream& mapa) {
    CtecMapy ctec(mapa);
    projdiDlazdice(ctec, sLvl, vLvl, [&](int c, int x, int y) {
        switch (c) {
            case 'X': setPevna(x, y); break;
            case '1': list->addPredmet(x, y, sip.get()); break;
            case '2': list->addPredmet(x, y, zivoty.get()); break;
            case '3': list->addPredmet(x, y, toulec.get()); break;
            case '4': list->addPredmet(x, y, novyLvl.get()); break;
            case 'V':
            case 'Z': {
                // Like tiles and items, an enemy below the level is left out:
                // it would stand in the closed ground, and far enough down its
                // 16-bit y would wrap into the level.
                const int t = c == 'V' ? 1 : 2;
                TypNepritele* typNep = set->getTyp(t);
                if (typNep && y < vLvl) {
                    SDL_Rect kde{};
                    kde.x = static_cast<Sint16>(sP * x);
                    // feet on the bottom edge of the tile
                    kde.y = static_cast<Sint16>(vP * y + vP - typNep->vyska);
                    set->addNepritele(t, kde);
                }
                break;
            }
            default: break;
        }
    });

    // Past the last row no cell can be reached, nor past the grid's last
    // index along a line: the counters stop there instead of overflowing.
    const int rows = radkuPozadi(), bunek = sloupcuPozadi() * rows;
    int x = 0, y = 0;
    for (int c = ctec.dalsi(); c != EOF && y < rows; c = ctec.dalsi()) {
        if (c == '\n') {
            ++y;
            x = 0;
            continue;
        }
        // Anything but a digit naming an existing picture keeps the cell's
        // initial value, so drawing never reaches past the picture array.
        if (c >= '0' && c <= '9' && c - '0' < nPozadi) setPozadi(x, y, static_cast<unsigned char>(c - '0'));
        if (x < bunek) ++x;
    }
}

bool Level::setPevna(int x, int y) {
    if (x < 0 || x >= sLvl || y < 0 || y >= vLvl || getPevna(x, y)) return false;
    const int n = vLvl * x + y;
    polePevna[n / 8] |= static_cast<unsigned char>(1u << (n % 8));
    vrstva.zapomen();
    return true;
}

bool Level::setPozadi(int x, int y, unsigned char hodnota) {
    const int cols = sloupcuPozadi();
    if (x < 0 || y < 0 || y * cols + x >= cols * radkuPozadi()) return false;
    polePozadi[y * cols + x] = hodnota;
    vrstva.zapomen();
    return true;
}

unsigned char Level::getPozadi(int x, int y) const {
    const int cols = sloupcuPozadi();
    if (x < 0 || y < 0 || y * cols + x >= cols * radkuPozadi()) return 0;
    return polePozadi[y * cols + x];
}
