// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a fair wheel puts the hits of an entity in most games: its expected hits plus or
// minus a number of standard deviations (engine/Statistiche.h). Drawn around the expected
// line of a chart, it shows how far from it chance alone usually goes.

#include <cstdint>

namespace girolino {

struct TFasciaAttese {
    double attese = 0;
    double sotto = 0; // never below 0: no entity has fewer than no hits
    double sopra = 0;
};

// The band of `deviazioni` standard deviations around n·p after `giri` spins.
TFasciaAttese fasciaAttese(std::int64_t giri, double p, double deviazioni);

} // namespace girolino
