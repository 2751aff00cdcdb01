// SPDX-License-Identifier: GPL-3.0-or-later
// Movement against the solid grid: the two collision queries, the hunter's
// frame (fall, jump, walk, pickup) and the arrows in flight.
#include <cmath>
#include <cstdlib>
#include <utility>

#include "Hrac.h"
#include "Level.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kChuze = 10;        // walking step
constexpr int kTize = 10;         // gravity, added to pad every airborne frame
constexpr int kSondaPodlahy = 5;  // how far below the feet a floor still counts
constexpr int kPrvniPad = 15;     // first fall speed after walking off an edge
constexpr int kKrokSipu = 50;
constexpr int kDostrelSipu = 500;
constexpr int kZaboreni = 3;  // a box rests this deep in the floor row

Sint16 kratke(int v) {
    return static_cast<Sint16>(v);
}

}  // namespace

// Probes advance one tile at a time and always end on the target itself, so a
// one-tile wall can never be stepped over.
int Level::volnoX(int sx, int nx, int ny, int sirka, int vyska, int tolerance) {
    const int r0 = ny / vP, r1 = (ny + vyska) / vP;  // the bottom edge's row is the floor: skipped
    if (r0 >= r1) return nx;                         // a box too low to reach into a row meets no wall
    auto zed = [&](int c) {
        for (int r = r0; r < r1; ++r)
            if (getPevna(c, r)) return true;
        return false;
    };
    if (sx < nx) {
        for (int p = sx; p <= nx;) {
            const int c = (p + sirka - tolerance) / sP;
            if (zed(c)) return c * sP - sirka + tolerance;
            p = (p < nx && p + sP > nx) ? nx : p + sP;
        }
    } else {
        for (int p = sx; p >= nx;) {
            const int c = (p + tolerance) / sP;
            if (zed(c)) return c * sP + sP - tolerance;
            p = (p > nx && p - sP < nx) ? nx : p - sP;
        }
    }
    return nx;
}

int Level::volnoY(int sy, int nx, int ny, int sirka, int vyska, int tolerance) {
    const int c0 = (nx + tolerance) / sP, c1 = (nx + sirka) / sP;
    auto pevnyRadek = [&](int r) {
        if (c0 == c1) return getPevna(c0, r);
        for (int c = c0; c < c1; ++c)
            if (getPevna(c, r)) return true;
        return false;
    };
    if (sy <= ny) {
        for (int p = sy; p <= ny;) {
            const int r = (p + vyska) / vP;
            // Resting a little inside the floor lets the next downward probe
            // find it at once.
            if (pevnyRadek(r)) return r * vP - vyska + kZaboreni;
            p = (p < ny && p + vP > ny) ? ny : p + vP;
        }
    } else {
        for (int p = sy; p >= ny;) {
            const int r = p / vP;
            if (pevnyRadek(r)) return r * vP + vP;
            p = (p > ny && p - vP < ny) ? ny : p - vP;
        }
    }
    return ny;
}

void Level::kontrola() {
    Hrac& h = *hrac;
    const int tolerance = h.sirka / 4;

    const int y0 = h.pozice.y;
    if (h.vzduch) {
        // Only a jump from the ground starts with no fall speed.
        if (h.pad == 0) zaznam.pridej(Udalost::skok);
        h.aNohy = 6;
        const int ty = y0 - h.skok + h.pad;
        const int y = volnoY(y0, h.pozice.x, ty, h.sirka, h.vyska, tolerance);
        h.pozice.y = kratke(y);
        if (y0 < ty && y != ty) {
            h.aNohy = 2;
            h.vzduch = false;
            h.pad = 0;
            zaznam.pridej(Udalost::dopad);
        } else {
            // Also under a ceiling: he hangs there until pad outweighs skok.
            h.pad += kTize;
        }
    } else {
        const int r = volnoY(y0, h.pozice.x, y0 + kSondaPodlahy, h.sirka, h.vyska, tolerance);
        if (r > y0) {
            h.vzduch = true;
            h.aNohy = 6;
            h.pozice.y = kratke(r);
            h.pad = h.skok + kPrvniPad;
        }
    }

    const int x0 = h.pozice.x;
    if (!h.stop) {
        int krok = kChuze + (h.b ? h.beh : 0);
        if (h.vlevo) krok = -krok;
        h.pozice.x = kratke(volnoX(x0, x0 + krok, h.pozice.y, h.sirka, h.vyska, tolerance));
    }

    seberePredmety(x0, y0);
    letSipu();
}

