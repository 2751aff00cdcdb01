// SPDX-License-Identifier: GPL-3.0-or-later
// The figures: the hunter, the warrior and the thief. Each is laid out in
// the pixels of its large picture; the pen rescales the layout for the small
// one, so both are rasterised crisp at their own size.
#include <algorithm>
#include <cmath>
#include <functional>

#include "kreslic.h"

namespace {

struct Rozmer {
    int W, H;  // large
    int w, h;  // small
};

// Plain, facing left, small, small facing left. Left is the exact mirror.
void ctyri(std::vector<Obrazek>& out, const std::string& jmeno, Rozmer r,
           const std::function<void(const Pero&)>& kresli, bool levy = true) {
    for (int maly = 0; maly < 2; ++maly) {
        int w = maly ? r.w : r.W, h = maly ? r.h : r.H;
        Platno p(w, h);
        kresli(Pero{&p, double(w) / r.W, double(h) / r.H});
        std::string m = maly ? "m" : "";
        out.push_back({jmeno + m + ".bmp", p, true});
        if (levy) out.push_back({jmeno + "l" + m + ".bmp", p.zrcadlo(), true});
    }
}

bool velky(const Pero& P) {
    return P.sx > 0.9;
}

// An eye: 2x2 at the large scale, one pixel at the small.
void oko(const Pero& P, Bod b, Barva c) {
    if (velky(P))
        P.p->obdelnik(int(b.x), int(b.y), 2, 2, c);
    else
        P.bod(b + Bod{0.5, 0.5}, c);
}

Bod normala(Bod d) {
    return {-d.y, d.x};
}

// Two-bone leg: where the knee goes for a hip and an ankle, bending forward
// (to the right). An ankle out of reach is pulled in along the leg.
Bod koleno(Bod kycel, Bod& kotnik, double l1, double l2) {
    Bod d = kotnik - kycel;
    double dist = std::hypot(d.x, d.y), max = l1 + l2 - 0.01;
    if (dist > max) kotnik = kycel + d * (max / dist), dist = max;
    double a = std::acos(std::clamp((l1 * l1 + dist * dist - l2 * l2) / (2 * l1 * dist), -1.0, 1.0));
    double z = std::atan2(d.y, d.x);
    Bod k1 = kycel + Bod{std::cos(z + a), std::sin(z + a)} * l1;
    Bod k2 = kycel + Bod{std::cos(z - a), std::sin(z - a)} * l1;
    return k1.x > k2.x ? k1 : k2;
}

// A boot or shoe: heel behind the ankle, toe pointing right.
std::vector<Bod> chodidlo(Bod a, double pata, double spicka, double vyska) {
    return {a + Bod{-pata, -1.5}, a + Bod{2, -1.5}, a + Bod{spicka, vyska * 0.45}, a + Bod{spicka, vyska},
            a + Bod{-pata, vyska}};
}

// An arrow flying from tail to tip: steel head, wooden shaft, red fletching.
// At the small scale head and feathers grow a little so they still read.
void sip(const Pero& P, Bod ocas, Bod spicka, double hrot = 5, double pera = 5, double tloustka = 0.6) {
    Bod d = spicka - ocas;
    d = d * (1 / std::hypot(d.x, d.y));
    Bod n = normala(d);
    double k = velky(P) ? 1 : 1.3, s = 2.1 * k;
    hrot *= k;
    dil(P, [&](const Pero& q) {
        q.kapsle(ocas, spicka - d * hrot, tloustka, Barva{170, 112, 56});
        q.mnohouhelnik({ocas + n * s, ocas + d * pera + n * 0.4, ocas + d * pera - n * 0.4, ocas - n * s},
                       Barva{214, 52, 44});
        q.mnohouhelnik(
            {spicka, spicka - d * hrot + n * s, spicka - d * (hrot * 0.75), spicka - d * hrot - n * s},
            Barva{206, 214, 226});
    });
}

// ---------------------------------------------------------------- hunter

const Barva KUZE{236, 186, 144};
const Barva KAPUCE{60, 128, 58};
const Barva PLAST{44, 96, 48};
const Barva TUNIKA{104, 158, 66};
const Barva RUKAV{86, 138, 58};
const Barva KOZENA{136, 86, 46};
const Barva KALHOTY{118, 88, 58};
const Barva BOTY{84, 54, 34};
const Barva DREVO{172, 112, 54};
const Barva TETIVA{238, 232, 212};
const Barva OCEL{200, 208, 220};
const Barva ZLATO{236, 196, 72};

const Bod LOVEC_RAMENO_ZADNI{29, 27}, LOVEC_RAMENO_PREDNI{37, 27};

void lovecTelo(const Pero& P) {
    // Torso; its last rows continue as the hem in the legs picture.
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{24, 23},
                        {41, 23},
                        {44, 35},
                        {42, 46},
                        {45, 60},
                        {45, 66},
                        {21, 66},
                        {21, 60},
                        {24, 46},
                        {22, 35}},
                       TUNIKA);
        // Quiver strap across the chest.
        q.kapsle({25, 25}, {41, 43}, 1.2, KOZENA);
    });
    P.cara({33, 49}, {33, 66}, TUNIKA.krat(0.78));
    dil(P, [&](const Pero& q) {
        q.obdelnik({23, 43}, {43, 47.5}, KOZENA);
        q.obdelnik({34, 43}, {38, 47.5}, ZLATO);
    });
    // Hooded shoulder cape.
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{20, 22}, {29, 18}, {41, 19}, {46, 26}, {41, 31}, {31, 33}, {21, 31}}, PLAST);
    });
}

