// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the floating number pad as data.

#include "model/Tabella.h"
#include "ui/Form.h"

#include "Versione.h"

#include <array>

namespace girolino::ui {

inline constexpr const char* captionForm5 = nomeProgramma;
inline constexpr int larghezzaForm5 = 517;
// The entry field's row lies under the strip.
inline constexpr int altezzaStrisciaForm5 = 263;
inline constexpr int altezzaForm5 = altezzaStrisciaForm5 + 36;

// The ids of the pad's number buttons, spin count, strip and entry field.
struct TIdForm5 {
    std::array<int, NUMERI> pulsanti{};
    int conteggio = 0;
    int striscia = 0;
    int campoNumero = 0;
};

// Adds the pad's panel, its 37 number buttons, the spin count, the recent-numbers strip and
// the entry field to `f` (a window of larghezzaForm5 x altezzaForm5), sets its caption and
// font, and returns the ids of what it made.
TIdForm5 costruisciForm5(TForm& f);

} // namespace girolino::ui
