// SPDX-License-Identifier: GPL-3.0-or-later
// Taking back the last spin and starting a new game, as the windows show them.

#include "ProvaForm1.h"
#include "engine/Annulla.h"
#include "engine/Classifiche.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"
#include "engine/GruppiOrdinati.h"
#include "engine/Segnali.h"

#include <string>
#include <vector>

namespace girolino::test {
namespace {

void gioca(Programma& p, const std::vector<int>& spin) {
    for (int n : spin) p.gioca({n});
}

// Undoing a spin that did not raise its number's longest delay gives back exactly the
// windows of the game without it; only the undo and trend buttons differ (disarmed).
TEST(Annulla, RestoresEveryDisplayOfThePreviousSpin) {
    const std::vector<std::vector<int>> partite = {
        {10, 10},               // second hit closes a delay of 0
        {7, 7},                 //
        {1, 12, 19, 0, 36, 36}, // the undone spin had fired the repetition banner
        {10, 0, 0},             // a zero: every chance and group delay goes back
        {3, 1, 1, 1, 3, 5, 5},
    };
    for (const auto& spin : partite) {
        SCOPED_TRACE(::testing::PrintToString(spin));
        Programma prima, dopo;
        gioca(prima, std::vector<int>(spin.begin(), spin.end() - 1));
        gioca(dopo, spin);
        dopo.annulla();
        attendiUguali(prima.f, dopo.f, {"SpeedButton47", "AnnullaUltimoNumero1", "BitBtn9"});
        attendiUguali(prima.pad, dopo.pad);
        EXPECT_FALSE(dopo.c("SpeedButton47").abilitato);
        EXPECT_FALSE(dopo.c("BitBtn9").abilitato);
    }
}

TEST(Annulla, TheUndoneNumberKeepsTheMaximumItsSpinSet) {
    Programma p;
    p.gioca({3, 1, 1, 1, 3});
    p.annulla();
    EXPECT_EQ(p.testo("r3"), "3");
    EXPECT_EQ(p.testo("s3"), "1");
    EXPECT_EQ(p.testo("m3"), "3");
    EXPECT_EQ(p.testo("Memo1"), "1");
    EXPECT_EQ(p.c("Memo1").font.colore, ui::clRed);
    EXPECT_EQ(p.testo("Memo2"), "4");
}

TEST(Annulla, RepetitionBannerGoesBackWithTheSpin) {
    Programma p;
    p.gioca({1, 12, 0, 19, 36});
    ASSERT_TRUE(p.c("Panel6").visibile);
    p.annulla();
    EXPECT_FALSE(p.c("Panel6").visibile);
    EXPECT_EQ(p.testo("Panel6"), "Rosso 4 volte!"); // hidden, it keeps its last words
    EXPECT_EQ(p.testo("Label1"), "R/N");
    EXPECT_EQ(p.c("Label1").font.colore, ui::clBlack);
}

TEST(Annulla, OnlyOnceAfterEachSpinAndScrollsTheRibbons) {
    Programma p;
    p.gioca({4, 5, 6});
    const int prima = p.c("RichEditcol").richiesteScorrimento;
    p.annulla();
    EXPECT_EQ(p.c("RichEditcol").righe, (std::vector<std::string>{"1", "2"}));
    // to the top, to the end, and once more at the end
    EXPECT_EQ(p.c("RichEditcol").richiesteScorrimento, prima + 3);
    EXPECT_TRUE(p.c("RichEditcol").cursoreInFondo);
    p.annulla(); // the button is disabled: nothing happens
    EXPECT_EQ(p.testo("Memo2"), "2");
    EXPECT_EQ(p.app.partita().bouleEseguite, 2);
}

// What the window shows before any spin, after the only spin was undone and after a new
// game: every counter "0", nothing last, no file, nothing to undo or save.
void attendiTabelloneVuoto(Programma& p) {
    EXPECT_EQ(p.f.caption(), "Girolino");
    EXPECT_EQ(p.testo("Memo1"), "");
    EXPECT_EQ(p.testo("Memo2"), "0");
    for (const char* pref : {"r", "m", "s"})
        for (int n = 0; n <= 36; ++n) EXPECT_EQ(p.testo(pref + std::to_string(n)), "0");
    for (const char* pref : {"rr", "mm", "ss"})
        for (int c = 1; c <= 12; ++c) EXPECT_EQ(p.testo(pref + std::to_string(c)), "0");
    for (const char* pref : {"nnn", "rrr", "mmm", "sss"})
        for (int f = 1; f <= 5; ++f) EXPECT_EQ(p.testo(pref + std::to_string(f)), "0");
    for (int k = 3; k <= 22; ++k) EXPECT_EQ(p.testo("Memo" + std::to_string(k)), "0");
    for (int k = 2; k <= 5; ++k) EXPECT_EQ(p.testo("Panel" + std::to_string(k)), "");
    for (const char* nastro : {"richeditnumero", "RichEditrosso", "RichEditcol"})
        EXPECT_TRUE(p.c(nastro).righe.empty());
    for (int k = 70; k <= 81; ++k) EXPECT_FALSE(p.c("Label" + std::to_string(k)).visibile);
    EXPECT_FALSE(p.c("Panel6").visibile);
    for (const char* campo : {"r0", "rr1", "rrr1"}) {
        EXPECT_EQ(p.c(campo).font.colore, ui::clBlack);
        EXPECT_FALSE(p.c(campo).font.grassetto);
    }
    for (const char* spento : {"SpeedButton47", "BitBtn9", "SpeedButton48"})
        EXPECT_FALSE(p.c(spento).abilitato) << spento;
    EXPECT_FALSE(p.f.menu()[p.f.idMenu("SalvaconNome1")].abilitata);
    EXPECT_TRUE(p.pad["RichEdit1"].spezzoni.empty());
    EXPECT_EQ(p.pad["Memo2"].testo, "0");
    EXPECT_FALSE(p.app.partita().partitaModificata);
    EXPECT_EQ(p.app.partita().bouleEseguite, 0);
}

TEST(Annulla, UndoOfTheOnlySpinClearsTheBoard) {
    Programma p;
    p.gioca({6});
    p.annulla();
    attendiTabelloneVuoto(p);
    p.premi("BitBtn1"); // nothing to clear: no question
    EXPECT_TRUE(p.piattaforma.registro.empty());
}

TEST(NuovaPartita, DoesNothingBeforeTheFirstSpin) {
    Programma p;
    p.premi("BitBtn1");
    EXPECT_TRUE(p.piattaforma.registro.empty());
}

TEST(NuovaPartita, NoLeavesEverythingAndYesClears) {
    Programma p, riferimento;
    for (Programma* q : {&p, &riferimento}) q->gioca({1, 12, 0, 19, 36, 5, 5});
    p.piattaforma.risposte = {false};
    p.premi("BitBtn1");
    EXPECT_EQ(p.piattaforma.registro,
              std::vector<std::string>{
                  "domanda: Attenzione: il tabellone verrà resettato. Vuoi continuare?"});
    attendiUguali(p.f, riferimento.f);
    attendiUguali(p.pad, riferimento.pad);

    p.piattaforma.risposte = {true};
    p.premi("BitBtn1");
    attendiTabelloneVuoto(p);
    // The ribbon titles turn black but keep the words of the last signal until the next
    // spin writes their plain captions; the hidden banner keeps its words too.
    EXPECT_EQ(p.testo("Label1"), "R 6");
    EXPECT_EQ(p.c("Label1").font.colore, ui::clBlack);
    EXPECT_FALSE(p.c("Label1").font.grassetto);
    EXPECT_EQ(p.testo("Label2"), "Pari/Disp");
    EXPECT_EQ(p.testo("Panel6"), "Rosso 6 volte!");
    p.gioca({2});
    EXPECT_EQ(p.testo("Label1"), "R/N");
}

TEST(NuovaPartita, TheNextGameStartsFromZero) {
    Programma p, nuovo;
    p.gioca({1, 12, 0, 19, 36, 5, 5});
    p.piattaforma.risposte = {true};
    p.premi("BitBtn1");
    p.gioca({17, 17, 4});
    nuovo.gioca({17, 17, 4});
    // Hidden signals keep the words they last showed.
    std::set<std::string> nascosti = {"Panel6"};
    for (int k = 70; k <= 81; ++k) nascosti.insert("Label" + std::to_string(k));
    attendiUguali(p.f, nuovo.f, nascosti);
    attendiUguali(p.pad, nuovo.pad);
    for (const auto& nome : nascosti) EXPECT_EQ(p.c(nome).visibile, nuovo.c(nome).visibile);
}

// Every field the window shows against a game kept apart by the engine alone.
void attendiComeLaPartita(const Programma& p, const TPartita& g) {
    const auto t = [](std::int32_t v) { return std::to_string(v); };
    const auto attendiRitardo = [&](const std::string& nome, const TContatore& e) {
        EXPECT_EQ(p.testo(nome), t(e.ritardo)) << nome;
        const bool oltre = e.ritardo > e.maxRitardo;
        EXPECT_EQ(p.c(nome).font.colore, oltre ? ui::clRed : ui::clBlack) << nome;
        EXPECT_EQ(p.c(nome).font.grassetto, oltre) << nome;
    };
    for (int n = 0; n <= 36; ++n) {
        const std::string k = t(n);
        attendiRitardo("r" + k, g.numeri[n]);
        EXPECT_EQ(p.testo("m" + k), t(g.numeri[n].maxRitardo)) << n;
        EXPECT_EQ(p.testo("s" + k), t(g.numeri[n].sortite)) << n;
    }
    for (int c = 1; c <= 12; ++c) {
        const std::string k = t(c);
        attendiRitardo("rr" + k, g.chance[c]);
        EXPECT_EQ(p.testo("mm" + k), t(g.chance[c].maxRitardo)) << c;
        EXPECT_EQ(p.testo("ss" + k), t(g.chance[c].sortite)) << c;
        EXPECT_EQ(p.c("Label" + t(69 + c)).visibile, g.chance[c].ritardo > 4) << c;
    }
    const TClassifiche classi = calcolaClassifiche(g);
    for (int k = 0; k < 5 && g.bouleEseguite == 0; ++k) // cleared: every box reads "0"
        for (int primo : {3, 8, 13, 18}) EXPECT_EQ(p.testo("Memo" + t(primo + k)), "0");
    for (int k = 0; k < 5 && g.bouleEseguite > 0; ++k) {
        EXPECT_EQ(p.testo("Memo" + t(3 + k)), t(classi.ritardatari[k].numero));
        EXPECT_EQ(p.testo("Memo" + t(8 + k)), t(classi.probabili[k].numero));
        EXPECT_EQ(p.testo("Memo" + t(13 + k)), t(classi.frequenti[k].numero));
        EXPECT_EQ(p.testo("Memo" + t(18 + k)), t(classi.frequenti[36 - k].numero));
    }
    if (g.bouleEseguite > 0) {
        // The family rows lead with the most delayed group of each family...
        TGruppiOrdinati gruppi;
        assegnaChanceComplesse(g, gruppi);
        ordinaFamiglie(gruppi, true);
        for (int f = 0; f < NUM_FAMIGLIE; ++f) {
            const TVoceGruppo& v = primoDellaFamiglia(gruppi, static_cast<TTipoGruppo>(f));
            const std::string k = t(f + 1);
            EXPECT_EQ(p.testo("nnn" + k), v.etichetta());
            attendiRitardo("rrr" + k, {v.ritardo, v.maxRitardo, v.sortite});
            EXPECT_EQ(p.testo("mmm" + k), t(v.maxRitardo));
            EXPECT_EQ(p.testo("sss" + k), t(v.sortite));
        }
        // ...and the ribbon titles and the banner follow the runs.
        TTitoliNastri titoli;
        TBanner banner;
        pulisciTitoliCS(titoli);
        impostaTitoliCS(g, 4, titoli, banner);
        for (int k = 0; k < NUM_TITOLI; ++k) {
            EXPECT_EQ(p.testo("Label" + t(k + 1)), titoli[k].testo);
            EXPECT_EQ(p.c("Label" + t(k + 1)).font.grassetto, titoli[k].grassetto);
        }
        EXPECT_EQ(p.c("Panel6").visibile, banner.visibile);
    }
    EXPECT_EQ(p.testo("Memo2"), t(g.bouleEseguite));
    EXPECT_EQ(p.testo("Memo1"), g.nastroNumeri.empty() ? "" : g.nastroNumeri.back());
    EXPECT_EQ(p.c("richeditnumero").righe, g.nastroNumeri);
    EXPECT_EQ(p.c("RichEditcol").righe, g.nastroColonne);
}

// Spins from both pads, undos and new games in a random order: the window always shows the
// game the engine computes for the same actions.
TEST(PartitaCasuale, TheWindowAlwaysShowsTheGame) {
    TEstrattore dado([] { return std::uint64_t{0}; }, 7);
    Programma p;
    TPartita g;
    for (int passo = 0; passo < 300; ++passo) {
        SCOPED_TRACE("passo " + std::to_string(passo));
        const int scelta = dado.estrai();
        if (scelta < 6 && p.c("SpeedButton47").abilitato) {
            p.annulla();
            annullaSpin(g);
        } else if (scelta == 6) {
            p.piattaforma.risposte = {true};
            p.premi("BitBtn1");
            if (!g.nastroNumeri.empty()) pulisciPartita(g);
        } else {
            const int n = dado.estrai();
            const std::string pulsante = "SpeedButton" + std::to_string(n + 1);
            if (scelta % 2)
                p.premi(pulsante);
            else
                p.pad.click(p.pad.id(pulsante));
            inserisciSpin(g, n);
        }
        attendiComeLaPartita(p, g);
        if (HasFailure()) return;
    }
}

} // namespace
} // namespace girolino::test
