// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Comandi.h"

namespace girolino::cli {

std::span<const TVoceComando> comandi() {
    static constexpr TVoceComando tabella[] = {
        {"stat", "Statistiche di una partita: osservato contro atteso", creaComandoStat},
        {"simula", "Un sistema di puntate giocato sui giri di una partita", creaComandoSimula},
        {"montecarlo", "Un sistema di puntate su molte sessioni simulate", creaComandoMonteCarlo},
    };
    return tabella;
}

} // namespace girolino::cli
