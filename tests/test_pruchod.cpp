// Every shipped level can be finished: a search over the hunter's own
// controls, moved by the game's own movement rules, finds a way from the
// level's start to its exit, and the route found is then replayed through
// the real frame update until the level changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <queue>
#include <unordered_map>
#include <vector>

#include "Hrac.h"
#include "Level.h"
#include "pomocnik.h"

namespace {

// One frame's input: which way to walk (or stand), whether to run, whether
// to press jump.
struct Vstup {
    int smer;  // -1 left, 0 stand, +1 right
    bool beh;
    bool skok;
};

const Vstup kVstupy[] = {
    {0, false, false}, {1, false, false}, {-1, false, false}, {1, true, false}, {-1, true, false},
    {0, false, true},  {1, false, true},  {-1, false, true},  {1, true, true},  {-1, true, true},
};

void posli(Hrac& h, SDLKey k, Uint8 typ) {
    SDL_Event e{};
    e.type = typ;
    e.key.type = typ;
    e.key.keysym.sym = k;
    h.akce(e);
}

// Presses and releases keys the way a player would to get this input.
void ovladej(Hrac& h, const Vstup& v) {
    if (v.smer > 0) posli(h, SDLK_RIGHT, SDL_KEYDOWN);
    if (v.smer < 0) posli(h, SDLK_LEFT, SDL_KEYDOWN);
    if (v.smer == 0 && !h.stop) posli(h, h.vlevo ? SDLK_LEFT : SDLK_RIGHT, SDL_KEYUP);
    if (v.beh != h.b) posli(h, SDLK_f, v.beh ? SDL_KEYDOWN : SDL_KEYUP);
    if (v.skok) posli(h, SDLK_d, SDL_KEYDOWN);
}

// What the movement depends on between two frames.
struct Stav {
    int x, y, pad;
    bool vzduch;
    uint64_t klic() const {
        return (uint64_t(uint16_t(x)) << 40) | (uint64_t(uint16_t(y)) << 24) |
               (uint64_t(uint16_t(pad)) << 8) | (vzduch ? 1 : 0);
    }
};

Stav precti(const Hrac& h) {
    return {h.pozice.x, h.pozice.y, h.pad, h.vzduch};
}
void nastav(Hrac& h, const Stav& s) {
    h.pozice.x = static_cast<Sint16>(s.x);
    h.pozice.y = static_cast<Sint16>(s.y);
    h.pad = s.pad;
    h.vzduch = s.vzduch;
}

struct Uzel {
    Stav stav;
    int rodic;
    int vstup;
};

// Best-first search toward the exit tile; returns the inputs of a route, or
// nothing when the exit cannot be reached.
std::vector<int> najdiCestu(Level& level, Hrac& h, int cilX, int cilY, size_t& prozkoumano) {
    std::vector<Uzel> uzly;
    std::unordered_map<uint64_t, int> videne;
    auto odhad = [&](const Stav& s) { return std::abs(s.x + 46 - cilX) + std::abs(s.y + 50 - cilY); };
    using Polozka = std::pair<int, int>;  // (estimate, node)
    std::priority_queue<Polozka, std::vector<Polozka>, std::greater<>> fronta;

    const Stav start = precti(h);
    uzly.push_back({start, -1, -1});
    videne[start.klic()] = 0;
    fronta.push({odhad(start), 0});
    while (!fronta.empty() && uzly.size() < 6'000'000) {
        const int i = fronta.top().second;
        fronta.pop();
        for (int v = 0; v < int(std::size(kVstupy)); ++v) {
            const Vstup& vstup = kVstupy[v];
            if (vstup.skok && uzly[i].stav.vzduch) continue;  // the key does nothing in the air
            nastav(h, uzly[i].stav);
            h.stop = true;
            h.b = false;
            ovladej(h, vstup);
            level.kontrola();
            if (h.novyLvl) {
                prozkoumano = uzly.size();
                std::vector<int> cesta{v};
                for (int j = i; uzly[j].rodic >= 0; j = uzly[j].rodic) cesta.push_back(uzly[j].vstup);
                return {cesta.rbegin(), cesta.rend()};
            }
            const Stav s = precti(h);
            if (videne.emplace(s.klic(), int(uzly.size())).second) {
                uzly.push_back({s, i, v});
                fronta.push({odhad(s), int(uzly.size()) - 1});
            }
        }
    }
    prozkoumano = uzly.size();
    return {};
}

class Pruchod : public ::testing::TestWithParam<int> {};

TEST_P(Pruchod, ExitIsReachableFromTheStart) {
    const int typ = GetParam();
    VDatech data;
    Hrac hrac;
    Level level(&hrac, 1);
    if (typ != 1) LevelTest::nactiLvl(level, typ);
    LevelTest::set(level).nepratele.clear();

    // Where the exit lies.
    int cilX = -1, cilY = -1;
    ListPredmetu& list = LevelTest::list(level);
    for (int x = 0; x < list.maxX; ++x)
        for (int y = 0; y < list.maxY; ++y)
            if (list.getPredmet(x, y) == LevelTest::novyLvl(level)) cilX = x * 30 + 15, cilY = y * 30 + 15;
    ASSERT_GE(cilX, 0) << "no exit in the map";

    const SDL_Rect start = hrac.pozice;
    size_t prozkoumano = 0;
    const std::vector<int> cesta = najdiCestu(level, hrac, cilX, cilY, prozkoumano);
    ASSERT_FALSE(cesta.empty()) << "exit of level " << typ << " unreachable after " << prozkoumano
                                << " states";
    RecordProperty("frames", int(cesta.size()));
    std::printf("level %d: a route of %zu frames, %zu states searched\n", typ, cesta.size(), prozkoumano);

    // Replay from a fresh start through the real frame.
    Hrac znovu;
    Level hra(&znovu, 1);
    if (typ != 1) LevelTest::nactiLvl(hra, typ);
    LevelTest::set(hra).nepratele.clear();
    ASSERT_EQ(znovu.pozice.x, start.x);
    ASSERT_EQ(znovu.pozice.y, start.y);
    Plocha obr = novaObrazovka();
    for (int v : cesta) {
        ovladej(znovu, kVstupy[v]);
        hra.vykresliSe(obr.get());
    }
    EXPECT_EQ(LevelTest::typ(hra), LevelTest::nextLvl(level))
        << "the replayed route did not change the level";
    EXPECT_EQ(LevelTest::obtiznost(hra), 2);
    EXPECT_FALSE(znovu.novyLvl);
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, Pruchod, ::testing::Values(1, 2, 3));

}  // namespace
