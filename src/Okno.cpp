#include "Okno.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

// One source row into one target row: whole factors by plain repetition,
// any other through the column map.
template <class P>
void rozsir(const Uint8* z, Uint8* d, const std::vector<int>& sloupce, int nasobek) {
    const P* zdroj = reinterpret_cast<const P*>(z);
    P* cil = reinterpret_cast<P*>(d);
    const int w = static_cast<int>(sloupce.size());
    switch (nasobek) {
        case 1: std::memcpy(cil, zdroj, w * sizeof(P)); break;
        case 2:
            for (int x = 0; x < w / 2; ++x) cil[2 * x] = cil[2 * x + 1] = zdroj[x];
            break;
        case 3:
            for (int x = 0; x < w / 3; ++x) cil[3 * x] = cil[3 * x + 1] = cil[3 * x + 2] = zdroj[x];
            break;
        default:
            for (int x = 0; x < w; ++x) cil[x] = zdroj[sloupce[x]];
    }
}

void rozsir3(const Uint8* z, Uint8* d, const std::vector<int>& sloupce) {
    for (size_t x = 0; x < sloupce.size(); ++x) std::memcpy(d + 3 * x, z + 3 * sloupce[x], 3);
}

// An 800 x 600 surface of the screen's format, its palette too.
Obrazek novePlatno(const SDL_PixelFormat* f) {
    Obrazek p(SDL_CreateRGBSurface(SDL_SWSURFACE, kSirkaHry, kVyskaHry, f->BitsPerPixel, f->Rmask, f->Gmask,
                                   f->Bmask, f->Amask));
    if (!p) throw "Nelze vytvorit obraz hry.";
    if (f->palette) SDL_SetColors(p.get(), f->palette->colors, 0, f->palette->ncolors);
    return p;
}

// The largest rectangle of the game's shape on the screen, centred.
SDL_Rect obrazNa(const SDL_Surface* s) {
    int w = s->w, h = s->h;
    if (w * kVyskaHry <= h * kSirkaHry)
        h = w * kVyskaHry / kSirkaHry;
    else
        w = h * kSirkaHry / kVyskaHry;
    return SDL_Rect{static_cast<Sint16>((s->w - w) / 2), static_cast<Sint16>((s->h - h) / 2),
                    static_cast<Uint16>(w), static_cast<Uint16>(h)};
}

}  // namespace

Zvetsovac::Zvetsovac(int sirka, int vyska, SDL_Rect cil) : cil_(cil), sloupce(cil.w), radky(cil.h) {
    for (int x = 0; x < cil.w; ++x) sloupce[x] = x * sirka / cil.w;
    for (int y = 0; y < cil.h; ++y) radky[y] = y * vyska / cil.h;
    if (cil.w % sirka == 0 && cil.h % vyska == 0 && cil.w / sirka == cil.h / vyska) nasobek = cil.w / sirka;
}

void Zvetsovac::kresli(SDL_Surface* zdroj, SDL_Surface* kam) const {
    const int bpp = zdroj->format->BytesPerPixel;
    if (bpp != kam->format->BytesPerPixel || cil_.x < 0 || cil_.y < 0 || cil_.x + cil_.w > kam->w ||
        cil_.y + cil_.h > kam->h || sloupce.empty())
        return;
    if (SDL_MUSTLOCK(kam) && SDL_LockSurface(kam) < 0) return;
    const size_t delka = static_cast<size_t>(cil_.w) * bpp;
    int predchozi = -1;
    for (int y = 0; y < cil_.h; ++y) {
        Uint8* d = static_cast<Uint8*>(kam->pixels) + (cil_.y + y) * kam->pitch + cil_.x * bpp;
        if (radky[y] == predchozi) {
            std::memcpy(d, d - kam->pitch, delka);
            continue;
        }
        predchozi = radky[y];
        const Uint8* z = static_cast<const Uint8*>(zdroj->pixels) + predchozi * zdroj->pitch;
        switch (bpp) {
            case 1: rozsir<Uint8>(z, d, sloupce, nasobek); break;
            case 2: rozsir<Uint16>(z, d, sloupce, nasobek); break;
            case 4: rozsir<Uint32>(z, d, sloupce, nasobek); break;
            default: rozsir3(z, d, sloupce);
        }
    }
    if (SDL_MUSTLOCK(kam)) SDL_UnlockSurface(kam);
}

