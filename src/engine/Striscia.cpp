// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Striscia.h"

#include "engine/Chance.h"
#include "engine/LetturaNumeri.h"

#include <algorithm>
#include <optional>

namespace girolino {

namespace {
constexpr std::size_t LUNGHEZZA_STRISCIA = 14;
constexpr int NERO = 2;
} // namespace

std::vector<std::pair<std::string, int>> striscia(const TPartita& p) {
    const TNastro& nastro = p.nastroNumeri;
    const std::size_t quanti = std::min(nastro.size(), LUNGHEZZA_STRISCIA);
    std::vector<std::pair<std::string, int>> voci;
    voci.reserve(quanti);
    for (std::size_t k = 1; k <= quanti; ++k) {
        const std::string_view riga = nastro[nastro.size() - k];
        const std::optional<int> n = numeroDelTavolo(riga);
        voci.emplace_back(riga, n ? rossoonero(*n) : NERO);
    }
    return voci;
}

} // namespace girolino