// Quiver on the back, the fletchings showing over the shoulder.
void lovecToulec(const Pero& P) {
    const Barva pera[3] = {{214, 52, 44}, {236, 232, 214}, {214, 52, 44}};
    for (int i = 0; i < 3; ++i) {
        Bod z = Bod{10.5, 17} + Bod{2.6, -1.2} * i;
        dil(P, [&](const Pero& q) {
            q.mnohouhelnik({z + Bod{-1.6, 0.6}, z + Bod{-2.6, -5.5}, z + Bod{0.2, -7}, z + Bod{1.8, -0.6}},
                           pera[i]);
        });
    }
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{9, 19}, {18, 15}, {28, 40}, {21, 44}}, KOZENA.krat(0.85));
    });
    P.cara({10, 19}, {18, 15.5}, ZLATO);
}

void lovecHlava(const Pero& P, double pohled) {
    dil(P, [&](const Pero& q) {
        q.elipsa({31, 12}, 10, 10.5, KAPUCE);
        q.mnohouhelnik({{25, 4}, {12, 14}, {24, 19}}, KAPUCE);  // the hood's point hangs back
    });
    dil(P, [&](const Pero& q) {
        q.elipsa({37, 14.5}, 5.5, 6.5, KUZE);
        q.elipsa({42.5, 15}, 1.6, 1.8, KUZE);
    });
    // The hood's rim shades the forehead.
    dil(P, [&](const Pero& q) { q.kapsle({32, 7.5}, {42, 8.5}, 1.7, KAPUCE); }, {.obrys = false});
    oko(P, {38.5, 12.5 - pohled}, {34, 26, 30});
    P.bod({36, 19}, KUZE.krat(0.78));
}

void lovecLuk(const Pero& P, double uhel) {
    // Bow hand per aim, kept in the front quarter and inside the picture.
    Bod H;
    switch (int(uhel)) {
        case -30: H = {54, 40}; break;
        case 0: H = {56, 30}; break;
        case 30: H = {55, 19}; break;
        case 60: H = {54, 13}; break;
        default: H = {52, 10}; break;
    }
    Bod d = smer(uhel), n = normala(d);
    if (n.y < 0) n = n * -1;  // n points to the lower limb
    Bod D = H - d * 15;       // drawn string
    Bod horni = H - n * 14 - d * 5, dolni = H + n * 14 - d * 5;

    lovecToulec(P);
    dil(P, [&](const Pero& q) { q.kapsle(LOVEC_RAMENO_ZADNI, D, 3.0, RUKAV.krat(0.8)); });
    lovecTelo(P);
    lovecHlava(P, std::sin(uhel * M_PI / 180) * 1.5);
    dil(P, [&](const Pero& q) {
        q.oblouk(H, H - n * 8 + d * 2, horni, 1.5, DREVO);
        q.oblouk(H, H + n * 8 + d * 2, dolni, 1.5, DREVO);
    });
    P.cara(horni, D, TETIVA);
    P.cara(dolni, D, TETIVA);
    sip(P, D - d * 2, H + d * 9, 4.5, 4.5);
    dil(P, [&](const Pero& q) { q.elipsa(D, 2.6, 2.6, KUZE.krat(0.92)); });
    // Bow arm: sleeve, leather bracer, hand on the grip.
    Bod S = LOVEC_RAMENO_PREDNI, ruka = H - S;
    ruka = ruka * (1 / std::hypot(ruka.x, ruka.y));
    dil(P, [&](const Pero& q) {
        q.kapsle(S, H - ruka * 6, 3.2, RUKAV);
        q.kapsle(H - ruka * 7, H - ruka * 2, 3.0, KOZENA);
    });
    dil(P, [&](const Pero& q) { q.elipsa(H, 2.7, 2.7, KUZE); });
}

