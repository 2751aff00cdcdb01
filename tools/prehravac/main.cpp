// SPDX-License-Identifier: GPL-3.0-or-later
// Replays a written input script through the game's own frame loop, headless,
// with the clock pinned so every run is the same; writes chosen frames as
// pictures (and their fingerprints) and saves the game at chosen frames.
//
//   prehravac SCRIPT OUT_DIR [--data DIR] [--stopa] [--udalosti]
//
// The game runs in a scratch folder that sees DIR's pictures and maps, so
// its S and F9 never touch a player's saved game. The script is text, one
// command a line, '#' starts a comment:
//
//   hodiny 1000000000    clock at frame 0 (whole seconds; +1 every 10 frames)
//   12 stisk right       key down before frame 12 (names: left right up down
//   40 pust right        space escape f9 kp_minus kp_plus, letters a to z)
//   41 tukni d           key down and up in the same frame
//   50 mys 620 240       pointer moves to (620, 240)
//   51 klik 620 240      left button down and up there
//   60 zavri             the window's close request
//   70 obrazek start     after frame 70: OUT_DIR/start.bmp and a line in
//                        OUT_DIR/snimky.txt with the frame's fingerprint
//   80 uloz hra.sav      after frame 80: the game saved to OUT_DIR/hra.sav
//   90 konec             the last frame (else the last one named, or quit)
//
// --stopa prints the hunter after every frame: frame x y health arrows score.
// --udalosti prints what every frame gave to be heard: "frame: events", the
// frames that gave nothing left out. No sound is played.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Grondelvik.h"
#include "pisek.h"

namespace fs = std::filesystem;

namespace {

struct Prikaz {
    std::string co;
    std::vector<std::string> argumenty;
    int radek;
};

struct Skript {
    std::time_t hodiny = 1000000000;
    std::multimap<int, Prikaz> snimky;  // frame -> commands in the order written
    int posledni = 0;
};

[[noreturn]] void chyba(const std::string& zprava) {
    std::fprintf(stderr, "prehravac: %s\n", zprava.c_str());
    std::exit(2);
}

Skript nactiSkript(const std::string& cesta) {
    std::ifstream f(cesta);
    if (!f) chyba("cannot read " + cesta);
    Skript s;
    std::string radek;
    for (int cislo = 1; std::getline(f, radek); ++cislo) {
        radek = radek.substr(0, radek.find('#'));
        std::istringstream r(radek);
        std::string prvni;
        if (!(r >> prvni)) continue;
        const std::string kde = cesta + ":" + std::to_string(cislo) + ": ";
        if (prvni == "hodiny") {
            if (!(r >> s.hodiny)) chyba(kde + "hodiny needs whole seconds");
            continue;
        }
        char* zbytek = nullptr;
        const long snimek = std::strtol(prvni.c_str(), &zbytek, 10);
        if (*zbytek || snimek < 0) chyba(kde + "a line starts with a frame number");
        Prikaz p;
        p.radek = cislo;
        if (!(r >> p.co)) chyba(kde + "a command follows the frame number");
        for (std::string a; r >> a;) p.argumenty.push_back(a);
        s.snimky.emplace(static_cast<int>(snimek), p);
        s.posledni = std::max(s.posledni, static_cast<int>(snimek));
    }
    return s;
}

SDLKey klavesa(const std::string& jmeno) {
    static const std::map<std::string, SDLKey> jmena = {
        {"left", SDLK_LEFT}, {"right", SDLK_RIGHT},       {"up", SDLK_UP},
        {"down", SDLK_DOWN}, {"space", SDLK_SPACE},       {"escape", SDLK_ESCAPE},
        {"f9", SDLK_F9},     {"kp_minus", SDLK_KP_MINUS}, {"kp_plus", SDLK_KP_PLUS},
    };
    if (auto i = jmena.find(jmeno); i != jmena.end()) return i->second;
    if (jmeno.size() == 1 && jmeno[0] >= 'a' && jmeno[0] <= 'z')
        return static_cast<SDLKey>(SDLK_a + jmeno[0] - 'a');
    return SDLK_UNKNOWN;
}

void posliKlavesu(SDLKey k, Uint8 typ) {
    SDL_Event e{};
    e.type = e.key.type = typ;
    e.key.state = typ == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = k;
    SDL_PushEvent(&e);
}

void posliMys(Uint8 typ, int x, int y) {
    SDL_Event e{};
    e.type = typ;
    if (typ == SDL_MOUSEMOTION) {
        e.motion.type = typ;
        e.motion.x = static_cast<Uint16>(x);
        e.motion.y = static_cast<Uint16>(y);
    } else {
        e.button.type = typ;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.state = typ == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = static_cast<Uint16>(x);
        e.button.y = static_cast<Uint16>(y);
    }
    SDL_PushEvent(&e);
}

// A fingerprint of what a player sees, independent of the screen's pixel
// layout: FNV-1a over every pixel's red, green and blue.
unsigned long long otisk(SDL_Surface* s) {
    unsigned long long h = 1469598103934665603ULL;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const Uint8* radek = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < s->w; ++x) {
            const Uint8* p = radek + x * s->format->BytesPerPixel;
            Uint32 px = 0;
            std::memcpy(&px, p, s->format->BytesPerPixel);
            Uint8 rgb[3];
            SDL_GetRGB(px, s->format, &rgb[0], &rgb[1], &rgb[2]);
            for (Uint8 b : rgb) h = (h ^ b) * 1099511628211ULL;
        }
    }
    SDL_UnlockSurface(s);
    return h;
}

