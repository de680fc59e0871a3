// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Ruota.h"

#include "model/Testo.h"

#include <array>

namespace girolino {

namespace {

constexpr std::array voisins = {22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25};
constexpr std::array tiers = {27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33};
constexpr std::array orphelins = {17, 34, 6, 1, 20, 14, 31, 9};
constexpr std::array jeuZero = {12, 35, 3, 26, 0, 32, 15};

constexpr std::array<TSettore, NUM_SETTORI> tabellaSettori = {{
    {TESTO("Voisins du zéro"), voisins},
    {TESTO("Tiers du cylindre"), tiers},
    {TESTO("Orphelins"), orphelins},
    {TESTO("Jeu zéro"), jeuZero},
}};

} // namespace

std::span<const TSettore> settori() {
    return tabellaSettori;
}

std::string nomeArco(int centro, int k) {
    return std::to_string(centro) + " \u00B1" + std::to_string(k);
}

} // namespace girolino
