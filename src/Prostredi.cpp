// SPDX-License-Identifier: GPL-3.0-or-later
#include "Prostredi.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "Grondelvik.h"

namespace {

std::unique_ptr<Hra> hra;
constexpr double kSnimek = 100;  // ms
double pristi = 0;               // when the next frame is due

// The frame's pixels go to the page's canvas: the screen stays unlocked
// in between, and a lock now takes nothing back from the canvas.
void ukaz(SDL_Surface* obrazovka) {
    SDL_LockSurface(obrazovka);
    SDL_UnlockSurface(obrazovka);
}

// clang-format off
EM_JS(void, pripravPlatno, (), {
    Module.screenIsReadOnly = true;
});

EM_JS(void, poSnimku, (double zacatek), {
    if (Module.poSnimku) Module.poSnimku();
    Module.casySnimku.push(performance.now() - zacatek);
    Module.pocetSnimku++;
});

EM_JS(void, hraSkoncila, (int stav), {
    if (Module.hraSkoncila) Module.hraSkoncila(stav);
});

EM_JS(int, pustenyZvuk, (), {
    return Module.gesto || (SDL.audioContext && SDL.audioContext.state == 'running') ? 1 : 0;
});

// The storage folder to IndexedDB. A sync asked for while one runs follows
// it, so every whole file written gets there; each one done counts.
EM_JS(void, ulozNaDisk, (), {
    if (Module.ukladaSe) {
        Module.ulozitZnovu = true;
        return;
    }
    Module.ukladaSe = true;
    FS.syncfs(false, function hotovo(chyba) {
        if (chyba) err('the saved game could not be stored in the browser: ' + chyba);
        else Module.ulozeniHotovo++;
        if (Module.ulozitZnovu) {
            Module.ulozitZnovu = false;
            FS.syncfs(false, hotovo);
        } else {
            Module.ukladaSe = false;
        }
    });
});
// clang-format on

void konec(const char* zprava) {
    std::unique_ptr<Hra> h = std::move(hra);
    const int stav = ukonci(*h, zprava);
    h.reset();
    prostredi::skoncila(stav);
}

// The first pad the page sees; with none, every button lets go.
StavPadu stavPadu() {
    EmscriptenGamepadEvent g;
    if (emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS)
        for (int i = 0, n = emscripten_get_num_gamepads(); i < n; ++i) {
            if (emscripten_get_gamepad_status(i, &g) != EMSCRIPTEN_RESULT_SUCCESS || !g.connected) continue;
            bool tlacitka[64];
            const int nt = std::clamp(g.numButtons, 0, 64);
            for (int b = 0; b < nt; ++b) tlacitka[b] = g.digitalButton[b];
            return stavZProhlizece(std::string_view(g.mapping) == "standard", g.axis,
                                   std::clamp(g.numAxes, 0, 64), tlacitka, nt);
        }
    return {};
}

EM_BOOL zmenaViditelnosti(int, const EmscriptenVisibilityChangeEvent* e, void*) {
    // Hidden, it pauses as P would; P goes on.
    if (hra && e->hidden) hra->pauza = true;
    return EM_FALSE;
}

void snimekStranky() {
    const double zacatek = emscripten_get_now();
    const Nastaveni pred = hra->nastaveni;
    try {
        hra->doplnky.padProhlizece(stavPadu());
        snimek(*hra, 0);
    } catch (const char* zprava) {
        return konec(zprava);
    }
    ukaz(hra->screen);
    poSnimku(zacatek);
    // Stored once whole: the file was replaced within this frame.
    if (hra->udalosti.kolikrat(Udalost::ulozeno) || !(hra->nastaveni == pred)) ulozNaDisk();
    if (hra->konec) konec(nullptr);
}

// Frames are due every 100 ms from the first, however late a timer fires,
// so ten a second on average; a page that fell a whole frame behind (hidden,
// stopped in a debugger) runs the next one at once and counts from there,
// instead of running every missed one.
void tik(void*) {
    snimekStranky();
    if (!hra) return;
    const double ted = emscripten_get_now();
    pristi = std::max(pristi + kSnimek, ted);
    emscripten_set_timeout(tik, std::max(0.0, pristi - ted), nullptr);
}

}  // namespace

namespace prostredi {

bool zvukPusten() {
    return pustenyZvuk() != 0;
}

void skoncila(int stav) {
    std::fflush(stdout);
    std::fflush(stderr);
    hraSkoncila(stav);
}

void hraj(std::unique_ptr<Hra> h) {
    hra = std::move(h);
    pripravPlatno();
    ukaz(hra->screen);
    emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, zmenaViditelnosti);
    // The first frame at once; a page opened behind another pauses after it,
    // over the world.
    pristi = emscripten_get_now();
    tik(nullptr);
    EmscriptenVisibilityChangeEvent viditelnost;
    if (hra && emscripten_get_visibility_status(&viditelnost) == EMSCRIPTEN_RESULT_SUCCESS)
        zmenaViditelnosti(0, &viditelnost, nullptr);
}

}  // namespace prostredi
