// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic player: it follows a route to the exit found by a search over
// the hunter's own movement (enemies left out), and when an enemy at his
// height comes near it stands and fights, arrows from afar and the sword
// close. It plays only through the hunter's key events. The test that proves
// the first round winnable and the long-play tool both play with it.
#pragma once

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <map>
#include <queue>
#include <tuple>
#include <utility>
#include <vector>

#include "Hrac.h"
#include "Level.h"

// What the automatic player reads of a level.
struct AutomatLevelu {
    static int typ(const Level& l) { return l.typ; }
    static int obtiznost(const Level& l) { return l.obtiznost; }
    static SetNepratel& set(Level& l) { return *l.set; }
    static bool pevna(const Level& l, int x, int y) { return l.getPevna(x, y); }
    // The exit's tile.
    static std::pair<int, int> vychod(const Level& l) {
        for (int x = 0; x < l.list->maxX; ++x)
            for (int y = 0; y < l.list->maxY; ++y)
                if (l.list->getPredmet(x, y) == l.novyLvl.get()) return {x, y};
        return {-1, -1};
    }
};

namespace automat {

// One frame's input: walk left or right or stand, run, jump.
struct Vstup {
    int smer;
    bool beh, skok;
};
inline constexpr Vstup kVstupy[] = {{0, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {1, 1, 0}, {-1, 1, 0},
                                    {0, 0, 1}, {1, 0, 1}, {-1, 0, 1}, {1, 1, 1}, {-1, 1, 1}};

inline void posli(Hrac& h, SDLKey k, Uint8 typ = SDL_KEYDOWN) {
    SDL_Event e{};
    e.type = e.key.type = typ;
    e.key.keysym.sym = k;
    h.akce(e);
}

inline void ovladej(Hrac& h, const Vstup& v) {
    if (v.smer) posli(h, v.smer > 0 ? SDLK_RIGHT : SDLK_LEFT);
    if (!v.smer && !h.stop) posli(h, h.vlevo ? SDLK_LEFT : SDLK_RIGHT, SDL_KEYUP);
    if (v.beh != h.b) posli(h, SDLK_f, v.beh ? SDL_KEYDOWN : SDL_KEYUP);
    if (v.skok) posli(h, SDLK_d);
}

// What his movement depends on between two frames: x, y, pad, in the air.
using Stav = std::array<int, 4>;
inline Stav precti(const Hrac& h) {
    return {h.pozice.x, h.pozice.y, h.pad, h.vzduch};
}

// Best-first search toward the exit of level `typ` from `start` on a copy of
// the level without enemies, looking at most at `uzlu` states: the route's
// states and inputs, or none.
inline std::vector<std::pair<Stav, int>> najdiCestu(int typ, const Stav& start, int beh,
                                                    size_t uzlu = 1'000'000) {
    Hrac h;
    h.beh = beh;  // agility won in fights makes him run faster
    Level level(&h, typ);
    AutomatLevelu::set(level).nepratele.clear();
    const auto [vx, vy] = AutomatLevelu::vychod(level);
    const int cilX = vx * 30, cilY = vy * 30;
    std::vector<std::tuple<Stav, int, int>> uzly{{start, -1, -1}};  // state, parent, input
    std::map<Stav, int> videne{{start, 0}};
    std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>> fronta;
    fronta.push({0, 0});
    while (!fronta.empty() && uzly.size() < uzlu) {
        const int i = fronta.top().second;
        fronta.pop();
        for (int v = 0; v < 10; ++v) {
            const Stav s = std::get<0>(uzly[i]);
            if (kVstupy[v].skok && s[3]) continue;  // the key does nothing in the air
            h.pozice.x = Sint16(s[0]), h.pozice.y = Sint16(s[1]), h.pad = s[2], h.vzduch = s[3];
            h.stop = true, h.b = false;
            ovladej(h, kVstupy[v]);
            level.kontrola();
            if (h.novyLvl) {
                std::vector<std::pair<Stav, int>> cesta{{s, v}};
                for (int j = i; std::get<1>(uzly[j]) >= 0; j = std::get<1>(uzly[j]))
                    cesta.insert(cesta.begin(),
                                 {std::get<0>(uzly[std::get<1>(uzly[j])]), std::get<2>(uzly[j])});
                return cesta;
            }
            if (videne.emplace(precti(h), int(uzly.size())).second) {
                uzly.push_back({precti(h), i, v});
                fronta.push({std::abs(h.pozice.x + 20 - cilX) + std::abs(h.pozice.y + 35 - cilY),
                             int(uzly.size()) - 1});
            }
        }
    }
    return {};
}

inline bool vlevoOd(const Hrac& h, const Nepritel& n) {
    return n.pozice.x + n.typ->sirka / 2 < h.pozice.x + h.sirka / 2;
}

// Whether a swing toward the enemy reaches it: past the quarter of his
// sprite on that side, and not behind him.
inline bool naDosahMece(const Hrac& h, const Nepritel& n) {
    const int x = h.pozice.x, w = h.sirka;
    return vlevoOd(h, n) ? n.pozice.x + n.typ->sirka >= x + w / 4 && n.pozice.x < x + w / 3
                         : n.pozice.x <= x + w - w / 4 && n.pozice.x > x - w / 3;
}

// The nearest enemy worth fighting: at the height of his arrows with no wall
// between, in bow range while arrows and patience last, else in sword reach.
inline Nepritel* cil(Level& l, const Hrac& h, int trpelivost) {
    const int stred = h.pozice.x + h.sirka / 2, vyskaSipu = h.pozice.y + h.vyska / 3;
    Nepritel* nejblizsi = nullptr;
    int nejmene = 451;
    for (const auto& n : AutomatLevelu::set(l).nepratele) {
        const int nStred = n->pozice.x + n->typ->sirka / 2, dx = std::abs(nStred - stred);
        if (n->pozice.y > vyskaSipu || n->pozice.y + n->typ->vyska < vyskaSipu + 3 || dx >= nejmene) continue;
        if ((h.pocetSipu < 1 || trpelivost > 150) && !naDosahMece(h, *n)) continue;
        bool volno = true;
        for (int c = std::min(stred, nStred) / 30; c <= std::max(stred, nStred) / 30; ++c)
            volno = volno && !AutomatLevelu::pevna(l, c, (vyskaSipu + 1) / 30);
        if (volno) nejblizsi = n.get(), nejmene = dx;
    }
    return nejblizsi;
}

// One frame of a fight: stand facing the enemy and swing, or shoot level.
inline void bojuj(Hrac& h, const Nepritel& n) {
    const SDLKey k = vlevoOd(h, n) ? SDLK_LEFT : SDLK_RIGHT;
    if (h.vlevo != vlevoOd(h, n) || !h.stop) posli(h, k), posli(h, k, SDL_KEYUP);
    if (naDosahMece(h, n) != h.m) posli(h, SDLK_a);
    while (h.aLuk != 1) posli(h, h.aLuk < 1 ? SDLK_UP : SDLK_DOWN);
    if (h.m || h.pocetSipu > 0) posli(h, SDLK_SPACE);
}

}  // namespace automat
