// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound the generator writes into the data folder's zvuky/, with the
// numbers a listener and the tests hold it to: its length and its peak.
#pragma once

// Every sound is mono at this rate; effects are 16-bit WAV, tunes Ogg Vorbis.
inline constexpr int kVzorkovani = 22050;

// An effect: "<jmeno>.wav", the game's event of the same name.
struct PopisEfektu {
    const char* jmeno;
    double sekundy;  // its whole length
    double spicka;   // its loudest sample as a part of full scale
};

// clang-format off
inline constexpr PopisEfektu kEfekty[] = {
    {"mec",           0.22, 0.55},  // sword swing: a falling whoosh
    {"vystrel",       0.30, 0.62},  // bow: a plucked twang
    {"sipVeZdi",      0.18, 0.60},  // arrow in a wall: a wooden thunk
    {"zasah",         0.20, 0.60},  // a hit: a low punch
    {"minuti",        0.16, 0.45},  // a miss: a soft falling two-tone
    {"zabiti",        0.55, 0.42},  // an enemy killed: a falling arpeggio
    {"zraneni",       0.28, 0.55},  // the hunter wounded: a buzzing groan
    {"sebranySip",    0.12, 0.40},  // an arrow picked up: a bright blip
    {"sebranyToulec", 0.26, 0.40},  // a quiver: three quick rising notes
    {"sebraneZivoty", 0.48, 0.42},  // health: a warm rising arpeggio
    {"skok",          0.16, 0.24},  // a jump: a rising chirp
    {"dopad",         0.12, 0.45},  // a landing: a low thud
    {"vychod",        0.80, 0.42},  // the exit: rising bells with an echo
    {"novyLevel",     1.20, 0.48},  // a new level: a brass fanfare
    {"smrt",          1.80, 0.50},  // death: a slow falling lament
    {"pauza",         0.24, 0.38},  // pause: two bell notes down
    {"pokracovani",   0.24, 0.38},  // resume: the same two up
    {"ulozeno",       0.42, 0.40},  // saved: three clean rising notes
    {"nacteno",       0.42, 0.55},  // loaded: three plucked notes, down and up
    {"chyba",         0.30, 0.42},  // a failure: two low buzzes
};
// clang-format on

// A level's tune: "<jmeno>.ogg", looping; it lasts taktu bars of dob beats
// at tempo beats a minute before it repeats.
struct PopisHudby {
    const char* jmeno;
    int tempo;
    int dob;
    int taktu;
    double spicka;
    double sekundy() const { return taktu * dob * 60.0 / tempo; }
};

// In level order: the castle, the outdoors, the polar ice.
inline constexpr PopisHudby kHudby[] = {
    {"hrad", 100, 4, 16, 0.40},
    {"venku", 126, 4, 20, 0.40},
    {"pol", 84, 3, 16, 0.40},
};
