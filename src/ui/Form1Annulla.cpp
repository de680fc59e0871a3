// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back the last spin, and starting a new game.

#include "model/Testo.h"
#include "ui/Form1.h"

#include "engine/Annulla.h"
#include "ui/Decimale.h"
#include "ui/Form1Layout.h"
#include "ui/Form5.h"

namespace girolino::ui {

void TForm1::annullaUltimo() {
    girolino::annullaSpin(partita_, *this);
}

void TForm1::partitaPulita() {
    mostraPartitaPulita();
}

void TForm1::righeTolte() {
    for (int id : ids_.nastri) togliUltimaRiga(id);
    spostaCursoriInAlto();
    spostaCursori();
}

void TForm1::numeriRicalcolati(int) {
    impostaConteggio(TDecimale(partita_.bouleEseguite));
    calcoliCalcola();
    evidenzia();
}

void TForm1::chanceAnnullate(int) {
    mostraTitoli(leggiSogliaRipetizioni());
    assegnaChanceComplesse();
    calcoliCalcola();
    setTesto(ids_.memo1, partita_.nastroNumeri.back());
}

void TForm1::spinAnnullato() {
    reimpostaConnotazioni();
    seguiSeRichiesto();
    setAbilitato(ids_.annulla, false);
    setAbilitato(ids_.andamento, false);
    aggiornaVistaSegnali();
    if (analisi_) analisi_->gruppiCambiati();
    evidenzia();
    if (analisi_) analisi_->partitaCambiata();
}

void TForm1::nuovaPartita() {
    if (testo(ids_.memo1).empty()) return;
    if (piattaforma().domanda(TESTO("Attenzione: il tabellone verrà resettato. Vuoi continuare?")))
        pulisciTutto();
}

void TForm1::pulisciTutto() {
    girolino::pulisciPartita(partita_);
    mostraPartitaPulita();
}

void TForm1::mostraPartitaPulita() {
    setTesto(ids_.memo2, "0");
    azzeracaselle();
    if (analisi_) analisi_->partitaPulita();
    for (int id : ids_.classifiche) setTesto(id, "0");
    classificheMaiMostrate_ = false;
    // The family rows must not go on sorting the counters of the game just cleared.
    assegnaChanceComplesse();
    for (int id : ids_.nastri) svuotaRighe(id);
    setTesto(ids_.memo1, "");
    for (int id : ids_.connotazioni) setTesto(id, "");
    setVisibile(ids_.banner, false);
    banner_.visibile = false;
    for (int id : ids_.titoli) {
        setColoreFont(id, clBlack);
        setGrassetto(id, false);
    }
    for (int c = Rosso; c <= Col3; ++c) setVisibile(ids_.segnaliRitardo[c], false);
    numeriNoBold();
    coloraNorosso();
    setCaption(captionForm1);
    if (tastiera_) tastiera_->pulisciStriscia();
    setAbilitato(ids_.andamento, false);
    setAbilitato(ids_.annulla, false);
    setAbilitato(ids_.salva, false);
    setVoceAbilitata(ids_.voceSalva, false);
    setVoceAbilitata(voceEsporta_, false);
    if (analisi_) analisi_->partitaCambiata();
}

void TForm1::azzeracaselle() {
    for (int n = 0; n < NUMERI; ++n) {
        setTesto(ids_.r[n], "0");
        setTesto(ids_.m[n], "0");
        setTesto(ids_.s[n], "0");
    }
    for (int c = Rosso; c <= Col3; ++c) {
        setTesto(ids_.rr[c], "0");
        setTesto(ids_.mm[c], "0");
        setTesto(ids_.ss[c], "0");
    }
    for (int f = 0; f < NUM_FAMIGLIE; ++f) {
        setTesto(ids_.nnn[f], "0");
        setTesto(ids_.rrr[f], "0");
        setTesto(ids_.mmm[f], "0");
        setTesto(ids_.sss[f], "0");
    }
}

} // namespace girolino::ui