void mec(const Pero& P, Bod H, Bod u, double delka) {
    Bod n = normala(u);
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({H + u * 3 + n * 1.8, H + u * (delka - 2) + n * 1.6, H + u * (delka + 1),
                        H + u * (delka - 2) - n * 1.6, H + u * 3 - n * 1.8},
                       OCEL);
        q.kapsle(H - u * 3, H + u * 2, 1.2, KOZENA.krat(0.8));
        q.elipsa(H - u * 4, 1.6, 1.6, ZLATO);
    });
    // Ridge of the blade, then the guard across it.
    P.cara(H + u * 4, H + u * (delka - 2), Barva{244, 246, 250});
    dil(P, [&](const Pero& q) { q.kapsle(H + u * 2.5 + n * 4.5, H + u * 2.5 - n * 4.5, 1.2, ZLATO); });
}

void lovecMec(const Pero& P, int faze) {
    // 2 raised, 1 mid swing, 0 resting forward-down.
    struct Poza {
        Bod ruka;
        double uhel;
    };
    const Poza pozy[3] = {{{49, 41}, -40}, {{49, 30}, 30}, {{51, 22}, 84}};
    const Poza& z = pozy[faze];
    Bod u = smer(z.uhel);
    const double delka = 21;

    lovecToulec(P);
    dil(P, [&](const Pero& q) { q.kapsle(LOVEC_RAMENO_ZADNI, {27, 44}, 3.0, RUKAV.krat(0.8)); });
    lovecTelo(P);
    lovecHlava(P, 0);
    if (faze == 1) {
        // Trail of the blade tip coming down from the raised pose.
        const Bod stred{44, 30};
        for (int i = 0; i < 3; ++i) {
            double r = 22 + 3 * i;
            for (double a = 92 - 10 * i; a > 30; a -= 3)
                P.cara(stred + smer(a) * r, stred + smer(a - 3) * r, {200, 222, 236});
        }
    }
    Bod S = LOVEC_RAMENO_PREDNI;
    Bod loket = S + (z.ruka - S) * 0.5 + Bod{0, 3};
    dil(P, [&](const Pero& q) {
        q.kapsle(S, loket, 3.2, RUKAV);
        q.kapsle(loket, z.ruka, 3.0, KOZENA);
    });
    mec(P, z.ruka, u, delka);
    dil(P, [&](const Pero& q) { q.elipsa(z.ruka, 2.7, 2.7, KUZE); });
}

