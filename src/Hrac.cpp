// SPDX-License-Identifier: GPL-3.0-or-later
#include "Hrac.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <ostream>
#include <string>

#include "InfoOHraci.h"
#include "UlozenaHra.h"

namespace {
const char* const kmenyNohou[] = {"n1", "n2", "n3", "n4", "n5", "n6", "n7"};
const char* const kmenyLuku[] = {"l-30", "l0", "l30", "l60", "l90"};
const char* const kmenyMece[] = {"m0", "m1", "m2"};
const char* const kmenySipu[] = {"sip-30", "sip0", "sip30", "sip60", "sip90"};

Obrazek nactiLovce(const char* kmen, bool vlevo, bool male) {
    std::string cesta = std::string("grafika/lovec/") + kmen;
    if (vlevo) cesta += 'l';
    if (male) cesta += 'm';
    cesta += ".bmp";
    return nactiObrazek(cesta.c_str());
}

// Fills both directions of one set; a failed load stays null for the check.
void nactiSmer(std::vector<Obrazek>& sada, const char* const* kmeny, int n, bool male) {
    for (int i = 0; i < n; ++i) {
        sada[i] = nactiLovce(kmeny[i], false, male);
        sada[i + n] = nactiLovce(kmeny[i], true, male);
    }
}

bool vseNacteno(const std::vector<Obrazek>& sada) {
    return std::all_of(sada.begin(), sada.end(), [](const Obrazek& o) { return o != nullptr; });
}
}  // namespace

Hrac::Hrac() {
    pozice = SDL_Rect{400, 400, 0, 0};
    stred = SDL_Rect{400, 300, 0, 0};
    // Until the pointer moves in bow mode, a mouse shot aims at the hunter's corner.
    kurzor = stred;
    vSipy.resize(nSipu);
    ioh = std::make_unique<InfoOHraci>();
    nactiVetsi();
}

Hrac::~Hrac() = default;

void Hrac::nactiVetsi() {
    vymen(nactiSadu(false), false);
}

Hrac::Sada Hrac::nactiSadu(bool male) const {
    Sada s{std::vector<Obrazek>(2 * nNohy), std::vector<Obrazek>(2 * nLuk), std::vector<Obrazek>(2 * nMec),
           std::vector<Obrazek>(2 * nLuk)};
    nactiSmer(s.nohy, kmenyNohou, nNohy, male);
    nactiSmer(s.luk, kmenyLuku, nLuk, male);
    nactiSmer(s.mec, kmenyMece, nMec, male);
    // The vertical arrow has no left variant: slot 9 loads the right one again.
    for (int i = 0; i < nLuk - 1; ++i) {
        s.sip[i] = nactiLovce(kmenySipu[i], false, male);
        s.sip[i + nLuk] = nactiLovce(kmenySipu[i], true, male);
    }
    s.sip[nLuk - 1] = nactiLovce(kmenySipu[nLuk - 1], false, male);
    s.sip[2 * nLuk - 1] = nactiLovce(kmenySipu[nLuk - 1], false, male);

    for (int i = 0; i < 2 * nLuk; ++i)
        if (!s.luk[i] || !s.sip[i]) throw "Chyba pri nacitani obrazku luku nebo sipu.";
    if (!vseNacteno(s.nohy)) throw "Chyba pri nacitani obrazku nohou.";
    if (!vseNacteno(s.mec)) throw "Chyba pri nacitani obrazku mece.";

    for (auto& o : s.nohy) nastavBilyKlic(o.get());
    for (int i = 0; i < 2 * nLuk; ++i) {
        nastavBilyKlic(s.luk[i].get());
        nastavBilyKlic(s.sip[i].get());
    }
    for (auto& o : s.mec) nastavBilyKlic(o.get());
    return s;
}

void Hrac::vymen(Sada&& s, bool male) {
    vyskaTela = male ? 44 : 66;
    vyska = male ? 67 : 101;
    sirka = male ? 44 : 70;
    nohy = std::move(s.nohy);
    luk = std::move(s.luk);
    mec = std::move(s.mec);
    sip = std::move(s.sip);
}

