// Cost of entering one spin into a game that keeps growing, as a long random run does.

#include "engine/Estrazione.h"
#include "engine/Giocata.h"

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
    int i = 0;
    for (auto _ : state) {
        inserisciSpin(partita, numeri[i]);
        // The rankings of the refresh after each spin belong here.
        benchmark::DoNotOptimize(partita);
        if (++i == BOULES_PER_PARTITA) {
            state.PauseTiming();
            partita = TPartita{};
            i = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_Spin);

} // namespace
