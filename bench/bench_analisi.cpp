#include "engine/AnalisiChance.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

// A record of 32767 random spins, as long as a game can be without wider counters.
girolino::TPartita registroCasuale() {
    girolino::TPartita p;
    std::mt19937 gen(12345);
    std::uniform_int_distribution<int> numero(0, 36);
    for (int i = 0; i < 32767; ++i) {
        const int n = numero(gen);
        const auto& l = girolino::lettereNastro(n);
        p.nastroNumeri.push_back(std::to_string(n));
        p.nastroRossoNero.push_back(l[0]);
        p.nastroPariDispari.push_back(l[1]);
        p.nastroManqPass.push_back(l[2]);
        p.nastroDozzine.push_back(l[3]);
        p.nastroColonne.push_back(l[4]);
        ++p.bouleEseguite;
    }
    return p;
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
