// SPDX-License-Identifier: GPL-3.0-or-later
// What differs when the game runs as a web page (built with Emscripten only):
// the page's own loop calls the frames, the frame is shown on the page once,
// the saved game and the settings are kept in the browser's storage, a hidden
// page pauses the game, and the browser's gamepads give the pad's keys.
#pragma once

#include <memory>

struct Hra;

namespace prostredi {

// Hands the prepared game to the page, which runs one frame every 100 ms
// until the game ends; then everything is freed as the program frees it and
// the page hears Module.hraSkoncila(status). Returns at once.
void hraj(std::unique_ptr<Hra> hra);
// False until the browser lets the page sound: before the player's first
// key or click, when it holds sound back until then.
bool zvukPusten();
// Tells the page the game has ended: Module.hraSkoncila(status).
void skoncila(int stav);

}  // namespace prostredi
