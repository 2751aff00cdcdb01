// SPDX-License-Identifier: GPL-3.0-or-later
#include "UlozenaHra.h"

#include "IO.h"
#include "SetNepratel.h"

namespace {

// Every bound is where the rules stop a value (see Hrac.h), so no state the
// game can reach is refused. Values the rules let go to the int limits
// (difficulty, score, strength, agility, health, arrows carried, enemy health,
// counters, modes, marker ages) are taken as they are: they only meet
// comparisons and sums that stop at the limits.

// The hunter's arrow pictures: 2 x nLuk.
constexpr int kObrazkuSipu = 10;

void over(bool podminka) {
    if (!podminka) throw kPoskozenaHra;
}

int mezi(int v, int od, int po) {
    over(v >= od && v <= po);
    return v;
}

int vMezi(std::istream& is, int mez) {
    return mezi(IO::getInt(is), -mez, mez);
}

void prectiHrace(std::istream& is, UlozenyHrac& h) {
    h.nSipu = mezi(IO::getInt(is), 1, kMaxSipu);
    h.pozSipy = mezi(IO::getInt(is), 0, h.nSipu);
    h.x = static_cast<Sint16>(IO::getInt(is));
    h.y = static_cast<Sint16>(IO::getInt(is));
    h.m = IO::getBool(is);
    h.vlevo = IO::getBool(is);
    h.vzduch = IO::getBool(is);
    h.skok = vMezi(is, kMezSkoku);
    h.pad = vMezi(is, kMezPadu);
    h.beh = vMezi(is, kMezBehu);
    for (int* p : {&h.score, &h.sila, &h.obratnost, &h.zivoty, &h.maxZivotu, &h.citac, &h.pocetSipu})
        *p = IO::getInt(is);
    h.sipy.resize(h.pozSipy);
    for (VystrelenySip& s : h.sipy) {
        s.x = vMezi(is, kMezPolohySipu);
        s.y = vMezi(is, kMezPolohySipu);
        s.uhel = mezi(IO::getInt(is), 0, kObrazkuSipu - 1);
        s.alfa = IO::getInt(is);
        s.vlevo = IO::getBool(is);
        s.vzdalenost = vMezi(is, kMezDoletu);
        s.rychlost = vMezi(is, kMezRychlostiSipu);
    }
}

// A list ends at the first record whose x, truncated to 16 bits, is negative.
bool dalsiZaznam(std::istream& is, Sint16& x) {
    x = static_cast<Sint16>(IO::getInt(is));
    return x >= 0;
}

void prectiNepratele(std::istream& is, std::vector<UlozenyNepritel>& nepratele) {
    UlozenyNepritel n;
    while (dalsiZaznam(is, n.x)) {
        n.y = static_cast<Sint16>(IO::getInt(is));
        n.typ = mezi(IO::getInt(is), 1, 2);
        const SnimkyTypu snimky = snimkyTypu(n.typ);
        n.zivoty = IO::getInt(is);
        n.mod = IO::getInt(is);
        n.aNohy = mezi(IO::getInt(is), 0, snimky.nNohy - 1);
        n.aTelo = mezi(IO::getInt(is), 0, snimky.nTelo - 1);
        n.citac = IO::getInt(is);
        n.vlevo = IO::getBool(is);
        n.utok = IO::getBool(is);
        nepratele.push_back(n);
    }
}

void prectiZnacky(std::istream& is, std::vector<UlozenaZnacka>& znacky) {
    UlozenaZnacka z;
    while (dalsiZaznam(is, z.x)) {
        z.y = static_cast<Sint16>(IO::getInt(is));
        z.n = IO::getInt(is);
        znacky.push_back(z);
    }
}

}  // namespace

UlozenaHra UlozenaHra::precti(std::istream& is, const std::function<MapaLevelu(int t)>& mapa) {
    UlozenaHra u;
    u.typ = mezi(IO::getInt(is), 1, 3);
    u.obtiznost = IO::getInt(is);
    prectiHrace(is, u.hrac);

    const MapaLevelu m = mapa(u.typ);
    over(m.sLvl > 0 && m.vLvl > 0);
    u.predmety.resize(static_cast<size_t>(m.sLvl) * m.vLvl);
    for (unsigned char& c : u.predmety) {
        c = static_cast<unsigned char>(IO::getInt(is));
        over(c <= m.druhuPredmetu);
    }

    prectiNepratele(is, u.nepratele);
    prectiZnacky(is, u.zasahy);
    prectiZnacky(is, u.minuti);
    return u;
}
