// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the wheel window as data.

#include "ui/Form.h"

namespace girolino::ui {

inline constexpr int larghezzaFormRuota = 660;
inline constexpr int altezzaFormRuota = 504;

// The ids of the wheel, the two tables and the width of the arcs.
struct TIdFormRuota {
    int ruota = -1, settori = -1, archi = -1, vicini = -1;
};

// Adds the wheel, the arcs with their width and the sectors to `f` (a window of
// larghezzaFormRuota x altezzaFormRuota), sets its font and returns their ids.
TIdFormRuota costruisciFormRuota(TForm& f);

} // namespace girolino::ui
