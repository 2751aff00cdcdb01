// SPDX-License-Identifier: GPL-3.0-or-later
// The menu icon: the hunter's head and raised bow, cut from his own picture,
// written as XPM so the generator needs no encoder with transparency.
#include <cstdio>
#include <fstream>
#include <map>
#include <unistd.h>

#include "kreslic.h"

namespace {

const char* const ZDROJ = "lovec/l30.bmp";
const int VELIKOST = 48, X0 = 12, Y0 = 0;

}  // namespace

Platno ikona() {
    std::vector<Obrazek> postavy;
    kresliPostavy(postavy);
    Platno out(VELIKOST, VELIKOST);
    for (const Obrazek& o : postavy)
        if (o.cesta == ZDROJ) out.prekryj(o.p, -X0, -Y0);
    return out;
}

bool ulozXpm(const Platno& p, const std::string& cesta) {
    // One character per colour: the icon has far fewer colours than the
    // printable range, so no multi-character keys are needed.
    static const std::string ZNAKY =
        "#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{|}~";
    std::map<uint32_t, char> klic;
    auto rgb = [](Barva c) { return uint32_t(c.r) << 16 | c.g << 8 | c.b; };
    for (int y = 0; y < p.h(); ++y)
        for (int x = 0; x < p.w(); ++x)
            if (p.plny(x, y) && !klic.count(rgb(p.barva(x, y)))) {
                if (klic.size() == ZNAKY.size()) return false;
                klic[rgb(p.barva(x, y))] = ZNAKY[klic.size()];
            }
    std::string tmp = cesta + "." + std::to_string(getpid()) + ".tmp";
    {
        std::ofstream f(tmp);
        f << "/* XPM */\nstatic char *grondelvik[] = {\n";
        f << '"' << p.w() << ' ' << p.h() << ' ' << klic.size() + 1 << " 1\",\n";
        f << "\"  c None\",\n";
        for (auto [c, z] : klic) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "#%06X", unsigned(c));
            f << '"' << z << " c " << hex << "\",\n";
        }
        for (int y = 0; y < p.h(); ++y) {
            f << '"';
            for (int x = 0; x < p.w(); ++x) f << (p.plny(x, y) ? klic[rgb(p.barva(x, y))] : ' ');
            f << '"' << (y + 1 < p.h() ? ",\n" : "\n");
        }
        f << "};\n";
        if (!f) return false;
    }
    return std::rename(tmp.c_str(), cesta.c_str()) == 0;
}
