// SPDX-License-Identifier: GPL-3.0-or-later
// The betting system simulator: refused settings, the backtest on the game's spins, the
// simulated sessions and their cancellation, and the thinning of long bankroll curves.

#include "ProvaForm1.h"
#include "engine/Backtest.h"
#include "engine/MonteCarlo.h"
#include "ui/CurvaRidotta.h"
#include "ui/FormSimulatore.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace girolino::test {
namespace {

class FormSimulatoreTest : public ::testing::Test {
protected:
    FormSimulatoreTest() {
        // Opened as the user opens it: Utility > Simulatore di Sistemi.
        p.f.voceMenu(p.f.idMenu("SimulatoreSistemi1"));
    }

    void digita(std::string_view nome, std::string testo) {
        s.testoDigitato(s.id(nome), std::move(testo));
        s.cambiato(s.id(nome));
    }
    void premi(std::string_view nome) { s.click(s.id(nome)); }
    void scegliSimulati() {
        s.spuntaUtente(s.id("RadioButtonSimulati"), true);
        premi("RadioButtonSimulati");
    }
    // The value column of the results, by row caption.
    std::string risultato(std::string_view voce) const {
        for (const auto& r : s["TabellaRisultati"].tabella.righe)
            if (r.at(0).testo == voce) return r.at(1).testo;
        return "(manca " + std::string(voce) + ")";
    }
    const ui::TDatiGrafico& grafico(std::string_view nome) const { return s[nome].grafico; }

