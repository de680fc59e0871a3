// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FasciaAttese.h"

#include "engine/Statistiche.h"

#include <gtest/gtest.h>

#include <cmath>

namespace girolino {
namespace {

TEST(FasciaAttese, BordiAKDeviazioniStandard) {
    // 370 spins of a number: 10 expected, σ = √(10·36/37).
    const double sigma = std::sqrt(10.0 * 36 / 37);
    const TFasciaAttese f = fasciaAttese(370, 1.0 / 37, 2);
    EXPECT_NEAR(f.attese, 10, 1e-12);
    EXPECT_NEAR(f.sopra, 10 + 2 * sigma, 1e-12);
    EXPECT_NEAR(f.sotto, 10 - 2 * sigma, 1e-12);
    // The same σ the z-scores divide by: 16 hits lie (16 − 10)/σ deviations above.
    EXPECT_NEAR(punteggioZ(16, 370, 1.0 / 37) * sigma, 6, 1e-12);

    // Two deviations reach below 0 after 37 spins of a number: the band stops at 0.
    EXPECT_EQ(fasciaAttese(37, 1.0 / 37, 2).sotto, 0);
    EXPECT_NEAR(fasciaAttese(37, 1.0 / 37, 2).sopra, 1 + 2 * std::sqrt(36.0 / 37), 1e-12);

    const TFasciaAttese vuota = fasciaAttese(0, 18.0 / 37, 2);
    EXPECT_EQ(vuota.attese, 0);
    EXPECT_EQ(vuota.sotto, 0);
    EXPECT_EQ(vuota.sopra, 0);
}

} // namespace
} // namespace girolino
