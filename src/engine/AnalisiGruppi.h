// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The complex chances window's data: every group of one family with its counters, in
// catalogue order or ranked by one counter. The window chooses family and order by two
// free texts; a text that matches none of the known ones selects nothing.

#include "engine/GruppiOrdinati.h"
#include "model/Partita.h"
#include "model/Tabella.h"
#include "model/Testo.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

enum class TOrdineGruppi { Apparizione, Ritardo, MaxRitardo, Sortita };
inline constexpr int NUM_ORDINI_GRUPPI = 4;

// The names of the families and of the orders as the player chooses them, in the order of
// TTipoGruppo and of TOrdineGruppi.
inline constexpr std::array<std::string_view, NUM_FAMIGLIE> TESTI_FAMIGLIE = {
    TESTO("le Duine"), TESTO("le Terzine"), TESTO("le Quartine"), TESTO("le Sestine"),
    TESTO("le Ennine")};
inline constexpr std::array<std::string_view, NUM_ORDINI_GRUPPI> TESTI_ORDINI_GRUPPI = {
    TESTO("in Ordine di Apparizione"), TESTO("in Ordine di Ritardo"),
    TESTO("in Ordine di Massimo Ritardo"), TESTO("in Ordine di Sortita")};

// One of TESTI_FAMIGLIE (compared exactly); anything else is no family.
std::optional<TTipoGruppo> famigliaDaTesto(std::string_view testo);

// One of TESTI_ORDINI_GRUPPI (compared exactly); anything else is no order.
std::optional<TOrdineGruppi> ordineGruppiDaTesto(std::string_view testo);

// Ranks the family's slice of the copy by the order's counter with the exchange sort.
// Apparizione leaves the slice as it is.
void ordinaFamiglia(TGruppiOrdinati& copiaGruppi, TTipoGruppo famiglia, TOrdineGruppi ordine);

// The rows 1..N of the chosen family in the chosen order, or nothing when either text is
// unknown (the grid is then left as it is).
std::vector<TVoceGruppo> righeChanceComplesse(const TPartita& partita,
                                              std::string_view testoFamiglia,
                                              std::string_view testoOrdine);

} // namespace girolino
