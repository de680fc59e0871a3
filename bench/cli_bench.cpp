// SPDX-License-Identifier: GPL-3.0-or-later
// girolino-cli stat on the largest spin list accepted: read, replay, statistics, JSON.

#include "cli/Cli.h"
#include "engine/Statistiche.h"
#include "gamefile/ElencoNumeri.h"
#include "lingua/Traduttore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace girolino;

void BM_CliStat1M(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "girolino_bench_stat_1m.txt";
    {
        std::mt19937 caso(2024);
        std::ofstream o(file, std::ios::binary);
        for (std::size_t i = 0; i < MAX_NUMERI_ELENCO; ++i) o << caso() % 37 << '\n';
    }
    const std::vector<std::string> argomenti = {"stat", file.string(), "--json"};
    const lingua::TTraduttore tr;
    for (auto _ : state) {
        std::istringstream ingresso;
        std::ostringstream uscita, errori;
        if (cli::eseguiCli(argomenti, tr, ingresso, uscita, errori) != cli::ESITO_OK)
            state.SkipWithError(errori.str().c_str());
        benchmark::DoNotOptimize(uscita.str().size());
    }
    std::filesystem::remove(file);
}
BENCHMARK(BM_CliStat1M)->Unit(benchmark::kMillisecond);

// The record probability of one number over a million spins, the statistics' inner loop.
void BM_ProbRitardo1M(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(probabilitaRitardoAlmeno(1'000'000, 1.0 / 37, 420));
}
BENCHMARK(BM_ProbRitardo1M)->Unit(benchmark::kMillisecond);

} // namespace
