// SPDX-License-Identifier: GPL-3.0-or-later
// The world: tiles and backgrounds of the three levels, items, HUD and hit
// markers.
#include <algorithm>
#include <cmath>
#include <functional>

#include "kreslic.h"

namespace {

double smooth(double a, double b, double x) {
    double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Per-pixel painter in design coordinates (the large picture's pixels).
using Vzor = std::function<Barva(double X, double Y)>;

void malujVzor(Platno& p, double s, const Vzor& f) {
    for (int y = 0; y < p.h(); ++y)
        for (int x = 0; x < p.w(); ++x) p.bod(x, y, f((x + 0.5) / s, (y + 0.5) / s));
}

// Tints covered pixels towards a colour, strength by a design-space function.
void tonuj(Platno& p, double s, Barva c, const std::function<double(double X, double Y)>& sila) {
    for (int y = 0; y < p.h(); ++y)
        for (int x = 0; x < p.w(); ++x) {
            double k = sila((x + 0.5) / s, (y + 0.5) / s);
            if (k > 0) p.bod(x, y, smichej(p.barva(x, y), c, k));
        }
}

double vzdal(double X, double Y, Bod c) {
    return std::hypot(X - c.x, Y - c.y);
}

// A tile or background at both scales: large size n, small 2/3 of it.
void dlazdice(std::vector<Obrazek>& out, const std::string& jmeno, int n,
              const std::function<void(Platno&, const Pero&)>& kresli) {
    for (int maly = 0; maly < 2; ++maly) {
        int w = maly ? n * 2 / 3 : n;
        Platno p(w, w);
        double s = double(w) / n;
        kresli(p, Pero{&p, s, s});
        out.push_back({jmeno + (maly ? "m" : "") + ".bmp", p, false});
    }
}

// Every background keeps a band along its edges untouched by decorations,
// so the periodic base alone decides how cells meet.
constexpr double OKRAJ = 16;

// ---------------------------------------------------------------- castle

Barva hradCihly(double X, double Y) {
    int ix = int(X), iy = int(Y);
    int rada = iy / 30, ly = iy % 30;
    int xx = (ix + (rada % 2) * 30) % 300, cihla = xx / 60, lx = xx % 60;
    double sum = nahoda(ix, iy, 7) - 0.5;
    if (lx < 3 || ly < 3) return Barva{32, 30, 38}.plus(int(sum * 6));
    Barva c = smichej({58, 58, 72}, {68, 61, 62}, nahoda(cihla, rada, 3))
                  .krat(0.93 + 0.12 * nahoda(cihla, rada, 4));
    if (ly < 5 || lx < 5)
        c = c.krat(1.14);
    else if (ly >= 28 || lx >= 58)
        c = c.krat(0.82);
    if (nahoda(ix / 2, iy / 2, 9) < 0.08) c = c.krat(0.9);
    return c.plus(int(sum * 7));
}

void hradPrasklina(const Pero& P, Bod a, int seed) {
    Bod b = a;
    for (int i = 0; i < 7; ++i) {
        Bod c = b + Bod{3 + 3 * nahoda(i, seed, 1), (nahoda(i, seed, 2) - 0.4) * 6};
        P.cara(b, c, {26, 24, 30});
        b = c;
    }
}

void hradPlain(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, hradCihly);
    hradPrasklina(P, {96, 124}, 1);
    hradPrasklina(P, {186, 188}, 2);
    hradPrasklina(P, {140, 64}, 3);
    // Damp moss creeping along a mortar line.
    for (int y = 0; y < p.h(); ++y)
        for (int x = 0; x < p.w(); ++x) {
            double X = (x + 0.5) / s, Y = (y + 0.5) / s;
            int sl = int(X) / 3;
            double vyska =
                (X > 60 && X < 180) ? (4 + 9 * nahoda(sl, 0, 5)) * std::sin((X - 60) / 120 * M_PI) : 0;
            double dy = Y - 211.5;
            if (std::abs(dy) < vyska * (dy < 0 ? 0.5 : 1.0) && nahoda(int(X), int(Y), 6) < 0.8)
                p.bod(x, y, nahoda(int(X) / 2, int(Y) / 2, 7) < 0.5 ? Barva{56, 84, 46} : Barva{72, 104, 56});
        }
}

void hradPochoden(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, hradCihly);
    const Bod plamen{150, 118};
    tonuj(p, s, {255, 158, 60}, [&](double X, double Y) {
        double d = vzdal(X, Y, plamen) / 100;
        return d < 1 ? 0.42 * (1 - d) * (1 - d) : 0.0;
    });
    // Iron bracket and the torch.
    dil(P, [&](const Pero& q) {
        q.obdelnik({142, 150}, {158, 170}, {54, 52, 58});
        q.kapsle({150, 160}, {150, 146}, 2.5, {54, 52, 58});
    });
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{145, 126}, {155, 126}, {152, 158}, {148, 158}}, {110, 70, 40});
        q.obdelnik({144, 124}, {156, 130}, {70, 64, 60});
    });
    dil(P,
        [&](const Pero& q) {
            q.elipsa({150, 114}, 8, 13, {240, 110, 36});
            q.mnohouhelnik({{143, 112}, {150, 92}, {157, 112}}, {240, 110, 36});
        },
        {.stin = false, .barvaObrysu = {90, 40, 20}});
    P.elipsa({150, 117}, 5, 8, {252, 196, 70});
    P.mnohouhelnik({{146.5, 114}, {150.5, 100}, {153.5, 114}}, {252, 196, 70});
    P.elipsa({150, 120}, 2.5, 4, {255, 244, 200});
    for (int i = 0; i < 4; ++i) P.bod({140.0 + 7 * i, 86.0 - 6 * (i % 2) - i}, {255, 210, 110});
}

