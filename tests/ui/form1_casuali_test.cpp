// SPDX-License-Identifier: GPL-3.0-or-later
// Random runs: the fixed-count buttons, the typed count with "Vai" or Enter, and the
// counts that draw nothing.

#include "ProvaForm1.h"

#include <string>
#include <vector>

namespace girolino::test {
namespace {

struct CasoConteggio {
    std::string testo;               // typed into Edit1, then "Vai"
    int spin;                        // spins drawn
    std::vector<std::string> avvisi; // what the platform showed
    int scorrimenti;                 // ribbon scrolls the run asked for
};

class Conteggio : public ::testing::TestWithParam<CasoConteggio> {};

TEST_P(Conteggio, DrawsWhatTheCountSays) {
    const CasoConteggio& caso = GetParam();
    Programma p;
    p.digita("Edit1", caso.testo);
    p.premi("BitBtn2");
    EXPECT_EQ(p.app.partita().bouleEseguite, caso.spin);
    EXPECT_EQ(p.c("richeditnumero").righe.size(), static_cast<std::size_t>(caso.spin));
    EXPECT_EQ(p.piattaforma.registro, caso.avvisi);
    EXPECT_EQ(p.c("richeditnumero").richiesteScorrimento, caso.scorrimenti);
    EXPECT_EQ(p.testo("Edit1"), caso.testo);
    EXPECT_TRUE(p.app.partita().seguiUltimo);
}

INSTANTIATE_TEST_SUITE_P(
    Casi, Conteggio,
    ::testing::Values(
        CasoConteggio{"10", 10, {}, 1}, CasoConteggio{"0", 0, {}, 1}, CasoConteggio{"-5", 0, {}, 1},
        CasoConteggio{"",
                      0,
                      {"messaggio: Attenzione: devi inserire il numero di Boules casuali che "
                       "vuoi eseguire nell'apposito spazio bianco",
                       "fuoco: TForm1/Edit1"},
                      0},
        CasoConteggio{"abc", 0, {"errore: 'abc' non è un valore intero valido."}, 0},
        CasoConteggio{"   ", 0, {"errore: '   ' non è un valore intero valido."}, 0},
        CasoConteggio{"100001",
                      0,
                      {"messaggio: Attenzione: puoi estrarre al massimo 100000 Boules per volta."},
                      0},
        // A large count below the limit is taken whole.
        CasoConteggio{"40000", 40000, {}, 1}));

TEST(Casuali, FixedCountButtonDrawsAndEmptiesTheField) {
    Programma p;
    p.digita("Edit1", "3");
    p.premi("SpeedButton40"); // "10"
    EXPECT_EQ(p.app.partita().bouleEseguite, 10);
    EXPECT_EQ(p.testo("Edit1"), "");
    EXPECT_EQ(p.testo("Memo2"), "10");
    EXPECT_EQ(p.pad["Memo2"].testo, "10");
    EXPECT_EQ(p.pad["RichEdit1"].spezzoni.size(), 10u);
    EXPECT_EQ(p.c("RichEditcol").richiesteScorrimento, 1);
}

TEST(Casuali, EnterInTheFieldRunsAndKeepsTheCount) {
    Programma p;
    p.digita("Edit1", "10");
    p.f.invio(p.f.id("Edit1"));
    EXPECT_EQ(p.app.partita().bouleEseguite, 10);
    EXPECT_EQ(p.testo("Edit1"), "10");
}

TEST(Casuali, ADrawnNumberIsEnteredLikeItsButton) {
    Programma casuale, premuto;
    casuale.premi("SpeedButton38"); // "1"
    const int n = casuale.app.partita().ultimoNumero;
    premuto.gioca({n});
    attendiUguali(casuale.f, premuto.f);
    attendiUguali(casuale.pad, premuto.pad);
}

TEST(Casuali, DrawsSpreadOverTheWholeWheel) {
    Programma p;
    p.digita("Edit1", "3700");
    p.premi("BitBtn2");
    for (int n = 0; n <= 36; ++n) {
        const int sortite = p.app.partita().numeri[n].sortite;
        EXPECT_GT(sortite, 40) << n;
        EXPECT_LT(sortite, 170) << n;
    }
}

TEST(Casuali, AfterAFailedCountTheNextSpinStillScrolls) {
    Programma p;
    p.digita("Edit1", "abc");
    p.premi("BitBtn2");
    p.gioca({9});
    EXPECT_EQ(p.c("RichEditdoz").richiesteScorrimento, 1);
}

} // namespace
} // namespace girolino::test
