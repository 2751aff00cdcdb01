// The hunter: construction and sprite slots, missing pictures, scale
// switching, the controls with shooting, and drawing with its counters.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "Hrac.h"
#include "IO.h"
#include "InfoOHraci.h"
#include "pomocnik.h"

namespace {

struct Kresba {
    std::string soubor;  // under grafika/lovec/
    int x;
    int y;
};

// The screen after one drawing of h: the HUD with h's values, then the
// given hunter pictures in this order.
Obrazek ocekavanaObrazovka(const Hrac& h, const std::vector<Kresba>& kresby) {
    Obrazek obr = prazdnaObrazovka();
    InfoOHraci hud;
    hud.vypisSipy(obr.get(), h.pocetSipu);
    hud.vypisZdravi(obr.get(), h.zivoty, h.maxZivotu);
    hud.vypisScore(obr.get(), h.score);
    for (const Kresba& k : kresby) {
        Obrazek p = nactiObrazek(("grafika/lovec/" + k.soubor).c_str());
        if (!p) return nullptr;
        nastavBilyKlic(p.get());
        vykresliObrazek(p.get(), obr.get(), k.x, k.y);
    }
    return obr;
}

testing::AssertionResult slotJeSoubor(SDL_Surface* slot, const std::string& soubor) {
    if (!slot) return testing::AssertionFailure() << "empty slot for " << soubor;
    Obrazek f = nactiObrazek(("grafika/lovec/" + soubor).c_str());
    if (!f) return testing::AssertionFailure() << "missing file " << soubor;
    if (!(slot->flags & SDL_SRCCOLORKEY) || slot->format->colorkey != SDL_MapRGB(slot->format, 255, 255, 255))
        return testing::AssertionFailure() << "slot for " << soubor << " has no white colour key";
    if (!stejnyObsah(slot, f.get())) return testing::AssertionFailure() << "slot differs from " << soubor;
    return testing::AssertionSuccess();
}

std::string soubor(const std::string& kmen, bool vlevo, bool male) {
    return kmen + (vlevo ? "l" : "") + (male ? "m" : "") + ".bmp";
}

const std::vector<std::string> kmenyNohou = {"n1", "n2", "n3", "n4", "n5", "n6", "n7"};
const std::vector<std::string> kmenyLuku = {"l-30", "l0", "l30", "l60", "l90"};
const std::vector<std::string> kmenyMece = {"m0", "m1", "m2"};
const std::vector<std::string> kmenySipu = {"sip-30", "sip0", "sip30", "sip60", "sip90"};

// Expected file of every slot of one set, facing right then facing left.
std::vector<std::string> souborySady(const std::vector<std::string>& kmeny, bool male) {
    std::vector<std::string> v;
    for (bool vlevo : {false, true})
        for (const auto& k : kmeny) v.push_back(soubor(k, vlevo, male));
    return v;
}

std::vector<std::string> souborySipu(bool male) {
    std::vector<std::string> v = souborySady(kmenySipu, male);
    v.back() = soubor("sip90", false, male);  // no left variant of the vertical arrow
    return v;
}

void zkontrolujSloty(const Hrac& h, bool male) {
    struct Sada {
        const char* jmeno;
        const std::vector<Obrazek>& sloty;
        std::vector<std::string> soubory;
    };
    const Sada sady[] = {
        {"nohy", h.nohy, souborySady(kmenyNohou, male)},
        {"luk", h.luk, souborySady(kmenyLuku, male)},
        {"mec", h.mec, souborySady(kmenyMece, male)},
        {"sip", h.sip, souborySipu(male)},
    };
    for (const Sada& s : sady) {
        ASSERT_EQ(s.sloty.size(), s.soubory.size()) << s.jmeno;
        for (size_t i = 0; i < s.sloty.size(); ++i)
            EXPECT_TRUE(slotJeSoubor(s.sloty[i].get(), s.soubory[i])) << s.jmeno << "[" << i << "]";
    }
}

SDL_Event klavesa(Uint8 typ, SDLKey k) {
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = typ;
    e.key.type = typ;
    e.key.state = typ == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = k;
    return e;
}
SDL_Event stisk(SDLKey k) {
    return klavesa(SDL_KEYDOWN, k);
}
SDL_Event pusteni(SDLKey k) {
    return klavesa(SDL_KEYUP, k);
}

SDL_Event pohyb(int x, int y) {
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    return e;
}

SDL_Event tlacitko(Uint8 typ, Uint8 cislo, int x = 0, int y = 0) {
    SDL_Event e;
    std::memset(&e, 0, sizeof e);
    e.type = typ;
    e.button.type = typ;
    e.button.button = cislo;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    return e;
}

// Everything akce may touch.
auto stav(const Hrac& h) {
    return std::make_tuple(h.vlevo, h.stop, h.b, h.vzduch, h.m, h.aLuk, h.aMec, h.aNohy, h.citac, h.kurzor.x,
                           h.kurzor.y, h.pocetSipu, h.pozSipy, h.nSipu);
}

class HracTest : public testing::Test {
protected:
    VDatech data;

