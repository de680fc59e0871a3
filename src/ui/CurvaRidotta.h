// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A long curve cut down to what a chart can draw quickly, keeping its shape: the lowest and
// the highest value of every stretch, the first and the last point.

#include "ui/ControlliRicchi.h"

#include <cstddef>
#include <span>
#include <vector>

namespace girolino::ui {

// The points (x0 + i, valori[i]) of the whole curve when there are at most `massimo` of them;
// otherwise at most `massimo` of them (never fewer than 4), left to right: the first, the
// last, and the lowest and highest of each of (massimo - 2) / 2 equal stretches.
std::vector<TPunto> curvaRidotta(std::span<const double> valori, double x0, std::size_t massimo);

} // namespace girolino::ui
