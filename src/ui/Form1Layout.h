// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window as data: every control with its place, look and
// initial state, and the main menu. The operations behind them live in TForm1.

#include "ui/Form.h"

#include "Versione.h"

namespace girolino::ui {

inline constexpr const char* captionForm1 = nomeProgramma;
inline constexpr int larghezzaForm1 = 1001;
inline constexpr int altezzaForm1 = 662;

// Adds every control and the menu to `f` (a window of larghezzaForm1 x altezzaForm1),
// and sets its caption, base font and place on the screen.
void costruisciForm1(TForm& f);

} // namespace girolino::ui
