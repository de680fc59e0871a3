// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a spin list of the largest size accepted.

#include "gamefile/ElencoNumeri.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using namespace girolino;

void BM_Leggi1M(benchmark::State& state) {
    std::mt19937 caso(2024);
    std::string testo;
    for (std::size_t i = 0; i < MAX_NUMERI_ELENCO; ++i) {
        testo += std::to_string(caso() % 37);
        testo += '\n';
    }
    for (auto _ : state) {
        auto elenco = leggiElencoNumeri(testo);
        if (!elenco.valido()) state.SkipWithError(elenco.errore.c_str());
        benchmark::DoNotOptimize(elenco);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(MAX_NUMERI_ELENCO));
}
BENCHMARK(BM_Leggi1M)->Unit(benchmark::kMillisecond);

} // namespace
