#include "engine/Scambio.h"

#include <gtest/gtest.h>

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
        ordinaScambio(std::span<Voce>(v), [](const Voce& x) { return x.chiave; });
        std::string ordine;
        for (const auto& x : v) ordine += x.nome;
        EXPECT_EQ(ordine, caso.ordineAtteso) << "keys starting " << caso.chiavi.front();
    }
}

} // namespace