void hradOkno(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, hradCihly);
    const double x0 = 116, x1 = 184, yv = 118, y1 = 200, r = 34;
    // Stone surround.
    dil(P,
        [&](const Pero& q) {
            q.elipsa({150, yv}, r + 9, r + 9, {92, 90, 100});
            q.obdelnik({x0 - 9, yv}, {x1 + 9, y1 + 8}, {92, 90, 100});
        },
        {.svetlo = 1.18, .tma = 0.75, .barvaObrysu = {22, 20, 28}});
    // Voussoir joints.
    for (int i = 0; i <= 8; ++i) {
        Bod d = smer(180.0 * i / 8);
        P.cara(Bod{150, yv} + d * r, Bod{150, yv} + d * (r + 9), {54, 52, 62});
    }
    for (int y = 135; y < 200; y += 22) {
        P.cara({x0 - 9, double(y)}, {x0, double(y)}, {54, 52, 62});
        P.cara({x1, double(y)}, {x1 + 9, double(y)}, {54, 52, 62});
    }
    // The night outside.
    Platno nebe(p.w(), p.h());
    Pero N = P.na(nebe);
    N.elipsa({150, yv}, r, r, {1, 1, 1});
    N.obdelnik({x0, yv}, {x1, y1}, {1, 1, 1});
    nebe.prebarvi([&](int x, int y, Barva) {
        double Y = (y + 0.5) / s;
        Barva c = smichej({22, 30, 74}, {54, 70, 126}, (Y - 84) / 116);
        if (nahoda(x, y, 11) < 0.025) c = {200, 210, 235};
        return c;
    });
    N.elipsa({166, 108}, 11, 11, {236, 236, 214});
    N.elipsa({161, 104}, 11, 11, smichej({22, 30, 74}, {54, 70, 126}, 0.2));
    p.prekryj(nebe);
    // Bars and the sill.
    dil(P,
        [&](const Pero& q) {
            for (double x : {139.0, 161.0}) q.obdelnik({x - 1.5, yv - r + 2}, {x + 1.5, y1}, {40, 38, 44});
            q.obdelnik({x0, 150}, {x1, 153}, {40, 38, 44});
        },
        {.svetlo = 1.5, .tma = 0.8});
    dil(P, [&](const Pero& q) { q.obdelnik({x0 - 14, y1}, {x1 + 14, y1 + 10}, {104, 100, 108}); });
    // Moonlight on the wall below.
    tonuj(p, s, {120, 140, 190}, [&](double X, double Y) {
        return Y > y1 + 12 && Y < 272 && std::abs(X - 150) < 56 - (Y - y1) * 0.2
                   ? 0.16 * (1 - (Y - y1 - 12) / 60)
                   : 0.0;
    });
}

Barva cihlaDlazdice(double X, double Y) {
    int ix = int(X), iy = int(Y);
    int rada = iy / 15, ly = iy % 15;
    int xx = (ix + (rada % 2) * 15) % 30, lx = xx, cihla = (ix + (rada % 2) * 15) / 30;
    double sum = nahoda(ix, iy, 21) - 0.5;
    if (lx < 2 || ly < 2) return Barva{66, 58, 54}.plus(int(sum * 8));
    Barva c = Barva{172, 160, 138}.krat(0.92 + 0.16 * nahoda(cihla % 2, rada, 22));
    if (ly < 4 || lx < 4)
        c = Barva{218, 208, 186};
    else if (ly >= 13 || lx >= 28)
        c = Barva{112, 102, 92};
    if (nahoda(ix, iy, 23) < 0.07) c = c.krat(0.84);
    return c.plus(int(sum * 10));
}

// ---------------------------------------------------------------- outdoors

const Barva OBLOHA{124, 180, 230};

Barva venkuZaklad(double X, double Y) {
    return OBLOHA.plus(int((nahoda(int(X) / 2, int(Y) / 2, 31) - 0.5) * 5));
}