    Programma p;
    ui::TFormSimulatore& s = p.app.formSimulatore();
};

TEST_F(FormSimulatoreTest, OpensFromTheUtilityMenuWithTheReminder) {
    EXPECT_TRUE(s.visibile());
    EXPECT_EQ(s.nomeClasse(), "TFormSimulatore");
    EXPECT_EQ(s.caption(), "Girolino - Simulatore di Sistemi");
    const auto& menu = p.f.menu();
    EXPECT_EQ(menu[menu[p.f.idMenu("SimulatoreSistemi1")].padre].nome, "Utility1");
    EXPECT_NE(s["PanelVantaggio"].testo.find("Nessuna progressione cambia il vantaggio del banco"),
              std::string::npos);
    // Backtest at start: the Monte Carlo fields and charts wait for their radio.
    EXPECT_FALSE(s["EditSessioni"].abilitato);
    EXPECT_TRUE(s["GraficoCassa"].visibile);
    EXPECT_FALSE(s["GraficoDistribuzione"].visibile);
    EXPECT_FALSE(s["EditLinea"].abilitato);
    digita("ComboProgressione", "Labouchère");
    EXPECT_TRUE(s["EditLinea"].abilitato);
}

TEST_F(FormSimulatoreTest, BadSettingsAreRefusedNamingTheFieldAndNothingRuns) {
    struct TCaso {
        std::vector<std::pair<std::string, std::string>> campi;
        bool simulati;
        std::string messaggio, fuoco;
    };
    const std::vector<TCaso> casi = {
        {{{"EditCassa", "cento"}},
         false,
         "Cassa: 'cento' non è un numero (usare il punto per i decimali).",
         "EditCassa"},
        {{{"EditUnita", "1,5"}},
         false,
         "Unità: '1,5' non è un numero (usare il punto per i decimali).",
         "EditUnita"},
        {{{"EditCassa", "-10"}}, false, "Cassa: deve essere un numero non negativo.", "EditCassa"},
        {{{"EditMinimo", "50"}, {"EditMassimo", "10"}},
         false,
         "Minimo del tavolo: non può superare il massimo del tavolo.",
         "EditMinimo"},
        {{{"ComboProgressione", "Labouchère"}, {"EditLinea", "  "}},
         false,
         "Linea Labouchère: scrivere almeno un numero.",
         "EditLinea"},
        {{{"ComboPuntata", "Verde"}},
         false,
         "Puntata: scegliere una delle 12 chance o un numero da 0 a 36, non 'Verde'.",
         "ComboPuntata"},
        {{{"EditPuntate", "2.5"}},
         false,
         "Numero di puntate: '2.5' non è un numero intero.",
         "EditPuntate"},
        {{{"EditSessioni", "mille"}},
         true,
         "Sessioni: 'mille' non è un numero intero non negativo.",
         "EditSessioni"},
        {{{"EditGiriSessione", "0"}},
         true,
         "Giri per sessione: deve essere un intero da 1 a 100000.",
         "EditGiriSessione"},
    };
    for (const auto& caso : casi) {
        Programma q;
        q.gioca({1, 2, 3});
        q.f.voceMenu(q.f.idMenu("SimulatoreSistemi1"));
        auto& w = q.app.formSimulatore();
        if (caso.simulati) {
            w.spuntaUtente(w.id("RadioButtonSimulati"), true);
            w.click(w.id("RadioButtonSimulati"));
        }
        for (const auto& [campo, testo] : caso.campi) {
            w.testoDigitato(w.id(campo), testo);
            w.cambiato(w.id(campo));
        }
        w.click(w.id("BitBtnSimula"));
        EXPECT_EQ(q.piattaforma.registro,
                  (std::vector<std::string>{"errore: " + caso.messaggio,
                                            "fuoco: TFormSimulatore/" + caso.fuoco}));
        EXPECT_FALSE(w.backtest() || w.monteCarlo() || w.inCorso()) << caso.messaggio;
        EXPECT_TRUE(w["TabellaRisultati"].tabella.righe.empty());
    }
}

TEST_F(FormSimulatoreTest, BacktestOnTheGameSpinsShowsTheEngineResult) {
    // Zeros and reds among blacks: losses, a La Partage half-loss, wins, a long run of losses.
    p.gioca({2, 0, 1, 4, 6, 8, 10, 11, 13, 3, 15, 17, 20, 22, 24, 5, 26});
    digita("ComboProgressione", "Martingala");
    digita("EditCassa", "40");
    digita("EditMassimo", "16");
    s.spuntaUtente(s.id("CheckBoxPartage"), true);
    premi("BitBtnSimula");
    ASSERT_TRUE(s.backtest());
    EXPECT_TRUE(p.piattaforma.registro.empty());

    TImpostazioniSistema atteso;
    atteso.progressione = TTipoProgressione::Martingala;
    atteso.cassa = 40;
    atteso.massimo = 16;
    atteso.partage = true;
    const auto giri = giriDellaPartita(p.app.partita());
    ASSERT_EQ(giri.size(), 17u);
    const TRisultatoBacktest r = eseguiBacktest(atteso, giri);
    EXPECT_EQ(*s.backtest(), r);
    EXPECT_GT(r.perse, 0);
    EXPECT_EQ(risultato("Giri della partita"), "17");
    EXPECT_EQ(risultato("Puntate"), std::to_string(r.puntate));
    EXPECT_EQ(risultato("Vinte"), std::to_string(r.vinte));
    EXPECT_EQ(risultato("Perse"), std::to_string(r.perse));
    EXPECT_EQ(std::stod(risultato("Cassa finale")), r.cassaFinale);
    EXPECT_EQ(std::stod(risultato("Cassa minima")), r.cassaMinima);
    EXPECT_EQ(std::stod(risultato("Totale puntato")), r.puntato);
    EXPECT_EQ(risultato("Fine"),
              r.fine == TFineSessione::Rovina ? "rovina (posta oltre la cassa)" : "giri finiti");
    EXPECT_EQ(risultato("Rendimento atteso"), "-1.35 %");

    // The chart: the starting bankroll, then the bankroll after each bet.
    const auto& serie = grafico("GraficoCassa").serie;
    const auto cassa = std::find_if(serie.begin(), serie.end(),
                                    [](const ui::TSerie& x) { return x.nome == "Cassa"; });
    ASSERT_NE(cassa, serie.end());
    ASSERT_EQ(cassa->punti.size(), r.curva.size() + 1);
    EXPECT_EQ(cassa->punti.front().y, 40);
    for (std::size_t i = 0; i < r.curva.size(); ++i) EXPECT_EQ(cassa->punti[i + 1].y, r.curva[i]);
}

TEST_F(FormSimulatoreTest, BacktestWithoutSpinsSaysSoAndRunsNothing) {
    premi("BitBtnSimula");
    ASSERT_EQ(p.piattaforma.registro.size(), 1u);
    EXPECT_EQ(p.piattaforma.registro[0].rfind("messaggio: La partita non ha ancora giri", 0), 0u);
    EXPECT_FALSE(s.backtest());
}

TEST_F(FormSimulatoreTest, MonteCarloShowsTheEngineFiguresAndCharts) {
    scegliSimulati();
    EXPECT_TRUE(s["GraficoDistribuzione"].visibile);
    EXPECT_FALSE(s["GraficoCassa"].visibile);
    digita("ComboPuntata", "17");
    digita("ComboProgressione", "D'Alembert");
    digita("EditObiettivo", "30");
    digita("EditSessioni", "3000");
    digita("EditGiriSessione", "300");
    digita("EditSeme", "42");
    premi("BitBtnSimula");
    ASSERT_TRUE(s.monteCarlo());
    EXPECT_FALSE(s.inCorso());
    EXPECT_TRUE(s["BitBtnSimula"].abilitato);
    EXPECT_FALSE(s["BitBtnAnnulla"].abilitato);

    TImpostazioniSistema sistema;
    sistema.puntata = TPuntata::numero(17);
    sistema.progressione = TTipoProgressione::DAlembert;
    sistema.obiettivo = 30;
    TParametriMonteCarlo parametri;
    parametri.sessioni = 3000;
    parametri.giriPerSessione = 300;
    parametri.seme = 42;
    parametri.thread = 1;
    const auto r = eseguiMonteCarlo(sistema, parametri);
    ASSERT_TRUE(r);
    EXPECT_EQ(*s.monteCarlo(), *r);
    EXPECT_EQ(risultato("Sessioni"), "3000");
    EXPECT_NEAR(std::stod(risultato("Risultato medio")), r->media, 0.005);
    EXPECT_EQ(std::stod(risultato("5° percentile")), r->p5);
    EXPECT_EQ(std::stod(risultato("95° percentile")), r->p95);
    EXPECT_NEAR(std::stod(risultato("Obiettivo raggiunto")), 100 * r->quotaObiettivo, 0.05);
    EXPECT_GT(r->quotaObiettivo, 0);
    EXPECT_NEAR(std::stod(risultato("Rendimento per unità puntata")), 100 * *r->rendimento, 0.005);
    EXPECT_EQ(risultato("Rendimento atteso"), "-2.70 %");
    EXPECT_EQ(s["LabelStato"].testo, "Simulate 3000 sessioni.");

    // Five sample sessions over the starting bankroll; the histogram counts every session.
    const auto& campioni = grafico("GraficoCampioni").serie;
    ASSERT_EQ(campioni.size(), 6u);
    EXPECT_EQ(campioni[1].nome, "Sessione 1");
    EXPECT_EQ(campioni[1].punti.size(), r->curve[0].size() + 1);
    const auto& istogramma = grafico("GraficoDistribuzione").serie.at(0);
    double sessioni = 0;
    for (std::size_t k = 0; k < istogramma.punti.size(); k += 2) sessioni += istogramma.punti[k].y;
    EXPECT_EQ(sessioni, 3000);
}

TEST_F(FormSimulatoreTest, AnnullaStopsTheRunAndTheWindowSaysSo) {
    p.piattaforma.trattieni = true;
    scegliSimulati();
    premi("BitBtnSimula");
    ASSERT_TRUE(s.inCorso());
    EXPECT_FALSE(s["BitBtnSimula"].abilitato);
    EXPECT_TRUE(s["BitBtnAnnulla"].abilitato);
    EXPECT_TRUE(s["ProgressBarSimulazione"].visibile);
    EXPECT_FALSE(s["GroupBoxSistema"].abilitato);
    premi("BitBtnSimula"); // disabled: no second run
    EXPECT_EQ(p.piattaforma.inAttesa.size(), 1u);

    premi("BitBtnAnnulla");
    p.piattaforma.eseguiInAttesa();
    EXPECT_FALSE(s.inCorso());
    EXPECT_FALSE(s.monteCarlo());
    EXPECT_EQ(s["LabelStato"].testo, "Simulazione annullata: nessun risultato.");
    EXPECT_TRUE(s["TabellaRisultati"].tabella.righe.empty());
    EXPECT_TRUE(s["BitBtnSimula"].abilitato);
    EXPECT_FALSE(s["ProgressBarSimulazione"].visibile);
    EXPECT_TRUE(p.piattaforma.registro.empty());

    // Closing the window during a run stops it too.
    premi("BitBtnSimula");
    EXPECT_TRUE(s.chiusuraRichiesta());
    p.piattaforma.eseguiInAttesa();
    EXPECT_FALSE(s.monteCarlo());
    EXPECT_FALSE(s.visibile());
}

TEST(CurvaRidotta, ShortCurvesStayWholeLongOnesKeepTheirExtremes) {
    const std::vector<double> corta = {5, 3, 8};
    EXPECT_EQ(ui::curvaRidotta(corta, 0, 10), (std::vector<ui::TPunto>{{0, 5}, {1, 3}, {2, 8}}));

    std::mt19937 g(3);
    std::vector<double> lunga(100'003);
    double v = 0;
    for (auto& x : lunga) x = v += std::uniform_int_distribution<int>(-1, 1)(g);
    lunga[77'777] = 1e6; // a lone spike must survive
    const auto punti = ui::curvaRidotta(lunga, 0, 2000);
    ASSERT_LE(punti.size(), 2000u);
    EXPECT_GE(punti.size(), 1900u);
    EXPECT_EQ(punti.front(), (ui::TPunto{0, lunga.front()}));
    EXPECT_EQ(punti.back(), (ui::TPunto{100'002, lunga.back()}));
    for (std::size_t i = 1; i < punti.size(); ++i) {
        ASSERT_LT(punti[i - 1].x, punti[i].x);
        ASSERT_EQ(punti[i].y, lunga[static_cast<std::size_t>(punti[i].x)]);
    }
    const auto [basso, alto] = std::minmax_element(lunga.begin(), lunga.end());
    const auto ha = [&](double y) {
        return std::any_of(punti.begin(), punti.end(),
                           [&](const ui::TPunto& q) { return q.y == y; });
    };
    EXPECT_TRUE(ha(*basso));
    EXPECT_TRUE(ha(*alto));
}

} // namespace
} // namespace girolino::test
