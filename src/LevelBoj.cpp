// SPDX-License-Identifier: GPL-3.0-or-later
// Fighting: enemies patrol, chase and strike the hunter; the hunter's sword
// and arrows strike back, kill, score and sometimes make him stronger.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "Hrac.h"
#include "Level.h"

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kStraz = 249;  // a guard notices the hunter at this distance or nearer

SDL_Rect bod(int x, int y) {
    SDL_Rect r{};
    r.x = static_cast<Sint16>(x);
    r.y = static_cast<Sint16>(y);
    return r;
}

// The hunter's body: his sprite without the quarter on the side he faces,
// where the bow or sword is drawn.
struct Telo {
    SDL_Rect levyHorni, pravyDolni;
};
Telo teloHrace(const Hrac& h) {
    const int x0 = h.vlevo ? h.pozice.x + h.sirka / 4 : h.pozice.x;
    const int x1 = h.vlevo ? h.pozice.x + h.sirka : h.pozice.x + h.sirka - h.sirka / 4;
    return {bod(x0, h.pozice.y), bod(x1, h.pozice.y + h.vyska)};
}

}  // namespace

int Level::getVzdalenost(SDL_Rect bod1, SDL_Rect bod2) {
    const double dx = bod1.x - bod2.x, dy = bod1.y - bod2.y;
    return static_cast<int>(std::sqrt(dx * dx + dy * dy));
}

void Level::pohniSNeprateli() {
    for (const auto& n : set->nepratele) {
        pohniSNepritelem(n.get());
        utoc(n.get());
    }
}

void Level::pohniSNepritelem(Nepritel* n) {
    const Hrac& h = *hrac;
    const TypNepritele& t = *n->typ;
    const int polomer = vetsi ? 250 : 167;
    bool vlevo = n->vlevo, stuj = false, blizko = false;

    // Which way the hunter is; straight under him the enemy can only wait.
    auto stranou = [&] {
        const int stred = n->pozice.x + t.sirka / 2;
        if (h.pozice.x + h.sirka < stred)
            vlevo = true;
        else if (h.pozice.x > stred)
            vlevo = false;
        else
            stuj = true;
    };
    auto hlidej = [&] {
        if (getVzdalenost(h.pozice, n->pozice) > kStraz) {
            stuj = true;
        } else {
            blizko = true;
            stranou();
        }
    };
    auto pronasleduj = [&] {
        if (getVzdalenost(h.pozice, n->pozice) < polomer) {
            blizko = true;
            stranou();
        }
    };
    switch (n->mod) {
        case 2: pronasleduj(); break;
        case 1:
            hlidej();
            pronasleduj();
            break;
        case 3:
            stuj = true;
            hlidej();
            pronasleduj();
            break;
        default: break;
    }

    int dx = 0;
    if (!stuj) {
        const int x = n->pozice.x, y = n->pozice.y, tol = t.sirka / 4;
        int tx = volnoX(x, vlevo ? x - t.rychlost : x + t.rychlost, y, t.sirka, t.vyska, tol);
        // Feel for the floor under the own spot, one cell on and one cell
        // past the target; no floor anywhere there cancels the step.
        int yp = y;
        auto sonda = [&](int i) {
            yp = volnoY(yp, i, yp + 5, t.sirka, t.vyska, tol);
            if (yp > y + 3) tx = x;
        };
        if (vlevo) {
            for (int i = x; i >= tx - sP;) {
                sonda(i);
                i = (tx > i && i + sP > tx) ? tx - sP : i - sP;
            }
        } else {
            for (int i = x; i <= tx + sP;) {
                sonda(i);
                i = (tx < i && i - sP < tx) ? tx + sP : i + sP;
            }
        }
        dx = tx - x;
    }
    // A chasing enemy that is blocked keeps facing the hunter.
    if (dx == 0 && !blizko) n->vlevo = !n->vlevo;
    n->pohniSe(bod(dx, 0));
}

