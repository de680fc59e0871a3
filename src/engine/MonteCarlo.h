// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A betting system played on many simulated sessions, spread over worker threads. The figures
// depend only on the settings and the seed: never on the number of threads.

#include "engine/Sistema.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace girolino {

inline constexpr std::int64_t MAX_SESSIONI = 1'000'000;
inline constexpr std::int64_t MAX_GIRI_SESSIONE = 100'000;

struct TParametriMonteCarlo {
    std::int64_t sessioni = 10'000;
    std::int64_t giriPerSessione = 1'000; // spins available to each session
    std::uint64_t seme = 1;
    unsigned thread = 0;          // worker threads; 0 for one per core
    int curveCampione = 5;        // sessions 0, 1, ... whose bankroll after each bet is kept
    int classiDistribuzione = 40; // classes of the distribution of the final results
};

// Nothing when the run can start; otherwise an Italian sentence naming the wrong field.
std::optional<std::string> validaMonteCarlo(const TParametriMonteCarlo& p);

// Classes of equal width from the lowest final result to the highest (the highest falls in
// the last class). A single class of width 1 centred on the result when all are equal.
struct TDistribuzione {
    double inizio = 0;
    double ampiezza = 0;
    std::vector<std::int64_t> conteggi;

    friend bool operator==(const TDistribuzione&, const TDistribuzione&) = default;
};

// Final result of a session: final bankroll - starting bankroll. Percentile q is the value at
// rank ceil(q * S) among the S results sorted ascending; the median is q = 1/2.
struct TRisultatoMonteCarlo {
    std::int64_t sessioni = 0;
    double media = 0;
    double mediana = 0;
    double p5 = 0;
    double p95 = 0;
    // Shares 0..1 of the sessions that ended by each reason.
    double quotaObiettivo = 0;
    double quotaStop = 0;
    double quotaRovina = 0;
    // Sum of the results over the sum of the stakes; nothing when no session placed a bet.
    std::optional<double> rendimento;
    std::int64_t puntate = 0;               // bets played by all sessions together
    std::vector<std::vector<double>> curve; // per sample session, the bankroll after each bet
    TDistribuzione distribuzione;

    friend bool operator==(const TRisultatoMonteCarlo&, const TRisultatoMonteCarlo&) = default;
};

// Sessions done so far and in all. Called on the calling thread only.
using TAvanzamento = std::function<void(std::int64_t fatte, std::int64_t totali)>;

// Runs the sessions on the calling thread and p.thread - 1 more. Nothing once `annulla` is
// seen set (between sessions). Throws std::invalid_argument with the Italian message for bad
// settings or parameters.
std::optional<TRisultatoMonteCarlo> eseguiMonteCarlo(const TImpostazioniSistema& impostazioni,
                                                     const TParametriMonteCarlo& p,
                                                     const TAvanzamento& avanzamento = {},
                                                     const std::atomic<bool>* annulla = nullptr);

} // namespace girolino
