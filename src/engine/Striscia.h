// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The strip of the latest numbers shown on the number pad.

#include "model/Partita.h"

#include <string>
#include <utility>
#include <vector>

namespace girolino {

// At most the 14 newest lines of the number ribbon, newest first, each with its colour
// code (rossoonero: 0 zero, 1 red, 2 black). The pad writes each text followed by a space.
std::vector<std::pair<std::string, int>> striscia(const TPartita& p);

} // namespace girolino
