// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiNumeri.h"

#include <gtest/gtest.h>

#include <vector>

namespace girolino {
namespace {

std::vector<int> numeriDi(const TCopiaNumeri& c) {
    std::vector<int> v;
    for (const auto& r : c) v.push_back(r.numero);
    return v;
}

std::vector<int> ordineNaturale() {
    std::vector<int> v;
    for (int k = 0; k < NUMERI; ++k) v.push_back(k);
    return v;
}

TEST(AnalisiNumeri, TestiDOrdine) {
    // Each counter ranks a different number first, so the text decides the winner.
    TPartita partita;
    partita.numeri[10].ritardo = 9;
    partita.numeri[20].maxRitardo = 9;
    partita.numeri[30].sortite = 9;
    struct Caso {
        const char* testo;
        int primo; // -1: number order
    };
    const Caso casi[] = {
        {"Ritardo", 10}, {"Massimo Ritardo", 20}, {"Sortita", 30},
        {"Numero", -1},  {"Numeri", -1},          {"ritardo", -1},
        {"", -1},        {"Sortite", -1},         {"Ritardo ", -1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        const auto copia = assegnaStat(partita, c.testo);
        if (c.primo < 0) {
            EXPECT_EQ(numeriDi(copia), ordineNaturale());
        } else {
            EXPECT_EQ(copia[0].numero, c.primo);
            EXPECT_EQ(copia[0].contatore, static_cast<TContatore>(partita.numeri[c.primo]));
        }
    }
}

TEST(AnalisiNumeri, OrdineTraUguali) {
    TPartita partita;
    partita.numeri[0].ritardo = 4;
    partita.numeri[1].ritardo = 4;
    partita.numeri[2].ritardo = 5;
    partita.numeri[0].sortite = 70; // counters travel with the number
    const auto copia = assegnaStat(partita, "Ritardo");
    auto atteso = ordineNaturale();
    atteso[0] = 2;
    atteso[1] = 1;
    atteso[2] = 0;
    EXPECT_EQ(numeriDi(copia), atteso);
    EXPECT_EQ(copia[2].contatore.sortite, 70);
    EXPECT_EQ(copia[2].contatore.ritardo, 4);
}

TEST(AnalisiNumeri, PartitaAzzerataRestaInOrdineDiNumero) {
    const TPartita partita;
    for (const char* t : {"Ritardo", "Massimo Ritardo", "Sortita", "Numero"})
        EXPECT_EQ(numeriDi(assegnaStat(partita, t)), ordineNaturale()) << t;
}

TEST(AnalisiNumeri, RitardoOltreIlMassimo) {
    struct Caso {
        int ritardo, maxRitardo;
        bool marcato;
    };
    for (const auto& c : {Caso{5, 4, true}, Caso{4, 4, false}, Caso{3, 4, false}, Caso{1, 0, true},
                          Caso{0, 0, false}})
        EXPECT_EQ(superaMaxRitardo({c.ritardo, c.maxRitardo, 0}), c.marcato)
            << c.ritardo << " vs " << c.maxRitardo;
}

} // namespace
} // namespace girolino
