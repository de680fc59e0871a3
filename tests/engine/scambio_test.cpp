// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Scambio.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <span>
#include <string>
#include <vector>

using namespace girolino;

namespace {

struct Voce {
    std::string nome;
    int chiave;
};

struct CasoScambio {
    std::vector<int> chiavi;  // at positions A, B, C, ...
    std::string ordineAtteso; // entry names after the sort
};

// The order left among equal keys is what the player sees, so it is pinned here.
TEST(OrdinaScambio, OrdineTraChiaviUguali) {
    const std::vector<CasoScambio> casi = {
        {{2, 2, 3}, "CBA"}, {{2, 3, 2, 3}, "BDCA"}, {{1, 2, 2}, "BCA"}, {{-1, 0, -2}, "BAC"},
        {{5}, "A"},
    };
    for (const auto& caso : casi) {
        std::vector<Voce> v;
        for (std::size_t i = 0; i < caso.chiavi.size(); ++i)
            v.push_back({std::string(1, static_cast<char>('A' + i)), caso.chiavi[i]});
        auto veloce = v;
        ordinaScambio(std::span<Voce>(v), [](const Voce& x) { return x.chiave; });
        ordinaScambioRapido(std::span<Voce>(veloce), [](const Voce& x) { return x.chiave; });
        std::string ordine, ordineVeloce;
        for (const auto& x : v) ordine += x.nome;
        for (const auto& x : veloce) ordineVeloce += x.nome;
        EXPECT_EQ(ordine, caso.ordineAtteso) << "keys starting " << caso.chiavi.front();
        EXPECT_EQ(ordineVeloce, caso.ordineAtteso) << "keys starting " << caso.chiavi.front();
    }
}

// The branch-free variant used by the per-spin rankings moves every entry exactly as the
// plain procedure does, ties and negative or extreme keys included.
TEST(OrdinaScambio, LaVarianteRapidaDaLoStessoOrdine) {
    std::mt19937 gen(11);
    const int estremi[] = {std::numeric_limits<int>::min(), -1, 0, 1,
                           std::numeric_limits<int>::max()};
    for (int prova = 0; prova < 2000; ++prova) {
        const int n = static_cast<int>(gen() % 120);
        const int ampiezza = 1 + static_cast<int>(gen() % 8); // few distinct keys: many ties
        std::vector<std::pair<int, int>> v(n);
        for (int k = 0; k < n; ++k) {
            const int chiave =
                gen() % 10 == 0 ? estremi[gen() % 5] : static_cast<int>(gen() % ampiezza) - 3;
            v[k] = {chiave, k};
        }
        auto veloce = v;
        const auto chiave = [](const std::pair<int, int>& x) { return x.first; };
        ordinaScambio(std::span<std::pair<int, int>>(v), chiave);
        ordinaScambioRapido(std::span<std::pair<int, int>>(veloce), chiave);
        ASSERT_EQ(veloce, v) << "trial " << prova;
    }
}

} // namespace