void mrak(Platno& p, const Pero& P, Bod c, double k) {
    Platno v(p.w(), p.h());
    Pero q = P.na(v);
    const Barva bila{242, 247, 252};
    q.elipsa(c + Bod{-22, 4} * k, 16 * k, 11 * k, bila);
    q.elipsa(c + Bod{0, -6} * k, 20 * k, 17 * k, bila);
    q.elipsa(c + Bod{20, 0} * k, 16 * k, 13 * k, bila);
    q.elipsa(c + Bod{36, 6} * k, 11 * k, 8 * k, bila);
    q.obdelnik(c + Bod{-28, 4} * k, c + Bod{40, 14} * k, bila);
    double s = P.sx, spodek = c.y + 6 * k;
    v.prebarvi([&](int x, int y, Barva b) {
        double Y = (y + 0.5) / s;
        if (!v.plny(x, y + 1)) return Barva{178, 202, 228};
        if (Y > spodek) return Barva{206, 222, 240};
        if (!v.plny(x, y - 1) || !v.plny(x - 1, y)) return Barva{250, 252, 254};
        (void)x;
        return b;
    });
    p.prekryj(v);
}

// A floating island; mlha blends it towards the sky to push it back.
void ostrov(Platno& p, const Pero& P, Bod c, double k, double mlha, bool strom) {
    Platno v(p.w(), p.h());
    Pero q = P.na(v);
    auto b = [&](double x, double y) { return c + Bod{x, y} * k; };
    dil(q,
        [&](const Pero& r) {
            r.mnohouhelnik({b(-64, 0), b(64, 0), b(52, 14), b(30, 22), b(18, 40), b(6, 48), b(-4, 62),
                            b(-12, 44), b(-28, 30), b(-50, 16)},
                           {130, 92, 60});
        },
        {.barvaObrysu = {70, 62, 70}});
    for (int i = 0; i < 6; ++i) {
        Bod s = b(-40 + 16 * i, 10 + 12 * nahoda(i, int(k * 10), 41));
        q.elipsa(s, 4 * k, 3 * k, {150, 140, 130});
    }
    dil(q,
        [&](const Pero& r) {
            r.elipsa(b(0, 0), 66 * k, 9 * k, {96, 170, 70});
        },
        {.barvaObrysu = {50, 80, 50}});
    if (strom) {
        dil(q,
            [&](const Pero& r) {
                r.mnohouhelnik({b(-4, 0), b(-2, -30), b(3, -30), b(6, 0)}, {110, 74, 46});
            },
            {.barvaObrysu = {60, 50, 50}});
        dil(q,
            [&](const Pero& r) {
                r.elipsa(b(0, -42), 22 * k, 18 * k, {64, 140, 60});
                r.elipsa(b(-14, -32), 13 * k, 11 * k, {64, 140, 60});
                r.elipsa(b(14, -30), 14 * k, 11 * k, {64, 140, 60});
            },
            {.svetlo = 1.25, .tma = 0.78, .barvaObrysu = {40, 72, 44}});
        for (int i = 0; i < 5; ++i)
            q.elipsa(b(-12 + 7 * i, -48 + 6 * (i % 2)), 2.2 * k, 1.6 * k, {96, 176, 80});
    } else {
        // Low hills with bushes.
        dil(q,
            [&](const Pero& r) {
                r.elipsa(b(-24, 0), 30 * k, 16 * k, {104, 176, 80});
                r.elipsa(b(22, 0), 36 * k, 24 * k, {88, 160, 70});
            },
            {.barvaObrysu = {50, 80, 50}});
        for (int i = 0; i < 4; ++i) q.elipsa(b(-40 + 24 * i, -4 - 8 * (i % 2)), 5 * k, 4 * k, {60, 130, 60});
    }
    v.prebarvi([&](int, int, Barva b) { return smichej(b, OBLOHA, mlha); });
    p.prekryj(v);
}

void ptaci(const Pero& P, Bod c, int n) {
    for (int i = 0; i < n; ++i) {
        Bod b = c + Bod{18.0 * i - 5 * (i % 2) * 2, 8.0 * std::abs(i - n / 2) + 6 * nahoda(i, n, 51)};
        P.cara(b + Bod{-5, -2}, b, {54, 70, 96});
        P.cara(b, b + Bod{5, -2}, {54, 70, 96});
    }
}

// ---------------------------------------------------------------- ice

const Barva NOC{20, 26, 56};

Barva polZaklad(double X, double Y) {
    double sum = nahoda(int(X) / 3, int(Y) / 3, 61) - 0.5;
    return NOC.plus(int(sum * 5));
}

// Stars on a 30 px grid, one per cell and never across a cell edge, so the
// field repeats with the cell.
void hvezdy(Platno& p, double s) {
    for (int cy = 0; cy < 10; ++cy)
        for (int cx = 0; cx < 10; ++cx) {
            double X = cx * 30 + 4 + 22 * nahoda(cx, cy, 71), Y = cy * 30 + 4 + 22 * nahoda(cx, cy, 72);
            double jas = nahoda(cx, cy, 73);
            int x = int(X * s), y = int(Y * s);
            Barva b = smichej({90, 100, 150}, {236, 240, 255}, jas);
            p.bod(x, y, b);
            if (jas > 0.82) {
                Barva k = smichej(NOC, b, 0.55);
                p.bod(x - 1, y, k), p.bod(x + 1, y, k), p.bod(x, y - 1, k), p.bod(x, y + 1, k);
            }
        }
}

