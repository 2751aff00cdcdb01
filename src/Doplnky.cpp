// SPDX-License-Identifier: GPL-3.0-or-later
#include "Doplnky.h"

#include <algorithm>

SDL_Surface* Doplnky::otevri(const Nastaveni& n) {
    okno.zjistiPlochu();
    pad.nastav(n);
#ifdef __EMSCRIPTEN__
    return okno.otevri(2, false);  // the page scales the canvas itself
#else
    return okno.otevri(n.polovinyOkna, n.celaObrazovka);
#endif
}

void Doplnky::zavri() {
    zmrazeny.clear();
    okno.zavri();
    pad.zavri();
}

bool Doplnky::dalsiUdalost(SDL_Event& e) {
    while (dalsi == fronta.size()) {
        fronta.clear();
        dalsi = 0;
        if (!SDL_PollEvent(&e)) return false;
        if (e.type < SDL_JOYAXISMOTION || e.type > SDL_JOYBUTTONUP) {
            okno.prevedMys(e);
            return true;
        }
        pad.preloz(e, fronta);
    }
    e = fronta[dalsi++];
    return true;
}

void Doplnky::klavesa(const SDL_keysym& k) {
    switch (k.sym) {
        case SDLK_F1: karta = !karta; break;
#ifndef __EMSCRIPTEN__  // in a browser the page scales and goes fullscreen
        case SDLK_F10: ++zvetseni; break;
        case SDLK_F11: prepnoutCelou = !prepnoutCelou; break;
        case SDLK_RETURN:
            if (k.mod & KMOD_ALT) prepnoutCelou = !prepnoutCelou;
            break;
#endif
        default: break;
    }
}

bool Doplnky::kresliKartu(SDL_Surface* obrazovka, SDL_Surface* obrazek) {
    if (!karta && zmrazeny.empty()) return false;
    // Copied byte for byte, as every SDL keeps a surface's pixels the same.
    const size_t velikost = static_cast<size_t>(obrazovka->pitch) * obrazovka->h;
    if (!(SDL_MUSTLOCK(obrazovka) && SDL_LockSurface(obrazovka) < 0)) {
        Uint8* pixely = static_cast<Uint8*>(obrazovka->pixels);
        if (zmrazeny.empty()) zmrazeny.assign(pixely, pixely + velikost);
        if (zmrazeny.size() == velikost) std::copy(zmrazeny.begin(), zmrazeny.end(), pixely);
        if (SDL_MUSTLOCK(obrazovka)) SDL_UnlockSurface(obrazovka);
    }
    if (!karta) {
        zmrazeny.clear();
        return false;
    }
    vykresliObrazek(obrazek, obrazovka, (obrazovka->w - obrazek->w) / 2, (obrazovka->h - obrazek->h) / 2);
    return true;
}

void Doplnky::ukaz(SDL_Surface*& obrazovka, Nastaveni& n) {
    if (!okno.otevreno()) {
        SDL_Flip(obrazovka);
        return;
    }
    // The window's size is the window's: fullscreen takes the screen's.
    int p = okno.poloviny();
    if (!okno.cela())
        for (; zvetseni > 0; --zvetseni) p = okno.dalsiPoloviny(p);
    if (okno.nastav(p, okno.cela() != prepnoutCelou)) {
        n.polovinyOkna = okno.poloviny();
        n.celaObrazovka = okno.cela();
        n.uloz();
    }
    zvetseni = 0;
    prepnoutCelou = false;
    obrazovka = okno.hra();
    okno.ukaz();
}
