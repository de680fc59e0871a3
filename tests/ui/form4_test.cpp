// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form4.h"

#include "ControlliDiProva.h"
#include "PiattaformaFinta.h"
#include "engine/Giocata.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace girolino::ui {
namespace {

using test::nome;

// Rosso ribbon "N", "N", "R", "x", "R", "R", "N"; dozens "1", "1", "1", "x", "1", "1", "1".
const std::vector<int> NNRxRRN = {2, 4, 1, 0, 3, 5, 6};

class Form4Test : public ::testing::Test {
protected:
    void gioca(const std::vector<int>& spins) {
        for (int n : spins) inserisciSpin(partita, n);
    }

    // The user picks or types a setting.
    void scegli(const char* combo, const std::string& testo) {
        const int id = f.id(combo);
        f.testoDigitato(id, testo);
        f.cambiato(id);
    }

    void premi(const std::string& nomeControllo) { f.click(f.id(nomeControllo)); }

    std::vector<std::string> totali() const {
        std::vector<std::string> t;
        for (const char* n : {"totGiocateL", "totPuntateL", "totRiusciteL", "totVinteL",
                              "totGuadagnateL", "tassoDiConv"})
            t.push_back(f[n].testo);
        return t;
    }

    test::PiattaformaFinta piattaforma;
    TPartita partita;
    TForm4 f{piattaforma, partita};
};

TEST_F(Form4Test, IstogrammaContaRitardiESortiteNelleRigheConScalaComune) {
    struct TCaso {
        std::vector<int> spins;
        std::string chance, tipo;
        std::map<int, int> attesi; // row -> count; every other row is 0
    };
    std::vector<int> trentaNeriPoiRosso(30, 2);
    trentaNeriPoiRosso.push_back(1);
    const std::vector<TCaso> casi = {
        // The open delay (final "N") and the consecutive "R" record nothing.
        {NNRxRRN, "Rosso", "I Massimi Ritardi", {{1, 1}, {2, 1}}},
        {NNRxRRN, "Rosso", "Le Massime Sortite", {{1, 1}, {2, 1}}},
        {NNRxRRN, "Nero", "I Massimi Ritardi", {{4, 1}}},
        {NNRxRRN, "Doz 1", "I Massimi Ritardi", {{1, 1}}},
        {NNRxRRN, "Doz 1", "Le Massime Sortite", {{3, 1}}},
        {{2, 1, 2, 1, 2, 1, 2, 1}, "Rosso", "I Massimi Ritardi", {{1, 4}}},
        // Longer than the last row: counted there.
        {trentaNeriPoiRosso, "Rosso", "I Massimi Ritardi", {{24, 1}}},
        {trentaNeriPoiRosso, "Nero", "Le Massime Sortite", {{24, 1}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.chance + " / " + c.tipo + " / " + std::to_string(c.spins.size()));
        partita = TPartita{};
        gioca(c.spins);
        scegli("ComboBox1", c.chance);
        scegli("ComboBox2", c.tipo);

        const bool ritardi = c.tipo == "I Massimi Ritardi";
        EXPECT_EQ(f["Label1"].testo, (ritardi ? "I Massimi Ritardi toccati dalla Chance "
                                                "Semplice: "
                                              : "Le Massime Sortite toccate dalla Chance "
                                                "Semplice: ") +
                                         c.chance);
        EXPECT_EQ(f["Label2"].testo, f["Label1"].testo);
        int m = 0;
        for (const auto& [riga, n] : c.attesi) m = std::max(m, n);
        for (int k = 1; k <= 24; ++k) {
            SCOPED_TRACE("riga " + std::to_string(k));
            const int atteso = c.attesi.contains(k) ? c.attesi.at(k) : 0;
            EXPECT_EQ(f[nome("Panel", k)].testo, std::string(ritardi ? "Max Rit " : "Max Sort ") +
                                                     std::to_string(k) + (k == 24 ? "+" : ""));
            EXPECT_EQ(f[nome("ri", k)].testo, std::to_string(atteso));
            EXPECT_EQ(f[nome("ri", k)].font.colore, atteso ? clRed : clBlack);
            const TControllo& barra = f[nome("ProgressBar", k)];
            EXPECT_EQ(barra.posizione, atteso);
            EXPECT_EQ(barra.minimo, 0);
            EXPECT_EQ(barra.massimo, m + m / 3);
        }
    }
}

TEST_F(Form4Test, TestiSconosciutiNonContanoNulla) {
    gioca(NNRxRRN);
    scegli("ComboBox1", "Rosso");
    ASSERT_EQ(f["ri2"].testo, "1");

    // A kind that is neither: the captions stay, nothing is counted, the title names the
    // request.
    scegli("ComboBox2", "Le Massime");
    EXPECT_EQ(f["Panel1"].testo, "Max Rit 1");
    EXPECT_EQ(f["Label1"].testo, "Calcola Le Massime della Chance Semplice Rosso");
    for (int k = 1; k <= 24; ++k) {
        EXPECT_EQ(f[nome("ri", k)].testo, "0");
        EXPECT_EQ(f[nome("ri", k)].font.colore, clBlack);
        EXPECT_EQ(f[nome("ProgressBar", k)].posizione, 0);
    }

    // A chance that is no chance: new captions, nothing counted, the progression cannot be
    // played.
    scegli("ComboBox1", "Rosso");
    scegli("ComboBox2", "Le Massime Sortite");
    ASSERT_EQ(f["ri2"].testo, "1");
    scegli("ComboBox1", "Verde");
    EXPECT_EQ(f["Panel1"].testo, "Max Sort 1");
    EXPECT_EQ(f["ri1"].testo, "0");
    EXPECT_EQ(f["ri2"].testo, "0");
    EXPECT_EQ(f["ProgressBar2"].massimo, 0);
    EXPECT_FALSE(f["BitBtn2"].abilitato);
    EXPECT_EQ(f["Label1"].testo, "Calcola Le Massime Sortite della Chance Semplice Verde");
}

TEST_F(Form4Test, ProgressioneMostraTotaliETasso) {
    struct TCaso {
        std::vector<int> spins;
        std::string chance, ritardo, mani;
        std::vector<std::string> attesi; // giocate, puntate, riuscite, vinte, guadagnate, tasso
    };
    const std::vector<TCaso> casi = {
        // Two plays: the first won at hand 2, the second (from the miss inside it) at hand 1.
        {{2, 4, 1}, "Rosso", "1", "2", {"3", "4", "2", "6", "2", "0.67"}},
        // A play started on the last spin loses all its hands.
        {{1, 2}, "Rosso", "1", "3", {"3", "7", "0", "0", "-7", "-2.33"}},
        {{2, 4, 1}, "Nero", "1", "1", {"1", "1", "0", "0", "-1", "-1.00"}},
        {{2, 4, 1}, "Pari", "2", "1", {"0", "0", "0", "0", "0", "-"}},
        // Hand limits past the list are played as typed.
        {{1, 2, 4, 6, 8, 10, 11, 13}, "Rosso", "1", "9", {"9", "511", "0", "0", "-511", "-56.78"}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.chance + " " + c.ritardo + "-" + c.mani);
        partita = TPartita{};
        gioca(c.spins);
        scegli("ComboBox1", c.chance);
        scegli("ComboBox3", c.ritardo);
        scegli("ComboBox4", c.mani);
        EXPECT_EQ(totali(), c.attesi);
        EXPECT_EQ(f.tassoUltimo().has_value(), c.attesi[0] != "0");
        // The button computes the same again.
        premi("BitBtn2");
        EXPECT_EQ(totali(), c.attesi);
    }
}

TEST_F(Form4Test, ImpostazioniCheNonSonoNumeriVengonoSegnalate) {
    gioca({2, 4, 1});
    scegli("ComboBox4", "2");
    const auto prima = totali();
    ASSERT_EQ(prima[0], "3");
    const std::vector<std::string> zero = {"0", "0", "0", "0", "0", "-"};
    struct TCaso {
        const char* testo;
        bool numero;
    };
    const std::vector<TCaso> casi = {
        {"abc", false}, {"", false}, {"99999999999", false}, {"0", true}, {"-2", true}};
    for (const char* combo : {"ComboBox3", "ComboBox4"}) {
        for (const auto& c : casi) {
            SCOPED_TRACE(std::string(combo) + " = '" + c.testo + "'");
            piattaforma.registro.clear();
            scegli(combo, c.testo);
            premi("BitBtn2");
            if (std::string(c.testo).empty()) {
                // An emptied field is a number being typed: no box, the totals stay.
                EXPECT_TRUE(piattaforma.registro.empty());
                EXPECT_EQ(totali(), prima);
            } else if (c.numero) {
                // Below 1 nothing is played.
                EXPECT_TRUE(piattaforma.registro.empty());
                EXPECT_EQ(totali(), zero);
            } else {
                // Once for the change, once for the button; the totals stay.
                const std::string errore =
                    "errore: '" + std::string(c.testo) + "' non è un valore intero valido.";
                EXPECT_EQ(piattaforma.registro, (std::vector<std::string>{errore, errore}));
                EXPECT_EQ(totali(), prima);
            }
            scegli(combo, combo == std::string("ComboBox3") ? "1" : "2");
            EXPECT_EQ(totali(), prima);
        }
    }
}

TEST_F(Form4Test, PulsanteCalcolaSoloPerLeChancePari) {
    gioca(NNRxRRN);
    const std::vector<std::string> chance = {"Rosso", "Nero",  "Pari",  "Dispari",
                                             "Manq",  "Pass",  "Doz 1", "Doz 2",
                                             "Doz 3", "Col 1", "Col 2", "Col 3"};
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(chance[i]);
        const bool pari = i < 6;
        // From a dozen, so that the panel has to switch the button on.
        scegli("ComboBox1", "Col 3");
        premi(nome("Panel", 26 + i));
        EXPECT_EQ(f["ComboBox1"].testo, chance[i]);
        EXPECT_EQ(f["BitBtn2"].abilitato, pari);
        EXPECT_EQ(f["Label1"].testo,
                  "I Massimi Ritardi toccati dalla Chance Semplice: " + chance[i]);

        scegli("ComboBox1", "Rosso");
        scegli("ComboBox1", chance[i]);
        EXPECT_EQ(f["BitBtn2"].abilitato, pari);
    }

    // A dozen keeps the totals of the last even chance.
    premi("Panel26");
    const auto rosso = totali();
    premi("Panel32");
    EXPECT_EQ(totali(), rosso);
}

TEST_F(Form4Test, CercaMigliorTassoERipristinaLImpostazioneDellUtente) {
    gioca({2, 4, 1}); // N N R, P P D, all Manq
    scegli("ComboBox1", "Nero");
    scegli("ComboBox3", "1");
    scegli("ComboBox4", "1");
    const auto nero = totali();
    ASSERT_EQ(nero[5], "-1.00");

    // Up to delay 1 and 2 hands: Rosso 1-2 and Dispari 1-2 both gain 2 chips over 3 hands;
    // the first found wins. Manq never plays and is skipped.
    scegli("ComboBox5", "1");
    scegli("ComboBox6", "2");
    premi("BitBtn3");
    EXPECT_EQ(f["Label13"].testo, "Rosso 1-2");
    EXPECT_EQ(f["Label15"].testo, "0.67");
    EXPECT_EQ(f["ComboBox1"].testo, "Nero");
    EXPECT_EQ(f["ComboBox3"].testo, "1");
    EXPECT_EQ(f["ComboBox4"].testo, "1");
    EXPECT_EQ(totali(), nero);

    // Huge limits give what the largest useful ones give.
    scegli("ComboBox5", "3");
    scegli("ComboBox6", "30");
    premi("BitBtn3");
    const std::string migliore = f["Label13"].testo, tasso = f["Label15"].testo;
    scegli("ComboBox5", "2000000000");
    scegli("ComboBox6", "2000000000");
    premi("BitBtn3");
    EXPECT_EQ(f["Label13"].testo, migliore);
    EXPECT_EQ(f["Label15"].testo, tasso);

    // Limits that are no number are reported and search nothing; limits that allow no play
    // find nothing.
    scegli("ComboBox5", "abc");
    piattaforma.registro.clear();
    premi("BitBtn3");
    EXPECT_EQ(f["Label13"].testo, migliore);
    EXPECT_EQ(piattaforma.registro,
              (std::vector<std::string>{"errore: 'abc' non è un valore intero valido."}));
    // Without a delay to try, the hand limit is not read at all.
    scegli("ComboBox5", "0");
    scegli("ComboBox6", "abc");
    piattaforma.registro.clear();
    premi("BitBtn3");
    EXPECT_TRUE(piattaforma.registro.empty());
    EXPECT_EQ(f["Label13"].testo, "--------");
    EXPECT_EQ(f["Label15"].testo, "--------");
    EXPECT_EQ(totali(), nero);
}

TEST_F(Form4Test, CercaConUnaDozzinaLasciaITotaliDellUltimaCombinazione) {
    gioca({2, 4, 1}); // all Manq: Pass misses every spin
    premi("Panel26");
    premi("Panel33");
    scegli("ComboBox5", "2");
    scegli("ComboBox6", "3");
    premi("BitBtn3");
    EXPECT_NE(f["Label13"].testo, "--------");
    EXPECT_EQ(f["ComboBox1"].testo, "Doz 2");
    EXPECT_FALSE(f["BitBtn2"].abilitato);
    // The last combination tried, Pass 2-3: one play from the second spin, lost over its
    // three hands (the third past the record).
    EXPECT_EQ(totali(), (std::vector<std::string>{"3", "7", "0", "0", "-7", "-2.33"}));
}

TEST_F(Form4Test, SenzaGiocateNessunRisultato) {
    premi("BitBtn3"); // no spin: no play anywhere
    EXPECT_EQ(f["Label13"].testo, "--------");
    EXPECT_EQ(f["Label15"].testo, "--------");
    EXPECT_FALSE(f.tassoUltimo());
}

TEST_F(Form4Test, ApertaDallaFinestraPrincipale) {
    gioca(NNRxRRN);
    f.apriAnalisi(true); // no spin on show yet
    EXPECT_FALSE(f.visibile());
    EXPECT_EQ(f["ri1"].testo, "0");
    EXPECT_EQ(f["totGiocateL"].testo, "0");

    f.apriAnalisi(false);
    EXPECT_TRUE(f.visibile());
    EXPECT_EQ(f["Label1"].testo, "I Massimi Ritardi toccati dalla Chance Semplice: Rosso");
    EXPECT_EQ(f["ri1"].testo, "1");
    EXPECT_NE(f["totGiocateL"].testo, "0");
}

TEST_F(Form4Test, ControlliDentroLaFinestraEDidascalieIntere) {
    test::expectDentro(f);
}

} // namespace
} // namespace girolino::ui
