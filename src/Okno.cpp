// SPDX-License-Identifier: GPL-3.0-or-later
#include "Okno.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define GRONDELVIK_SSSE3 1
#endif

namespace {

#ifdef GRONDELVIK_SSSE3
// Any factor: four target pixels a shuffle of the four source pixels from
// the group's first, by the group's byte mask. SSSE3 is not in every x86-64
// processor, so it is asked for when the program runs.
__attribute__((target("ssse3"))) void rozsirMaskami(const Uint32* z, Uint32* d, const int* zaklady,
                                                    const std::array<Uint8, 16>* masky, size_t n) {
    for (size_t g = 0; g < n; ++g)
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(d + 4 * g),
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(z + zaklady[g])),
                             _mm_loadu_si128(reinterpret_cast<const __m128i*>(masky[g].data()))));
}
bool maSsse3() {
    static const bool ma = (__builtin_cpu_init(), __builtin_cpu_supports("ssse3"));
    return ma;
}
#endif

// One source row into one target row through the column map; a whole
// factor repeats each pixel.
template <class P>
void rozsir(const Uint8* z, Uint8* d, const std::vector<int>& sloupce, int nasobek) {
    const P* zdroj = reinterpret_cast<const P*>(z);
    P* cil = reinterpret_cast<P*>(d);
    const int w = static_cast<int>(sloupce.size());
    if (nasobek > 0)
        for (int x = 0; x < w / nasobek; ++x)
            for (int i = 0; i < nasobek; ++i) cil[nasobek * x + i] = zdroj[x];
    else
        for (int x = 0; x < w; ++x) cil[x] = zdroj[sloupce[x]];
}

}  // namespace

// The same for 32-bit pixels, four target pixels a store: at 2x and 3x
// four source pixels are shuffled into 8 or 12, otherwise picked by masks or
// gathered.
void Zvetsovac::rozsir32(const Uint8* z, Uint8* d) const {
    const Uint32* zdroj = reinterpret_cast<const Uint32*>(z);
    Uint32* cil = reinterpret_cast<Uint32*>(d);
    const int w = static_cast<int>(sloupce.size());
    int x = 0;
#ifdef GRONDELVIK_SSSE3
    if (!masky.empty() && maSsse3()) {
        rozsirMaskami(zdroj, cil, zaklady.data(), masky.data(), masky.size());
        x = 4 * static_cast<int>(masky.size());
    }
#endif
#ifdef __SSE2__
    const auto uloz = [&](int i, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(cil + i), v); };
    const auto nacti = [&](int i) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(zdroj + i)); };
    if (nasobek == 2) {
        for (; x + 8 <= w; x += 8) {
            const __m128i v = nacti(x / 2);
            uloz(x, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 1, 0, 0)));
            uloz(x + 4, _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 2, 2)));
        }
    } else if (nasobek == 3) {
        for (; x + 12 <= w; x += 12) {
            const __m128i v = nacti(x / 3);
            uloz(x, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 0, 0)));
            uloz(x + 4, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 2, 1, 1)));
            uloz(x + 8, _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 2)));
        }
    } else {
        for (; x + 4 <= w; x += 4)
            uloz(x, _mm_setr_epi32(
                        static_cast<int>(zdroj[sloupce[x]]), static_cast<int>(zdroj[sloupce[x + 1]]),
                        static_cast<int>(zdroj[sloupce[x + 2]]), static_cast<int>(zdroj[sloupce[x + 3]])));
    }
#endif
    for (; x < w; ++x) cil[x] = zdroj[sloupce[x]];
}

namespace {

void rozsir3(const Uint8* z, Uint8* d, const std::vector<int>& sloupce) {
    for (size_t x = 0; x < sloupce.size(); ++x) std::memcpy(d + 3 * x, z + 3 * sloupce[x], 3);
}

// An 800 x 600 surface of the screen's format, its palette too.
Obrazek novePlatno(const SDL_PixelFormat* f) {
    Obrazek p = novyObrazek(kSirkaHry, kVyskaHry, f);
    if (!p) throw "Nelze vytvorit obraz hry.";
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
    // Enlarged, the four source pixels of a group of four target pixels lie
    // within four from the group's first: its mask picks them, byte by byte.
    if (nasobek == 0 && cil.w >= sirka)
        for (int g = 0; 4 * g + 3 < cil.w && sloupce[4 * g] + 4 <= sirka; ++g) {
            zaklady.push_back(sloupce[4 * g]);
            std::array<Uint8, 16>& m = masky.emplace_back();
            for (int i = 0; i < 16; ++i)
                m[i] = static_cast<Uint8>(4 * (sloupce[4 * g + i / 4] - zaklady.back()) + i % 4);
        }
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
            case 4: rozsir32(z, d); break;
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
    const std::optional<Poloha> pred = poloha();
    const bool hotovo = rezim(meritko, cela);
    if (!hotovo) {
        if (cela)
            std::fprintf(stderr, "fullscreen cannot be set: %s\n", SDL_GetError());
        else
            std::fprintf(stderr, "the %dx window cannot be set: %s\n", meritko, SDL_GetError());
        if (!rezim(staryK, staraCela)) throw "Nelze obnovit okno hry.";
    }
    if (hotovo) umisti(pred, staraCela);
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
