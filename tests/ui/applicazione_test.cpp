// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the windows that exist, the main window's help buttons and closing.

#include "ProvaForm1.h"

#include <algorithm>
#include <string>
#include <vector>

namespace girolino::test {
namespace {

TEST(Applicazione, StartsWithTheMainWindowShownAndAnEmptyGame) {
    Programma p;
    const auto finestre = p.app.finestre();
    ASSERT_GE(finestre.size(), 2u);
    EXPECT_EQ(finestre.front(), &p.f);
    EXPECT_EQ(finestre.front()->nomeClasse(), "TForm1");
    EXPECT_NE(std::find(finestre.begin(), finestre.end(), &p.pad), finestre.end());
    EXPECT_TRUE(p.f.visibile());
    EXPECT_FALSE(p.pad.visibile());
    EXPECT_TRUE(p.app.partita().seguiUltimo);
    EXPECT_EQ(p.app.partita().bouleEseguite, 0);
    EXPECT_TRUE(p.piattaforma.registro.empty());
}

TEST(Applicazione, PadButtonShowsTheFloatingPad) {
    Programma p;
    p.premi("SpeedButton46");
    EXPECT_TRUE(p.pad.visibile());
    EXPECT_TRUE(p.pad.chiusuraRichiesta());
    EXPECT_FALSE(p.pad.visibile());
    EXPECT_FALSE(p.piattaforma.uscito);
}

TEST(Applicazione, HelpButtonsExplainTheirArea) {
    const std::vector<std::pair<std::string, std::string>> casi = {
        {"SpeedButton51", "Tramite questi pulsanti puoi far estrarre"},
        {"SpeedButton52", "In questa parte del programma ti vengono mostrati i 5 numeri"},
        {"SpeedButton53", "Indica un numero di ritardo"},
        {"SpeedButton54", "Indica un numero di ripetizioni"},
        {"SpeedButton55", "In questa parte del programma ti vengono mostrate le duine"},
    };
    for (const auto& [pulsante, inizio] : casi) {
        Programma p;
        p.premi(pulsante);
        ASSERT_EQ(p.piattaforma.registro.size(), 1u) << pulsante;
        EXPECT_EQ(p.piattaforma.registro[0].rfind("messaggio: " + inizio, 0), 0u)
            << p.piattaforma.registro[0];
        EXPECT_EQ(p.c(pulsante).hint, "Aiuto");
    }
}

TEST(Applicazione, ClosingTheMainWindowEndsTheProgram) {
    Programma p;
    EXPECT_TRUE(p.f.chiusuraRichiesta());
    EXPECT_TRUE(p.piattaforma.uscito);
}

} // namespace
} // namespace girolino::test
