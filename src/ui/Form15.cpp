// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form15.h"

#include "Versione.h"

#include "ui/TitoloAiuto.h"

namespace girolino::ui {

using namespace aiuto;
using namespace disegno;

TForm15::TForm15(TPiattaforma& p) : TForm(p, "TForm15", conNomeProgramma(" - Help"), 530, 279) {
    preparaFinestraAiuto(*this);
    aggiungi(etichetta("Label1", -1, 8, 64, 514, 24,
                       "All'interno del programma troverai delle icone come questa",
                       inTahoma(pxRiga), TAllinea::Centro));

    // Two arrows pointing at the sample button between them.
    aggiungi(immagine("Image1", -1, 199, 100, 40, 40, "avanti"));
    idEsempio_ = aggiungi(conCarattere(
        pulsante("SpeedButton50", -1, 249, 104, 32, 32, "", "aiuto", "Aiuto"), inTahoma()));
    aggiungi(immagine("Image2", -1, 291, 100, 40, 40, "indietro"));

    aggiungi(etichetta("Label2", -1, 8, 152, 514, 24,
                       "Cliccaci sopra per ottenere degli aiuti riguardanti la sezione ",
                       inTahoma(pxRiga), TAllinea::Centro));
    aggiungi(etichetta("Label5", -1, 8, 176, 514, 24, "in cui si trovano", inTahoma(pxRiga),
                       TAllinea::Centro));
    idOk_ =
        aggiungi(conCarattere(pulsante("BitBtn1", -1, 168, 222, 193, 43, "OK", "ok"), inTahoma()));
}

void TForm15::click(int id) {
    if (id == idEsempio_)
        piattaforma().messaggio("Bravo! Questo era un click! ;)");
    else if (id == idOk_)
        nascondi();
}

} // namespace girolino::ui
