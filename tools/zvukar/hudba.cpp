// SPDX-License-Identifier: GPL-3.0-or-later
// The three level tunes, written as notes and chords in text, played by a
// handful of instruments built from the synthesiser's tones.
//
// A melody is "a4.4 c5 e5.6 d5.2 | ...": a note (or r for a rest) and its
// length in sixteenths after the dot, kept until the next one names another;
// "|" is a bar line and must fall on one. Chords are "Am F C G7 ...", one a
// bar unless a length follows (".8"). An accompaniment pattern is chord
// tones by index ("0 1 2 3": root, third, fifth, root an octave up, for a
// triad), each of krok sixteenths unless a length follows; it runs on
// through each chord. A drum pattern is one bar of steps a sixteenth apart:
// k kick, s snare, h hat, t timpani, "." nothing.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "zvukar.h"

namespace {

enum class Nastroj { varhany, cembalo, fletna, kytara, bas, zvon, celesta, plocha };

// One note of an instrument, times in seconds.
void zahraj(Stopa& s, Nastroj n, double t, double d, int midi, double h, uint32_t semeno) {
    const double f = frekvence(midi);
    switch (n) {
        case Nastroj::varhany:
            pridejTon(s, Ton{.tvar = Tvar::varhany,
                             .f0 = f,
                             .zacatek = t,
                             .delka = d * 0.95,
                             .nabeh = 0.03,
                             .dozvuk = 0.08,
                             .hlasitost = h,
                             .vibrato = 0.003,
                             .vibratoHz = 5,
                             .dolniPropust = 3000});
            break;
        case Nastroj::cembalo:
            pridejTon(s, Ton{.tvar = Tvar::struna,
                             .f0 = f,
                             .zacatek = t,
                             .delka = d,
                             .nabeh = 0.001,
                             .pokles = 0.6,
                             .dozvuk = 0.15,
                             .hlasitost = h,
                             .semeno = semeno});
            break;
        case Nastroj::kytara:
            pridejTon(s, Ton{.tvar = Tvar::struna,
                             .f0 = f,
                             .zacatek = t,
                             .delka = d,
                             .nabeh = 0.002,
                             .pokles = 0.5,
                             .dozvuk = 0.1,
                             .hlasitost = h,
                             .dolniPropust = 2500,
                             .semeno = semeno});
            break;
        case Nastroj::fletna:
            pridejTon(s, Ton{.f0 = f,
                             .zacatek = t,
                             .delka = d * 0.92,
                             .nabeh = 0.06,
                             .dozvuk = 0.1,
                             .hlasitost = h,
                             .vibrato = 0.006,
                             .vibratoHz = 5});
            pridejTon(s, Ton{.tvar = Tvar::trojuhelnik,
                             .f0 = f,
                             .zacatek = t,
                             .delka = d * 0.92,
                             .nabeh = 0.06,
                             .dozvuk = 0.1,
                             .hlasitost = h * 0.25});
            pridejSum(s, Sumeni{.pasmo0 = f * 2,
                                .q = 8,
                                .zacatek = t,
                                .delka = d * 0.9,
                                .nabeh = 0.05,
                                .pokles = 0,
                                .dozvuk = 0.1,
                                .hlasitost = h * 0.05,
                                .semeno = semeno});
            break;
        case Nastroj::bas:
            pridejTon(s, Ton{.tvar = Tvar::trojuhelnik,
                             .f0 = f,
                             .zacatek = t,
                             .delka = d * 0.95,
                             .nabeh = 0.01,
                             .dozvuk = 0.06,
                             .hlasitost = h,
                             .dolniPropust = 800});
            pridejTon(s, Ton{.f0 = f,
                             .zacatek = t,
                             .delka = d * 0.95,
                             .nabeh = 0.01,
                             .dozvuk = 0.06,
                             .hlasitost = h * 0.6});
            break;
        case Nastroj::zvon:
            pridejTon(s, Ton{.tvar = Tvar::zvon,
                             .f0 = f,
                             .zacatek = t,
                             .delka = std::max(d, 1.0),
                             .nabeh = 0.002,
                             .pokles = 0.8,
                             .dozvuk = 0.4,
                             .hlasitost = h});
            break;
        case Nastroj::celesta:
            pridejTon(s, Ton{.f0 = f,
                             .zacatek = t,
                             .delka = d + 0.3,
                             .nabeh = 0.002,
                             .pokles = 0.4,
                             .dozvuk = 0.1,
                             .hlasitost = h});
            pridejTon(s, Ton{.f0 = f * 4,
                             .zacatek = t,
                             .delka = d,
                             .nabeh = 0.002,
                             .pokles = 0.1,
                             .dozvuk = 0.05,
                             .hlasitost = h * 0.15});
            break;
        case Nastroj::plocha:
            for (double r : {1.0, 1.004, 1 / 1.004})
                pridejTon(s, Ton{.tvar = Tvar::pila,
                                 .f0 = f * r,
                                 .zacatek = t,
                                 .delka = d,
                                 .nabeh = 0.35,
                                 .dozvuk = 0.6,
                                 .hlasitost = h / 3,
                                 .dolniPropust = 1400});
            break;
    }
}

void buben(Stopa& s, char druh, double t, double h, uint32_t semeno) {
    switch (druh) {
        case 'k':
            pridejTon(s, Ton{.f0 = 120,
                             .f1 = 45,
                             .zacatek = t,
                             .delka = 0.15,
                             .nabeh = 0.002,
                             .pokles = 0.06,
                             .hlasitost = h});
            break;
        case 's':
            pridejSum(s, Sumeni{.druh = Filtr::horni,
                                .pasmo0 = 1500,
                                .zacatek = t,
                                .delka = 0.12,
                                .pokles = 0.05,
                                .hlasitost = h * 0.6,
                                .semeno = semeno});
            pridejTon(s, Ton{.f0 = 190, .zacatek = t, .delka = 0.06, .pokles = 0.03, .hlasitost = h * 0.4});
            break;
        case 'h':
            pridejSum(s, Sumeni{.druh = Filtr::horni,
                                .pasmo0 = 6000,
                                .zacatek = t,
                                .delka = 0.04,
                                .pokles = 0.015,
                                .hlasitost = h * 0.35,
                                .semeno = semeno});
            break;
        case 't':
            pridejTon(s, Ton{.f0 = 92,
                             .f1 = 78,
                             .zacatek = t,
                             .delka = 0.45,
                             .nabeh = 0.003,
                             .pokles = 0.25,
                             .hlasitost = h});
            pridejSum(s, Sumeni{.druh = Filtr::dolni,
                                .pasmo0 = 400,
                                .zacatek = t,
                                .delka = 0.05,
                                .pokles = 0.02,
                                .hlasitost = h * 0.5,
                                .semeno = semeno});
            break;
        default: break;
    }
}

struct Nota {
    int zacatek, delka;  // sixteenths
    int midi;            // -1: rest
};

struct Akord {
    int zacatek, delka;
    int koren;  // 0 = C
    std::vector<int> intervaly;
};

// "note.length" or "index.length": the part before the dot and the length.
std::pair<std::string, int> rozdel(const std::string& t, int& posledni) {
    const size_t tecka = t.find('.');
    if (tecka != std::string::npos) posledni = std::stoi(t.substr(tecka + 1));
    if (posledni <= 0) throw std::runtime_error("a length must be positive: " + t);
    return {t.substr(0, tecka), posledni};
}

std::vector<Nota> melodie(const std::string& text, int takt, int taktu) {
    std::vector<Nota> v;
    std::istringstream in(text);
    int cas = 0, delka = 4, cara = 0;
    for (std::string t; in >> t;) {
        if (t == "|") {
            if (cas != ++cara * takt)
                throw std::runtime_error("bar line " + std::to_string(cara) + " off the bar");
            continue;
        }
        const auto [nota, d] = rozdel(t, delka);
        v.push_back({cas, d, nota == "r" ? -1 : midiNot(nota)[0]});
        cas += d;
    }
    if (cas != takt * taktu)
        throw std::runtime_error("the melody lasts " + std::to_string(cas) + " sixteenths");
    return v;
}

std::vector<Akord> akordy(const std::string& text, int takt, int taktu) {
    static const std::pair<const char*, std::vector<int>> kDruhy[] = {
        {"maj7", {0, 4, 7, 11}}, {"m7", {0, 3, 7, 10}}, {"7", {0, 4, 7, 10}},
        {"m", {0, 3, 7}},        {"sus4", {0, 5, 7}},   {"", {0, 4, 7}}};
    std::vector<Akord> v;
    std::istringstream in(text);
    int cas = 0, delka = takt;
    for (std::string t; in >> t;) {
        auto [jmeno, d] = rozdel(t, delka);
        const size_t korenu = jmeno.size() > 1 && (jmeno[1] == '#' || jmeno[1] == 'b') ? 2 : 1;
        std::string nota = jmeno.substr(0, korenu) + "4";
        nota[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(nota[0])));
        const int koren = (midiNot(nota)[0] - 60 + 12) % 12;
        const std::string druh = jmeno.substr(korenu);
        const std::vector<int>* intervaly = nullptr;
        for (const auto& [j, i] : kDruhy)
            if (druh == j) intervaly = &i;
        if (!intervaly) throw std::runtime_error("unknown chord " + t);
        v.push_back({cas, d, koren, *intervaly});
        cas += d;
    }
    if (cas != takt * taktu)
        throw std::runtime_error("the chords last " + std::to_string(cas) + " sixteenths");
    return v;
}

