// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Classifiche.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace girolino;

namespace {

// The number part of a spin: every delay up by one, then the hit rule on n.
void giro(TPartita& p, int n) {
    for (auto& c : p.numeri) ++c.ritardo;
    auto& c = p.numeri[n];
    ++c.sortite;
    if (c.ritardo > c.maxRitardo) c.maxRitardo = c.ritardo - 1;
    c.ritardo = 0;
}

TPartita dopo(const std::vector<int>& giri) {
    TPartita p;
    for (int n : giri) giro(p, n);
    return p;
}

using Cinque = std::array<int, 5>;

struct CasoClassifiche {
    const char* nome;
    std::vector<int> giri;
    Cinque ritardatari, probabili, frequenti, menoFrequenti;
};

TEST(CalcolaClassifiche, PrimiCinqueDopoPochiGiri) {
    const std::vector<CasoClassifiche> casi = {
        {"nessun giro",
         {},
         {0, 1, 2, 3, 4},
         {0, 1, 2, 3, 4},
         {0, 1, 2, 3, 4},
         {36, 35, 34, 33, 32}},
        // 7 is exchanged with 0 at the top of the hits, the rest keep number order.
        {"solo 7", {7}, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {7, 1, 2, 3, 4}, {36, 35, 34, 33, 32}},
        {"5 8 8",
         {5, 8, 8},
         {0, 1, 2, 3, 4},
         {0, 1, 2, 3, 4},
         {8, 5, 2, 3, 4},
         {36, 35, 34, 33, 32}},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const TClassifiche c = calcolaClassifiche(dopo(caso.giri));
        EXPECT_EQ(primiCinque(c.ritardatari), caso.ritardatari);
        EXPECT_EQ(primiCinque(c.probabili), caso.probabili);
        EXPECT_EQ(primiCinque(c.frequenti), caso.frequenti);
        EXPECT_EQ(menoFrequenti(c), caso.menoFrequenti);
    }
}

TEST(CalcolaClassifiche, LoZeroScavalcatoFiniscePiuIndietro) {
    const TClassifiche c = calcolaClassifiche(dopo({7}));
    EXPECT_EQ(c.frequenti[0], (TVoceClassifica{1, 7}));
    EXPECT_EQ(c.frequenti[7], (TVoceClassifica{0, 0}));
    EXPECT_EQ(c.frequenti[6], (TVoceClassifica{0, 6}));
}

TEST(CalcolaClassifiche, PiuProbabiliSecondoIlRitardoOltreIlMassimo) {
    TPartita p;
    p.numeri[20] = {{20, 19, 3}}; // longest delay, but only 1 beyond its maximum
    p.numeri[11] = {{10, 2, 1}};  // 8 beyond its maximum
    p.numeri[0] = {{0, 9, 2}};    // negative key: below everyone at zero
    const TClassifiche c = calcolaClassifiche(p);
    EXPECT_EQ(c.ritardatari[0].numero, 20);
    EXPECT_EQ(c.ritardatari[0].numero, 20);
    EXPECT_EQ(c.probabili[0], (TVoceClassifica{8, 11}));
    EXPECT_EQ(c.probabili[1], (TVoceClassifica{1, 20}));
    EXPECT_EQ(c.probabili[36], (TVoceClassifica{-9, 0}));
}

TEST(CalcolaClassifiche, ContatoriOltreSedicibit) {
    TPartita p;
    p.numeri[3].sortite = 40000;
    p.numeri[9].sortite = 30000;
    const TClassifiche c = calcolaClassifiche(p);
    // 3 and 9 were exchanged with 0 and 1, which keep their new places behind 2.
    EXPECT_EQ(primiCinque(c.frequenti), (Cinque{3, 9, 2, 0, 4}));
}

TEST(CalcolaClassifiche, PiuRitardatarioAPariMeritoEIlNumeroPiuBasso) {
    TPartita p;
    p.numeri[30].ritardo = 12;
    p.numeri[17].ritardo = 12;
    p.numeri[25].ritardo = 12;
    EXPECT_EQ(calcolaClassifiche(p).ritardatari[0].numero, 17);
}

TEST(SuggerimentoNumero, RiportaITreContatori) {
    EXPECT_EQ(suggerimentoNumero({5, 12, 3}), "Ritardo: 5 Massimo Ritardo Storico: 12 Sortite: 3");
    EXPECT_EQ(suggerimentoNumero({0, 0, 0}), "Ritardo: 0 Massimo Ritardo Storico: 0 Sortite: 0");
}

} // namespace
