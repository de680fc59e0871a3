// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Annulla.h"
#include "engine/Chance.h"
#include "engine/Giocata.h"
#include "engine/Striscia.h"

#include <gtest/gtest.h>

using namespace girolino;

namespace {

using TVoci = std::vector<std::pair<std::string, int>>;

TEST(Striscia, IPiuRecentiPrimaColColore) {
    TPartita p;
    EXPECT_TRUE(striscia(p).empty());
    for (int n : {5, 0, 32}) inserisciSpin(p, n);
    EXPECT_EQ(striscia(p), (TVoci{{"32", 1}, {"0", 0}, {"5", 1}}));
    annullaSpin(p);
    EXPECT_EQ(striscia(p), (TVoci{{"0", 0}, {"5", 1}}));
}

TEST(Striscia, AlPiuQuattordici) {
    TPartita p;
    for (int n = 0; n < 20; ++n) inserisciSpin(p, n);
    TVoci attese;
    for (int n = 19; n >= 6; --n) attese.emplace_back(std::to_string(n), rossoonero(n));
    EXPECT_EQ(striscia(p), attese);
    EXPECT_EQ(attese.size(), 14u);
}

TEST(Rossoonero, ZeroRossiNeri) {
    EXPECT_EQ(rossoonero(0), 0);
    for (int n : {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36})
        EXPECT_EQ(rossoonero(n), 1) << n;
    for (int n : {2, 4, 6, 8, 10, 11, 13, 15, 17, 20, 22, 24, 26, 28, 29, 31, 33, 35})
        EXPECT_EQ(rossoonero(n), 2) << n;
}

} // namespace
