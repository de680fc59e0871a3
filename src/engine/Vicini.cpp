// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Vicini.h"

#include <optional>

namespace girolino {

namespace {

// Plain decimal without sign, blanks or leading zeros, 0..36.
std::optional<int> numeroEsatto(std::string_view testo) {
    if (testo.empty() || testo.size() > 2) return std::nullopt;
    if (testo.size() == 2 && testo[0] == '0') return std::nullopt;
    int n = 0;
    for (char ch : testo) {
        if (ch < '0' || ch > '9') return std::nullopt;
        n = n * 10 + (ch - '0');
    }
    if (n >= NUMERI) return std::nullopt;
    return n;
}

} // namespace

std::array<TSegnoVicino, NUMERI> cercavicini(std::string_view testo) {
    std::array<TSegnoVicino, NUMERI> segni{};
    segni.fill(TSegnoVicino::Riposo);
    const std::optional<int> n = numeroEsatto(testo);
    if (!n) return segni;

    const auto& ruota = ordineRuota();
    const int p = posizioneSullaRuota(*n);
    for (int d = 1; d <= 4; ++d) {
        const TSegnoVicino segno = d == 1 ? TSegnoVicino::Rosso : TSegnoVicino::Fucsia;
        segni[ruota[(p + d) % NUMERI]] = segno;
        segni[ruota[(p - d + NUMERI) % NUMERI]] = segno;
    }
    return segni;
}

} // namespace girolino
