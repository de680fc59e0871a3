// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlliDiProva.h"
#include "PiattaformaFinta.h"
#include "engine/Classifiche.h"
#include "engine/Giocata.h"
#include "ui/Form6.h"
#include "ui/Form8.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace girolino::ui {
namespace {

using test::expectDentro;
using test::nome;

class AndamentoUiTest : public ::testing::Test {
protected:
    void gioca(const std::vector<int>& spins) {
        for (int n : spins) inserisciSpin(partita, n);
    }

    void expectChance(const std::vector<std::string>& nomi, const std::vector<int>& conteggi) {
        for (int k = 1; k <= 12; ++k) {
            SCOPED_TRACE("riga " + std::to_string(k));
            EXPECT_EQ(f6[nome("cs", k)].testo, nomi[k - 1]);
            EXPECT_EQ(f6[nome("S", k)].testo, std::to_string(conteggi[k - 1]));
            const TControllo& barra = f6[nome("ProgressBar", k)];
            EXPECT_EQ(barra.minimo, 0);
            EXPECT_EQ(barra.massimo, partita.bouleEseguite);
            EXPECT_EQ(barra.posizione, conteggi[k - 1]);
        }
        EXPECT_EQ(f6["Label2"].testo, std::to_string(partita.bouleEseguite));
    }

    // The number window refilled as the main window does at the end of each refresh.
    void aggiornaNumeri() { f8.impostaFrequentoni(calcolaClassifiche(partita).frequenti); }

    // The count label of each position, in order.
    static std::string conteggio(int posizione) {
        return nome(posizione >= 2 && posizione <= 13 ? "S" : "s", posizione - 1);
    }

    test::PiattaformaFinta piattaforma;
    TPartita partita;
    TForm6 f6{piattaforma, partita};
    TForm8 f8{piattaforma};
};

TEST_F(AndamentoUiTest, ChanceNonSiApronoPrimaDelPrimoNumero) {
    gioca({1});
    f6.mostraAndamento(true);
    EXPECT_FALSE(f6.visibile());
    EXPECT_EQ(f6["S1"].testo, "0");
    EXPECT_EQ(f6["Label2"].testo, "0");
}

TEST_F(AndamentoUiTest, ChanceOrdinateDallOrdinamentoAScambi) {
    gioca({1});
    f6.mostraAndamento(false);
    EXPECT_TRUE(f6.visibile());
    expectChance({"Rosso", "Dispari", "Manq", "Doz1", "Col1", "Pass", "Nero", "Doz2", "Doz3",
                  "Pari", "Col2", "Col3"},
                 {1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0});

    // A snapshot: more spins change nothing until it is opened again.
    gioca({2, 2});
    EXPECT_EQ(f6["Label2"].testo, "1");
    f6.mostraAndamento(false);
    expectChance({"Manq", "Doz1", "Nero", "Pari", "Col2", "Dispari", "Col1", "Rosso", "Doz3",
                  "Pass", "Doz2", "Col3"},
                 {3, 3, 2, 2, 2, 1, 1, 1, 0, 0, 0, 0});

    f6.click(f6.id("BitBtn1"));
    EXPECT_FALSE(f6.visibile());
}

TEST_F(AndamentoUiTest, NumeriOrdinatiConScalaComune) {
    struct TCaso {
        std::vector<int> spins;
        std::vector<int> primi; // numbers at the top positions
        std::vector<int> conteggiPrimi;
        int massimo;
    };
    const std::vector<TCaso> casi = {
        {{5, 5, 7}, {5, 7, 2, 3, 4, 0, 6, 1, 8, 9, 10}, {2, 1, 0, 0}, 2},
        {{36}, {36, 1, 2, 3}, {1, 0}, 1},
        {std::vector<int>(10, 3), {3, 1, 2, 0, 4, 5}, {10, 0}, 12},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.spins.front()) + " x" + std::to_string(c.spins.size()));
        partita = TPartita{};
        gioca(c.spins);
        aggiornaNumeri();
        EXPECT_FALSE(f8.visibile()); // filled whether open or not
        for (std::size_t k = 0; k < c.primi.size(); ++k)
            EXPECT_EQ(f8[nome("n", static_cast<int>(k))].testo, std::to_string(c.primi[k]));
        for (int pos = 1; pos <= NUMERI; ++pos) {
            SCOPED_TRACE("posizione " + std::to_string(pos));
            const std::size_t i = static_cast<std::size_t>(pos - 1);
            const int atteso = i < c.conteggiPrimi.size() ? c.conteggiPrimi[i] : 0;
            EXPECT_EQ(f8[conteggio(pos)].testo, std::to_string(atteso));
            const TControllo& barra = f8[nome("ProgressBar", pos)];
            EXPECT_EQ(barra.massimo, c.massimo);
            EXPECT_EQ(barra.posizione, atteso);
        }
    }
}

TEST_F(AndamentoUiTest, NumeriPrimaDelPrimoAggiornamentoEChiusura) {
    for (int k = 0; k < NUMERI; ++k) {
        EXPECT_EQ(f8[nome("n", k)].testo, std::to_string(k));
        EXPECT_EQ(f8[conteggio(k + 1)].testo, "0");
    }
    f8.mostra();
    EXPECT_TRUE(f8.visibile());
    f8.click(f8.id("BitBtn1"));
    EXPECT_FALSE(f8.visibile());
}

TEST_F(AndamentoUiTest, ControlliDentroLeFinestre) {
    expectDentro(f6);
    expectDentro(f8);
    EXPECT_EQ(f6.posizione(), TPosizioneForm::InAltoASinistra);
    EXPECT_EQ(f8.posizione(), TPosizioneForm::InAltoASinistra);
}

} // namespace
} // namespace girolino::ui