    // Shoots with the bow by Space at the key-chosen class; the new arrow.
    static VystrelenySip strelKlavesou(Hrac& h, int aLuk) {
        h.m = false;
        h.citac = 0;
        h.aLuk = aLuk;
        const int pred = h.pozSipy;
        h.akce(stisk(SDLK_SPACE));
        EXPECT_EQ(h.pozSipy, pred + 1);
        return h.vSipy[h.pozSipy - 1];
    }

    // Moves the pointer in bow mode and clicks; the class of the new arrow.
    static int tridaMysi(Hrac& h, int x, int y) {
        h.m = false;
        h.citac = 0;
        h.akce(pohyb(x, y));
        const int pred = h.pozSipy;
        h.akce(tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y));
        if (h.pozSipy != pred + 1) return -1;
        return h.vSipy[h.pozSipy - 1].uhel - (h.vlevo ? h.nLuk : 0);
    }
};

// ---- construction and pictures ----

TEST_F(HracTest, NewHunterState) {
    Hrac h;
    EXPECT_EQ(h.pozice.x, 400);
    EXPECT_EQ(h.pozice.y, 400);
    EXPECT_FALSE(h.vlevo);
    EXPECT_FALSE(h.stop);
    EXPECT_TRUE(h.m);
    EXPECT_FALSE(h.b);
    EXPECT_FALSE(h.vzduch);
    EXPECT_FALSE(h.novyLvl);
    EXPECT_EQ(h.zivoty, 200);
    EXPECT_EQ(h.maxZivotu, 200);
    EXPECT_EQ(h.pocetSipu, 12);
    EXPECT_EQ(h.score, 0);
    EXPECT_EQ(h.sila, 15);
    EXPECT_EQ(h.obratnost, 15);
    EXPECT_EQ(h.sirka, 70);
    EXPECT_EQ(h.vyska, 101);
    EXPECT_EQ(h.vyskaTela, 66);
    EXPECT_EQ(h.skok, 35);
    EXPECT_EQ(h.beh, 10);
    EXPECT_EQ(h.pad, 0);
    EXPECT_EQ(h.aNohy, 0);
    EXPECT_EQ(h.aMec, 0);
    EXPECT_EQ(h.aLuk, 0);
    EXPECT_EQ(h.citac, 0);
    EXPECT_EQ(h.stred.x, 400);
    EXPECT_EQ(h.stred.y, 300);
    // Before any pointer motion a mouse shot aims at the hunter's corner.
    EXPECT_EQ(h.kurzor.x, 400);
    EXPECT_EQ(h.kurzor.y, 300);
    EXPECT_EQ(h.nNohy, 7);
    EXPECT_EQ(h.nLuk, 5);
    EXPECT_EQ(h.nMec, 3);
    EXPECT_EQ(h.nSipu, 10);
    EXPECT_EQ(h.vSipy.size(), 10u);
    EXPECT_EQ(h.pozSipy, 0);
    EXPECT_NE(h.ioh, nullptr);
}

TEST_F(HracTest, EverySlotHoldsItsFileWithWhiteKeyAtBothScales) {
    // Slot checks compare contents, so the files themselves must differ.
    for (bool male : {false, true}) {
        std::vector<std::string> vse;
        for (const auto* kmeny : {&kmenyNohou, &kmenyLuku, &kmenyMece, &kmenySipu})
            for (const auto& s : souborySady(*kmeny, male))
                if (s != soubor("sip90", true, male)) vse.push_back(s);
        std::vector<Obrazek> obr;
        for (const auto& s : vse) {
            obr.push_back(nactiObrazek(("grafika/lovec/" + s).c_str()));
            ASSERT_TRUE(obr.back()) << s;
        }
        for (size_t i = 0; i < obr.size(); ++i)
            for (size_t j = i + 1; j < obr.size(); ++j)
                ASSERT_FALSE(stejnyObsah(obr[i].get(), obr[j].get())) << vse[i] << " equals " << vse[j];
    }

    Hrac h;
    zkontrolujSloty(h, false);
    EXPECT_TRUE(stejnyObsah(h.sip[9].get(), h.sip[4].get()));
    h.zmensi();
    zkontrolujSloty(h, true);
    EXPECT_TRUE(stejnyObsah(h.sip[9].get(), h.sip[4].get()));
    h.zvetsi();
    zkontrolujSloty(h, false);
}

// Works in a private copy of the data folder, so pictures can be hidden.
class HracChybejiciObrazky : public testing::Test {
protected:
    KopieDat kopie;
    VDatech data{kopie.cesta()};