void Level::seberePredmety(int sx, int sy) {
    Hrac& h = *hrac;
    int nx = h.pozice.x, ny = h.pozice.y;
    if (sx > nx) std::swap(sx, nx);
    if (sy > ny) std::swap(sy, ny);
    const int rx = nx - sx, ry = ny - sy;

    auto seber = [&](int c, int r) {
        if (Predmet* p = list->getPredmet(c, r)) {
            zaznam.pridej(p == sip.get()      ? Udalost::sebranySip
                          : p == toulec.get() ? Udalost::sebranyToulec
                          : p == zivoty.get() ? Udalost::sebraneZivoty
                                              : Udalost::vychod);
            p->sebere(hrac);
            list->removeFrom(c, r);
        }
    };

    if (rx >= ry) {
        for (int i = sx; i <= nx;) {
            const int c = (i + (2 * h.sirka) / 3) / sP;
            for (int j = sy / vP; j <= (sy + h.vyska) / vP; ++j) seber(c, j);
            // rx == 0 means a single probe; the slope would divide by zero.
            if (rx > 0) sy += static_cast<int>(ry / (rx / static_cast<double>(sP)));
            i = (i < nx && i + sP > nx) ? nx : i + sP;
        }
    } else {
        for (int i = sy; i <= ny;) {
            // Falling feet find what lies under them, a rising head what is above.
            const int r = h.pad > h.skok ? (i + h.vyska) / vP : i / vP;
            for (int j = sx / sP; j <= (sx + h.sirka) / sP; ++j) seber(j, r);
            sx += static_cast<int>(rx / (ry / static_cast<double>(vP)));
            i = (i < ny && i + vP > ny) ? ny : i + vP;
        }
    }
}

void Level::letSipu() {
    Hrac& h = *hrac;
    for (int k = 0; k < h.pozSipy;) {
        VystrelenySip& s = h.vSipy[k];
        if (s.vzdalenost == 0) zaznam.pridej(Udalost::vystrel);  // shot since the last frame
        const double uhel = s.alfa * kPi / 180;
        const int a = static_cast<int>(std::cos(uhel) * kKrokSipu);
        const int b = static_cast<int>(std::sin(uhel) * kKrokSipu);
        const long long tx = s.vlevo ? s.x - a - 1LL * s.rychlost : s.x + a + 1LL * s.rychlost;
        const long long ty = s.y - b;
        // Both queries start from the old position; a blocked arrow stays
        // stuck, since the same queries fail again next frame. Far outside
        // the level, where only a level flight through the rows' seams
        // could take it, the edge of the world stops it too.
        const long long mez = vetsi ? kMezPolohySipu : 2LL * kMezPolohySipu / 3;
        if (std::abs(tx) <= mez && std::abs(ty) <= mez && volnoX(s.x, int(tx), s.y, 10, 3, 0) == tx &&
            volnoY(s.y, s.x, int(ty), 10, 3, 0) == ty) {
            s.x = int(tx);
            s.y = int(ty);
        } else if (!s.zaseknuty) {
            s.zaseknuty = true;
            zaznam.pridej(Udalost::sipVeZdi);
        }
        s.vzdalenost += kKrokSipu;
        if (s.vzdalenost > kDostrelSipu) {
            // Keep the live arrows contiguous; the one moved here still flies this frame.
            h.vSipy[k] = h.vSipy[h.pozSipy - 1];
            --h.pozSipy;
            continue;
        }
        sipTrefa(&s);
        ++k;
    }
}