void polPlain(Platno& p, const Pero& P) {
    malujVzor(p, P.sx, polZaklad);
    hvezdy(p, P.sx);
    // A faint constellation in the middle.
    const Bod s[] = {{96, 96}, {128, 110}, {152, 104}, {176, 124}, {186, 160}, {214, 170}, {204, 134}};
    for (int i = 0; i + 1 < 7; ++i) {
        Bod a = s[i], b = s[i + 1];
        for (int k = 2; k < 10; k += 2) P.bod(a + (b - a) * (k / 12.0), {44, 54, 96});
    }
    for (const Bod& b : s) {
        P.bod(b, {240, 244, 255});
        P.bod(b + Bod{1.5, 0}, {120, 130, 180}), P.bod(b + Bod{-1.5, 0}, {120, 130, 180});
        P.bod(b + Bod{0, 1.5}, {120, 130, 180}), P.bod(b + Bod{0, -1.5}, {120, 130, 180});
    }
}

void polMesic(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, polZaklad);
    hvezdy(p, s);
    const Bod m{150, 140};
    tonuj(p, s, {90, 110, 170}, [&](double X, double Y) {
        double d = vzdal(X, Y, m);
        return d < 100 ? 0.5 * std::pow(1 - d / 100, 2) : 0.0;
    });
    P.elipsa(m, 36, 36, {226, 232, 242});
    p.prebarvi([&](int x, int y, Barva b) {
        double X = (x + 0.5) / s, Y = (y + 0.5) / s;
        double d = vzdal(X, Y, m);
        if (d > 36) return b;
        // Shaded toward the lower right, craters darker.
        double k = std::clamp(((X - m.x) + (Y - m.y)) / 60, -1.0, 1.0);
        Barva c = smichej({240, 244, 250}, {170, 180, 206}, 0.5 + 0.5 * k);
        for (Bod kr : {Bod{138, 128}, Bod{162, 150}, Bod{146, 160}, Bod{164, 124}}) {
            double e = vzdal(X, Y, kr);
            if (e < 6) c = c.krat(0.86);
        }
        return c;
    });
}

void polPolarniZare(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, polZaklad);
    hvezdy(p, s);
    for (int y = 0; y < p.h(); ++y)
        for (int x = 0; x < p.w(); ++x) {
            double X = (x + 0.5) / s, Y = (y + 0.5) / s;
            // A slanting curtain with folds.
            double yc = 168 - 0.3 * (X - 150) + 18 * std::sin(X * 2 * M_PI / 120 + 0.4);
            double v = (yc - Y) / 120;
            double profil =
                v >= 0 ? (v <= 1 ? std::exp(-v * 2.2) * (1 - v) : 0) : std::exp(-std::pow(v * 120 / 5, 2));
            double paprsky = 0.55 + 0.45 * std::sin(X * 0.33 + 3 * std::sin(X * 0.045));
            double k = profil * paprsky * smooth(OKRAJ + 10, 90, X) * smooth(300 - OKRAJ - 10, 210, X);
            if (k <= 0.01) continue;
            Barva c = smichej({80, 240, 160}, {170, 100, 220}, std::clamp(v * 1.4, 0.0, 1.0));
            p.bod(x, y, smichej(p.barva(x, y), c, std::min(0.85, k * 0.9)));
        }
}

void krystal(const Pero& P, Bod z, double uhel, double delka, double sirka) {
    Bod u = smer(uhel), n = Bod{-u.y, u.x};
    Bod spicka = z + u * delka, rameno = z + u * (delka * 0.78);
    dil(P,
        [&](const Pero& q) {
            q.mnohouhelnik({z + n * sirka, rameno + n * sirka, spicka, z - u * 2}, {190, 236, 252});
            q.mnohouhelnik({z - u * 2, spicka, rameno - n * sirka, z - n * sirka}, {96, 170, 226});
        },
        {.stin = false, .barvaObrysu = {16, 40, 80}});
    P.cara(z + u * 2, spicka - u * 2, {235, 250, 255});
}

void polKrystaly(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, polZaklad);
    hvezdy(p, s);
    const Bod c{150, 170};
    tonuj(p, s, {80, 160, 230}, [&](double X, double Y) {
        double d = vzdal(X, Y, c) / 100;
        return d < 1 ? 0.45 * (1 - d) * (1 - d) : 0.0;
    });
    // A floating cluster: rock below, crystals above.
    dil(P,
        [&](const Pero& q) {
            q.mnohouhelnik(
                {{106, 176}, {194, 176}, {180, 196}, {160, 206}, {150, 224}, {138, 204}, {118, 194}},
                {70, 84, 120});
        },
        {.barvaObrysu = {12, 16, 36}});
    krystal(P, {150, 178}, 90, 80, 11);
    krystal(P, {132, 180}, 118, 54, 8);
    krystal(P, {170, 180}, 62, 58, 9);
    krystal(P, {118, 180}, 146, 34, 6);
    krystal(P, {184, 180}, 34, 36, 6);
    for (Bod b : {Bod{104, 110}, Bod{196, 96}, Bod{120, 74}, Bod{182, 140}}) {
        P.bod(b, {240, 250, 255});
        for (Bod d : {Bod{1.5, 0}, Bod{-1.5, 0}, Bod{0, 1.5}, Bod{0, -1.5}}) P.bod(b + d, {140, 200, 240});
    }
}