    // Runs f with the given files under grafika/ hidden; the message, or "".
    static std::string zpravaBez(const std::vector<std::string>& soubory, const std::function<void()>& f) {
        std::vector<std::string> cesty;
        for (const auto& s : soubory) cesty.push_back("grafika/" + s);
        return zpravaBezSouboru(cesty, f);
    }
    static std::string konstrukceBez(const std::vector<std::string>& soubory) {
        return zpravaBez(soubory, [] { Hrac h; });
    }
};

constexpr const char* chybaLuku = "Chyba pri nacitani obrazku luku nebo sipu.";
constexpr const char* chybaNohou = "Chyba pri nacitani obrazku nohou.";
constexpr const char* chybaMece = "Chyba pri nacitani obrazku mece.";

TEST_F(HracChybejiciObrazky, ConstructionReportsTheFirstFailedCheck) {
    EXPECT_EQ(konstrukceBez({}), "");
    // Bow and arrow are checked before the legs, the legs before the sword.
    EXPECT_EQ(konstrukceBez({"lovec/sip60l.bmp", "lovec/n3.bmp"}), chybaLuku);
    EXPECT_EQ(konstrukceBez({"lovec/l90l.bmp", "lovec/m0.bmp"}), chybaLuku);
    EXPECT_EQ(konstrukceBez({"lovec/sip90.bmp"}), chybaLuku);
    EXPECT_EQ(konstrukceBez({"lovec/n3.bmp", "lovec/m1l.bmp"}), chybaNohou);
    EXPECT_EQ(konstrukceBez({"lovec/n7l.bmp"}), chybaNohou);
    EXPECT_EQ(konstrukceBez({"lovec/m1l.bmp"}), chybaMece);
    EXPECT_EQ(konstrukceBez({"lovec/m2.bmp"}), chybaMece);
    // The small set is not needed to start.
    EXPECT_EQ(konstrukceBez({"lovec/n3m.bmp", "lovec/sip90m.bmp"}), "");
    // The HUD is built before the sprites, and its message passes through.
    EXPECT_EQ(konstrukceBez({"ostatni/lomitko.bmp", "lovec/sip0.bmp"}),
              "nelze nalezt obrazek grafika/ostatni/lomitko.bmp");
    EXPECT_EQ(konstrukceBez({"ostatni/4.bmp", "lovec/n1.bmp"}), "nelze nalezt obrazek cisla");
}

TEST_F(HracChybejiciObrazky, ScaleSwitchReportsMissingPicturesOfTheOtherSet) {
    Hrac h;
    EXPECT_EQ(zpravaBez({"lovec/sip90m.bmp", "lovec/n1m.bmp"}, [&] { h.zmensi(); }), chybaLuku);
    EXPECT_EQ(zpravaBez({"lovec/n4lm.bmp", "lovec/m0m.bmp"}, [&] { h.zmensi(); }), chybaNohou);
    EXPECT_EQ(zpravaBez({"lovec/m2lm.bmp"}, [&] { h.zmensi(); }), chybaMece);
    EXPECT_EQ(zpravaBez({}, [&] { h.zmensi(); }), "");
    EXPECT_EQ(zpravaBez({"lovec/l0.bmp"}, [&] { h.zvetsi(); }), chybaLuku);
    EXPECT_EQ(zpravaBez({"lovec/m0.bmp"}, [&] { h.zvetsi(); }), chybaMece);
    EXPECT_EQ(zpravaBez({}, [&] { h.zvetsi(); }), "");
    zkontrolujSloty(h, false);
}

// ---- scale switching ----

TEST_F(HracTest, ScaleSwitchConvertsPositionAndMetrics) {
    Hrac h;
    h.zmensi();
    EXPECT_EQ(h.pozice.x, 266);
    EXPECT_EQ(h.pozice.y, 266);
    EXPECT_EQ(h.sirka, 44);
    EXPECT_EQ(h.vyska, 67);
    EXPECT_EQ(h.vyskaTela, 44);
    EXPECT_EQ(h.skok, 26);
    EXPECT_EQ(h.beh, 9);
    h.zvetsi();
    // Truncation does not give the start back.
    EXPECT_EQ(h.pozice.x, 399);
    EXPECT_EQ(h.pozice.y, 399);
    EXPECT_EQ(h.sirka, 70);
    EXPECT_EQ(h.vyska, 101);
    EXPECT_EQ(h.vyskaTela, 66);
    EXPECT_EQ(h.skok, 35);
    EXPECT_EQ(h.beh, 10);

    h.pozice.x = 100;
    h.pozice.y = 1351;
    h.zmensi();
    EXPECT_EQ(h.pozice.x, 66);
    EXPECT_EQ(h.pozice.y, 900);
    h.zvetsi();
    EXPECT_EQ(h.pozice.x, 99);
    EXPECT_EQ(h.pozice.y, 1350);
}

