// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the rules-of-use window as data.

#include "ui/Form.h"

namespace girolino::ui {

// The ids of the "don't show again" box and of the two buttons.
struct TIdForm17 {
    int casella = -1;
    int accetto = -1;
    int nonAccetto = -1;
};

// Adds the rules text, the box and the two buttons to `f` and returns their ids.
TIdForm17 costruisciForm17(TForm& f);

} // namespace girolino::ui
