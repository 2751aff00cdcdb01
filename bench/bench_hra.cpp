// SPDX-License-Identifier: GPL-3.0-or-later
// Costs that matter to the player, each also given as a multiple of one
// full-screen blit of a display-format surface holding noise, measured in the
// same run (the counter "blitu"), so figures compare across machines and SDL
// libraries: whole frames (a hunter walking through each level, and frames
// with many enemies), a level change, saving and loading, a scale switch, and
// the collision query every moving thing asks for.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "Hrac.h"
#include "Level.h"
#include "Okno.h"

// The level grants this name its private parts; the benchmarks only place
// enemies on its floors.
struct LevelTest {
    static SetNepratel& set(Level& l) { return *l.set; }
    static ListPredmetu& list(Level& l) { return *l.list; }
    static NovyLvl* vychod(Level& l) { return l.novyLvl.get(); }
    static bool pevna(const Level& l, int x, int y) { return l.getPevna(x, y); }
    static int sloupcu(const Level& l) { return l.sLvl; }
    static int radku(const Level& l) { return l.vLvl; }
};

namespace {

// Seconds on a clock: the thread's processor time for work that only
// computes, so other programs on the machine do not count, and the wall
// clock for saving and loading, which wait for the disk.
double ted(clockid_t hodiny = CLOCK_THREAD_CPUTIME_ID) {
    timespec t;
    clock_gettime(hodiny, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The 32-bit 800 x 600 video surface of the dummy driver, so pictures are
// converted as in the game.
SDL_Surface* obrazovka() {
    static SDL_Surface* s = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        (void)!chdir(GRONDELVIK_DATA);
        if (SDL_Init(SDL_INIT_VIDEO) != 0) std::abort();
        SDL_Surface* o = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
        if (!o) std::abort();
        return o;
    }();
    return s;
}

// Times each iteration's work, and beside it the yardstick: one full-screen
// blit of a display-format surface holding noise onto the screen (a blank
// one some libraries copy faster), in processor time, in batches taken
// before, now and then between, and after the work; their median is the
// unit, so a change of the machine's load moves both. With rozptyl, the
// median and the 90th percentile of the iterations are given too.
class Mereni {
public:
    explicit Mereni(benchmark::State& s, clockid_t h = CLOCK_THREAD_CPUTIME_ID, bool rozptyl = false)
        : state(s), hodiny(h), rozptyl(rozptyl) {
        obrazovka();
        Obrazek plocha(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        Uint32 x = 2463534242u;  // xorshift: the same noise every run
        for (int y = 0; y < 600; ++y) {
            Uint32* radek =
                reinterpret_cast<Uint32*>(static_cast<Uint8*>(plocha->pixels) + y * plocha->pitch);
            for (int i = 0; i < 800; ++i) {
                x ^= x << 13, x ^= x >> 17, x ^= x << 5;
                radek[i] = x & 0xFFFFFF;
            }
        }
        zdroj.reset(SDL_DisplayFormat(plocha.get()));
        zmerMiru(15);
    }
    ~Mereni() {
        zmerMiru(15);
        const double mira = kvantil(davky, 0.5);
        state.counters["blitu"] = prace / static_cast<double>(state.iterations()) / mira;
        state.counters["blit_us"] = mira * 1e6;
        if (rozptyl && !vzorky.empty()) {
            state.counters["blitu_med"] = kvantil(vzorky, 0.5) / mira;
            state.counters["blitu_p90"] = kvantil(vzorky, 0.9) / mira;
        }
    }
    Mereni(const Mereni&) = delete;
    Mereni& operator=(const Mereni&) = delete;

    template <class F>
    void zmer(F&& f) {
        if (++kol % 50 == 0) zmerMiru(1);
        const double t = ted(hodiny);
        f();
        const double s = ted(hodiny) - t;
        state.SetIterationTime(s);
        prace += s;
        if (rozptyl) vzorky.push_back(s);
    }
    SDL_Surface* mira() const { return zdroj.get(); }

private:
    static double kvantil(std::vector<double>& v, double q) {
        const auto k = v.begin() + static_cast<long>(q * static_cast<double>(v.size() - 1) + 0.5);
        std::nth_element(v.begin(), k, v.end());
        return *k;
    }
    void zmerMiru(int davek) {
        for (int d = 0; d < davek; ++d) {
            const double t = ted();
            for (int i = 0; i < 10; ++i) {
                SDL_Rect kde{0, 0, 0, 0};
                SDL_BlitSurface(zdroj.get(), nullptr, obrazovka(), &kde);
            }
            davky.push_back((ted() - t) / 10);
        }
    }
    benchmark::State& state;
    clockid_t hodiny;
    bool rozptyl;
    Obrazek zdroj;
    std::vector<double> davky;
    std::vector<double> vzorky;
    double prace = 0;
    long kol = 0;
};

// The yardstick against itself: its ratio is 1 give or take the noise.
void BM_Mira(benchmark::State& state) {
    Mereni m(state);
    for (auto _ : state)
        m.zmer([&] {
            SDL_Rect kde{0, 0, 0, 0};
            SDL_BlitSurface(m.mira(), nullptr, obrazovka(), &kde);
        });
}
BENCHMARK(BM_Mira)->UseManualTime()->Unit(benchmark::kMicrosecond);

// n enemies of both kinds spread evenly over the floor tiles of the level
// (free tiles above solid ones), replacing those of the map.
void rozmistiNepratele(Level& level, int n) {
    std::vector<std::pair<int, int>> podlahy;
    for (int x = 0; x < LevelTest::sloupcu(level); ++x)
        for (int y = 0; y < LevelTest::radku(level); ++y)
            if (!LevelTest::pevna(level, x, y) && LevelTest::pevna(level, x, y + 1))
                podlahy.push_back({x, y});
    SetNepratel& set = LevelTest::set(level);
    set.nepratele.clear();
    for (int i = 0; i < n && !podlahy.empty(); ++i) {
        const auto [x, y] = podlahy[static_cast<size_t>(i) * podlahy.size() / n];
        const int typ = 1 + i % 2;
        SDL_Rect kde{};
        kde.x = static_cast<Sint16>(30 * x);
        kde.y = static_cast<Sint16>(30 * y + 30 - set.getTyp(typ)->vyska);
        set.addNepritele(typ, kde);
    }
}

// One whole frame: level, scale (1 large, 0 small), enemies in the level.
void BM_Snimek(benchmark::State& state) {
    obrazovka();
    Hrac hrac;
    Level level(&hrac, static_cast<int>(state.range(0)));
    rozmistiNepratele(level, static_cast<int>(state.range(2)));
    if (state.range(1) == 0) level.zmensi();
    Mereni m(state);
    for (auto _ : state) {
        // He walks back and forth around the start so the view moves; he
        // never dies, so every frame is a whole one.
        hrac.vlevo = (state.iterations() / 40) % 2 == 1;
        hrac.zivoty = hrac.maxZivotu;
        m.zmer([&] { level.vykresliSe(obrazovka()); });
    }
}
BENCHMARK(BM_Snimek)
    ->ArgNames({"level", "velka", "nepratel"})
    ->ArgsProduct({{1, 3}, {1, 0}, {0, 100, 1000}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A walking frame of level 1 shown larger, as the shell shows it at 1.5x,
// 2x, 2.5x, 3x and fullscreen on 1920 x 1080 and 2560 x 1440 screens (the
// picture 1440 x 1080 or 1920 x 1440 between bars; all but the whole factors
// scaled sharply): the world drawn into the game's 800 x 600 surface, then
// scaled into the window's (svet 0: the scaling alone).
void BM_ZvetsenySnimek(benchmark::State& state) {
    const SDL_PixelFormat* f = obrazovka()->format;
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Obrazek okno(SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, f->Rmask, f->Gmask, f->Bmask, 0));
    Obrazek platno(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, f->Rmask, f->Gmask, f->Bmask, 0));
    const int vyska = std::min(h, w * 3 / 4), sirka = vyska * 4 / 3;
    const Zvetsovac zvetsovac(
        800, 600, SDL_Rect{Sint16((w - sirka) / 2), Sint16((h - vyska) / 2), Uint16(sirka), Uint16(vyska)});
    Hrac hrac;
    Level level(&hrac, 1);
    level.vykresliSe(platno.get());
    Mereni m(state);
    for (auto _ : state) {
        hrac.vlevo = (state.iterations() / 40) % 2 == 1;
        hrac.zivoty = hrac.maxZivotu;
        m.zmer([&] {
            if (state.range(2)) level.vykresliSe(platno.get());
            zvetsovac.kresli(platno.get(), okno.get());
        });
    }
}
BENCHMARK(BM_ZvetsenySnimek)
    ->ArgNames({"w", "h", "svet"})
    ->ArgsProduct({{1200}, {900}, {1, 0}})
    ->ArgsProduct({{1600}, {1200}, {1, 0}})
    ->ArgsProduct({{2000}, {1500}, {1, 0}})
    ->ArgsProduct({{2400}, {1800}, {1, 0}})
    ->ArgsProduct({{1920}, {1080}, {1, 0}})
    ->ArgsProduct({{2560}, {1440}, {1, 0}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// A walk from the start of a level as a player walks: right, running every
// other stretch of 40 frames, jumping when a wall stops him and turning back
// when it keeps stopping him, so the view moves nearly every frame. The
// enemies of the map live and fight; the exit is taken away, so the level
// stays. Every 300 frames a new walk starts in a new level, so a level's
// first frame and its caches count as they do in play.
class Chuze {
public:
    Chuze(int t, bool velka) : level(&hrac, t) {
        ListPredmetu& l = LevelTest::list(level);
        for (int x = 0; x < l.maxX; ++x)
            for (int y = 0; y < l.maxY; ++y)
                if (l.getPredmet(x, y) == LevelTest::vychod(level)) l.removeFrom(x, y);
        if (!velka) level.zmensi();
        klavesa(SDLK_RIGHT, true);
    }
    // One frame; true when the view moved.
    bool snimek(Mereni& m) {
        if (n % 80 == 0) klavesa(SDLK_f, true);
        if (n % 80 == 40) klavesa(SDLK_f, false);
        ++n;
        hrac.zivoty = hrac.maxZivotu;  // he never dies, so every frame is a whole one
        const SDL_Rect p = hrac.pozice;
        m.zmer([&] { level.vykresliSe(obrazovka()); });
        if (hrac.pozice.x != p.x || hrac.vzduch) {
            stoji = 0;
        } else if (++stoji == 1) {
            klavesa(SDLK_d, true);
            klavesa(SDLK_d, false);
        } else if (stoji == 3) {
            klavesa(hrac.vlevo ? SDLK_LEFT : SDLK_RIGHT, false);
            klavesa(hrac.vlevo ? SDLK_RIGHT : SDLK_LEFT, true);
        }
        return hrac.pozice.x != p.x || hrac.pozice.y != p.y;
    }

private:
    void klavesa(SDLKey k, bool dolu) {
        SDL_Event e{};
        e.type = dolu ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.state = dolu ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = k;
        hrac.akce(e);
    }
    Hrac hrac;
    Level level;
    long n = 0;
    int stoji = 0;
};

// Walking frames: level, scale (1 large, 0 small). The counters blitu_med and
// blitu_p90 are what a walking player's frames cost; stoji the share of
// frames whose view did not move.
void BM_Chuze(benchmark::State& state) {
    obrazovka();
    hodiny::zastav(1000000000);  // the enemies' dice fall the same every run
    std::unique_ptr<Chuze> chuze;
    long stalo = 0, snimku = 0;
    {
        Mereni m(state, CLOCK_THREAD_CPUTIME_ID, true);
        for (auto _ : state) {
            if (snimku % 300 == 0) chuze = std::make_unique<Chuze>(state.range(0), state.range(1) == 1);
            stalo += !chuze->snimek(m);
            ++snimku;
        }
    }
    state.counters["stoji"] = static_cast<double>(stalo) / static_cast<double>(snimku);
    chuze.reset();
    hodiny::pust();
}
BENCHMARK(BM_Chuze)
    ->ArgNames({"level", "velka"})
    ->ArgsProduct({{1, 2, 3}, {1, 0}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1500);

// The frame after a level change (levels 2, 3, 1, ... in turn, large) or
// after a scale switch (level 1, small and large in turn): the still layer
// is drawn anew. The change itself is not counted.
void BM_SnimekPoZmene(benchmark::State& state) {
    obrazovka();
    Hrac hrac;
    Level level(&hrac, 1);
    hrac.stop = true;
    level.vykresliSe(obrazovka());
    bool male = false;
    Mereni m(state);
    for (auto _ : state) {
        if (state.range(0) == 1) {
            hrac.novyLvl = true;
            level.vykresliSe(obrazovka());
        } else if ((male = !male)) {
            level.zmensi();
        } else {
            level.zvetsi();
        }
        hrac.zivoty = hrac.maxZivotu;
        m.zmer([&] { level.vykresliSe(obrazovka()); });
    }
}
BENCHMARK(BM_SnimekPoZmene)
    ->ArgNames({"level"})
    ->Arg(1)
    ->Arg(0)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(60);

// The frame in which the exit of level 2 is picked up: it builds level 3.
void BM_ZmenaNaLevel3(benchmark::State& state) {
    Mereni m(state);
    for (auto _ : state) {
        Hrac hrac;
        Level level(&hrac, 2);
        hrac.novyLvl = true;
        hrac.stop = true;
        m.zmer([&] { level.vykresliSe(obrazovka()); });
    }
}
BENCHMARK(BM_ZmenaNaLevel3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

std::string docasnySoubor() {
    return "/tmp/grondelvik-bench-" + std::to_string(getpid()) + ".sav";
}

void BM_UlozeniLevelu3(benchmark::State& state) {
    obrazovka();
    Hrac hrac;
    Level level(&hrac, 3);
    const std::string cesta = docasnySoubor();
    Mereni m(state, CLOCK_MONOTONIC);
    for (auto _ : state) {
        m.zmer([&] { level.uloz(cesta.c_str()); });
    }
    std::remove(cesta.c_str());
}
BENCHMARK(BM_UlozeniLevelu3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_NacteniLevelu3(benchmark::State& state) {
    obrazovka();
    Hrac hrac;
    Level level(&hrac, 3);
    const std::string cesta = docasnySoubor();
    level.uloz(cesta.c_str());
    Mereni m(state, CLOCK_MONOTONIC);
    for (auto _ : state) {
        m.zmer([&] { level.nacti(cesta.c_str()); });
    }
    std::remove(cesta.c_str());
}
BENCHMARK(BM_NacteniLevelu3)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One switch, alternately to the small and to the large scale, in level 1.
void BM_ZmenaMeritka(benchmark::State& state) {
    obrazovka();
    Hrac hrac;
    Level level(&hrac, 1);
    bool male = false;
    Mereni m(state);
    for (auto _ : state) {
        male = !male;
        m.zmer([&] {
            if (male)
                level.zmensi();
            else
                level.zvetsi();
        });
    }
}
BENCHMARK(BM_ZmenaMeritka)->UseManualTime()->Unit(benchmark::kMillisecond);

// A thousand queries along a long stretch of floor.
void BM_VolnoXDlouhy(benchmark::State& state) {
    obrazovka();
    Hrac hrac;
    Level level(&hrac, 1);
    Mereni m(state);
    for (auto _ : state) {
        m.zmer([&] {
            for (int x = 0; x < 1000; ++x)
                benchmark::DoNotOptimize(level.volnoX(400, 400 + x * 37 % 3000, 700, 70, 101, 17));
        });
    }
}
BENCHMARK(BM_VolnoXDlouhy)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
