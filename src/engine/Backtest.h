// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A betting system played on a known list of spins.

#include "engine/Sistema.h"
#include "model/Partita.h"

#include <cstdint>
#include <span>
#include <vector>

namespace girolino {

struct TRisultatoBacktest {
    std::int64_t puntate = 0; // bets played
    std::int64_t vinte = 0;
    std::int64_t perse = 0; // a zero with La Partage counts here
    double puntato = 0;     // total staked, after the table limits
    double cassaFinale = 0;
    double cassaMinima = 0; // over the starting bankroll and the bankroll after each bet
    double cassaMassima = 0;
    TFineSessione fine = TFineSessione::Fine;
    std::vector<double> curva; // the bankroll after each bet

    friend bool operator==(const TRisultatoBacktest&, const TRisultatoBacktest&) = default;
};

// One session from the first spin until a stop. Throws std::invalid_argument with
// validaImpostazioni's message for bad settings, std::out_of_range for a spin outside 0..36;
// either before playing anything.
TRisultatoBacktest eseguiBacktest(const TImpostazioniSistema& impostazioni,
                                  std::span<const int> giri);

// The spins of a game, oldest first: the lines of its number ribbon that hold a number.
std::vector<int> giriDellaPartita(const TPartita& partita);

} // namespace girolino
