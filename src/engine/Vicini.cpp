// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Vicini.h"

#include "engine/LetturaNumeri.h"

#include <optional>

namespace girolino {

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
