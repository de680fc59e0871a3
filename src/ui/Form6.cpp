// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form6.h"

#include "Versione.h"

#include "engine/Andamento.h"
#include "model/Testo.h"
#include "ui/Decimale.h"

namespace girolino::ui {

TForm6::TForm6(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm6", formatta(TESTO("%1 - Andamento Chance Semplici"), nomeProgramma), 556,
            398),
      partita_(partita) {
    setPosizione(TPosizioneForm::InAltoASinistra);
    id_ = costruisciForm6(*this);
}

void TForm6::mostraAndamento(bool ultimoNumeroVuoto) {
    if (ultimoNumeroVuoto) return;
    const auto voci = andamentoChance(partita_);
    const std::int32_t boule = partita_.bouleEseguite;
    for (int k = 0; k < RIGHE_FORM6; ++k) {
        setTesto(id_.nome[k], voci[k].nome);
        setTesto(id_.conteggio[k], TDecimale(voci[k].sortite));
        setBarra(id_.barra[k], 0, boule, voci[k].sortite);
    }
    setTesto(id_.boule, TDecimale(boule));
    mostra();
}

void TForm6::click(int id) {
    if (id == id_.chiudi) {
        nascondi();
    } else if (id == id_.aiuto) {
        piattaforma().messaggio(TESTO(
            "In questa scheda ti vengono mostrate tutte le chance semplici e le dozzine e colonne "
            "in ordine di sortita, dalla più frequente alla meno frequente. Per ogni tipo di "
            "chance semplice ti viene mostrata una barra del grafico e alla sua destra il totale "
            "di sortite ottenuto fino a quel momento."));
    }
}

} // namespace girolino::ui
