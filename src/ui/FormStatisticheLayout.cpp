// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the observed-against-expected window and where they stand: the chart
// and the chi-square test on the left, the table of deviations and its note on the right.

#include "ui/FormStatisticheLayout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"

#include <utility>

namespace girolino::ui {

using namespace disegno;

namespace {

constexpr int X_SINISTRA = 8;
constexpr int W_SINISTRA = 716; // 37 bars, each wide enough for its number
constexpr int X_DESTRA = 732;
constexpr int W_DESTRA = 360;
constexpr int Y_CORPO = 56;

TDatiTabella tabellaVuota() {
    TDatiTabella t;
    t.intestazioni = {TESTO("Nome"), TESTO("Sortite"), TESTO("Attese"), "z",
                      TESTO("Prob. Max Rit")};
    t.allineamenti = {TAllineaColonna::Sinistra, TAllineaColonna::Destra, TAllineaColonna::Destra,
                      TAllineaColonna::Destra, TAllineaColonna::Destra};
    return t;
}

} // namespace

TIdFormStatistiche costruisciFormStatistiche(TForm& f) {
    TIdFormStatistiche ids;
    const int idTestata = f.aggiungi(
        pannello("Panel1", -1, X_SINISTRA, 8, 1084, 41, TESTO("Frequenze Osservate e Attese"),
                 clOlive, carattere(27, false, clAqua, "Franklin Gothic Medium Cond")));
    ids.aiuto = f.aggiungi(pulsanteAiuto("SpeedButton55", idTestata, 1052, 8));

    ids.grafico = f.aggiungi(disegno::controllo("GraficoFrequenze", TTipo::Grafico, -1, X_SINISTRA,
                                                Y_CORPO, W_SINISTRA, 340));

    TControllo gruppo =
        disegno::controllo("GroupBox1", TTipo::Gruppo, -1, X_SINISTRA, 402, W_SINISTRA, 112,
                           TESTO("Test del chi quadro sui 37 numeri"));
    const int idGruppo = f.aggiungi(gruppo);
    ids.giri = f.aggiungi(etichetta("LabelGiri", idGruppo, 10, 20, W_SINISTRA - 20, 16,
                                    formatta(TESTO("Giri: %1"), 0), inTahoma()));
    ids.chiQuadro = f.aggiungi(
        etichetta("LabelChiQuadro", idGruppo, 10, 40, W_SINISTRA - 20, 16, "", inTahoma()));
    TControllo giudizio = etichetta("LabelGiudizio", idGruppo, 10, 62, W_SINISTRA - 20, 40, "",
                                    carattere(13, true, clNavy));
    giudizio.aCapo = true;
    ids.giudizio = f.aggiungi(std::move(giudizio));

    TControllo tabella =
        disegno::controllo("TabellaScarti", TTipo::Tabella, -1, X_DESTRA, Y_CORPO, W_DESTRA, 360);
    tabella.tabella = tabellaVuota();
    ids.tabella = f.aggiungi(tabella);
    TControllo nota = etichetta("LabelNota", -1, X_DESTRA, 422, W_DESTRA, 92, "", inTahoma());
    nota.aCapo = true;
    ids.nota = f.aggiungi(std::move(nota));

    ids.chiudi = f.aggiungi(pulsante("BitBtn1", -1, 421, 524, 257, 25, TESTO("Chiudi"), "chiudi"));

    TControllo timer = disegno::controllo("TimerAggiorna", TTipo::Timer, -1, 0, 0, 0, 0);
    timer.intervallo = 0;
    timer.abilitato = false;
    ids.aggiorna = f.aggiungi(timer);
    return ids;
}

} // namespace girolino::ui
