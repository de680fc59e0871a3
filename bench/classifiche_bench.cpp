// SPDX-License-Identifier: GPL-3.0-or-later
// The rankings and the family sort run at every spin; a long run of random spins is
// bounded by them.
#include "engine/Classifiche.h"
#include "engine/GruppiOrdinati.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace girolino;

TPartita partitaCasuale() {
    TPartita p;
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> d(0, 60);
    for (auto& c : p.numeri) c = {{d(gen), d(gen), d(gen)}};
    for (auto& c : p.gruppi) c = {{d(gen), d(gen), d(gen)}};
    return p;
}

void BM_CalcolaClassifiche(benchmark::State& state) {
    const TPartita p = partitaCasuale();
    TClassifiche c;
    for (auto _ : state) {
        calcolaClassifiche(p, c);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_CalcolaClassifiche);

void BM_RiempiEOrdinaFamiglie(benchmark::State& state) {
    const TPartita p = partitaCasuale();
    TGruppiOrdinati g;
    for (auto _ : state) {
        assegnaChanceComplesse(p, g);
        ordinaFamiglie(g, true);
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(BM_RiempiEOrdinaFamiglie);

} // namespace
