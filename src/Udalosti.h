// SPDX-License-Identifier: GPL-3.0-or-later
// What happened in one frame that a player should hear. The rules record the
// world's events while the level runs its frame; the shell adds its own and
// hands the whole record to the sound after the frame. Plain data: no sound
// is played from here, and the replay tool and the tests read the same record.
#pragma once

#include <array>
#include <string>

// Each name is also the sound's file name under zvuky/ (name + ".wav").
enum class Udalost {
    mec,            // a sword swing is resolved
    vystrel,        // an arrow leaves the bow
    sipVeZdi,       // an arrow stops in a wall
    zasah,          // the hunter's blow hits an enemy (the hit marker)
    minuti,         // a blow of either side misses (the miss marker)
    zabiti,         // an enemy is killed
    zraneni,        // an enemy's blow hits the hunter (the hit marker on him)
    sebranySip,     // an arrow picked up
    sebranyToulec,  // a quiver picked up
    sebraneZivoty,  // health picked up
    skok,           // a jump leaves the ground
    dopad,          // the hunter lands
    vychod,         // the exit is picked up
    novyLevel,      // the next level has been built
    smrt,           // the hunter died: the end picture
    pauza,          // the game pauses
    pokracovani,    // the game goes on after a pause
    ulozeno,        // the game was saved
    nacteno,        // a saved game was loaded
    chyba,          // a save failed, or a load found no file or a damaged one
    pocet
};

inline constexpr int kPocetUdalosti = static_cast<int>(Udalost::pocet);

// The event's name, the same as its sound's file name without ".wav".
const char* jmenoUdalosti(Udalost u);

// How many times each event happened in one frame.
class Udalosti {
public:
    void pridej(Udalost u) {
        unsigned char& n = pocty[static_cast<size_t>(u)];
        if (n < 255) ++n;
    }
    int kolikrat(Udalost u) const { return pocty[static_cast<size_t>(u)]; }
    bool zadne() const {
        for (unsigned char n : pocty)
            if (n) return false;
        return true;
    }
    void vymaz() { pocty.fill(0); }
    // "mec zasah zasah", in the order of the list above; "" when none.
    std::string text() const;

private:
    std::array<unsigned char, kPocetUdalosti> pocty{};
};
