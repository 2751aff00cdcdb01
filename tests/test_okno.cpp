// SPDX-License-Identifier: GPL-3.0-or-later
// The window around the game: what 2x, 3x and fullscreen show, where the
// pointer lands in the game, the gamepad's key events, and the controls card.
#include <cmath>
#include <tuple>

#include "Grondelvik.h"
#include "pomocnik.h"

namespace {

// The whole game in a window opened on a desktop of the given size (dummy driver).
class OknoHry : public ::testing::Test {
protected:
    KopieDat kopie;  // the settings file lands in it
    VDatech data{kopie.cesta()};
    Hra hra;
    void otevri(int sirka, int vyska, int poloviny = 2, bool cela = false) {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        hra.doplnky.okno.nastavPlochu(sirka, vyska);
        // True colour, as an X display gives: the classic dummy driver's own
        // screen has a palette, which cannot show a blend.
        hra.doplnky.okno.video.rezim = [](int w, int h, int, Uint32 priznaky) {
            return SDL_SetVideoMode(w, h, 32, priznaky & ~SDL_ANYFORMAT);
        };
        ASSERT_TRUE(hra.screen = hra.doplnky.okno.otevri(poloviny, cela));
        ASSERT_TRUE(pripravHru(hra));
    }
    void zavri() {
        hra = Hra{};
        SDL_Quit();
    }
    void TearDown() override { zavri(); }
    void snimekS(const std::string& kroky) {  // one frame with these keys
        for (SDL_Event e : udalosti(kroky)) SDL_PushEvent(&e);
        snimek(hra, 0);
    }
};

// The sharp rule along one axis of n target pixels from m: target pixel x
// covers source [x * m / n, (x + 1) * m / n); it shows the pixel where that
// starts and, by the share of its width past that pixel (in 64ths, rounded),
// the next one.
std::pair<int, int> podil(int x, int m, int n) {
    const int od = x * m / n, pres = (x + 1) * m - (od + 1) * n;
    return {od, pres > 0 ? static_cast<int>(std::lround(64.0 * pres / m)) : 0};
}
// Each byte of a and b blended, b with weight w of 64, rounded.
Uint32 smes(Uint32 a, Uint32 b, int w) {
    Uint32 v = 0;
    for (int i = 0; i < 24; i += 8)
        v |= ((((a >> i) & 255) * (64 - w) + ((b >> i) & 255) * w + 32) / 64) << i;
    return v;
}

// The window shows the 800 x 600 picture scaled sharply into the rectangle
// (x, y, w, h) (each row blended across, then the rows down), black around it.
testing::AssertionResult ukazuje(SDL_Surface* okno, SDL_Surface* hra, int x, int y, int w, int h) {
    for (int Y = 0; Y < okno->h; ++Y) {
        const bool radek = Y >= y && Y < y + h;
        const auto [j, v] = radek ? podil(Y - y, 600, h) : std::pair(0, 0);
        for (int X = 0; X < okno->w; ++X) {
            Uint32 cekam = 0;
            if (radek && X >= x && X < x + w) {
                const auto [i, u] = podil(X - x, 800, w);
                const auto sloupec = [&, i = i, u = u](int r) {
                    return u ? smes(barva(hra, i, r), barva(hra, i + 1, r), u) : barva(hra, i, r);
                };
                cekam = v ? smes(sloupec(j), sloupec(j + 1), v) : sloupec(j);
            }
            if (barva(okno, X, Y) != cekam)
                return testing::AssertionFailure() << "the window's pixel (" << X << ", " << Y << ") differs";
        }
    }
    return testing::AssertionSuccess();
}

TEST_F(OknoHry, F10AndF11ShowTheFrozenFrameScaledAndTheSettingsKeepTheChoice) {
    // The desktop, the keys after a paused frame at 1x, then the window's size,
    // the picture's rectangle in it, and the factor (in halves) and fullscreen kept.
    // clang-format off
    const std::tuple<int, int, const char*, Radek, Radek> pripady[] = {
        {2560, 1440, "F10", r(1200, 900), r(0, 0, 1200, 900, 3, 0)},
        {2560, 1440, "F10 F10", r(1600, 1200), r(0, 0, 1600, 1200, 4, 0)},
        {2560, 1440, "F10 F10 F10", r(800, 600), r(0, 0, 800, 600, 2, 0)},   // 2.5x does not fit
        {0, 0, "F10 F10 F10", r(2000, 1500), r(0, 0, 2000, 1500, 5, 0)},     // any size when unknown
        {0, 0, "F10 F10 F10 F10", r(2400, 1800), r(0, 0, 2400, 1800, 6, 0)},
        {0, 0, "F10 F10 F10 F10 F10", r(800, 600), r(0, 0, 800, 600, 2, 0)},
        {1920, 1080, "F10", r(1200, 900), r(0, 0, 1200, 900, 3, 0)},
        {1920, 1080, "F10 F10", r(800, 600), r(0, 0, 800, 600, 2, 0)},       // 2x does not fit
        {1920, 1080, "F11", r(1920, 1080), r(240, 0, 1440, 1080, 2, 1)},     // bars at the sides
        {1280, 1024, "F11", r(1280, 1024), r(0, 32, 1280, 960, 2, 1)},       // bars above and below
        {2560, 1440, "F10 F10 F11", r(2560, 1440), r(320, 0, 1920, 1440, 4, 1)},
    };
    // clang-format on
    for (const auto& [sirka, vyska, klavesy, okno, obraz] : pripady) {
        otevri(sirka, vyska);
        snimek(hra, 0);
        snimekS("P");
        {
            Plocha jedna(SDL_ConvertSurface(hra.screen, hra.screen->format, SDL_SWSURFACE));
            snimekS(klavesy);
            SDL_Surface* s = SDL_GetVideoSurface();
            EXPECT_EQ(r(s->w, s->h), okno) << klavesy << " " << sirka;
            EXPECT_TRUE(ukazuje(s, jedna.get(), obraz[0], obraz[1], obraz[2], obraz[3])) << klavesy << sirka;
        }
        const Nastaveni n = Nastaveni::nacti();
        EXPECT_EQ(r(n.polovinyOkna, n.celaObrazovka), r(obraz[4], obraz[5])) << klavesy << " " << sirka;
        EXPECT_EQ(hra.screen->w, 800);
        zavri();
        fs::remove("nastaveni.txt");
    }
}

TEST_F(OknoHry, LeavingFullscreenBringsBackTheWindowAndItsFactor) {
    otevri(2560, 1440);
    // F10 waits while fullscreen.
    for (auto [klavesy, sirka, cela] :
         {std::tuple("F10 F10", 1600, 0), std::tuple("Alt+Enter", 2560, 1), std::tuple("F10", 2560, 1),
          std::tuple("F11", 1600, 0), std::tuple("F11 F11", 1600, 0)}) {
        std::vector<SDL_Event> v = udalosti(klavesy[0] == 'A' ? "Enter" : klavesy);
        if (klavesy[0] == 'A') v[0].key.keysym.mod = KMOD_LALT;
        for (SDL_Event e : v) SDL_PushEvent(&e);
        snimek(hra, 0);
        EXPECT_EQ(r(SDL_GetVideoSurface()->w, hra.doplnky.okno.poloviny(), hra.doplnky.okno.cela()),
                  r(sirka, 4, cela))
            << klavesy;
    }
    snimekS("Enter");  // without Alt
    EXPECT_EQ(SDL_GetVideoSurface()->w, 1600);
    // At start, the chosen factor as far as it fits.
    for (auto [poloviny, cela, sirka, po] : {std::tuple(6, false, 1200, 3), std::tuple(4, true, 1920, 3),
                                             std::tuple(9, false, 1200, 3), std::tuple(0, false, 800, 2)}) {
        zavri();
        otevri(1920, 1080, poloviny, cela);
        EXPECT_EQ(r(SDL_GetVideoSurface()->w, hra.doplnky.okno.poloviny()), r(sirka, po)) << poloviny;
    }
}

TEST_F(OknoHry, ThePointerIsReadInGamePixelsAndOverABarAtTheNearestEdge) {
    // The desktop, the keys, then window pixels and the game pixels they show.
    // clang-format off
    const std::tuple<int, int, const char*, std::vector<Radek>> pripady[] = {
        {2560, 1440, "", {r(1, 1, 1, 1), r(799, 599, 799, 599)}},
        {2560, 1440, "F10 F10", {r(0, 0, 0, 0), r(1, 1, 0, 0), r(2, 3, 1, 1), r(1599, 1199, 799, 599),
                                 r(1270, 300, 635, 150)}},
        // 1.5x: the middle of three window pixels shows two game pixels half and half
        {1920, 1080, "F10", {r(0, 0, 0, 0), r(1, 1, 1, 1), r(2, 2, 1, 1), r(3, 3, 2, 2), r(1199, 899, 799, 599)}},
        {1920, 1080, "F11", {r(240, 0, 0, 0), r(241, 1, 0, 0), r(242, 2, 1, 1), r(1679, 1079, 799, 599),
                             r(239, 500, 0, 278), r(1919, 0, 799, 0), r(1383, 270, 635, 150)}},
        {1280, 1024, "F11", {r(640, 0, 400, 0), r(640, 32, 400, 0), r(640, 991, 400, 599),
                             r(640, 1023, 400, 599)}},
    };
    // clang-format on
    for (const auto& [sirka, vyska, klavesy, body] : pripady) {
        otevri(sirka, vyska);
        snimekS(klavesy);
        for (const Radek& b : body) {
            for (const char* u : {"Mouse", "Button1", "^Button1"}) {
                SDL_Event e =
                    udalosti(std::string(u) + ":" + std::to_string(b[0]) + "," + std::to_string(b[1]))[0];
                SDL_PushEvent(&e);
                ASSERT_TRUE(hra.doplnky.dalsiUdalost(e));
                const bool mys = e.type == SDL_MOUSEMOTION;
                EXPECT_EQ(r(mys ? e.motion.x : e.button.x, mys ? e.motion.y : e.button.y), r(b[2], b[3]))
                    << klavesy << " " << u << " " << b[0] << "," << b[1];
            }
        }
        zavri();
    }
}

TEST_F(OknoHry, ThePointerOnTheSameGamePixelShootsTheSameArrowAtEverySize) {
    // The hunter's centre is (435, 350). 200 right of and 200 above it is 45
    // degrees, an arrow of 30; straight above, 90; on the level of the centre
    // (a bar beside the picture gives its edge), 0.
    // clang-format off
    const std::tuple<int, int, const char*, Radek> pripady[] = {
        {2560, 1440, "", r(635, 150, 30, 435, 100, 90, 0, 350, 0)},
        {2560, 1440, "F10 F10", r(1270, 300, 30, 870, 200, 90, 0, 700, 0)},
        {1920, 1080, "F10", r(952, 225, 30, 652, 150, 90, 0, 525, 0)},
        {1920, 1080, "F11", r(1383, 270, 30, 1023, 180, 90, 100, 630, 0)},
    };
    // clang-format on
    for (const auto& [sirka, vyska, klavesy, strely] : pripady) {
        otevri(sirka, vyska);
        snimekS(klavesy);
        hra.hrac->m = false;
        for (size_t i = 0; i < strely.size(); i += 3) {
            hra.hrac->citac = hra.hrac->pozSipy = 0;
            const std::string kde = std::to_string(strely[i]) + "," + std::to_string(strely[i + 1]);
            for (SDL_Event e : udalosti("Mouse:" + kde + " Button1:" + kde)) SDL_PushEvent(&e);
            k(hra.event, hra.hrac.get(), hra.pauza, hra.velka, hra.uloz, hra.nacti, hra.nastaveni.zvuk,
              &hra.doplnky);
            EXPECT_EQ(r(hra.hrac->pozSipy, hra.hrac->vSipy[0].alfa), r(1, strely[i + 2]))
                << klavesy << " " << kde;
        }
        zavri();
    }
}

// Key events written "Left ^Left D": a release after ^.
std::string jmenaKlaves(const std::vector<SDL_Event>& klavesy) {
    static const std::map<SDLKey, std::string> jmena = {
        {SDLK_LEFT, "Left"}, {SDLK_RIGHT, "Right"}, {SDLK_UP, "Up"}, {SDLK_DOWN, "Down"}, {SDLK_d, "D"},
        {SDLK_f, "F"},       {SDLK_SPACE, "Space"}, {SDLK_a, "A"},   {SDLK_p, "P"},       {SDLK_F1, "F1"}};
    std::string s;
    for (const SDL_Event& e : klavesy) {
        const bool klavesa = e.type == SDL_KEYDOWN || e.type == SDL_KEYUP;
        s += (s.empty() ? "" : " ") + std::string(e.type == SDL_KEYUP ? "^" : "") +
             (klavesa && jmena.count(e.key.keysym.sym) ? jmena.at(e.key.keysym.sym) : "?");
    }
    return s;
}

// Joystick events written "ax0:-20000 hat:LU b6 ^b6 pad1:b0": an axis and its
// value, the D-pad's directions (C centred), a button pressed or released;
// "pad1:" comes from the second pad. Through SDL's queue: the key events the
// shell is handed.
std::string klavesyPadu(const std::string& udalosti, Doplnky& doplnky) {
    std::istringstream in(udalosti);
    for (std::string u; in >> u;) {
        SDL_Event e{};
        const Uint8 ktery = u.rfind("pad1:", 0) == 0 ? 1 : 0;
        if (ktery) u = u.substr(5);
        if (u.rfind("ax", 0) == 0) {
            e.type = SDL_JOYAXISMOTION, e.jaxis.which = ktery, e.jaxis.axis = Uint8(u[2] - '0');
            e.jaxis.value = Sint16(std::stoi(u.substr(4)));
        } else if (u.rfind("hat:", 0) == 0) {
            e.type = SDL_JOYHATMOTION, e.jhat.which = ktery;
            for (char c : u.substr(4))
                e.jhat.value |= c == 'L'   ? SDL_HAT_LEFT
                                : c == 'R' ? SDL_HAT_RIGHT
                                : c == 'U' ? SDL_HAT_UP
                                : c == 'D' ? SDL_HAT_DOWN
                                           : 0;
        } else {
            e.type = u[0] == '^' ? SDL_JOYBUTTONUP : SDL_JOYBUTTONDOWN, e.jbutton.which = ktery;
            e.jbutton.button = Uint8(std::stoi(u.substr(u[0] == '^' ? 2 : 1)));
        }
        EXPECT_EQ(SDL_PushEvent(&e), 0);
    }
    std::vector<SDL_Event> klavesy;
    for (SDL_Event e; doplnky.dalsiUdalost(e);) klavesy.push_back(e);
    return jmenaKlaves(klavesy);
}

TEST_F(OknoHry, ThePadGivesTheKeyboardsPressesAndReleases) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    // clang-format off
    const std::pair<const char*, const char*> pripady[] = {
        {"ax0:-32768 ax0:0", "Left ^Left"},
        {"ax0:-8191 ax0:8191 ax1:-8191 ax1:8191", ""},  // the dead zone: a quarter of the travel
        {"ax0:-8192 ax0:8192 ax0:8191", "Left ^Left Right ^Right"},
        {"ax1:-20000 ax1:20000 ax1:0", "Up ^Up Down ^Down"},
        {"hat:LU hat:U hat:RD hat:C", "Left Up ^Left ^Up Right Down ^Right ^Down"},
        {"ax0:-30000 hat:L ax0:0 hat:C", "Left ^Left"},  // held while either holds it
        {"b0 ^b0 b1 ^b1 b2 ^b2 b3 ^b3 b7 ^b7 b6 ^b6", "D ^D F ^F Space ^Space A ^A P ^P F1 ^F1"},
        {"pad1:b0 pad1:ax0:-30000 ax2:-32768 ax3:32767 b4 b8", ""},
    };
    // clang-format on
    for (const auto& [udalosti, cekam] : pripady) {
        hra.doplnky.pad = Pad();
        EXPECT_EQ(klavesyPadu(udalosti, hra.doplnky), cekam) << udalosti;
    }
    std::ofstream("nastaveni.txt") << "pad_skok=5\npad_pauza=0\n";
    hra.doplnky.pad.nastav(Nastaveni::nacti());
    EXPECT_EQ(klavesyPadu("b5 ^b5 b0 b7", hra.doplnky), "D ^D P");
}

