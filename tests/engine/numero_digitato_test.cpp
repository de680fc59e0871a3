// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NumeroDigitato.h"

#include <gtest/gtest.h>

using namespace girolino;

namespace {

TEST(NumeroDigitato, ValutaOgniFormaDiValore) {
    struct Caso {
        const char* testo;
        TGiudizioNumero giudizio;
        int numero;
    };
    using enum TGiudizioNumero;
    const Caso casi[] = {
        {"0", Valido, 0},
        {"7", Valido, 7},
        {"07", Valido, 7},
        {"0036", Valido, 36},
        {"36", Valido, 36},
        {"37", FuoriRuota, -1},
        {"0037", FuoriRuota, -1},
        {"00", FuoriRuota, -1},
        {"000", FuoriRuota, -1},
        {"-1", FuoriRuota, -1},
        {"-00", FuoriRuota, -1},
        {"+00", FuoriRuota, -1},
        {"99999999999999999999999", FuoriRuota, -1},
        {"+5", ConSegno, -1},
        {"-0", ConSegno, -1},
        {"", NonIntero, -1},
        {"-", NonIntero, -1},
        {"1.5", NonIntero, -1},
        {"1,5", NonIntero, -1},
        {"1e1", NonIntero, -1},
        {"x", NonIntero, -1},
        {" 1", NonIntero, -1}, // the caller trims what it allows
        {"1 2", NonIntero, -1},
    };
    for (const auto& c : casi) {
        const auto v = valutaNumero(c.testo);
        EXPECT_EQ(v.giudizio, c.giudizio) << c.testo;
        EXPECT_EQ(v.numero, c.numero) << c.testo;
    }
}

TEST(NumeroDigitato, CampoAccettaSoloUnNumeroDellaRuota) {
    EXPECT_EQ(leggiNumeroDigitato("17"), 17);
    EXPECT_EQ(leggiNumeroDigitato("0"), 0);
    EXPECT_EQ(leggiNumeroDigitato("07"), 7);
    EXPECT_EQ(leggiNumeroDigitato(" \t36 "), 36);
    for (const char* rifiutato : {"", "   ", "37", "00", "-1", "1.5", "abc", "1 7", "+5", "17a"})
        EXPECT_EQ(leggiNumeroDigitato(rifiutato), std::nullopt) << '"' << rifiutato << '"';
}

} // namespace
