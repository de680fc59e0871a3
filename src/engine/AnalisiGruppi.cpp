// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiGruppi.h"

#include "engine/Scambio.h"

#include <span>
#include <utility>

namespace girolino {

namespace {

template <typename T, std::size_t N>
std::optional<T> cerca(const std::array<std::pair<std::string_view, T>, N>& tabella,
                       std::string_view testo) {
    for (const auto& [t, valore] : tabella)
        if (t == testo) return valore;
    return std::nullopt;
}

} // namespace

std::optional<TTipoGruppo> famigliaDaTesto(std::string_view testo) {
    static const std::array<std::pair<std::string_view, TTipoGruppo>, NUM_FAMIGLIE> testi = {{
        {"le Duine", TTipoGruppo::Duine},
        {"le Terzine", TTipoGruppo::Terzine},
        {"le Quartine", TTipoGruppo::Quartine},
        {"le Sestine", TTipoGruppo::Sestine},
        {"le Ennine", TTipoGruppo::Ennine},
    }};
    return cerca(testi, testo);
}

std::optional<TOrdineGruppi> ordineGruppiDaTesto(std::string_view testo) {
    static const std::array<std::pair<std::string_view, TOrdineGruppi>, 4> testi = {{
        {"in Ordine di Apparizione", TOrdineGruppi::Apparizione},
        {"in Ordine di Ritardo", TOrdineGruppi::Ritardo},
        {"in Ordine di Massimo Ritardo", TOrdineGruppi::MaxRitardo},
        {"in Ordine di Sortita", TOrdineGruppi::Sortita},
    }};
    return cerca(testi, testo);
}

void ordinaFamiglia(TGruppiOrdinati& copiaGruppi, TTipoGruppo famiglia, TOrdineGruppi ordine) {
    const std::span<TVoceGruppo> v = fetta(copiaGruppi, famiglia);
    switch (ordine) {
    case TOrdineGruppi::Apparizione:
        break;
    case TOrdineGruppi::Ritardo:
        ordinaScambioRapido(v, [](const TVoceGruppo& r) { return r.ritardo; });
        break;
    case TOrdineGruppi::MaxRitardo:
        ordinaScambioRapido(v, [](const TVoceGruppo& r) { return r.maxRitardo; });
        break;
    case TOrdineGruppi::Sortita:
        ordinaScambioRapido(v, [](const TVoceGruppo& r) { return r.sortite; });
        break;
    }
}

std::vector<TVoceGruppo> righeChanceComplesse(const TPartita& partita,
                                              std::string_view testoFamiglia,
                                              std::string_view testoOrdine) {
    const auto tipo = famigliaDaTesto(testoFamiglia);
    if (!tipo) return {};
    const auto ordine = ordineGruppiDaTesto(testoOrdine);
    if (!ordine) return {};

    // Catalogue order and the ranked orders read the same counters; the ranked ones go
    // through the working copy so that whole rows travel together.
    TGruppiOrdinati copiaGruppi;
    assegnaChanceComplesse(partita, copiaGruppi);
    ordinaFamiglia(copiaGruppi, *tipo, *ordine);
    const auto righe = fetta(copiaGruppi, *tipo);
    return {righe.begin(), righe.end()};
}

} // namespace girolino
