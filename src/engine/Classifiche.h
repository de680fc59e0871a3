// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three rankings of the 37 numbers the main window shows after every refresh:
// most delayed, most probable (delay beyond the longest closed one) and most frequent.
// The least frequent are the tail of the frequency ranking, not a ranking of their own.

#include "model/Partita.h"

#include <array>
#include <cstdint>
#include <string>

namespace girolino {

struct TVoceClassifica {
    std::int32_t chiave = 0;
    int numero = 0;

    friend bool operator==(const TVoceClassifica&, const TVoceClassifica&) = default;
};

// Positions 1..37 of a ranking are elements 0..36.
using TClassifica = std::array<TVoceClassifica, NUMERI>;

struct TClassifiche {
    TClassifica ritardatari; // key ritardo
    TClassifica probabili;   // key ritardo - maxRitardo (may be negative)
    TClassifica frequenti;   // key sortite; the trend window reads all of it
};

// Fills the three rankings from the number counters, each starting from number order.
void calcolaClassifiche(const TPartita& partita, TClassifiche& classifiche);
TClassifiche calcolaClassifiche(const TPartita& partita);

// The numbers at positions 1..5.
std::array<int, 5> primiCinque(const TClassifica& classifica);

// Positions 37, 36, 35, 34, 33 of the frequency ranking: the least frequent first.
std::array<int, 5> menoFrequenti(const TClassifiche& classifiche);

// The hover text of a ranking box for the number it shows.
std::string suggerimentoNumero(const TContatore& contatore);

} // namespace girolino