void Level::utoc(Nepritel* n) {
    Hrac& h = *hrac;
    const TypNepritele& t = *n->typ;
    const Telo telo = teloHrace(h);
    if (!set->isIn(telo.levyHorni, telo.pravyDolni, n)) return;
    const int pul = t.sirka / 2;
    if (!((n->vlevo && h.pozice.x - pul < n->pozice.x) || (!n->vlevo && h.pozice.x + pul > n->pozice.x)))
        return;
    if (n->citac != 0) return;
    n->zautoc(hrac);
    if (BojoveInfo::trefil(t.obratnost, h.obratnost)) {
        h.zivoty = omez(static_cast<long long>(h.zivoty) - BojoveInfo::zraneni(t.sila));
        bInfo->addZasah(telo.levyHorni);
        zaznam.pridej(Udalost::zraneni);
    } else {
        bInfo->addMinul(telo.levyHorni);
        zaznam.pridej(Udalost::minuti);
    }
}

void Level::hracUtok() {
    std::srand(static_cast<unsigned>(hodiny::ted()));
    const Hrac& h = *hrac;
    const Telo telo = teloHrace(h);
    auto& nepratele = set->nepratele;
    for (auto it = nepratele.begin(); it != nepratele.end();) {
        // The blow may remove this enemy.
        Nepritel* n = (it++)->get();
        const bool predNim =
            h.vlevo ? h.pozice.x + h.sirka / 3 > n->pozice.x : h.pozice.x - h.sirka / 3 < n->pozice.x;
        if (set->isIn(telo.levyHorni, telo.pravyDolni, n) && predNim) hracUtociNa(n, true);
    }
}

void Level::sipTrefa(VystrelenySip* s) {
    int x0, x1, y0;
    if (s->vlevo) {
        x0 = s->x;
        x1 = s->x + 15;
        y0 = s->alfa < 0 ? s->y + 5 : s->y;
    } else {
        x1 = s->x + static_cast<int>(std::cos(s->alfa * kPi / 180) * 25);
        x0 = x1 - 15;
        y0 = s->y;
    }
    // Enemies stand at 16-bit positions: a tip beyond them meets none (and
    // cut to 16 bits it would seem to meet one).
    if (x0 < INT16_MIN || x1 > INT16_MAX || y0 < INT16_MIN || y0 + 5 > INT16_MAX) return;
    const SDL_Rect levyHorni = bod(x0, y0), pravyDolni = bod(x1, y0 + 5);
    for (const auto& n : set->nepratele) {
        if (set->isIn(levyHorni, pravyDolni, n.get())) {
            s->vzdalenost = 500;  // one more step, then it is gone
            hracUtociNa(n.get(), false);
            return;
        }
    }
}

void Level::hracUtociNa(Nepritel* n, bool mec) {
    Hrac& h = *hrac;
    const TypNepritele& t = *n->typ;
    const SDL_Rect kde = bod(n->vlevo ? n->pozice.x + t.sirka : n->pozice.x, n->pozice.y);
    if (!BojoveInfo::trefil(h.obratnost, t.obratnost)) {
        bInfo->addMinul(kde);
        zaznam.pridej(Udalost::minuti);
        return;
    }
    n->zivoty = omez(static_cast<long long>(n->zivoty) - BojoveInfo::zraneni(h.sila));
    if (n->zivoty <= 0) {
        set->deleteNepritel(n);  // n is gone from here on
        h.score = omez(h.score + 100LL * obtiznost);
        zaznam.pridej(Udalost::zabiti);
    }
    bInfo->addZasah(kde);
    zaznam.pridej(Udalost::zasah);
    if (std::rand() % 10 != 0) return;
    if (mec) {
        h.sila = omez(h.sila + 1LL);
        h.maxZivotu = omez(h.maxZivotu + 3LL);
    } else {
        h.obratnost = omez(h.obratnost + 1LL);
        h.maxZivotu = omez(h.maxZivotu + 1LL);
        h.beh = omez((h.obratnost - 15LL) / 5 + 10);
        if (!vetsi) h.beh = 2 * h.beh / 3 + 3;
    }
}
