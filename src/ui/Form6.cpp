// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form6.h"

#include "Versione.h"

#include "engine/Andamento.h"
#include "ui/Decimale.h"

namespace girolino::ui {

TForm6::TForm6(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm6", conNomeProgramma(" - Andamento Chance Semplici"), 556, 398),
      partita_(partita) {
    setPosizione(TPosizioneForm::InAltoASinistra);
    crea();
}

void TForm6::mostraAndamento(bool ultimoNumeroVuoto) {
    if (ultimoNumeroVuoto) return;
    const auto voci = andamentoChance(partita_);
    const std::int32_t boule = partita_.bouleEseguite;
    for (int k = 0; k < RIGHE; ++k) {
        setTesto(idNome_[k], voci[k].nome);
        setTesto(idConteggio_[k], TDecimale(voci[k].sortite));
        setBarra(idBarra_[k], 0, boule, voci[k].sortite);
    }
    setTesto(idBoule_, TDecimale(boule));
    mostra();
}

void TForm6::click(int id) {
    if (id == idChiudi_) {
        nascondi();
    } else if (id == idAiuto_) {
        piattaforma().messaggio(
            "In questa scheda ti vengono mostrate tutte le chance semplici e le dozzine e colonne "
            "in ordine di sortita, dalla più frequente alla meno frequente. Per ogni tipo di "
            "chance semplice ti viene mostrata una barra del grafico e alla sua destra il totale "
            "di sortite ottenuto fino a quel momento.");
    }
}

} // namespace girolino::ui
