// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random numbers for simulated spins.

#include <cstdint>
#include <functional>

namespace girolino {

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