// Legs: the hips stay put so every frame joins every upper body.
void lovecNohy(const Pero& P, Bod zadni, Bod predni) {
    const Bod kycle[2] = {{31, 2.5}, {35, 2.5}};
    Bod kotniky[2] = {zadni, predni};
    for (int i = 0; i < 2; ++i) {
        double tma = i == 0 ? 0.78 : 1.0;
        Bod a = kotniky[i];
        Bod k = koleno(kycle[i], a, 14.5, 14.5);
        dil(P, [&](const Pero& q) {
            q.kapsle(kycle[i], k, 3.4, KALHOTY.krat(tma));
            q.kapsle(k, a, 3.0, KALHOTY.krat(tma));
        });
        Bod holen = a + (k - a) * (7.0 / 14.5);
        dil(P, [&](const Pero& q) {
            q.kapsle(a, holen, 3.3, BOTY.krat(tma));
            q.mnohouhelnik(chodidlo(a, 3.5, 7.5, 3.0), BOTY.krat(tma));
        });
        P.cara(holen + Bod{-2.5, 0.6}, holen + Bod{2.5, 0.6}, KOZENA.krat(tma * 1.2));
    }
    // Tunic hem over the thighs, same width as the torso's last row.
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{21, 0},
                        {45, 0},
                        {45, 1.5},
                        {46.5, 5},
                        {43, 7},
                        {39, 5.5},
                        {35, 7.5},
                        {31, 5.5},
                        {27, 7},
                        {23, 5.5},
                        {19.5, 5},
                        {21, 1.5}},
                       TUNIKA);
    });
    P.cara({33, 0}, {33, 6}, TUNIKA.krat(0.78));
}

void lovec(std::vector<Obrazek>& out) {
    const Rozmer nohy{70, 35, 44, 23}, horni{70, 66, 44, 44};
    // n1-n2 the first step from standing, n3-n6 the walk, n7 tucked in a jump.
    const Bod kroky[7][2] = {
        {{31, 31.2}, {38, 29.5}}, {{28, 31.2}, {42, 30.2}}, {{22, 30}, {43, 31.2}}, {{34, 24}, {35, 31.2}},
        {{42, 31.2}, {25, 30}},   {{34, 31.2}, {33, 24}},   {{28, 22}, {41, 20}},
    };
    for (int i = 0; i < 7; ++i)
        ctyri(out, "lovec/n" + std::to_string(i + 1), nohy,
              [&](const Pero& P) { lovecNohy(P, kroky[i][0], kroky[i][1]); });
    for (int uhel : {-30, 0, 30, 60, 90})
        ctyri(out, "lovec/l" + std::to_string(uhel), horni, [&](const Pero& P) { lovecLuk(P, uhel); });
    for (int f = 0; f < 3; ++f)
        ctyri(out, "lovec/m" + std::to_string(f), horni, [&](const Pero& P) { lovecMec(P, f); });
    // Arrows in flight, drawn from the arrow's top-left point; straight up
    // looks the same both ways, so it has no left picture.
    for (int uhel : {-30, 0, 30, 60, 90}) {
        ctyri(
            out, "lovec/sip" + std::to_string(uhel), {30, 30, 20, 20},
            [&](const Pero& P) {
                const double delka = 24.5, okraj = 2.5;
                Bod d = smer(uhel);
                double x0 = okraj, y0 = okraj;
                Bod ocas{x0, d.y < 0 ? y0 - d.y * delka : y0}, spicka = ocas + d * delka;
                sip(P, ocas, spicka);
            },
            uhel != 90);
    }
}

// ---------------------------------------------------------------- warrior

const Barva PLAT{158, 166, 180};
const Barva PLAT_TMAVY{112, 120, 136};
const Barva KROUZKY{126, 130, 140};
const Barva CERVENA{178, 34, 36};
const Barva ROH{236, 222, 184};
const Barva TOPORISTE{120, 76, 40};

void sekera(const Pero& P, Bod H, double uhel, double delka) {
    Bod u = smer(uhel), v = normala(u);
    dil(P, [&](const Pero& q) { q.kapsle(H - u * 9, H + u * (delka + 1), 1.7, TOPORISTE); });
    auto b = [&](double a, double c) { return H + u * a + v * c; };
    double L = delka;
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({b(L - 5, 0), b(L - 8, 6), b(L - 10, 10), b(L - 4, 11.5), b(L + 2, 11), b(L + 3.5, 9),
                        b(L + 1.5, 5), b(L + 1.5, 0)},
                       PLAT);
        q.mnohouhelnik({b(L - 3.5, 0), b(L - 1.5, -4.5), b(L + 0.5, 0)}, PLAT_TMAVY);
    });
    // Honed edge.
    P.oblouk(b(L - 9, 9.8), b(L - 3, 11.3), b(L + 2.6, 9), 0.5, Barva{240, 244, 250});
}

