// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the numbers table window as data.

#include "model/Tabella.h"
#include "ui/Form.h"

#include <array>

namespace girolino::ui {

// The ids of the grid's cells (number, delay, maximum delay, hits of each row), of the order
// combo and its four shortcut panels, of the two check boxes and of the help button.
struct TIdForm12 {
    std::array<int, NUMERI> n{}, r{}, m{}, s{};
    int ordine = -1;    // ComboBox3
    int numero = -1;    // Panel32 "N"
    int ritardo = -1;   // Panel33 "R"
    int massimo = -1;   // Panel34 "M"
    int sortita = -1;   // Panel1 "S"
    int grassetto = -1; // CheckBox1
    int rosso = -1;     // CheckBox3
    int aiuto = -1;     // SpeedButton55
};

// Adds the grid, the order controls, the check boxes and the help button to `f` and returns
// their ids.
TIdForm12 costruisciForm12(TForm& f);

} // namespace girolino::ui