// Pushes the frame's input events.
void vstupy(const Prikaz& p) {
    const auto cislo = [&](size_t i) {
        return i < p.argumenty.size() ? std::atoi(p.argumenty[i].c_str()) : 0;
    };
    const SDLKey k = p.argumenty.empty() ? SDLK_UNKNOWN : klavesa(p.argumenty[0]);
    const bool klavesovy = p.co == "stisk" || p.co == "pust" || p.co == "tukni";
    if (klavesovy && k == SDLK_UNKNOWN) chyba("line " + std::to_string(p.radek) + ": unknown key");
    if (p.co == "stisk" || p.co == "tukni") posliKlavesu(k, SDL_KEYDOWN);
    if (p.co == "pust" || p.co == "tukni") posliKlavesu(k, SDL_KEYUP);
    if (p.co == "mys") posliMys(SDL_MOUSEMOTION, cislo(0), cislo(1));
    if (p.co == "klik") {
        posliMys(SDL_MOUSEBUTTONDOWN, cislo(0), cislo(1));
        posliMys(SDL_MOUSEBUTTONUP, cislo(0), cislo(1));
    }
    if (p.co == "zavri") {
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
    }
}

bool znamy(const std::string& co) {
    for (const char* z : {"stisk", "pust", "tukni", "mys", "klik", "zavri", "obrazek", "uloz", "konec"})
        if (co == z) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> poradi;
    fs::path data = GRONDELVIK_DATA;
    bool stopa = false, zvuky = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc)
            data = argv[++i];
        else if (a == "--stopa")
            stopa = true;
        else if (a == "--udalosti")
            zvuky = true;
        else
            poradi.push_back(a);
    }
    if (poradi.size() != 2) chyba("usage: prehravac SCRIPT OUT_DIR [--data DIR] [--stopa] [--udalosti]");
    const Skript skript = nactiSkript(poradi[0]);
    for (const auto& polozka : skript.snimky)
        if (const Prikaz& p = polozka.second; !znamy(p.co))
            chyba(poradi[0] + ":" + std::to_string(p.radek) + ": unknown command " + p.co);
    const fs::path vystup = fs::absolute(poradi[1]);
    fs::create_directories(vystup);
    std::ofstream otisky(vystup / "snimky.txt");

    Pisek pisek(data);
    fs::current_path(pisek.cesta());
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) chyba(std::string("SDL: ") + SDL_GetError());
    int status = 0;
    {
        Hra hra;
        hra.screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
        if (!hra.screen) chyba(std::string("video: ") + SDL_GetError());
        hodiny::zastav(skript.hodiny);
        if (!pripravHru(hra)) {
            SDL_Quit();
            return 1;
        }
        try {
            for (int n = 0; n <= skript.posledni && !hra.konec; ++n) {
                hodiny::zastav(skript.hodiny + n / 10);
                const auto [od, po] = skript.snimky.equal_range(n);
                for (auto i = od; i != po; ++i) vstupy(i->second);
                snimek(hra, 0);
                if (stopa)
                    std::printf("%d %d %d %d %d %d\n", n, hra.hrac->pozice.x, hra.hrac->pozice.y,
                                hra.hrac->zivoty, hra.hrac->pocetSipu, hra.hrac->score);
                if (zvuky && !hra.udalosti.zadne()) std::printf("%d: %s\n", n, hra.udalosti.text().c_str());
                bool konec = false;
                for (auto i = od; i != po; ++i) {
                    const Prikaz& p = i->second;
                    const std::string jmeno = p.argumenty.empty() ? "" : p.argumenty[0];
                    if (p.co == "obrazek") {
                        SDL_SaveBMP(hra.screen, (vystup / (jmeno + ".bmp")).c_str());
                        char hex[17];
                        std::snprintf(hex, sizeof hex, "%016llx", otisk(hra.screen));
                        otisky << n << ' ' << jmeno << ' ' << hex << '\n';
                    } else if (p.co == "uloz") {
                        hra.level->uloz((vystup / jmeno).c_str());
                    } else if (p.co == "konec") {
                        konec = true;
                    }
                }
                if (konec) break;
            }
        } catch (const char* zprava) {
            std::fprintf(stderr, "%s\n", zprava);
            status = 1;
        }
    }
    hodiny::pust();
    SDL_Quit();
    return status;
}
