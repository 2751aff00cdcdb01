// SPDX-License-Identifier: GPL-3.0-or-later
#include "Grondelvik.h"

#ifdef __EMSCRIPTEN__
#include "Prostredi.h"
#endif

int main(int argc, char** argv) {
#ifdef __EMSCRIPTEN__
    // A game that runs ends in the page's loop; one that cannot start, here.
    const int stav = SDL_main(argc, argv);
    if (stav != 0) prostredi::skoncila(stav);
    return stav;
#else
    return SDL_main(argc, argv);
#endif
}
