// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Games built spin by spin for the game-file tests, with the program's own spin steps, and
// a private temporary folder per test.

#include "engine/Annulla.h"
#include "engine/Giocata.h"
#include "model/Partita.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace girolino::prova {

// One spin, or the undo of the last one, as the program enters it.
inline void gira(TPartita& p, int n) {
    inserisciSpin(p, n);
}

inline TPartita partita(std::initializer_list<int> spins) {
    TPartita p;
    for (int n : spins) gira(p, n);
    return p;
}

// The whole game as a file keeps it: counters, runs, ribbons, spin count, last number.
inline void controllaStessaPartita(const TPartita& a, const TPartita& b) {
    EXPECT_EQ(a.bouleEseguite, b.bouleEseguite);
    EXPECT_EQ(a.ultimoNumero, b.ultimoNumero);
    for (int n = 0; n < NUMERI; ++n)
        EXPECT_EQ(static_cast<const TContatore&>(a.numeri[n]),
                  static_cast<const TContatore&>(b.numeri[n]))
            << "numero " << n;
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        EXPECT_EQ(static_cast<const TContatore&>(a.chance[c]),
                  static_cast<const TContatore&>(b.chance[c]))
            << "chance " << c;
        EXPECT_EQ(a.ripetizioni[c], b.ripetizioni[c]) << "chance " << c;
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g)
        EXPECT_EQ(static_cast<const TContatore&>(a.gruppi[g]),
                  static_cast<const TContatore&>(b.gruppi[g]))
            << "gruppo " << g;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(*a.nastri()[i], *b.nastri()[i]) << "nastro " << i;
}

// Joins texts (also file paths) into one message.
template <typename... T> std::string unisci(const T&... parti) {
    std::string r;
    ((r += std::filesystem::path(parti).string()), ...);
    return r;
}

inline std::string leggiByte(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes a fresh file (not truncating the old one, which some file systems flush to disk).
inline void scriviByte(const std::filesystem::path& p, const std::string& s) {
    std::filesystem::remove(p);
    std::ofstream out(p, std::ios::binary);
    out << s;
}

// A fresh, empty folder for the running test.
class CartellaDiProva : public ::testing::Test {
protected:
    void SetUp() override {
        const char* env = std::getenv("GIROLINO_TEST_TMP");
        const std::filesystem::path radice =
            env ? std::filesystem::path(env)
                : std::filesystem::temp_directory_path() / "girolino-gamefile-test";
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string nome = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : nome)
            if (c == '/') c = '_';
        cartella = radice / nome;
        std::filesystem::remove_all(cartella);
        std::filesystem::create_directories(cartella);
    }

    std::filesystem::path cartella;
};

} // namespace girolino::prova