void Okno::zjistiPlochu() {
    if (const SDL_VideoInfo* i = SDL_GetVideoInfo()) nastavPlochu(i->current_w, i->current_h);
}

bool Okno::vejdeSe(int k) const {
    return plochaW <= 0 || plochaH <= 0 || (k * kSirkaHry <= plochaW && k * kVyskaHry <= plochaH);
}

int Okno::dalsiMeritko(int k) const {
    return k < 3 && vejdeSe(k + 1) ? k + 1 : 1;
}

SDL_Surface* Okno::otevri(int meritko, bool cela) {
    int k = std::clamp(meritko, 1, 3);
    while (k > 1 && !vejdeSe(k)) --k;
    meritko_ = k;
    if ((cela && rezim(k, true)) || rezim(k, false) || (k > 1 && rezim(1, false))) return hra();
    return nullptr;
}

bool Okno::nastav(int meritko, bool cela) {
    if (meritko == meritko_ && cela == cela_) return false;
    // The frame stays on the screen after the switch (a paused game draws
    // only its picture over it).
    Obrazek kopie(SDL_ConvertSurface(hra(), hra()->format, SDL_SWSURFACE));
    const int staryK = meritko_;
    const bool staraCela = cela_;
    const bool hotovo = rezim(meritko, cela);
    if (!hotovo) {
        std::fprintf(stderr, "%s %dx: %s\n", cela ? "fullscreen" : "the window", meritko, SDL_GetError());
        if (!rezim(staryK, staraCela)) throw "Nelze obnovit okno hry.";
    }
    if (kopie) SDL_BlitSurface(kopie.get(), nullptr, hra(), nullptr);
    return hotovo;
}

bool Okno::rezim(int meritko, bool cela) {
    int w = kSirkaHry * meritko, h = kVyskaHry * meritko;
    if (cela) {
        // The desktop's own size when SDL offers it, else its largest mode
        // that fits on the desktop.
        SDL_Rect** mody = SDL_ListModes(nullptr, SDL_FULLSCREEN);
        if (!mody) return false;
        const bool znama = plochaW > 0 && plochaH > 0;
        w = znama ? plochaW : kSirkaHry, h = znama ? plochaH : kVyskaHry;
        if (mody != reinterpret_cast<SDL_Rect**>(-1)) {
            const SDL_Rect* vybrany = mody[0];
            for (int i = 0; znama && mody[i]; ++i)
                if (mody[i]->w <= plochaW && mody[i]->h <= plochaH) {
                    vybrany = mody[i];
                    break;
                }
            w = vybrany->w, h = vybrany->h;
        }
    }
    SDL_Surface* s = SDL_SetVideoMode(w, h, 0, SDL_ANYFORMAT | (cela ? SDL_FULLSCREEN : 0));
    if (!s) {
        obrazovka = nullptr;
        platno.reset();
        return false;
    }
    obrazovka = s;
    meritko_ = meritko;
    cela_ = cela;
    const SDL_Rect cil = obrazNa(s);
    if (cil.w == kSirkaHry && cil.h == kVyskaHry && s->w == kSirkaHry && s->h == kVyskaHry) {
        platno.reset();
        zvetsovac_ = Zvetsovac();
    } else {
        platno = novePlatno(s->format);
        zvetsovac_ = Zvetsovac(kSirkaHry, kVyskaHry, cil);
        SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
    }
    return true;
}

void Okno::zavri() {
    platno.reset();
    zvetsovac_ = Zvetsovac();
    obrazovka = nullptr;
}

void Okno::ukaz() {
    if (platno) zvetsovac_.kresli(platno.get(), obrazovka);
    SDL_Flip(obrazovka);
}

void Okno::prevedMys(SDL_Event& e) const {
    if (!platno) return;
    if (e.type == SDL_MOUSEMOTION) {
        e.motion.x = static_cast<Uint16>(zvetsovac_.zdrojX(e.motion.x));
        e.motion.y = static_cast<Uint16>(zvetsovac_.zdrojY(e.motion.y));
    } else if (e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP) {
        e.button.x = static_cast<Uint16>(zvetsovac_.zdrojX(e.button.x));
        e.button.y = static_cast<Uint16>(zvetsovac_.zdrojY(e.button.y));
    }
}
