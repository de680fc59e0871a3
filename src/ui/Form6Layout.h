// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the trend window of the outside sides as data.

#include "model/Tabella.h"
#include "ui/Form.h"

#include <array>

namespace girolino::ui {

// One row for each outside side.
inline constexpr int RIGHE_FORM6 = NUM_CHANCE;

// The ids of each row's name, bar and count, of the spin count over the bars, and of the
// two buttons.
struct TIdForm6 {
    std::array<int, RIGHE_FORM6> nome{}, barra{}, conteggio{};
    int boule = -1; // Label2
    int chiudi = -1, aiuto = -1;
};

// Adds the heading, the scale, the twelve rows and "Chiudi" to `f` and returns their ids.
TIdForm6 costruisciForm6(TForm& f);

} // namespace girolino::ui
