// SPDX-License-Identifier: GPL-3.0-or-later
#include "Grondelvik.h"

#ifdef __EMSCRIPTEN__
#include "Prostredi.h"
#endif

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

bool k(SDL_Event& event, Hrac* hrac, bool& pauza, bool& velka, bool& uloz, bool& nacti, bool& zvuk,
       Doplnky* doplnky) {
    bool done = false;
    while (doplnky ? doplnky->dalsiUdalost(event) : SDL_PollEvent(&event)) {
        if (!pauza && !(doplnky && doplnky->karta)) hrac->akce(event);
        if (event.type == SDL_KEYDOWN) {
            switch (event.key.keysym.sym) {
                case SDLK_ESCAPE: done = true; break;
                case SDLK_p: pauza = !pauza; break;
                case SDLK_s: uloz = true; break;
                case SDLK_KP_MINUS: velka = false; break;
                case SDLK_KP_PLUS: velka = true; break;
                case SDLK_F9: nacti = true; break;
                case SDLK_m: zvuk = !zvuk; break;
                default: break;
            }
            if (doplnky) doplnky->klavesa(event.key.keysym);
        } else if (event.type == SDL_QUIT) {
            done = true;
        }
    }
    return done;
}

bool pripravHru(Hra& hra) {
    hra.konec = false;
    uklidPoZapisu("savy/grondelvik.sav");
    try {
        hra.hrac = std::make_unique<Hrac>();
    } catch (const char* zprava) {
        std::fprintf(stderr, "%s\n", zprava);
        return false;
    }
    try {
        hra.level = std::make_unique<Level>(hra.hrac.get(), 1);
    } catch (const char* zprava) {
        hra.hrac.reset();
        std::fprintf(stderr, "%s\n", zprava);
        return false;
    }
    hra.pauza = hra.smrt = hra.uloz = hra.nacti = false;
    hra.velka = true;

    // Both languages and the card's digits, all loaded before any is tested:
    // first the pause and the end pictures the game always had, in Czech.
    static const char* const kObrazky[] = {"grafika/ostatni/pauza.bmp",     "grafika/ostatni/konec.bmp",
                                           "grafika/ostatni/ovladani.bmp",  "grafika/ostatni/en/pauza.bmp",
                                           "grafika/ostatni/en/konec.bmp",  "grafika/ostatni/en/ovladani.bmp",
                                           "grafika/ostatni/cislaKarty.bmp"};
    Obrazek obrazky[std::size(kObrazky)];
    for (size_t i = 0; i < std::size(kObrazky); ++i) obrazky[i] = nactiObrazek(kObrazky[i]);
    for (size_t i = 0; i < std::size(kObrazky); ++i)
        if (!obrazky[i]) {
            std::fprintf(stderr, "chyba pri nacitani obrazku\t %s\n", kObrazky[i]);
            return false;
        }
    Obrazek* jazyk = obrazky + (hra.jazyk == Jazyk::en ? 3 : 0);
    hra.obrPauza = std::move(jazyk[0]);
    hra.obrSmrt = std::move(jazyk[1]);
    hra.obrOvladani = slozKartu(jazyk[2].get(), obrazky[6].get(), hra.nastaveni);
    if (!hra.obrOvladani) {
        std::fprintf(stderr, "chyba pri nacitani obrazku\t %s\n", kObrazky[jazyk == obrazky ? 2 : 5]);
        return false;
    }
    nastavBilyKlic(hra.obrPauza.get());
    nastavBilyKlic(hra.obrSmrt.get());
    return true;
}

namespace {

// Waits until the frame's moment, so the period stays fixed whatever the
// frame's own work took; a frame late by more than a period starts afresh.
void pockej(Uint32& dalsi, Uint32 perioda) {
    const Uint32 ted = SDL_GetTicks();
    const Sint32 zbyva = static_cast<Sint32>(dalsi - ted);
    if (zbyva > 0 && zbyva <= static_cast<Sint32>(perioda)) {
        SDL_Delay(static_cast<Uint32>(zbyva));
        dalsi += perioda;
    } else {
        dalsi = ted + perioda;
    }
}

Zvuk::Stav stavZvuku(const Hra& hra) {
    return {hra.nastaveni.zvuk, hra.level->typLevelu(), hra.pauza, hra.smrt || hra.hrac->zivoty <= 0};
}

}  // namespace

