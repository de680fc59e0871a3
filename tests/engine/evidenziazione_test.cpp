// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Evidenziazione.h"

#include <gtest/gtest.h>

using namespace girolino;

namespace {

TEST(Evidenziazione, OltreIlMassimoSoloSeStrettamenteMaggiore) {
    TPartita p;
    for (auto& c : p.numeri) c = {{3, 3, 1}};
    p.numeri[17].ritardo = 4;
    for (int c = Rosso; c <= Col3; ++c) p.chance[c] = {{2, 2, 5}};
    p.chance[Manq].ritardo = 3;

    const TTestiFamiglie rrr = {"10", "9", "0", "", "-1"};
    const TTestiFamiglie mmm = {"9", "10", "0", "0", "-2"};
    const TCampiOltre campi = campiOltreMassimo(p, rrr, mmm);
    for (int n = 0; n < NUMERI; ++n) EXPECT_EQ(campi.numeri[n], n == 17) << n;
    for (int c = Rosso; c <= Col3; ++c) EXPECT_EQ(campi.chance[c], c == Manq) << c;
    // The rows compare numbers, not texts: "10" is beyond "9".
    EXPECT_EQ(campi.famiglie, (std::array<bool, NUM_FAMIGLIE>{true, false, false, false, true}));
}

TEST(Evidenziazione, InizioPartitaTuttoOltreDopoIlPrimoGiro) {
    TPartita p;
    for (auto& c : p.numeri) c.ritardo = 1;
    p.numeri[9] = {{0, 0, 1}};
    const TCampiOltre campi =
        campiOltreMassimo(p, {"0", "0", "0", "0", "0"}, {"0", "0", "0", "0", "0"});
    for (int n = 0; n < NUMERI; ++n) EXPECT_EQ(campi.numeri[n], n != 9) << n;
    for (bool f : campi.famiglie) EXPECT_FALSE(f);
}

} // namespace
