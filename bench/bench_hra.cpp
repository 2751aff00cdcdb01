// Costs that matter to the player, each also given as a multiple of one
// full-screen blit of a display-format surface measured in the same run (the
// counter "blitu"), so figures compare across machines and SDL libraries:
// whole frames, a level change, saving and loading, a scale switch, and the
// collision query every moving thing asks for.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "Hrac.h"
#include "Level.h"
#include "Okno.h"

// The level grants this name its private parts; the benchmarks only place
// enemies on its floors.
struct LevelTest {
    static SetNepratel& set(Level& l) { return *l.set; }
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
// blit of a display-format surface onto the screen, in processor time, in
// batches taken before, now and then between, and after the work; their
// median is the unit, so a change of the machine's load moves both.
class Mereni {
public:
    explicit Mereni(benchmark::State& s, clockid_t h = CLOCK_THREAD_CPUTIME_ID) : state(s), hodiny(h) {
        obrazovka();
        Obrazek plocha(SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 24, 0xFF0000, 0xFF00, 0xFF, 0));
        // Noise, not one colour: some SDL builds copy a blank surface faster.
        Uint32 n = 12345;
        for (int i = 0; i < plocha->pitch * plocha->h; ++i)
            static_cast<Uint8*>(plocha->pixels)[i] = static_cast<Uint8>((n = n * 1664525 + 1013904223) >> 24);
        zdroj.reset(SDL_DisplayFormat(plocha.get()));
        zmerMiru(15);
    }
    ~Mereni() {
        zmerMiru(15);
        std::nth_element(davky.begin(), davky.begin() + davky.size() / 2, davky.end());
        const double mira = davky[davky.size() / 2];
        state.counters["blitu"] = prace / static_cast<double>(state.iterations()) / mira;
        state.counters["blit_us"] = mira * 1e6;
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
    }
    SDL_Surface* mira() const { return zdroj.get(); }

private:
    void zmerMiru(int davek) {
        for (int d = 0; d < davek; ++d) {
            const double t = ted();
            for (int i = 0; i < 10; ++i) vykresliObrazek(zdroj.get(), obrazovka(), 0, 0);
            davky.push_back((ted() - t) / 10);
        }
    }
    benchmark::State& state;
    clockid_t hodiny;
    Obrazek zdroj;
    std::vector<double> davky;
    double prace = 0;
    long kol = 0;
};

// The yardstick against itself: its ratio is 1 give or take the noise.
void BM_Mira(benchmark::State& state) {
    Mereni m(state);
    for (auto _ : state) m.zmer([&] { vykresliObrazek(m.mira(), obrazovka(), 0, 0); });
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

// A walking frame of level 1 shown larger, as the shell shows it at 2x, 3x
// and fullscreen on 1920 x 1080 and 2560 x 1440 screens (the picture
// 1440 x 1080 or 1920 x 1440 between bars): the world drawn into the game's
// 800 x 600 surface, then scaled into the window's (svet 0: the scaling alone).
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
    ->ArgsProduct({{1600}, {1200}, {1, 0}})
    ->ArgsProduct({{2400}, {1800}, {1, 0}})
    ->ArgsProduct({{1920}, {1080}, {1, 0}})
    ->ArgsProduct({{2560}, {1440}, {1, 0}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

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
