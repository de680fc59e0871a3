// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/FasciaAttese.h"

#include "engine/Statistiche.h"

#include <algorithm>

namespace girolino {

TFasciaAttese fasciaAttese(std::int64_t giri, double p, double deviazioni) {
    const double attese = colpiAttesi(giri, p);
    const double scarto = deviazioni * deviazioneStandard(giri, p);
    return {attese, std::max(0.0, attese - scarto), attese + scarto};
}

} // namespace girolino
