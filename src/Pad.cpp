// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pad.h"

namespace {

constexpr SDLKey kSipky[] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN};

SDL_Event klavesa(SDLKey k, bool dolu) {
    SDL_Event e{};
    e.type = e.key.type = dolu ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = dolu ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = k;
    return e;
}

}  // namespace

void Pad::Zavri::operator()(SDL_Joystick* j) const noexcept {
    // SDL_Quit has closed it already when the subsystem is gone.
    if (SDL_WasInit(SDL_INIT_JOYSTICK)) SDL_JoystickClose(j);
}

void Pad::nastav(const Nastaveni& n) {
    tlacitka = {{n.padSkok, SDLK_d},  {n.padBeh, SDLK_f},   {n.padUtok, SDLK_SPACE},
                {n.padZbran, SDLK_a}, {n.padPauza, SDLK_p}, {n.padOvladani, SDLK_F1}};
}

void Pad::otevri() {
    if (joystick || SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
    if (SDL_NumJoysticks() > 0) joystick.reset(SDL_JoystickOpen(0));
    if (joystick) SDL_JoystickEventState(SDL_ENABLE);
}

void Pad::zavri() {
    joystick.reset();
}

void Pad::preloz(const SDL_Event& e, std::vector<SDL_Event>& klavesy) {
    switch (e.type) {
        case SDL_JOYAXISMOTION:
            if (e.jaxis.which != 0 || e.jaxis.axis > 1) return;
            paka[e.jaxis.axis ? kNahoru : kVlevo] = e.jaxis.value <= -kMrtvaZona;
            paka[e.jaxis.axis ? kDolu : kVpravo] = e.jaxis.value >= kMrtvaZona;
            break;
        case SDL_JOYHATMOTION:
            if (e.jhat.which != 0 || e.jhat.hat != 0) return;
            krizek[kVlevo] = e.jhat.value & SDL_HAT_LEFT;
            krizek[kVpravo] = e.jhat.value & SDL_HAT_RIGHT;
            krizek[kNahoru] = e.jhat.value & SDL_HAT_UP;
            krizek[kDolu] = e.jhat.value & SDL_HAT_DOWN;
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            if (e.jbutton.which != 0) return;
            for (const Tlacitko& t : tlacitka)
                if (t.cislo == e.jbutton.button)
                    klavesy.push_back(klavesa(t.klavesa, e.type == SDL_JOYBUTTONDOWN));
            return;
        default: return;
    }
    srovnej(klavesy);
}

// An arrow is held while the stick or the D-pad holds it. Releases go first,
// so a stick swung from left to right lets go of Left before it presses Right.
void Pad::srovnej(std::vector<SDL_Event>& klavesy) {
    for (bool dolu : {false, true})
        for (int s = 0; s < kSmeru; ++s)
            if (drzeno[s] != dolu && (paka[s] || krizek[s]) == dolu) {
                drzeno[s] = dolu;
                klavesy.push_back(klavesa(kSipky[s], dolu));
            }
}
