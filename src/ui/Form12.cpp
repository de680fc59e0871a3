// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form12.h"

#include "Versione.h"

#include "model/Testo.h"
#include "ui/GrigliaContatori.h"

#include <string>

namespace girolino::ui {

TForm12::TForm12(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm12", nomeProgramma, 624, 327), partita_(partita) {
    id_ = costruisciForm12(*this);
    for (int k = 0; k < NUMERI; ++k) copiaNumeri_[k].numero = k;
}

void TForm12::assegnaStat() {
    copiaNumeri_ = girolino::assegnaStat(partita_, testo(id_.ordine));
}

void TForm12::compilaCampi() {
    for (int k = 0; k < NUMERI; ++k) {
        const TRigaNumero& r = copiaNumeri_[k];
        setTesto(id_.n[k], std::to_string(r.numero));
        setTesto(id_.r[k], std::to_string(r.contatore.ritardo));
        setTesto(id_.m[k], std::to_string(r.contatore.maxRitardo));
        setTesto(id_.s[k], std::to_string(r.contatore.sortite));
    }
    applicaEvidenziazione();
}

void TForm12::applicaEvidenziazione() {
    if (spuntato(id_.grassetto))
        numeribold();
    else
        numeriNobold();
    if (spuntato(id_.rosso))
        colorarosso();
    else
        coloraNorosso();
}

void TForm12::impostaCaption() {
    setCaption(
        formatta(TESTO("%1: Tutti i Numeri Ordinati per %2"), nomeProgramma, testo(id_.ordine)));
}

void TForm12::cambiatoCombo() {
    assegnaStat();
    compilaCampi();
    impostaCaption();
}

void TForm12::mostraStatistiche() {
    impostaCaption();
    applicaEvidenziazione();
    mostra();
}

void TForm12::aggiorna() {
    assegnaStat();
    compilaCampi();
}

void TForm12::numeribold() {
    griglia::grassetto(*this, id_.r, righeMostrate(), true);
}

void TForm12::numeriNobold() {
    griglia::grassetto(*this, id_.r, righeMostrate(), false);
}

void TForm12::colorarosso() {
    griglia::rosso(*this, id_.r, righeMostrate(), true);
}

void TForm12::coloraNorosso() {
    griglia::rosso(*this, id_.r, righeMostrate(), false);
}

void TForm12::click(int id) {
    // "N" names no ranked order on purpose: its rows stay in number order.
    if (id == id_.numero || id == id_.ritardo || id == id_.massimo || id == id_.sortita) {
        const char* ordine = id == id_.numero    ? TESTO("Numeri")
                             : id == id_.ritardo ? TESTO("Ritardo")
                             : id == id_.massimo ? TESTO("Massimo Ritardo")
                                                 : TESTO("Sortita");
        setTesto(id_.ordine, ordine);
        cambiatoCombo();
    } else if (id == id_.grassetto) {
        if (spuntato(id))
            numeribold();
        else
            numeriNobold();
    } else if (id == id_.rosso) {
        if (spuntato(id))
            colorarosso();
        else
            coloraNorosso();
    } else if (id == id_.aiuto) {
        piattaforma().messaggio(TESTO(
            "In questa scheda ti vengono mostrate le statistiche dei 37 numeri, puoi ordinare i "
            "numeri per ordine di: Numero, Ritardo, Massimo Ritardo e Sortita. Per decidere in "
            "che modo ordinare i numeri puoi utilizzare la finestrella a scelta multipla o "
            "direttamente i pulsanti poco più in basso. Inoltre nella parte bassa della "
            "schermata puoi scegliere se evidenziare in rosso e in grassetto i ritardi che "
            "superano il rispettivo massimo ritardo."));
    }
}

void TForm12::cambiato(int id) {
    if (id == id_.ordine) cambiatoCombo();
}

} // namespace girolino::ui
