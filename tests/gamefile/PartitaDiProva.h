// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Games built spin by spin for the game-file tests, following the spin entry rules, and a
// private temporary folder per test.

#include "model/Partita.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>

namespace girolino::prova {

inline void colpo(TContatore& e) {
    ++e.sortite;
    if (e.ritardo > e.maxRitardo) e.maxRitardo = e.ritardo - 1;
    e.ritardo = 0;
}

// One spin: every side and group ages, the ribbons grow, the hit entities are scored, the
// numbers age and n is scored, then the runs are counted.
inline void gira(TPartita& p, int n) {
    for (int c = 1; c <= NUM_CHANCE; ++c) ++p.chance[c].ritardo;
    for (int g = 1; g <= NUM_GRUPPI; ++g) ++p.gruppi[g].ritardo;
    p.nastroNumeri.push_back(std::to_string(n));
    const auto nastri = p.nastri();
    for (int f = 0; f < 5; ++f) {
        nastri[f + 1]->push_back(lettereNastro(n)[f]);
        if (n != 0) colpo(p.chance[chanceDellaFamiglia(n, f)]);
    }
    if (n != 0)
        for (int g : gruppiDelNumero(n)) colpo(p.gruppi[g]);
    p.ultimoNumero = n;
    ++p.bouleEseguite;
    for (auto& e : p.numeri) ++e.ritardo;
    colpo(p.numeri[n]);
    if (n != 0)
        for (int f = 0; f < 5; ++f)
            for (TChance o : chanceInFamiglia(f))
                p.ripetizioni[o] = o == chanceDellaFamiglia(n, f) ? p.ripetizioni[o] + 1 : 0;
    p.partitaModificata = true;
}

inline TPartita partita(std::initializer_list<int> spins) {
    TPartita p;
    for (int n : spins) gira(p, n);
    return p;
}

// Undo of the last spin: everything as before it, except that the undone number keeps the
// maximum delay that spin gave it.
inline void annulla(TPartita& p, const TPartita& prima) {
    const int n = p.ultimoNumero;
    const auto max = p.numeri[n].maxRitardo;
    p = prima;
    p.numeri[n].maxRitardo = max;
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
