// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as level 1's map. The level must build, draw
// a frame at both scales and switch back without a fault.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Hrac.h"
#include "Level.h"

namespace fs = std::filesystem;

namespace {
fs::path slozka;
void uklid() {
    std::error_code ec;
    fs::remove_all(slozka, ec);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A scratch data folder: the game's pictures, and the input as the map.
    slozka = fs::temp_directory_path() / ("grondelvik-fuzz-mapa-" + std::to_string(getpid()));
    fs::create_directories(slozka / "mapy");
    fs::create_directory_symlink(fs::path(GRONDELVIK_DATA) / "grafika", slozka / "grafika");
    std::atexit(uklid);
    if (chdir(slozka.c_str()) != 0) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream("mapy/hrad.txt", std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<long>(size));
    static Hrac hrac;
    Level level(&hrac, 1);
    Obrazek obrazovka(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    level.vykresliSe(obrazovka.get());
    level.zmensi();
    level.vykresliSe(obrazovka.get());
    level.zvetsi();
    return 0;
}