void Hrac::prepocitejPolohy(int citatel, int jmenovatel) {
    pozice.x = static_cast<Sint16>(citatel * pozice.x / jmenovatel);
    pozice.y = static_cast<Sint16>(citatel * pozice.y / jmenovatel);
    for (int i = 0; i < pozSipy; ++i) {
        VystrelenySip& s = vSipy[i];
        s.x = citatel * s.x / jmenovatel;
        s.y = citatel * s.y / jmenovatel;
        s.rychlost = citatel * s.rychlost / jmenovatel;
    }
}

void Hrac::zmensi() {
    zmensi(nactiSadu(true));
}

void Hrac::zmensi(Sada&& male) {
    prepocitejPolohy(2, 3);
    skok = 2 * skok / 3 + 3;
    beh = 2 * beh / 3 + 3;
    vymen(std::move(male), true);
}

void Hrac::zvetsi() {
    zvetsi(nactiSadu(false));
}

void Hrac::zvetsi(Sada&& velka) {
    prepocitejPolohy(3, 2);
    skok = 35;
    // Agility gained while small shows in the running bonus again.
    beh = static_cast<int>((obratnost - 15LL) / 5 + 10);
    vymen(std::move(velka), false);
}

void Hrac::akce(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
            switch (event.key.keysym.sym) {
                case SDLK_RIGHT:
                    vlevo = false;
                    stop = false;
                    break;
                case SDLK_LEFT:
                    vlevo = true;
                    stop = false;
                    break;
                case SDLK_f: b = true; break;
                case SDLK_d: vzduch = true; break;
                case SDLK_a: m = !m; break;
                case SDLK_UP:
                    if (aLuk <= 3) ++aLuk;
                    break;
                case SDLK_DOWN:
                    if (aLuk >= 1) --aLuk;
                    break;
                case SDLK_SPACE: utok(false); break;
                default: break;
            }
            break;
        case SDL_KEYUP:
            switch (event.key.keysym.sym) {
                // Releasing the key of the other direction must not stop a turned hunter.
                case SDLK_RIGHT:
                    if (!vlevo) stop = true;
                    break;
                case SDLK_LEFT:
                    if (vlevo) stop = true;
                    break;
                case SDLK_f: b = false; break;
                default: break;
            }
            break;
        case SDL_MOUSEMOTION:
            if (!m) {
                kurzor.x = static_cast<Sint16>(event.motion.x);
                kurzor.y = static_cast<Sint16>(event.motion.y);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT) utok(true);
            break;
        default: break;
    }
}

void Hrac::utok(bool mysi) {
    if (citac != 0) return;
    citac = 4;
    if (m) {
        aMec = 2;
        return;
    }
    // An empty quiver, or no more room for arrows in flight, still costs the cooldown.
    if (pocetSipu < 1 || pozSipy >= kMaxSipu) return;
    --pocetSipu;
    int trida = 0;
    if (mysi)
        trida = tridaZKurzoru();
    else if (aLuk >= 1 && aLuk <= 4)
        trida = aLuk;
    strel(trida);
}

int Hrac::tridaZKurzoru() const {
    const int a = std::abs(kurzor.y - stred.y - vyska / 2);
    const int b = std::abs(kurzor.x - stred.x - sirka / 2);
    // On the centre itself there is no angle at all.
    if (a == 0 && b == 0) return 0;
    double alfa = b == 0 ? 90.0 : std::atan(static_cast<double>(a) / b) * 180 / std::numbers::pi;
    if (kurzor.y > stred.y + vyska / 2) alfa = -alfa;
    if (alfa > 75) return 4;
    if (alfa > 45) return 3;
    if (alfa > 15) return 2;
    if (alfa > -15) return 1;
    return 0;
}