void polSnih(Platno& p, const Pero& P) {
    double s = P.sx;
    malujVzor(p, s, polZaklad);
    hvezdy(p, s);
    // Shooting star.
    Bod a{64, 70}, b{176, 124};
    for (int i = 0; i <= 40; ++i) {
        double t = i / 40.0;
        P.bod(a + (b - a) * t, smichej(NOC, {220, 236, 255}, t));
    }
    P.elipsa(b, 2.5, 2.5, {240, 248, 255});
    for (int i = 0; i < 70; ++i) {
        Bod v{OKRAJ + 4 + (268 - 8) * nahoda(i, 1, 81), OKRAJ + 4 + (268 - 8) * nahoda(i, 2, 81)};
        Barva c = smichej({150, 170, 210}, {236, 242, 252}, nahoda(i, 3, 81));
        P.bod(v, c);
        if (nahoda(i, 4, 81) < 0.3) {
            Barva k = smichej(NOC, c, 0.5);
            for (Bod d : {Bod{1.5, 0}, Bod{-1.5, 0}, Bod{0, 1.5}, Bod{0, -1.5}}) P.bod(v + d, k);
        }
    }
}

Barva ledDlazdice(double X, double Y) {
    int ix = int(X), iy = int(Y);
    Barva c{150, 210, 236};
    double diag = std::fmod(X - Y + 60, 19);
    if (diag < 2.2) c = {196, 236, 250};
    if (std::fmod(X - Y + 60 + 9, 23) < 1.2) c = {176, 226, 246};
    c = c.plus(int((nahoda(ix / 2, iy / 2, 91) - 0.5) * 8));
    if (ix < 2 || iy < 2) c = {222, 246, 252};
    if (ix >= 28 || iy >= 28) c = {78, 138, 190};
    return c;
}

Barva zemDlazdice(double X, double Y) {
    int ix = int(X), iy = int(Y);
    // Grass: wavy lower edge with a few longer blades, periodic with the tile.
    double trava = 6 + 1.5 * std::sin(X * 2 * M_PI / 15) + (nahoda(ix % 30, 0, 101) < 0.25 ? 2.5 : 0);
    if (Y < trava) {
        if (Y < 2) return Barva{150, 218, 96};
        return smichej({104, 186, 70}, {62, 138, 50}, Y / trava).plus(int((nahoda(ix, iy, 102) - 0.5) * 10));
    }
    if (Y < trava + 1.5) return {70, 52, 36};
    Barva c = Barva{128, 86, 52}.plus(int((nahoda(ix, iy, 103) - 0.5) * 14));
    if (nahoda(ix / 2, iy / 2, 104) < 0.09) c = {100, 66, 42};
    // Two buried stones, lit from the upper left.
    struct Kamen {
        Bod s;
        double rx, ry;
    };
    for (Kamen k : {Kamen{{9, 20}, 4.5, 3}, Kamen{{23, 15}, 3, 2.2}}) {
        double dx = (X - k.s.x) / k.rx, dy = (Y - k.s.y) / k.ry;
        double d = std::hypot(dx, dy);
        if (d < 1) {
            if (d > 0.78 && dx + dy > 0) return {78, 70, 66};
            return dx + dy < -0.6 ? Barva{184, 176, 162}
                                  : Barva{142, 134, 124}.plus(int((nahoda(ix, iy, 105) - 0.5) * 10));
        }
    }
    return c;
}

// ---------------------------------------------------------------- items

void sipPredmet(const Pero& P) {
    Bod ocas{4, 26}, spicka{26, 4};
    Bod d = (spicka - ocas) * (1 / std::hypot(22, 22)), n{-d.y, d.x};
    dil(P, [&](const Pero& q) {
        q.kapsle(ocas, spicka - d * 6, 1.1, {186, 122, 58});
        q.mnohouhelnik({ocas + n * 3.5, ocas + d * 8 + n * 0.8, ocas + d * 8 - n * 0.8, ocas - n * 3.5},
                       {226, 56, 46});
        q.mnohouhelnik({spicka, spicka - d * 7 + n * 3.5, spicka - d * 5.5, spicka - d * 7 - n * 3.5},
                       {214, 222, 234});
    });
    // Glints say "pick me up".
    for (Bod b : {Bod{8, 8}, Bod{22, 22}}) {
        P.kapsle(b + Bod{-2.5, 0}, b + Bod{2.5, 0}, 0.5, {255, 236, 140});
        P.kapsle(b + Bod{0, -2.5}, b + Bod{0, 2.5}, 0.5, {255, 236, 140});
        P.bod(b, {255, 252, 230});
    }
}