TEST_F(HracTest, EnlargingTakesRunningBonusFromAgility) {
    const std::pair<int, int> obratnostBeh[] = {{15, 10}, {19, 10}, {20, 11}, {25, 12}, {40, 15}};
    for (auto [obratnost, beh] : obratnostBeh) {
        Hrac h;
        h.obratnost = obratnost;
        h.zmensi();
        EXPECT_EQ(h.beh, 9) << "shrinking uses the current bonus, not agility";
        h.zvetsi();
        EXPECT_EQ(h.beh, beh) << "agility " << obratnost;
    }
    Hrac h;
    h.beh = 13;
    h.skok = 20;
    h.zmensi();
    EXPECT_EQ(h.beh, 11);
    EXPECT_EQ(h.skok, 16);
}

TEST_F(HracTest, ScaleSwitchConvertsLiveArrowsOnly) {
    Hrac h;
    h.vSipy[0] = VystrelenySip{300, 150, 7, 30, true, 4, 20};
    h.vSipy[1] = VystrelenySip{31, 61, 2, 30, false, 0, 13};
    h.vSipy[2] = VystrelenySip{90, 90, 3, 55, false, 1, 10};  // not live
    h.pozSipy = 2;
    h.zmensi();
    EXPECT_EQ(h.vSipy[0].x, 200);
    EXPECT_EQ(h.vSipy[0].y, 100);
    EXPECT_EQ(h.vSipy[0].rychlost, 13);
    EXPECT_EQ(h.vSipy[0].uhel, 7);
    EXPECT_EQ(h.vSipy[0].alfa, 30);
    EXPECT_TRUE(h.vSipy[0].vlevo);
    EXPECT_EQ(h.vSipy[0].vzdalenost, 4);
    EXPECT_EQ(h.vSipy[1].x, 20);
    EXPECT_EQ(h.vSipy[1].y, 40);
    EXPECT_EQ(h.vSipy[1].rychlost, 8);
    EXPECT_EQ(h.vSipy[2].x, 90);
    EXPECT_EQ(h.vSipy[2].rychlost, 10);
    h.zvetsi();
    EXPECT_EQ(h.vSipy[0].x, 300);
    EXPECT_EQ(h.vSipy[0].y, 150);
    EXPECT_EQ(h.vSipy[0].rychlost, 19);
    EXPECT_EQ(h.vSipy[1].x, 30);
    EXPECT_EQ(h.vSipy[1].y, 60);
    EXPECT_EQ(h.vSipy[1].rychlost, 12);
    EXPECT_EQ(h.vSipy[2].x, 90);
    EXPECT_EQ(h.pozSipy, 2);
}

TEST_F(HracTest, ScaleSwitchKeepsStateAndCounters) {
    Hrac h;
    h.zivoty = 57;
    h.maxZivotu = 230;
    h.pocetSipu = 3;
    h.score = 900;
    h.sila = 17;
    h.aNohy = 4;
    h.aMec = 1;
    h.aLuk = 3;
    h.citac = 2;
    h.m = false;
    h.vlevo = true;
    h.b = true;
    h.stop = true;
    h.kurzor = SDL_Rect{12, 34, 0, 0};
    const auto pred = stav(h);
    h.zmensi();
    EXPECT_EQ(stav(h), pred);
    h.zvetsi();
    EXPECT_EQ(stav(h), pred);
    EXPECT_EQ(h.zivoty, 57);
    EXPECT_EQ(h.maxZivotu, 230);
    EXPECT_EQ(h.score, 900);
    EXPECT_EQ(h.sila, 17);
}

// ---- controls ----

TEST_F(HracTest, ArrowKeysTurnWalkAndStop) {
    Hrac h;
    h.akce(pusteni(SDLK_RIGHT));
    EXPECT_TRUE(h.stop);
    EXPECT_FALSE(h.vlevo);
    h.akce(pusteni(SDLK_LEFT));  // facing right: releasing Left is not ours
    EXPECT_TRUE(h.stop);
    h.akce(stisk(SDLK_RIGHT));
    EXPECT_FALSE(h.stop);
    EXPECT_FALSE(h.vlevo);
    h.akce(pusteni(SDLK_LEFT));
    EXPECT_FALSE(h.stop);

    // Holding Right, pressing Left turns; releasing Right then changes nothing.
    h.akce(stisk(SDLK_LEFT));
    EXPECT_TRUE(h.vlevo);
    EXPECT_FALSE(h.stop);
    h.akce(pusteni(SDLK_RIGHT));
    EXPECT_TRUE(h.vlevo);
    EXPECT_FALSE(h.stop);
    h.akce(pusteni(SDLK_LEFT));
    EXPECT_TRUE(h.vlevo);
    EXPECT_TRUE(h.stop);

    h.akce(stisk(SDLK_RIGHT));
    EXPECT_FALSE(h.vlevo);
    EXPECT_FALSE(h.stop);
}

