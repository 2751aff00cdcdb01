// Costs that matter to the player: one whole frame (it has 100 ms, and the
// world is redrawn each time), building a level on a level change, and the
// collision queries every moving thing asks for.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "Hrac.h"
#include "Level.h"

namespace {

struct VDatech {
    VDatech() { (void)!chdir(GRONDELVIK_DATA); }
};

SDL_Surface* obrazovka() {
    static SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    return s;
}

void BM_SnimekLevelu1(benchmark::State& state) {
    VDatech d;
    Hrac hrac;
    Level level(&hrac, 1);
    for (auto _ : state) {
        // Keep him walking back and forth across the start so the view moves.
        hrac.vlevo = (state.iterations() / 40) % 2 == 1;
        level.vykresliSe(obrazovka());
    }
}
BENCHMARK(BM_SnimekLevelu1)->Unit(benchmark::kMicrosecond);

void BM_ZmenaLevelu(benchmark::State& state) {
    VDatech d;
    Hrac hrac;
    Level level(&hrac, 1);
    for (auto _ : state) {
        hrac.novyLvl = true;  // the exit was picked up: the frame builds the next level
        hrac.stop = true;
        level.vykresliSe(obrazovka());
    }
}
// A fixed count: difficulty grows with every change.
BENCHMARK(BM_ZmenaLevelu)->Unit(benchmark::kMillisecond)->Iterations(30);

void BM_VolnoXDlouhy(benchmark::State& state) {
    VDatech d;
    Hrac hrac;
    Level level(&hrac, 1);
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(level.volnoX(400, 400 + x % 3000, 700, 70, 101, 17));
        x += 37;
    }
}
BENCHMARK(BM_VolnoXDlouhy);

}  // namespace

BENCHMARK_MAIN();
