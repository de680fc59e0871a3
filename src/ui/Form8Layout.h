// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the trend window of the 37 numbers as data.

#include "model/Tabella.h"
#include "ui/Form.h"

#include <array>

namespace girolino::ui {

// One row for each number.
inline constexpr int RIGHE_FORM8 = NUMERI;

// The ids of each row's number, bar and count, and of the two buttons.
struct TIdForm8 {
    std::array<int, RIGHE_FORM8> numero{}, barra{}, conteggio{};
    int chiudi = -1, aiuto = -1;
};

// Adds the heading, the column titles, the 37 rows and "Chiudi" to `f` and returns their ids.
TIdForm8 costruisciForm8(TForm& f);

} // namespace girolino::ui