TEST_F(HracTest, RunJumpWeaponAndBowKeys) {
    Hrac h;
    h.akce(stisk(SDLK_f));
    EXPECT_TRUE(h.b);
    h.akce(pusteni(SDLK_f));
    EXPECT_FALSE(h.b);

    // Only landing clears the jump flag, so there is no double jump.
    h.akce(stisk(SDLK_d));
    EXPECT_TRUE(h.vzduch);
    h.akce(pusteni(SDLK_d));
    EXPECT_TRUE(h.vzduch);
    h.akce(stisk(SDLK_d));
    EXPECT_TRUE(h.vzduch);
    h.vzduch = false;
    h.akce(pusteni(SDLK_d));
    EXPECT_FALSE(h.vzduch);

    h.akce(stisk(SDLK_a));
    EXPECT_FALSE(h.m);
    h.akce(pusteni(SDLK_a));
    EXPECT_FALSE(h.m);
    h.akce(stisk(SDLK_a));
    EXPECT_TRUE(h.m);

    // The bow angle steps only within 0..4, in either weapon mode.
    h.akce(stisk(SDLK_DOWN));
    EXPECT_EQ(h.aLuk, 0);
    const int nahoru[] = {1, 2, 3, 4, 4};
    for (int ocekavany : nahoru) {
        h.akce(stisk(SDLK_UP));
        EXPECT_EQ(h.aLuk, ocekavany);
    }
    h.akce(pusteni(SDLK_DOWN));
    EXPECT_EQ(h.aLuk, 4);
    const int dolu[] = {3, 2, 1, 0, 0};
    for (int ocekavany : dolu) {
        h.akce(stisk(SDLK_DOWN));
        EXPECT_EQ(h.aLuk, ocekavany);
    }
}

TEST_F(HracTest, EventsWithoutMeaningChangeNothing) {
    Hrac h;
    h.m = false;
    h.aLuk = 2;
    h.akce(pohyb(500, 120));
    const auto pred = stav(h);
    SDL_Event jine;
    std::memset(&jine, 0, sizeof jine);
    jine.type = SDL_QUIT;
    const SDL_Event udalosti[] = {
        stisk(SDLK_x),
        stisk(SDLK_ESCAPE),
        stisk(SDLK_p),
        pusteni(SDLK_SPACE),
        pusteni(SDLK_UP),
        pusteni(SDLK_a),
        tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 600, 100),
        tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE),
        tlacitko(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 600, 100),
        jine,
    };
    for (const SDL_Event& e : udalosti) {
        h.akce(e);
        EXPECT_EQ(stav(h), pred) << "event type " << int(e.type);
    }
}

TEST_F(HracTest, PointerIsRememberedOnlyWithBowInHand) {
    Hrac h;
    h.akce(stisk(SDLK_a));  // bow
    h.akce(pohyb(435, 100));
    EXPECT_EQ(h.kurzor.x, 435);
    EXPECT_EQ(h.kurzor.y, 100);
    h.akce(stisk(SDLK_a));  // sword
    h.akce(pohyb(435, 500));
    EXPECT_EQ(h.kurzor.x, 435);
    EXPECT_EQ(h.kurzor.y, 100);
    h.akce(stisk(SDLK_a));  // bow again: the click aims at the old position,
    // not at the one the button event carries
    h.akce(tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 435, 500));
    ASSERT_EQ(h.pozSipy, 1);
    EXPECT_EQ(h.vSipy[0].uhel, 4);
    EXPECT_EQ(h.vSipy[0].alfa, 90);
}