void snimek(Hra& hra, Uint32 perioda) {
    if (perioda) pockej(hra.dalsiSnimek, perioda);
    const bool pauzaPred = hra.pauza, zvukPred = hra.nastaveni.zvuk;
    hra.konec = k(hra.event, hra.hrac.get(), hra.pauza, hra.velka, hra.uloz, hra.nacti, hra.nastaveni.zvuk,
                  &hra.doplnky);
    // The player's choice outlives the run.
    if (hra.nastaveni.zvuk != zvukPred) hra.nastaveni.uloz();

    // A frame that does not run the world gives only the shell's events.
    hra.udalosti.vymaz();
    // Paused or dead, the last frame stays and the picture goes over it.
    if (hra.doplnky.kresliKartu(hra.screen, hra.obrOvladani.get())) {
        // the controls card holds the world
    } else if (!hra.pauza && !hra.smrt) {
        hra.level->vykresliSe(hra.screen);
        hra.udalosti = hra.level->udalosti();
        if (hra.hrac->zivoty <= 0) {
            hra.smrt = true;
            hra.udalosti.pridej(Udalost::smrt);
        }
    } else if (hra.pauza && !hra.smrt) {
        vykresliObrazek(hra.obrPauza.get(), hra.screen, 200, 200);
    } else {
        vykresliObrazek(hra.obrSmrt.get(), hra.screen, 150, 250);
    }
    // The world's sounds start now, not after saving, scaling and flipping.
    if (hra.zvuk) hra.zvuk->snimek(hra.udalosti, stavZvuku(hra));

    Udalosti shellu;
    if (hra.pauza != pauzaPred) shellu.pridej(hra.pauza ? Udalost::pauza : Udalost::pokracovani);

    if (hra.uloz) {
        shellu.pridej(hra.level->uloz("savy/grondelvik.sav") ? Udalost::ulozeno : Udalost::chyba);
        hra.uloz = false;
    }
    // Also when nothing could be loaded: a dead hunter gets one more frame.
    if (hra.nacti) {
        const bool nacteno = hra.level->nacti("savy/grondelvik.sav") == Level::Nacteni::hotovo;
        shellu.pridej(nacteno ? Udalost::nacteno : Udalost::chyba);
        hra.smrt = false;
        hra.nacti = false;
    }

    // Every frame: the call does nothing unless the choice changed or a
    // load left the level large.
    if (hra.velka)
        hra.level->zvetsi();
    else
        hra.level->zmensi();

    // Scaled into the window when it is larger.
    hra.doplnky.ukaz(hra.screen, hra.nastaveni);

    if (hra.zvuk) hra.zvuk->snimek(shellu, stavZvuku(hra));
    for (int i = 0; i < kPocetUdalosti; ++i)
        for (int n = shellu.kolikrat(static_cast<Udalost>(i)); n > 0; --n)
            hra.udalosti.pridej(static_cast<Udalost>(i));
}

bool ovladacBezOkna(const char* ovladac, const char* zvolene) {
    // Off-screen and dummy show nothing; the classic library's text-art
    // drivers draw into whatever terminal started the game, if any.
    static const char* const zadneOkno[] = {"offscreen", "dummy", "caca", "aalib"};
    if (!ovladac || std::none_of(std::begin(zadneOkno), std::end(zadneOkno),
                                 [&](const char* z) { return std::strcmp(z, ovladac) == 0; }))
        return false;
    // Chosen by name (a list may name several; SDL ignores case), it is what
    // the player wants.
    std::string seznam = std::string(",") + (zvolene ? zvolene : "") + ",";
    for (char& c : seznam) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return seznam.find(std::string(",") + ovladac + ",") == std::string::npos;
}

const char* neviditelnyOvladac() {
    static char jmeno[64];
    if (!SDL_VideoDriverName(jmeno, sizeof jmeno)) return nullptr;
    return ovladacBezOkna(jmeno, std::getenv("SDL_VIDEODRIVER")) ? jmeno : nullptr;
}

int ukonci(Hra& hra, const char* zprava) {
    if (zprava) {
        hra.zvuk.reset();
        hra.level.reset();
        hra.hrac.reset();
        hra.obrOvladani.reset();
        hra.doplnky.zavri();
        hra.obrPauza.reset();
        hra.obrSmrt.reset();
        std::fprintf(stderr, "%s\n", zprava);
        SDL_Quit();
        return 1;
    }
    // Pictures and sounds go before SDL does.
    hra.zvuk.reset();
    hra.obrPauza.reset();
    hra.obrSmrt.reset();
    hra.obrOvladani.reset();
    hra.doplnky.zavri();
    hra.hrac.reset();
    hra.level.reset();
    SDL_Quit();
    return 0;
}

int SDL_main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) == -1) {
        std::fprintf(stderr, "Nejde incializovat SDL: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    // On the heap: in a browser the game outlives this function.
    auto hra = std::make_unique<Hra>();
    hra->nastaveni = Nastaveni::nacti();
    hra->jazyk = hra->nastaveni.jazykHry();
    hra->screen = hra->doplnky.otevri(hra->nastaveni);
    if (!hra->screen) {
        std::fprintf(stderr, "Unable to set 800x600 video: %s\n", SDL_GetError());
        SDL_Quit();
        return 2;
    }
    // Without a reachable display SDL over SDL2 falls back to a driver that
    // shows nothing; a game nobody can see must not run on.
    if (const char* ovladac = neviditelnyOvladac()) {
        std::fprintf(stderr,
                     "Unable to set 800x600 video: no display can be reached (SDL chose the '%s' video "
                     "driver, which shows no window)\n",
                     ovladac);
        SDL_Quit();
        return 2;
    }
    SDL_WM_SetCaption("Grondelvik", nullptr);
    hra->doplnky.pad.otevri();

    if (!pripravHru(*hra)) {
        *hra = Hra{};
        SDL_Quit();
        return 1;
    }
    hra->zvuk = std::make_unique<Zvuk>();

#ifdef __EMSCRIPTEN__
    prostredi::hraj(std::move(hra));  // the page runs the frames from now on
    return 0;
#else
    try {
        while (!hra->konec) snimek(*hra, 100);
    } catch (const char* zprava) {
        return ukonci(*hra, zprava);
    }
    return ukonci(*hra, nullptr);
#endif
}
