// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form15.h"

#include "Versione.h"
#include "model/Testo.h"

namespace girolino::ui {

TForm15::TForm15(TPiattaforma& p)
    : TForm(p, "TForm15", formatta(TESTO("%1 - Help"), nomeProgramma), 530, 279) {
    id_ = costruisciForm15(*this);
}

void TForm15::click(int id) {
    if (id == id_.esempio)
        piattaforma().messaggio(TESTO("Bravo! Questo era un click! ;)"));
    else if (id == id_.ok)
        nascondi();
}

} // namespace girolino::ui