TEST_F(HracTest, SwordAttackAndCooldown) {
    Hrac h;
    h.akce(stisk(SDLK_SPACE));
    EXPECT_EQ(h.aMec, 2);
    EXPECT_EQ(h.citac, 4);
    EXPECT_EQ(h.pocetSipu, 12);
    EXPECT_EQ(h.pozSipy, 0);

    Obrazek obr = prazdnaObrazovka();
    for (int snimek = 1; snimek <= 3; ++snimek) {
        h.vykresliSe(obr.get());
        h.akce(stisk(SDLK_SPACE));
        h.akce(tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
        EXPECT_EQ(h.citac, 4 - snimek) << "an attack during the cooldown was taken";
        EXPECT_EQ(h.aMec, std::max(0, 2 - snimek));
    }
    h.vykresliSe(obr.get());
    EXPECT_EQ(h.citac, 0);
    h.akce(tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_EQ(h.aMec, 2);
    EXPECT_EQ(h.citac, 4);
    EXPECT_EQ(h.pozSipy, 0);
}

TEST_F(HracTest, EmptyQuiverOnlyStartsTheCooldown) {
    Hrac h;
    h.m = false;
    h.pocetSipu = 0;
    h.akce(stisk(SDLK_SPACE));
    EXPECT_EQ(h.citac, 4);
    EXPECT_EQ(h.pocetSipu, 0);
    EXPECT_EQ(h.pozSipy, 0);
    EXPECT_EQ(h.aMec, 0);
    h.citac = 0;
    h.akce(tlacitko(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_EQ(h.citac, 4);
    EXPECT_EQ(h.pocetSipu, 0);
    EXPECT_EQ(h.pozSipy, 0);

    // A shot during the cooldown takes no arrow either.
    h.pocetSipu = 5;
    h.akce(stisk(SDLK_SPACE));
    EXPECT_EQ(h.pocetSipu, 5);
    EXPECT_EQ(h.pozSipy, 0);
}

TEST_F(HracTest, ShotArrowTakesHuntersPositionFacingAndStep) {
    Hrac h;
    h.m = false;
    h.akce(stisk(SDLK_SPACE));
    EXPECT_EQ(h.pocetSipu, 11);
    EXPECT_EQ(h.citac, 4);
    EXPECT_EQ(h.aMec, 0);
    ASSERT_EQ(h.pozSipy, 1);
    const VystrelenySip& s = h.vSipy[0];
    EXPECT_EQ(s.x, 420);
    EXPECT_EQ(s.y, 433);
    EXPECT_EQ(s.uhel, 0);
    EXPECT_EQ(s.alfa, -25);
    EXPECT_EQ(s.rychlost, 10);
    EXPECT_EQ(s.vzdalenost, 0);
    EXPECT_FALSE(s.vlevo);

    h.vlevo = true;
    VystrelenySip vlevo = strelKlavesou(h, 0);
    EXPECT_EQ(vlevo.x, 430);
    EXPECT_EQ(vlevo.y, 433);
    EXPECT_EQ(vlevo.uhel, 5);
    EXPECT_EQ(vlevo.alfa, -25);
    EXPECT_TRUE(vlevo.vlevo);

    h.vlevo = false;
    h.b = true;
    EXPECT_EQ(strelKlavesou(h, 0).rychlost, 20);
    h.beh = 14;
    EXPECT_EQ(strelKlavesou(h, 0).rychlost, 24);
    h.stop = true;  // standing wins over running
    EXPECT_EQ(strelKlavesou(h, 0).rychlost, 0);
    h.b = false;
    EXPECT_EQ(strelKlavesou(h, 0).rychlost, 0);
    EXPECT_EQ(h.pocetSipu, 6);

    // A recycled entry starts its flight afresh.
    h.vSipy[h.pozSipy].vzdalenost = 7;
    EXPECT_EQ(strelKlavesou(h, 0).vzdalenost, 0);
}

TEST_F(HracTest, KeyChosenClassGivesOffsetAngleAndPicture) {
    struct Trida {
        int aLuk;
        int alfa;
        int yVelky;
        int yMaly;
    };
    const Trida tridy[] = {
        {4, 90, 14, 9}, {3, 55, 16, 11}, {2, 30, 20, 13}, {1, 0, 33, 22}, {0, -25, 33, 22}};
    for (bool male : {false, true}) {
        Hrac h;
        h.pocetSipu = 100;
        if (male) h.zmensi();
        h.pozice = SDL_Rect{1000, 700, 0, 0};
        for (bool vlevo : {false, true}) {
            h.vlevo = vlevo;
            for (const Trida& t : tridy) {
                const VystrelenySip s = strelKlavesou(h, t.aLuk);
                EXPECT_EQ(s.alfa, t.alfa) << "class " << t.aLuk;
                EXPECT_EQ(s.y - 700, male ? t.yMaly : t.yVelky) << "class " << t.aLuk << " small " << male;
                EXPECT_EQ(s.uhel, t.aLuk + (vlevo ? 5 : 0));
                EXPECT_EQ(s.x - 1000, vlevo ? 30 : (male ? 7 : 20));
                EXPECT_EQ(s.vlevo, vlevo);
            }
        }
    }
    // A class outside the keys' range shoots low.
    Hrac h;
    const VystrelenySip s = strelKlavesou(h, 7);
    EXPECT_EQ(s.uhel, 0);
    EXPECT_EQ(s.alfa, -25);
}

TEST_F(HracTest, PointerAimingClassesAtStrictBoundaries) {
    Hrac h;
    h.pocetSipu = 1000;
    // Large scale: the picture's centre is at (435, 350).
    struct Cil {
        int x;
        int y;
        int trida;
        const char* proc;
    };
    const Cil cile[] = {
        {635, 150, 2, "exactly 45 degrees"},
        {636, 150, 2, "44.86"},
        {635, 149, 3, "45.14"},
        {485, 164, 3, "74.95"},
        {485, 163, 4, "75.03"},
        {435, 100, 4, "straight above"},
        {435, 349, 4, "just above"},
        {435, 500, 0, "straight below"},
        {435, 351, 0, "just below"},
        {435, 350, 0, "on the centre: no angle"},
        {735, 269, 2, "15.11"},
        {735, 270, 1, "14.93"},
        {735, 350, 1, "level"},
        {436, 350, 1, "level, next to the centre"},
        {735, 430, 1, "-14.93"},
        {735, 431, 0, "-15.11"},
        {635, 550, 0, "-45"},
        {235, 150, 2, "behind the hunter: only the elevation counts"},
    };
    for (bool vlevo : {false, true}) {
        h.vlevo = vlevo;
        for (const Cil& c : cile) {
            EXPECT_EQ(tridaMysi(h, c.x, c.y), c.trida) << c.proc << ", facing left " << vlevo;
            ASSERT_GT(h.pozSipy, 0);
            EXPECT_EQ(h.vSipy[h.pozSipy - 1].vlevo, vlevo);
        }
    }
    h.vlevo = false;
    ASSERT_EQ(tridaMysi(h, 635, 150), 2);
    const VystrelenySip& s = h.vSipy[h.pozSipy - 1];
    EXPECT_EQ(s.alfa, 30);
    EXPECT_EQ(s.y, h.pozice.y + 20);
    // The bow keeps its key-chosen angle.
    EXPECT_EQ(h.aLuk, 0);

    // Small scale: halves of 44 x 67 truncate, so the centre is (422, 333).
    h.zmensi();
    const Cil male[] = {
        {422, 333, 0, "on the centre"}, {422, 332, 4, "just above"}, {422, 334, 0, "just below"},
        {423, 333, 1, "level"},         {622, 133, 2, "45"},         {622, 132, 3, "45.14"},
    };
    for (const Cil& c : male) EXPECT_EQ(tridaMysi(h, c.x, c.y), c.trida) << "small scale, " << c.proc;
}

TEST_F(HracTest, FullArrowArrayDoublesAndKeepsOrder) {
    Hrac h;
    h.pocetSipu = 100;
    for (int i = 0; i < 10; ++i) {
        h.pozice.x = static_cast<Sint16>(100 + 10 * i);
        strelKlavesou(h, i % 5);
    }
    EXPECT_EQ(h.nSipu, 10);
    EXPECT_EQ(h.vSipy.size(), 10u);
    h.pozice.x = 200;
    strelKlavesou(h, 3);
    EXPECT_EQ(h.nSipu, 20);
    EXPECT_EQ(h.vSipy.size(), 20u);
    ASSERT_EQ(h.pozSipy, 11);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(h.vSipy[i].x, 120 + 10 * i) << i;
        EXPECT_EQ(h.vSipy[i].uhel, i < 10 ? i % 5 : 3) << i;
    }
    for (int i = 11; i < 21; ++i) strelKlavesou(h, 1);
    EXPECT_EQ(h.nSipu, 40);
    EXPECT_EQ(h.vSipy.size(), 40u);
    EXPECT_EQ(h.pozSipy, 21);
    EXPECT_EQ(h.vSipy[10].x, 220);
    EXPECT_EQ(h.pocetSipu, 79);
}

// ---- drawing ----

TEST_F(HracTest, WalkingLegsCycleAfterTwoStartFrames) {
    Hrac h;
    const int snimky[] = {0, 1, 2, 3, 4, 5, 2, 3, 4, 5};
    for (int a : snimky) {
        ASSERT_EQ(h.aNohy, a);
        Obrazek obr = prazdnaObrazovka();
        h.vykresliSe(obr.get());
        EXPECT_TRUE(stejneObrazovky(
            obr.get(),
            ocekavanaObrazovka(h, {{"n" + std::to_string(a + 1) + ".bmp", 400, 366}, {"m0.bmp", 400, 300}})
                .get()))
            << "legs frame " << a;
    }
    EXPECT_EQ(h.aNohy, 2);
}

TEST_F(HracTest, StandingHoldsLegsFrameButAirFrameResets) {
    Hrac h;
    h.stop = true;
    h.aNohy = 3;
    Obrazek obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    h.vykresliSe(obr.get());
    EXPECT_EQ(h.aNohy, 3);

    // Frame 6 is the jump; it is drawn once and never kept.
    h.aNohy = 6;
    obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(),
                                ocekavanaObrazovka(h, {{"n7.bmp", 400, 366}, {"m0.bmp", 400, 300}}).get()));
    EXPECT_EQ(h.aNohy, 2);
    h.stop = false;
    h.aNohy = 6;
    h.vykresliSe(obr.get());
    EXPECT_EQ(h.aNohy, 2);
    h.aNohy = 5;
    h.vykresliSe(obr.get());
    EXPECT_EQ(h.aNohy, 2);
}

TEST_F(HracTest, SwordSwingFramesAndCooldownCountDown) {
    Hrac h;
    h.stop = true;
    h.akce(stisk(SDLK_SPACE));
    const int mec[] = {2, 1, 0, 0};
    const int citac[] = {3, 2, 1, 0};
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(h.aMec, mec[i]);
        Obrazek obr = prazdnaObrazovka();
        h.vykresliSe(obr.get());
        EXPECT_TRUE(stejneObrazovky(
            obr.get(),
            ocekavanaObrazovka(h, {{"n1.bmp", 400, 366}, {"m" + std::to_string(mec[i]) + ".bmp", 400, 300}})
                .get()))
            << "drawing " << i;
        EXPECT_EQ(h.citac, citac[i]);
    }
    h.vykresliSe(prazdnaObrazovka().get());
    EXPECT_EQ(h.citac, 0);
    EXPECT_EQ(h.aMec, 0);

    // Facing left swings with the left frames.
    h.vlevo = true;
    h.aMec = 1;
    Obrazek obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(),
                                ocekavanaObrazovka(h, {{"n1l.bmp", 400, 366}, {"m1l.bmp", 400, 300}}).get()));
}

