// Saving and loading the whole game. A save never destroys the previous one,
// and a load never lets a damaged file reach the running game.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "Hrac.h"
#include "Level.h"

void Level::ulozLvl(std::ostream& oss) const {
    IO::writeInt(typ, oss);
    IO::writeInt(obtiznost, oss);
}

namespace {
// The written file reaches the disk before it replaces the old one.
bool naDisk(const std::string& cesta) {
    const int fd = ::open(cesta.c_str(), O_RDONLY);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}
}  // namespace

bool Level::uloz(const char* cesta) {
    const std::string docasna = std::string(cesta) + ".tmp";
    std::ofstream soubor(docasna);
    if (!soubor.is_open()) return false;  // e.g. no savy folder: nothing to save into

    const bool z = !vetsi;
    if (z) zvetsi();
    ulozLvl(soubor);
    hrac->uloz(soubor);
    list->uloz(soubor);
    set->uloz(soubor);
    bInfo->uloz(soubor);
    soubor.close();
    if (z) zmensi();

    if (!soubor || !naDisk(docasna) || std::rename(docasna.c_str(), cesta) != 0) {
        std::remove(docasna.c_str());
        std::fprintf(stderr, "hru se nepodarilo ulozit do %s, predchozi ulozeni zustava\n", cesta);
        return false;
    }
    return true;
}

Level::Nacteni Level::nacti(const char* cesta) {
    std::ifstream soubor(cesta);
    if (!soubor.is_open()) return Nacteni::zadnySoubor;
    UlozenaHra u;
    try {
        u = UlozenaHra::precti(soubor, mapaLevelu);
    } catch (const char* zprava) {
        std::fprintf(stderr, "%s\n", zprava);
        return Nacteni::poskozeny;
    }

    // Loading stays large; the shell restores the chosen scale this frame.
    zvetsi();
    pevna.reset();
    pozadi.clear();
    polePevna.clear();
    polePozadi.clear();
    list.reset();
    bInfo.reset();
    bInfo = std::make_unique<BojoveInfo>();
    typ = u.typ;
    obtiznost = u.obtiznost;
    nactiLvl(typ);
    // The restored difficulty shows only from the next level change.
    set = std::make_unique<SetNepratel>();
    set->createTyp(1);
    set->createTyp(2);
    hrac->nacti(u.hrac);
    list->nacti(u.predmety);
    set->nacti(u.nepratele);
    bInfo->nacti(u.zasahy, u.minuti);
    return Nacteni::hotovo;
}
