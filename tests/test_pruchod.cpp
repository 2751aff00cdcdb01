// Every level is won in a fight: an automatic player, using only the hunter's key events, plays the first
// round of levels through the real frame, enemies active and the clock pinned. It follows a route to the exit
// found by a search over the hunter's own movement (enemies left out); when an enemy at his height comes near
// he stands and fights: arrows from afar, sword close.

#include <array>
#include <queue>

#include "pomocnik.h"

namespace {

// One frame's input: walk left or right or stand, run, jump.
struct Vstup {
    int smer;
    bool beh, skok;
};
const Vstup kVstupy[] = {{0, 0, 0}, {1, 0, 0}, {-1, 0, 0}, {1, 1, 0}, {-1, 1, 0},
                         {0, 0, 1}, {1, 0, 1}, {-1, 0, 1}, {1, 1, 1}, {-1, 1, 1}};

void posli(Hrac& h, SDLKey k, Uint8 typ = SDL_KEYDOWN) {
    SDL_Event e{};
    e.type = e.key.type = typ;
    e.key.keysym.sym = k;
    h.akce(e);
}

void ovladej(Hrac& h, const Vstup& v) {
    if (v.smer) posli(h, v.smer > 0 ? SDLK_RIGHT : SDLK_LEFT);
    if (!v.smer && !h.stop) posli(h, h.vlevo ? SDLK_LEFT : SDLK_RIGHT, SDL_KEYUP);
    if (v.beh != h.b) posli(h, SDLK_f, v.beh ? SDL_KEYDOWN : SDL_KEYUP);
    if (v.skok) posli(h, SDLK_d);
}

// What his movement depends on between two frames: x, y, pad, in the air.
using Stav = std::array<int, 4>;
Stav precti(const Hrac& h) {
    return {h.pozice.x, h.pozice.y, h.pad, h.vzduch};
}

// Best-first search toward the exit of level `typ` from `start` on a copy of
// the level without enemies: the route's states and inputs, or none.
std::vector<std::pair<Stav, int>> najdiCestu(int typ, const Stav& start, int beh) {
    Hrac h;
    h.beh = beh;  // agility won in fights makes him run faster
    Level level(&h, typ);
    LevelTest::set(level).nepratele.clear();
    ListPredmetu& list = LevelTest::list(level);
    int cilX = 0, cilY = 0;
    for (int x = 0; x < list.maxX; ++x)
        for (int y = 0; y < list.maxY; ++y)
            if (list.getPredmet(x, y) == LevelTest::novyLvl(level)) cilX = x * 30, cilY = y * 30;
    std::vector<std::tuple<Stav, int, int>> uzly{{start, -1, -1}};  // state, parent, input
    std::map<Stav, int> videne{{start, 0}};
    std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>> fronta;
    fronta.push({0, 0});
    while (!fronta.empty() && uzly.size() < 1'000'000) {
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

bool vlevoOd(const Hrac& h, const Nepritel& n) {
    return n.pozice.x + n.typ->sirka / 2 < h.pozice.x + h.sirka / 2;
}

// Whether a swing toward the enemy reaches it: past the quarter of his
// sprite on that side, and not behind him.
bool naDosahMece(const Hrac& h, const Nepritel& n) {
    const int x = h.pozice.x, w = h.sirka;
    return vlevoOd(h, n) ? n.pozice.x + n.typ->sirka >= x + w / 4 && n.pozice.x < x + w / 3
                         : n.pozice.x <= x + w - w / 4 && n.pozice.x > x - w / 3;
}

// The nearest enemy worth fighting: at the height of his arrows with no wall
// between, in bow range while arrows and patience last, else in sword reach.
Nepritel* cil(Level& l, const Hrac& h, int trpelivost) {
    const int stred = h.pozice.x + h.sirka / 2, vyskaSipu = h.pozice.y + h.vyska / 3;
    Nepritel* nejblizsi = nullptr;
    int nejmene = 451;
    for (const auto& n : LevelTest::set(l).nepratele) {
        const int nStred = n->pozice.x + n->typ->sirka / 2, dx = std::abs(nStred - stred);
        if (n->pozice.y > vyskaSipu || n->pozice.y + n->typ->vyska < vyskaSipu + 3 || dx >= nejmene) continue;
        if ((h.pocetSipu < 1 || trpelivost > 150) && !naDosahMece(h, *n)) continue;
        bool volno = true;
        for (int c = std::min(stred, nStred) / 30; c <= std::max(stred, nStred) / 30; ++c)
            volno = volno && !LevelTest::getPevna(l, c, (vyskaSipu + 1) / 30);
        if (volno) nejblizsi = n.get(), nejmene = dx;
    }
    return nejblizsi;
}

// One frame of a fight: stand facing the enemy and swing, or shoot level.
void bojuj(Hrac& h, const Nepritel& n) {
    const SDLKey k = vlevoOd(h, n) ? SDLK_LEFT : SDLK_RIGHT;
    if (h.vlevo != vlevoOd(h, n) || !h.stop) posli(h, k), posli(h, k, SDL_KEYUP);
    if (naDosahMece(h, n) != h.m) posli(h, SDLK_a);
    while (h.aLuk != 1) posli(h, h.aLuk < 1 ? SDLK_UP : SDLK_DOWN);
    if (h.m || h.pocetSipu > 0) posli(h, SDLK_SPACE);
}

class Vitezstvi : public ::testing::TestWithParam<int> {};

TEST_P(Vitezstvi, TheFirstRoundIsWonInAFight) {
    const int hodinky = GetParam();
    std::srand(hodinky);  // whatever ran before in this process
    VDatech data;
    Hrac h;
    Level hra(&h, 1);
    // The whole frame runs; its pictures are clipped to one pixel for speed.
    Plocha obr(SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    int celkem = 0, ztraty = 0;  // frames, and health lost to blows
    for (int typ = 1; typ <= 3; ++typ) {
        ASSERT_EQ(std::make_pair(LevelTest::typ(hra), LevelTest::obtiznost(hra)), std::make_pair(typ, typ));
        std::vector<std::pair<Stav, int>> cesta;
        size_t i = 0;
        int snimku = 0, trpelivost = 0;
        const int score = h.score, ztratyPred = ztraty;
        while (LevelTest::typ(hra) == typ) {
            ASSERT_LT(snimku++, 5000) << "level " << typ << " takes too long";
            hodiny::zastav(hodinky + celkem++ / 10);  // ten frames a second, as the game runs
            if (Nepritel* n = h.vzduch ? nullptr : cil(hra, h, trpelivost)) {
                bojuj(h, *n);
                ++trpelivost;
            } else {
                if (i >= cesta.size() || cesta[i].first != precti(h)) {
                    cesta = najdiCestu(typ, precti(h), h.beh), i = 0;  // after a fight that moved him
                    ASSERT_FALSE(cesta.empty()) << "no way to the exit of level " << typ;
                }
                ovladej(h, kVstupy[cesta[i++].second]);
                trpelivost = 0;
            }
            const int zivoty = h.zivoty;
            hra.vykresliSe(obr.get());
            ztraty += std::max(0, zivoty - h.zivoty);
            ASSERT_GT(h.zivoty, 0) << "killed on level " << typ << " after " << snimku << " frames";
        }
        const int zabito = (h.score - score) / (100 * typ);
        std::printf("clock %d level %d: health %d of %d, %d lost, %d frames, %d killed, %d arrows left\n",
                    hodinky, typ, h.zivoty, h.maxZivotu, ztraty - ztratyPred, snimku, zabito, h.pocetSipu);
        EXPECT_GT(zabito, 0) << "level " << typ << " was only walked";
    }
    EXPECT_GT(ztraty, 0) << "nobody struck back";
    hodiny::pust();
}

INSTANTIATE_TEST_SUITE_P(PinnedClocks, Vitezstvi,
                         ::testing::Values(1, 1'000, 86'400, 1'234'567, 1'700'000'000));

}  // namespace
