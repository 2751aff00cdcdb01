// Shared file and picture helpers: the owning picture handle, bitmap loading,
// the clock seam, and (later) the saved-game primitives.
#pragma once

#include <SDL.h>

#include <ctime>
#include <memory>

// Frees an SDL picture when its owner goes away.
struct UvolniObrazek {
    void operator()(SDL_Surface* s) const noexcept {
        if (s) SDL_FreeSurface(s);
    }
};
using Obrazek = std::unique_ptr<SDL_Surface, UvolniObrazek>;

// Loads a Windows bitmap opened in mode "rb"; null when it cannot be read.
Obrazek nactiObrazek(const char* cesta);

// Makes pure white transparent.
void nastavBilyKlic(SDL_Surface* obrazek);

// Blits the whole picture with its top-left corner at (x, y); the destination
// rectangle is a copy, so SDL's clipping never reaches the caller.
void vykresliObrazek(SDL_Surface* obrazek, SDL_Surface* kam, int x, int y);

// The one place the game reads the wall clock (whole seconds), so tests and
// tools can pin it and replay a run.
namespace hodiny {
std::time_t ted();
void zastav(std::time_t t);  // every later ted() returns t
void pust();                 // back to the real clock
}  // namespace hodiny
