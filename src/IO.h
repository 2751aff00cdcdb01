// SPDX-License-Identifier: GPL-3.0-or-later
// Shared file and picture helpers: the owning picture handle, bitmap loading,
// the clock seam, and the saved game's one-value-per-line primitives.
#pragma once

#include <SDL.h>

#ifdef __EMSCRIPTEN__
// In a browser a surface keeps its pixels in memory beside a canvas, and a
// lock copies the whole canvas in and out again: the game's own copies work
// on the memory alone, and the page shows the screen once a frame.
#undef SDL_MUSTLOCK
#define SDL_MUSTLOCK(s) 0
#endif

#include <climits>
#include <ctime>
#include <iosfwd>
#include <memory>
#include <string>

// A sum or product formed in 64 bits, stopped at the int limits: values that
// only ever grow in play (score, strength, arrows carried...) stay there
// instead of wrapping.
inline int omez(long long v) {
    return static_cast<int>(v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : v);
}

// Frees an SDL picture when its owner goes away.
struct UvolniObrazek {
    void operator()(SDL_Surface* s) const noexcept;
};
using Obrazek = std::unique_ptr<SDL_Surface, UvolniObrazek>;

// Loads a Windows bitmap opened in mode "rb", in the screen's pixel format
// when a video mode is set; null when it cannot be read.
Obrazek nactiObrazek(const char* cesta);

// A new picture of sirka x vyska pixels in the format f (with its palette),
// clipped to itself; null when there is no memory for it.
Obrazek novyObrazek(int sirka, int vyska, const SDL_PixelFormat* f);

// Makes pure white transparent.
void nastavBilyKlic(SDL_Surface* obrazek);

// Blits the whole picture with its top-left corner at (x, y); the destination
// rectangle is a copy, so SDL's clipping never reaches the caller.
void vykresliObrazek(SDL_Surface* obrazek, SDL_Surface* kam, int x, int y);

// Blits the part zdroj of the picture with its top-left corner at (x, y),
// clipped as SDL clips. Between pictures of the same format, with no key or
// alpha, it copies the rows itself: SDL's copy writes around the cache, which
// is slow for the many short rows of tiles.
void vykresliCast(SDL_Surface* obrazek, SDL_Rect zdroj, SDL_Surface* kam, int x, int y);

// The one place the game reads the wall clock (whole seconds), so tests and
// tools can pin it and replay a run.
namespace hodiny {
std::time_t ted();
void zastav(std::time_t t);  // every later ted() returns t
void pust();                 // back to the real clock
}  // namespace hodiny

// Writes the whole of obsah to cesta, or leaves the old file byte for byte: the
// text goes to this writer's own cesta + ".tmp.<process>.<n>", locked while it
// is written, reaches the disk, and only then replaces the old file; on any
// failure the temporary file is removed. Two writers at once (two games in one
// folder) each leave a whole file, the later one's. False, with the reason in
// chyba, when it could not.
bool zapisCely(const char* cesta, const std::string& obsah, std::string& chyba);
// Removes what writes cut short (a game killed mid-write) left beside cesta,
// and only those: a file another game is writing is locked and stays.
void uklidPoZapisu(const char* cesta);

// Why a saved game is refused, whatever is wrong with it.
inline constexpr const char* kPoskozenaHra = "soubor savy/grondelvik.sav byl poskozen";

// The saved game is text, one value per line. Reading is lenient as it always
// was: every character of a line adds its code minus '0', so the list-end line
// (the character 11) reads as -37; a CR before the LF is part of the line end.
// It throws kPoskozenaHra at the end of the file and for a value beyond 32 bits.
class IO {
public:
    static void writeInt(int i, std::ostream& oss);
    static int getInt(std::istream& is);
    static void writeBool(bool b, std::ostream& oss);
    // The last character of the line decides: anything but '0' is true.
    static bool getBool(std::istream& is);
    // Ends a list of records, whose first field is never negative.
    static void writeKonecSeznamu(std::ostream& oss);
};