void valecnikTelo(const Pero& P, int faze) {
    // 1 ordinary, then the strike played 4 (wind-up), 3, 2 (blow).
    struct Poza {
        Bod ruka;
        double uhel;
    };
    const Poza pozy[5] = {{}, {{57, 36}, 75}, {{58, 33}, -32}, {{53, 15}, 28}, {{31, 10}, 200}};
    const Poza& z = pozy[faze];
    const double delka = 19;

    // Round shield on the far arm, behind the body.
    dil(P, [&](const Pero& q) {
        q.elipsa({17, 31}, 13, 14, PLAT_TMAVY);
        q.elipsa({17, 31}, 10.5, 11.5, CERVENA);
    });
    P.cara({17, 20}, {17, 42}, ZLATO);
    P.cara({7, 31}, {27, 31}, ZLATO);
    dil(P, [&](const Pero& q) { q.elipsa({17, 31}, 3.5, 3.5, PLAT); });

    if (faze == 4) sekera(P, z.ruka, z.uhel, delka);  // raised behind the head
    // Breastplate and the red tabard over it.
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{25, 17}, {47, 17}, {52, 28}, {49, 40}, {49, 53}, {23, 53}, {23, 40}, {21, 28}},
                       PLAT);
    });
    dil(P, [&](const Pero& q) { q.mnohouhelnik({{28, 27}, {46, 27}, {46, 53}, {28, 53}}, CERVENA); });
    P.mnohouhelnik({{37, 31}, {41.5, 36}, {37, 46}, {32.5, 36}}, ZLATO);
    dil(P, [&](const Pero& q) { q.obdelnik({23, 44}, {49, 48}, KOZENA.krat(0.8)); });
    P.obdelnik({34.5, 44}, {39.5, 48}, ZLATO);
    // Far pauldron.
    dil(P, [&](const Pero& q) { q.elipsa({25, 22}, 6.5, 6, PLAT); });
    // Horned helmet with a visor slit.
    dil(P, [&](const Pero& q) {
        q.oblouk({30, 9}, {22, 7.5}, {22.5, 2}, 2.0, ROH);
        q.oblouk({45, 9}, {53, 7.5}, {53.5, 2}, 2.0, ROH);
    });
    dil(P, [&](const Pero& q) {
        q.elipsa({37.5, 11}, 9.5, 9.5, PLAT);
        q.mnohouhelnik({{38, 6}, {47.5, 8}, {47, 18}, {40, 20.5}, {34, 19}}, PLAT);
    });
    dil(P, [&](const Pero& q) { q.obdelnik({38, 10}, {47, 12.5}, {26, 20, 28}); }, {.obrys = false});
    P.bod({44, 10.5}, {250, 80, 40});
    P.cara({37.5, 2}, {37.5, 9}, PLAT_TMAVY);
    for (int i = 0; i < 3; ++i) P.bod({41.0 + i * 2, 15.5}, {40, 34, 44});

    // Axe arm: chain sleeve, steel gauntlet.
    Bod S{46, 24};
    Bod loket = S + (z.ruka - S) * 0.5 + Bod{1.5, 3.5};
    dil(P, [&](const Pero& q) {
        q.kapsle(S, loket, 4.3, KROUZKY);
        q.kapsle(loket, z.ruka, 4.0, KROUZKY);
    });
    if (faze != 4) sekera(P, z.ruka, z.uhel, delka);
    dil(P, [&](const Pero& q) { q.elipsa(z.ruka, 3.6, 3.4, PLAT_TMAVY); });
    dil(P, [&](const Pero& q) { q.elipsa({47, 22}, 7.5, 6.5, PLAT); });
    P.cara({42, 24}, {52, 24}, PLAT_TMAVY);
    if (faze == 2) {
        // Blow: speed lines behind the blade.
        for (int i = 0; i < 2; ++i)
            P.p->prekryj([&] {
                Platno v(P.p->w(), P.p->h());
                P.na(v).oblouk(Bod{64, 12} + Bod{-1, 3} * i, Bod{76, 18} + Bod{-2, 2} * i,
                               Bod{77, 32} + Bod{-2, 1} * i, 0.6, Barva{214, 226, 236});
                return v;
            }());
    }
}

