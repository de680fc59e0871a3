// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form12.h"

#include "Versione.h"

#include "ui/GrigliaContatori.h"

#include <string>

namespace girolino::ui {

TForm12::TForm12(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm12", nomeProgramma, 624, 327), partita_(partita) {
    crea();
    for (int k = 0; k < RIGHE; ++k) copiaNumeri_[k].numero = k;
}

void TForm12::assegnaStat() {
    copiaNumeri_ = girolino::assegnaStat(partita_, testo(idOrdine_));
}

void TForm12::compilaCampi() {
    for (int k = 0; k < RIGHE; ++k) {
        const TRigaNumero& r = copiaNumeri_[k];
        setTesto(idN_[k], std::to_string(r.numero));
        setTesto(idR_[k], std::to_string(r.contatore.ritardo));
        setTesto(idM_[k], std::to_string(r.contatore.maxRitardo));
        setTesto(idS_[k], std::to_string(r.contatore.sortite));
    }
    applicaEvidenziazione();
}

void TForm12::applicaEvidenziazione() {
    if (spuntato(idGrassetto_))
        numeribold();
    else
        numeriNobold();
    if (spuntato(idRosso_))
        colorarosso();
    else
        coloraNorosso();
}

void TForm12::impostaCaption() {
    setCaption(conNomeProgramma(": Tutti i Numeri Ordinati per ") + testo(idOrdine_));
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
    griglia::grassetto(*this, idR_, righeMostrate(), true);
}

void TForm12::numeriNobold() {
    griglia::grassetto(*this, idR_, righeMostrate(), false);
}

void TForm12::colorarosso() {
    griglia::rosso(*this, idR_, righeMostrate(), true);
}

void TForm12::coloraNorosso() {
    griglia::rosso(*this, idR_, righeMostrate(), false);
}

void TForm12::click(int id) {
    // "N" names no ranked order on purpose: its rows stay in number order.
    if (id == idNumero_ || id == idRitardo_ || id == idMassimo_ || id == idSortita_) {
        const char* ordine = id == idNumero_    ? "Numeri"
                             : id == idRitardo_ ? "Ritardo"
                             : id == idMassimo_ ? "Massimo Ritardo"
                                                : "Sortita";
        setTesto(idOrdine_, ordine);
        cambiatoCombo();
    } else if (id == idGrassetto_) {
        if (spuntato(id))
            numeribold();
        else
            numeriNobold();
    } else if (id == idRosso_) {
        if (spuntato(id))
            colorarosso();
        else
            coloraNorosso();
    } else if (id == idAiuto_) {
        piattaforma().messaggio(
            "In questa scheda ti vengono mostrate le statistiche dei 37 numeri, puoi ordinare i "
            "numeri per ordine di: Numero, Ritardo, Massimo Ritardo e Sortita. Per decidere in "
            "che modo ordinare i numeri puoi utilizzare la finestrella a scelta multipla o "
            "direttamente i pulsanti poco più in basso. Inoltre nella parte bassa della "
            "schermata puoi scegliere se evidenziare in rosso e in grassetto i ritardi che "
            "superano il rispettivo massimo ritardo.");
    }
}

void TForm12::cambiato(int id) {
    if (id == idOrdine_) cambiatoCombo();
}

} // namespace girolino::ui
