// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiChance.h"

#include "../tests/support/NastriDiProva.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

// A record of 32767 random spins: a long game.
girolino::TPartita registroCasuale() {
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> numero(0, 36);
    std::vector<int> uscite(32767);
    for (int& n : uscite) n = numero(gen);
    return girolino::test::partitaDaiNastri(uscite);
}

void BM_BestRate(benchmark::State& state) {
    const auto partita = registroCasuale();
    for (auto _ : state) {
        auto migliore = girolino::cercaMigliorTasso(partita, partita.bouleEseguite, 5, 5);
        benchmark::DoNotOptimize(migliore);
    }
}
BENCHMARK(BM_BestRate)->Unit(benchmark::kMillisecond);

} // namespace