void valecnikNohy(const Pero& P, Bod zadni, Bod predni) {
    const Bod kycle[2] = {{31, 3}, {40, 3}};
    Bod kotniky[2] = {zadni, predni};
    for (int i = 0; i < 2; ++i) {
        double tma = i == 0 ? 0.76 : 1.0;
        Bod a = kotniky[i];
        Bod k = koleno(kycle[i], a, 16, 16);
        dil(P, [&](const Pero& q) {
            q.kapsle(kycle[i], k, 5.0, Barva{96, 40, 40}.krat(tma));
            q.kapsle(k, a, 4.2, Barva{96, 40, 40}.krat(tma));
        });
        Bod holen = a + (k - a) * (11.0 / 16);
        dil(P, [&](const Pero& q) {
            q.kapsle(a, holen, 4.3, PLAT.krat(tma));
            q.mnohouhelnik(chodidlo(a, 4.5, 9, 4.0), PLAT_TMAVY.krat(tma));
        });
        dil(P, [&](const Pero& q) { q.elipsa(k, 4.0, 3.6, PLAT.krat(tma)); });
    }
    // Mail skirt, same width as the breastplate's last row.
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{23, 0}, {49, 0}, {49, 2}, {51.5, 9}, {20.5, 9}, {23, 2}}, KROUZKY);
    });
    // Rings: a checker of darker pixels.
    P.p->prebarvi([&](int x, int y, Barva c) {
        if (c == KROUZKY && (x + y) % 2 == 0) return KROUZKY.krat(0.82);
        return c;
    });
    dil(P, [&](const Pero& q) { q.obdelnik({20.5, 7.5}, {51.5, 9.5}, CERVENA); }, {.obrys = false});
}

void valecnik(std::vector<Obrazek>& out) {
    const Rozmer telo{79, 53, 53, 37}, nohy{79, 40, 53, 25};
    for (int f = 1; f <= 4; ++f)
        ctyri(out, "nepratele/valecnik/teloValecnik0" + std::to_string(f), telo,
              [&](const Pero& P) { valecnikTelo(P, f); });
    const Bod kroky[5][2] = {
        {{28, 34.6}, {44, 34.6}}, {{24, 34}, {47, 34.6}}, {{38, 27}, {41, 34.6}},
        {{47, 34.6}, {26, 34}},   {{37, 34.6}, {41, 27}},
    };
    for (int i = 0; i < 5; ++i)
        ctyri(out, "nepratele/valecnik/nohyValecnik0" + std::to_string(i + 1), nohy,
              [&](const Pero& P) { valecnikNohy(P, kroky[i][0], kroky[i][1]); });
}

// ---------------------------------------------------------------- thief

const Barva FIALOVA{112, 58, 140};
const Barva FIALOVA_TMAVA{70, 36, 92};
const Barva NOHAVICE{52, 42, 64};
const Barva SAL{150, 36, 64};

// Where the shins leave the body picture; the legs pictures start there.
const Bod ZLODEJ_HOLENE[2] = {{16.5, 0}, {23.5, 0}};

