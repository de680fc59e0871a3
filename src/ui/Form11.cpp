// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form11.h"

#include "Versione.h"

#include "engine/AnalisiNumeri.h"
#include "model/Testo.h"
#include "ui/GrigliaContatori.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace girolino::ui {

namespace {

// Rows 1..10 exist in every family, so only the rows after them are ever greyed.
constexpr int RIGHE_FISSE = 10;

// "<program>: Tutte <family> <order>". Each known order has a sentence of its own, so that a
// translation may word it freely; a typed order no list holds follows the family as it is.
std::string titoloTutte(const std::string& famiglia, const std::string& ordine) {
    static constexpr std::array<std::string_view, NUM_ORDINI_GRUPPI> titoli = {
        TESTO("%1: Tutte %2 in Ordine di Apparizione"), TESTO("%1: Tutte %2 in Ordine di Ritardo"),
        TESTO("%1: Tutte %2 in Ordine di Massimo Ritardo"),
        TESTO("%1: Tutte %2 in Ordine di Sortita")};
    if (const auto o = ordineGruppiDaTesto(ordine))
        return formatta(titoli[static_cast<std::size_t>(*o)], nomeProgramma, famiglia);
    return formatta(TESTO("%1: Tutte %2"), nomeProgramma, famiglia + " " + ordine);
}

} // namespace

TForm11::TForm11(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm11", nomeProgramma, 802, 479), partita_(partita) {
    id_ = costruisciForm11(*this);
}

void TForm11::scriviRiga(int riga, const std::string& etichetta, const TContatore& c) {
    setTesto(id_.n[riga], etichetta);
    setTesto(id_.r[riga], std::to_string(c.ritardo));
    setTesto(id_.m[riga], std::to_string(c.maxRitardo));
    setTesto(id_.s[riga], std::to_string(c.sortite));
    mostrati_[riga] = c;
}

void TForm11::rigaAttiva(int riga, bool attiva) {
    setSfondoControllo(id_.n[riga], attiva ? clMaroon : clGray);
    for (int id : {id_.r[riga], id_.m[riga], id_.s[riga]}) setAbilitato(id, attiva);
}

void TForm11::pulisciCampi() {
    for (int k = 1; k <= RIGHE; ++k) {
        scriviRiga(k, "-", TContatore{});
        if (k > RIGHE_FISSE) rigaAttiva(k, false);
    }
    // Every cell now shows 0, so no mark may stay from the grid before.
    evidenzia();
}

void TForm11::abilitaCampi() {
    const auto tipo = famigliaDaTesto(scelta_->famiglia());
    if (!tipo) return;
    const int n = famiglia(*tipo).numero;
    for (int k = RIGHE_FISSE + 1; k <= n; ++k) rigaAttiva(k, true);
}

void TForm11::assegnaChanceComplesse() {
    girolino::assegnaChanceComplesse(partita_, copiaGruppi_);
}

void TForm11::compilaCampiConOrd() {
    const auto tipo = famigliaDaTesto(scelta_->famiglia());
    if (!tipo) return;
    int k = 0;
    for (const TVoceGruppo& v : fetta(copiaGruppi_, *tipo))
        scriviRiga(++k, v.etichetta(), v.contatore());
}

void TForm11::assegnaValori() {
    const auto tipo = famigliaDaTesto(scelta_->famiglia());
    const auto ordine = ordineGruppiDaTesto(scelta_->ordine());
    if (tipo && ordine) {
        if (*ordine == TOrdineGruppi::Apparizione) {
            const TFamiglia f = famiglia(*tipo);
            for (int k = 1; k <= f.numero; ++k) {
                const int g = f.primo + k - 1;
                scriviRiga(k, etichettaGruppo(g), partita_.gruppi[g]);
            }
        } else {
            assegnaChanceComplesse();
            ordinaFamiglia(copiaGruppi_, *tipo, *ordine);
            compilaCampiConOrd();
        }
    }
    // Marks always follow the numbers on show, after a spin of 0 and an undo too.
    evidenzia();
}

void TForm11::nuovaPartita() {
    pulisciCampi();
    abilitaCampi();
}

void TForm11::guardaTutte() {
    pulisciCampi();
    abilitaCampi();
    assegnaValori();
    const std::string famiglia = scelta_->famiglia();
    const std::string ordine = scelta_->ordine();
    setTesto(id_.famiglia, famiglia);
    setTesto(id_.ordine, ordine);
    setCaption(titoloTutte(famiglia, ordine));
    mostra();
}

void TForm11::evidenzia() {
    numeribold();
    colorarosso();
}

void TForm11::colorarosso() {
    if (spuntato(id_.rosso)) griglia::rosso(*this, righeRitardo(), righeMostrate(), true);
}

void TForm11::coloraNorosso() {
    griglia::rosso(*this, righeRitardo(), righeMostrate(), false);
}

void TForm11::numeribold() {
    if (spuntato(id_.grassetto)) griglia::grassetto(*this, righeRitardo(), righeMostrate(), true);
}

void TForm11::numeriNobold() {
    griglia::grassetto(*this, righeRitardo(), righeMostrate(), false);
}

void TForm11::sceltaPannello(int id) {
    const auto famiglia = std::find(id_.pannelliFamiglia.begin(), id_.pannelliFamiglia.end(), id);
    if (famiglia != id_.pannelliFamiglia.end()) {
        const std::string t(TESTI_FAMIGLIE[famiglia - id_.pannelliFamiglia.begin()]);
        setTesto(id_.famiglia, t);
        scelta_->impostaFamiglia(t);
    } else {
        const auto ordine = std::find(id_.pannelliOrdine.begin(), id_.pannelliOrdine.end(), id);
        const std::string t(TESTI_ORDINI_GRUPPI[ordine - id_.pannelliOrdine.begin()]);
        setTesto(id_.ordine, t);
        scelta_->impostaOrdine(t);
    }
    guardaTutte();
}

void TForm11::click(int id) {
    const bool pannello = std::find(id_.pannelliFamiglia.begin(), id_.pannelliFamiglia.end(), id) !=
                              id_.pannelliFamiglia.end() ||
                          std::find(id_.pannelliOrdine.begin(), id_.pannelliOrdine.end(), id) !=
                              id_.pannelliOrdine.end();
    if (pannello) {
        sceltaPannello(id);
    } else if (id == id_.rosso) {
        if (spuntato(id))
            colorarosso();
        else
            coloraNorosso();
    } else if (id == id_.grassetto) {
        if (spuntato(id))
            numeribold();
        else
            numeriNobold();
    }
}

void TForm11::cambiato(int id) {
    if (id != id_.famiglia && id != id_.ordine) return;
    // Copy both texts first: the linked choice may be this window's own combos.
    const std::string famiglia = testo(id_.famiglia);
    const std::string ordine = testo(id_.ordine);
    scelta_->impostaFamiglia(famiglia);
    scelta_->impostaOrdine(ordine);
    guardaTutte();
}

} // namespace girolino::ui
