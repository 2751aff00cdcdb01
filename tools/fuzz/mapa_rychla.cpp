// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a map, of level 1 when their count is even
// and of level 3 when odd, read from memory into levels built once (no
// picture or file per input). What a map
// builds must lie inside the level, keep the grids' sizes, name only existing
// pictures and item kinds, agree with the facts the saved-game reader takes
// from a map, and, written back as a map, read the same.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Hrac.h"
#include "spolecne.h"

namespace {

// A level's size in tiles, its background pictures, and the byte counts of
// its two grids. Level 2 is level 1's size with level 3's pictures, so these
// two cover both sizes and both picture counts.
struct Rozmer {
    int t, sLvl, vLvl, nPozadi, pocatek;
    size_t bajtuPevnych, bunekPozadi;
};
constexpr Rozmer kRozmery[] = {{1, 200, 30, 3, 2, 751, 60}, {3, 600, 90, 5, 1, 6751, 540}};
constexpr int kDlazdice = 30;  // large tiles; a background cell is 10 x 10 of them
constexpr int kVyskaTypu[] = {93, 91};

Hrac* hrac;
std::unique_ptr<Level> levely[2];

// Tile (x, y) and what stands there: 'X', an item kind '1' to '4', 'V' or 'Z'.
using Vec = std::array<int, 3>;

// What a map built: its tiles' contents column by column (solid tiles, items,
// then enemies sorted) and the background grid.
struct Stav {
    std::vector<Vec> pevne, predmety, nepratele;
    std::vector<unsigned char> pozadi;
    bool operator==(const Stav&) const = default;
};

// Indices of the nonzero bytes, skipping empty stretches 64 at a time. The
// scan reads only the bytes given; unchecked (and so on raw pointers, which
// it may inline), it costs little beside the reading it checks.
template <class F>
__attribute__((no_sanitize("address"))) void nenulove(const unsigned char* p, size_t n, F na) {
    size_t i = 0;
    for (; i + 64 <= n; i += 64) {
        uint64_t osm[8], nebo = 0;
        std::memcpy(osm, p + i, 64);
        for (uint64_t o : osm) nebo |= o;
        if (nebo == 0) continue;
        for (size_t j = i; j < i + 64; ++j)
            if (p[j]) na(j);
    }
    for (; i < n; ++i)
        if (p[i]) na(i);
}
template <class F>
void nenulove(const std::vector<unsigned char>& v, F na) {
    nenulove(v.data(), v.size(), na);
}

// Checks what level r's map built and keeps it in s. Rows from radku on hold
// nothing: the input has fewer line ends. (Every buffer is kept from input to
// input: under ASan an allocation costs more than reading a short map.)
void zkontroluj(const Level& l, const Rozmer& r, int radku, Stav& s) {
    for (auto* v : {&s.pevne, &s.predmety, &s.nepratele}) v->clear();
    s.pozadi = LevelTest::polePozadi(l);
    auto uvnitr = [&](int x, int y) { return x >= 0 && x < r.sLvl && y >= 0 && y < radku; };

    const std::vector<unsigned char>& pevna = LevelTest::polePevna(l);
    nutne(pevna.size() == r.bajtuPevnych, "the solid grid keeps its size");
    nenulove(pevna, [&](size_t i) {
        for (int b = 0; b < 8; ++b) {
            if (!(pevna[i] >> b & 1)) continue;
            const int n = static_cast<int>(i * 8) + b;  // the bit of tile (n / vLvl, n % vLvl)
            nutne(n < r.sLvl * r.vLvl && uvnitr(n / r.vLvl, n % r.vLvl),
                  "a solid tile lies inside the level");
            s.pevne.push_back({n / r.vLvl, n % r.vLvl, 'X'});
        }
    });
    nutne(s.pozadi.size() == r.bunekPozadi, "the background grid keeps its size");
    for (unsigned char b : s.pozadi) nutne(b < r.nPozadi, "a background cell names an existing picture");

    const ListPredmetu& list = LevelTest::list(l);
    nutne(list.maxX == r.sLvl && list.maxY == r.vLvl && list.pole.size() == size_t(r.sLvl * r.vLvl),
          "the item store has the level's size");
    char druh[256] = {};  // the kind of each code, 0 for none
    for (size_t i = 0; i < list.seznam.size(); ++i) {
        nutne(list.seznam[i].cislo == i + 1, "item codes count from 1 in order");
        for (int k = 0; k < 4; ++k)
            if (list.seznam[i].predmet == LevelTest::druh(l, k)) druh[i + 1] = static_cast<char>('1' + k);
        nutne(druh[i + 1] != 0, "an item code stands for one of the four kinds");
        for (size_t j = 0; j < i; ++j)
            nutne(list.seznam[j].predmet != list.seznam[i].predmet, "each kind has one code");
    }
    nenulove(list.pole, [&](size_t i) {
        const int x = static_cast<int>(i) / r.vLvl, y = static_cast<int>(i) % r.vLvl;
        nutne(druh[list.pole[i]] != 0, "an item cell holds a known code");
        nutne(uvnitr(x, y), "an item lies inside the level");
        s.predmety.push_back({x, y, druh[list.pole[i]]});
    });

    for (const auto& n : LevelTest::set(l).nepratele) {
        const int t = n->typ->typ;
        nutne((t == 1 || t == 2) && n->typ == LevelTest::set(l).getTyp(t), "an enemy has a type of the set");
        const int x = n->pozice.x, pata = n->pozice.y + kVyskaTypu[t - 1];
        nutne(x % kDlazdice == 0 && pata % kDlazdice == 0, "an enemy stands on a tile's bottom edge");
        nutne(uvnitr(x / kDlazdice, pata / kDlazdice - 1), "an enemy lies inside the level");
        nutne(n->mod == 2 && n->zivoty == n->typ->maxZivotu, "a map's enemy is new");
        s.nepratele.push_back({x / kDlazdice, pata / kDlazdice - 1, t == 1 ? 'V' : 'Z'});
    }
    std::sort(s.nepratele.begin(), s.nepratele.end());
}

// The map written back in few characters: line ends move down a row, and
// the column, which only the wrap brings back, is reached with "."; then
// "-" and the background rows up to the last cell that is not as the level
// starts. Empty when two things share a tile, which one character cannot
// tell.
bool zpet(const Rozmer& r, const Stav& s, std::string& text) {
    static std::vector<Vec> veci;  // row by row
    veci.clear();
    for (const auto* v : {&s.pevne, &s.predmety, &s.nepratele})
        for (const auto& [x, y, c] : *v) veci.push_back({y, x, c});
    std::sort(veci.begin(), veci.end());
    text.clear();
    int x = 0, y = 0;
    for (size_t i = 0; i < veci.size(); ++i) {
        const auto& [vy, vx, c] = veci[i];
        if (i > 0 && vy == veci[i - 1][0] && vx == veci[i - 1][1]) return false;
        text.append(size_t(vy - y), '\n');
        text.append(size_t((vx - x + r.sLvl) % r.sLvl), '.');
        text += static_cast<char>(c);
        x = (vx + 1) % r.sLvl, y = vy;
    }
    text += "-\n";
    const int sloupcu = r.sLvl / 10;
    int radPozadi = r.vLvl / 10;
    auto konecRady = [&](int j) {
        int konec = sloupcu;
        while (konec > 0 && s.pozadi[j * sloupcu + konec - 1] == r.pocatek) --konec;
        return konec;
    };
    while (radPozadi > 0 && konecRady(radPozadi - 1) == 0) --radPozadi;
    for (int j = 0; j < radPozadi; ++j) {
        for (int i = 0; i < konecRady(j); ++i) text += char('0' + s.pozadi[j * sloupcu + i]);
        text += '\n';
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The levels' pictures and maps are read once, from the data folder.
    if (chdir(GRONDELVIK_DATA) != 0) std::abort();
    hrac = new Hrac;
    for (int i = 0; i < 2; ++i) levely[i] = std::make_unique<Level>(hrac, kRozmery[i].t);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Rows a map reaches: one more than its line ends.
    const int konce = static_cast<int>(std::count(data, data + size, '\n'));
    const Rozmer& r = kRozmery[size % 2];
    Level& l = *levely[size % 2];
    const int radku = std::min(r.vLvl, konce + 1);
    Vstup vstup(data, size);
    l.postavZMapy(vstup.is);
    static Stav s, znovuS;
    zkontroluj(l, r, radku, s);

    Vstup znovu(data, size);
    const MapaLevelu m = Level::mapaZTextu(r.t, znovu.is);
    nutne(m.sLvl == r.sLvl && m.vLvl == r.vLvl, "the saved-game reader knows the level's size");
    nutne(m.druhuPredmetu == static_cast<int>(LevelTest::list(l).seznam.size()),
          "the saved-game reader knows as many item codes as the map gives");

    static std::string text;
    if (zpet(r, s, text)) {
        Vstup mapa(reinterpret_cast<const uint8_t*>(text.data()), text.size());
        l.postavZMapy(mapa.is);
        zkontroluj(l, r, radku, znovuS);
        nutne(znovuS == s, "a map written back from the grids reads the same");
    }
    // Freed within the run, which libFuzzer's leak test counts.
    LevelTest::set(l).nepratele.clear();
    return 0;
}
