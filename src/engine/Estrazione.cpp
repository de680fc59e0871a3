// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Estrazione.h"

#include <chrono>
#include <utility>

namespace girolino {

namespace {

constexpr std::uint64_t AUREO = 0x9E3779B97F4A7C15ull;
constexpr std::uint64_t FACCE = 37;

// The finaliser of splitmix64: a bijection that spreads every input bit over the output.
std::uint64_t mescola(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t orologioDiSistema() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

TEstrattore::TEstrattore() : TEstrattore(orologioDiSistema, orologioDiSistema()) {}

TEstrattore::TEstrattore(TOrologio orologio, std::uint64_t seme)
    : orologio_(std::move(orologio)), stato_(mescola(seme)) {}

std::uint64_t TEstrattore::prossimo() {
    // The Weyl step alone guarantees a new word each time, whatever the state does.
    passo_ += AUREO;
    return mescola(stato_ + passo_);
}

int TEstrattore::estrai() {
    // Fold the clock in instead of replacing the state with it: two draws within the
    // same clock tick must still be independent.
    stato_ = mescola(stato_ ^ orologio_());
    // Words below 2^64 mod 37 are refused, so the remaining range is a whole number of
    // rounds of 37 and every number is equally likely.
    const std::uint64_t soglia = (0 - FACCE) % FACCE;
    std::uint64_t z = prossimo();
    while (z < soglia) z = prossimo();
    return static_cast<int>(z % FACCE);
}

} // namespace girolino
