// The generated pictures: every file the game loads is there in its size, keeps
// to its colour-key rule, faces left as the mirror of right, and no two frames
// of a set are the same (the drawing tests rely on telling them apart).
#include <algorithm>
#include <sstream>

#include "pomocnik.h"

namespace {

struct Skupina {
    const char* jmena;  // under grafika/, without ".bmp"
    int w, h, wm, hm;   // wm 0: no small picture ("m")
    bool levy, klic;    // facing-left pictures ("l"); white is transparent
};

const Skupina kSkupiny[] = {
    {"mise/cihly01b mise/zem mise/led", 30, 30, 20, 20, false, false},
    {"mise/zed01 mise/zed02 mise/zed03", 300, 300, 200, 200, false, false},
    {"mise/venku01 mise/venku02 mise/venku03 mise/venku04 mise/venku05", 300, 300, 200, 200, false, false},
    {"mise/pol01 mise/pol02 mise/pol03 mise/pol04 mise/pol05", 300, 300, 200, 200, false, false},
    {"ostatni/pauza", 400, 200, 0, 0, false, true},
    {"ostatni/konec", 500, 100, 0, 0, false, true},
    {"lovec/n1 lovec/n2 lovec/n3 lovec/n4 lovec/n5 lovec/n6 lovec/n7", 70, 35, 44, 23, true, true},
    {"lovec/l-30 lovec/l0 lovec/l30 lovec/l60 lovec/l90 lovec/m0 lovec/m1 lovec/m2", 70, 66, 44, 44, true,
     true},
    {"lovec/sip-30 lovec/sip0 lovec/sip30 lovec/sip60", 30, 30, 20, 20, true, true},
    {"lovec/sip90", 30, 30, 20, 20, false, true},
    {"nepratele/valecnik/teloValecnik01 nepratele/valecnik/teloValecnik02 nepratele/valecnik/teloValecnik03 "
     "nepratele/valecnik/teloValecnik04",
     79, 53, 53, 37, true, true},
    {"nepratele/valecnik/nohyValecnik01 nepratele/valecnik/nohyValecnik02 nepratele/valecnik/nohyValecnik03 "
     "nepratele/valecnik/nohyValecnik04 nepratele/valecnik/nohyValecnik05",
     79, 40, 53, 25, true, true},
    {"nepratele/zlodej/zlodej1 nepratele/zlodej/zlodej2 nepratele/zlodej/zlodej3", 40, 80, 27, 54, true,
     true},
    {"nepratele/zlodej/zlodejNohy1 nepratele/zlodej/zlodejNohy2 nepratele/zlodej/zlodejNohy3", 40, 11, 27, 7,
     true, true},
    {"ostatni/sip ostatni/toulec ostatni/zivot ostatni/novyLvl", 30, 30, 20, 20, false, true},
    {"ostatni/0 ostatni/1 ostatni/2 ostatni/3 ostatni/4 ostatni/5 ostatni/6 ostatni/7 ostatni/8 ostatni/9",
     40, 50, 0, 0, false, true},
    {"ostatni/lomitko", 25, 50, 0, 0, false, true},
    {"ostatni/zivotI ostatni/toulecI ostatni/score", 50, 50, 0, 0, false, true},
    {"ostatni/au ostatni/minul", 30, 30, 0, 0, false, true}};

// A picture's pixels as 0xRRGGBB, row by row.
std::vector<Uint32> pixely(const std::string& soubor, int& w, int& h) {
    Obrazek o(SDL_LoadBMP((std::string(GRONDELVIK_DATA) + "/grafika/" + soubor).c_str()));
    if (!o) return {};
    Obrazek s(SDL_CreateRGBSurface(SDL_SWSURFACE, w = o->w, h = o->h, 32, 0xFF0000, 0xFF00, 0xFF, 0));
    SDL_BlitSurface(o.get(), nullptr, s.get(), nullptr);
    std::vector<Uint32> v;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            v.push_back(static_cast<Uint32*>(s->pixels)[y * s->pitch / 4 + x] & 0xFFFFFF);
    return v;
}

TEST(Grafika, EveryPictureIsThereInItsSizeKeyRuleAndMirrorAndFramesDiffer) {
    for (const Skupina& s : kSkupiny) {
        std::istringstream jmena(s.jmena);
        std::vector<std::vector<Uint32>> snimky;
        for (std::string j; jmena >> j;)
            for (const std::string k : {"", "l", "m", "lm"}) {
                const bool levy = k.find('l') != std::string::npos, maly = k.find('m') != std::string::npos;
                if ((levy && !s.levy) || (maly && !s.wm)) continue;
                int w = 0, h = 0, pw = 0, ph = 0;
                const std::vector<Uint32> p = pixely(j + k + ".bmp", w, h);
                EXPECT_EQ(r(w, h), maly ? r(s.wm, s.hm) : r(s.w, s.h)) << j << k;
                const long bile = std::count(p.begin(), p.end(), 0xFFFFFFu), vse = long(p.size());
                // Something see-through and something real drawn, or no white at all.
                EXPECT_TRUE(s.klic ? bile > 0 && vse - bile >= vse / 30 : bile == 0) << j << k;
                if (k.empty()) snimky.push_back(p);
                if (!levy) continue;
                const std::vector<Uint32> pravy = pixely(j + k.substr(1) + ".bmp", pw, ph);
                for (int y = 0; y < h * w; ++y) ASSERT_EQ(p[y], pravy[y - y % w + w - 1 - y % w]) << j << k;
            }
        for (size_t i = 0; i < snimky.size(); ++i)
            for (size_t k = i + 1; k < snimky.size(); ++k)
                EXPECT_NE(snimky[i], snimky[k]) << s.jmena << i << k;
    }
}

}  // namespace
