// SPDX-License-Identifier: GPL-3.0-or-later
// The observed-against-expected window: opened from the Utility menu, it shows the game
// played through the main window — chart, chi-square verdict and table — and follows every
// spin, undo, new game and opened file while it is open.

#include "ProvaForm1.h"

#include "engine/FasciaAttese.h"
#include "engine/Statistiche.h"
#include "engine/StatistichePartita.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace girolino::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t RIGHE = 37 + 12 + 4;
enum Colonna { Nome, Sortite, Attese, Z, ProbMaxRit };

struct Finestra {
    Programma p;
    ui::TFormStatistiche& w = p.app.formStatistiche();

    void apri() { p.f.voceMenu(p.f.idMenu("FrequenzeOsservateeAttese1")); }
    // One turn of the event loop: the pending redraw runs.
    void giraCiclo() {
        const int t = w.id("TimerAggiorna");
        if (w.timerAttivo(t)) w.tick(t);
    }
    // Enters each number `volte[n]` times through the main window's pad.
    void giocaConteggi(const std::vector<int>& volte) {
        for (std::size_t n = 0; n < volte.size(); ++n)
            for (int k = 0; k < volte[n]; ++k) p.premi("SpeedButton" + std::to_string(n + 1));
    }
    const ui::TDatiTabella& tabella() const { return w["TabellaScarti"].tabella; }
    const ui::TCella& cella(std::string_view nome, Colonna c) const {
        for (const auto& r : tabella().righe)
            if (r[Nome].testo == nome) return r[c];
        throw std::out_of_range(std::string(nome));
    }
    const std::string& testo(std::string_view nome) const { return w[nome].testo; }
};

// Every cell, every series and the verdict agree with the engine on the game being played.
void attendiComeIlMotore(const Finestra& x) {
    const TStatistichePartita s = statistichePartita(x.p.f.partita(), 0);
    std::vector<const TRigaStatistica*> attese;
    for (const auto* v : {&s.numeri, &s.chance, &s.settori})
        for (const auto& r : *v) attese.push_back(&r);
    const auto& righe = x.tabella().righe;
    ASSERT_EQ(righe.size(), attese.size());
    for (std::size_t i = 0; i < righe.size(); ++i) {
        const TRigaStatistica& r = *attese[i];
        const auto& c = righe[i];
        SCOPED_TRACE(r.nome);
        ASSERT_EQ(c.size(), 5u);
        EXPECT_EQ(c[Nome].testo, r.nome);
        EXPECT_EQ(c[Sortite].testo, std::to_string(r.contatore.sortite));
        EXPECT_EQ(c[Attese].testo, testoDecimale(r.attese, 1));
        EXPECT_EQ(c[Z].testo, testoDecimale(r.z, 2));
        EXPECT_EQ(c[ProbMaxRit].testo, testoPercentuale(r.probMaxRitardo) + " %");
        EXPECT_EQ(c[Z].valore, r.z);
        const bool notevole = std::abs(r.z) >= 3 - 1e-12;
        for (const auto& cella : c) {
            EXPECT_EQ(cella.colore, notevole ? ui::clRed : ui::clBlack);
            EXPECT_EQ(cella.grassetto, notevole);
        }
    }
    const auto& g = x.w["GraficoFrequenze"].grafico;
    ASSERT_EQ(g.serie.size(), 3u);
    ASSERT_EQ(g.categorie.size(), 37u);
    const TFasciaAttese f = fasciaAttese(s.giri, 1.0 / 37, 2);
    for (const auto& serie : g.serie) {
        SCOPED_TRACE(serie.nome);
        switch (serie.tipo) {
        case ui::TTipoSerie::Barre:
            ASSERT_EQ(serie.valori.size(), 37u);
            for (int n = 0; n < 37; ++n)
                EXPECT_EQ(serie.valori[n], x.p.f.partita().numeri[n].sortite) << n;
            break;
        case ui::TTipoSerie::Linea:
            for (const auto& pt : serie.punti) EXPECT_EQ(pt.y, f.attese);
            break;
        case ui::TTipoSerie::Fascia:
            for (const auto& pt : serie.punti) EXPECT_EQ(pt.y, f.sopra);
            for (const auto& pt : serie.puntiSotto) EXPECT_EQ(pt.y, f.sotto);
            break;
        }
    }
    EXPECT_EQ(x.testo("LabelGiri"), "Giri: " + std::to_string(s.giri));
    EXPECT_EQ(x.testo("LabelGiudizio"), giudizioChiQuadro(s.chiQuadro));
}

