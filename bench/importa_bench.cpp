// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a list of 100,000 spins through the main window, from the text to the screen
// rendered once at the end: reading, the preview confirmed, the spins entered a block at a
// time with the windows drawn between blocks.

#include "BancoQt.h"
#include "PiattaformaMuta.h"
#include "ui/FormImporta.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <random>
#include <string>

namespace {

constexpr int SPIN = 100000;

// The same list of spins for both benchmarks, one number a line.
std::string elenco() {
    std::mt19937 caso(7);
    std::string testo;
    for (int i = 0; i < SPIN; ++i) testo += std::to_string(caso() % 37) + '\n';
    return testo;
}

void BM_Importa100k(benchmark::State& state) {
    const std::string testo = elenco();
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<girolino::bench::TBanco> banco(std::in_place);
        auto& app = banco->programma.applicazione();
        state.ResumeTiming();
        app.form1().importaTesto("bench.txt", testo);
        banco->programma.regia().renderizzaTutto();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (app.partita().bouleEseguite != SPIN) state.SkipWithError("spin mancanti");
        banco.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Importa100k)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same spins through the window models alone: what the game and the windows' state cost,
// without the toolkit drawing the result; the platform confirms the import preview, as the
// player's "Importa" does.
class PiattaformaImporta : public girolino::bench::PiattaformaMuta {
public:
    void mostraModale(girolino::ui::TForm& f) override {
        if (f.nomeClasse() == "TFormImporta") f.click(f.id("BitBtnImporta"));
        f.nascondi();
    }
};

void BM_Importa100kModelli(benchmark::State& state) {
    const std::string testo = elenco();
    for (auto _ : state) {
        state.PauseTiming();
        PiattaformaImporta piattaforma;
        std::optional<girolino::ui::TApplicazione> app(std::in_place, piattaforma);
        app->avvia();
        state.ResumeTiming();
        app->form1().importaTesto("bench.txt", testo);
        state.PauseTiming();
        if (app->partita().bouleEseguite != SPIN) state.SkipWithError("spin mancanti");
        app.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Importa100kModelli)->Unit(benchmark::kMillisecond);

} // namespace
