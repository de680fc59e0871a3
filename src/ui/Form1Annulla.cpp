// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back the last spin, and starting a new game.

#include "ui/Form1.h"

#include "engine/Annulla.h"
#include "ui/Decimale.h"
#include "ui/Form1Layout.h"
#include "ui/Form5.h"

namespace girolino::ui {

void TForm1::annullaUltimo() {
    if (partita_.nastroNumeri.empty()) return; // nothing to take back
    if (testo(ids_.memo2) == "1") {
        pulisciTutto();
        setAbilitato(ids_.annulla, false);
        setAbilitato(ids_.andamento, false);
        return;
    }
    girolino::diminuisciritardi(partita_);
    girolino::togliUltimaRiga(partita_);
    for (int id : ids_.nastri) togliUltimaRiga(id);
    spostaCursoriInAlto();
    spostaCursori();
    --partita_.bouleEseguite;
    impostaConteggio(TDecimale(partita_.bouleEseguite));
    numeroAnnullato_ = girolino::numeroDellaRiga(testo(ids_.memo1));
    riCalcola();
    controSegnala();
    assegnaChanceComplesse();
    calcoliCalcola();
    setTesto(ids_.memo1, partita_.nastroNumeri.back());
    girolino::ripristinaUltimoNumero(partita_);
    reimpostaConnotazioni();
    seguiSeRichiesto();
    setAbilitato(ids_.annulla, false);
    setAbilitato(ids_.andamento, false);
    aggiornaVistaSegnali();
    if (analisi_) analisi_->assegnaValori();
    if (spuntato(ids_.rosso)) colorarosso();
    if (spuntato(ids_.grassetto)) numeriBold();
    ritardisignificativi();
    if (analisi_) analisi_->partitaCambiata();
}

void TForm1::riCalcola() {
    girolino::riCalcolaNumeri(partita_, numeroAnnullato_);
    calcoliCalcola();
    if (spuntato(ids_.rosso)) colorarosso();
    if (spuntato(ids_.grassetto)) numeriBold();
    ritardisignificativi();
}

void TForm1::nuovaPartita() {
    if (testo(ids_.memo1).empty()) return;
    if (piattaforma().domanda("Attenzione: il tabellone verrà resettato. Vuoi continuare?"))
        pulisciTutto();
}

void TForm1::pulisciTutto() {
    girolino::pulisciPartita(partita_);
    setTesto(ids_.memo2, "0");
    azzeracaselle();
    if (analisi_) analisi_->pulisciCampi();
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
