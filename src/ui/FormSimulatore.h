// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The betting system simulator: a bet, a progression, the bankroll and the table's limits,
// played on the spins of the current game (backtest) or on many simulated sessions (Monte
// Carlo, in the background with a progress bar and "Annulla"). The results, a chart of the
// bankroll and, for the simulated sessions, the distribution of the final results; a sentence
// that no progression changes the house edge stays under them.

#include "engine/Backtest.h"
#include "engine/MonteCarlo.h"
#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/FormSimulatoreLayout.h"

#include <atomic>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace girolino::ui {

// Points of a bankroll curve drawn in a chart; longer curves are cut down keeping their shape.
inline constexpr std::size_t PUNTI_GRAFICO = 2000;

class TFormSimulatore : public TForm {
public:
    TFormSimulatore(TPiattaforma& p, const TPartita& partita);
    ~TFormSimulatore() override;

    // The settings the fields hold, or nothing after telling the user which field is wrong.
    std::optional<TImpostazioniSistema> leggiImpostazioni();
    std::optional<TParametriMonteCarlo> leggiParametri();

    // "Simula": the backtest on the game's spins, or the Monte Carlo run started in the
    // background, as the source radios say. Bad settings are reported and nothing runs.
    void simula();
    // "Annulla": asks the running Monte Carlo to stop; the window then says it was cancelled.
    void annulla();
    bool inCorso() const { return annulla_ != nullptr; }

    // What the last run produced; nothing before the first one or after a cancelled one.
    const std::optional<TRisultatoBacktest>& backtest() const { return backtest_; }
    const std::optional<TRisultatoMonteCarlo>& monteCarlo() const { return monteCarlo_; }

    void click(int id) override;
    void cambiato(int id) override;
    void invio(int id) override;
    // Closing the window stops a run in progress.
    bool chiusuraRichiesta() override;

private:
    // The source radios: the Monte Carlo fields and charts follow the choice.
    void aggiornaFonte();
    void aggiornaLinea();
    void impostaInCorso(bool inCorso);
    void svuotaRisultati();
    void eseguiBacktest(const TImpostazioniSistema& s);
    void avviaMonteCarlo(const TImpostazioniSistema& s, const TParametriMonteCarlo& p);
    void mostraAvanzamento(std::int64_t fatte, std::int64_t totali);
    struct TEsitoMonteCarlo;
    void concludiMonteCarlo(const TEsitoMonteCarlo& esito);
    void mostraBacktest(const TRisultatoBacktest& r, std::size_t giri);
    void mostraMonteCarlo(const TRisultatoMonteCarlo& r);

    const TPartita& partita_;
    TImpostazioniSistema ultime_; // the settings of the last run, for its charts
    std::optional<TRisultatoBacktest> backtest_;
    std::optional<TRisultatoMonteCarlo> monteCarlo_;
    // Set while a Monte Carlo runs: the stop flag its workers read.
    std::shared_ptr<std::atomic<bool>> annulla_;
    // Expires with the window, so that what a run posts afterwards touches nothing.
    std::shared_ptr<char> vivo_ = std::make_shared<char>();

    TIdFormSimulatore id_;
};

} // namespace girolino::ui
