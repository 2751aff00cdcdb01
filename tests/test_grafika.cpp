// The generated pictures: every file the game loads is there with its size,
// keeps to the colour-key rules, and the pieces that meet on screen join up.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#ifndef GRONDELVIK_DATA
#define GRONDELVIK_DATA "data"
#endif

namespace {

namespace fs = std::filesystem;

enum Druh { DLAZDICE, KLIC };  // opaque tile / white is transparent

struct Polozka {
    const char* jmeno;  // under grafika/, without ".bmp"
    int w, h;
    int wm, hm;  // small size, 0 = no small picture
    bool levy;   // has facing-left pictures
    Druh druh;
};

// Every picture the game loads. Variants: plain, "l" (facing left), "m"
// (small) and "lm".
const Polozka OBRAZKY[] = {
    {"mise/cihly01b", 30, 30, 20, 20, false, DLAZDICE},
    {"mise/zed01", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/zed02", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/zed03", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/zem", 30, 30, 20, 20, false, DLAZDICE},
    {"mise/venku01", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/venku02", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/venku03", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/venku04", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/venku05", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/led", 30, 30, 20, 20, false, DLAZDICE},
    {"mise/pol01", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/pol02", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/pol03", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/pol04", 300, 300, 200, 200, false, DLAZDICE},
    {"mise/pol05", 300, 300, 200, 200, false, DLAZDICE},
    {"ostatni/pauza", 400, 200, 0, 0, false, KLIC},
    {"ostatni/konec", 500, 100, 0, 0, false, KLIC},
    {"lovec/n1", 70, 35, 44, 23, true, KLIC},
    {"lovec/n2", 70, 35, 44, 23, true, KLIC},
    {"lovec/n3", 70, 35, 44, 23, true, KLIC},
    {"lovec/n4", 70, 35, 44, 23, true, KLIC},
    {"lovec/n5", 70, 35, 44, 23, true, KLIC},
    {"lovec/n6", 70, 35, 44, 23, true, KLIC},
    {"lovec/n7", 70, 35, 44, 23, true, KLIC},
    {"lovec/l-30", 70, 66, 44, 44, true, KLIC},
    {"lovec/l0", 70, 66, 44, 44, true, KLIC},
    {"lovec/l30", 70, 66, 44, 44, true, KLIC},
    {"lovec/l60", 70, 66, 44, 44, true, KLIC},
    {"lovec/l90", 70, 66, 44, 44, true, KLIC},
    {"lovec/m0", 70, 66, 44, 44, true, KLIC},
    {"lovec/m1", 70, 66, 44, 44, true, KLIC},
    {"lovec/m2", 70, 66, 44, 44, true, KLIC},
    {"lovec/sip-30", 30, 30, 20, 20, true, KLIC},
    {"lovec/sip0", 30, 30, 20, 20, true, KLIC},
    {"lovec/sip30", 30, 30, 20, 20, true, KLIC},
    {"lovec/sip60", 30, 30, 20, 20, true, KLIC},
    {"lovec/sip90", 30, 30, 20, 20, false, KLIC},
    {"nepratele/valecnik/teloValecnik01", 79, 53, 53, 37, true, KLIC},
    {"nepratele/valecnik/teloValecnik02", 79, 53, 53, 37, true, KLIC},
    {"nepratele/valecnik/teloValecnik03", 79, 53, 53, 37, true, KLIC},
    {"nepratele/valecnik/teloValecnik04", 79, 53, 53, 37, true, KLIC},
    {"nepratele/valecnik/nohyValecnik01", 79, 40, 53, 25, true, KLIC},
    {"nepratele/valecnik/nohyValecnik02", 79, 40, 53, 25, true, KLIC},
    {"nepratele/valecnik/nohyValecnik03", 79, 40, 53, 25, true, KLIC},
    {"nepratele/valecnik/nohyValecnik04", 79, 40, 53, 25, true, KLIC},
    {"nepratele/valecnik/nohyValecnik05", 79, 40, 53, 25, true, KLIC},
    {"nepratele/zlodej/zlodej1", 40, 80, 27, 54, true, KLIC},
    {"nepratele/zlodej/zlodej2", 40, 80, 27, 54, true, KLIC},
    {"nepratele/zlodej/zlodej3", 40, 80, 27, 54, true, KLIC},
    {"nepratele/zlodej/zlodejNohy1", 40, 11, 27, 7, true, KLIC},
    {"nepratele/zlodej/zlodejNohy2", 40, 11, 27, 7, true, KLIC},
    {"nepratele/zlodej/zlodejNohy3", 40, 11, 27, 7, true, KLIC},
    {"ostatni/sip", 30, 30, 20, 20, false, KLIC},
    {"ostatni/toulec", 30, 30, 20, 20, false, KLIC},
    {"ostatni/zivot", 30, 30, 20, 20, false, KLIC},
    {"ostatni/novyLvl", 30, 30, 20, 20, false, KLIC},
    {"ostatni/0", 40, 50, 0, 0, false, KLIC},
    {"ostatni/1", 40, 50, 0, 0, false, KLIC},
    {"ostatni/2", 40, 50, 0, 0, false, KLIC},
    {"ostatni/3", 40, 50, 0, 0, false, KLIC},
    {"ostatni/4", 40, 50, 0, 0, false, KLIC},
    {"ostatni/5", 40, 50, 0, 0, false, KLIC},
    {"ostatni/6", 40, 50, 0, 0, false, KLIC},
    {"ostatni/7", 40, 50, 0, 0, false, KLIC},
    {"ostatni/8", 40, 50, 0, 0, false, KLIC},
    {"ostatni/9", 40, 50, 0, 0, false, KLIC},
    {"ostatni/lomitko", 25, 50, 0, 0, false, KLIC},
    {"ostatni/zivotI", 50, 50, 0, 0, false, KLIC},
    {"ostatni/toulecI", 50, 50, 0, 0, false, KLIC},
    {"ostatni/score", 50, 50, 0, 0, false, KLIC},
    {"ostatni/au", 30, 30, 0, 0, false, KLIC},
    {"ostatni/minul", 30, 30, 0, 0, false, KLIC},
};

struct Soubor {
    std::string cesta;
    int w, h;
    Druh druh;
};

// Every expected file with its expected size.
std::vector<Soubor> soubory() {
    std::vector<Soubor> v;
    for (const Polozka& p : OBRAZKY) {
        v.push_back({std::string(p.jmeno) + ".bmp", p.w, p.h, p.druh});
        if (p.levy) v.push_back({std::string(p.jmeno) + "l.bmp", p.w, p.h, p.druh});
        if (p.wm) {
            v.push_back({std::string(p.jmeno) + "m.bmp", p.wm, p.hm, p.druh});
            if (p.levy) v.push_back({std::string(p.jmeno) + "lm.bmp", p.wm, p.hm, p.druh});
        }
    }
    return v;
}

fs::path grafika(const std::string& soubor) {
    return fs::path(GRONDELVIK_DATA) / "grafika" / soubor;
}

// A loaded picture as 0xRRGGBB values.
struct Obr {
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
    bool bila(int x, int y) const { return at(x, y) == 0xFFFFFF; }
};

constexpr uint32_t BILA = 0xFFFFFF;

bool nacti(const std::string& soubor, Obr& o) {
    SDL_Surface* s = SDL_LoadBMP(grafika(soubor).c_str());
    if (!s) return false;
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> hlidac(s, SDL_FreeSurface);
    o.w = s->w, o.h = s->h;
    o.px.resize(size_t(o.w) * o.h);
    SDL_LockSurface(s);
    int bpp = s->format->BytesPerPixel;
    for (int y = 0; y < o.h; ++y)
        for (int x = 0; x < o.w; ++x) {
            const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * bpp;
            Uint32 v = 0;
            switch (bpp) {
                case 1: v = *p; break;
                case 2: v = *reinterpret_cast<const Uint16*>(p); break;
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
                case 3: v = p[0] << 16 | p[1] << 8 | p[2]; break;
#else
                case 3: v = p[0] | p[1] << 8 | p[2] << 16; break;
#endif
                default: v = *reinterpret_cast<const Uint32*>(p); break;
            }
            Uint8 r, g, b;
            SDL_GetRGB(v, s->format, &r, &g, &b);
            o.px[size_t(y) * o.w + x] = uint32_t(r) << 16 | g << 8 | b;
        }
    SDL_UnlockSurface(s);
    return true;
}

Obr musi(const std::string& soubor) {
    Obr o;
    EXPECT_TRUE(nacti(soubor, o)) << soubor << ": " << SDL_GetError();
    return o;
}

int rozdil(uint32_t a, uint32_t b) {
    int d = 0;
    for (int s = 0; s <= 16; s += 8) d += std::abs(int(a >> s & 255) - int(b >> s & 255));
    return d;
}

TEST(Grafika, KazdyObrazekExistujeANaciteSeVeSveVelikosti) {
    for (const Soubor& s : soubory()) {
        Obr o;
        ASSERT_TRUE(nacti(s.cesta, o)) << s.cesta << ": " << SDL_GetError();
        EXPECT_EQ(o.w, s.w) << s.cesta;
        EXPECT_EQ(o.h, s.h) << s.cesta;
    }
}

TEST(Grafika, DlazdiceJsouNeprusvitne) {
    for (const Soubor& s : soubory()) {
        if (s.druh != DLAZDICE) continue;
        Obr o = musi(s.cesta);
        EXPECT_EQ(std::count(o.px.begin(), o.px.end(), BILA), 0) << s.cesta << " has see-through white";
    }
}

TEST(Grafika, ObrazkySKlicemMajiPruhlednouIKreslenouCast) {
    for (const Soubor& s : soubory()) {
        if (s.druh != KLIC) continue;
        Obr o = musi(s.cesta);
        long bile = std::count(o.px.begin(), o.px.end(), BILA);
        EXPECT_GT(bile, 0) << s.cesta << " has nothing transparent";
        // Something real is drawn: at least a tenth of a 30x30 arrow box.
        EXPECT_GE(long(o.px.size()) - bile, long(o.px.size()) / 30) << s.cesta << " is (almost) empty";
    }
}

TEST(Grafika, LevyObrazekJeZrcadlemPraveho) {
    for (const Polozka& p : OBRAZKY) {
        if (!p.levy) continue;
        for (std::string m : {"", "m"}) {
            Obr r = musi(std::string(p.jmeno) + m + ".bmp"),
                l = musi(std::string(p.jmeno) + "l" + m + ".bmp");
            ASSERT_EQ(r.w, l.w) << p.jmeno << m;
            ASSERT_EQ(r.h, l.h) << p.jmeno << m;
            int spatne = 0;
            for (int y = 0; y < r.h; ++y)
                for (int x = 0; x < r.w; ++x) spatne += r.at(x, y) != l.at(r.w - 1 - x, y);
            EXPECT_EQ(spatne, 0) << p.jmeno << m << " left is not the mirror";
        }
    }
}

TEST(Grafika, SipNahoruNemaLevouVerzi) {
    EXPECT_FALSE(fs::exists(grafika("lovec/sip90l.bmp")));
    EXPECT_FALSE(fs::exists(grafika("lovec/sip90lm.bmp")));
    EXPECT_TRUE(fs::exists(grafika("lovec/sip90.bmp")));
}

// Bounding box of the drawn (non-white) pixels.
struct Ramec {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
};
Ramec ramec(const Obr& o) {
    Ramec r;
    for (int y = 0; y < o.h; ++y)
        for (int x = 0; x < o.w; ++x)
            if (!o.bila(x, y))
                r.x0 = std::min(r.x0, x), r.y0 = std::min(r.y0, y), r.x1 = std::max(r.x1, x),
                r.y1 = std::max(r.y1, y);
    return r;
}

// Mean x of the drawn pixels in a row.
double stredRadku(const Obr& o, int y) {
    double s = 0;
    int n = 0;
    for (int x = 0; x < o.w; ++x)
        if (!o.bila(x, y)) s += x, ++n;
    return n ? s / n : -1;
}

TEST(Grafika, SipyLetiSvymSmerem) {
    // Level arrow flying right: along the top rows, tip near x = 25.
    Obr o = musi("lovec/sip0.bmp");
    Ramec r = ramec(o);
    EXPECT_LE(r.y1, 6);
    EXPECT_GE(r.x1, 22);
    EXPECT_LE(r.x1, 28);
    EXPECT_LE(r.x0, 3);
    Obr m = musi("lovec/sip0m.bmp");
    Ramec rm = ramec(m);
    EXPECT_LE(rm.y1, 4);
    EXPECT_GE(rm.x1, 14);
    // Rising arrows have the tip up and right, the falling one down and right.
    for (std::string s : {"sip30", "sip60", "sip30m", "sip60m"}) {
        Obr a = musi("lovec/" + s + ".bmp");
        Ramec b = ramec(a);
        EXPECT_GT(stredRadku(a, b.y0), stredRadku(a, b.y1)) << s;
        EXPECT_GT(b.y1 - b.y0, (s.find("60") != std::string::npos ? b.x1 - b.x0 : 6)) << s;
    }
    for (std::string s : {"sip-30", "sip-30m"}) {
        Obr a = musi("lovec/" + s + ".bmp");
        Ramec b = ramec(a);
        EXPECT_LT(stredRadku(a, b.y0), stredRadku(a, b.y1)) << s;
    }
    // Straight up: a narrow column along the left edge, most of the height.
    for (std::string s : {"sip90", "sip90m"}) {
        Obr a = musi("lovec/" + s + ".bmp");
        Ramec b = ramec(a);
        EXPECT_LE(b.x1 - b.x0, a.w / 4) << s;
        EXPECT_GE(b.y1 - b.y0, a.h * 2 / 3) << s;
        EXPECT_LE(b.x0, 3) << s;
    }
}

TEST(Grafika, LovecDrziZbranVPraveCtvrtine) {
    for (std::string f : {"l-30", "l0", "l30", "l60", "l90", "m0", "m1", "m2"})
        for (std::string m : {"", "m"}) {
            Obr o = musi("lovec/" + f + m + ".bmp");
            int vpravo = 0;
            for (int y = 0; y < o.h; ++y)
                for (int x = o.w * 3 / 4; x < o.w; ++x) vpravo += !o.bila(x, y);
            EXPECT_GE(vpravo, m.empty() ? 20 : 8) << f << m;
        }
}

// The run of drawn pixels in row y around column x ([a, b], or empty).
std::pair<int, int> usek(const Obr& o, int y, int x) {
    if (o.bila(x, y)) return {1, 0};
    int a = x, b = x;
    while (a > 0 && !o.bila(a - 1, y)) --a;
    while (b + 1 < o.w && !o.bila(b + 1, y)) ++b;
    return {a, b};
}

// Every upper body stands on every legs picture without a step at the seam.
void navazuji(const std::vector<std::string>& tela, const std::vector<std::string>& nohy) {
    for (std::string m : {"", "m"})
        for (const std::string& n : nohy) {
            Obr dolni = musi(n + m + ".bmp");
            Ramec r;
            for (int x = 0; x < dolni.w; ++x)
                if (!dolni.bila(x, 0)) r.x0 = std::min(r.x0, x), r.x1 = std::max(r.x1, x);
            ASSERT_GE(r.x1, 0) << n << m << " has nothing on its first row";
            int stred = (r.x0 + r.x1) / 2;
            auto spodek = usek(dolni, 0, stred);
            for (const std::string& t : tela) {
                Obr horni = musi(t + m + ".bmp");
                ASSERT_EQ(horni.w, dolni.w);
                auto vrch = usek(horni, horni.h - 1, stred);
                ASSERT_LE(vrch.first, vrch.second) << t << m << " does not reach the seam";
                EXPECT_LE(std::abs(vrch.first - spodek.first), 1) << t << m << " / " << n << m;
                EXPECT_LE(std::abs(vrch.second - spodek.second), 1) << t << m << " / " << n << m;
            }
        }
}

TEST(Grafika, TelaANohyNavazuji) {
    navazuji(
        {"lovec/l-30", "lovec/l0", "lovec/l30", "lovec/l60", "lovec/l90", "lovec/m0", "lovec/m1", "lovec/m2"},
        {"lovec/n1", "lovec/n2", "lovec/n3", "lovec/n4", "lovec/n5", "lovec/n6", "lovec/n7"});
    const std::string v = "nepratele/valecnik/";
    navazuji({v + "teloValecnik01", v + "teloValecnik02", v + "teloValecnik03", v + "teloValecnik04"},
             {v + "nohyValecnik01", v + "nohyValecnik02", v + "nohyValecnik03", v + "nohyValecnik04",
              v + "nohyValecnik05"});
    const std::string z = "nepratele/zlodej/";
    navazuji({z + "zlodej1", z + "zlodej2", z + "zlodej3"},
             {z + "zlodejNohy1", z + "zlodejNohy2", z + "zlodejNohy3"});
}

TEST(Grafika, SnimkySeNeopakuji) {
    // Frames and icons are each drawn, not copies of one another.
    const std::vector<std::vector<std::string>> skupiny = {
        {"ostatni/0", "ostatni/1", "ostatni/2", "ostatni/3", "ostatni/4", "ostatni/5", "ostatni/6",
         "ostatni/7", "ostatni/8", "ostatni/9"},
        {"ostatni/sip", "ostatni/toulec", "ostatni/zivot", "ostatni/novyLvl"},
        {"lovec/n1", "lovec/n2", "lovec/n3", "lovec/n4", "lovec/n5", "lovec/n6", "lovec/n7"},
        {"lovec/l-30", "lovec/l0", "lovec/l30", "lovec/l60", "lovec/l90", "lovec/m0", "lovec/m1", "lovec/m2"},
        {"nepratele/valecnik/teloValecnik01", "nepratele/valecnik/teloValecnik02",
         "nepratele/valecnik/teloValecnik03", "nepratele/valecnik/teloValecnik04"},
        {"nepratele/zlodej/zlodej1", "nepratele/zlodej/zlodej2", "nepratele/zlodej/zlodej3"},
        {"mise/zed01", "mise/zed02", "mise/zed03"},
        {"mise/venku01", "mise/venku02", "mise/venku03", "mise/venku04", "mise/venku05"},
        {"mise/pol01", "mise/pol02", "mise/pol03", "mise/pol04", "mise/pol05"},
    };
    for (const auto& sk : skupiny)
        for (size_t i = 0; i < sk.size(); ++i)
            for (size_t j = i + 1; j < sk.size(); ++j) {
                Obr a = musi(sk[i] + ".bmp"), b = musi(sk[j] + ".bmp");
                EXPECT_NE(a.px, b.px) << sk[i] << " == " << sk[j];
            }
}

// Mean colour difference between column a and column b (or rows).
double sloupce(const Obr& o, int a, int b) {
    double s = 0;
    for (int y = 0; y < o.h; ++y) s += rozdil(o.at(a, y), o.at(b, y));
    return s / o.h;
}
double radky(const Obr& o, int a, int b) {
    double s = 0;
    for (int x = 0; x < o.w; ++x) s += rozdil(o.at(x, a), o.at(x, b));
    return s / o.w;
}

TEST(Grafika, PozadiUrovneNavazujiVKazdemPoradi) {
    const std::vector<std::vector<std::string>> urovne = {
        {"mise/zed01", "mise/zed02", "mise/zed03"},
        {"mise/venku01", "mise/venku02", "mise/venku03", "mise/venku04", "mise/venku05"},
        {"mise/pol01", "mise/pol02", "mise/pol03", "mise/pol04", "mise/pol05"},
    };
    for (const auto& uroven : urovne)
        for (std::string m : {"", "m"}) {
            std::vector<Obr> bunky;
            for (const std::string& j : uroven) bunky.push_back(musi(j + m + ".bmp"));
            const Obr& prvni = bunky[0];
            const int pas = prvni.w / 30;  // the band along the edges
            // All cells share their edge band, so any cell may sit next to any other...
            for (size_t i = 1; i < bunky.size(); ++i) {
                int spatne = 0;
                for (int y = 0; y < prvni.h; ++y)
                    for (int x = 0; x < prvni.w; ++x)
                        if ((x < pas || y < pas || x >= prvni.w - pas || y >= prvni.h - pas) &&
                            bunky[i].at(x, y) != prvni.at(x, y))
                            ++spatne;
                EXPECT_EQ(spatne, 0) << uroven[i] << m << " differs from " << uroven[0] << m
                                     << " at its edges";
            }
            // ...and the band wraps: the step across the seam is no bigger
            // than the steps the base pattern itself makes inside the band.
            double vlevoVpravo = 0, nahoreDole = 0;
            for (int i = 0; i + 1 < pas; ++i) {
                vlevoVpravo = std::max({vlevoVpravo, sloupce(prvni, i, i + 1),
                                        sloupce(prvni, prvni.w - 2 - i, prvni.w - 1 - i)});
                nahoreDole = std::max(
                    {nahoreDole, radky(prvni, i, i + 1), radky(prvni, prvni.h - 2 - i, prvni.h - 1 - i)});
            }
            EXPECT_LE(sloupce(prvni, prvni.w - 1, 0), vlevoVpravo + 4)
                << uroven[0] << m << " left/right seam";
            EXPECT_LE(radky(prvni, prvni.h - 1, 0), nahoreDole + 4) << uroven[0] << m << " top/bottom seam";
        }
}

TEST(Grafika, PanelyMajiPruhledneRohy) {
    for (std::string s : {"ostatni/pauza.bmp", "ostatni/konec.bmp"}) {
        Obr o = musi(s);
        EXPECT_TRUE(o.bila(0, 0) && o.bila(o.w - 1, 0) && o.bila(0, o.h - 1) && o.bila(o.w - 1, o.h - 1))
            << s;
        EXPECT_FALSE(o.bila(o.w / 2, o.h / 2)) << s;
    }
}

TEST(Grafika, TabulkaZnaVsechnyVykresleneSoubory) {
    // Nothing generated that the game does not know of (a stray or misnamed file).
    std::vector<std::string> ocekavane;
    for (const Soubor& s : soubory()) ocekavane.push_back(s.cesta);
    int cizi = 0;
    for (const auto& e : fs::recursive_directory_iterator(grafika(""))) {
        if (!e.is_regular_file() || e.path().extension() != ".bmp") continue;
        std::string rel = fs::relative(e.path(), grafika("")).generic_string();
        if (std::find(ocekavane.begin(), ocekavane.end(), rel) == ocekavane.end()) {
            ADD_FAILURE() << "unexpected picture " << rel;
            ++cizi;
        }
    }
    EXPECT_EQ(cizi, 0);
}

}  // namespace
