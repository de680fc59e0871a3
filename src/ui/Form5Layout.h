// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the floating number pad as data.

#include "ui/Form.h"

#include "Versione.h"

namespace girolino::ui {

inline constexpr const char* captionForm5 = nomeProgramma;
inline constexpr int larghezzaForm5 = 517;
// The entry field's row lies under the strip.
inline constexpr int altezzaStrisciaForm5 = 263;
inline constexpr int altezzaForm5 = altezzaStrisciaForm5 + 36;

// Adds the pad's panel, its 37 number buttons, the spin count and the recent-numbers
// strip to `f` (a window of larghezzaForm5 x altezzaForm5), and sets its caption and font.
void costruisciForm5(TForm& f);

} // namespace girolino::ui
