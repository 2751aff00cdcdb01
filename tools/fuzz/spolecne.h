// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: input bytes as a stream without a copy, the
// level's private parts, and a broken rule reported as a crash.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <streambuf>

#include "Level.h"

// The input bytes read in place.
class Pamet : public std::streambuf {
public:
    Pamet(const uint8_t* data, size_t size) {
        char* p = const_cast<char*>(reinterpret_cast<const char*>(data));
        setg(p, p, p + size);
    }
};

struct Vstup {
    Pamet pamet;
    std::istream is{&pamet};
    Vstup(const uint8_t* data, size_t size) : pamet(data, size) {}
};

// libFuzzer keeps the input of an abort as a crash.
inline void nutne(bool plati, const char* pravidlo) {
    if (plati) return;
    std::fprintf(stderr, "broken: %s\n", pravidlo);
    std::abort();
}

// The level befriends LevelTest for the checks that look inside it; the
// fuzzers look at what a map built.
struct LevelTest {
    static const std::vector<unsigned char>& polePevna(const Level& l) { return l.polePevna; }
    static const std::vector<unsigned char>& polePozadi(const Level& l) { return l.polePozadi; }
    static const ListPredmetu& list(const Level& l) { return *l.list; }
    static SetNepratel& set(const Level& l) { return *l.set; }
    // The four shared item kinds in the order of their map characters 1 to 4.
    static const Predmet* druh(const Level& l, int i) {
        const Predmet* druhy[] = {l.sip.get(), l.zivoty.get(), l.toulec.get(), l.novyLvl.get()};
        return druhy[i];
    }
};
