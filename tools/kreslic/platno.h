// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing toolkit of the asset generator: a pixel canvas with a few shapes,
// per-part shading and outlines, a small pixel font and the file writers.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Barva {
    uint8_t r = 0, g = 0, b = 0;
    constexpr Barva() = default;
    constexpr Barva(int r_, int g_, int b_) : r(uint8_t(r_)), g(uint8_t(g_)), b(uint8_t(b_)) {}
    bool operator==(const Barva&) const = default;
    // Multiplies the colour (k < 1 darker, k > 1 lighter), clamped.
    Barva krat(double k) const;
    Barva plus(int d) const;
};

Barva smichej(Barva a, Barva b, double t);

struct Bod {
    double x = 0, y = 0;
};
inline Bod operator+(Bod a, Bod b) {
    return {a.x + b.x, a.y + b.y};
}
inline Bod operator-(Bod a, Bod b) {
    return {a.x - b.x, a.y - b.y};
}
inline Bod operator*(Bod a, double k) {
    return {a.x * k, a.y * k};
}
// Unit vector at an angle in degrees, 0 = right, 90 = up (screen y grows down).
Bod smer(double stupne);
// Point on a quadratic Bezier curve.
Bod bezier(Bod a, Bod b, Bod c, double t);

// The shared dark outline of every figure and item.
constexpr Barva OBRYS{28, 20, 30};
// What the game treats as see-through in keyed pictures.
constexpr Barva BILA{255, 255, 255};

class Platno {
public:
    Platno(int w = 0, int h = 0);

    int w() const { return w_; }
    int h() const { return h_; }
    bool uvnitr(int x, int y) const { return x >= 0 && y >= 0 && x < w_ && y < h_; }
    bool plny(int x, int y) const { return uvnitr(x, y) && (px_[y * w_ + x] >> 24); }
    Barva barva(int x, int y) const;

    void bod(int x, int y, Barva c);
    void smaz(int x, int y);
    void vypln(Barva c);
    void obdelnik(int x, int y, int w, int h, Barva c);

    // Shapes in pixel coordinates; a pixel is covered when its centre is.
    void elipsa(double cx, double cy, double rx, double ry, Barva c);
    void kapsle(Bod a, Bod b, double r, Barva c);  // thick line with round ends
    void mnohouhelnik(const std::vector<Bod>& v, Barva c);
    void cara(Bod a, Bod b, Barva c);  // exactly one pixel thick

    // A 1 px outline on the empty pixels next to covered ones.
    void obrys(Barva c = OBRYS);
    // Light from the upper left: lit top/left rim, shaded bottom/right rim.
    void plasticky(double svetlo = 1.22, double stin = 0.72);
    // Recolours covered pixels only, keeping the shape.
    void prebarvi(const std::function<Barva(int x, int y, Barva)>& f);

    void prekryj(const Platno& v, int dx = 0, int dy = 0);
    Platno zrcadlo() const;

    // Pixel font: 5x7 glyphs with descenders, proportional spacing, UTF-8
    // text with the Czech letters; their accents rise up to three rows above y.
    int text(int x, int y, const std::string& s, Barva c, int meritko = 1);
    static int sirkaTextu(const std::string& s, int meritko = 1);
    static constexpr int VYSKA_PISMA = 9;  // including descenders

private:
    int w_, h_;
    std::vector<uint32_t> px_;  // top byte set = covered
};

// Pen in design coordinates: figures are laid out at the large size and the
// pen maps them onto the canvas at its own scale, so the small pictures are
// rasterised at their own resolution rather than shrunk.
struct Pero {
    Platno* p;
    double sx = 1, sy = 1;

    Bod m(Bod a) const { return {a.x * sx, a.y * sy}; }
    double r(double r) const;
    void elipsa(Bod s, double rx, double ry, Barva c) const;
    void kapsle(Bod a, Bod b, double r, Barva c) const;
    void mnohouhelnik(const std::vector<Bod>& v, Barva c) const;
    void cara(Bod a, Bod b, Barva c) const;
    // One pixel whatever the scale (eyes, glints).
    void bod(Bod a, Barva c) const;
    void obdelnik(Bod a, Bod b, Barva c) const;
    // A thick curve along a quadratic Bezier.
    void oblouk(Bod a, Bod b, Bod c, double r, Barva barva) const;
    Pero na(Platno& jine) const { return {&jine, sx, sy}; }
};

struct Dil {
    bool obrys = true;
    bool stin = true;
    double svetlo = 1.22, tma = 0.72;
    Barva barvaObrysu = OBRYS;
};

// Draws one part on a layer of its own, shades and outlines it and lays it
// over the canvas, so overlapping parts keep a dark line between them.
void dil(const Pero& pero, const std::function<void(const Pero&)>& kresli, Dil d = {});

// Deterministic hash noise, the same on every machine.
uint32_t hash3(int x, int y, int z);
double nahoda(int x, int y, int z);  // 0..1

// Writes a 24-bit BMP through SDL via a temporary file and rename, so readers
// never see a half-written picture. With klic, covered pure white is nudged
// off white and empty pixels become white (the game's colour key).
bool ulozBmp(const Platno& p, const std::string& cesta, bool klic);
// A PNG with a small deflate encoder of our own.
bool ulozPng(const Platno& p, const std::string& cesta);
std::vector<uint8_t> kodujPng(const Platno& p);
