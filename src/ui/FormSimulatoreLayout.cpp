// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the betting system simulator and where they stand.

#include "engine/Sistema.h"
#include "ui/Disegno.h"
#include "ui/FormSimulatore.h"

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

void TFormSimulatore::crea() {
    setPosizione(TPosizioneForm::CentroPrincipale);
    setFontBase(inTahoma());

    // --- the system ----------------------------------------------------------------------
    const int sistema = idGruppoSistema_ = aggiungi(disegno::controllo(
        "GroupBoxSistema", TTipo::Gruppo, -1, X_SINISTRA, 4, W_SINISTRA, 330, "Sistema"));
    struct TRiga {
        std::string_view didascalia, etichetta, nome, iniziale;
        int* id;
    };
    const std::array<TRiga, 10> righe = {{
        {"Puntata:", "LabelPuntata", "ComboPuntata", "Rosso", &idPuntata_},
        {"Progressione:", "LabelProgressione", "ComboProgressione", "Piatta", &idProgressione_},
        {"Unità:", "LabelUnita", "EditUnita", "1", &idUnita_},
        {"Cassa:", "LabelCassa", "EditCassa", "100", &idCassa_},
        {"Minimo del tavolo:", "LabelMinimo", "EditMinimo", "1", &idMinimo_},
        {"Massimo del tavolo:", "LabelMassimo", "EditMassimo", "1000", &idMassimo_},
        {"Obiettivo:", "LabelObiettivo", "EditObiettivo", "0", &idObiettivo_},
        {"Stop loss:", "LabelStopLoss", "EditStopLoss", "0", &idStopLoss_},
        {"Numero di puntate:", "LabelPuntate", "EditPuntate", "0", &idPuntate_},
        {"Linea Labouchère:", "LabelLinea", "EditLinea", "1 2 3 4", &idLinea_},
    }};
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const auto& r = righe[i];
        const int y = 20 + static_cast<int>(i) * PASSO;
        aggiungi(etichetta(std::string(r.etichetta), sistema, 12, y + 3, X_CAMPO - 16, 15,
                           std::string(r.didascalia)));
        if (i == 0)
            *r.id = aggiungi(combo(std::string(r.nome), sistema, X_CAMPO, y, W_CAMPO, vociPuntata(),
                                   std::string(r.iniziale)));
        else if (i == 1)
            *r.id = aggiungi(combo(std::string(r.nome), sistema, X_CAMPO, y, W_CAMPO,
                                   vociProgressione(), std::string(r.iniziale)));
        else
            *r.id = aggiungi(campo(std::string(r.nome), sistema, y, std::string(r.iniziale)));
    }
    const int yPartage = 20 + static_cast<int>(righe.size()) * PASSO;
    idPartage_ = aggiungi(casella("CheckBoxPartage", sistema, 12, yPartage, W_SINISTRA - 24,
                                  "La Partage (lo zero toglie metà posta)"));
    TControllo notaImporti =
        etichetta("LabelNotaImporti", sistema, 12, yPartage + 20, W_SINISTRA - 24, 30,
                  "Importi in unità, con il punto decimale. Obiettivo, stop "
                  "loss e numero di puntate: 0 = nessuno.",
                  carattere(11, false, clGray, tahoma));
    notaImporti.aCapo = true;
    aggiungi(std::move(notaImporti));

    // --- the spins -----------------------------------------------------------------------
    const int giri = idGruppoGiri_ = aggiungi(disegno::controllo(
        "GroupBoxGiri", TTipo::Gruppo, -1, X_SINISTRA, 340, W_SINISTRA, 162, "Giri"));
    TControllo partita =
        disegno::controllo("RadioButtonPartita", TTipo::Radio, giri, 12, 20, W_SINISTRA - 24, 17,
                           "I giri di questa partita (backtest)");
    partita.spuntato = true;
    idPartita_ = aggiungi(std::move(partita));
    idSimulati_ =
        aggiungi(disegno::controllo("RadioButtonSimulati", TTipo::Radio, giri, 12, 42,
                                    W_SINISTRA - 24, 17, "Sessioni simulate (Monte Carlo)"));
    const std::array<TRiga, 3> simulati = {{
        {"Sessioni:", "LabelSessioni", "EditSessioni", "10000", &idSessioni_},
        {"Giri per sessione:", "LabelGiriSessione", "EditGiriSessione", "1000", &idGiriSessione_},
        {"Seme:", "LabelSeme", "EditSeme", "1", &idSeme_},
    }};
    for (std::size_t i = 0; i < simulati.size(); ++i) {
        const auto& r = simulati[i];
        const int y = 66 + static_cast<int>(i) * PASSO;
        aggiungi(etichetta(std::string(r.etichetta), giri, 28, y + 3, X_CAMPO - 32, 15,
                           std::string(r.didascalia)));
        *r.id = aggiungi(campo(std::string(r.nome), giri, y, std::string(r.iniziale)));
    }

    // --- running -------------------------------------------------------------------------
    const int yComandi = 512;
    idSimula_ = aggiungi(pulsante("BitBtnSimula", -1, X_SINISTRA, yComandi, 110, 27, "Simula",
                                  "vai", "Gioca il sistema sui giri scelti"));
    idAnnulla_ = aggiungi(pulsante("BitBtnAnnulla", -1, X_SINISTRA + 118, yComandi, 110, 27,
                                   "Annulla", "nonaccetto", "Ferma la simulazione in corso"));
    idAiuto_ =
        aggiungi(pulsanteAiuto("SpeedButtonAiuto", -1, X_SINISTRA + W_SINISTRA - 25, yComandi + 1));
    TControllo barra = disegno::controllo("ProgressBarSimulazione", TTipo::Barra, -1, X_SINISTRA,
                                          yComandi + 36, W_SINISTRA, 18);
    barra.massimo = 1000;
    idBarra_ = aggiungi(std::move(barra));
    TControllo stato = etichetta("LabelStato", -1, X_SINISTRA, yComandi + 60, W_SINISTRA, 36, {},
                                 carattere(11, true, clNavy, tahoma));
    stato.aCapo = true;
    idStato_ = aggiungi(std::move(stato));

    // --- results -------------------------------------------------------------------------
    TControllo risultati =
        disegno::controllo("TabellaRisultati", TTipo::Tabella, -1, X_CENTRO, 10, W_CENTRO, 300);
    risultati.tabella.intestazioni = {"Risultato", "Valore"};
    risultati.tabella.allineamenti = {TAllineaColonna::Sinistra, TAllineaColonna::Destra};
    risultati.tabella.ordinabile = false;
    idRisultati_ = aggiungi(std::move(risultati));
    TControllo vantaggio = pannello(
        "PanelVantaggio", -1, X_CENTRO, 320, W_CENTRO, 110,
        "Nessuna progressione cambia il vantaggio del banco: nel lungo periodo si perde in media "
        "1/37 (2.70 %) di ogni unità puntata, 1/74 (1.35 %) sulle chance semplici con la "
        "partage.",
        clMoneyGreen, carattere(13, true, clMaroon, tahoma));
    vantaggio.aCapo = true;
    idVantaggio_ = aggiungi(std::move(vantaggio));

    // --- charts: one for the backtest, two for the simulated sessions --------------------
    // The backtest's chart takes the place of the other two: only one kind shows at a time.
    TControllo cassa = riquadroGrafico("GraficoCassa", 10, ALTEZZA - 20,
                                       grafico("Cassa dopo ogni puntata", "Puntata", "Cassa"));
    cassa.sopraIFratelli = true;
    idGraficoCassa_ = aggiungi(std::move(cassa));
    // One colour per sample session and no legend: their entries would not fit under it.
    TDatiGrafico campioni = grafico("Cassa delle prime sessioni simulate", "Puntata", "Cassa");
    campioni.legenda = false;
    idGraficoCampioni_ =
        aggiungi(riquadroGrafico("GraficoCampioni", 10, (ALTEZZA - 30) / 2, std::move(campioni)));
    idGraficoDistribuzione_ = aggiungi(riquadroGrafico(
        "GraficoDistribuzione", 20 + (ALTEZZA - 30) / 2, (ALTEZZA - 30) / 2,
        grafico("Distribuzione dei risultati finali", "Risultato finale", "Sessioni")));
}

} // namespace girolino::ui
