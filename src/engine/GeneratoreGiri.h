// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spins of one simulated session: a fast generator whose whole state follows from the seed
// of the run and the index of the session, so that a session draws the same spins whichever
// thread plays it and whatever else runs.

#include <array>
#include <cstdint>

namespace girolino {

class TGeneratoreGiri {
public:
    TGeneratoreGiri(std::uint64_t seme, std::uint64_t sessione) {
        // splitmix64 spreads (seed, index) over the 256-bit state; xoring the index into a
        // mixed seed keeps distinct sessions of one run distinct.
        std::uint64_t x = mescola(mescola(seme) ^ sessione);
        for (auto& parola : s_) {
            x += AUREO;
            parola = mescola(x);
        }
    }

    // 0..36, every number equally likely: the top of the 64x64-bit product with 37, refusing
    // the few words that would favour low numbers (Lemire's method).
    int prossimo() {
        unsigned __int128 m = static_cast<unsigned __int128>(parola()) * FACCE;
        auto basso = static_cast<std::uint64_t>(m);
        if (basso < FACCE) [[unlikely]] {
            const std::uint64_t soglia = (0 - FACCE) % FACCE;
            while (basso < soglia) {
                m = static_cast<unsigned __int128>(parola()) * FACCE;
                basso = static_cast<std::uint64_t>(m);
            }
        }
        return static_cast<int>(m >> 64);
    }

private:
    static constexpr std::uint64_t AUREO = 0x9E3779B97F4A7C15ull;
    static constexpr std::uint64_t FACCE = 37;

    static std::uint64_t mescola(std::uint64_t z) {
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    static std::uint64_t ruota(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    // xoshiro256**.
    std::uint64_t parola() {
        const std::uint64_t risultato = ruota(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = ruota(s_[3], 45);
        return risultato;
    }

    std::array<std::uint64_t, 4> s_;
};

} // namespace girolino
