// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Lingue.h"
#include "model/Testo.h"

#include <gtest/gtest.h>

#include <string>

using namespace girolino;

namespace {

TEST(Testo, ValuesTakeTheirPlacesInAnyOrder) {
    EXPECT_EQ(formatta(TESTO("Riga %1: '%2' non è valido."), 12, std::string("00")),
              "Riga 12: '00' non è valido.");
    // A translation may move the values; a stray "%" or a missing value stays as written.
    EXPECT_EQ(formatta("%2 prima di %1", "a", "b"), "b prima di a");
    EXPECT_EQ(formatta("50 % di %1 e %3", 7), "50 % di 7 e %3");
    EXPECT_EQ(formatta("%1%1", -3), "-3-3");
}

TEST(Lingue, TheChoiceOrTheDesktopsFirstLanguage) {
    struct TCaso {
        std::string_view scelta;
        std::string_view desktop;
        TLingua attesa;
    };
    const TCaso casi[] = {
        {sceltaItaliano, "en-GB", TLingua::Italiano},
        {sceltaInglese, "it-IT", TLingua::Inglese},
        {sceltaAutomatica, "en", TLingua::Inglese},
        {sceltaAutomatica, "en-US", TLingua::Inglese},
        {"", "en_GB.UTF-8", TLingua::Inglese},
        {"", "it-IT", TLingua::Italiano},
        {"", "de-DE", TLingua::Italiano},
        {"", "C", TLingua::Italiano},
        {"", "POSIX", TLingua::Italiano},
        {"", "", TLingua::Italiano},
        {"", "eng", TLingua::Italiano}, // not a code for English
        {"klingon", "en-US", TLingua::Inglese},
    };
    for (const TCaso& c : casi)
        EXPECT_EQ(linguaPer(c.scelta, c.desktop), c.attesa) << c.scelta << " " << c.desktop;
}

} // namespace
