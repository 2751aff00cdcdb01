// SPDX-License-Identifier: GPL-3.0-or-later
// Long play: the automatic player plays level after level through the game's
// own frame loop (the shell's frame, with its save and load steps), headless,
// with the clock pinned, so a run is the same every time.
//
//   vydrz [--zmen N] [--mereni-od M] [--hodiny T] [--data DIR]
//
// It plays until N level changes (default 120) have gone through the real
// level change, so the difficulty climbs to N + 1, past 109, where enemy
// health stops at the int limit. Every 200 frames it saves
// and loads in one frame (S and F9), saves again in the next, paused one
// (P and S), and checks that the two files hold the same game, the enemy and
// marker lists reversed as every load leaves them. It keeps the hunter alive
// (his health back after a death) and brings him to the exit when the route
// search finds no way or a level drags on. It fails when a save is refused or
// differs, or when the peak memory (resident set) grows by 1 MB or more from
// level change M (default 10) to the end.
#include <SDL.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Grondelvik.h"
#include "UlozenaHra.h"
#include "automat.h"
#include "pisek.h"

namespace {

using namespace automat;

constexpr const char* kSoubor = "savy/grondelvik.sav";
constexpr int kKontrolaPo = 200;      // frames between two save checks
constexpr int kBojeNaLevel = 400;     // frames of fighting a level before he only walks
constexpr int kSnimkuNaLevel = 3000;  // frames of a level before he is put at the exit
constexpr size_t kUzluCesty = 200'000;

// Under AddressSanitizer freed memory waits in quarantine and the resident set
// grows by design: its figures are reported, not judged.
#if defined(__SANITIZE_ADDRESS__)
#define VYDRZ_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VYDRZ_ASAN
#endif
#endif
#ifdef VYDRZ_ASAN
constexpr bool kSoudPameti = false;
#else
constexpr bool kSoudPameti = true;
#endif

[[noreturn]] void chyba(const std::string& zprava) {
    std::fprintf(stderr, "vydrz: %s\n", zprava.c_str());
    std::exit(1);
}

long spickaKB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

void stiskni(SDLKey k) {
    SDL_Event e{};
    e.type = e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = k;
    SDL_PushEvent(&e);
}

std::string obsah(const char* soubor) {
    std::stringstream s;
    s << std::ifstream(soubor, std::ios::binary).rdbuf();
    return s.str();
}

std::vector<std::string> serazeneRadky(const std::string& text) {
    std::vector<std::string> r;
    std::istringstream in(text);
    for (std::string s; std::getline(in, s);) r.push_back(s);
    std::sort(r.begin(), r.end());
    return r;
}

// The saved game as the game's own reader takes it; a refusal ends the run.
UlozenaHra precti(const std::string& text, const char* ktera) {
    std::istringstream in(text);
    try {
        return UlozenaHra::precti(in, Level::mapaLevelu);
    } catch (const char* zprava) {
        chyba(std::string("the game refused its own ") + ktera + " save: " + zprava);
    }
}

struct Hrani {
    Hra& hra;
    int snimku = 0, kontrol = 0, oziveni = 0, naVychod = 0;
    int naMezi = 0;  // saves with an enemy whose health stopped at the int limit

    // One frame with these shell keys pushed before it.
    void snimek(std::initializer_list<SDLKey> klavesy = {}) {
        for (SDLKey k : klavesy) stiskni(k);
        ::snimek(hra, 0);
        ++snimku;
        if (hra.konec) chyba("the game asked to end");
        if (hra.smrt) {  // kept alive: the game goes on
            hra.hrac->zivoty = hra.hrac->maxZivotu;
            hra.smrt = false;
            ++oziveni;
        }
    }

    // Save and load in one frame, save again paused in the next: the same
    // game, its lists reversed.
    void kontrola() {
        snimek({SDLK_s, SDLK_F9});
        const std::string prvni = obsah(kSoubor);
        snimek({SDLK_p, SDLK_s});
        const std::string druhy = obsah(kSoubor);
        UlozenaHra a = precti(prvni, "first"), b = precti(druhy, "second");
        std::reverse(a.nepratele.begin(), a.nepratele.end());
        std::reverse(a.zasahy.begin(), a.zasahy.end());
        std::reverse(a.minuti.begin(), a.minuti.end());
        if (!(a == b) || serazeneRadky(prvni) != serazeneRadky(druhy))
            chyba("after frame " + std::to_string(snimku) + " a loaded game saved differently");
        stiskni(SDLK_p);  // on with the next frame
        ++kontrol;
        naMezi += std::any_of(b.nepratele.begin(), b.nepratele.end(),
                              [](const UlozenyNepritel& n) { return n.zivoty == INT_MAX; });
    }
};

}  // namespace

