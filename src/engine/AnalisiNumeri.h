// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers table window's data: the 37 numbers with their counters, in number order or
// ranked by one counter.

#include "model/Partita.h"

#include <array>
#include <string_view>

namespace girolino {

struct TRigaNumero {
    int numero = 0;
    TContatore contatore;

    friend bool operator==(const TRigaNumero&, const TRigaNumero&) = default;
};

using TCopiaNumeri = std::array<TRigaNumero, NUMERI>;

// Rebuilds the table from the game in number order and ranks it by the order text:
// "Numero" (ascending number), "Ritardo", "Massimo Ritardo", "Sortita" (descending counter).
// Any other text leaves number order.
TCopiaNumeri assegnaStat(const TPartita& partita, std::string_view testoOrdine);

// A delay is marked when the current absence is longer than every absence closed so far.
inline bool superaMaxRitardo(const TContatore& c) {
    return c.ritardo > c.maxRitardo;
}

} // namespace girolino
