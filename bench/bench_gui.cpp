// SPDX-License-Identifier: GPL-3.0-or-later
// The program on screen (offscreen): a click on a number with the render that
// follows, and a long random run with its one final render, alone and with every
// analysis window open.

#include "BancoQt.h"

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <memory>
#include <optional>

namespace {

using girolino::bench::TBanco;

void BM_Click(benchmark::State& state) {
    TBanco banco;
    QAbstractButton* numero = banco.pulsante("SpeedButton18");
    for (auto _ : state) {
        numero->click();                   // the spin through the models
        QCoreApplication::processEvents(); // the render, and the painting of the last one
    }
}
BENCHMARK(BM_Click)->Unit(benchmark::kMillisecond);

void BM_RandomRun(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<TBanco> banco(std::in_place);
        auto& form1 = banco->programma.applicazione().form1();
        // What the view forwards when the user types the count.
        form1.testoDigitato(form1.id("Edit1"), "32767");
        state.ResumeTiming();
        banco->pulsante("BitBtn2")->click(); // "Vai"
        QCoreApplication::processEvents();
        state.PauseTiming(); // closing the windows is not part of the run
        banco.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RandomRun)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same run with every analysis window on screen, each following the game.
void BM_RandomRunFinestreAperte(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<TBanco> banco(std::in_place);
        // The analyses open only once there is a spin to analyse.
        banco->pulsante("SpeedButton18")->click();
        QCoreApplication::processEvents(); // "Andamento 37 Numeri" is enabled on screen
        for (const char* analisi : {"BitBtn3", "BitBtn5", "BitBtn4", "BitBtn8", "BitBtn9"})
            banco->pulsante(analisi)->click();
        QCoreApplication::processEvents();
        auto& app = banco->programma.applicazione();
        for (const girolino::ui::TForm* f : std::initializer_list<const girolino::ui::TForm*>{
                 &app.form11(), &app.form12(), &app.form4(), &app.form6(), &app.form8()})
            if (!banco->programma.vista(*f).isVisible()) {
                state.SkipWithError(("finestra non aperta: " + f->nomeClasse()).c_str());
                return;
            }
        auto& form1 = app.form1();
        form1.testoDigitato(form1.id("Edit1"), "32767");
        state.ResumeTiming();
        banco->pulsante("BitBtn2")->click();
        QCoreApplication::processEvents();
        state.PauseTiming();
        banco.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RandomRunFinestreAperte)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
