// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Andamento.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace girolino {
namespace {

// The counters the spin entry leaves after the given spins (hits only; the trend reads
// nothing else).
TPartita partitaCon(const std::vector<int>& uscite) {
    TPartita p;
    for (int n : uscite) {
        ++p.numeri[n].sortite;
        for (TChance c : chanceDelNumero(n)) ++p.chance[c].sortite;
        ++p.bouleEseguite;
    }
    return p;
}

TEST(Andamento, ChanceDopoIlSoloUno) {
    const auto voci = andamentoChance(partitaCon({1}));
    const std::vector<std::string_view> attesi = {"Rosso", "Dispari", "Manq", "Doz1",
                                                  "Col1",  "Pass",    "Nero", "Doz2",
                                                  "Doz3",  "Pari",    "Col2", "Col3"};
    for (std::size_t k = 0; k < voci.size(); ++k) {
        EXPECT_EQ(voci[k].nome, attesi[k]) << k;
        EXPECT_EQ(voci[k].sortite, k < 5 ? 1 : 0) << k;
    }
}

TEST(Andamento, ChanceINomiViaggianoConIConteggi) {
    const auto partita = partitaCon({36, 36, 13, 36, 2});
    const auto voci = andamentoChance(partita);
    for (std::size_t k = 0; k < voci.size(); ++k) {
        if (k > 0) {
            EXPECT_GE(voci[k - 1].sortite, voci[k].sortite) << k;
        }
        int c = Rosso;
        while (nomeChance(static_cast<TChance>(c)) != voci[k].nome) ++c;
        EXPECT_EQ(voci[k].sortite, partita.chance[c].sortite) << voci[k].nome;
    }
    EXPECT_EQ(voci[0].sortite, 4); // Pari: 36 three times and 2
}

TEST(Andamento, NumeriDopoCinqueCinqueSette) {
    const auto frequenti = calcolaClassifiche(partitaCon({5, 5, 7})).frequenti;
    const std::vector<int> testa = {5, 7, 2, 3, 4, 0, 6, 1, 8, 9};
    for (std::size_t k = 0; k < testa.size(); ++k) EXPECT_EQ(frequenti[k].numero, testa[k]) << k;
    for (std::size_t k = testa.size(); k < frequenti.size(); ++k)
        EXPECT_EQ(frequenti[k].numero, static_cast<int>(k)) << k;
    EXPECT_EQ(massimoBarreNumeri(frequenti), 2);
}

TEST(Andamento, MassimoDelleBarreDeiNumeri) {
    struct Caso {
        int massimo, barre;
    };
    for (const auto& c : {Caso{0, 0}, Caso{1, 1}, Caso{4, 4}, Caso{5, 6}, Caso{10, 12}}) {
        TClassifica classifica{};
        classifica[0] = {c.massimo, 17};
        classifica[1] = {c.massimo > 0 ? c.massimo - 1 : 0, 3};
        EXPECT_EQ(massimoBarreNumeri(classifica), c.barre) << c.massimo;
    }
}

} // namespace
} // namespace girolino