// A browser's pad: the standard layout's buttons give the keys the same
// buttons give on Linux, its D-pad the arrows; a stick at a quarter of its
// travel is out of the dead zone; other layouts keep their numbers.
TEST(PadProhlizece, GivesTheKeysTheSameButtonsGiveOnTheDesktop) {
    struct Pripad {
        bool standardni;
        double x, y;
        std::vector<int> stisknuta;
        const char* cekam;
    };
    // clang-format off
    const Pripad pripady[] = {
        {true, -0.25, 0.25, {}, "Left Down ^Left ^Down"},
        {true, 0.2499, -0.2499, {}, ""},
        {true, 0, 0, {12, 13, 14, 15}, "Left Right Up Down ^Left ^Right ^Up ^Down"},
        {true, 0, 0, {0, 1, 2, 3, 9}, "D F Space A P ^D ^F ^Space ^A ^P"},
        {true, 0, 0, {4, 5, 6, 7, 8, 10, 11, 16}, "F1 ^F1"},
        {false, 1, 0, {7, 6, 12}, "Right P F1 ^Right ^P ^F1"},
    };
    // clang-format on
    for (const Pripad& p : pripady) {
        bool tlacitka[17] = {};
        for (int b : p.stisknuta) tlacitka[b] = true;
        const double osy[] = {p.x, p.y, 1, -1};
        Pad pad;
        std::vector<SDL_Event> klavesy;
        pad.preloz(stavZProhlizece(p.standardni, osy, 4, tlacitka, 17), klavesy);
        pad.preloz(stavZProhlizece(p.standardni, osy, 0, tlacitka, 0), klavesy);  // all let go
        EXPECT_EQ(jmenaKlaves(klavesy), p.cekam) << p.stisknuta.size() << " " << p.x;
    }
}

