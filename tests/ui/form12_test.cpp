// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form12.h"

#include "ControlliDiProva.h"
#include "PiattaformaFinta.h"
#include "engine/Giocata.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace girolino::ui {
namespace {

using test::nome;

const std::string CAPTION = "Girolino: Tutti i Numeri Ordinati per ";

class Form12Test : public ::testing::Test {
protected:
    int numero(const char* prefisso, int k) const { return std::stoi(f[nome(prefisso, k)].testo); }

    void spunta(const char* casella, bool b) {
        const int id = f.id(casella);
        f.spuntaUtente(id, b);
        f.click(id);
    }

    void scegliOrdine(const std::string& testo) {
        const int id = f.id("ComboBox3");
        f.testoDigitato(id, testo);
        f.cambiato(id);
    }

    // The marks of every Ritardo cell match the numbers on show.
    void expectSegni(bool rosso, bool grassetto) const {
        for (int k = 0; k < NUMERI; ++k) {
            SCOPED_TRACE("riga " + std::to_string(k));
            const bool supera = numero("r", k) > numero("m", k);
            EXPECT_EQ(f[nome("r", k)].font.colore, rosso && supera ? clRed : clBlack);
            EXPECT_EQ(f[nome("r", k)].font.grassetto, grassetto && supera);
        }
    }

    int segnate() const {
        int n = 0;
        for (int k = 0; k < NUMERI; ++k) n += f[nome("r", k)].font.colore == clRed;
        return n;
    }

    test::PiattaformaFinta piattaforma;
    TPartita partita;
    TForm12 f{piattaforma, partita};
};

TEST_F(Form12Test, OgniOrdineMostraINumeriConLeLoroRigheIntere) {
    for (int n = 0; n < NUMERI; ++n) partita.numeri[n] = {{(n * 7) % 5, (n * 3) % 4, n % 3}, 0};

    struct TCaso {
        std::string controllo; // panel clicked, or "" to type the text into the combo
        std::string testo;
        std::string chiave; // column that must not grow downwards; "" for number order
    };
    const std::vector<TCaso> casi = {
        {"", "Ritardo", "r"},         {"", "Numero", ""},
        {"", "Massimo Ritardo", "m"}, {"", "Sortita", "s"},
        {"", "ritardo", ""},          {"Panel33", "Ritardo", "r"},
        {"Panel32", "Numeri", ""},    {"Panel34", "Massimo Ritardo", "m"},
        {"Panel1", "Sortita", "s"},   {"", "per caso", ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.controllo + "/" + c.testo);
        if (c.controllo.empty())
            scegliOrdine(c.testo);
        else
            f.click(f.id(c.controllo));

        EXPECT_EQ(f["ComboBox3"].testo, c.testo);
        EXPECT_EQ(f.caption(), CAPTION + c.testo);
        std::set<int> visti;
        for (int k = 0; k < NUMERI; ++k) {
            const int n = numero("n", k);
            ASSERT_TRUE(n >= 0 && n < NUMERI && visti.insert(n).second) << "riga " << k;
            if (c.chiave.empty()) {
                EXPECT_EQ(n, k);
            } else if (k > 0) {
                EXPECT_GE(numero(c.chiave.c_str(), k - 1), numero(c.chiave.c_str(), k));
            }
            EXPECT_EQ(numero("r", k), partita.numeri[n].ritardo);
            EXPECT_EQ(numero("m", k), partita.numeri[n].maxRitardo);
            EXPECT_EQ(numero("s", k), partita.numeri[n].sortite);
        }
    }
}

TEST_F(Form12Test, ChiaviUgualiSeguonoLoScambio) {
    struct TCaso {
        std::array<int, 3> ritardi; // of the numbers 0, 1, 2; every other number has 0
        std::array<int, 3> attesi;
    };
    const std::vector<TCaso> casi = {{{4, 4, 5}, {2, 1, 0}}, {{1, 2, 2}, {1, 2, 0}}};
    for (const auto& c : casi) {
        for (int n = 0; n < 3; ++n) partita.numeri[n].ritardo = c.ritardi[n];
        f.click(f.id("Panel33"));
        for (int k = 0; k < 3; ++k) EXPECT_EQ(numero("n", k), c.attesi[k]) << "riga " << k;
    }
}

TEST_F(Form12Test, MostraStatisticheNonRicostruisceLeRighe) {
    f.mostraStatistiche();
    EXPECT_TRUE(f.visibile());
    EXPECT_EQ(f.caption(), CAPTION + "Numero");
    EXPECT_EQ(f["n0"].testo, "-");
    EXPECT_EQ(f["r36"].testo, "0");

    for (int n : {5, 5, 12}) inserisciSpin(partita, n);
    f.aggiorna();
    EXPECT_EQ(f["n36"].testo, "36");
    EXPECT_EQ(numero("s", 5), 2);
    expectSegni(true, true);
    EXPECT_GT(segnate(), 0);

    // A new game refreshed at once shows zeros and no marks.
    partita = TPartita{};
    f.aggiorna();
    for (int k = 0; k < NUMERI; ++k) EXPECT_EQ(numero("s", k), 0);
    EXPECT_EQ(segnate(), 0);
}

TEST_F(Form12Test, LeCaselleDecidonoISegniAncheDopoUnAggiornamento) {
    for (int n : {5, 5, 12}) inserisciSpin(partita, n);
    f.aggiorna();
    ASSERT_GT(segnate(), 0);

    spunta("CheckBox3", false);
    expectSegni(false, true);
    inserisciSpin(partita, 0);
    f.aggiorna();
    expectSegni(false, true);
    f.mostraStatistiche();
    expectSegni(false, true);

    spunta("CheckBox1", false);
    expectSegni(false, false);
    spunta("CheckBox3", true);
    spunta("CheckBox1", true);
    expectSegni(true, true);
}

TEST_F(Form12Test, AiutoEFinestra) {
    f.click(f.id("SpeedButton55"));
    ASSERT_EQ(piattaforma.registro.size(), 1u);
    EXPECT_EQ(piattaforma.registro[0].rfind("messaggio: In questa scheda ti vengono mostrate", 0),
              0u);

    EXPECT_EQ(f.larghezza(), 624);
    EXPECT_EQ(f.altezza(), 327);
    for (int k = 0; k < NUMERI; ++k)
        for (const char* p : {"n", "r", "m", "s"}) EXPECT_TRUE(f.esiste(nome(p, k)));
    EXPECT_EQ(f["ComboBox3"].voci,
              (std::vector<std::string>{"Numero", "Ritardo", "Massimo Ritardo", "Sortita"}));
    EXPECT_EQ(f["Panel32"].hint, "Ordina x Numero");
    EXPECT_TRUE(f["CheckBox1"].spuntato);
    EXPECT_TRUE(f["CheckBox3"].spuntato);
    for (std::size_t i = 0; i < f.numControlli(); ++i) {
        const auto& c = f.controllo(static_cast<int>(i));
        EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.w <= 624 && c.y + c.h <= 327) << c.nome;
    }
    EXPECT_FALSE(f.visibile());
    f.mostraStatistiche();
    EXPECT_TRUE(f.chiusuraRichiesta());
    EXPECT_FALSE(f.visibile());
}

} // namespace
} // namespace girolino::ui
