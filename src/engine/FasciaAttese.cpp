#include "engine/FasciaAttese.h"

#include "engine/Statistiche.h"

#include <algorithm>
#include <cmath>

namespace girolino {

TFasciaAttese fasciaAttese(std::int64_t giri, double p, double deviazioni) {
    const double attese = colpiAttesi(giri, p);
    const double scarto = deviazioni * std::sqrt(std::max(0.0, attese * (1 - p)));
    return {attese, std::max(0.0, attese - scarto), attese + scarto};
}

} // namespace girolino
