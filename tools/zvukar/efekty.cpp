// SPDX-License-Identifier: GPL-3.0-or-later
// The effects: each one a few tones and noises, its length and loudness from
// the list in seznam.h.
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "zvukar.h"

namespace {

using N = Sumeni;
using T = Ton;

// A run of notes of one kind: "c5 e5 g5" starting krok seconds apart, each
// lasting delka; the last one may ring longer.
void noty(Stopa& s, const T& vzor, const std::string& text, double krok, double posledni = 0) {
    const std::vector<int> v = midiNot(text);
    for (size_t i = 0; i < v.size(); ++i) {
        T t = vzor;
        t.f0 = frekvence(v[i]);
        t.zacatek = vzor.zacatek + krok * static_cast<double>(i);
        if (i + 1 == v.size() && posledni > 0) t.delka = posledni;
        pridejTon(s, t);
    }
}

// clang-format off
const std::map<std::string, std::function<void(Stopa&)>> kRecepty = {
    {"mec", [](Stopa& s) {
        // The blade cuts in at once, so the swing is heard with the key.
        pridejSum(s, N{.druh = Filtr::pasmo, .pasmo0 = 3600, .pasmo1 = 500, .q = 2, .delka = 0.2,
                       .nabeh = 0.012, .pokles = 0.08, .semeno = 11});
        pridejTon(s, T{.f0 = 1800, .f1 = 700, .delka = 0.16, .nabeh = 0.012, .pokles = 0.05, .hlasitost = 0.08});
    }},
    {"vystrel", [](Stopa& s) {
        pridejTon(s, T{.tvar = Tvar::struna, .f0 = 196, .f1 = 185, .delka = 0.26, .nabeh = 0.001,
                       .pokles = 0.12, .semeno = 3});
        pridejSum(s, N{.druh = Filtr::horni, .pasmo0 = 3000, .delka = 0.03, .pokles = 0.015, .hlasitost = 0.5});
        pridejTon(s, T{.f0 = 98, .delka = 0.06, .pokles = 0.03, .hlasitost = 0.3});
    }},
    {"sipVeZdi", [](Stopa& s) {
        pridejTon(s, T{.f0 = 240, .f1 = 90, .delka = 0.12, .nabeh = 0.001, .pokles = 0.04});
        pridejSum(s, N{.druh = Filtr::dolni, .pasmo0 = 3000, .delka = 0.01, .pokles = 0.004, .hlasitost = 0.8});
        pridejSum(s, N{.pasmo0 = 850, .q = 6, .delka = 0.1, .pokles = 0.035, .hlasitost = 1.2, .semeno = 5});
    }},
    {"zasah", [](Stopa& s) {
        pridejTon(s, T{.f0 = 170, .f1 = 50, .delka = 0.16, .nabeh = 0.002, .pokles = 0.06});
        pridejSum(s, N{.druh = Filtr::dolni, .pasmo0 = 1800, .pasmo1 = 400, .delka = 0.08, .pokles = 0.03,
                       .hlasitost = 0.7});
        pridejTon(s, T{.tvar = Tvar::trojuhelnik, .f0 = 90, .f1 = 60, .delka = 0.1, .pokles = 0.05,
                       .hlasitost = 0.3});
    }},
    {"minuti", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::trojuhelnik, .delka = 0.06, .nabeh = 0.008, .dozvuk = 0.015, .hlasitost = 0.8},
             "e5 b4", 0.065, 0.07);
        pridejSum(s, N{.pasmo0 = 5000, .pasmo1 = 2500, .q = 1.5, .delka = 0.05, .pokles = 0.02,
                       .hlasitost = 0.15});
    }},
    {"zabiti", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::obdelnik, .delka = 0.1, .nabeh = 0.004, .strida = 0.25, .dolniPropust = 2500},
             "a4 f4 d4 a3", 0.11, 0.2);
        pridejSum(s, N{.druh = Filtr::dolni, .pasmo0 = 2500, .pasmo1 = 300, .delka = 0.12, .pokles = 0.05,
                       .hlasitost = 0.6});
    }},
    {"zraneni", [](Stopa& s) {
        pridejTon(s, T{.tvar = Tvar::pila, .f0 = 185, .f1 = 120, .delka = 0.24, .nabeh = 0.01, .pokles = 0.15,
                       .vibrato = 0.04, .vibratoHz = 18, .dolniPropust = 1100});
        pridejSum(s, N{.pasmo0 = 700, .q = 3, .delka = 0.2, .pokles = 0.1, .hlasitost = 0.6});
        pridejTon(s, T{.f0 = 90, .f1 = 60, .delka = 0.12, .pokles = 0.05, .hlasitost = 0.5});
    }},
    {"sebranySip", [](Stopa& s) {
        pridejTon(s, T{.tvar = Tvar::trojuhelnik, .f0 = frekvence(88), .delka = 0.045, .nabeh = 0.003,
                       .dozvuk = 0.01, .hlasitost = 0.7});
        pridejTon(s, T{.f0 = frekvence(95), .zacatek = 0.05, .delka = 0.05, .pokles = 0.03, .hlasitost = 0.7});
    }},
    {"sebranyToulec", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::obdelnik, .delka = 0.07, .nabeh = 0.003, .dolniPropust = 3000}, "e5 a5 e6",
             0.075, 0.09);
    }},
    {"sebraneZivoty", [](Stopa& s) {
        const T vzor{.tvar = Tvar::trojuhelnik, .delka = 0.08, .nabeh = 0.006, .pokles = 0.2, .dozvuk = 0.03};
        noty(s, vzor, "c5 e5 g5 c6", 0.09, 0.2);
        T chor = vzor;  // a slightly sharp double, for warmth
        chor.hlasitost = 0.5;
        chor.vibrato = 0.003;
        noty(s, chor, "c6 e6 g6 c7", 0.09, 0.2);
    }},
    {"skok", [](Stopa& s) {
        pridejTon(s, T{.tvar = Tvar::obdelnik, .f0 = 260, .f1 = 560, .delka = 0.14, .nabeh = 0.005,
                       .pokles = 0.08, .strida = 0.125, .dolniPropust = 2200});
    }},
    {"dopad", [](Stopa& s) {
        pridejTon(s, T{.f0 = 160, .f1 = 60, .delka = 0.1, .nabeh = 0.002, .pokles = 0.035});
        pridejSum(s, N{.druh = Filtr::dolni, .pasmo0 = 900, .pasmo1 = 200, .delka = 0.05, .pokles = 0.02,
                       .hlasitost = 0.9});
    }},
    {"vychod", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::zvon, .delka = 0.3, .nabeh = 0.002, .pokles = 0.25, .dozvuk = 0.05,
                  .hlasitost = 0.6}, "g5 c6 e6 g6", 0.09);
        pridejSum(s, N{.pasmo0 = 800, .pasmo1 = 4000, .q = 4, .delka = 0.5, .nabeh = 0.3, .pokles = 0,
                       .dozvuk = 0.1, .hlasitost = 0.15});
        ozvena(s, 0.14, 0.35, 0.5);
    }},
    {"novyLevel", [](Stopa& s) {
        const T roh{.tvar = Tvar::pila, .delka = 0.14, .nabeh = 0.02, .dozvuk = 0.03, .vibrato = 0.006,
                    .dolniPropust = 1800};
        noty(s, roh, "c5 e5 g5 c6", 0.15, 0.6);
        T akord = roh;
        akord.zacatek = 0.45, akord.delka = 0.6, akord.pokles = 0.6, akord.hlasitost = 0.55;
        noty(s, akord, "g4 e4", 0);
        pridejTon(s, T{.f0 = 98, .f1 = 80, .zacatek = 0.45, .delka = 0.4, .pokles = 0.2, .hlasitost = 0.6});
    }},
    {"smrt", [](Stopa& s) {
        const T trombon{.tvar = Tvar::pila, .delka = 0.35, .nabeh = 0.02, .dozvuk = 0.03, .dolniPropust = 1200};
        noty(s, trombon, "e4 d#4 d4", 0.38);
        T posledni = trombon;
        posledni.f0 = frekvence(midiNot("c#4")[0]);
        posledni.zacatek = 1.14, posledni.delka = 0.6, posledni.pokles = 0.5, posledni.vibrato = 0.015;
        pridejTon(s, posledni);
    }},
    {"pauza", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::zvon, .delka = 0.1, .nabeh = 0.002, .pokles = 0.12, .dozvuk = 0.02}, "g5 c5", 0.1,
             0.12);
    }},
    {"pokracovani", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::zvon, .delka = 0.1, .nabeh = 0.002, .pokles = 0.12, .dozvuk = 0.02}, "c5 g5", 0.1,
             0.12);
    }},
    {"ulozeno", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::varhany, .delka = 0.06, .nabeh = 0.004, .pokles = 0.15, .dozvuk = 0.015},
             "c6 e6 g6", 0.07, 0.25);
        // the top note's octave, faint, makes it shine
        pridejTon(s, T{.tvar = Tvar::varhany, .f0 = frekvence(91), .zacatek = 0.14, .delka = 0.25,
                       .pokles = 0.12, .hlasitost = 0.3});
    }},
    {"nacteno", [](Stopa& s) {
        noty(s, T{.tvar = Tvar::struna, .delka = 0.25, .nabeh = 0.001, .pokles = 0.15, .dozvuk = 0.02},
             "e5 c5 g5", 0.08);
    }},
    {"chyba", [](Stopa& s) {
        const T bzuk{.tvar = Tvar::obdelnik, .delka = 0.11, .nabeh = 0.005, .dozvuk = 0.02, .strida = 0.3,
                     .dolniPropust = 1600};
        noty(s, bzuk, "d3 d3", 0.15);
        T tritonus = bzuk;
        tritonus.hlasitost = 0.4;
        noty(s, tritonus, "g#3 g#3", 0.15);
    }},
};
// clang-format on

}  // namespace

bool efekt(const PopisEfektu& p, Stopa& s) {
    const auto r = kRecepty.find(p.jmeno);
    if (r == kRecepty.end()) {
        std::fprintf(stderr, "zvukar: no recipe for %s\n", p.jmeno);
        return false;
    }
    s.assign(vzorku(p.sekundy), 0.0f);
    r->second(s);
    s.resize(vzorku(p.sekundy));  // tails that ring past the end are cut, then faded
    vyrovnej(s, p.hlasitost);
    return true;
}
