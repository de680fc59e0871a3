// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the second help window as data.

#include "ui/Form.h"

namespace girolino::ui {

// The id of "OK", the one control the window answers to.
struct TIdForm16 {
    int ok = -1;
};

// Adds the copies of the command row, their legend and "OK" to `f` (a window 448 pixels
// wide) and returns the ids the window answers to.
TIdForm16 costruisciForm16(TForm& f);

} // namespace girolino::ui
