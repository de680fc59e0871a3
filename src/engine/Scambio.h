// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one ranking procedure of the program. It is a plain exchange sort on purpose:
// the order it leaves among equal keys is what the player sees, so no other sort
// (stable or not) may take its place. Keys 2, 2, 3 at A, B, C end as C, B, A.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace girolino {

// Sorts v in descending order of key(entry): for i < j, entries i and j are exchanged
// whole when key(v[i]) < key(v[j]) (strictly less, signed).
template <typename T, typename Chiave> void ordinaScambio(std::span<T> v, Chiave key) {
    const std::size_t n = v.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        auto ki = key(v[i]);
        for (std::size_t j = i + 1; j < n; ++j) {
            const auto kj = key(v[j]);
            if (ki < kj) {
                std::swap(v[i], v[j]);
                ki = kj;
            }
        }
    }
}

// The same procedure for the rankings recomputed at every spin, where it is the main cost:
// each entry is packed with its key into one word and the exchanges are done without
// branches. Entries move exactly as with ordinaScambio. Keys must fit in 32 bits.
template <typename T, typename Chiave> void ordinaScambioRapido(std::span<T> v, Chiave key) {
    constexpr std::size_t MASSIMO = 128;
    constexpr std::uint64_t basso = 0xFFFFFFFFu;
    constexpr std::uint64_t alto = ~basso;
    const std::size_t n = v.size();
    if (n > MASSIMO) return ordinaScambio(v, key);

    // High half: the key, offset so that unsigned order is signed order; low half: where
    // the entry stands now.
    std::array<std::uint64_t, MASSIMO> p;
    for (std::size_t k = 0; k < n; ++k) {
        const auto chiave = static_cast<std::uint32_t>(static_cast<std::int32_t>(key(v[k])));
        p[k] = (static_cast<std::uint64_t>(chiave ^ 0x80000000u) << 32) | k;
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        std::uint64_t m = p[i];
        // The key of the entry now at i is the largest key met so far in this pass, so it
        // can be kept apart as a running maximum: the exchanges then wait on one compare.
        std::uint64_t km = m & alto;
        for (std::size_t j = i + 1; j < n; ++j) {
            const std::uint64_t b = p[j];
            const std::uint64_t kb = b & alto;
            // All ones when key(m) < key(b): the two entries are exchanged with masks, not
            // with a branch the processor would mispredict.
            const std::uint64_t scambia = 0 - static_cast<std::uint64_t>(km < kb);
            const std::uint64_t diversi = (m ^ b) & scambia;
            p[j] = b ^ diversi;
            m ^= diversi;
            km = std::max(km, kb);
        }
        p[i] = m;
    }
    std::array<T, MASSIMO> prima;
    std::copy(v.begin(), v.end(), prima.begin());
    for (std::size_t k = 0; k < n; ++k) v[k] = prima[p[k] & basso];
}

} // namespace girolino
