// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form15Layout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"
#include "ui/TitoloAiuto.h"

namespace girolino::ui {

using namespace aiuto;
using namespace disegno;

TIdForm15 costruisciForm15(TForm& f) {
    TIdForm15 ids;
    preparaFinestraAiuto(f);
    f.aggiungi(etichetta("Label1", -1, 8, 64, 514, 24,
                         TESTO("All'interno del programma troverai delle icone come questa"),
                         inTahoma(pxRiga), TAllinea::Centro));

    // Two arrows pointing at the sample button between them.
    f.aggiungi(immagine("Image1", -1, 199, 100, 40, 40, "avanti"));
    ids.esempio = f.aggiungi(conCarattere(
        pulsante("SpeedButton50", -1, 249, 104, 32, 32, "", "aiuto", TESTO("Aiuto")), inTahoma()));
    f.aggiungi(immagine("Image2", -1, 291, 100, 40, 40, "indietro"));

    f.aggiungi(etichetta("Label2", -1, 8, 152, 514, 24,
                         TESTO("Cliccaci sopra per ottenere degli aiuti riguardanti la sezione "),
                         inTahoma(pxRiga), TAllinea::Centro));
    f.aggiungi(etichetta("Label5", -1, 8, 176, 514, 24, TESTO("in cui si trovano"),
                         inTahoma(pxRiga), TAllinea::Centro));
    ids.ok = f.aggiungi(
        conCarattere(pulsante("BitBtn1", -1, 168, 222, 193, 43, TESTO("OK"), "ok"), inTahoma()));
    return ids;
}

} // namespace girolino::ui
