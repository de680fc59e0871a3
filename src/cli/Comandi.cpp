// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Comandi.h"

#include "lingua/Traduttore.h"
#include "model/Testo.h"

namespace girolino::cli {

std::string TErroreCli::unisci(const std::string& luogo, const std::string& motivo,
                               bool alPostoDellEtichetta) {
    if (luogo.empty()) return motivo;
    const auto etichetta = alPostoDellEtichetta ? motivo.find(": ") : std::string::npos;
    return luogo + (etichetta == std::string::npos ? ": " + motivo : motivo.substr(etichetta));
}

std::string TErroreCli::testo(const lingua::TTraduttore& tr) const {
    return unisci(luogo, tr.traduci(motivo), alPostoDellEtichetta);
}

std::span<const TVoceComando> comandi() {
    static constexpr TVoceComando tabella[] = {
        {"stat", TESTO("Statistiche di una partita: osservato contro atteso"), creaComandoStat},
        {"simula", TESTO("Un sistema di puntate giocato sui giri di una partita"),
         creaComandoSimula},
        {"montecarlo", TESTO("Un sistema di puntate su molte sessioni simulate"),
         creaComandoMonteCarlo},
    };
    return tabella;
}

} // namespace girolino::cli