TEST_F(HracTest, FacingLeftWithBowUsesLeftSlots) {
    Hrac h;
    h.stop = true;
    h.m = false;
    h.vlevo = true;
    h.aLuk = 3;
    h.aNohy = 4;
    Obrazek obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(
        obr.get(), ocekavanaObrazovka(h, {{"n5l.bmp", 400, 366}, {"l60l.bmp", 400, 300}}).get()));

    // The small body is shorter, so the legs start higher.
    h.zmensi();
    obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(
        obr.get(), ocekavanaObrazovka(h, {{"n5lm.bmp", 400, 344}, {"l60lm.bmp", 400, 300}}).get()));

    h.vlevo = false;
    h.aLuk = 0;
    obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(
        obr.get(), ocekavanaObrazovka(h, {{"n5m.bmp", 400, 344}, {"l-30m.bmp", 400, 300}}).get()));
}

TEST_F(HracTest, SwordInHandHidesBowAndKeepsItsAngle) {
    Hrac h;
    h.stop = true;
    h.aLuk = 4;
    Obrazek obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(),
                                ocekavanaObrazovka(h, {{"n1.bmp", 400, 366}, {"m0.bmp", 400, 300}}).get()));
    EXPECT_EQ(h.aLuk, 4);
    h.akce(stisk(SDLK_a));
    obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(),
                                ocekavanaObrazovka(h, {{"n1.bmp", 400, 366}, {"l90.bmp", 400, 300}}).get()));
}

