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

// One byte of each of two pixels, the second with weight w of 64, rounded.
inline Uint32 smichej(Uint32 a, Uint32 b, int w) {
    Uint32 v = 0;
    for (int i = 0; i < 32; i += 8) {
        const int x = static_cast<int>((a >> i) & 0xFF), y = static_cast<int>((b >> i) & 0xFF);
        v |= static_cast<Uint32>((x * (Zvetsovac::kCela - w) + y * w + Zvetsovac::kCela / 2) /
                                 Zvetsovac::kCela)
             << i;
    }
    return v;
}

// Two rows blended byte by byte, the second with weight w of 64.
void smichejRadky(const Uint8* a, const Uint8* b, Uint8* d, size_t bajtu, int w, size_t od = 0) {
    for (size_t i = od; i < bajtu; ++i) d[i] = static_cast<Uint8>((a[i] * (64 - w) + b[i] * w + 32) >> 6);
}

#ifdef GRONDELVIK_SSSE3
// SSSE3 is not in every x86-64 processor, so it is asked for when the program runs.
bool maSsse3() {
    static const bool ma = (__builtin_cpu_init(), __builtin_cpu_supports("ssse3"));
    return ma;
}
bool maAvx2() {
    static const bool ma = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));
    return ma;
}

// Two target pixels: the bytes of their source pixels and of the next ones
// shuffled into pairs, each pair weighted and summed in one step.
__attribute__((target("ssse3"))) inline __m128i ostraDvojice(const Uint32* z, int zaklad, const Uint8* maska,
                                                             const Uint8* vahy) {
    const __m128i v = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(z + zaklad)),
                                       _mm_loadu_si128(reinterpret_cast<const __m128i*>(maska)));
    const __m128i s = _mm_maddubs_epi16(v, _mm_loadu_si128(reinterpret_cast<const __m128i*>(vahy)));
    return _mm_srli_epi16(_mm_add_epi16(s, _mm_set1_epi16(32)), 6);
}

// Eight target pixels a round, their four pairs kept in the order 0, 2, 1, 3.
__attribute__((target("ssse3"))) void ostreMaskami(const Uint32* z, Uint32* d, const int* zaklady,
                                                   const std::array<Uint8, 16>* masky,
                                                   const std::array<Uint8, 16>* vahy, size_t ctveric) {
    for (size_t p = 0; p < 4 * ctveric; p += 4, d += 8) {
        const __m128i a = ostraDvojice(z, zaklady[p], masky[p].data(), vahy[p].data());
        const __m128i b = ostraDvojice(z, zaklady[p + 1], masky[p + 1].data(), vahy[p + 1].data());
        const __m128i c = ostraDvojice(z, zaklady[p + 2], masky[p + 2].data(), vahy[p + 2].data());
        const __m128i e = ostraDvojice(z, zaklady[p + 3], masky[p + 3].data(), vahy[p + 3].data());
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_packus_epi16(a, c));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 4), _mm_packus_epi16(b, e));
    }
}

// The same, two pairs an instruction: pairs 0 and 2 in one register's
// halves, 1 and 3 in the other's, which packing puts in order.
__attribute__((target("avx2"))) inline __m256i ostrePulky(const Uint32* z, const int* zaklady,
                                                          const Uint8* maska, const Uint8* vahy) {
    const __m256i v = _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(z + zaklady[0]))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + zaklady[1])), 1);
    const __m256i s = _mm256_maddubs_epi16(
        _mm256_shuffle_epi8(v, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(maska))),
        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(vahy)));
    return _mm256_srli_epi16(_mm256_add_epi16(s, _mm256_set1_epi16(32)), 6);
}

__attribute__((target("avx2"))) void ostreMaskamiAvx2(const Uint32* z, Uint32* d, const int* zaklady,
                                                      const std::array<Uint8, 16>* masky,
                                                      const std::array<Uint8, 16>* vahy, size_t ctveric) {
    for (size_t p = 0; p < 4 * ctveric; p += 4, d += 8)
        _mm256_storeu_si256(
            reinterpret_cast<__m256i*>(d),
            _mm256_packus_epi16(ostrePulky(z, zaklady + p, masky[p].data(), vahy[p].data()),
                                ostrePulky(z, zaklady + p + 2, masky[p + 2].data(), vahy[p + 2].data())));
}