TEST_F(OknoHry, TheControlsCardHoldsTheGameUntilF1OrThePadsBackClosesIt) {
    otevri(0, 0);
    snimekS("F");  // he runs on
    const int x = hra.hrac->pozice.x;
    Plocha pred(SDL_ConvertSurface(hra.screen, hra.screen->format, SDL_SWSURFACE));
    SDL_Rect kde{20, 20, 0, 0};  // the card with the pad's numbers, as its own test checks it
    SDL_BlitSurface(hra.obrOvladani.get(), nullptr, pred.get(), &kde);
    snimekS("F1 Left ^F");
    snimekS("S");
    EXPECT_TRUE(stejne(hra.screen, pred.get()));
    EXPECT_EQ(r(hra.hrac->pozice.x, hra.hrac->vlevo, hra.hrac->b, fs::exists("savy/grondelvik.sav")),
              r(x, 0, 1, 1));
    snimekS("F1");  // closed: the world runs on, the keys held while it showed unseen
    EXPECT_EQ(r(hra.hrac->pozice.x, hra.hrac->vlevo), r(x + 20, 0));

    // Paused under the card, the pause comes back whole when it closes.
    snimekS("P");
    Plocha pauza(SDL_ConvertSurface(hra.screen, hra.screen->format, SDL_SWSURFACE));
    for (const char* pad : {"b6 ^b6", "", "b6 ^b6"}) {
        SDL_Event e{};
        e.type = SDL_JOYBUTTONDOWN, e.jbutton.button = 6;
        if (*pad) SDL_PushEvent(&e), e.type = SDL_JOYBUTTONUP, SDL_PushEvent(&e);
        snimek(hra, 0);
    }
    EXPECT_TRUE(stejne(hra.screen, pauza.get()));
    snimekS("F1 P Esc");
    EXPECT_EQ(r(hra.doplnky.karta, hra.pauza, hra.konec), r(1, 0, 1));
}

}  // namespace

