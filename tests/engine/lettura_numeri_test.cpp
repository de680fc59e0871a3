// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/LetturaNumeri.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace girolino;

namespace {

constexpr auto no = std::nullopt;

// One text through every reader, side by side: where they agree and where they differ.
struct Caso {
    std::string testo;
    std::optional<std::int64_t> decimale; // leggiDecimale when Ok
    std::optional<std::int32_t> intero;   // leggiIntero
    std::optional<int> delTavolo;         // numeroDelTavolo
    std::optional<int> esatto;            // numeroEsatto
};

TEST(LetturaNumeri, OgniLettoreAccettaISuoiTesti) {
    const std::vector<Caso> casi = {
        {"0", 0, 0, 0, 0},
        {"7", 7, 7, 7, 7},
        {"36", 36, 36, 36, 36},
        {"37", 37, 37, no, no},
        {"07", 7, 7, 7, no},
        {"007", 7, 7, 7, no},
        {"-0", 0, 0, 0, no},
        {"-3", -3, -3, no, no},
        {"+7", no, 7, no, no},
        {" 4 ", no, 4, no, no},
        {"\t12", no, 12, no, no},
        {"5 ", no, 5, no, no},
        {"2147483647", 2147483647, 2147483647, no, no},
        {"-2147483648", -2147483648LL, -2147483647 - 1, no, no},
        {"2147483648", 2147483648LL, no, no, no},
        {"-2147483649", -2147483649LL, no, no, no},
        {"9223372036854775807", 9223372036854775807LL, no, no, no},
        {"99999999999999999999", no, no, no, no},
        {"", no, no, no, no},
        {"  ", no, no, no, no},
        {"+", no, no, no, no},
        {"-", no, no, no, no},
        {"--5", no, no, no, no},
        {"+-5", no, no, no, no},
        {"- 4", no, no, no, no},
        {"4a", no, no, no, no},
        {"4 4", no, no, no, no},
        {"quattro", no, no, no, no},
        {"4.0", no, no, no, no},
        {"0x1A", no, no, no, no},
    };
    for (const auto& c : casi) {
        std::int64_t v = -99;
        const TEsitoNumero esito = leggiDecimale(c.testo, v);
        const std::string t = "'" + c.testo + "'";
        if (c.decimale) {
            EXPECT_EQ(esito, TEsitoNumero::Ok) << t;
            EXPECT_EQ(v, *c.decimale) << t;
        } else {
            EXPECT_NE(esito, TEsitoNumero::Ok) << t;
            EXPECT_EQ(v, -99) << t << ": a refused text leaves the value alone";
        }
        EXPECT_EQ(leggiIntero(c.testo), c.intero) << t;
        EXPECT_EQ(numeroDelTavolo(c.testo), c.delTavolo) << t;
        EXPECT_EQ(numeroEsatto(c.testo), c.esatto) << t;
    }
}

// A file line that is a number too long for 64 bits is out of range, not "not a number".
TEST(LetturaNumeri, DecimaleFuoriScalaDistintoDaNonIntero) {
    std::int64_t v = 0;
    EXPECT_EQ(leggiDecimale("99999999999999999999", v), TEsitoNumero::FuoriScala);
    EXPECT_EQ(leggiDecimale("-99999999999999999999", v), TEsitoNumero::FuoriScala);
    EXPECT_EQ(leggiDecimale("9x", v), TEsitoNumero::NonIntero);
    EXPECT_EQ(leggiDecimale("", v), TEsitoNumero::NonIntero);
}

} // namespace
