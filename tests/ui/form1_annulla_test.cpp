// Taking back the last spin and starting a new game, as the windows show them.

#include "ProvaForm1.h"

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
        attendiUguali(prima.f, dopo.f, {"SpeedButton47", "BitBtn9"});
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
    // The ribbon titles turn black but keep the words of the last signal.
    EXPECT_EQ(p.c("Label1").font.colore, ui::clBlack);
    EXPECT_FALSE(p.c("Label1").font.grassetto);
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

} // namespace
} // namespace girolino::test
