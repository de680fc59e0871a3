// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The statistics of a game as girolino-cli prints them: a table to read, or one JSON document.

#include "engine/StatistichePartita.h"

#include <iosfwd>

namespace girolino::lingua {
class TTraduttore;
} // namespace girolino::lingua

namespace girolino::cli {

// {"giri", "numeri", "chance", "settori", "archi", "chi_quadro"}; every row
// {"nome", "ritardo", "max_ritardo", "sortite", "attese", "z", "p_max_ritardo"}; "p" of the
// chi-square test null when there are too few spins. Numbers keep every digit of a double.
void stampaJson(std::ostream& o, const TStatistichePartita& s);

// Sections with aligned columns in the translator's language; "Prob. Max Rit" in percent.
void stampaTabella(std::ostream& o, const TStatistichePartita& s, int vicini,
                   const lingua::TTraduttore& tr);

} // namespace girolino::cli
