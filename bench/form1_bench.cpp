// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one spin through the main window's model: every counter field, ranking, family
// row, highlight pass, signal, ribbon and the pad's strip, as a click or a random run pays it.

#include "PiattaformaMuta.h"
#include "ui/Applicazione.h"

#include <benchmark/benchmark.h>

#include <array>
#include <optional>

#include <string>

namespace {

using namespace girolino;

void BM_ClicNumero(benchmark::State& state) {
    girolino::bench::PiattaformaMuta piattaforma;
    ui::TApplicazione app(piattaforma);
    app.avvia();
    ui::TForm1& f = app.form1();
    std::array<int, NUMERI> pulsanti{};
    for (int n = 0; n < NUMERI; ++n) pulsanti[n] = f.id("SpeedButton" + std::to_string(n + 1));
    int i = 0;
    for (auto _ : state) {
        f.click(pulsanti[(i * 7 + 3) % NUMERI]);
        if (++i % 256 == 0) f.renderizzato(); // the view acknowledges now and then
    }
}
BENCHMARK(BM_ClicNumero);

// A random run of 32767 spins: a long game.
void BM_SerieCasuale(benchmark::State& state) {
    for (auto _ : state) {
        girolino::bench::PiattaformaMuta piattaforma;
        ui::TApplicazione app(piattaforma);
        app.avvia();
        ui::TForm1& f = app.form1();
        f.testoDigitato(f.id("Edit1"), "32767");
        f.vai();
        benchmark::DoNotOptimize(app.partita().bouleEseguite);
    }
}
BENCHMARK(BM_SerieCasuale)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
