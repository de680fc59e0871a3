// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readable counters in failure messages: gtest finds PrintTo next to the type.

#include "model/Partita.h"

#include <ostream>

namespace girolino {

inline void PrintTo(const TContatore& e, std::ostream* o) {
    *o << "{ritardo " << e.ritardo << ", maxRitardo " << e.maxRitardo << ", sortite " << e.sortite
       << "}";
}

} // namespace girolino
