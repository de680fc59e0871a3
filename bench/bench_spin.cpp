// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of entering one spin into a game that keeps growing, as a long random run does.

#include "engine/Classifiche.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"
#include "engine/GruppiOrdinati.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace girolino;

constexpr int BOULES_PER_PARTITA = 30000;

void BM_Spin(benchmark::State& state) {
    // The numbers are drawn beforehand so that only the game's own work is timed.
    TEstrattore estrattore([] { return std::uint64_t{0}; }, 2024);
    std::vector<int> numeri(BOULES_PER_PARTITA);
    for (int& n : numeri) n = estrattore.estrai();

    TPartita partita;
    TClassifiche classifiche;
    TGruppiOrdinati gruppi;
    int i = 0;
    for (auto _ : state) {
        // Everything the refresh after a spin computes: counters, the three rankings
        // and the five family orders.
        inserisciSpin(partita, numeri[i]);
        assegnaChanceComplesse(partita, gruppi);
        ordinaFamiglie(gruppi, true);
        calcolaClassifiche(partita, classifiche);
        benchmark::DoNotOptimize(partita);
        benchmark::DoNotOptimize(classifiche);
        benchmark::DoNotOptimize(gruppi);
        if (++i == BOULES_PER_PARTITA) {
            state.PauseTiming();
            partita = TPartita{};
            i = 0;
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Spin)->Unit(benchmark::kMicrosecond);

} // namespace
