// SPDX-License-Identifier: GPL-3.0-or-later
// The sound generator's toolkit: oscillators, noise, envelopes, filters and
// a plucked string, all deterministic, writing into a mono track of floats
// (full scale is 1).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "seznam.h"

using Stopa = std::vector<float>;

inline size_t vzorku(double sekundy) {
    return static_cast<size_t>(sekundy * kVzorkovani + 0.5);
}

// The frequency of a note: "a4" is 440 Hz, steps are equal-tempered semitones.
double frekvence(int midi);

// Reproducible white noise, -1 to 1.
class Sum {
public:
    explicit Sum(uint32_t semeno) : x(semeno ? semeno : 1) {}
    float dalsi() {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        return static_cast<float>(static_cast<int32_t>(x) / 2147483648.0);
    }

private:
    uint32_t x;
};

// A two-pole state-variable filter whose corner may move every sample.
class Filtr {
public:
    enum Druh { dolni, pasmo, horni };
    explicit Filtr(Druh d, double q = 0.7) : druh(d), tlumeni(1.0 / q) {}
    float krok(float x, double hz);

private:
    Druh druh;
    double tlumeni;
    double lp = 0, bp = 0;
};

enum class Tvar {
    sinus,
    trojuhelnik,
    pila,      // band-limited
    obdelnik,  // band-limited, of the given duty
    varhany,   // the first three harmonics
    zvon,      // FM with an inharmonic partial that fades
    struna,    // a plucked string (Karplus-Strong)
};

// One tone of an effect or a note of a tune: its frequency glides from f0 to
// f1 (exponentially), its loudness rises over nabeh seconds, then falls
// with the time constant pokles (0: holds) and is let go over dozvuk after
// its length.
struct Ton {
    Tvar tvar = Tvar::sinus;
    double f0 = 440, f1 = 0;  // f1 0: no glide
    double zacatek = 0, delka = 0.1;
    double nabeh = 0.005, pokles = 0, dozvuk = 0.02;
    double hlasitost = 1;
    double strida = 0.5;                  // duty of obdelnik
    double vibrato = 0, vibratoHz = 5.5;  // depth as a part of the frequency
    double dolniPropust = 0;              // Hz of a low-pass on the tone; 0: none
    uint32_t semeno = 1;                  // the string's first pluck
};
void pridejTon(Stopa& s, const Ton& t);

// Filtered noise: its filter's corner glides from pasmo0 to pasmo1.
struct Sumeni {
    Filtr::Druh druh = Filtr::pasmo;
    double pasmo0 = 1000, pasmo1 = 0, q = 1;
    double zacatek = 0, delka = 0.1;
    double nabeh = 0.002, pokles = 0.05, dozvuk = 0.01;
    double hlasitost = 1;
    uint32_t semeno = 7;
};
void pridejSum(Stopa& s, const Sumeni& n);

// A feedback echo inside the track's own length.
void ozvena(Stopa& s, double zpozdeni, double zpetna, double mix);
// A small room (Schroeder), its tail folded back onto the start, so a
// looping tune runs on without a seam.
void dozvukSmycky(Stopa& s, double mix, double doba);
// Scales the track so its loudest sample is spicka; a sound that ends (not a
// loop) first fades over its last few ms.
void normalizuj(Stopa& s, double spicka, bool konci = true);
// An effect's level: faded over its last few ms, its offset taken out, then
// scaled so its loudest 100 ms (hlasitostStopy) lie at decibelu of full scale.
void vyrovnej(Stopa& s, double decibelu);
double spickaStopy(const Stopa& s);
// The track's mean, its offset from silence, as a part of full scale.
double stredStopy(const Stopa& s);
// How loud it sounds: the RMS of its loudest 100 ms (the whole track when
// shorter).
double hlasitostStopy(const Stopa& s);
