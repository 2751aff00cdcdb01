// SPDX-License-Identifier: GPL-3.0-or-later
// zvukar: synthesises every sound of the game from the recipes and scores in
// its sources, the same bytes every run.
//   zvukar DIR                 writes every effect (DIR/NAME.wav) and tune (DIR/NAME.ogg)
//   zvukar --jen NAME FILE     writes one of them as a WAV file, to listen to
//   zvukar --seznam            lists them: length, peak, rms, offset and loudness
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "zvukar.h"

namespace fs = std::filesystem;

namespace {

// Tunes are Ogg Vorbis at this quality: 4 to 6 kB a second of mono.
constexpr double kKvalitaOgg = 0.4;

double rms(const Stopa& s) {
    double soucet = 0;
    for (float v : s) soucet += static_cast<double>(v) * v;
    return s.empty() ? 0 : std::sqrt(soucet / static_cast<double>(s.size()));
}

int vse(const fs::path& slozka) {
    std::error_code ec;
    fs::create_directories(slozka, ec);
    int chyby = 0;
    Stopa s;
    for (const PopisEfektu& e : kEfekty) {
        const fs::path cil = slozka / (std::string(e.jmeno) + ".wav");
        if (!efekt(e, s) || !ulozWav(s, cil.string())) {
            std::fprintf(stderr, "zvukar: cannot write %s\n", cil.c_str());
            ++chyby;
        }
    }
    for (const PopisHudby& h : kHudby) {
        const fs::path cil = slozka / (std::string(h.jmeno) + ".ogg");
        if (!skladba(h, s) || !ulozOgg(s, cil.string(), kKvalitaOgg)) {
            std::fprintf(stderr, "zvukar: cannot write %s\n", cil.c_str());
            ++chyby;
        }
    }
    return chyby ? 1 : 0;
}

int jeden(const std::string& jmeno, const std::string& soubor) {
    Stopa s;
    bool znamy = false, hotovo = false;
    for (const PopisEfektu& e : kEfekty)
        if (jmeno == e.jmeno) znamy = true, hotovo = efekt(e, s);
    for (const PopisHudby& h : kHudby)
        if (jmeno == h.jmeno) znamy = true, hotovo = skladba(h, s);
    if (!znamy) {
        std::fprintf(stderr, "zvukar: no sound is called %s (zvukar --seznam lists them)\n", jmeno.c_str());
        return 2;
    }
    if (!hotovo || !ulozWav(s, soubor)) {
        std::fprintf(stderr, "zvukar: cannot write %s\n", soubor.c_str());
        return 1;
    }
    return 0;
}

int seznam() {
    Stopa s;
    std::printf("%-14s %8s %6s %6s %7s %9s\n", "sound", "seconds", "peak", "rms", "offset", "loudness");
    const auto radek = [&](const char* jmeno) {
        std::printf("%-14s %8.2f %6.3f %6.3f %+7.4f %6.1f dB", jmeno, s.size() / double(kVzorkovani),
                    spickaStopy(s), rms(s), stredStopy(s), 20 * std::log10(hlasitostStopy(s)));
    };
    for (const PopisEfektu& e : kEfekty)
        if (efekt(e, s)) radek(e.jmeno), std::printf("\n");
    for (const PopisHudby& h : kHudby)
        if (skladba(h, s))
            radek(h.jmeno),
                std::printf("  (%d bars of %d at %d a minute, looping)\n", h.taktu, h.dob, h.tempo);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--seznam") == 0) return seznam();
    if (argc == 4 && std::strcmp(argv[1], "--jen") == 0) return jeden(argv[2], argv[3]);
    if (argc == 2 && argv[1][0] != '-') return vse(argv[1]);
    std::fprintf(stderr, "usage: zvukar DIR | zvukar --jen NAME FILE.wav | zvukar --seznam\n");
    return 2;
}