void Hrac::strel(int trida) {
    if (nSipu <= pozSipy) {
        nSipu = std::min(2 * nSipu, kMaxSipu);
        std::vector<VystrelenySip> nove(nSipu);
        std::copy_n(vSipy.begin(), pozSipy, nove.begin());
        vSipy = std::move(nove);
    }
    VystrelenySip& s = vSipy[pozSipy];
    s.vzdalenost = 0;
    s.zaseknuty = false;  // the slot may hold a spent arrow
    s.vlevo = vlevo;
    // The arrow keeps the hunter's own step for its whole flight.
    s.rychlost = stop ? 0 : (b ? beh + 10 : 10);
    s.x = vlevo ? pozice.x + 30 : pozice.x + sirka / 2 - 15;
    // Per angle class: the flight angle, and the height it leaves at as a
    // fraction of the hunter's height.
    struct Trida {
        int alfa;
        int delitel;
    };
    static constexpr Trida kTridy[] = {{-25, 3}, {0, 3}, {30, 5}, {55, 6}, {90, 7}};
    s.alfa = kTridy[trida].alfa;
    s.y = pozice.y + vyska / kTridy[trida].delitel;
    s.uhel = trida + (vlevo ? nLuk : 0);
    ++pozSipy;
}

void Hrac::vykresliSe(SDL_Surface* obrazovka) {
    const int xNohou = stred.x;
    const int yNohou = stred.y + vyskaTela;

    ioh->vypisSipy(obrazovka, pocetSipu);
    ioh->vypisZdravi(obrazovka, zivoty, maxZivotu);
    ioh->vypisScore(obrazovka, score);

    vykresliObrazek(nohy[aNohy + (vlevo ? nNohy : 0)].get(), obrazovka, xNohou, yNohou);
    if (m)
        vykresliObrazek(mec[aMec + (vlevo ? nMec : 0)].get(), obrazovka, stred.x, stred.y);
    else
        vykresliObrazek(luk[aLuk + (vlevo ? nLuk : 0)].get(), obrazovka, stred.x, stred.y);

    if (aMec > 0) --aMec;
    if (citac > 0) --citac;
    if (!stop) ++aNohy;
    // Frames 0 and 1 only start the walk; the cycle runs over 2 to 5.
    if (aNohy >= nNohy - 1) aNohy = 2;

    for (int i = 0; i < pozSipy; ++i) {
        const VystrelenySip& s = vSipy[i];
        vykresliObrazek(sip[s.uhel].get(), obrazovka, s.x - pozice.x + stred.x, s.y - pozice.y + stred.y);
    }
}

void Hrac::uloz(std::ostream& oss) const {
    IO::writeInt(nSipu, oss);
    IO::writeInt(pozSipy, oss);
    IO::writeInt(pozice.x, oss);
    IO::writeInt(pozice.y, oss);
    IO::writeBool(m, oss);
    IO::writeBool(vlevo, oss);
    IO::writeBool(vzduch, oss);
    for (int v : {skok, pad, beh, score, sila, obratnost, zivoty, maxZivotu, citac, pocetSipu})
        IO::writeInt(v, oss);
    for (int i = 0; i < pozSipy; ++i) {
        const VystrelenySip& s = vSipy[i];
        IO::writeInt(s.x, oss);
        IO::writeInt(s.y, oss);
        IO::writeInt(s.uhel, oss);
        IO::writeInt(s.alfa, oss);
        IO::writeBool(s.vlevo, oss);
        IO::writeInt(s.vzdalenost, oss);
        IO::writeInt(s.rychlost, oss);
    }
}

void Hrac::nacti(const UlozenyHrac& u) {
    nSipu = std::max(u.nSipu, 1);
    pozice.x = u.x;
    pozice.y = u.y;
    m = u.m;
    vlevo = u.vlevo;
    vzduch = u.vzduch;
    skok = u.skok;
    pad = u.pad;
    beh = u.beh;
    score = u.score;
    sila = u.sila;
    obratnost = u.obratnost;
    zivoty = u.zivoty;
    maxZivotu = u.maxZivotu;
    citac = u.citac;
    pocetSipu = u.pocetSipu;
    vSipy.assign(nSipu, VystrelenySip{});
    pozSipy = std::min<int>(u.sipy.size(), nSipu);
    std::copy_n(u.sipy.begin(), pozSipy, vSipy.begin());
}
