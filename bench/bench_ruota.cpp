// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of the wheel's sectors and arcs alone: their part of a spin, and an undo in a very
// long game, where the previous hits are looked up on the ribbon.

#include "engine/Annulla.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"
#include "engine/Settori.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace girolino;

std::vector<int> estratti(int quanti) {
    TEstrattore estrattore([] { return std::uint64_t{0}; }, 2024);
    std::vector<int> numeri(static_cast<std::size_t>(quanti));
    for (int& n : numeri) n = estrattore.estrai();
    return numeri;
}

void BM_AggiornaRuota(benchmark::State& state) {
    constexpr int BOULE = 30000;
    const std::vector<int> numeri = estratti(BOULE);
    TPartita partita;
    int i = 0;
    for (auto _ : state) {
        aggiornaRuota(partita, numeri[static_cast<std::size_t>(i)]);
        benchmark::DoNotOptimize(partita.ruota);
        if (++i == BOULE) {
            state.PauseTiming();
            azzeraRuota(partita);
            i = 0;
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_AggiornaRuota);

// Undo and replay of the last spin of a game of a million spins. With range(0) = 1 the
// last spin is the first hit of "Orphelins" after a million spins away from it, so the
// undo reads the whole ribbon: the worst case.
void BM_AnnullaRuota(benchmark::State& state) {
    constexpr int BOULE = 1'000'000;
    const bool peggiore = state.range(0) == 1;
    std::vector<int> numeri = estratti(BOULE);
    if (peggiore)
        for (int& n : numeri) n = n % 2 == 0 ? 0 : 27;
    numeri.back() = peggiore ? 17 : numeri.back();
    TPartita partita;
    for (int n : numeri) {
        partita.nastroNumeri.push_back(std::to_string(n));
        aggiornaRuota(partita, n);
    }
    const int ultimo = numeri.back();
    for (auto _ : state) {
        partita.nastroNumeri.pop_back();
        annullaRuota(partita, ultimo);
        partita.nastroNumeri.push_back(std::to_string(ultimo));
        aggiornaRuota(partita, ultimo);
        benchmark::DoNotOptimize(partita.ruota);
    }
}
BENCHMARK(BM_AnnullaRuota)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