// One layer of a tune.
struct Vrstva {
    enum Druh { melodie, vzor, akord, bubny } druh;
    Nastroj nastroj;
    std::string text;
    double hlasitost;
    int oktava = 3;  // of a chord's root
    int krok = 2;    // of a pattern's steps
};

struct Skladba {
    const char* jmeno;
    std::string akordy;
    std::vector<Vrstva> vrstvy;
    double dozvuk, dobaDozvuku;
};

// clang-format off
// The castle: A minor, stately; an organ over a harpsichord, timpani.
const Skladba kHrad{"hrad",
    "Am Am F G Am Dm E E F G C Am Dm Am E Am",
    {{Vrstva::melodie, Nastroj::varhany,
      "a4.4 c5 e5.6 d5.2 | c5.4 b4 a4.8 | a4.4 c5 f5.6 e5.2 | d5.4 b4 g4.8 | "
      "e5.4 a5 g5 e5 | f5.4 e5 d5 f5 | e5.6 d5.2 c5.4 b4 | g#4.8 e4.4 r.4 | "
      "c5.4 f5 a5.6 g5.2 | f5.4 d5 b4.8 | e5.4 g5 c6.6 b5.2 | a5.4 e5 c5.8 | "
      "d5.4 f5 a5 f5 | e5.4 c5 a4.8 | b4.4 d5 g#4 b4 | a4.12 r.4 |", 0.5},
     {Vrstva::vzor, Nastroj::cembalo, "0 1 2 3 2 1 0 1", 0.3, 3, 2},
     {Vrstva::vzor, Nastroj::bas, "0.8 2.4 0.4", 0.4, 2},
     {Vrstva::bubny, Nastroj::bas, "t.......t.......", 0.45}},
    0.25, 1.6};

