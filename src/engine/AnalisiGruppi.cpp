// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiGruppi.h"

#include "engine/Scambio.h"

#include <span>

namespace girolino {

namespace {

// The position of testo in the list, as the enum of the same order.
template <typename T, std::size_t N>
std::optional<T> cerca(const std::array<std::string_view, N>& testi, std::string_view testo) {
    for (std::size_t i = 0; i < N; ++i)
        if (testi[i] == testo) return static_cast<T>(i);
    return std::nullopt;
}

} // namespace

std::optional<TTipoGruppo> famigliaDaTesto(std::string_view testo) {
    return cerca<TTipoGruppo>(TESTI_FAMIGLIE, testo);
}

std::optional<TOrdineGruppi> ordineGruppiDaTesto(std::string_view testo) {
    return cerca<TOrdineGruppi>(TESTI_ORDINI_GRUPPI, testo);
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
