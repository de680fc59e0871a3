// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wheel neighbours of a number, as marks on the 37 board labels.

#include "model/Tabella.h"

#include <array>
#include <string_view>

namespace girolino {

enum class TSegnoVicino { Riposo, Rosso, Fucsia };

// Marks for the labels of 0..36: the two numbers next to the given one on the wheel are
// red, the three further on each side fuchsia, all others (the number itself too) at rest.
// Only the exact texts "0".."36" name a number; any other text leaves everything at rest.
std::array<TSegnoVicino, NUMERI> cercavicini(std::string_view testo);

} // namespace girolino
