// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's window lies on the X screen, and whether it has the
// keyboard. With a window manager that is its business; without one (a bare
// X server, a kiosk) SDL over SDL2 leaves a window that went fullscreen at
// its old corner, half off the screen, and neither library gives the window
// the keyboard, which then follows the pointer: the game does both itself.
#include "Okno.h"

// Last: X11's macros (None, Bool, Status) must not reach other headers.
#include <SDL_syswm.h>

namespace {

#if defined(SDL_VIDEO_DRIVER_X11)
// The game's top-level X window, when nobody else places it: SDL runs on X11,
// no window manager took the window in, and (fullscreen) the library has no
// window of its own at the screen's corner, as the classic one has.
struct OknoX {
    Display* displej = nullptr;
    Window okno = 0;
    void (*zamkni)() = nullptr;
    void (*odemkni)() = nullptr;
};

std::optional<OknoX> oknoX(bool cela) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    const auto& x = info.info.x11;
    if (cela && x.fswindow) return std::nullopt;
    OknoX o{x.display, x.wmwindow ? x.wmwindow : x.window, x.lock_func, x.unlock_func};
    if (!o.displej || !o.okno) return std::nullopt;
    o.zamkni();
    Window koren = 0, rodic = 0, *deti = nullptr;
    unsigned int pocet = 0;
    const bool ctu = XQueryTree(o.displej, o.okno, &koren, &rodic, &deti, &pocet) != 0;
    if (deti) XFree(deti);
    o.odemkni();
    // A window manager reparents the windows it manages into its frames.
    if (!ctu || rodic != koren) return std::nullopt;
    return o;
}
#endif

}  // namespace

std::optional<Poloha> Okno::poloha() const {
#if defined(SDL_VIDEO_DRIVER_X11)
    const std::optional<OknoX> o = oknoX(cela_);
    if (!o) return std::nullopt;
    o->zamkni();
    XWindowAttributes a;
    const bool ctu = XGetWindowAttributes(o->displej, o->okno, &a) != 0;
    o->odemkni();
    if (ctu) return Poloha{a.x, a.y};
#endif
    return std::nullopt;
}

void Okno::presun(Poloha p) const {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (const std::optional<OknoX> o = oknoX(cela_)) {
        o->zamkni();
        XMoveWindow(o->displej, o->okno, p.x, p.y);
        XSync(o->displej, False);
        o->odemkni();
    }
#else
    (void)p;
#endif
}

void Okno::zamer() const {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11) return;
    const auto& x = info.info.x11;
    // The classic library's fullscreen window is its own, unmanaged and
    // holding the keyboard grabbed; the game's window otherwise.
    const Window okno = cela_ && x.fswindow ? x.fswindow : x.wmwindow ? x.wmwindow : x.window;
    if (!x.display || !okno) return;
    x.lock_func();
    Window koren = 0, rodic = 0, *deti = nullptr;
    unsigned int pocet = 0;
    XWindowAttributes a;
    // A window manager reparents the windows it manages and gives the focus
    // itself; a window not shown cannot take it (X would refuse it as an error).
    const bool sam = XQueryTree(x.display, okno, &koren, &rodic, &deti, &pocet) != 0 && rodic == koren &&
                     XGetWindowAttributes(x.display, okno, &a) != 0 && a.map_state == IsViewable;
    if (deti) XFree(deti);
    if (sam) {
        XSetInputFocus(x.display, okno, RevertToParent, CurrentTime);
        XSync(x.display, False);
    }
    x.unlock_func();
#endif
}

Poloha naPlose(Poloha p, int sirka, int vyska, int plochaW, int plochaH) {
    if (plochaW <= 0 || plochaH <= 0) return p;
    return {std::clamp(p.x, 0, std::max(0, plochaW - sirka)),
            std::clamp(p.y, 0, std::max(0, plochaH - vyska))};
}

void Okno::umisti(std::optional<Poloha> pred, bool bylaCela) {
    const std::optional<Poloha> ted = poloha();
    if (!ted || !obrazovka) return;
    Poloha cil{};  // fullscreen: the screen's corner
    if (!cela_) {
        // Back where the window was before fullscreen, and wholly on the desktop.
        cil = naPlose(bylaCela && navrat ? *navrat : *ted, obrazovka->w, obrazovka->h, plochaW, plochaH);
        navrat.reset();
    } else if (!bylaCela) {
        navrat = pred;
    }
    if (!(cil == *ted)) presun(cil);
}
