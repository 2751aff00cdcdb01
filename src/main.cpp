// SPDX-License-Identifier: GPL-3.0-or-later
#include "Grondelvik.h"

int main(int argc, char** argv) {
    return SDL_main(argc, argv);
}
