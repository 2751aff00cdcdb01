// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a saved game, read from memory. The only
// facts the reader takes from a level are its grid's size and the item kinds
// its map gives codes to; a real grid is 6000 lines or more, so inputs of odd
// length are read against three miniature levels, which short inputs can
// fill, and inputs of even length against the real levels, whose facts are
// read from the maps once. A file the reader accepts must hold only values
// the game relies on, write back and read the same, and reading must be
// deterministic.
#include <unistd.h>

#include <climits>
#include <cstring>
#include <sstream>
#include <string>

#include "spolecne.h"

namespace {

// Sizes and item kinds; the real ones as the maps give them.
MapaLevelu skutecne[3];
constexpr MapaLevelu kMiniatury[3] = {{3, 2, 2}, {2, 1, 0}, {1, 3, 4}};
// Leg and body frames of the warrior and the thief.
constexpr int kNohou[] = {5, 3}, kTel[] = {4, 3};
constexpr int kObrazkuSipu = 10;  // five bow angles, each facing both ways

// The record in the file's own layout, written with the game's writers.
void zapis(const UlozenaHra& u, std::ostream& os) {
    IO::writeInt(u.typ, os);
    IO::writeInt(u.obtiznost, os);
    const UlozenyHrac& h = u.hrac;
    for (int v : {h.nSipu, h.pozSipy, int(h.x), int(h.y)}) IO::writeInt(v, os);
    for (bool b : {h.m, h.vlevo, h.vzduch}) IO::writeBool(b, os);
    for (int v :
         {h.skok, h.pad, h.beh, h.score, h.sila, h.obratnost, h.zivoty, h.maxZivotu, h.citac, h.pocetSipu})
        IO::writeInt(v, os);
    for (const VystrelenySip& s : h.sipy) {
        for (int v : {s.x, s.y, s.uhel, s.alfa}) IO::writeInt(v, os);
        IO::writeBool(s.vlevo, os);
        IO::writeInt(s.vzdalenost, os);
        IO::writeInt(s.rychlost, os);
    }
    for (unsigned char c : u.predmety) IO::writeInt(c, os);
    for (const UlozenyNepritel& n : u.nepratele) {
        for (int v : {int(n.x), int(n.y), n.typ, n.zivoty, n.mod, n.aNohy, n.aTelo, n.citac})
            IO::writeInt(v, os);
        IO::writeBool(n.vlevo, os);
        IO::writeBool(n.utok, os);
    }
    IO::writeKonecSeznamu(os);
    for (const auto* znacky : {&u.zasahy, &u.minuti}) {
        for (const UlozenaZnacka& z : *znacky)
            for (int v : {int(z.x), int(z.y), z.n}) IO::writeInt(v, os);
        IO::writeKonecSeznamu(os);
    }
}

// The record read from the bytes, written back; empty when refused.
std::string precti(const char* data, size_t size, const MapaLevelu* mapy, UlozenaHra& u) {
    Vstup vstup(reinterpret_cast<const uint8_t*>(data), size);
    try {
        u = UlozenaHra::precti(vstup.is, [mapy](int t) {
            nutne(t >= 1 && t <= 3, "a level's facts are asked for levels 1 to 3 only");
            return mapy[t - 1];
        });
    } catch (const char* zprava) {
        nutne(std::strcmp(zprava, kPoskozenaHra) == 0, "a refused file is reported as damaged");
        return "";
    }
    std::ostringstream os;
    zapis(u, os);
    return os.str();
}

// A loaded game is at the large scale: the switch to the small one computes
// 2 v / 3, and back 3 (2 v / 3), so twice the value must fit an int.
bool skaluje(int v) {
    return v >= INT_MIN / 2 && v <= INT_MAX / 2;
}

void zkontroluj(const UlozenaHra& u, const MapaLevelu* mapy) {
    nutne(u.typ >= 1 && u.typ <= 3, "the level is 1, 2 or 3");
    const UlozenyHrac& h = u.hrac;
    nutne(h.nSipu >= 1 && h.pozSipy >= 0 && h.pozSipy <= h.nSipu,
          "the arrow array holds the arrows in flight");
    nutne(h.sipy.size() == size_t(h.pozSipy), "every arrow in flight is read");
    for (const VystrelenySip& s : h.sipy) {
        nutne(s.uhel >= 0 && s.uhel < kObrazkuSipu, "an arrow's picture exists");
        nutne(skaluje(s.x) && skaluje(s.y) && skaluje(s.rychlost),
              "an arrow's scale switch does not overflow");
    }
    const MapaLevelu& m = mapy[u.typ - 1];
    nutne(u.predmety.size() == size_t(m.sLvl) * m.vLvl, "the item grid has the level's size");
    for (unsigned char c : u.predmety)
        nutne(c <= m.druhuPredmetu && c <= 4, "an item code names a kind the level's map gives");
    for (const UlozenyNepritel& n : u.nepratele) {
        nutne(n.typ == 1 || n.typ == 2, "an enemy is a warrior or a thief");
        nutne(n.x >= 0, "an enemy's x is not negative");
        nutne(n.aNohy >= 0 && n.aNohy < kNohou[n.typ - 1] && n.aTelo >= 0 && n.aTelo < kTel[n.typ - 1],
              "an enemy's pictures exist");
    }
    for (const auto* znacky : {&u.zasahy, &u.minuti})
        for (const UlozenaZnacka& z : *znacky) nutne(z.x >= 0, "a marker's x is not negative");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The real levels' facts, from the maps in the data folder.
    if (chdir(GRONDELVIK_DATA) != 0) std::abort();
    for (int t = 1; t <= 3; ++t) skutecne[t - 1] = Level::mapaLevelu(t);
    const MapaLevelu& l1 = skutecne[0];
    const MapaLevelu& l3 = skutecne[2];
    nutne(l1.sLvl == 200 && l1.vLvl == 30 && l3.sLvl == 600 && l3.vLvl == 90 && l1.druhuPredmetu > 0,
          "the real levels' facts are read from their maps");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const MapaLevelu* mapy = size % 2 ? kMiniatury : skutecne;
    const char* text = reinterpret_cast<const char*>(data);
    UlozenaHra u, znovu;
    const std::string zapsana = precti(text, size, mapy, u);
    nutne(precti(text, size, mapy, znovu) == zapsana, "reading the same bytes again gives the same");
    if (zapsana.empty()) return 0;
    zkontroluj(u, mapy);
    nutne(precti(zapsana.data(), zapsana.size(), mapy, znovu) == zapsana,
          "an accepted game written back reads the same");
    return 0;
}