TEST_F(HracTest, ArrowsDrawnOverHunterRelativeToHisPosition) {
    Hrac h;
    h.stop = true;
    h.pozice = SDL_Rect{1000, 500, 0, 0};
    h.vSipy[0] = VystrelenySip{1000, 500, 9, 90, true, 0, 0};
    h.vSipy[1] = VystrelenySip{700, 600, 7, 30, true, 2, 10};
    h.vSipy[2] = VystrelenySip{1010, 520, 0, -25, false, 1, 10};
    h.vSipy[3] = VystrelenySip{1100, 400, 3, 55, false, 1, 10};  // not live
    h.pozSipy = 3;
    Obrazek obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(), ocekavanaObrazovka(h, {{"n1.bmp", 400, 366},
                                                                  {"m0.bmp", 400, 300},
                                                                  {"sip90.bmp", 400, 300},
                                                                  {"sip30l.bmp", 100, 400},
                                                                  {"sip-30.bmp", 410, 320}})
                                               .get()));

    // Arrows are placed by the same shift at the small scale.
    h.zmensi();
    obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(), ocekavanaObrazovka(h, {{"n1m.bmp", 400, 344},
                                                                  {"m0m.bmp", 400, 300},
                                                                  {"sip90m.bmp", 400, 300},
                                                                  {"sip30lm.bmp", 200, 367},
                                                                  {"sip-30m.bmp", 407, 313}})
                                               .get()));
}

TEST_F(HracTest, DrawingShowsHudWithHuntersValues) {
    Hrac h;
    h.stop = true;
    h.pocetSipu = 7;
    h.zivoty = 35;
    h.maxZivotu = 180;
    h.score = 1234;
    Obrazek obr = prazdnaObrazovka();
    h.vykresliSe(obr.get());
    EXPECT_TRUE(stejneObrazovky(obr.get(),
                                ocekavanaObrazovka(h, {{"n1.bmp", 400, 366}, {"m0.bmp", 400, 300}}).get()));
}

}  // namespace