void novyLevel(const Pero& P) {
    const Barva kamen{124, 122, 146};
    dil(P, [&](const Pero& q) {
        q.elipsa({15, 12}, 12, 10.5, kamen);
        q.obdelnik({3, 12}, {27, 29}, kamen);
    });
    Platno v(P.p->w(), P.p->h());
    Pero q = P.na(v);
    q.elipsa({15, 13}, 8, 7.5, {1, 1, 1});
    q.obdelnik({7, 13}, {23, 29}, {1, 1, 1});
    double s = P.sx;
    v.prebarvi([&](int x, int y, Barva) {
        double X = (x + 0.5) / s - 15, Y = (y + 0.5) / s - 18;
        double d = std::hypot(X, Y * 0.8), a = std::atan2(Y, X);
        double spir = std::sin(a * 2 + d * 0.55);
        Barva c = spir > 0.2 ? Barva{96, 214, 255} : (spir > -0.4 ? Barva{150, 80, 230} : Barva{84, 40, 160});
        return smichej(c, {236, 250, 255}, std::max(0.0, 1 - d / 4.5));
    });
    P.p->prekryj(v);
    P.cara({3, 28.5}, {27, 28.5}, {86, 84, 106});
    for (Bod b : {Bod{2, 4}, Bod{28, 6}, Bod{27, 20}}) P.bod(b, {190, 250, 255});
}

void krev(const Pero& P) {
    const Barva tmava{150, 10, 22}, jasna{226, 36, 42};
    dil(P,
        [&](const Pero& q) {
            q.elipsa({15, 15}, 6.5, 5.5, tmava);
            for (int i = 0; i < 7; ++i) {
                Bod d = smer(i * 360.0 / 7 + 20 * nahoda(i, 0, 111));
                double l = 8 + 5 * nahoda(i, 1, 111);
                Bod n{-d.y, d.x};
                q.mnohouhelnik({Bod{15, 15} + n * 2.2, Bod{15, 15} + d * l, Bod{15, 15} - n * 2.2}, tmava);
                q.elipsa(Bod{15, 15} + d * (l + 2.5), 1.5, 1.5, tmava);
            }
        },
        {.stin = false});
    P.elipsa({14, 14}, 4, 3.2, jasna);
    P.bod({12.5, 12.5}, {255, 150, 150});
}

void minul(const Pero& P) {
    // A swish passing by, and the grey cross of a miss.
    const Barva seda{186, 192, 202};
    const double delky[3] = {12, 17, 10};
    for (int i = 0; i < 3; ++i)
        dil(P,
            [&](const Pero& q) {
                double y = 8 + 7.0 * i;
                q.oblouk({2, y + 1.5}, {2 + delky[i] / 2, y - 1}, {2 + delky[i], y}, 0.9, seda);
            },
            {.stin = false});
    dil(P, [&](const Pero& q) {
        q.kapsle({18, 9}, {27, 20}, 2.0, {150, 156, 168});
        q.kapsle({27, 9}, {18, 20}, 2.0, {150, 156, 168});
    });
}

// ---------------------------------------------------------------- HUD

