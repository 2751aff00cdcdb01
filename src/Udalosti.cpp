// SPDX-License-Identifier: GPL-3.0-or-later
#include "Udalosti.h"

namespace {

// In the order of the enum.
constexpr const char* kJmena[kPocetUdalosti] = {
    "mec",        "vystrel",       "sipVeZdi",      "zasah",   "minuti",  "zabiti", "zraneni",
    "sebranySip", "sebranyToulec", "sebraneZivoty", "skok",    "dopad",   "vychod", "novyLevel",
    "smrt",       "pauza",         "pokracovani",   "ulozeno", "nacteno", "chyba"};

}  // namespace

const char* jmenoUdalosti(Udalost u) {
    const int i = static_cast<int>(u);
    return i >= 0 && i < kPocetUdalosti ? kJmena[i] : "";
}

std::string Udalosti::text() const {
    std::string s;
    for (int i = 0; i < kPocetUdalosti; ++i)
        for (int n = 0; n < pocty[static_cast<size_t>(i)]; ++n) {
            if (!s.empty()) s += ' ';
            s += kJmena[i];
        }
    return s;
}
