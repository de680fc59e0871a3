// SPDX-License-Identifier: GPL-3.0-or-later
// Entering spins on the main window: counters, rankings, family rows, ribbons, the last
// number's attributes and the highlighting of delays beyond their longest closed one.

#include "ProvaForm1.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace girolino::test {
namespace {

using ui::clBlack;
using ui::clGreen;
using ui::clRed;

struct CasoGiocata {
    std::vector<int> spin;
    std::string testi; // "control=expected text;..."
};

class Giocata : public ::testing::TestWithParam<CasoGiocata> {};

TEST_P(Giocata, OgniCampoMostraLaPartita) {
    Programma p;
    for (int n : GetParam().spin) p.gioca({n});
    std::string_view resto = GetParam().testi;
    while (!resto.empty()) {
        const std::string_view voce = resto.substr(0, resto.find(';'));
        resto.remove_prefix(std::min(resto.size(), voce.size() + 1));
        const std::size_t uguale = voce.find('=');
        const std::string nome(voce.substr(0, uguale));
        EXPECT_EQ(p.testo(nome), voce.substr(uguale + 1)) << nome;
    }
}

// Rankings: Memo3.. most delayed, Memo8.. most probable, Memo13.. most frequent,
// Memo18.. least frequent. Family rows nnn/rrr/mmm/sss 1..5 by delay.
INSTANTIATE_TEST_SUITE_P(
    Sequenze, Giocata,
    ::testing::Values(
        CasoGiocata{{7},
                    "r7=0;m7=0;s7=1;r0=1;s0=0;r36=1;rr1=0;ss1=1;rr2=1;rr3=1;rr4=0;rr5=0;rr6=1;"
                    "rr7=0;rr8=1;rr10=0;rr12=1;Memo1=7;Memo2=1;Panel2=Dispari;Panel3=Manq;"
                    "Panel4=Doz 1;Panel5=Col 1;Memo3=0;Memo4=1;Memo7=4;Memo8=0;Memo12=4;"
                    "Memo13=7;Memo14=1;Memo17=4;Memo18=36;Memo22=32;"
                    "nnn1=1-2;rrr1=1;mmm1=0;sss1=0;nnn2=1-2-3;rrr5=1"},
        CasoGiocata{{5, 8, 8}, "r8=0;m8=1;s8=2;r5=2;m5=0;Memo13=8;Memo14=5;Memo15=2;Memo2=3"},
        CasoGiocata{{3, 1, 1, 1, 3}, "r3=0;m3=3;rr12=0;mm12=3;rr1=0;mm1=0;ss1=5;Memo3=0"},
        CasoGiocata{{0}, "rr1=1;rr6=1;rr12=1;ss1=0;Memo1=0;Panel2=;Panel5=;r0=0;s0=1"},
        CasoGiocata{{2, 4, 6, 1}, "rr1=0;mm1=3;ss1=1;rr2=1;mm2=0;ss2=3"}));

TEST(Giocata, RibbonsGetOneLinePerSpinAndScrollToTheEnd) {
    Programma p;
    p.gioca({7, 0, 36});
    const std::vector<std::pair<std::string, std::vector<std::string>>> attesi = {
        {"richeditnumero", {"7", "0", "36"}}, {"RichEditrosso", {"R", "x", "R"}},
        {"RichEditpari", {"D", "x", "P"}},    {"RichEditmanq", {"M", "x", "P"}},
        {"RichEditdoz", {"1", "x", "3"}},     {"RichEditcol", {"1", "x", "3"}}};
    for (const auto& [nome, righe] : attesi) {
        EXPECT_EQ(p.c(nome).righe, righe) << nome;
        EXPECT_EQ(p.c(nome).richiesteScorrimento, 3) << nome;
        EXPECT_TRUE(p.c(nome).cursoreInFondo) << nome;
    }
}

TEST(Giocata, ASpinArmsUndoTrendAndSaveAndMarksTheGameModified) {
    Programma p;
    EXPECT_FALSE(p.c("SpeedButton47").abilitato);
    EXPECT_FALSE(p.c("BitBtn9").abilitato);
    EXPECT_FALSE(p.c("SpeedButton48").abilitato);
    p.gioca({12});
    EXPECT_TRUE(p.c("SpeedButton47").abilitato);
    EXPECT_TRUE(p.c("BitBtn9").abilitato);
    EXPECT_TRUE(p.c("SpeedButton48").abilitato);
    EXPECT_TRUE(p.f.menu()[p.f.idMenu("SalvaconNome1")].abilitata);
    EXPECT_TRUE(p.app.partita().partitaModificata);
}

TEST(Giocata, RankingHintsDescribeTheNumberShown) {
    Programma p;
    p.gioca({5, 8, 8, 14});
    for (int k = 3; k <= 22; ++k) {
        const std::string cella = "Memo" + std::to_string(k);
        const int n = std::stoi(p.testo(cella));
        const auto& e = p.app.partita().numeri[n];
        EXPECT_EQ(p.c(cella).hint, "Ritardo: " + std::to_string(e.ritardo) +
                                       " Massimo Ritardo Storico: " + std::to_string(e.maxRitardo) +
                                       " Sortite: " + std::to_string(e.sortite))
            << cella;
    }
}

TEST(Giocata, LastNumberShowsItsColour) {
    const std::vector<std::pair<int, ui::TColore>> casi = {{1, clRed}, {20, clBlack}, {0, clGreen}};
    for (const auto& [n, colore] : casi) {
        Programma p;
        p.gioca({n});
        EXPECT_EQ(p.c("Memo1").font.colore, colore) << n;
    }
}

TEST(Giocata, FamilyRowsFollowTheShowChoice) {
    Programma p;
    p.spunta("RadioButton2", true); // most frequent, before any spin: all at zero
    EXPECT_EQ(p.testo("nnn1"), "1-2");
    EXPECT_EQ(p.testo("Memo3"), "0");
    EXPECT_EQ(p.testo("Memo18"), "36");

    p.spunta("RadioButton1", true);
    p.gioca({36});
    EXPECT_EQ(p.testo("nnn1"), "1-2");
    EXPECT_EQ(p.testo("rrr1"), "1");

    p.spunta("RadioButton2", true);
    EXPECT_EQ(p.testo("sss1"), "1");
    EXPECT_EQ(p.testo("rrr1"), "0");
    EXPECT_NE(p.testo("nnn1").find("36"), std::string::npos);
}

// A click on "Mostra" sorts the family slices again without refilling them, so among the
// groups with the most hits the one the delay order put first leads; the next spin starts
// again from catalogue order.
TEST(Giocata, ShowChoiceCarriesTheOrderOfThePreviousRefresh) {
    Programma p;
    p.gioca({36, 1}); // the duine of 36 (delay 1) rank before those of 1 (delay 0)
    p.spunta("RadioButton2", true);
    EXPECT_TRUE(p.testo("nnn1") == "35-36" || p.testo("nnn1") == "33-36") << p.testo("nnn1");
    EXPECT_EQ(p.testo("rrr1"), "1");
    EXPECT_EQ(p.testo("sss1"), "1");

    p.gioca({0}); // a refill: ties of hits keep catalogue order again
    EXPECT_EQ(p.testo("nnn1"), "1-2");
    EXPECT_EQ(p.testo("rrr1"), "1");
}

// The family rows of a cleared game show its zero counters, not the groups of the game
// before it, even when "Mostra" is clicked before the next spin.
TEST(Giocata, ShowChoiceAfterANewGameShowsTheClearedGroups) {
    Programma p;
    p.gioca({36, 1, 36});
    p.piattaforma.risposte = {true};
    p.premi("BitBtn1");
    p.spunta("RadioButton2", true);
    for (int f = 1; f <= 5; ++f) {
        const std::string k = std::to_string(f);
        EXPECT_EQ(p.testo("rrr" + k), "0");
        EXPECT_EQ(p.testo("sss" + k), "0");
    }
    EXPECT_EQ(p.testo("nnn1"), "1-2");
    EXPECT_EQ(p.testo("nnn5"), "1-9");
}

// A highlighted field: red text and/or bold.
struct Aspetto {
    ui::TColore colore;
    bool grassetto;
};

void attendiAspetto(const Programma& p, const std::string& nome, Aspetto a) {
    EXPECT_EQ(p.c(nome).font.colore, a.colore) << nome;
    EXPECT_EQ(p.c(nome).font.grassetto, a.grassetto) << nome;
}

TEST(Evidenziazione, DelaysBeyondTheirLongestAreRedAndBold) {
    Programma p;
    for (const char* nome : {"r0", "rr1", "rrr1"}) attendiAspetto(p, nome, {clBlack, false});
    p.gioca({7});
    for (const char* nome : {"r0", "r36", "rr2", "rr3", "rrr1", "rrr5"})
        attendiAspetto(p, nome, {clRed, true});
    for (const char* nome : {"r7", "rr1", "rr4"}) attendiAspetto(p, nome, {clBlack, false});

    // A delay equal to its maximum is not highlighted; one more absence is.
    p.gioca({8, 7, 8}); // r7 = m7 = 1
    attendiAspetto(p, "r7", {clBlack, false});
    p.gioca({8});
    attendiAspetto(p, "r7", {clRed, true});
}

TEST(Evidenziazione, CheckBoxesSwitchTheirPassAtOnce) {
    Programma p;
    p.gioca({7});
    p.spunta("CheckBox3", false);
    attendiAspetto(p, "r0", {clBlack, true});
    p.spunta("CheckBox1", false);
    attendiAspetto(p, "r0", {clBlack, false});
    attendiAspetto(p, "rrr1", {clBlack, false});

    // Spins with red off keep bold only.
    p.spunta("CheckBox1", true);
    p.gioca({7});
    attendiAspetto(p, "r0", {clBlack, true});
    attendiAspetto(p, "rr2", {clBlack, true});

    p.spunta("CheckBox3", true);
    attendiAspetto(p, "r0", {clRed, true});
    attendiAspetto(p, "r7", {clBlack, false});
}

TEST(Evidenziazione, ZeroAgesEveryChance) {
    Programma p;
    p.gioca({2});
    attendiAspetto(p, "rr1", {clRed, true}); // Rosso: delay 1, max 0
    attendiAspetto(p, "rr2", {clBlack, false});
    p.gioca({0});
    attendiAspetto(p, "rr2", {clRed, true});
}

} // namespace
} // namespace girolino::test
