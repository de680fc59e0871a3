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
        // Patterns: the values found take their places in the translation; a value that is a
        // text of its own is translated too, a quoted one (a file's or the user's word) is not.
        {"Riga 12: '00' non è un numero della roulette a zero singolo (0-36).",
         "Line 12: '00' is not a number of single-zero roulette (0-36)."},
        {"Riga 3: 'Rosso' non è un numero della roulette a zero singolo (0-36).",
         "Line 3: 'Rosso' is not a number of single-zero roulette (0-36)."},
        {"Impossibile salvare il file '/tmp/Rosso.fvr': il disco è pieno.",
         "Cannot save the file '/tmp/Rosso.fvr': the disk is full."},
        {"Impossibile salvare il file 'a.fvr': un motivo mai visto.",
         "Cannot save the file 'a.fvr': un motivo mai visto."},
    };
    for (const TCaso& c : casi) EXPECT_EQ(t.traduci(c.italiano), c.inglese) << c.italiano;
}

} // namespace
} // namespace girolino