void zlodejTelo(const Pero& P, int faze) {
    struct Poza {
        Bod ruka;
        double uhel;
    };
    const Poza pozy[4] = {{}, {{27, 42}, 25}, {{19, 35}, 0}, {{31, 33}, 3}};
    const Poza& z = pozy[faze];

    // Shins below the cloak.
    for (int i = 0; i < 2; ++i)
        dil(P, [&](const Pero& q) {
            Bod s = ZLODEJ_HOLENE[i];
            q.kapsle({s.x, 64}, {s.x, 82}, 2.4, NOHAVICE.krat(i ? 1.0 : 0.8));
        });
    // Cloak flowing back, then the body in front.
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{13, 17}, {22, 17}, {22, 66}, {14, 71}, {7, 73}, {9, 50}}, FIALOVA_TMAVA);
    });
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({{14, 17},
                        {25, 17},
                        {27, 30},
                        {28, 50},
                        {30, 69},
                        {25, 67},
                        {21, 70},
                        {16, 67},
                        {12, 69},
                        {13, 45},
                        {12, 30}},
                       FIALOVA);
    });
    dil(P, [&](const Pero& q) { q.obdelnik({12.5, 40}, {28, 43}, SAL); });
    // Purse of stolen coins.
    dil(P, [&](const Pero& q) { q.elipsa({14.5, 46}, 3, 3.5, {150, 110, 60}); });
    P.bod({14, 43.5}, ZLATO);
    // Hood with a shadowed face and glinting eyes.
    dil(P, [&](const Pero& q) {
        q.elipsa({20, 10}, 7, 8, FIALOVA);
        q.mnohouhelnik({{16, 3}, {7, 12}, {15, 15}}, FIALOVA);
        q.mnohouhelnik({{12, 14}, {27, 14}, {27, 20}, {12, 20}}, FIALOVA);
    });
    dil(P, [&](const Pero& q) { q.elipsa({23.5, 10.5}, 3.6, 4.2, Barva{30, 18, 36}); }, {.stin = false});
    dil(P,
        [&](const Pero& q) {
            q.mnohouhelnik({{19.5, 12.5}, {28, 12.5}, {27, 17}, {20, 17}}, FIALOVA_TMAVA);
        },
        {.obrys = false});
    P.bod({24, 10}, {255, 216, 72});
    P.bod({26.5, 10}, {255, 216, 72});

    // Dagger arm.
    Bod S{22, 22};
    Bod u = smer(z.uhel);
    Bod loket = faze == 2 ? Bod{15, 32} : S + (z.ruka - S) * 0.5 + Bod{-1, 3};
    dil(P, [&](const Pero& q) {
        q.kapsle(S, loket, 2.4, FIALOVA_TMAVA);
        q.kapsle(loket, z.ruka, 2.1, FIALOVA_TMAVA);
    });
    Bod n = normala(u);
    dil(P, [&](const Pero& q) {
        q.mnohouhelnik({z.ruka + u * 2 + n * 1.2, z.ruka + u * 8 + n * 0.8, z.ruka + u * 10.5,
                        z.ruka + u * 8 - n * 0.8, z.ruka + u * 2 - n * 1.2},
                       OCEL);
        q.kapsle(z.ruka + n * 2.3 + u * 1.5, z.ruka - n * 2.3 + u * 1.5, 0.8, ZLATO);
    });
    dil(P, [&](const Pero& q) { q.elipsa(z.ruka, 2, 2, Barva{64, 48, 60}); });
}

void zlodejNohy(const Pero& P, Bod zadni, Bod predni) {
    Bod kotniky[2] = {zadni, predni};
    for (int i = 0; i < 2; ++i) {
        double tma = i == 0 ? 0.8 : 1.0;
        Bod s = ZLODEJ_HOLENE[i], a = kotniky[i];
        // Straight down across the seam, then bent towards the ankle.
        dil(P, [&](const Pero& q) {
            q.kapsle(s + Bod{0, -3}, s + Bod{0, 1.5}, 2.4, NOHAVICE.krat(tma));
            q.kapsle(s + Bod{0, 1.5}, a, 2.4, NOHAVICE.krat(tma));
            q.mnohouhelnik(chodidlo(a, 2.5, 5.5, 3.5), Barva{44, 30, 40}.krat(tma));
        });
        P.cara(a + Bod{-2, -2}, a + Bod{2, -2}, FIALOVA.krat(tma));
    }
}

void zlodej(std::vector<Obrazek>& out) {
    const Rozmer telo{40, 80, 27, 54}, nohy{40, 11, 27, 7};
    for (int f = 1; f <= 3; ++f)
        ctyri(out, "nepratele/zlodej/zlodej" + std::to_string(f), telo,
              [&](const Pero& P) { zlodejTelo(P, f); });
    const Bod kroky[3][2] = {{{16, 6.5}, {23.5, 6.5}}, {{12, 6}, {27, 6.5}}, {{25, 6.5}, {13, 6}}};
    for (int i = 0; i < 3; ++i)
        ctyri(out, "nepratele/zlodej/zlodejNohy" + std::to_string(i + 1), nohy,
              [&](const Pero& P) { zlodejNohy(P, kroky[i][0], kroky[i][1]); });
}

}  // namespace

void kresliPostavy(std::vector<Obrazek>& out) {
    lovec(out);
    valecnik(out);
    zlodej(out);
}
