// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form8.h"

#include "Versione.h"

#include "engine/Andamento.h"
#include "model/Testo.h"
#include "ui/Decimale.h"

namespace girolino::ui {

TForm8::TForm8(TPiattaforma& p)
    : TForm(p, "TForm8", formatta(TESTO("%1 - Andamento dei 37 numeri"), nomeProgramma), 695, 570) {
    setPosizione(TPosizioneForm::InAltoASinistra);
    id_ = costruisciForm8(*this);
}

void TForm8::impostaFrequentoni(const TClassifica& frequenti) {
    const std::int32_t massimo = massimoBarreNumeri(frequenti);
    for (int k = 0; k < RIGHE_FORM8; ++k) {
        setTesto(id_.numero[k], TDecimale(frequenti[k].numero));
        setTesto(id_.conteggio[k], TDecimale(frequenti[k].chiave));
        setBarra(id_.barra[k], 0, massimo, frequenti[k].chiave);
    }
}

void TForm8::click(int id) {
    if (id == id_.chiudi) {
        nascondi();
    } else if (id == id_.aiuto) {
        piattaforma().messaggio(TESTO(
            "In questa scheda ti vengono mostrati tutti i 37 numeri in ordine di sortita, dal più "
            "frequente al meno frequente. Per ogni numero ti viene mostrata una barra del grafico "
            "e alla sua destra il totale di sortite ottenuto fino a quel momento."));
    }
}

} // namespace girolino::ui
