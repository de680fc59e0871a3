// SPDX-License-Identifier: GPL-3.0-or-later
// Simulated spins per second of the Monte Carlo simulator on every core: Martingala on Rosso,
// 100,000 sessions of 1,000 spins.

#include "engine/MonteCarlo.h"

#include <benchmark/benchmark.h>

namespace {

using namespace girolino;

// range(0): the starting bankroll. With 1,000,000 units no session is ruined and every one
// plays its 1,000 spins; with the default 100 most sessions end early by ruin, and only the
// spins actually played are counted.
void BM_MonteCarlo(benchmark::State& state) {
    TImpostazioniSistema s;
    s.progressione = TTipoProgressione::Martingala;
    s.cassa = static_cast<double>(state.range(0));
    TParametriMonteCarlo p;
    p.sessioni = 100'000;
    p.giriPerSessione = 1'000;
    p.seme = 1;
    std::int64_t giri = 0;
    for (auto _ : state) {
        const auto r = eseguiMonteCarlo(s, p);
        giri += r->puntate;
        benchmark::DoNotOptimize(r->media);
    }
    state.counters["giri/s"] =
        benchmark::Counter(static_cast<double>(giri), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_MonteCarlo)->Arg(1'000'000)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
