// SPDX-License-Identifier: GPL-3.0-or-later
// The spin and undo steps of the program, checked against counters computed straight from
// the list of spins.

#include "PartitaDiProva.h"
#include "gamefile/Rigioco.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

using namespace girolino;

namespace {

// Every counter and run of p against the replay of spins; the maxima of the numbers in
// sopraMax may be higher than the replay (an undo keeps what the undone spin set).
void controllaContatori(const TPartita& p, const std::vector<int>& spins,
                        const std::vector<int>& sopraMax, const std::string& dove) {
    const TRigioco r = rigioca(spins);
    for (int n = 0; n < NUMERI; ++n) {
        const TContatore& e = p.numeri[n];
        EXPECT_EQ(e.ritardo, r.numeri[n].ritardo) << dove << " numero " << n;
        EXPECT_EQ(e.sortite, r.numeri[n].sortite) << dove << " numero " << n;
        if (std::find(sopraMax.begin(), sopraMax.end(), n) == sopraMax.end())
            EXPECT_EQ(e.maxRitardo, r.numeri[n].maxRitardo) << dove << " numero " << n;
        else
            EXPECT_GE(e.maxRitardo, r.numeri[n].maxRitardo) << dove << " numero " << n;
    }
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        EXPECT_EQ(static_cast<const TContatore&>(p.chance[c]), r.chance[c])
            << dove << " chance " << c;
        EXPECT_EQ(p.ripetizioni[c], r.ripetizioni[c]) << dove << " ripetizioni " << c;
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g)
        EXPECT_EQ(static_cast<const TContatore&>(p.gruppi[g]), r.gruppi[g])
            << dove << " gruppo " << g;
    EXPECT_EQ(p.bouleEseguite, static_cast<std::int32_t>(spins.size())) << dove;
    ASSERT_EQ(p.nastroNumeri.size(), spins.size()) << dove;
    for (std::size_t i = 0; i < spins.size(); ++i) {
        ASSERT_EQ(p.nastroNumeri[i], std::to_string(spins[i])) << dove << " riga " << i;
    }
    if (!spins.empty()) {
        EXPECT_EQ(p.ultimoNumero, spins.back()) << dove;
    }
}

// Long games with many zeros and repeats, with an undo now and then (never two in a row:
// an undo is valid once after each spin), agree with the replay after every step.
TEST(GiocataERigioco, OgniPassoCorrispondeAlRigiocoDegliSpin) {
    std::mt19937 gen(20240611);
    std::uniform_int_distribution<int> numero(0, NUMERI - 1), scelta(0, 9);
    for (int partita = 0; partita < 20; ++partita) {
        TPartita p;
        std::vector<int> spins, sopraMax;
        bool annullabile = false;
        for (int passo = 0; passo < 150; ++passo) {
            const int s = scelta(gen);
            const std::string dove =
                "partita " + std::to_string(partita) + " passo " + std::to_string(passo);
            if (annullabile && s == 0) {
                sopraMax.push_back(spins.back());
                spins.pop_back();
                annullaSpin(p);
                if (spins.empty()) sopraMax.clear(); // the only spin is undone by a clear
                annullabile = false;
            } else {
                // Few numbers (and zero) in some games, to make long runs and repeats.
                const int n = partita % 2 ? numero(gen) : std::array{0, 1, 2, 3, 19}[s % 5];
                spins.push_back(n);
                inserisciSpin(p, n);
                annullabile = true;
            }
            controllaContatori(p, spins, sopraMax, dove);
            if (::testing::Test::HasFailure()) return; // the first wrong step says enough
        }
    }
}

} // namespace
