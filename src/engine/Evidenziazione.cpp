// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Evidenziazione.h"

#include "engine/LetturaNumeri.h"

namespace girolino {

bool rigaFamigliaSupera(std::string_view testoRitardo, std::string_view testoMaxRitardo) {
    const auto ritardo = leggiIntero(testoRitardo);
    const auto massimo = leggiIntero(testoMaxRitardo);
    return ritardo && massimo && *ritardo > *massimo;
}

TCampiOltre campiOltreMassimo(const TPartita& partita, const TTestiFamiglie& testiRitardo,
                              const TTestiFamiglie& testiMaxRitardo) {
    TCampiOltre campi;
    for (int n = 0; n < NUMERI; ++n) campi.numeri[n] = supera(partita.numeri[n]);
    for (int c = Rosso; c <= Col3; ++c) campi.chance[c] = supera(partita.chance[c]);
    for (int f = 0; f < NUM_FAMIGLIE; ++f)
        campi.famiglie[f] = rigaFamigliaSupera(testiRitardo[f], testiMaxRitardo[f]);
    return campi;
}

} // namespace girolino
