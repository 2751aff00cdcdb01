// SPDX-License-Identifier: GPL-3.0-or-later
// The sound generator's parts: the effects, the tunes and the file writers.
#pragma once

#include <string>
#include <vector>

#include "seznam.h"
#include "syntez.h"

// Notes written "c5 d#5 eb5": a letter, a sharp or flat, an octave (c4 is
// middle C). Throws a message naming the bad note.
std::vector<int> midiNot(const std::string& text);

// Renders one effect or one tune of the lists; false when it has no recipe
// or its score does not add up.
bool efekt(const PopisEfektu& p, Stopa& s);
bool skladba(const PopisHudby& p, Stopa& s);

// 16-bit mono WAV; Ogg Vorbis (quality -0.1 to 1). False when the file
// cannot be written.
bool ulozWav(const Stopa& s, const std::string& cesta);
bool ulozOgg(const Stopa& s, const std::string& cesta, double kvalita);