// Half-and-half blends: four source pixels and their averages with the next
// ones in one register, the group's target pixels picked from it.
__attribute__((target("avx2"))) void pulkyAvx2(const Uint32* z, Uint32* d, const int* zaklady,
                                               const std::array<Uint32, 8>* vybery, const Uint8* pocty,
                                               size_t skupin) {
    for (size_t g = 0; g < skupin; d += pocty[g], ++g) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + zaklady[g]));
        const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(z + zaklady[g] + 1));
        const __m256i obe = _mm256_inserti128_si256(_mm256_castsi128_si256(v), _mm_avg_epu8(v, w), 1);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d),
                            _mm256_permutevar8x32_epi32(
                                obe, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(vybery[g].data()))));
    }
}

__attribute__((target("avx2"))) size_t smichejRadkyAvx2(const Uint8* a, const Uint8* b, Uint8* d,
                                                        size_t bajtu, int w) {
    const __m256i vahy = _mm256_set1_epi16(static_cast<short>((w << 8) | (64 - w)));
    const __m256i pul = _mm256_set1_epi16(32);
    size_t i = 0;
    // Half and half (every blended row at 1.5x and 2.5x) is the bytes'
    // rounded average, one instruction.
    if (w == Zvetsovac::kCela / 2) {
        for (; i + 32 <= bajtu; i += 32)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i),
                                _mm256_avg_epu8(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i)),
                                                _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i))));
        return i;
    }
    for (; i + 32 <= bajtu; i += 32) {
        const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + i));
        const __m256i y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b + i));
        const __m256i lo = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpacklo_epi8(x, y), vahy), pul), 6);
        const __m256i hi = _mm256_srli_epi16(
            _mm256_add_epi16(_mm256_maddubs_epi16(_mm256_unpackhi_epi8(x, y), vahy), pul), 6);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_packus_epi16(lo, hi));
    }
    return i;
}

