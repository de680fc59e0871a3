// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiGruppi.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace girolino {
namespace {

std::vector<std::string> etichette(const std::vector<TVoceGruppo>& righe) {
    std::vector<std::string> v;
    for (const auto& r : righe) v.push_back(r.etichetta());
    return v;
}

TEST(AnalisiGruppi, TestiDiFamigliaEOrdine) {
    struct Caso {
        const char* famiglia;
        const char* ordine;
        int primo; // 0: nothing is shown
        int righe;
    };
    const Caso casi[] = {
        {"le Duine", "in Ordine di Apparizione", 1, 57},
        {"le Terzine", "in Ordine di Ritardo", 58, 12},
        {"le Quartine", "in Ordine di Massimo Ritardo", 70, 22},
        {"le Sestine", "in Ordine di Sortita", 92, 11},
        {"le Ennine", "in Ordine di Apparizione", 103, 10},
        {"le duine", "in Ordine di Apparizione", 0, 0},
        {"Duine", "in Ordine di Ritardo", 0, 0},
        {"", "in Ordine di Ritardo", 0, 0},
        {"le Ennine ", "in Ordine di Sortita", 0, 0},
        {"le Duine", "in ordine di ritardo", 0, 0},
        {"le Terzine", "Ritardo", 0, 0},
        {"le Sestine", "", 0, 0},
    };
    TPartita partita; // all counters equal: no ranked order moves anything
    for (const auto& c : casi) {
        SCOPED_TRACE(std::string(c.famiglia) + " / " + c.ordine);
        const auto righe = righeChanceComplesse(partita, c.famiglia, c.ordine);
        ASSERT_EQ(righe.size(), static_cast<std::size_t>(c.righe));
        for (int k = 0; k < c.righe; ++k)
            EXPECT_EQ(righe[k].etichetta(), etichettaGruppo(c.primo + k));
    }
}

// Keys given to the first three groups of a family; every other group keeps 0.
struct CasoPari {
    std::vector<int> chiavi;
    std::vector<int> attesi; // positions of the first three groups after ranking
};

class OrdineTraUguali : public ::testing::TestWithParam<CasoPari> {};

TEST_P(OrdineTraUguali, OgniChiaveDelleTre) {
    struct Ordine {
        const char* testo;
        std::function<void(TContatore&, int)> imposta;
    };
    const Ordine ordini[] = {
        {"in Ordine di Ritardo", [](TContatore& c, int k) { c.ritardo = k; }},
        {"in Ordine di Massimo Ritardo", [](TContatore& c, int k) { c.maxRitardo = k; }},
        {"in Ordine di Sortita", [](TContatore& c, int k) { c.sortite = k; }},
    };
    const auto& caso = GetParam();
    for (const auto& o : ordini) {
        SCOPED_TRACE(o.testo);
        // Quartine, so that the slice starts in the middle of the copy.
        const int primo = famiglia(TTipoGruppo::Quartine).primo;
        TPartita partita;
        for (std::size_t i = 0; i < caso.chiavi.size(); ++i) {
            auto& g = partita.gruppi[primo + static_cast<int>(i)];
            const int segno = static_cast<int>(i) + 1; // the other two counters travel along
            g.ritardo = 1000 + segno;
            g.maxRitardo = 2000 + segno;
            g.sortite = 3000 + segno;
            o.imposta(g, caso.chiavi[i]);
        }
        const auto righe = righeChanceComplesse(partita, "le Quartine", o.testo);
        ASSERT_EQ(righe.size(), 22u);
        for (std::size_t k = 0; k < caso.attesi.size(); ++k) {
            const int g = primo + caso.attesi[k];
            EXPECT_EQ(righe[k].etichetta(), etichettaGruppo(g));
            EXPECT_EQ(righe[k].contatore(), static_cast<TContatore>(partita.gruppi[g]));
        }
        // The groups with key 0 keep catalogue order behind them.
        for (int k = 3; k < 22; ++k) EXPECT_EQ(righe[k].etichetta(), etichettaGruppo(primo + k));
    }
}

INSTANTIATE_TEST_SUITE_P(AnalisiGruppi, OrdineTraUguali,
                         ::testing::Values(CasoPari{{2, 2, 3}, {2, 1, 0}},
                                           CasoPari{{1, 2, 2}, {1, 2, 0}},
                                           CasoPari{{1, 2, 3}, {2, 1, 0}},
                                           CasoPari{{5, 5, 5}, {0, 1, 2}}));

TEST(AnalisiGruppi, LaClassificaNonEsceDallaFamiglia) {
    TPartita partita;
    const auto terzine = famiglia(TTipoGruppo::Terzine);
    partita.gruppi[terzine.primo - 1].ritardo = 50; // the last duina
    partita.gruppi[terzine.primo + 5].ritardo = 7;
    partita.gruppi[terzine.primo + terzine.numero].ritardo = 60; // the first quartina

    const auto righe = righeChanceComplesse(partita, "le Terzine", "in Ordine di Ritardo");
    ASSERT_EQ(righe.size(), 12u);
    EXPECT_EQ(righe[0].etichetta(), etichettaGruppo(terzine.primo + 5));
    EXPECT_EQ(righe[0].ritardo, 7);
    for (const auto& r : righe) EXPECT_LE(r.ritardo, 7);
}

TEST(AnalisiGruppi, ApparizioneMostraIlCatalogoConIContatori) {
    TPartita partita;
    for (int g = 1; g <= NUM_GRUPPI; ++g)
        partita.gruppi[g] = {{g % 7, 100 - g, g}}; // distinct, not in catalogue order
    const auto righe = righeChanceComplesse(partita, "le Sestine", "in Ordine di Apparizione");
    const int primo = famiglia(TTipoGruppo::Sestine).primo;
    ASSERT_EQ(righe.size(), 11u);
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(righe[k].etichetta(), etichettaGruppo(primo + k));
        EXPECT_EQ(righe[k].contatore(), static_cast<TContatore>(partita.gruppi[primo + k]));
    }
    EXPECT_EQ(etichette(righe).front(), "1-6");
}

TEST(AnalisiGruppi, CopiaRiempitaPerTuttiIGruppi) {
    TPartita partita;
    for (int g = 1; g <= NUM_GRUPPI; ++g) partita.gruppi[g].sortite = g;
    TGruppiOrdinati copia;
    assegnaChanceComplesse(partita, copia);
    ordinaFamiglia(copia, TTipoGruppo::Ennine, TOrdineGruppi::Sortita);
    // The ennine are reversed; every other family is untouched.
    const auto ennine = famiglia(TTipoGruppo::Ennine);
    for (int g = 1; g < ennine.primo; ++g) {
        EXPECT_EQ(copia.voci[g - 1].etichetta(), etichettaGruppo(g));
        EXPECT_EQ(copia.voci[g - 1].sortite, g);
    }
    for (int k = 0; k < ennine.numero; ++k)
        EXPECT_EQ(copia.voci[ennine.primo + k - 1].sortite, NUM_GRUPPI - k);
}

} // namespace
} // namespace girolino