TEST(FormStatistiche, ApertaDalMenuMostraLaPartitaConValoriCalcolatiAMano) {
    Finestra x;
    x.p.gioca({17, 17, 0});
    EXPECT_FALSE(x.w.visibile());
    x.apri();
    ASSERT_TRUE(x.w.visibile());
    EXPECT_EQ(x.w.caption(), "Girolino - Frequenze Osservate e Attese");
    EXPECT_EQ(x.tabella().intestazioni,
              (std::vector<std::string>{"Nome", "Sortite", "Attese", "z", "Prob. Max Rit"}));
    ASSERT_EQ(x.tabella().righe.size(), RIGHE);
    std::vector<std::string> nomi;
    for (const auto& r : x.tabella().righe) nomi.push_back(r[Nome].testo);
    EXPECT_EQ(nomi[0], "0");
    EXPECT_EQ(nomi[36], "36");
    EXPECT_EQ(
        std::vector<std::string>(nomi.begin() + 37, nomi.end()),
        (std::vector<std::string>{"Rosso", "Nero", "Pari", "Dispari", "Manq", "Pass", "Doz 1",
                                  "Doz 2", "Doz 3", "Col 1", "Col 2", "Col 3", "Voisins du zéro",
                                  "Tiers du cylindre", "Orphelins", "Jeu zéro"}));

    // Three spins. 17: 2 hits, z = (2 − 3/37) / √(3·36/37²) = 71/√108; never absent before a
    // hit, so a record of 0, certain. 0: z = 34/√108, one hit after an absence of 2, which
    // three spins of a fair wheel give with probability q²(2 − q), q = 36/37. Rosso: no hit
    // of 3·18/37, z = −54/√(3·18·19). Orphelins (8 pockets): z = 50/√(3·8·29).
    // X² = Σ O²/E − n = 5·37/3 − 3.
    struct Atteso {
        const char* nome;
        const char* sortite;
        const char* attese;
        const char* z;
        const char* prob;
        bool notevole;
    };
    for (const Atteso& a : {
             Atteso{"17", "2", "0.1", "6.83", "100.0 %", true},
             Atteso{"0", "1", "0.1", "3.27", "97.2 %", true},
             Atteso{"5", "0", "0.1", "-0.29", "100.0 %", false},
             Atteso{"Rosso", "0", "1.5", "-1.69", "100.0 %", false},
             Atteso{"Nero", "2", "1.5", "0.62", "100.0 %", false},
             Atteso{"Orphelins", "2", "0.6", "1.90", "100.0 %", false},
         }) {
        SCOPED_TRACE(a.nome);
        EXPECT_EQ(x.cella(a.nome, Sortite).testo, a.sortite);
        EXPECT_EQ(x.cella(a.nome, Attese).testo, a.attese);
        EXPECT_EQ(x.cella(a.nome, Z).testo, a.z);
        EXPECT_EQ(x.cella(a.nome, ProbMaxRit).testo, a.prob);
        EXPECT_EQ(x.cella(a.nome, Z).colore, a.notevole ? ui::clRed : ui::clBlack);
    }
    EXPECT_EQ(x.testo("LabelGiri"), "Giri: 3");
    EXPECT_EQ(x.testo("LabelChiQuadro"), "X² = 58.667 con 36 gradi di libertà");
    EXPECT_EQ(x.testo("LabelGiudizio"), "Troppo pochi giri per il test (ne servono almeno 185).");
    EXPECT_NE(x.testo("LabelNota").find("Su 53 righe"), std::string::npos);
    attendiComeIlMotore(x);
}

TEST(FormStatistiche, UnoZDiEsattamente3EEvidenziato) {
    // 361 spins, 19 of them on 5: z = (19 − 361/37) / (19·6/37) = 3 exactly, though the
    // division gives a hair less. 18 hits of 7 give z = 2.68.
    Finestra x;
    x.apri();
    std::vector<int> volte(37, 9);
    volte[5] = 19;
    volte[7] = 18;
    for (int n = 8; n < 17; ++n) volte[n] = 10; // 361 in all
    x.giocaConteggi(volte);
    x.giraCiclo();
    ASSERT_EQ(x.testo("LabelGiri"), "Giri: 361");
    EXPECT_EQ(x.cella("5", Z).testo, "3.00");
    EXPECT_EQ(x.cella("5", Z).colore, ui::clRed);
    EXPECT_TRUE(x.cella("5", Nome).grassetto);
    EXPECT_EQ(x.cella("7", Z).testo, "2.68");
    EXPECT_EQ(x.cella("7", Z).colore, ui::clBlack);
    attendiComeIlMotore(x);
}

