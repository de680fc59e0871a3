// SPDX-License-Identifier: GPL-3.0-or-later
// The board, the rankings, the family rows, the highlighting, the last number's
// attributes, the wheel neighbours and the ribbons' scrolling.

#include "ui/Form1.h"

#include "engine/Evidenziazione.h"
#include "engine/Vicini.h"
#include "ui/Decimale.h"

namespace girolino::ui {

void TForm1::calcoliCalcola() {
    const auto& numeri = partita_.numeri;
    for (int n = 0; n < NUMERI; ++n) setTesto(ids_.r[n], TDecimale(numeri[n].ritardo));

    girolino::calcolaClassifiche(partita_, classifiche_);
    mostraClassifica(0, girolino::primiCinque(classifiche_.ritardatari));
    mostraClassifica(5, girolino::primiCinque(classifiche_.probabili));
    mostraClassifica(10, girolino::primiCinque(classifiche_.frequenti));
    mostraClassifica(15, girolino::menoFrequenti(classifiche_));
    classificheMaiMostrate_ = false;

    for (int n = 0; n < NUMERI; ++n) {
        setTesto(ids_.m[n], TDecimale(numeri[n].maxRitardo));
        setTesto(ids_.s[n], TDecimale(numeri[n].sortite));
    }
    for (int c = Rosso; c <= Col3; ++c) {
        const auto& e = partita_.chance[c];
        setTesto(ids_.rr[c], TDecimale(e.ritardo));
        setTesto(ids_.mm[c], TDecimale(e.maxRitardo));
        setTesto(ids_.ss[c], TDecimale(e.sortite));
    }

    girolino::ordinaFamiglie(gruppiOrdinati_, spuntato(ids_.perRitardo));
    for (int f = 0; f < NUM_FAMIGLIE; ++f) {
        const TVoceGruppo& v =
            girolino::primoDellaFamiglia(gruppiOrdinati_, static_cast<TTipoGruppo>(f));
        setTesto(ids_.nnn[f], v.etichetta());
        setTesto(ids_.rrr[f], TDecimale(v.ritardo));
        setTesto(ids_.mmm[f], TDecimale(v.maxRitardo));
        setTesto(ids_.sss[f], TDecimale(v.sortite));
    }

    if (analisi_) analisi_->classificheAggiornate();
}

void TForm1::mostraClassifica(int primo, const std::array<int, 5>& numeri) {
    for (int k = 0; k < 5; ++k) {
        const int cella = ids_.classifiche[primo + k];
        setTesto(cella, TDecimale(numeri[k]));
        setHint(cella, girolino::suggerimentoNumero(partita_.numeri[numeri[k]]));
    }
}

void TForm1::assegnaChanceComplesse() {
    girolino::assegnaChanceComplesse(partita_, gruppiOrdinati_);
}

// One highlight pass over the 54 delay fields: red text (rosso) or bold (otherwise) where
// the delay has passed the longest one ever closed. The family rows compare what they show.
void TForm1::passataEvidenza(bool rosso) {
    TTestiFamiglie ritardi, massimi;
    for (int f = 0; f < NUM_FAMIGLIE; ++f) {
        ritardi[f] = testo(ids_.rrr[f]);
        massimi[f] = testo(ids_.mmm[f]);
    }
    const TCampiOltre oltre = girolino::campiOltreMassimo(partita_, ritardi, massimi);
    const auto segna = [this, rosso](int id, bool supera) {
        if (rosso)
            setColoreFont(id, supera ? clRed : clBlack);
        else
            setGrassetto(id, supera);
    };
    for (int n = 0; n < NUMERI; ++n) segna(ids_.r[n], oltre.numeri[n]);
    for (int c = Rosso; c <= Col3; ++c) segna(ids_.rr[c], oltre.chance[c]);
    for (int f = 0; f < NUM_FAMIGLIE; ++f) segna(ids_.rrr[f], oltre.famiglie[f]);
}

void TForm1::colorarosso() {
    passataEvidenza(true);
    if (spuntato(ids_.grassetto)) numeriBold();
    ritardisignificativi();
}

void TForm1::numeriBold() {
    passataEvidenza(false);
}

void TForm1::coloraNorosso() {
    for (int id : ids_.r) setColoreFont(id, clBlack);
    for (int c = Rosso; c <= Col3; ++c) setColoreFont(ids_.rr[c], clBlack);
    for (int id : ids_.rrr) setColoreFont(id, clBlack);
}

void TForm1::numeriNoBold() {
    for (int id : ids_.r) setGrassetto(id, false);
    for (int c = Rosso; c <= Col3; ++c) setGrassetto(ids_.rr[c], false);
    for (int id : ids_.rrr) setGrassetto(id, false);
}

void TForm1::reimpostaConnotazioni() {
    const int n = partita_.ultimoNumero;
    setColoreFont(ids_.memo1, coloriDeiNumeri[coloreNumero(n)]);
    const TConnotazioni c = connotazioni(n);
    setTesto(ids_.connotazioni[0], c.parita);
    setTesto(ids_.connotazioni[1], c.meta);
    setTesto(ids_.connotazioni[2], c.dozzina);
    setTesto(ids_.connotazioni[3], c.colonna);
}

void TForm1::cercavicini(std::string_view num) {
    const auto segni = girolino::cercavicini(num);
    for (int n = 0; n < NUMERI; ++n) {
        const TColore colore = segni[n] == TSegnoVicino::Rosso    ? clRed
                               : segni[n] == TSegnoVicino::Fucsia ? clFuchsia
                                                                  : clMaroon;
        setSfondoControllo(ids_.etichette[n], colore);
    }
}

void TForm1::pulisciNumeri() {
    for (int id : ids_.etichette) setSfondoControllo(id, clMaroon);
}

void TForm1::mostraViciniDelPiuRitardatario() {
    cercavicini(classificheMaiMostrate_ ? std::string_view{} : testo(ids_.classifiche[0]));
    avviaTimer(ids_.timer3, false); // a running timer keeps its pace
}

void TForm1::spostaCursori() {
    for (int id : ids_.nastri) scorri(id, true);
}

void TForm1::spostaCursoriInAlto() {
    for (int id : ids_.nastri) scorri(id, false);
}

} // namespace girolino::ui
