#include "UlozenaHra.h"

#include "IO.h"
#include "SetNepratel.h"

namespace {

// The most arrows in flight a file may ask room for: the array is allocated
// from it.
constexpr int kMaxSipu = 10000;
// Values the game adds to every frame or scales by 3/2 stay this far from the
// 32-bit limits; no game ever gets near them.
constexpr int kMezPocitani = 100000000;
// Each level change raises the types once per level of difficulty.
constexpr int kMaxObtiznost = 1000000;
// The hunter's arrow pictures: 2 x nLuk.
constexpr int kObrazkuSipu = 10;

void over(bool podminka) {
    if (!podminka) throw kPoskozenaHra;
}

int mezi(int v, int od, int po) {
    over(v >= od && v <= po);
    return v;
}

int pocitane(std::istream& is) {
    return mezi(IO::getInt(is), -kMezPocitani, kMezPocitani);
}

void prectiHrace(std::istream& is, UlozenyHrac& h) {
    h.nSipu = mezi(IO::getInt(is), 1, kMaxSipu);
    h.pozSipy = mezi(IO::getInt(is), 0, h.nSipu);
    h.x = static_cast<Sint16>(IO::getInt(is));
    h.y = static_cast<Sint16>(IO::getInt(is));
    h.m = IO::getBool(is);
    h.vlevo = IO::getBool(is);
    h.vzduch = IO::getBool(is);
    for (int* p : {&h.skok, &h.pad, &h.beh}) *p = pocitane(is);
    h.score = IO::getInt(is);  // only ever grows, and stops at the int limit
    for (int* p : {&h.sila, &h.obratnost, &h.zivoty, &h.maxZivotu}) *p = pocitane(is);
    h.citac = IO::getInt(is);
    h.pocetSipu = pocitane(is);
    h.sipy.resize(h.pozSipy);
    for (VystrelenySip& s : h.sipy) {
        s.x = pocitane(is);
        s.y = pocitane(is);
        s.uhel = mezi(IO::getInt(is), 0, kObrazkuSipu - 1);
        s.alfa = IO::getInt(is);
        s.vlevo = IO::getBool(is);
        s.vzdalenost = pocitane(is);
        s.rychlost = pocitane(is);
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
        n.zivoty = pocitane(is);
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
    u.obtiznost = mezi(IO::getInt(is), -kMaxObtiznost, kMaxObtiznost);
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
