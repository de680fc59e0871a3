// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces shared by the two help windows: white ground, Tahoma text, and the title
// drawn twice (black, and blue one pixel to the right) for a shadowed look.

#include "model/Testo.h"
#include "ui/Disegno.h"
#include "ui/Form.h"

#include <string>

namespace girolino::ui::aiuto {

inline constexpr int pxTitolo = 32;
inline constexpr int pxRiga = 19;
inline constexpr int larghezzaTitolo = 345;

// Sets the look common to both help windows and adds the doubled title centred in it.
inline void preparaFinestraAiuto(TForm& f) {
    f.setSfondo(clWhite);
    f.setPosizione(TPosizioneForm::CentroPrincipale);
    const int x = (f.larghezza() - larghezzaTitolo) / 2;
    f.aggiungi(disegno::etichetta("Label3", -1, x, 8, larghezzaTitolo, 39, TESTO("HELP  -  AIUTO"),
                                  disegno::inTahoma(pxTitolo), TAllinea::Centro));
    TControllo ombra = disegno::etichetta(
        "Label4", -1, x + 1, 8, larghezzaTitolo, 39, TESTO("HELP  -  AIUTO"),
        disegno::carattere(pxTitolo, false, clBlue, disegno::tahoma), TAllinea::Centro);
    ombra.sopraIFratelli = true;
    f.aggiungi(std::move(ombra));
}

} // namespace girolino::ui::aiuto
