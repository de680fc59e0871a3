#pragma once
// The one ranking procedure of the program. It is a plain exchange sort on purpose:
// the order it leaves among equal keys is what the player sees, so no other sort
// (stable or not) may take its place. Keys 2, 2, 3 at A, B, C end as C, B, A.

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

} // namespace girolino