int main(int argc, char** argv) {
    int zmen = 120, mereniOd = 10;
    std::time_t hodinky = 1'000'000'000;
    std::filesystem::path data = GRONDELVIK_DATA;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--zmen")
            zmen = std::atoi(v.c_str());
        else if (a == "--mereni-od")
            mereniOd = std::atoi(v.c_str());
        else if (a == "--hodiny")
            hodinky = std::atoll(v.c_str());
        else if (a == "--data")
            data = v;
        else
            chyba("usage: vydrz [--zmen N] [--mereni-od M] [--hodiny T] [--data DIR]");
    }
    if (argc % 2 == 0 || zmen < 1 || mereniOd < 0 || mereniOd > zmen)
        chyba("usage: vydrz [--zmen N] [--mereni-od M] [--hodiny T] [--data DIR], M <= N");

    const auto zacatek = std::chrono::steady_clock::now();
    Pisek pisek(data);
    std::filesystem::current_path(pisek.cesta());
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) chyba(std::string("SDL: ") + SDL_GetError());
    long spickaPri = 0, spickaNaKonci = 0;
    int obtiznost = 0;
    {
        Hra hra;
        hra.screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
        if (!hra.screen) chyba(std::string("video: ") + SDL_GetError());
        hodiny::zastav(hodinky);
        if (!pripravHru(hra)) return 1;
        Hrani hrani{hra};
        Hrac& h = *hra.hrac;
        Level& l = *hra.level;
        if (mereniOd == 0) spickaPri = spickaKB();
        try {
            for (int zmena = 1; zmena <= zmen; ++zmena) {
                const int typ = AutomatLevelu::typ(l), pred = AutomatLevelu::obtiznost(l),
                          start = hrani.snimku;
                std::vector<std::pair<Stav, int>> cesta;
                size_t i = 0;
                int boju = 0, trpelivost = 0;
                while (AutomatLevelu::obtiznost(l) == pred) {
                    hodiny::zastav(hodinky + hrani.snimku / 10);
                    if (hrani.snimku % kKontrolaPo == kKontrolaPo - 1) {
                        hrani.kontrola();
                        continue;
                    }
                    const int snimkuLevelu = hrani.snimku - start;
                    if (snimkuLevelu > kSnimkuNaLevel + 100)
                        chyba("level " + std::to_string(typ) + " never ends");
                    bool naVychod = snimkuLevelu >= kSnimkuNaLevel;
                    Nepritel* n = h.vzduch || boju >= kBojeNaLevel ? nullptr : cil(l, h, trpelivost);
                    if (n && !naVychod) {
                        bojuj(h, *n);
                        ++trpelivost, ++boju;
                    } else if (!naVychod) {
                        if (i >= cesta.size() || cesta[i].first != precti(h)) {
                            cesta = najdiCestu(typ, precti(h), h.beh, kUzluCesty), i = 0;
                            naVychod = cesta.empty();
                        }
                        if (!naVychod) ovladej(h, kVstupy[cesta[i++].second]);
                        trpelivost = 0;
                    }
                    if (naVychod) {
                        // Onto the exit: the next frame picks it up and changes the level.
                        const auto [vx, vy] = AutomatLevelu::vychod(l);
                        h.pozice.x = Sint16(vx * 30 - 31), h.pozice.y = Sint16(vy * 30 - 50);
                        ++hrani.naVychod;
                        cesta.clear();
                    }
                    hrani.snimek();
                }
                if (zmena == mereniOd) spickaPri = spickaKB();
                obtiznost = AutomatLevelu::obtiznost(l);
                std::printf(
                    "change %d: level %d done in %d frames, now level %d at difficulty %d; peak RSS %ld KB\n",
                    zmena, typ, hrani.snimku - start, AutomatLevelu::typ(l), obtiznost, spickaKB());
                std::fflush(stdout);
            }
        } catch (const char* zprava) {
            chyba(zprava);
        }
        spickaNaKonci = spickaKB();
        const double sekund =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - zacatek).count();
        std::printf(
            "%d level changes to difficulty %d in %d frames; %d saves loaded and saved again alike, %d "
            "of them with enemy health at the int limit; %d deaths undone, %d times put at the exit; peak "
            "RSS %ld KB at change %d, %ld KB at the end; %.1f s\n",
            zmen, obtiznost, hrani.snimku, hrani.kontrol, hrani.naMezi, hrani.oziveni, hrani.naVychod,
            spickaPri, mereniOd, spickaNaKonci, sekund);
    }
    hodiny::pust();
    SDL_Quit();
    if (kSoudPameti && spickaNaKonci - spickaPri >= 1024) chyba("the peak RSS grew by 1 MB or more");
    return 0;
}
