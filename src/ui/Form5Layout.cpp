// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form5Layout.h"

#include "model/Testo.h"
#include "ui/CampoNumero.h"
#include "ui/Disegno.h"

#include <string>

namespace girolino::ui {

using namespace disegno;

TIdForm5 costruisciForm5(TForm& f) {
    TIdForm5 ids;
    f.setCaption(captionForm5);
    f.setFontBase(carattere(11));

    TControllo pannello =
        controllo("Panel1", TTipo::Pannello, -1, 0, 0, larghezzaForm5, altezzaForm5);
    pannello.sfondo = clGreen;
    const int p = f.aggiungi(pannello);

    // Ten buttons a row fill the window's width edge to edge.
    constexpr int margine = 3, larghezza = 51, altezza = 52;
    for (int n = 0; n <= 36; ++n) {
        TControllo b = controllo("SpeedButton" + std::to_string(n + 1), TTipo::Pulsante, p,
                                 margine + (n % 10) * larghezza, margine + (n / 10) * altezza,
                                 larghezza, altezza, std::to_string(n));
        b.font = carattere(21, false, clBlack, "Tahoma");
        ids.pulsanti[n] = f.aggiungi(b);
    }

    // After 30..36 on the last row.
    const int xConteggio = margine + 7 * larghezza + 6;
    TControllo boule = controllo("Memo2", TTipo::Memo, p, xConteggio, margine + 3 * altezza,
                                 larghezzaForm5 - margine - xConteggio, altezza, "0");
    boule.sfondo = clSkyBlue;
    boule.font = carattere(40, true, clBlue);
    boule.allinea = TAllinea::Destra;
    boule.solaLettura = true;
    boule.hint = TESTO("Numero di Boules eseguite");
    ids.conteggio = f.aggiungi(boule);

    const int yStriscia = margine + 4 * altezza + 4;
    TControllo striscia =
        controllo("RichEdit1", TTipo::Striscia, p, margine, yStriscia, larghezzaForm5 - 2 * margine,
                  altezzaStrisciaForm5 - margine - yStriscia);
    striscia.font = carattere(24, false, clBlack, "Tahoma");
    striscia.solaLettura = true;
    ids.striscia = f.aggiungi(striscia);

    ids.campoNumero = aggiungiCampoNumero(f, p, margine + 4, altezzaStrisciaForm5 + 2, 18, clWhite);
    return ids;
}

} // namespace girolino::ui