TEST(PolohaOkna, AGrownWindowMovesOnlyAsFarAsItMustToLieOnTheDesktop) {
    // The corner before, the window's size, the desktop, the corner after.
    // clang-format off
    const std::tuple<Poloha, int, int, int, int, Poloha> pripady[] = {
        {{880, 420}, 1600, 1200, 2560, 1440, {880, 240}},   // 1x centred, grown to 2x
        {{2000, 1300}, 1600, 1200, 2560, 1440, {960, 240}},
        {{10, 20}, 1600, 1200, 2560, 1440, {10, 20}},       // it fits: it stays
        {{-5, -7}, 800, 600, 1920, 1080, {0, 0}},
        {{300, 200}, 2400, 1800, 1920, 1080, {0, 0}},       // larger than the desktop: its corner
        {{880, 420}, 1600, 1200, 0, 0, {880, 420}},         // the desktop's size unknown
    };
    // clang-format on
    for (const auto& [pred, w, h, pw, ph, po] : pripady) {
        const Poloha p = naPlose(pred, w, h, pw, ph);
        EXPECT_EQ(r(p.x, p.y), r(po.x, po.y)) << pred.x << "," << pred.y << " " << w << "x" << h;
    }
}

TEST(OstryZvetsovac, TwoPixelsBecomeThreeAndEveryPixelCoversTheSameWidth) {
    // 2 x 2 to 3 x 3: repeated twice to 4, reduced to 3, the middle column
    // and row cover half of each pixel: (a * 32 + b * 32 + 32) / 64 a byte.
    // At 16 bits the colours lose their low bits, each a step of 8 at most.
    const Uint32 obraz[] = {0x000000, 0xC8C8C8, 0x640000, 0x00FF00};
    const Uint32 cekam[3][4] = {{0x123456, 0x000000, 0x646464, 0xC8C8C8},
                                {0x123456, 0x320000, 0x4B7232, 0x64E464},
                                {0x123456, 0x640000, 0x328000, 0x00FF00}};
    for (auto [bpp, r, g, b, tolerance] :
         {std::tuple(32, 0xFF0000, 0xFF00, 0xFF, 0), std::tuple(16, 0xF800, 0x7E0, 0x1F, 8)}) {
        Plocha z(SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, bpp, r, g, b, 0));
        Plocha d(SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 3, bpp, r, g, b, 0));
        for (int i = 0; i < 4; ++i) {
            SDL_Rect p{Sint16(i % 2), Sint16(i / 2), 1, 1};
            SDL_FillRect(z.get(), &p,
                         SDL_MapRGB(z->format, obraz[i] >> 16, (obraz[i] >> 8) & 255, obraz[i] & 255));
        }
        SDL_FillRect(d.get(), nullptr, SDL_MapRGB(d->format, 0x12, 0x34, 0x56));
        Zvetsovac(2, 2, SDL_Rect{1, 0, 3, 3}).kresli(z.get(), d.get());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                for (int k = 0; k < 24; k += 8)
                    EXPECT_NEAR(int(barva(d.get(), x, y) >> k & 255), int(cekam[y][x] >> k & 255), tolerance)
                        << bpp << " bits, " << x << "," << y;
    }

    // One white pixel in a black row: whatever its place, the target row
    // holds t / s of a white pixel (in 64ths, each edge rounded).
    for (auto [s, t] : {std::pair(4, 6), std::pair(5, 9), std::pair(2, 5), std::pair(40, 57)}) {
        Plocha radek(SDL_CreateRGBSurface(SDL_SWSURFACE, s, 1, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        Plocha cil(SDL_CreateRGBSurface(SDL_SWSURFACE, t, 2, 32, 0xFF0000, 0xFF00, 0xFF, 0));
        const Zvetsovac zv(s, 1, SDL_Rect{0, 0, Uint16(t), 2});
        for (int g = 0; g < s; ++g) {
            SDL_FillRect(radek.get(), nullptr, 0);
            static_cast<Uint32*>(radek->pixels)[g] = 0xFFFFFF;
            zv.kresli(radek.get(), cil.get());
            int soucet = 0;
            for (int x = 0; x < t; ++x) soucet += static_cast<int>(barva(cil.get(), x, 1) & 0xFF);
            EXPECT_NEAR(soucet, 255.0 * t / s, 4) << s << " to " << t << ", pixel " << g;
        }
    }
}

// SDL's mode switch refusing one size and its mode list as the test says;
// what the window asked for.
struct Rezimy {
    static inline SDL_Rect odmitnuty{};
    static inline std::vector<SDL_Rect> seznam;
    static inline std::vector<Radek> zadano;
    static SDL_Surface* nastav(int w, int h, int bpp, Uint32 f) {
        zadano.push_back(r(w, h, (f & SDL_FULLSCREEN) != 0));
        if (w == odmitnuty.w && h == odmitnuty.h) return nullptr;
        return SDL_SetVideoMode(w, h, bpp, f);
    }
    static SDL_Rect** mody(SDL_PixelFormat*, Uint32) {
        static std::vector<SDL_Rect*> p;
        p.clear();
        for (SDL_Rect& m : seznam) p.push_back(&m);
        p.push_back(nullptr);
        return seznam.empty() ? reinterpret_cast<SDL_Rect**>(-1) : p.data();
    }
};

TEST(VideoRezim, FullscreenTakesTheLargestModeThatFitsTheDesktopAndARefusedModeLeavesTheOneBefore) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    Okno okno;
    okno.video = {Rezimy::mody, Rezimy::nastav};
    // The desktop, SDL's modes ("any": none listed), the fullscreen mode asked for.
    // clang-format off
    const std::tuple<int, int, std::vector<SDL_Rect>, Radek> plne[] = {
        {1920, 1080, {{0, 0, 2560, 1440}, {0, 0, 1920, 1200}, {0, 0, 1920, 1080}, {0, 0, 800, 600}}, r(1920, 1080, 1)},
        {1680, 1050, {{0, 0, 1920, 1080}, {0, 0, 1600, 900}, {0, 0, 1280, 1024}}, r(1600, 900, 1)},
        {1680, 1050, {{0, 0, 1280, 1024}, {0, 0, 800, 600}, {0, 0, 1600, 900}}, r(1600, 900, 1)},  // unsorted
        {1680, 1050, {}, r(1680, 1050, 1)},                                                    // any size
        {0, 0, {{0, 0, 1024, 768}, {0, 0, 1280, 720}, {0, 0, 800, 600}}, r(1280, 720, 1)},     // desktop unknown
    };
    // clang-format on
    for (const auto& [w, h, seznam, cekam] : plne) {
        okno.nastavPlochu(w, h);
        Rezimy::seznam = seznam, Rezimy::odmitnuty = {}, Rezimy::zadano.clear();
        ASSERT_TRUE(okno.otevri(2, true));
        EXPECT_EQ(Rezimy::zadano, std::vector<Radek>{cekam}) << w << "x" << h;
        okno.zavri();
    }
    // From the mode (halves, fullscreen) to another that SDL refuses: asked
    // for, then the one before again, on the screen and in the window's state.
    // clang-format off
    const std::tuple<int, bool, int, bool, Radek> odmitnute[] = {
        {2, false, 3, false, r(1200, 900, 0)}, {4, false, 2, true, r(2560, 1440, 1)},
        {3, true, 4, false, r(1600, 1200, 0)},
    };
    // clang-format on
    okno.nastavPlochu(2560, 1440);
    Rezimy::seznam.clear();
    for (const auto& [p, cela, p2, cela2, refused] : odmitnute) {
        ASSERT_TRUE(okno.otevri(p, cela));
        const Radek pred =
            r(SDL_GetVideoSurface()->w, SDL_GetVideoSurface()->h, okno.poloviny(), okno.cela());
        Rezimy::odmitnuty = {0, 0, Uint16(refused[0]), Uint16(refused[1])}, Rezimy::zadano.clear();
        testing::internal::CaptureStderr();
        EXPECT_FALSE(okno.nastav(p2, cela2));
        EXPECT_NE(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(Rezimy::zadano.at(0), refused);
        EXPECT_EQ(r(SDL_GetVideoSurface()->w, SDL_GetVideoSurface()->h, okno.poloviny(), okno.cela()), pred);
        EXPECT_EQ(okno.hra()->w, 800);
        okno.zavri();
    }
    SDL_Quit();
}
