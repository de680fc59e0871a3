// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiNumeri.h"

#include "engine/Scambio.h"

#include <span>

namespace girolino {

TCopiaNumeri assegnaStat(const TPartita& partita, std::string_view testoOrdine) {
    TCopiaNumeri copiaNumeri;
    for (int k = 0; k < NUMERI; ++k) copiaNumeri[k] = TRigaNumero{k, partita.numeri[k]};

    const std::span<TRigaNumero> righe(copiaNumeri);
    if (testoOrdine == "Numero")
        ordinaScambio(righe, [](const TRigaNumero& r) { return -r.numero; });
    else if (testoOrdine == "Ritardo")
        ordinaScambio(righe, [](const TRigaNumero& r) { return r.contatore.ritardo; });
    else if (testoOrdine == "Massimo Ritardo")
        ordinaScambio(righe, [](const TRigaNumero& r) { return r.contatore.maxRitardo; });
    else if (testoOrdine == "Sortita")
        ordinaScambio(righe, [](const TRigaNumero& r) { return r.contatore.sortite; });
    return copiaNumeri;
}

} // namespace girolino
