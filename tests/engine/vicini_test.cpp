// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Vicini.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace girolino;

namespace {

struct CasoVicini {
    std::string numero;
    std::set<int> rossi;
    std::set<int> fucsia;
};

TEST(Cercavicini, QuattroViciniPerParteSullaRuota) {
    const std::vector<CasoVicini> casi = {
        {"0", {26, 32}, {3, 35, 12, 15, 19, 4}},  {"26", {3, 0}, {35, 12, 28, 32, 15, 19}},
        {"5", {10, 24}, {23, 8, 30, 16, 33, 1}},  {"3", {35, 26}, {28, 12, 7, 0, 32, 15}},
        {"34", {17, 6}, {25, 2, 21, 27, 13, 36}},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.numero);
        const auto segni = cercavicini(caso.numero);
        for (int n = 0; n < NUMERI; ++n) {
            const TSegnoVicino atteso = caso.rossi.count(n)    ? TSegnoVicino::Rosso
                                        : caso.fucsia.count(n) ? TSegnoVicino::Fucsia
                                                               : TSegnoVicino::Riposo;
            EXPECT_EQ(segni[n], atteso) << "label " << n;
        }
    }
}

TEST(Cercavicini, UnTestoCheNonEUnNumeroEsattoNonSegnaNulla) {
    for (const char* testo : {"", "37", "-1", " 5", "5 ", "05", "+5", "abc", "3.0", "100", "0x1"}) {
        const auto segni = cercavicini(testo);
        for (int n = 0; n < NUMERI; ++n)
            EXPECT_EQ(segni[n], TSegnoVicino::Riposo) << "'" << testo << "' label " << n;
    }
}

} // namespace
