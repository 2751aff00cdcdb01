// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads: the pause and the game over panels and the controls
// card, in Czech (ostatni/) and in English (ostatni/en/), and the digits the
// game writes the pad's button numbers on the card with.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "RozlozeniKarty.h"
#include "kreslic.h"

namespace {

constexpr Barva STIN{10, 8, 16}, ZLATA{255, 214, 96}, KLAVESA{250, 204, 120}, TEXT{236, 232, 218};

void zaoblenyObdelnik(Platno& p, int x0, int y0, int x1, int y1, int r, Barva c) {
    p.obdelnik(x0 + r, y0, x1 - x0 - 2 * r, y1 - y0, c);
    p.obdelnik(x0, y0 + r, x1 - x0, y1 - y0 - 2 * r, c);
    for (double cx : {x0 + r + 0.0, x1 - r + 0.0})
        for (double cy : {y0 + r + 0.0, y1 - r + 0.0}) p.elipsa(cx, cy, r, r, c);
}

// A text that does not fit where it is meant to go is a mistake in this file.
void vejdeSe(const std::string& s, int k, int sirka) {
    if (Platno::sirkaTextu(s, k) <= sirka) return;
    std::fprintf(stderr, "kreslic: \"%s\" is %d pixels wide, %d at most\n", s.c_str(),
                 Platno::sirkaTextu(s, k), sirka);
    std::exit(1);
}

// Centred text; tucne grows the strokes by that many pixels for titles.
void napis(Platno& p, int cy, const std::string& s, int k, Barva c, int tucne = 0) {
    vejdeSe(s, k, p.w() - 40);
    Platno v(p.w(), p.h());
    int x = (p.w() - Platno::sirkaTextu(s, k)) / 2;
    v.text(x, cy, s, c, k);
    for (int i = 0; i < tucne; ++i) v.obrys(c);
    Platno st(p.w(), p.h());
    st.prekryj(v, std::max(1, k / 2), std::max(1, k / 2));
    st.prebarvi([&](int, int, Barva) { return STIN; });
    p.prekryj(st);
    v.plasticky(1.1, 0.85);
    v.obrys();
    p.prekryj(v);
}

// A line of the card: twice the font's size over its shadow.
void radek(Platno& p, int x, int y, const std::string& s, Barva c) {
    p.text(x + 1, y + 1, s, STIN, 2);
    p.text(x, y, s, c, 2);
}

Platno panel(int w, int h, int r) {
    Platno p(w, h);
    zaoblenyObdelnik(p, 0, 0, w, h, r, OBRYS);
    zaoblenyObdelnik(p, 1, 1, w - 1, h - 1, r - 1, {182, 136, 64});
    zaoblenyObdelnik(p, 3, 3, w - 3, h - 3, r - 3, {214, 172, 92});
    zaoblenyObdelnik(p, 4, 4, w - 4, h - 4, r - 4, {160, 116, 52});
    zaoblenyObdelnik(p, 7, 7, w - 7, h - 7, r - 7, {60, 40, 22});
    zaoblenyObdelnik(p, 8, 8, w - 8, h - 8, r - 8, {36, 40, 60});
    for (int y = 8; y < h - 8; ++y)
        for (int x = 0; x < w; ++x)
            if (p.barva(x, y) == Barva{36, 40, 60})
                p.bod(x, y, smichej({44, 50, 76}, {26, 28, 44}, double(y) / h));
    for (int x : {14, w - 15})
        for (int y : {14, h - 15}) {
            p.elipsa(x, y, 2.5, 2.5, {140, 100, 50});
            p.bod(x - 1, y - 1, {236, 200, 130});
        }
    return p;
}

struct Radek {
    const char* klavesa;
    const char* co;
};

// Everything the panels say in one language.
struct Texty {
    const char* slozka;  // under ostatni/
    const char* pauza[2];
    const char* konec[2];
    const char* nadpis;
    const char* klavesnice;
    std::vector<Radek> klavesy;
    Radek paka;
    const char* tlacitko;                    // before the number the game writes
    const char* tlacitka[karta::kTlacitek];  // what each numbered button does
    const char* poznamka[4];
    const char* zpet;
};

// clang-format off
const Texty CESKY = {
    "",
    {"PAUZA", "P – pokračovat"},
    {"KONEC HRY", "F9 – nahrát hru, Esc – konec"},
    "OVLÁDÁNÍ",
    "Klávesnice a myš",
    {{"← →", "chůze"}, {"F (držet)", "běh"}, {"D", "skok"}, {"A", "meč / luk"},
     {"↑ ↓", "luk nahoru / dolů"}, {"Mezerník", "úder / výstřel"}, {"Myš, klik", "mířit a střílet"},
     {"P", "pauza"}, {"S", "uložit hru"}, {"F9", "nahrát hru"}, {"Num + / -", "velký / malý svět"},
     {"M", "zvuk zap. / vyp."}, {"F1", "tato karta"}, {"F10", "velikost okna"},
     {"F11, Alt+Enter", "celá obrazovka"}, {"Esc", "konec hry"}},
    {"Křížek, páka", "jako ← → ↑ ↓"},
    "Tlačítko",
    {"skok", "běh (držet)", "úder / výstřel", "meč / luk", "pauza", "tato karta"},
    {"Čísla tlačítek určuje", "soubor nastaveni.txt.", "Obvykle 0 A, 1 B, 2 X,", "3 Y, 6 Back, 7 Start."},
    "F1 – zpět do hry",
};
const Texty ANGLICKY = {
    "en/",
    {"PAUSE", "P – go on"},
    {"GAME OVER", "F9 – load the game, Esc – quit"},
    "CONTROLS",
    "Keyboard and mouse",
    {{"← →", "walk"}, {"F (hold)", "run"}, {"D", "jump"}, {"A", "sword / bow"},
     {"↑ ↓", "bow up / down"}, {"Space", "strike / shoot"}, {"Mouse, click", "aim and shoot"},
     {"P", "pause"}, {"S", "save the game"}, {"F9", "load the game"}, {"Keypad + / -", "large / small world"},
     {"M", "sound on / off"}, {"F1", "this card"}, {"F10", "window size"},
     {"F11, Alt+Enter", "fullscreen"}, {"Esc", "quit"}},
    {"D-pad, stick", "like ← → ↑ ↓"},
    "Button",
    {"jump", "run (hold)", "strike / shoot", "sword / bow", "pause", "this card"},
    {"The file nastaveni.txt", "sets the numbers.", "Mostly 0 A, 1 B, 2 X,", "3 Y, 6 Back, 7 Start."},
    "F1 – back to the game",
};
// clang-format on

// The controls card: every key of the game and the pad's buttons, in the
// pixel font at twice its size so it reads at the game's own scale. The
// button numbers are left out: the game writes the ones in force.
Platno kartaOvladani(const Texty& t) {
    Platno p = panel(karta::kSirka, karta::kVyska, 22);
    napis(p, 30, t.nadpis, 4, ZLATA, 1);
    // A column: its title and rule, then its rows from y 112, 24 pixels apart.
    auto sloupec = [&](int x, int sirka, const char* nadpis) {
        vejdeSe(nadpis, 2, sirka - 20);
        radek(p, x, 78, nadpis, ZLATA);
        p.obdelnik(x, 100, sirka - 20, 2, {182, 136, 64});
    };
    auto polozka = [&](int x, int sirka, int y, const Radek& r) {
        vejdeSe(r.klavesa, 2, 150);
        vejdeSe(r.co, 2, sirka - 158 - 10);
        radek(p, x, y, r.klavesa, KLAVESA);
        radek(p, x + 158, y, r.co, TEXT);
    };
    sloupec(28, 388, t.klavesnice);
    for (size_t i = 0; i < t.klavesy.size(); ++i) polozka(28, 388, 112 + int(i) * 24, t.klavesy[i]);

    const int X = 420, SIRKA = karta::kSirka - X;
    static_assert(karta::kPrvniRadek == 112 + 24 && karta::kRozestup == 24);
    sloupec(X, SIRKA, "Gamepad");
    polozka(X, SIRKA, 112, t.paka);
    // Room for three digits before the action.
    vejdeSe(std::string(t.tlacitko) + " ", 2, karta::kCislaX - X);
    static_assert(karta::kCislaX + 3 * karta::kBunka <= X + 158);
    for (int i = 0; i < karta::kTlacitek; ++i)
        polozka(X, SIRKA, karta::kPrvniRadek + i * karta::kRozestup, {t.tlacitko, t.tlacitka[i]});
    int y = karta::kPrvniRadek + karta::kTlacitek * karta::kRozestup + 14;
    for (const char* s : t.poznamka) {
        vejdeSe(s, 2, SIRKA - 20);
        radek(p, X, y, s, TEXT);
        y += s == t.poznamka[1] ? 38 : 24;
    }
    napis(p, 516, t.zpet, 2, ZLATA);
    return p;
}

// The digits 0 to 9 as the card draws its keys, one to a cell.
Platno cisliceKarty() {
    Platno p(10 * karta::kBunka, karta::kVyskaBunky);
    for (int d = 0; d < 10; ++d) radek(p, d * karta::kBunka, 0, std::to_string(d), KLAVESA);
    return p;
}

}  // namespace

void kresliPanely(std::vector<Obrazek>& out) {
    out.push_back({"ostatni/cislaKarty.bmp", cisliceKarty(), true});
    for (const Texty* t : {&CESKY, &ANGLICKY}) {
        const std::string slozka = std::string("ostatni/") + t->slozka;
        Platno pauza = panel(400, 200, 22);
        napis(pauza, 42, t->pauza[0], 8, ZLATA, 2);
        napis(pauza, 128, t->pauza[1], 3, TEXT);
        out.push_back({slozka + "pauza.bmp", pauza, true});
        Platno konec = panel(500, 100, 16);
        napis(konec, 14, t->konec[0], 5, ZLATA, 1);
        napis(konec, 60, t->konec[1], 2, TEXT);
        out.push_back({slozka + "konec.bmp", konec, true});
        out.push_back({slozka + "ovladani.bmp", kartaOvladani(*t), true});
    }
}
