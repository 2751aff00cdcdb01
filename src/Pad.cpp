// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pad.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr SDLKey kSipky[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN};

SDL_Event klavesa(SDLKey k, bool dolu) {
    SDL_Event e{};
    e.type = e.key.type = dolu ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = dolu ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = k;
    return e;
}

// The standard layout's buttons by SDL's numbers for the same buttons on
// Linux; its triggers are axes there, its D-pad (12 to 15) the hat.
constexpr int kStandardni[] = {0, 1, 2, 3, 4, 5, -1, -1, 6, 7, 9, 10, -1, -1, -1, -1, 8};
constexpr Uint8 kKrizek[] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};

int naOsu(double v) {
    return std::clamp(static_cast<int>(v * 32768), -32768, 32767);
}

}  // namespace

StavPadu stavZProhlizece(bool standardni, const double* osy, int nOs, const bool* tlacitka, int nTlacitek) {
    StavPadu s;
    if (nOs > 0) s.osaX = naOsu(osy[0]);
    if (nOs > 1) s.osaY = naOsu(osy[1]);
    for (int i = 0; i < std::min(nTlacitek, StavPadu::kTlacitek); ++i) {
        if (!tlacitka[i]) continue;
        if (!standardni)
            s.tlacitka.set(static_cast<size_t>(i));
        else if (i >= 12 && i < 16)
            s.krizek |= kKrizek[i - 12];
        else if (i < static_cast<int>(std::size(kStandardni)) && kStandardni[i] >= 0)
            s.tlacitka.set(static_cast<size_t>(kStandardni[i]));
    }
    return s;
}

void Pad::Zavri::operator()(SDL_Joystick* j) const noexcept {
    // SDL_Quit has closed it already when the subsystem is gone.
    if (SDL_WasInit(SDL_INIT_JOYSTICK)) SDL_JoystickClose(j);
}

void Pad::nastav(const Nastaveni& n) {
    tlacitka = {{n.padSkok, SDLK_d},  {n.padBeh, SDLK_f},   {n.padUtok, SDLK_SPACE},
                {n.padZbran, SDLK_a}, {n.padPauza, SDLK_p}, {n.padOvladani, SDLK_F1}};
}

void Pad::otevri() {
#ifndef __EMSCRIPTEN__  // the page reads the browser's pads itself
    if (joystick || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
    if (SDL_NumJoysticks() > 0) joystick.reset(SDL_JoystickOpen(0));
    if (joystick) SDL_JoystickEventState(SDL_ENABLE);
#endif
}

void Pad::zavri() {
    joystick.reset();
}

void Pad::preloz(const SDL_Event& e, std::vector<SDL_Event>& klavesy) {
    StavPadu s = stav;
    switch (e.type) {
        case SDL_JOYAXISMOTION:
            if (e.jaxis.which != 0 || e.jaxis.axis > 1) return;
            (e.jaxis.axis ? s.osaY : s.osaX) = e.jaxis.value;
            break;
        case SDL_JOYHATMOTION:
            if (e.jhat.which != 0 || e.jhat.hat != 0) return;
            s.krizek = e.jhat.value;
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (e.jbutton.which != 0) return;
            s.tlacitka.set(e.jbutton.button, e.type == SDL_JOYBUTTONDOWN);
            break;
        default: return;
    }
    preloz(s, klavesy);
}

// An arrow is held while the stick or the D-pad holds it. Releases go first,
// so a stick swung from left to right lets go of Left before it presses Right.
void Pad::preloz(const StavPadu& s, std::vector<SDL_Event>& klavesy) {
    const bool chci[] = {s.osaX <= -kMrtvaZona || (s.krizek & SDL_HAT_LEFT),
                         s.osaX >= kMrtvaZona || (s.krizek & SDL_HAT_RIGHT),
                         s.osaY <= -kMrtvaZona || (s.krizek & SDL_HAT_UP),
                         s.osaY >= kMrtvaZona || (s.krizek & SDL_HAT_DOWN)};
    for (bool dolu : {false, true})
        for (int i = 0; i < 4; ++i)
            if (drzeno[i] != dolu && chci[i] == dolu) {
                drzeno[i] = dolu;
                klavesy.push_back(klavesa(kSipky[i], dolu));
            }
    for (const Tlacitko& t : tlacitka)
        if (t.cislo >= 0 && t.cislo < StavPadu::kTlacitek && s.tlacitka[t.cislo] != stav.tlacitka[t.cislo])
            klavesy.push_back(klavesa(t.klavesa, s.tlacitka[t.cislo]));
    stav = s;
}
