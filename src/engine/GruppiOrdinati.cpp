// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/GruppiOrdinati.h"

#include "engine/Scambio.h"

#include <span>

namespace girolino {

namespace {

constexpr std::array<TTipoGruppo, NUM_FAMIGLIE> famiglie = {
    TTipoGruppo::Duine, TTipoGruppo::Terzine, TTipoGruppo::Quartine, TTipoGruppo::Sestine,
    TTipoGruppo::Ennine};

} // namespace

std::span<TVoceGruppo> fetta(TGruppiOrdinati& gruppi, TTipoGruppo tipo) {
    const TFamiglia f = famiglia(tipo);
    return std::span<TVoceGruppo>(gruppi.voci).subspan(f.primo - 1, f.numero);
}

TGruppiOrdinati::TGruppiOrdinati() {
    for (int g = 1; g <= NUM_GRUPPI; ++g) voci[g - 1] = {g, 0, 0, 0};
}

void assegnaChanceComplesse(const TPartita& partita, TGruppiOrdinati& gruppi) {
    for (int g = 1; g <= NUM_GRUPPI; ++g) {
        const TContatore& c = partita.gruppi[g];
        gruppi.voci[g - 1] = {g, c.sortite, c.ritardo, c.maxRitardo};
    }
}

void ordinaFamiglie(TGruppiOrdinati& gruppi, bool perRitardo) {
    for (TTipoGruppo tipo : famiglie) {
        if (perRitardo)
            ordinaScambioRapido(fetta(gruppi, tipo),
                                [](const TVoceGruppo& v) { return v.ritardo; });
        else
            ordinaScambioRapido(fetta(gruppi, tipo),
                                [](const TVoceGruppo& v) { return v.sortite; });
    }
}

const TVoceGruppo& primoDellaFamiglia(const TGruppiOrdinati& gruppi, TTipoGruppo tipo) {
    return gruppi.voci[famiglia(tipo).primo - 1];
}

} // namespace girolino
