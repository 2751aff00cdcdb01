// SPDX-License-Identifier: GPL-3.0-or-later
// Every sound the generator writes into the data folder's zvuky/, with the
// numbers a listener and the tests hold it to: its length and its loudness.
#pragma once

// Every sound is mono at this rate; effects are 16-bit WAV, tunes Ogg Vorbis.
inline constexpr int kVzorkovani = 22050;

// An effect: "<jmeno>.wav", the game's event of the same name.
struct PopisEfektu {
    const char* jmeno;
    double sekundy;    // its whole length
    double hlasitost;  // dB of full scale: the RMS of its loudest 100 ms
};

// The effects lie within 6 dB of each other, the two the player hears most
// (the swing and the shot) not below the middle, each centred on silence
// (its mean within 0.005 of full scale) and short of clipping. The tunes play
// a quarter softer (Zvuk.cpp), below the effects' middle.

// clang-format off
inline constexpr PopisEfektu kEfekty[] = {
    {"mec",           0.22, -15},  // sword swing: a falling whoosh
    {"vystrel",       0.30, -16},  // bow: a plucked twang
    {"sipVeZdi",      0.18, -17},  // arrow in a wall: a wooden thunk
    {"zasah",         0.20, -16},  // a hit: a low punch
    {"minuti",        0.16, -18},  // a miss: a soft falling two-tone
    {"zabiti",        0.55, -17},  // an enemy killed: a falling arpeggio
    {"zraneni",       0.28, -16},  // the hunter wounded: a buzzing groan
    {"sebranySip",    0.12, -18},  // an arrow picked up: a bright blip
    {"sebranyToulec", 0.26, -18},  // a quiver: three quick rising notes
    {"sebraneZivoty", 0.48, -17},  // health: a warm rising arpeggio
    {"skok",          0.16, -19},  // a jump: a rising chirp
    {"dopad",         0.12, -18},  // a landing: a low thud
    {"vychod",        0.80, -17},  // the exit: rising bells with an echo
    {"novyLevel",     1.20, -16},  // a new level: a brass fanfare
    {"smrt",          1.80, -16},  // death: a slow falling lament
    {"pauza",         0.24, -18},  // pause: two bell notes down
    {"pokracovani",   0.24, -18},  // resume: the same two up
    {"ulozeno",       0.42, -17},  // saved: three clean rising notes
    {"nacteno",       0.42, -17},  // loaded: three plucked notes, down and up
    {"chyba",         0.30, -17},  // a failure: two low buzzes
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
