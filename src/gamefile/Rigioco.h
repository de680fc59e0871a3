// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The counters a list of spins leads to, computed straight from the spins: for every number,
// side and group, when it was hit last, how often, and the longest gap its hits closed; and
// the current run of every side. Used to tell whether saved counters belong to a ribbon.

#include "model/Partita.h"

#include <array>
#include <cstdint>
#include <vector>

namespace girolino {

struct TRigioco {
    std::array<TContatore, NUMERI> numeri{};
    std::array<TContatore, NUM_CHANCE + 1> chance{}; // [1..12]
    std::array<std::int32_t, NUM_CHANCE + 1> ripetizioni{};
    std::array<TContatore, NUM_GRUPPI + 1> gruppi{}; // [1..112]
};

// spins: numbers 0..36, oldest first.
TRigioco rigioca(const std::vector<int>& spins);

} // namespace girolino