// The outdoors: G major, lively; a flute over a strummed guitar, light drums.
const Skladba kVenku{"venku",
    "G C G D G C D G Em C G D Em C Am D G C D G",
    {{Vrstva::melodie, Nastroj::fletna,
      "g5.4 b5.2 a5.2 g5.4 d5.4 | e5.4 g5.2 e5.2 c5.8 | d5.4 g5.2 b5.2 d6.4 b5.4 | a5.6 g5.2 f#5.8 | "
      "g5.4 b5.2 a5.2 g5.4 d5.4 | e5.2 f#5.2 g5.4 e5.4 c5.4 | d5.4 f#5.4 a5.4 c6.4 | b5.8 g5.4 r.4 | "
      "e5.4 g5.4 b5.6 a5.2 | g5.4 e5.4 c5.8 | d5.4 g5.4 b5.6 a5.2 | a5.8 f#5.4 d5.4 | "
      "e5.2 f#5.2 g5.4 b5.4 e6.4 | d6.4 c6.4 g5.8 | a5.4 c6.4 e5.4 a5.4 | f#5.4 a5.4 d6.8 | "
      "d6.4 b5.2 g5.2 d5.4 g5.4 | e5.4 g5.4 c6.4 e6.4 | d6.4 c6.4 a5.4 f#5.4 | g5.12 r.4 |", 0.5},
     {Vrstva::vzor, Nastroj::kytara, "0 2 1 2 3 2 1 2", 0.3, 3, 2},
     {Vrstva::vzor, Nastroj::bas, "0.4 2.4 0.4 2.4", 0.4, 2},
     {Vrstva::bubny, Nastroj::bas, "k.h.s.h.k.k.s.h.", 0.35}},
    0.15, 1.0};

