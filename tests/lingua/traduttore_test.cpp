// SPDX-License-Identifier: GPL-3.0-or-later
// The translator with the program's own English catalogue.

#include "lingua/Traduttore.h"

#include <gtest/gtest.h>

#include <string>

namespace girolino {
namespace {

TEST(Traduttore, ItalianIsShownAsWritten) {
    for (const char* codice : {"it", "xx", ""}) { // Italian, or a language without catalogue
        const lingua::TTraduttore t(codice);
        EXPECT_FALSE(t.traduce()) << codice;
        EXPECT_EQ(t.traduci("Ultimi giri"), "Ultimi giri") << codice;
    }
    EXPECT_TRUE(lingua::haCatalogo("en"));
    EXPECT_FALSE(lingua::haCatalogo("xx"));
}

TEST(Traduttore, EnglishWholeTextsPatternsAndLines) {
    const lingua::TTraduttore t(TLingua::Inglese);
    ASSERT_TRUE(t.traduce());
    struct TCaso {
        std::string italiano;
        std::string inglese;
    };
    const TCaso casi[] = {
        {"Ultimi giri", "Last spins"},
        {"", ""},
        // Unknown texts and values that are data stay as they are.
        {"17", "17"},
        {"Una frase che nessuno ha tradotto", "Una frase che nessuno ha tradotto"},
        // Line by line.
        {"Ultimi giri\n17\nUltimi giri", "Last spins\n17\nLast spins"},
    };
    for (const TCaso& c : casi) EXPECT_EQ(t.traduci(c.italiano), c.inglese) << c.italiano;
}

} // namespace
} // namespace girolino
