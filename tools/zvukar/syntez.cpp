// SPDX-License-Identifier: GPL-3.0-or-later
#include "syntez.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double R = kVzorkovani;

// The step of a discontinuity smoothed over one sample either side
// (polyBLEP), which keeps saw and square free of most aliasing.
double blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1;
    }
    if (t > 1 - dt) {
        t = (t - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

// Loudness of a tone at time t of a tone lasting delka (then let go over dozvuk).
double obalka(double t, double delka, double nabeh, double pokles, double dozvuk) {
    double a = nabeh > 0 && t < nabeh ? t / nabeh : 1;
    if (pokles > 0 && t > nabeh) a *= std::exp(-(t - nabeh) / pokles);
    if (t > delka) a *= dozvuk > 0 ? std::max(0.0, 1 - (t - delka) / dozvuk) : 0;
    return a;
}

}  // namespace

double frekvence(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

float Filtr::krok(float x, double hz) {
    // Chamberlin's filter, run twice per sample to stay stable up high.
    const double f = 2 * std::sin(kPi * std::clamp(hz, 20.0, R * 0.35) / (2 * R));
    double hp = 0;
    for (int i = 0; i < 2; ++i) {
        hp = x - lp - tlumeni * bp;
        bp += f * hp;
        lp += f * bp;
    }
    return static_cast<float>(druh == dolni ? lp : druh == pasmo ? bp : hp);
}

void pridejTon(Stopa& s, const Ton& t) {
    const size_t od = vzorku(t.zacatek), n = vzorku(t.delka + t.dozvuk);
    if (s.size() < od + n) s.resize(od + n);
    const double f1 = t.f1 > 0 ? t.f1 : t.f0;
    double faze = 0, fazeMod = 0;
    Filtr filtr(Filtr::dolni);

    // The string: a delay line one period long, filled with noise, fed back
    // through a weighted average, so it rings and darkens. High strings
    // average less, or they would die at once.
    std::vector<double> linka;
    size_t zapis = 0;
    const double vaha = std::clamp(100 / t.f0, 0.1, 0.5);
    if (t.tvar == Tvar::struna) {
        linka.resize(static_cast<size_t>(R / 20) + 2);
        Sum sum(t.semeno);
        const double perioda = R / t.f0;
        Filtr jas(Filtr::dolni);
        for (size_t i = 0; i < linka.size(); ++i)
            linka[i] = i < perioda ? jas.krok(sum.dalsi(), std::max(3000.0, t.f0 * 6)) : 0;
        // The loop keeps the pluck's mean for as long as it rings: start
        // from none, or the string sounds off centre.
        const size_t n = std::min(linka.size(), static_cast<size_t>(std::ceil(perioda)));
        double stred = 0;
        for (size_t i = 0; i < n; ++i) stred += linka[i];
        for (size_t i = 0; i < n; ++i) linka[i] -= stred / static_cast<double>(n);
        zapis = static_cast<size_t>(perioda);
    }
    double predchozi = 0;

    for (size_t i = 0; i < n; ++i) {
        const double cas = i / R;
        const double podil = std::min(1.0, cas / t.delka);
        double f = t.f0 * std::pow(f1 / t.f0, podil);
        if (t.vibrato > 0)
            f *= 1 + t.vibrato * std::sin(2 * kPi * t.vibratoHz * cas) * std::min(1.0, cas * 4);
        const double dt = f / R;
        double y = 0;
        switch (t.tvar) {
            case Tvar::sinus: y = std::sin(2 * kPi * faze); break;
            case Tvar::trojuhelnik: y = 1 - 4 * std::abs(faze - 0.5); break;
            case Tvar::pila: y = 2 * faze - 1 - blep(faze, dt); break;
            case Tvar::obdelnik: {
                // Less its mean: a narrow pulse is mostly low.
                y = (faze < t.strida ? 1 : -1) - (2 * t.strida - 1);
                y += blep(faze, dt);
                y -= blep(std::fmod(faze + 1 - t.strida, 1.0), dt);
                break;
            }
            case Tvar::varhany:
                y = std::sin(2 * kPi * faze) + 0.5 * std::sin(4 * kPi * faze) +
                    0.25 * std::sin(6 * kPi * faze);
                y /= 1.5;
                break;
            case Tvar::zvon: {
                const double index = 2.5 * std::exp(-cas / 0.35);
                y = std::sin(2 * kPi * faze + index * std::sin(2 * kPi * fazeMod));
                fazeMod += 1.4 * dt;
                fazeMod -= std::floor(fazeMod);
                break;
            }
            case Tvar::struna: {
                // Read one period back, less the delay the average adds.
                const double zpet = std::max(2.0, R / f - vaha);
                const double cteni = zapis + linka.size() - zpet;
                const size_t a = static_cast<size_t>(cteni) % linka.size();
                const size_t b = (a + 1) % linka.size();
                const double c = cteni - std::floor(cteni);
                const double v = linka[a] * (1 - c) + linka[b] * c;
                y = ((1 - vaha) * v + vaha * predchozi) * 0.9995;
                predchozi = v;
                linka[zapis % linka.size()] = y;
                ++zapis;
                break;
            }
        }
        faze += dt;
        faze -= std::floor(faze);
        if (t.dolniPropust > 0) y = filtr.krok(static_cast<float>(y), t.dolniPropust);
        s[od + i] += static_cast<float>(y * t.hlasitost * obalka(cas, t.delka, t.nabeh, t.pokles, t.dozvuk));
    }
}

void pridejSum(Stopa& s, const Sumeni& n) {
    const size_t od = vzorku(n.zacatek), pocet = vzorku(n.delka + n.dozvuk);
    if (s.size() < od + pocet) s.resize(od + pocet);
    Sum sum(n.semeno);
    Filtr filtr(n.druh, n.q);
    const double p1 = n.pasmo1 > 0 ? n.pasmo1 : n.pasmo0;
    for (size_t i = 0; i < pocet; ++i) {
        const double cas = i / R;
        const double hz = n.pasmo0 * std::pow(p1 / n.pasmo0, std::min(1.0, cas / n.delka));
        const double y = filtr.krok(sum.dalsi(), hz);
        s[od + i] += static_cast<float>(y * n.hlasitost * obalka(cas, n.delka, n.nabeh, n.pokles, n.dozvuk));
    }
}

void ozvena(Stopa& s, double zpozdeni, double zpetna, double mix) {
    const size_t d = vzorku(zpozdeni);
    std::vector<float> linka(d, 0.0f);
    for (size_t i = 0; i < s.size(); ++i) {
        const float z = linka[i % d];
        linka[i % d] = static_cast<float>(s[i] + z * zpetna);
        s[i] += static_cast<float>(z * mix);
    }
}

void dozvukSmycky(Stopa& s, double mix, double doba) {
    // Four combs in parallel, two all-passes in a row; the lengths are
    // mutually prime so their echoes do not pile up.
    static constexpr int kHrebeny[] = {1116, 1188, 1277, 1356};
    static constexpr int kPropusti[] = {556, 441};
    const size_t delka = s.size();
    const size_t chvost = vzorku(doba);
    Stopa vstup(s);
    vstup.resize(delka + chvost, 0.0f);
    Stopa mokry(vstup.size(), 0.0f);
    for (int h : kHrebeny) {
        const size_t d = static_cast<size_t>(h) / 2;  // the lengths are for 44.1 kHz
        std::vector<float> linka(d, 0.0f);
        const double g = std::pow(0.001, d / R / doba);  // -60 dB after doba
        float tlum = 0;
        for (size_t i = 0; i < vstup.size(); ++i) {
            const float y = linka[i % d];
            tlum = 0.7f * y + 0.3f * tlum;  // highs die sooner
            linka[i % d] = static_cast<float>(vstup[i] + g * tlum);
            mokry[i] += y * 0.25f;
        }
    }
    for (int p : kPropusti) {
        const size_t d = static_cast<size_t>(p) / 2;
        std::vector<float> linka(d, 0.0f);
        for (size_t i = 0; i < mokry.size(); ++i) {
            const float z = linka[i % d];
            const float x = mokry[i];
            linka[i % d] = x + 0.5f * z;
            mokry[i] = z - 0.5f * x;
        }
    }
    for (size_t i = 0; i < vstup.size(); ++i) vstup[i] += static_cast<float>(mokry[i] * mix);
    // What rings on past the end sounds over the next round's start.
    for (size_t i = delka; i < vstup.size(); ++i) vstup[i % delka] += vstup[i];
    vstup.resize(delka);
    s = std::move(vstup);
}

double spickaStopy(const Stopa& s) {
    double m = 0;
    for (float v : s) m = std::max(m, static_cast<double>(std::abs(v)));
    return m;
}

double stredStopy(const Stopa& s) {
    double soucet = 0;
    for (float v : s) soucet += v;
    return s.empty() ? 0 : soucet / static_cast<double>(s.size());
}

double hlasitostStopy(const Stopa& s) {
    const size_t okno = std::min(s.size(), vzorku(0.1));
    if (!okno) return 0;
    double soucet = 0, nejvic = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        soucet += static_cast<double>(s[i]) * s[i];
        if (i >= okno) soucet -= static_cast<double>(s[i - okno]) * s[i - okno];
        if (i + 1 >= okno) nejvic = std::max(nejvic, soucet);
    }
    return std::sqrt(nejvic / static_cast<double>(okno));
}

void vyrovnej(Stopa& s, double decibelu) {
    const size_t slabnuti = std::min(s.size(), vzorku(0.004));
    for (size_t i = 0; i < slabnuti; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / slabnuti;
    // What offset is left goes as a smooth hump over the whole sound (a sine
    // squared), so both ends stay at silence and nothing clicks.
    if (s.size() > 1) {
        double vaha = 0;
        for (size_t i = 0; i < s.size(); ++i) vaha += std::pow(std::sin(kPi * i / (s.size() - 1)), 2);
        const double c = stredStopy(s) * static_cast<double>(s.size()) / vaha;
        for (size_t i = 0; i < s.size(); ++i)
            s[i] -= static_cast<float>(c * std::pow(std::sin(kPi * i / (s.size() - 1)), 2));
    }
    const double h = hlasitostStopy(s);
    if (h <= 0) return;
    const double k = std::pow(10.0, decibelu / 20) / h;
    for (float& v : s) v = static_cast<float>(v * k);
}

void normalizuj(Stopa& s, double spicka, bool konci) {
    const size_t slabnuti = konci ? std::min(s.size(), vzorku(0.004)) : 0;
    for (size_t i = 0; i < slabnuti; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / slabnuti;
    const double m = spickaStopy(s);
    if (m <= 0) return;
    for (float& v : s) v = static_cast<float>(v * spicka / m);
}
