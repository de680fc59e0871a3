// SPDX-License-Identifier: GPL-3.0-or-later
// The delay labels of the chance table and the repetition signal on the ribbon titles and
// the banner.

#include "ProvaForm1.h"

#include <string>
#include <vector>

namespace girolino::test {
namespace {

std::vector<std::string> etichetteVisibili(const Programma& p) {
    std::vector<std::string> visibili;
    for (int k = 70; k <= 81; ++k) {
        const std::string nome = "Label" + std::to_string(k);
        if (p.c(nome).visibile) visibili.push_back(nome + "=" + p.testo(nome));
    }
    return visibili;
}

// Black numbers spread over every other side: Rosso reaches delay 4, the threshold, while
// no other side is absent for more than 2 spins; a fifth black passes it.
TEST(SegnaleRitardo, LabelShowsOnlyBeyondTheThreshold) {
    Programma p;
    p.gioca({2, 13, 24, 29});
    EXPECT_EQ(p.app.partita().chance[Rosso].ritardo, 4);
    EXPECT_TRUE(etichetteVisibili(p).empty());
    p.gioca({4});
    EXPECT_EQ(etichetteVisibili(p), std::vector<std::string>{"Label70=Ritardo 4+"});
}

TEST(SegnaleRitardo, ThresholdTextIsReadAtTheNextEvaluation) {
    Programma p;
    p.gioca({2, 13, 24, 29, 4});
    p.digita("Edit2", " 3");
    EXPECT_EQ(etichetteVisibili(p), std::vector<std::string>{"Label70=Ritardo 4+"});
    p.spunta("CheckBox2", true); // re-evaluates, with the threshold as typed
    EXPECT_EQ(etichetteVisibili(p), std::vector<std::string>{"Label70=Ritardo  3+"});

    p.digita("Edit2", "abc"); // not a number: the signal shows nothing, and no box
    p.gioca({12});
    EXPECT_TRUE(etichetteVisibili(p).empty());
    p.digita("Edit2", "0");
    p.spunta("CheckBox4", true);
    EXPECT_EQ(etichetteVisibili(p).size(), 7u); // every side not hit by 12
    EXPECT_TRUE(p.piattaforma.registro.empty());

    p.spunta("CheckBox2", false);
    EXPECT_TRUE(etichetteVisibili(p).empty());
}

struct Titoli {
    std::vector<std::string> testi; // Label1..Label5
    std::string banner;             // "" when hidden
};

Titoli titoli(const Programma& p) {
    Titoli t;
    for (int k = 1; k <= 5; ++k) t.testi.push_back(p.testo("Label" + std::to_string(k)));
    if (p.c("Panel6").visibile) t.banner = p.testo("Panel6");
    return t;
}

const std::vector<std::string> semplici = {"R/N", "Pari/Disp", "Manq/Pass", "Doz. 1-2-3",
                                           "Col. 1-2-3"};

TEST(SegnaleRipetizioni, RunReachingTheThresholdMarksTitleAndBanner) {
    Programma p;
    // Reds of different parity, half, dozen and column; the zero keeps the run.
    p.gioca({1, 12, 0, 19});
    EXPECT_EQ(titoli(p).testi, semplici);
    EXPECT_EQ(titoli(p).banner, "");
    EXPECT_EQ(p.c("Label1").font.colore, ui::clBlack);

    p.gioca({36});
    std::vector<std::string> attesi = semplici;
    attesi[0] = "R 4";
    EXPECT_EQ(titoli(p).testi, attesi);
    EXPECT_EQ(titoli(p).banner, "Rosso 4 volte!");
    EXPECT_EQ(p.c("Label1").font.colore, ui::clRed);
    EXPECT_TRUE(p.c("Label1").font.grassetto);
    EXPECT_FALSE(p.c("Label2").font.grassetto);
}

TEST(SegnaleRipetizioni, LaterSideNamesTheBanner) {
    Programma p;
    p.gioca({1, 3, 5, 7}); // red, odd, low, first dozen four times
    EXPECT_EQ(titoli(p).testi, (std::vector<std::string>{"R 4", "Dispari: 4", "Manq: 4",
                                                         "Doz. 1: 4", "Col. 1-2-3"}));
    EXPECT_EQ(titoli(p).banner, "Doz 1 4 volte!");
}

TEST(SegnaleRipetizioni, ThresholdSwitchedOffOrNotANumberMarksNothing) {
    for (const bool spento : {true, false}) {
        Programma p;
        if (spento)
            p.spunta("CheckBox4", false);
        else
            p.digita("ComboBox1", "quattro");
        p.gioca({1, 3, 5, 7});
        EXPECT_EQ(titoli(p).testi, semplici) << spento;
        EXPECT_EQ(titoli(p).banner, "") << spento;
        EXPECT_TRUE(p.piattaforma.registro.empty());
    }
}

TEST(SegnaleRipetizioni, ZeroThresholdMarksEveryFamilysLastSide) {
    Programma p;
    p.digita("ComboBox1", "0");
    p.gioca({7});
    EXPECT_EQ(titoli(p).testi, (std::vector<std::string>{"N: 0", "Dispari: 1", "Pass: 0",
                                                         "Doz. 3: 0", "Col. 3: 0"}));
    EXPECT_EQ(titoli(p).banner, "Col 3 0 volte!");
}

} // namespace
} // namespace girolino::test
