// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers for simulated spins.

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace girolino {

// The fixed sizes of a run of random spins offered beside a count of the player's choice,
// written as the count field takes them.
inline constexpr std::array<std::string_view, 6> ESTRAZIONI_FISSE = {"1",  "5",  "10",
                                                                     "20", "50", "100"};

// Draws numbers 0..36 with equal chances. Before every draw the clock's reading is folded
// into the generator's state, so a draw depends on when it was made; an unchanged reading
// never makes two draws repeat, because the state keeps moving.
class TEstrattore {
public:
    using TOrologio = std::function<std::uint64_t()>;

    // A high-resolution monotonic clock, seeded from it as well.
    TEstrattore();
    TEstrattore(TOrologio orologio, std::uint64_t seme);

    int estrai();

private:
    std::uint64_t prossimo();

    TOrologio orologio_;
    std::uint64_t stato_;
    std::uint64_t passo_ = 0;
};

} // namespace girolino