// Digits as thick strokes in a 40x50 box.
std::vector<std::vector<Bod>> tahyCislice(int c) {
    auto arc = [](Bod s, double rx, double ry, double a0, double a1) {
        std::vector<Bod> v;
        int n = int(std::abs(a1 - a0) / 8) + 2;
        for (int i = 0; i < n; ++i) {
            double a = (a0 + (a1 - a0) * i / (n - 1)) * M_PI / 180;
            v.push_back({s.x + rx * std::cos(a), s.y - ry * std::sin(a)});
        }
        return v;
    };
    auto bez = [](Bod a, Bod b, Bod c) {
        std::vector<Bod> v;
        for (int i = 0; i <= 12; ++i) v.push_back(bezier(a, b, c, i / 12.0));
        return v;
    };
    auto spoj = [](std::vector<Bod> a, const std::vector<Bod>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    switch (c) {
        case 0: return {arc({20, 25}, 11, 17, 0, 360)};
        case 1: return {{{13, 14}, {20, 8}, {20, 42}}, {{12, 42}, {28, 42}}};
        case 2: return {spoj(arc({20, 17}, 10, 9, 165, -25), {{9, 42}, {31, 42}})};
        case 3: return {spoj(arc({20, 16.5}, 10, 8.5, 155, -90), arc({20, 33.5}, 11, 8.5, 90, -155))};
        case 4: return {{{26, 42}, {26, 8}, {8, 31}, {33, 31}}};
        case 5: return {spoj({{30, 8}, {11, 8}, {10, 24}}, arc({19.5, 32}, 11, 10, 145, -150))};
        case 6: return {spoj(bez({28, 8}, {10, 12}, {9, 32}), arc({20, 32}, 11, 10, 180, -180))};
        case 7: return {{{9, 8}, {31, 8}, {18, 42}}};
        case 8: return {arc({20, 16.5}, 9, 8.5, 0, 360), arc({20, 33.5}, 11, 8.5, 0, 360)};
        default: return {spoj(arc({20, 18}, 11, 10, 0, 360), bez({31, 18}, {31, 38}, {12, 42}))};
    }
}

// Gold fill darkening downwards, a lit rim and a 2 px dark outline so HUD
// pictures read on any background.
void hudZlato(Platno& p) {
    p.prebarvi([&](int, int y, Barva) {
        return smichej({255, 228, 112}, {226, 128, 36}, double(y) / p.h());
    });
    p.plasticky(1.15, 0.78);
    p.obrys({54, 30, 14});
    p.obrys();
}

void cislice(Platno& p, int c) {
    for (const auto& tah : tahyCislice(c))
        for (size_t i = 0; i + 1 < tah.size(); ++i) p.kapsle(tah[i], tah[i + 1], 4.2, {1, 1, 1});
    hudZlato(p);
}

void mince(const Pero& P) {
    dil(P, [&](const Pero& q) { q.elipsa({25, 25}, 19, 19, {236, 180, 50}); }, {.svetlo = 1.2, .tma = 0.7});
    P.elipsa({25, 25}, 14.5, 14.5, {206, 146, 34});
    P.elipsa({25.5, 25.5}, 13.5, 13.5, {244, 196, 70});
    std::vector<Bod> hvezda;
    for (int i = 0; i < 10; ++i) hvezda.push_back(Bod{25, 26} + smer(90 + 36 * i) * (i % 2 ? 4.5 : 11));
    dil(P,
        [&](const Pero& q) {
            q.mnohouhelnik(hvezda, {255, 236, 140});
        },
        {.svetlo = 1.1, .tma = 0.8, .barvaObrysu = {176, 112, 20}});
    P.oblouk({13, 20}, {15, 12}, {22, 9}, 1.0, {255, 248, 214});
}

}  // namespace

// ---------------------------------------------------------------- shared

void kresliSrdce(const Pero& P) {
    dil(P,
        [&](const Pero& q) {
            q.elipsa({10.2, 11}, 6.8, 6.8, {222, 36, 52});
            q.elipsa({19.8, 11}, 6.8, 6.8, {222, 36, 52});
            q.mnohouhelnik({{3.8, 13.5}, {26.2, 13.5}, {15, 26.5}}, {222, 36, 52});
        },
        {.svetlo = 1.15, .tma = 0.7});
    P.elipsa({9, 9.5}, 2.4, 2.0, {255, 190, 196});
    P.bod({8, 8.5}, {255, 240, 240});
}

void kresliToulec(const Pero& P) {
    // A tilted leather tube; the arrows fan out of its mouth.
    const Bod dno{10, 28}, usti{15.5, 14};
    Bod u = usti - dno;
    u = u * (1 / std::hypot(u.x, u.y));
    Bod n{-u.y, u.x};
    const Barva pera[3] = {{230, 56, 46}, {240, 236, 222}, {230, 56, 46}};
    for (int i = 0; i < 3; ++i) {
        double a = std::atan2(-u.y, u.x) * 180 / M_PI - (i - 1) * 24;
        Bod d = smer(a), m{-d.y, d.x};
        Bod z = usti + n * ((i - 1) * 3), konec = z + d * 13;
        dil(P, [&](const Pero& q) {
            q.kapsle(z, konec - d * 5, 0.7, {170, 112, 56});
            // Fletching, wide at the nock.
            q.mnohouhelnik(
                {konec - d * 6.5 + m * 0.7, konec - d * 1.5 + m * 2.6, konec + m * 1.4, konec - d * 1,
                 konec - m * 1.4, konec - d * 1.5 - m * 2.6, konec - d * 6.5 - m * 0.7},
                pera[i]);
        });
    }
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({usti + n * 5, usti - n * 5, dno - n * 4, dno + n * 4}, {150, 94, 48});
        q.elipsa(dno, 4, 2.2, {150, 94, 48});
    });
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({usti + n * 5.5, usti - n * 5.5, usti - n * 5.5 - u * 3, usti + n * 5.5 - u * 3},
                       {104, 62, 34});
    });
    P.cara(usti - u * 3.1 + n * 5, usti - u * 3.1 - n * 5, {236, 196, 72});
    // Stitched strap down the side.
    P.cara(dno + u * 3 - n * 1.5, usti - u * 4.5 - n * 2.5, {190, 130, 72});
    dil(P,
        [&](const Pero& q) {
            q.kapsle(dno + u * 7 + n * 4.5, dno + u * 7 - n * 4.5, 1.1, {104, 62, 34});
        },
        {.obrys = false});
}

