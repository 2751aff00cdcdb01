// SPDX-License-Identifier: GPL-3.0-or-later
// The player's choices beyond the rules of play (sound, window, gamepad,
// language), kept in one small text file in the game's folder, beside savy/.
// A missing file means the defaults; a damaged value means that value's
// default and never stops the game. Writing replaces the file only once the
// new one is whole.
#pragma once

#include <optional>
#include <string>

#ifdef __EMSCRIPTEN__
// In a browser only savy/ is kept in the browser's storage.
inline constexpr const char* kSouborNastaveni = "savy/nastaveni.txt";
#else
inline constexpr const char* kSouborNastaveni = "nastaveni.txt";
#endif

// The language of what the player reads in the game (the messages on stderr
// stay as they are).
enum class Jazyk { cs, en };

// The locale's language: the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty decides, Czech when its language is "cs", else English.
Jazyk jazykProstredi();

struct Nastaveni {
    bool zvuk = true;      // all sound on (M)
    int polovinyOkna = 2;  // the window's factor in halves, 2 (1x) to 6 (3x) (F10); the file says 1 to 3
    bool celaObrazovka = false;  // fullscreen (F11)
    // Gamepad buttons by SDL's joystick button number; the defaults follow
    // the common layout (bottom face button jumps).
    int padSkok = 0;      // jump
    int padBeh = 1;       // run, while held
    int padUtok = 2;      // strike or shoot
    int padZbran = 3;     // switch between sword and bow
    int padOvladani = 6;  // Back / Select: the controls card
    int padPauza = 7;     // Start: pause
    // "jazyk=cs" or "jazyk=en"; without it the locale decides.
    std::optional<Jazyk> jazyk;

    // The language the game speaks: the file's, else the locale's.
    Jazyk jazykHry() const { return jazyk ? *jazyk : jazykProstredi(); }

    // Reads the file. Lines are "name=value"; "#" starts a comment line.
    // Unknown names, values out of range and anything unreadable are
    // reported in one line on stderr and leave their default.
    static Nastaveni nacti(const char* cesta = kSouborNastaveni);
    // The file's whole text, every value with a short comment.
    std::string text() const;
    // Writes the file atomically; on failure says so once on stderr and
    // returns false, the old file untouched.
    bool uloz(const char* cesta = kSouborNastaveni) const;

    bool operator==(const Nastaveni&) const = default;
};
