// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the import preview and where they stand.

#include "ui/FormImportaLayout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"

namespace girolino::ui {

using namespace disegno;

namespace {

constexpr int MARGINE = 12;
constexpr int LARGHEZZA_UTILE = 436 - 2 * MARGINE;

// A strip of coloured numbers, in the pad's font but smaller.
TControllo anteprima(std::string nome, int y) {
    TControllo c = controllo(std::move(nome), TTipo::Striscia, -1, MARGINE, y, LARGHEZZA_UTILE, 34);
    c.font = carattere(20, false, clBlack, tahoma);
    c.solaLettura = true;
    return c;
}

} // namespace

TIdFormImporta costruisciFormImporta(TForm& f) {
    TIdFormImporta ids;
    f.setFontBase(inTahoma());

    ids.origine =
        f.aggiungi(etichetta("LabelOrigine", -1, MARGINE, 12, LARGHEZZA_UTILE, 16, {}, inTahoma()));
    ids.conteggio = f.aggiungi(etichetta("LabelConteggio", -1, MARGINE, 34, LARGHEZZA_UTILE, 18, {},
                                         carattere(13, true, clBlack, tahoma)));

    f.aggiungi(etichetta("LabelPrimi", -1, MARGINE, 62, LARGHEZZA_UTILE, 16,
                         TESTO("Primi numeri (i più vecchi, entrano per primi):"), inTahoma()));
    ids.primi = f.aggiungi(anteprima("RichEditPrimi", 80));
    f.aggiungi(etichetta("LabelUltimi", -1, MARGINE, 122, LARGHEZZA_UTILE, 16,
                         TESTO("Ultimi numeri (i più recenti):"), inTahoma()));
    ids.ultimi = f.aggiungi(anteprima("RichEditUltimi", 140));

    ids.inverti =
        f.aggiungi(conCarattere(casella("CheckBoxInverti", -1, MARGINE, 186, LARGHEZZA_UTILE,
                                        TESTO("Il numero più recente è in cima")),
                                inTahoma()));

    ids.importa = f.aggiungi(conCarattere(
        pulsante("BitBtnImporta", -1, 110, 220, 100, 25, TESTO("Importa"), "ok"), inTahoma()));
    ids.annulla = f.aggiungi(conCarattere(
        pulsante("BitBtnAnnulla", -1, 226, 220, 100, 25, TESTO("Annulla"), "nonaccetto"),
        inTahoma()));
    TControllo barra = disegno::controllo("ProgressBarImporta", TTipo::Barra, -1, MARGINE, 222,
                                          LARGHEZZA_UTILE, 20);
    barra.visibile = false;
    // While a long list goes in, the bar stands where the buttons were: they are hidden.
    barra.sopraIFratelli = true;
    ids.barra = f.aggiungi(barra);
    return ids;
}

} // namespace girolino::ui
