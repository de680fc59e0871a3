// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the import preview as data.

#include "ui/Form.h"

namespace girolino::ui {

// The ids of the texts the preview fills, of the box, of the two buttons and of the bar
// that stands in for them while a long list goes in.
struct TIdFormImporta {
    int barra = -1;
    int origine = -1, conteggio = -1, primi = -1, ultimi = -1;
    int inverti = -1, importa = -1, annulla = -1;
};

// Adds the preview's labels, strips, box, buttons and bar to `f` (a window 436 pixels wide),
// sets its font and returns their ids.
TIdFormImporta costruisciFormImporta(TForm& f);

} // namespace girolino::ui
