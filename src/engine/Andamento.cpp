// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Andamento.h"

#include "engine/Scambio.h"

#include <span>

namespace girolino {

std::array<TVoceAndamento, NUM_CHANCE> andamentoChance(const TPartita& partita) {
    std::array<TVoceAndamento, NUM_CHANCE> voci{};
    for (int c = Rosso; c <= Col3; ++c)
        voci[c - 1] =
            TVoceAndamento{nomeChance(static_cast<TChance>(c)), partita.chance[c].sortite};
    ordinaScambio(std::span<TVoceAndamento>(voci),
                  [](const TVoceAndamento& v) { return v.sortite; });
    return voci;
}

std::int32_t massimoBarreNumeri(const TClassifica& frequenti) {
    const std::int32_t m = frequenti.front().chiave;
    return m + m / 5;
}

} // namespace girolino
