// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form11.h"

#include "Versione.h"

#include "engine/AnalisiNumeri.h"
#include "ui/GrigliaContatori.h"

#include <algorithm>

namespace girolino::ui {

namespace {

// Rows 1..10 exist in every family, so only the rows after them are ever greyed.
constexpr int RIGHE_FISSE = 10;

} // namespace

TForm11::TForm11(TPiattaforma& p, const TPartita& partita)
    : TForm(p, "TForm11", nomeProgramma, 802, 479), partita_(partita) {
    crea();
}

void TForm11::scriviRiga(int riga, const std::string& etichetta, const TContatore& c) {
    setTesto(idN_[riga], etichetta);
    setTesto(idR_[riga], std::to_string(c.ritardo));
    setTesto(idM_[riga], std::to_string(c.maxRitardo));
    setTesto(idS_[riga], std::to_string(c.sortite));
    mostrati_[riga] = c;
}

void TForm11::rigaAttiva(int riga, bool attiva) {
    setSfondoControllo(idN_[riga], attiva ? clMaroon : clGray);
    for (int id : {idR_[riga], idM_[riga], idS_[riga]}) setAbilitato(id, attiva);
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
    setTesto(idFamiglia_, famiglia);
    setTesto(idOrdine_, ordine);
    setCaption(conNomeProgramma(": Tutte ") + famiglia + " " + ordine);
    mostra();
}

void TForm11::evidenzia() {
    numeribold();
    colorarosso();
}

void TForm11::colorarosso() {
    if (spuntato(idRosso_)) griglia::rosso(*this, righeRitardo(), righeMostrate(), true);
}

void TForm11::coloraNorosso() {
    griglia::rosso(*this, righeRitardo(), righeMostrate(), false);
}

void TForm11::numeribold() {
    if (spuntato(idGrassetto_)) griglia::grassetto(*this, righeRitardo(), righeMostrate(), true);
}

void TForm11::numeriNobold() {
    griglia::grassetto(*this, righeRitardo(), righeMostrate(), false);
}

void TForm11::sceltaPannello(int id) {
    const auto famiglia = std::find(idPannelliFamiglia_.begin(), idPannelliFamiglia_.end(), id);
    if (famiglia != idPannelliFamiglia_.end()) {
        const std::string t(TESTI_FAMIGLIE[famiglia - idPannelliFamiglia_.begin()]);
        setTesto(idFamiglia_, t);
        scelta_->impostaFamiglia(t);
    } else {
        const auto ordine = std::find(idPannelliOrdine_.begin(), idPannelliOrdine_.end(), id);
        const std::string t(TESTI_ORDINI_GRUPPI[ordine - idPannelliOrdine_.begin()]);
        setTesto(idOrdine_, t);
        scelta_->impostaOrdine(t);
    }
    guardaTutte();
}

void TForm11::click(int id) {
    const bool pannello = std::find(idPannelliFamiglia_.begin(), idPannelliFamiglia_.end(), id) !=
                              idPannelliFamiglia_.end() ||
                          std::find(idPannelliOrdine_.begin(), idPannelliOrdine_.end(), id) !=
                              idPannelliOrdine_.end();
    if (pannello) {
        sceltaPannello(id);
    } else if (id == idRosso_) {
        if (spuntato(id))
            colorarosso();
        else
            coloraNorosso();
    } else if (id == idGrassetto_) {
        if (spuntato(id))
            numeribold();
        else
            numeriNobold();
    }
}

void TForm11::cambiato(int id) {
    if (id != idFamiglia_ && id != idOrdine_) return;
    // Copy both texts first: the linked choice may be this window's own combos.
    const std::string famiglia = testo(idFamiglia_);
    const std::string ordine = testo(idOrdine_);
    scelta_->impostaFamiglia(famiglia);
    scelta_->impostaOrdine(ordine);
    guardaTutte();
}

} // namespace girolino::ui
