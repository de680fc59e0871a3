// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CurvaRidotta.h"

#include <algorithm>

namespace girolino::ui {

std::vector<TPunto> curvaRidotta(std::span<const double> valori, double x0, std::size_t massimo) {
    const std::size_t n = valori.size();
    std::vector<TPunto> punti;
    const auto aggiungi = [&](std::size_t i) {
        punti.push_back({x0 + static_cast<double>(i), valori[i]});
    };
    massimo = std::max<std::size_t>(massimo, 4);
    if (n <= massimo) {
        punti.reserve(n);
        for (std::size_t i = 0; i < n; ++i) aggiungi(i);
        return punti;
    }
    // The inner points 1 .. n-2 in equal stretches; each gives its extremes in curve order.
    const std::size_t tratti = (massimo - 2) / 2;
    const std::size_t interni = n - 2;
    punti.reserve(2 + 2 * tratti);
    aggiungi(0);
    for (std::size_t t = 0; t < tratti; ++t) {
        const std::size_t inizio = 1 + t * interni / tratti;
        const std::size_t fine = 1 + (t + 1) * interni / tratti;
        if (inizio >= fine) continue;
        const auto primo = valori.begin() + static_cast<std::ptrdiff_t>(inizio);
        const auto ultimo = valori.begin() + static_cast<std::ptrdiff_t>(fine);
        const auto [basso, alto] = std::minmax_element(primo, ultimo);
        const auto iBasso = static_cast<std::size_t>(basso - valori.begin());
        const auto iAlto = static_cast<std::size_t>(alto - valori.begin());
        aggiungi(std::min(iBasso, iAlto));
        if (iBasso != iAlto) aggiungi(std::max(iBasso, iAlto));
    }
    aggiungi(n - 1);
    return punti;
}

} // namespace girolino::ui