TEST(FormStatistiche, IlGiudizioCambiaA185GiriEAp001) {
    struct Caso {
        const char* nome;
        std::vector<int> scarti; // hits of 0, 1, 2, ... minus 5; the rest hit 5 times
        int togli;               // spins taken back from number 36 (184 spins)
        const char* chiQuadro;
        std::string_view giudizio;
    };
    for (const Caso& c : {
             // 184 spins: the test would need 185.
             Caso{"184", {}, 1, "X² = 0.196 con 36 gradi di libertà", GIUDIZIO_POCHI_GIRI},
             // 185 spins, each number 5 times: no deviation at all.
             Caso{"uniforme",
                  {},
                  0,
                  "X² = 0.000 con 36 gradi di libertà, p = 1.0000",
                  GIUDIZIO_EQUA},
             // Σ d² = 288, X² = 57.6 just under the 1% point of 36 degrees (58.62).
             Caso{"sotto la soglia",
                  {11, 7, 4, 1, -5, -5, -5, -4, -3, -1},
                  0,
                  "X² = 57.600 con 36 gradi di libertà, p = 0.0126",
                  GIUDIZIO_EQUA},
             // Σ d² = 294, X² = 58.8 just over it.
             Caso{"sopra la soglia",
                  {11, 8, 3, -5, -5, -5, -4, -3},
                  0,
                  "X² = 58.800 con 36 gradi di libertà, p = 0.0096",
                  GIUDIZIO_INSOLITO},
         }) {
        SCOPED_TRACE(c.nome);
        Finestra x;
        x.apri();
        std::vector<int> volte(37, 5);
        for (std::size_t n = 0; n < c.scarti.size(); ++n) volte[n] += c.scarti[n];
        volte[36] -= c.togli;
        x.giocaConteggi(volte);
        x.giraCiclo();
        EXPECT_EQ(x.testo("LabelChiQuadro"), c.chiQuadro);
        EXPECT_EQ(x.testo("LabelGiudizio"), c.giudizio);
        attendiComeIlMotore(x);
    }
}

TEST(FormStatistiche, SegueLaPartitaSoloQuandoEAperta) {
    const char* env = std::getenv("GIROLINO_TEST_TMP");
    const fs::path cartella =
        (env ? fs::path(env) : fs::temp_directory_path() / "girolino-statistiche-test") / "stat";
    fs::remove_all(cartella);
    fs::create_directories(cartella);

    Finestra x;
    x.p.piattaforma.programma = cartella.string();
    x.p.piattaforma.documenti = (cartella / "documenti").string();
    x.apri();
    x.p.gioca({5, 5, 5});
    // The spins are drawn once, when the event loop turns, not after each one.
    EXPECT_TRUE(x.w.daAggiornare());
    EXPECT_EQ(x.cella("5", Sortite).testo, "0");
    x.giraCiclo();
    EXPECT_FALSE(x.w.daAggiornare());
    EXPECT_EQ(x.cella("5", Sortite).testo, "3");
    attendiComeIlMotore(x);

    // Buttons, the floating pad, a random run, undo.
    x.p.pad.click(x.p.pad.id("SpeedButton35"));
    x.p.digita("Edit1", "200");
    x.p.premi("BitBtn2");
    x.giraCiclo();
    EXPECT_EQ(x.testo("LabelGiri"), "Giri: 204");
    attendiComeIlMotore(x);
    x.p.annulla();
    x.giraCiclo();
    EXPECT_EQ(x.testo("LabelGiri"), "Giri: 203");
    attendiComeIlMotore(x);

    // Saved, then a new game: all back to nothing.
    const TStatistichePartita salvata = statistichePartita(x.p.f.partita(), 0);
    x.p.piattaforma.fileScelti.push_back((cartella / "serata.fvr").string());
    x.p.premi("SpeedButton48");
    x.p.piattaforma.risposte.push_back(true);
    x.p.premi("BitBtn1");
    x.giraCiclo();
    EXPECT_EQ(x.testo("LabelGiri"), "Giri: 0");
    EXPECT_EQ(x.cella("5", Sortite).testo, "0");
    attendiComeIlMotore(x);

    // Closed, it does no work: spins leave it as it was until it is shown again.
    x.p.gioca({9});
    x.w.click(x.w.id("BitBtn1"));
    EXPECT_FALSE(x.w.visibile());
    x.giraCiclo();
    x.p.gioca({9, 9});
    EXPECT_FALSE(x.w.timerAttivo(x.w.id("TimerAggiorna")));
    EXPECT_EQ(x.cella("9", Sortite).testo, "0");
    x.apri();
    EXPECT_EQ(x.cella("9", Sortite).testo, "3");
    attendiComeIlMotore(x);

    // The saved game opened again.
    x.p.piattaforma.fileScelti.push_back((cartella / "serata.fvr").string());
    x.p.piattaforma.risposte.push_back(true);
    x.p.premi("SpeedButton49");
    x.giraCiclo();
    EXPECT_EQ(x.testo("LabelGiri"), "Giri: " + std::to_string(salvata.giri));
    EXPECT_EQ(x.cella("Voisins du zéro", Sortite).testo,
              std::to_string(salvata.settori[0].contatore.sortite));
    attendiComeIlMotore(x);
}

} // namespace
} // namespace girolino::test
