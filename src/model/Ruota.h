// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wheel's betting areas: the four sectors and the arcs of neighbours. Constant tables
// and names only; counting them is the engine's (engine/Settori.h).

#include <span>
#include <string>
#include <string_view>

namespace girolino {

inline constexpr int NUM_SETTORI = 4;
inline constexpr int MAX_LARGHEZZA_ARCO = 4; // neighbours on each side of an arc's centre

struct TSettore {
    std::string_view nome;
    std::span<const int> numeri; // in wheel order; "Orphelins" is two separate pieces
};

// "Voisins du zéro", "Tiers du cylindre", "Orphelins", "Jeu zéro", in this order. The first
// three split the wheel; "Jeu zéro" lies within "Voisins du zéro".
std::span<const TSettore> settori();

// The pockets of an arc of width k (1..MAX_LARGHEZZA_ARCO): its centre and k on each side.
constexpr int dimensioneArco(int k) {
    return 2 * k + 1;
}

// An arc named by its centre number: "17 ±2".
std::string nomeArco(int centro, int k);

} // namespace girolino
