// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as the saved game, loaded into a whole level
// per input. A file the reader refuses must leave the game exactly as it
// was; one it accepts must load, run a frame at both scales and save again
// without a fault, and what the game then saves it must read.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "Hrac.h"
#include "Level.h"

namespace {

std::string docasna(const char* jmeno) {
    return "/tmp/grondelvik-fuzz-" + std::to_string(getpid()) + "-" + jmeno;
}

std::string obsah(const std::string& cesta) {
    std::ifstream f(cesta, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

const std::string vstup = docasna("vstup.sav"), pred = docasna("pred.sav"), po = docasna("po.sav");

void uklid() {
    for (const std::string* s : {&vstup, &pred, &po}) std::remove(s->c_str());
}

bool prijme(const std::string& cesta) {
    std::ifstream f(cesta);
    try {
        UlozenaHra::precti(f, Level::mapaLevelu);
        return true;
    } catch (const char*) {
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Maps and pictures are read from the data folder.
    if (chdir(GRONDELVIK_DATA) != 0) std::abort();
    std::atexit(uklid);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(vstup, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<long>(size));

    Hrac hrac;
    Level level(&hrac, 1);
    level.uloz(pred.c_str());
    level.nacti(vstup.c_str());
    if (!prijme(vstup)) {
        level.uloz(po.c_str());
        if (obsah(pred) != obsah(po)) std::abort();  // a refused file reached the game
        return 0;
    }
    Obrazek obrazovka(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    level.vykresliSe(obrazovka.get());
    level.zmensi();
    level.vykresliSe(obrazovka.get());
    level.uloz(po.c_str());
    if (!prijme(po)) std::abort();  // the game refuses its own save
    level.zvetsi();
    return 0;
}
