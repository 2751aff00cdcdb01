// SPDX-License-Identifier: GPL-3.0-or-later
#include "Doplnky.h"

SDL_Surface* Doplnky::otevri(const Nastaveni& n) {
    okno.zjistiPlochu();
    pad.nastav(n);
    return okno.otevri(n.polovinyOkna, n.celaObrazovka);
}

void Doplnky::zavri() {
    zmrazeny.reset();
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
        case SDLK_F10: ++zvetseni; break;
        case SDLK_F11: prepnoutCelou = !prepnoutCelou; break;
        case SDLK_RETURN:
            if (k.mod & KMOD_ALT) prepnoutCelou = !prepnoutCelou;
            break;
        default: break;
    }
}

bool Doplnky::kresliKartu(SDL_Surface* obrazovka, SDL_Surface* obrazek) {
    if (!karta) {
        if (zmrazeny) SDL_BlitSurface(zmrazeny.get(), nullptr, obrazovka, nullptr);
        zmrazeny.reset();
        return false;
    }
    if (!zmrazeny) zmrazeny.reset(SDL_ConvertSurface(obrazovka, obrazovka->format, SDL_SWSURFACE));
    if (zmrazeny) SDL_BlitSurface(zmrazeny.get(), nullptr, obrazovka, nullptr);
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
