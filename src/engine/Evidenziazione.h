// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which delay fields of the main window show a delay beyond the longest one ever closed.

#include "model/Partita.h"

#include <array>
#include <string_view>

namespace girolino {

inline bool supera(const TContatore& c) {
    return c.ritardo > c.maxRitardo;
}

// The family rows compare what they display: the delay and maximum texts of the row, read
// as whole numbers. A text that is not a number never counts as exceeding.
bool rigaFamigliaSupera(std::string_view testoRitardo, std::string_view testoMaxRitardo);

struct TCampiOltre {
    std::array<bool, NUMERI> numeri{};         // r0..r36
    std::array<bool, NUM_CHANCE + 1> chance{}; // rr1..rr12 by TChance, slot 0 unused
    std::array<bool, NUM_FAMIGLIE> famiglie{}; // rrr1..rrr5
};

using TTestiFamiglie = std::array<std::string_view, NUM_FAMIGLIE>;

TCampiOltre campiOltreMassimo(const TPartita& partita, const TTestiFamiglie& testiRitardo,
                              const TTestiFamiglie& testiMaxRitardo);

} // namespace girolino
