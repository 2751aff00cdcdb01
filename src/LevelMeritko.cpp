// The two display scales: the level converts its tileset and metrics and asks
// everything it owns or holds to convert itself, in a fixed order.
#include "Hrac.h"
#include "Level.h"

void Level::zvetsi() {
    if (vetsi) return;
    vetsi = true;
    hrac->zvetsi();
    set->zvetsi();
    sip->zvetsi();
    zivoty->zvetsi();
    toulec->zvetsi();
    novyLvl->zvetsi();
    bInfo->zvetsi();
    nactiDlazdice(false);
    zkontrolujDlazdice();
}

void Level::zmensi() {
    if (!vetsi) return;
    vetsi = false;
    hrac->zmensi();
    set->zmensi();
    sip->zmensi();
    zivoty->zmensi();
    toulec->zmensi();
    novyLvl->zmensi();
    bInfo->zmensi();
    nactiDlazdice(true);
    zkontrolujDlazdice();
}
