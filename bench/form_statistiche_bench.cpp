// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one redraw of the observed-against-expected window in a game of a million spins:
// every row's statistics, the table's cells and the chart's series. An open window pays it
// once per spin clicked and once per random run.

#include "PiattaformaMuta.h"
#include "engine/Settori.h"
#include "gamefile/Rigioco.h"
#include "ui/FormStatistiche.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace girolino;

void BM_FormStatistiche1M(benchmark::State& state) {
    std::mt19937 caso(2024);
    std::vector<int> spins(1'000'000);
    for (int& n : spins) n = static_cast<int>(caso() % NUMERI);
    TPartita partita;
    const TRigioco r = rigioca(spins);
    for (int n = 0; n < NUMERI; ++n) static_cast<TContatore&>(partita.numeri[n]) = r.numeri[n];
    for (int c = Rosso; c <= Col3; ++c) static_cast<TContatore&>(partita.chance[c]) = r.chance[c];
    partita.ruota = rigiocaRuota(spins);
    partita.bouleEseguite = static_cast<std::int32_t>(spins.size());

    bench::PiattaformaMuta piattaforma;
    ui::TFormStatistiche f(piattaforma, partita);
    f.mostra();
    const int timer = f.id("TimerAggiorna");
    for (auto _ : state) {
        f.partitaCambiata();
        f.tick(timer);
        f.renderizzato();
    }
}
BENCHMARK(BM_FormStatistiche1M)->Unit(benchmark::kMillisecond);

} // namespace
