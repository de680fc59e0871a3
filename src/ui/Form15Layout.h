// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the first help window as data.

#include "ui/Form.h"

namespace girolino::ui {

// The ids of the sample help button and of "OK".
struct TIdForm15 {
    int esempio = -1;
    int ok = -1;
};

// Adds the window's texts, arrows, sample help button and "OK" to `f` and returns the ids
// the window answers to.
TIdForm15 costruisciForm15(TForm& f);

} // namespace girolino::ui
