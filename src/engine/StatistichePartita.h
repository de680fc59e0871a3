// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Observed against expected for every entity of a game, in the order the statistics show
// them, with the names they show.

#include "engine/Statistiche.h"
#include "model/Partita.h"

#include <string_view>
#include <vector>

namespace girolino {

struct TStatistichePartita {
    std::int64_t giri = 0;
    std::vector<TRigaStatistica> numeri;  // 37: "0" .. "36"
    std::vector<TRigaStatistica> chance;  // 12: "Rosso" .. "Pass", "Doz 1" .. "Col 3"
    std::vector<TRigaStatistica> settori; // 4, in the order of settori()
    std::vector<TRigaStatistica> archi;   // 37 of the chosen width, wheel order from 0
    TChiQuadro chiQuadro;                 // over the hits of the numbers
};

// The name of a side in the statistics ("Doz 1", where the board says "Doz1").
std::string_view nomeStatisticoChance(TChance c);
// The probability that one spin hits the side: 18/37, or 12/37 for dozens and columns.
double probabilitaChance(TChance c);

// Every row from the counters the game keeps. `vicini` is the width of the arcs (1..4), or 0
// for none (their 37 records cost a pass over the spins each); another width throws
// std::out_of_range.
TStatistichePartita statistichePartita(const TPartita& p, int vicini);

} // namespace girolino