void kresliSvet(std::vector<Obrazek>& out) {
    // Castle.
    dlazdice(out, "mise/cihly01b", 30, [](Platno& p, const Pero& P) { malujVzor(p, P.sx, cihlaDlazdice); });
    dlazdice(out, "mise/zed01", 300, hradPlain);
    dlazdice(out, "mise/zed02", 300, hradPochoden);
    dlazdice(out, "mise/zed03", 300, hradOkno);
    // Outdoors.
    dlazdice(out, "mise/zem", 30, [](Platno& p, const Pero& P) { malujVzor(p, P.sx, zemDlazdice); });
    auto venku = [](const std::function<void(Platno&, const Pero&)>& ozdoba) {
        return [ozdoba](Platno& p, const Pero& P) {
            malujVzor(p, P.sx, venkuZaklad);
            ozdoba(p, P);
        };
    };
    dlazdice(out, "mise/venku01", 300, venku([](Platno& p, const Pero& P) {
                 mrak(p, P, {84, 92}, 0.8);
                 mrak(p, P, {196, 200}, 0.65);
             }));
    dlazdice(out, "mise/venku02", 300, venku([](Platno& p, const Pero& P) {
                 const Bod s{140, 120};
                 tonuj(p, P.sx, {255, 244, 200}, [&](double X, double Y) {
                     double d = vzdal(X, Y, s);
                     return d < 90 ? 0.6 * std::pow(1 - d / 90, 2) : 0.0;
                 });
                 for (int i = 0; i < 12; ++i) {
                     Bod d = smer(i * 30 + 15);
                     P.kapsle(s + d * 36, s + d * 46, 1.6, {255, 236, 150});
                 }
                 dil(P,
                     [&](const Pero& q) {
                         q.elipsa(s, 27, 27, {255, 220, 96});
                     },
                     {.svetlo = 1.08, .tma = 0.94, .barvaObrysu = {240, 170, 60}});
                 P.elipsa(s + Bod{-3, -3}, 19, 19, {255, 236, 140});
                 mrak(p, P, {184, 190}, 0.7);
             }));
    dlazdice(out, "mise/venku03", 300, venku([](Platno& p, const Pero& P) {
                 ostrov(p, P, {150, 170}, 1.3, 0.22, true);
             }));
    dlazdice(out, "mise/venku04", 300, venku([](Platno& p, const Pero& P) {
                 mrak(p, P, {140, 150}, 1.7);
                 mrak(p, P, {196, 96}, 0.5);
             }));
    dlazdice(out, "mise/venku05", 300, venku([](Platno& p, const Pero& P) {
                 ostrov(p, P, {166, 190}, 0.8, 0.42, false);
                 ptaci(P, {72, 80}, 5);
             }));
    // Ice.
    dlazdice(out, "mise/led", 30, [](Platno& p, const Pero& P) { malujVzor(p, P.sx, ledDlazdice); });
    dlazdice(out, "mise/pol01", 300, polPlain);
    dlazdice(out, "mise/pol02", 300, polMesic);
    dlazdice(out, "mise/pol03", 300, polPolarniZare);
    dlazdice(out, "mise/pol04", 300, polKrystaly);
    dlazdice(out, "mise/pol05", 300, polSnih);

    // Items at both scales.
    auto predmet = [&](const std::string& jmeno, const std::function<void(const Pero&)>& f) {
        for (int maly = 0; maly < 2; ++maly) {
            int n = maly ? 20 : 30;
            Platno p(n, n);
            f(Pero{&p, n / 30.0, n / 30.0});
            out.push_back({"ostatni/" + jmeno + (maly ? "m" : "") + ".bmp", p, true});
        }
    };
    predmet("sip", sipPredmet);
    predmet("toulec", kresliToulec);
    predmet("zivot", kresliSrdce);
    predmet("novyLvl", novyLevel);

    // HUD, one scale.
    for (int c = 0; c < 10; ++c) {
        Platno p(40, 50);
        cislice(p, c);
        out.push_back({"ostatni/" + std::to_string(c) + ".bmp", p, true});
    }
    {
        Platno p(25, 50);
        p.kapsle({19, 7}, {6, 43}, 4.2, {1, 1, 1});
        hudZlato(p);
        out.push_back({"ostatni/lomitko.bmp", p, true});
    }
    auto ikona = [&](const std::string& jmeno, const std::function<void(const Pero&)>& f, double k) {
        Platno p(50, 50);
        f(Pero{&p, k, k});
        p.obrys();
        out.push_back({"ostatni/" + jmeno + ".bmp", p, true});
    };
    ikona("zivotI", kresliSrdce, 50 / 30.0);
    ikona("toulecI", kresliToulec, 50 / 30.0);
    ikona("score", mince, 1);

    // Hit markers.
    using Kresba = void (*)(const Pero&);
    for (auto [jmeno, f] : {std::pair<const char*, Kresba>{"au", krev}, {"minul", minul}}) {
        Platno p(30, 30);
        f(Pero{&p, 1, 1});
        out.push_back({std::string("ostatni/") + jmeno + ".bmp", p, true});
    }
    kresliPanely(out);
}
