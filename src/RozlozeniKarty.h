// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game writes the pad's button numbers on the controls card. The
// generator draws the card without them and a sheet of its digits, both by
// this layout; the game writes the numbers in force from the sheet.
#pragma once

namespace karta {
// The card's size.
inline constexpr int kSirka = 760, kVyska = 560;
// The pad's rows with a number: jump, run, strike, weapon, pause, this card.
// A number's digits stand left-aligned from x, their top at the row's y.
inline constexpr int kTlacitek = 6;
inline constexpr int kCislaX = 512, kPrvniRadek = 136, kRozestup = 24;
// The sheet of digits: digit d in the cell at x = d * kBunka, drawn as the
// card draws its keys (twice the font's size, with the shadow), white around.
// A digit takes its drawn width and one empty column.
inline constexpr int kBunka = 12, kVyskaBunky = 15;
}  // namespace karta
