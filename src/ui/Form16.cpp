// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form16.h"

#include "Versione.h"
#include "model/Testo.h"

namespace girolino::ui {

TForm16::TForm16(TPiattaforma& p)
    : TForm(p, "TForm16", formatta(TESTO("%1 - Help"), nomeProgramma), 448, 381) {
    id_ = costruisciForm16(*this);
}

void TForm16::click(int id) {
    if (id == id_.ok) nascondi();
}

} // namespace girolino::ui
