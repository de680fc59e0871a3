// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the complex chances window as data.

#include "engine/AnalisiGruppi.h"
#include "ui/Form.h"

#include <array>

namespace girolino::ui {

// The grid's rows, enough for the largest family.
inline constexpr int RIGHE_FORM11 = 57;

// The ids of the grid's cells (row 0 unused: rows are numbered from 1), of the family and
// order panels, of the two combos and of the two check boxes.
struct TIdForm11 {
    std::array<int, RIGHE_FORM11 + 1> n{}, r{}, m{}, s{};
    std::array<int, NUM_FAMIGLIE> pannelliFamiglia{};
    std::array<int, 4> pannelliOrdine{};
    int famiglia = -1;  // ComboBox2
    int ordine = -1;    // ComboBox3
    int rosso = -1;     // CheckBox3
    int grassetto = -1; // CheckBox1
};

// Adds the grid, the family and order panels, the combos and the check boxes to `f` and
// returns their ids.
TIdForm11 costruisciForm11(TForm& f);

} // namespace girolino::ui
