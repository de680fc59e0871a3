// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's working copy of the 112 groups, from which each family row shows its
// leading group. A refill puts it back in catalogue order; a sort without a refill starts
// from the order the previous sort left, which decides who leads among equal keys.

#include "model/Partita.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace girolino {

struct TVoceGruppo {
    int indice = 0; // catalogue index 1..112, for the label
    std::int32_t sortite = 0;
    std::int32_t ritardo = 0;
    std::int32_t maxRitardo = 0;

    const std::string& etichetta() const { return etichettaGruppo(indice); }
    TContatore contatore() const { return {ritardo, maxRitardo, sortite}; }
    friend bool operator==(const TVoceGruppo&, const TVoceGruppo&) = default;
};

struct TGruppiOrdinati {
    // Family by family, catalogue positions 1..112 as elements 0..111.
    std::array<TVoceGruppo, NUM_GRUPPI> voci;

    // Catalogue order with every counter at zero, as before the first refill.
    TGruppiOrdinati();
};

// The entries of one family, in their current order.
std::span<TVoceGruppo> fetta(TGruppiOrdinati& gruppi, TTipoGruppo tipo);

// Copies label and counters of every group back into its catalogue position.
void assegnaChanceComplesse(const TPartita& partita, TGruppiOrdinati& gruppi);

// Sorts each family's slice in place by delay (perRitardo) or by hits.
void ordinaFamiglie(TGruppiOrdinati& gruppi, bool perRitardo);

// The entry the family's row shows: the first of its slice.
const TVoceGruppo& primoDellaFamiglia(const TGruppiOrdinati& gruppi, TTipoGruppo tipo);

} // namespace girolino