// The polar ice: E minor in three, slow; bells over a soft pad and a celesta.
const Skladba kPol{"pol",
    "Em C Am B Em C D B G D Em C Am D B Em",
    {{Vrstva::melodie, Nastroj::zvon,
      "b5.4 g5.4 e5.4 | e6.6 d6.2 c6.4 | c6.4 b5.4 a5.4 | f#5.8 d#5.4 | "
      "e5.4 g5.4 b5.4 | c6.4 e6.4 g6.4 | f#6.6 e6.2 d6.4 | b5.12 | "
      "d6.4 b5.4 g5.4 | a5.6 f#5.2 d5.4 | g5.4 b5.4 e6.4 | e6.6 d6.2 c6.4 | "
      "a5.4 c6.4 e6.4 | f#6.4 e6.4 d6.4 | d#6.8 b5.4 | e6.12 |", 0.45},
     {Vrstva::akord, Nastroj::plocha, "", 0.35, 3},
     {Vrstva::vzor, Nastroj::celesta, "0 2 3 4 3 2", 0.18, 4, 2},
     {Vrstva::vzor, Nastroj::bas, "0.12", 0.35, 2}},
    0.4, 2.6};
// clang-format on

const Skladba* najdi(const char* jmeno) {
    for (const Skladba* s : {&kHrad, &kVenku, &kPol})
        if (std::string(s->jmeno) == jmeno) return s;
    return nullptr;
}

}  // namespace

bool skladba(const PopisHudby& p, Stopa& s) {
    const Skladba* sk = najdi(p.jmeno);
    if (!sk) {
        std::fprintf(stderr, "zvukar: no score for %s\n", p.jmeno);
        return false;
    }
    const int takt = 4 * p.dob;
    const double sestnactina = 60.0 / p.tempo / 4;
    const size_t delka = vzorku(p.sekundy());
    s.assign(delka, 0.0f);
    uint32_t semeno = 1;
    try {
        const std::vector<Akord> ak = akordy(sk->akordy, takt, p.taktu);
        for (const Vrstva& v : sk->vrstvy) {
            switch (v.druh) {
                case Vrstva::melodie:
                    for (const Nota& n : melodie(v.text, takt, p.taktu))
                        if (n.midi >= 0)
                            zahraj(s, v.nastroj, n.zacatek * sestnactina, n.delka * sestnactina, n.midi,
                                   v.hlasitost, ++semeno);
                    break;
                case Vrstva::akord:
                    for (const Akord& a : ak)
                        for (int i : a.intervaly)
                            zahraj(s, v.nastroj, a.zacatek * sestnactina, a.delka * sestnactina,
                                   12 * (v.oktava + 1) + a.koren + i, v.hlasitost, ++semeno);
                    break;
                case Vrstva::vzor:
                    for (const Akord& a : ak) {
                        std::istringstream in(v.text);
                        int cas = a.zacatek, krok = v.krok;
                        // The pattern starts again with every chord and stops at its end.
                        while (cas < a.zacatek + a.delka) {
                            std::string t;
                            if (!(in >> t)) {
                                in.clear();
                                in.str(v.text);
                                in >> t;
                            }
                            const auto [index, d] = rozdel(t, krok);
                            const int i = std::stoi(index), n = static_cast<int>(a.intervaly.size());
                            const int midi =
                                12 * (v.oktava + 1) + a.koren + a.intervaly[i % n] + 12 * (i / n);
                            const int kolik = std::min(d, a.zacatek + a.delka - cas);
                            zahraj(s, v.nastroj, cas * sestnactina, kolik * sestnactina, midi, v.hlasitost,
                                   ++semeno);
                            cas += kolik;
                        }
                    }
                    break;
                case Vrstva::bubny:
                    for (int k = 0; k < p.taktu * takt; ++k)
                        buben(s, v.text[static_cast<size_t>(k) % v.text.size()], k * sestnactina, v.hlasitost,
                              ++semeno);
                    break;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zvukar: %s: %s\n", p.jmeno, e.what());
        return false;
    }
    // Notes that ring past the end sound over the start of the next round.
    for (size_t i = delka; i < s.size(); ++i) s[i % delka] += s[i];
    s.resize(delka);
    dozvukSmycky(s, sk->dozvuk, sk->dobaDozvuku);
    normalizuj(s, p.spicka, false);
    return true;
}

std::vector<int> midiNot(const std::string& text) {
    static const int kTony[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    std::vector<int> v;
    std::istringstream in(text);
    for (std::string t; in >> t;) {
        size_t i = 0;
        if (t.empty() || t[0] < 'a' || t[0] > 'g') throw std::runtime_error("bad note " + t);
        int ton = kTony[t[i++] - 'a'];
        if (i < t.size() && t[i] == '#')
            ++ton, ++i;
        else if (i < t.size() && t[i] == 'b')
            --ton, ++i;
        if (i >= t.size() || t.find_first_not_of("0123456789", i) != std::string::npos)
            throw std::runtime_error("bad note " + t);
        v.push_back(12 * (std::stoi(t.substr(i)) + 1) + ton);
    }
    return v;
}