__attribute__((target("ssse3"))) void smichejRadkySsse3(const Uint8* a, const Uint8* b, Uint8* d,
                                                        size_t bajtu, int w) {
    const __m128i vahy = _mm_set1_epi16(static_cast<short>((w << 8) | (64 - w)));
    const __m128i pul = _mm_set1_epi16(32);
    size_t i = 0;
    for (; i + 16 <= bajtu; i += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
        const __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
        const __m128i lo =
            _mm_srli_epi16(_mm_add_epi16(_mm_maddubs_epi16(_mm_unpacklo_epi8(x, y), vahy), pul), 6);
        const __m128i hi =
            _mm_srli_epi16(_mm_add_epi16(_mm_maddubs_epi16(_mm_unpackhi_epi8(x, y), vahy), pul), 6);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_packus_epi16(lo, hi));
    }
    smichejRadky(a, b, d, bajtu, w, i);
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
// four source pixels are shuffled into 8 or 12, otherwise gathered.
void Zvetsovac::rozsir32(const Uint8* z, Uint8* d) const {
    const Uint32* zdroj = reinterpret_cast<const Uint32*>(z);
    Uint32* cil = reinterpret_cast<Uint32*>(d);
    const int w = static_cast<int>(sloupce.size());
    int x = 0;
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

// Repeating by a whole factor and reducing by area is the same as covering
// each target pixel's footprint on the source: target pixel x spans source
// [x * zdroj / cil, (x + 1) * zdroj / cil), at most one source pixel wide, so
// it shows at most two of them.
Zvetsovac::Osa Zvetsovac::ostraOsa(int zdroj, int cil) {
    Osa o;
    for (int x = 0; x < cil; ++x) {
        const int od = x * zdroj / cil;
        const int pres = (x + 1) * zdroj - (od + 1) * cil;  // the next pixel's share, times cil
        o.od.push_back(od);
        o.vaha.push_back(static_cast<Uint8>(pres > 0 ? (2 * kCela * pres + zdroj) / (2 * zdroj) : 0));
    }
    return o;
}

Zvetsovac::Zvetsovac(int sirka, int vyska, SDL_Rect cil) : cil_(cil), sloupce(cil.w), radky(cil.h) {
    for (int x = 0; x < cil.w; ++x) sloupce[x] = x * sirka / cil.w;
    for (int y = 0; y < cil.h; ++y) radky[y] = y * vyska / cil.h;
    if (cil.w % sirka == 0 && cil.h % vyska == 0 && cil.w / sirka == cil.h / vyska) nasobek = cil.w / sirka;
    ostry = nasobek == 0 && cil.w >= sirka && cil.h >= vyska;
    if (!ostry) return;
    osaX = ostraOsa(sirka, cil.w);
    osaY = ostraOsa(vyska, cil.h);
    // The pointer: the pixel under the target pixel's middle.
    for (int x = 0; x < cil.w; ++x) sloupce[x] = (2 * x + 1) * sirka / (2 * cil.w);
    for (int y = 0; y < cil.h; ++y) radky[y] = (2 * y + 1) * vyska / (2 * cil.h);
    cistyRadek.assign(static_cast<size_t>(vyska), -1);
    for (int y = cil.h - 1; y >= 0; --y)
        if (osaY.vaha[y] == 0) cistyRadek[osaY.od[y]] = y;
    // Two target pixels draw on at most three source pixels from the
    // first's; the last ones, whose four would run past the row, go one by one.
    for (int x = 0; x + 1 < cil.w && osaX.od[x] + 4 <= sirka; x += 2) {
        const int z = osaX.od[x];
        zaklady.push_back(z);
        std::array<Uint8, 16>& m = masky.emplace_back();
        std::array<Uint8, 16>& v = vahy.emplace_back();
        for (int i = 0; i < 2; ++i) {
            const int w = osaX.vaha[x + i], p = osaX.od[x + i] - z;
            for (int b = 0; b < 4; ++b) {
                m[8 * i + 2 * b] = static_cast<Uint8>(4 * p + b);
                m[8 * i + 2 * b + 1] = static_cast<Uint8>(4 * (w ? p + 1 : p) + b);
                v[8 * i + 2 * b] = static_cast<Uint8>(kCela - w);
                v[8 * i + 2 * b + 1] = static_cast<Uint8>(w);
            }
        }
    }
    // Whole rounds of four pairs, kept in the order 0, 2, 1, 3.
    const size_t n = zaklady.size() / 4 * 4;
    zaklady.resize(n), masky.resize(n), vahy.resize(n);
    for (size_t p = 0; p < n; p += 4) {
        std::swap(zaklady[p + 1], zaklady[p + 2]);
        std::swap(masky[p + 1], masky[p + 2]);
        std::swap(vahy[p + 1], vahy[p + 2]);
    }
    // A group stores eight pixels, the next one overwriting what its own
    // did not fill; it reads its first source pixel and the four after it.
    if (std::any_of(osaX.vaha.begin(), osaX.vaha.end(), [](Uint8 v) { return v != 0 && v != kCela / 2; }))
        return;
    for (int x = 0; x + 8 <= cil.w && osaX.od[x] + 5 <= sirka;) {
        const int z = osaX.od[x];
        std::array<Uint32, 8>& vyber = vyberyPulek.emplace_back();
        int i = 0;
        for (; i < 8 && osaX.od[x + i] - z <= 3; ++i)
            vyber[i] = static_cast<Uint32>(osaX.od[x + i] - z + (osaX.vaha[x + i] ? 4 : 0));
        for (int k = i; k < 8; ++k) vyber[k] = 0;
        zakladyPulek.push_back(z);
        pocetPulek.push_back(static_cast<Uint8>(i));
        x += i;
    }
}

// One source row widened sharply into a target row.
void Zvetsovac::ostryRadek(const Uint8* z, Uint8* d, const SDL_PixelFormat* f) const {
    const int w = cil_.w;
    if (f->BytesPerPixel == 4) {
        const Uint32* zdroj = reinterpret_cast<const Uint32*>(z);
        Uint32* cil = reinterpret_cast<Uint32*>(d);
        int x = 0;
#ifdef GRONDELVIK_SSSE3
        if (maAvx2() && !zakladyPulek.empty()) {
            pulkyAvx2(zdroj, cil, zakladyPulek.data(), vyberyPulek.data(), pocetPulek.data(),
                      zakladyPulek.size());
            for (Uint8 p : pocetPulek) x += p;
        } else if (maAvx2() || maSsse3()) {
            if (maAvx2())
                ostreMaskamiAvx2(zdroj, cil, zaklady.data(), masky.data(), vahy.data(), zaklady.size() / 4);
            else
                ostreMaskami(zdroj, cil, zaklady.data(), masky.data(), vahy.data(), zaklady.size() / 4);
            x = 2 * static_cast<int>(zaklady.size());
        }
#endif
        for (; x < w; ++x) {
            const int j = osaX.od[x], v = osaX.vaha[x];
            cil[x] = v ? smichej(zdroj[j], zdroj[j + 1], v) : zdroj[j];
        }
        return;
    }
    // Other depths through their colours, a pixel at a time.
    const int bpp = f->BytesPerPixel;
    const auto cti = [&](int j) {
        Uint32 p = 0;
        std::memcpy(&p, z + j * bpp, bpp);  // little-endian
        Uint8 r, g, b;
        SDL_GetRGB(p, f, &r, &g, &b);
        return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
    };
    for (int x = 0; x < w; ++x) {
        const int j = osaX.od[x], v = osaX.vaha[x];
        const Uint32 c = v ? smichej(cti(j), cti(j + 1), v) : cti(j);
        const Uint32 p = SDL_MapRGB(f, Uint8(c >> 16), Uint8(c >> 8), Uint8(c));
        std::memcpy(d + x * bpp, &p, bpp);
    }
}

// Each source row is widened once: into the first target row that shows it
// alone, else aside; the target rows between two source rows blend them.
void Zvetsovac::ostre(SDL_Surface* zdroj, SDL_Surface* kam) const {
    const SDL_PixelFormat* f = kam->format;
    const int bpp = f->BytesPerPixel;
    const size_t delka = static_cast<size_t>(cil_.w) * bpp;
    const auto radek = [&](int y) {
        return static_cast<Uint8*>(kam->pixels) + (cil_.y + y) * kam->pitch + cil_.x * bpp;
    };
    const bool paleta = bpp == 1;
    if (mezi.size() < 2 * delka) mezi.resize(2 * delka);
    int hotove[2] = {-1, -1};
    const Uint8* kde[2] = {nullptr, nullptr};
    const auto siroky = [&](int j) -> const Uint8* {
        for (int i = 0; i < 2; ++i)
            if (hotove[i] == j) return kde[i];
        const int i = hotove[0] < hotove[1] ? 0 : 1;  // the older one goes
        Uint8* d = cistyRadek[j] >= 0 ? radek(cistyRadek[j]) : mezi.data() + i * delka;
        ostryRadek(static_cast<const Uint8*>(zdroj->pixels) + j * zdroj->pitch, d, f);
        hotove[i] = j, kde[i] = d;
        return d;
    };
    for (int y = 0; y < cil_.h; ++y) {
        const int j = osaY.od[y], v = osaY.vaha[y];
        Uint8* d = radek(y);
        const Uint8* a = siroky(j);
        if (v == 0 || paleta) {
            if (a != d) std::memcpy(d, a, delka);
            continue;
        }
        const Uint8* b = siroky(j + 1);
        if (bpp == 4) {
#ifdef GRONDELVIK_SSSE3
            if (maAvx2()) {
                smichejRadky(a, b, d, delka, v, smichejRadkyAvx2(a, b, d, delka, v));
                continue;
            }
            if (maSsse3()) {
                smichejRadkySsse3(a, b, d, delka, v);
                continue;
            }
#endif
            smichejRadky(a, b, d, delka, v);
            continue;
        }
        for (int x = 0; x < cil_.w; ++x) {
            Uint32 p = 0, q = 0;
            std::memcpy(&p, a + x * bpp, bpp);
            std::memcpy(&q, b + x * bpp, bpp);
            Uint8 r1, g1, b1, r2, g2, b2;
            SDL_GetRGB(p, f, &r1, &g1, &b1);
            SDL_GetRGB(q, f, &r2, &g2, &b2);
            const Uint32 c = smichej((Uint32(r1) << 16) | (Uint32(g1) << 8) | b1,
                                     (Uint32(r2) << 16) | (Uint32(g2) << 8) | b2, v);
            const Uint32 s = SDL_MapRGB(f, Uint8(c >> 16), Uint8(c >> 8), Uint8(c));
            std::memcpy(d + x * bpp, &s, bpp);
        }
    }
}

void Zvetsovac::kresli(SDL_Surface* zdroj, SDL_Surface* kam) const {
    const int bpp = zdroj->format->BytesPerPixel;
    if (bpp != kam->format->BytesPerPixel || cil_.x < 0 || cil_.y < 0 || cil_.x + cil_.w > kam->w ||
        cil_.y + cil_.h > kam->h || sloupce.empty())
        return;
    if (SDL_MUSTLOCK(kam) && SDL_LockSurface(kam) < 0) return;
    if (ostry) {
        ostre(zdroj, kam);
        if (SDL_MUSTLOCK(kam)) SDL_UnlockSurface(kam);
        return;
    }
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

bool Okno::vejdeSe(int p) const {
    return plochaW <= 0 || plochaH <= 0 || (p * kSirkaHry <= 2 * plochaW && p * kVyskaHry <= 2 * plochaH);
}

int Okno::dalsiPoloviny(int p) const {
    return p < kNejvetsi && vejdeSe(p + 1) ? p + 1 : kNejmensi;
}

SDL_Surface* Okno::otevri(int poloviny, bool cela) {
    int p = std::clamp(poloviny, kNejmensi, kNejvetsi);
    while (p > kNejmensi && !vejdeSe(p)) --p;
    poloviny_ = p;
    if ((cela && rezim(p, true)) || rezim(p, false) || (p > kNejmensi && rezim(kNejmensi, false)))
        return hra();
    return nullptr;
}

bool Okno::nastav(int poloviny, bool cela) {
    if (poloviny == poloviny_ && cela == cela_) return false;
    // The frame stays on the screen after the switch (a paused game draws
    // only its picture over it).
    Obrazek kopie(SDL_ConvertSurface(hra(), hra()->format, SDL_SWSURFACE));
    const int stare = poloviny_;
    const bool staraCela = cela_;
    const std::optional<Poloha> pred = poloha();
    const bool hotovo = rezim(poloviny, cela);
    if (!hotovo) {
        if (cela)
            std::fprintf(stderr, "fullscreen cannot be set: %s\n", SDL_GetError());
        else
            std::fprintf(stderr, "the %gx window cannot be set: %s\n", poloviny / 2.0, SDL_GetError());
        if (!rezim(stare, staraCela)) throw "Nelze obnovit okno hry.";
    }
    if (hotovo) umisti(pred, staraCela);
    if (kopie) SDL_BlitSurface(kopie.get(), nullptr, hra(), nullptr);
    return hotovo;
}

bool Okno::rezim(int poloviny, bool cela) {
    int w = kSirkaHry * poloviny / 2, h = kVyskaHry * poloviny / 2;
    if (cela) {
        // The desktop's own size when SDL offers it, else its largest mode
        // that fits on the desktop.
        SDL_Rect** mody = video.mody(nullptr, SDL_FULLSCREEN);
        if (!mody) return false;
        const bool znama = plochaW > 0 && plochaH > 0;
        w = znama ? plochaW : kSirkaHry, h = znama ? plochaH : kVyskaHry;
        if (mody != reinterpret_cast<SDL_Rect**>(-1)) {
            const SDL_Rect* vybrany = nullptr;
            for (int i = 0; mody[i]; ++i)
                if ((!znama || (mody[i]->w <= plochaW && mody[i]->h <= plochaH)) &&
                    (!vybrany || mody[i]->w * mody[i]->h > vybrany->w * vybrany->h))
                    vybrany = mody[i];
            if (!vybrany) vybrany = mody[0];
            if (!vybrany) return false;
            w = vybrany->w, h = vybrany->h;
        }
    }
    SDL_Surface* s = video.rezim(w, h, 0, SDL_ANYFORMAT | (cela ? SDL_FULLSCREEN : 0));
    if (!s) {
        obrazovka = nullptr;
        platno.reset();
        return false;
    }
    obrazovka = s;
    poloviny_ = poloviny;
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
    zamer();
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
