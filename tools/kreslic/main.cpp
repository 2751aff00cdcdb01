// SPDX-License-Identifier: GPL-3.0-or-later
// kreslic: draws every picture of the game.
//   kreslic DIR            writes the BMPs under DIR (the data folder's grafika/)
//   kreslic --arch FILE    writes a contact sheet of all of them as a PNG
//   kreslic --ikona FILE   writes the menu icon as XPM
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>

#include "kreslic.h"

namespace fs = std::filesystem;

namespace {

std::vector<Obrazek> vsechny() {
    std::vector<Obrazek> v;
    kresliSvet(v);
    kresliPostavy(v);
    return v;
}

int zapis(const fs::path& koren) {
    int chyby = 0;
    for (const Obrazek& o : vsechny()) {
        fs::path cil = koren / o.cesta;
        std::error_code ec;
        fs::create_directories(cil.parent_path(), ec);  // may race with another build: check below
        if (!fs::is_directory(cil.parent_path())) {
            std::fprintf(stderr, "kreslic: cannot create %s\n", cil.parent_path().c_str());
            return 1;
        }
        if (!ulozBmp(o.p, cil.string(), o.klic)) {
            std::fprintf(stderr, "kreslic: cannot write %s\n", cil.c_str());
            ++chyby;
        }
    }
    return chyby ? 1 : 0;
}

// Contact sheet: every picture labelled with its file name, keyed pictures
// over a checkerboard so their transparent parts show.
int arch(const std::string& soubor) {
    std::vector<Obrazek> vse = vsechny();
    const int SIRKA = 1600, MEZERA = 8, POPISEK = Platno::VYSKA_PISMA + 4, NADPIS = 30;

    struct Umisteni {
        const Obrazek* o;
        int x, y;
    };
    std::vector<Umisteni> um;
    std::vector<std::pair<std::string, int>> nadpisy;
    int x = MEZERA, y = MEZERA, radek = 0;
    std::string skupina;
    for (const Obrazek& o : vse) {
        std::string s = fs::path(o.cesta).parent_path().string();
        if (s != skupina) {
            skupina = s;
            y += radek + (um.empty() ? 0 : MEZERA);
            nadpisy.push_back({s + "/", y});
            y += NADPIS, x = MEZERA, radek = 0;
        }
        std::string jmeno = fs::path(o.cesta).filename().string();
        int w = std::max(o.p.w(), Platno::sirkaTextu(jmeno)), h = o.p.h() + POPISEK;
        if (x + w > SIRKA - MEZERA) x = MEZERA, y += radek + MEZERA, radek = 0;
        um.push_back({&o, x, y});
        x += w + MEZERA * 2;
        radek = std::max(radek, h);
    }
    Platno list(SIRKA, y + radek + MEZERA);
    list.vypln({92, 96, 104});
    for (auto& [text, ny] : nadpisy) {
        list.obdelnik(0, ny, SIRKA, NADPIS - 6, {40, 42, 52});
        list.text(MEZERA, ny + 3, text, {240, 220, 150}, 2);
    }
    for (const Umisteni& u : um) {
        const Platno& p = u.o->p;
        for (int j = 0; j < p.h(); ++j)
            for (int i = 0; i < p.w(); ++i) {
                bool pruhledny = u.o->klic && !p.plny(i, j);
                Barva c = pruhledny ? (((i / 8) + (j / 8)) % 2 ? Barva{204, 204, 204} : Barva{150, 150, 150})
                                    : p.barva(i, j);
                list.bod(u.x + i, u.y + j, c);
            }
        std::string jmeno = fs::path(u.o->cesta).filename().string();
        list.obdelnik(u.x, u.y + p.h() + 1, Platno::sirkaTextu(jmeno) + 2, Platno::VYSKA_PISMA + 2,
                      {236, 236, 228});
        list.text(u.x + 1, u.y + p.h() + 2, jmeno, {20, 20, 28});
    }
    if (!ulozPng(list, soubor)) {
        std::fprintf(stderr, "kreslic: cannot write %s\n", soubor.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--arch") == 0) return arch(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "--ikona") == 0) {
        if (ulozXpm(ikona(), argv[2])) return 0;
        std::fprintf(stderr, "kreslic: cannot write %s\n", argv[2]);
        return 1;
    }
    if (argc == 2 && argv[1][0] != '-') return zapis(argv[1]);
    std::fprintf(stderr, "usage: kreslic DIR | kreslic --arch FILE.png | kreslic --ikona FILE.xpm\n");
    return 2;
}
