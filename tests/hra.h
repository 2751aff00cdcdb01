// The whole game behind a dummy-driver window, in a throwaway copy of the
// data folder, driven frame by frame.
#pragma once

#include <cstdlib>

#include "Grondelvik.h"
#include "pomocnik.h"

class VeHre : public ::testing::Test {
protected:
    KopieDat kopie;
    VDatech data{kopie.cesta()};
    Hra hra;
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        hra.screen = SDL_SetVideoMode(800, 600, 0, SDL_ANYFORMAT);
        ASSERT_NE(hra.screen, nullptr);
        ASSERT_TRUE(pripravHru(hra));
        hra.hrac->stop = true;  // stands still unless a test moves him
    }
    void TearDown() override {
        hra = Hra{};
        SDL_Quit();
    }
    // One frame with these keys pressed.
    void snimekSKlavesami(std::initializer_list<SDLKey> klavesy) {
        for (SDLKey k : klavesy) {
            SDL_Event e{};
            e.type = e.key.type = SDL_KEYDOWN;
            e.key.keysym.sym = k;
            SDL_PushEvent(&e);
        }
        snimek(hra, 0);
    }
};
