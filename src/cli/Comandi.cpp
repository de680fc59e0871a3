#include "cli/Comandi.h"

namespace girolino::cli {

std::span<const TVoceComando> comandi() {
    static constexpr TVoceComando tabella[] = {
        {"stat", "Statistiche di una partita: osservato contro atteso", creaComandoStat},
    };
    return tabella;
}

} // namespace girolino::cli
