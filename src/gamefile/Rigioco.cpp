// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/Rigioco.h"

namespace girolino {

namespace {

constexpr int FAMIGLIE_CHANCE = 5; // colour, parity, half, dozen, column

// One entity's hits: index of the last hitting spin (-1: none yet).
struct Traccia {
    std::int64_t ultimo = -1;
    std::int32_t sortite = 0;
    std::int32_t maxGap = 0;

    void colpo(std::int64_t i) {
        const auto gap = static_cast<std::int32_t>(i - ultimo - 1);
        if (gap > maxGap) maxGap = gap;
        ultimo = i;
        ++sortite;
    }
    TContatore contatore(std::int64_t spins) const {
        return {static_cast<std::int32_t>(spins - 1 - ultimo), maxGap, sortite};
    }
};

} // namespace

TRigioco rigioca(const std::vector<int>& spins) {
    std::array<Traccia, NUMERI> numeri{};
    std::array<Traccia, NUM_CHANCE + 1> chance{};
    std::array<Traccia, NUM_GRUPPI + 1> gruppi{};
    TRigioco r;

    for (std::size_t i = 0; i < spins.size(); ++i) {
        const int n = spins[i];
        const auto t = static_cast<std::int64_t>(i);
        numeri[n].colpo(t);
        if (n == 0) continue; // a zero hits no side or group and leaves the runs alone
        for (int f = 0; f < FAMIGLIE_CHANCE; ++f) {
            const TChance h = chanceDellaFamiglia(n, f);
            chance[h].colpo(t);
            for (TChance o : chanceInFamiglia(f))
                r.ripetizioni[o] = o == h ? r.ripetizioni[o] + 1 : 0;
        }
        for (int g : gruppiDelNumero(n)) gruppi[g].colpo(t);
    }

    const auto totale = static_cast<std::int64_t>(spins.size());
    for (int n = 0; n < NUMERI; ++n) r.numeri[n] = numeri[n].contatore(totale);
    for (int c = 1; c <= NUM_CHANCE; ++c) r.chance[c] = chance[c].contatore(totale);
    for (int g = 1; g <= NUM_GRUPPI; ++g) r.gruppi[g] = gruppi[g].contatore(totale);
    return r;
}

} // namespace girolino
