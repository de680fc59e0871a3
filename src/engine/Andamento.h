// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trend charts: outside sides and numbers ordered by hits, one bar each.

#include "engine/Classifiche.h"
#include "model/Partita.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace girolino {

struct TVoceAndamento {
    std::string_view nome; // "Rosso" .. "Col3"
    std::int32_t sortite;

    friend bool operator==(const TVoceAndamento&, const TVoceAndamento&) = default;
};

// The twelve sides ranked by hits with the exchange sort, starting from side order.
// Their bars share the scale 0 .. bouleEseguite.
std::array<TVoceAndamento, NUM_CHANCE> andamentoChance(const TPartita& partita);

// The shared maximum of the 37 number bars, from the ranking by hits (most first):
// M + M div 5, M the count at the top.
std::int32_t massimoBarreNumeri(const TClassifica& frequenti);

} // namespace girolino
