// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the betting system simulator and where they stand.

#include "ui/FormSimulatoreLayout.h"
#include "engine/Sistema.h"
#include "model/Testo.h"
#include "ui/Disegno.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace girolino::ui {

using namespace disegno;

namespace {

// Settings on the left, results in the middle, charts on the right.
constexpr int X_SINISTRA = 8;
constexpr int W_SINISTRA = 300;
constexpr int X_CENTRO = 318;
constexpr int W_CENTRO = 270;
constexpr int X_DESTRA = 598;
constexpr int W_DESTRA = 474;
constexpr int ALTEZZA = 620;

// A field row inside a group box: its caption, then the field.
constexpr int X_CAMPO = 150;
constexpr int W_CAMPO = W_SINISTRA - X_CAMPO - 12;
constexpr int PASSO = 26;

// The twelve chances, then the numbers.
std::vector<std::string> vociPuntata() {
    std::vector<std::string> v;
    for (int c = Rosso; c <= Col3; ++c) v.push_back(nomePuntata(TPuntata::chance(TChance(c))));
    for (int n = 0; n < NUMERI; ++n) v.push_back(nomePuntata(TPuntata::numero(n)));
    return v;
}

std::vector<std::string> vociProgressione() {
    std::vector<std::string> v;
    for (const auto p : PROGRESSIONI) v.emplace_back(nomeProgressione(p));
    return v;
}

TControllo campo(std::string nome, int genitore, int y, std::string testo) {
    return controllo(std::move(nome), TTipo::Campo, genitore, X_CAMPO, y, W_CAMPO, 21,
                     std::move(testo));
}

TDatiGrafico grafico(std::string titolo, std::string titoloX, std::string titoloY) {
    TDatiGrafico g;
    g.titolo = std::move(titolo);
    g.titoloX = std::move(titoloX);
    g.titoloY = std::move(titoloY);
    return g;
}

TControllo riquadroGrafico(std::string nome, int y, int h, TDatiGrafico g) {
    TControllo c = controllo(std::move(nome), TTipo::Grafico, -1, X_DESTRA, y, W_DESTRA, h);
    c.grafico = std::move(g);
    return c;
}

} // namespace

