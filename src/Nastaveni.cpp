// SPDX-License-Identifier: GPL-3.0-or-later
#include "Nastaveni.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

#include "IO.h"

namespace {

// One value of the file: its name, where it lives, its range and what it means.
struct Polozka {
    const char* jmeno;
    int Nastaveni::*cislo;
    bool Nastaveni::*priznak;
    int od, po;
    const char* popis;
    bool poloviny = false;  // kept in halves, written "1.5"
};

// clang-format off
constexpr Polozka kPolozky[] = {
    {"zvuk", nullptr, &Nastaveni::zvuk, 0, 1, "sound: 1 on, 0 off (M)"},
    {"okno", &Nastaveni::polovinyOkna, nullptr, 2, 6, "window size: 1, 1.5, 2, 2.5 or 3 times 800 x 600 (F10)", true},
    {"cela_obrazovka", nullptr, &Nastaveni::celaObrazovka, 0, 1, "fullscreen: 1 on, 0 off (F11)"},
    {"pad_skok", &Nastaveni::padSkok, nullptr, 0, 255, "gamepad button that jumps"},
    {"pad_beh", &Nastaveni::padBeh, nullptr, 0, 255, "gamepad button that runs while held"},
    {"pad_utok", &Nastaveni::padUtok, nullptr, 0, 255, "gamepad button that strikes or shoots"},
    {"pad_zbran", &Nastaveni::padZbran, nullptr, 0, 255, "gamepad button that switches sword and bow"},
    {"pad_ovladani", &Nastaveni::padOvladani, nullptr, 0, 255, "gamepad button that shows the controls"},
    {"pad_pauza", &Nastaveni::padPauza, nullptr, 0, 255, "gamepad button that pauses"},
};
// clang-format on

// Far more than the file the game writes, which is under a kilobyte.
constexpr std::streamsize kNejvic = 64 * 1024;

std::string_view orizni(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

constexpr const char* kJazyky[] = {"cs", "en"};  // by Jazyk

// Sets the named value; false when the name is unknown or the value unusable.
bool nastav(Nastaveni& n, std::string_view jmeno, std::string_view hodnota) {
    if (jmeno == "jazyk") {
        for (Jazyk j : {Jazyk::cs, Jazyk::en})
            if (hodnota == kJazyky[int(j)]) return n.jazyk = j, true;
        return false;
    }
    for (const Polozka& p : kPolozky) {
        if (jmeno != p.jmeno) continue;
        int v = 0;
        // A value in halves is a whole number, or one and a half ("2.5").
        const bool pul = p.poloviny && hodnota.size() > 2 && hodnota.substr(hodnota.size() - 2) == ".5";
        if (pul) hodnota.remove_suffix(2);
        const auto [konec, chyba] = std::from_chars(hodnota.data(), hodnota.data() + hodnota.size(), v);
        if (chyba != std::errc() || konec != hodnota.data() + hodnota.size() || v < 0 || v > p.po)
            return false;
        if (p.poloviny) v = 2 * v + pul;
        if (v < p.od || v > p.po) return false;
        if (p.cislo)
            n.*p.cislo = v;
        else
            n.*p.priznak = v != 0;
        return true;
    }
    return false;
}

}  // namespace

Jazyk jazykProstredi() {
    for (const char* promenna : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(promenna);
        if (!v || !*v) continue;
        // language[_territory][.codeset][@modifier]
        const std::string_view hodnota(v);
        return hodnota.substr(0, hodnota.find_first_of("_.@")) == "cs" ? Jazyk::cs : Jazyk::en;
    }
    return Jazyk::en;
}

Nastaveni Nastaveni::nacti(const char* cesta) {
    Nastaveni n;
    uklidPoZapisu(cesta);
    std::ifstream soubor(cesta, std::ios::binary);
    if (!soubor.is_open()) return n;  // never saved: the defaults
    std::string obsah(static_cast<size_t>(kNejvic) + 1, '\0');
    soubor.read(obsah.data(), kNejvic + 1);
    obsah.resize(static_cast<size_t>(soubor.gcount()));
    int spatne = 0;
    if (obsah.size() > static_cast<size_t>(kNejvic)) {
        obsah.resize(static_cast<size_t>(kNejvic));
        ++spatne;
    }
    std::istringstream radky(obsah);
    for (std::string radek; std::getline(radky, radek);) {
        const std::string_view r = orizni(radek);
        if (r.empty() || r.front() == '#') continue;
        const size_t rovna = r.find('=');
        if (rovna == std::string_view::npos ||
            !nastav(n, orizni(r.substr(0, rovna)), orizni(r.substr(rovna + 1))))
            ++spatne;
    }
    if (spatne)
        std::fprintf(stderr, "%s: %d damaged line%s ignored, default%s used\n", cesta, spatne,
                     spatne == 1 ? "" : "s", spatne == 1 ? "" : "s");
    return n;
}

std::string Nastaveni::text() const {
    std::ostringstream s;
    s << "# Grondelvik settings, written by the game; a damaged value means its default.\n";
    for (const Polozka& p : kPolozky) {
        const int v = p.cislo ? this->*p.cislo : int(this->*p.priznak);
        s << "# " << p.popis << "\n" << p.jmeno << "=";
        if (p.poloviny)
            s << v / 2 << (v % 2 ? ".5" : "") << "\n";
        else
            s << v << "\n";
    }
    s << "# language: cs or en; without this line the locale decides (LC_ALL, LC_MESSAGES, LANG)\n";
    if (jazyk) s << "jazyk=" << kJazyky[int(*jazyk)] << "\n";
    return s.str();
}

bool Nastaveni::uloz(const char* cesta) const {
    std::string chyba;
    if (zapisCely(cesta, text(), chyba)) return true;
    std::fprintf(stderr, "the settings could not be saved to %s (%s); the old ones stay\n", cesta,
                 chyba.c_str());
    return false;
}