TIdFormSimulatore costruisciFormSimulatore(TForm& f) {
    TIdFormSimulatore ids;
    f.setFontBase(inTahoma());

    // --- the system ----------------------------------------------------------------------
    const int sistema = ids.gruppoSistema = f.aggiungi(disegno::controllo(
        "GroupBoxSistema", TTipo::Gruppo, -1, X_SINISTRA, 4, W_SINISTRA, 330, TESTO("Sistema")));
    struct TRiga {
        std::string_view didascalia, etichetta, nome, iniziale;
        int* id;
    };
    const std::string rosso = nomePuntata(TPuntata::chance(Rosso));
    const std::array<TRiga, 10> righe = {{
        {TESTO("Puntata:"), "LabelPuntata", "ComboPuntata", rosso, &ids.puntata},
        {TESTO("Progressione:"), "LabelProgressione", "ComboProgressione",
         nomeProgressione(TTipoProgressione::Piatta), &ids.progressione},
        {TESTO("Unità:"), "LabelUnita", "EditUnita", "1", &ids.unita},
        {TESTO("Cassa:"), "LabelCassa", "EditCassa", "100", &ids.cassa},
        {TESTO("Minimo del tavolo:"), "LabelMinimo", "EditMinimo", "1", &ids.minimo},
        {TESTO("Massimo del tavolo:"), "LabelMassimo", "EditMassimo", "1000", &ids.massimo},
        {TESTO("Obiettivo:"), "LabelObiettivo", "EditObiettivo", "0", &ids.obiettivo},
        {TESTO("Stop loss:"), "LabelStopLoss", "EditStopLoss", "0", &ids.stopLoss},
        {TESTO("Numero di puntate:"), "LabelPuntate", "EditPuntate", "0", &ids.puntate},
        {TESTO("Linea Labouchère:"), "LabelLinea", "EditLinea", "1 2 3 4", &ids.linea},
    }};
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const auto& r = righe[i];
        const int y = 20 + static_cast<int>(i) * PASSO;
        f.aggiungi(etichetta(std::string(r.etichetta), sistema, 12, y + 3, X_CAMPO - 16, 15,
                             std::string(r.didascalia)));
        if (i == 0)
            *r.id = f.aggiungi(combo(std::string(r.nome), sistema, X_CAMPO, y, W_CAMPO,
                                     vociPuntata(), std::string(r.iniziale)));
        else if (i == 1)
            *r.id = f.aggiungi(combo(std::string(r.nome), sistema, X_CAMPO, y, W_CAMPO,
                                     vociProgressione(), std::string(r.iniziale)));
        else
            *r.id = f.aggiungi(campo(std::string(r.nome), sistema, y, std::string(r.iniziale)));
    }
    const int yPartage = 20 + static_cast<int>(righe.size()) * PASSO;
    ids.partage = f.aggiungi(casella("CheckBoxPartage", sistema, 12, yPartage, W_SINISTRA - 24,
                                     TESTO("La Partage (lo zero toglie metà posta)")));
    TControllo notaImporti =
        etichetta("LabelNotaImporti", sistema, 12, yPartage + 20, W_SINISTRA - 24, 30,
                  TESTO("Importi in unità, con il punto decimale. Obiettivo, stop "
                        "loss e numero di puntate: 0 = nessuno."),
                  carattere(11, false, clGray, tahoma));
    notaImporti.aCapo = true;
    f.aggiungi(std::move(notaImporti));

    // --- the spins -----------------------------------------------------------------------
    const int giri = ids.gruppoGiri = f.aggiungi(disegno::controllo(
        "GroupBoxGiri", TTipo::Gruppo, -1, X_SINISTRA, 340, W_SINISTRA, 162, TESTO("Giri")));
    TControllo partita =
        disegno::controllo("RadioButtonPartita", TTipo::Radio, giri, 12, 20, W_SINISTRA - 24, 17,
                           TESTO("I giri di questa partita (backtest)"));
    partita.spuntato = true;
    ids.partita = f.aggiungi(std::move(partita));
    ids.simulati = f.aggiungi(disegno::controllo("RadioButtonSimulati", TTipo::Radio, giri, 12, 42,
                                                 W_SINISTRA - 24, 17,
                                                 TESTO("Sessioni simulate (Monte Carlo)")));
    const std::array<TRiga, 3> simulati = {{
        {TESTO("Sessioni:"), "LabelSessioni", "EditSessioni", "10000", &ids.sessioni},
        {TESTO("Giri per sessione:"), "LabelGiriSessione", "EditGiriSessione", "1000",
         &ids.giriSessione},
        {TESTO("Seme:"), "LabelSeme", "EditSeme", "1", &ids.seme},
    }};
    for (std::size_t i = 0; i < simulati.size(); ++i) {
        const auto& r = simulati[i];
        const int y = 66 + static_cast<int>(i) * PASSO;
        f.aggiungi(etichetta(std::string(r.etichetta), giri, 28, y + 3, X_CAMPO - 32, 15,
                             std::string(r.didascalia)));
        *r.id = f.aggiungi(campo(std::string(r.nome), giri, y, std::string(r.iniziale)));
    }

    // --- running -------------------------------------------------------------------------
    const int yComandi = 512;
    ids.simula =
        f.aggiungi(pulsante("BitBtnSimula", -1, X_SINISTRA, yComandi, 110, 27, TESTO("Simula"),
                            "vai", TESTO("Gioca il sistema sui giri scelti")));
    ids.annulla = f.aggiungi(pulsante("BitBtnAnnulla", -1, X_SINISTRA + 118, yComandi, 110, 27,
                                      TESTO("Annulla"), "nonaccetto",
                                      TESTO("Ferma la simulazione in corso")));
    ids.aiuto = f.aggiungi(
        pulsanteAiuto("SpeedButtonAiuto", -1, X_SINISTRA + W_SINISTRA - 25, yComandi + 1));
    TControllo barra = disegno::controllo("ProgressBarSimulazione", TTipo::Barra, -1, X_SINISTRA,
                                          yComandi + 36, W_SINISTRA, 18);
    barra.massimo = 1000;
    ids.barra = f.aggiungi(std::move(barra));
    TControllo stato = etichetta("LabelStato", -1, X_SINISTRA, yComandi + 60, W_SINISTRA, 36, {},
                                 carattere(11, true, clNavy, tahoma));
    stato.aCapo = true;
    ids.stato = f.aggiungi(std::move(stato));

    // --- results -------------------------------------------------------------------------
    TControllo risultati =
        disegno::controllo("TabellaRisultati", TTipo::Tabella, -1, X_CENTRO, 10, W_CENTRO, 300);
    risultati.tabella.intestazioni = {TESTO("Risultato"), TESTO("Valore")};
    risultati.tabella.allineamenti = {TAllineaColonna::Sinistra, TAllineaColonna::Destra};
    risultati.tabella.ordinabile = false;
    ids.risultati = f.aggiungi(std::move(risultati));
    TControllo vantaggio = pannello(
        "PanelVantaggio", -1, X_CENTRO, 320, W_CENTRO, 110,
        TESTO("Nessuna progressione cambia il vantaggio del banco: nel lungo periodo si perde in "
              "media 1/37 (2.70 %) di ogni unità puntata, 1/74 (1.35 %) sulle chance semplici "
              "con la partage."),
        clMoneyGreen, carattere(13, true, clMaroon, tahoma));
    vantaggio.aCapo = true;
    ids.vantaggio = f.aggiungi(std::move(vantaggio));

    // --- charts: one for the backtest, two for the simulated sessions --------------------
    // The backtest's chart takes the place of the other two: only one kind shows at a time.
    TControllo cassa = riquadroGrafico(
        "GraficoCassa", 10, ALTEZZA - 20,
        grafico(TESTO("Cassa dopo ogni puntata"), TESTO("Puntata"), TESTO("Cassa")));
    cassa.sopraIFratelli = true;
    ids.graficoCassa = f.aggiungi(std::move(cassa));
    // One colour per sample session and no legend: their entries would not fit under it.
    TDatiGrafico campioni =
        grafico(TESTO("Cassa delle prime sessioni simulate"), TESTO("Puntata"), TESTO("Cassa"));
    campioni.legenda = false;
    ids.graficoCampioni =
        f.aggiungi(riquadroGrafico("GraficoCampioni", 10, (ALTEZZA - 30) / 2, std::move(campioni)));
    ids.graficoDistribuzione = f.aggiungi(
        riquadroGrafico("GraficoDistribuzione", 20 + (ALTEZZA - 30) / 2, (ALTEZZA - 30) / 2,
                        grafico(TESTO("Distribuzione dei risultati finali"),
                                TESTO("Risultato finale"), TESTO("Sessioni"))));
    return ids;
}

} // namespace girolino::ui
