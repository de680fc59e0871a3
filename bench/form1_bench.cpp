// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one spin through the main window's model: every counter field, ranking, family
// row, highlight pass, signal, ribbon and the pad's strip, as a click or a random run pays it.

#include "ui/Applicazione.h"

#include <benchmark/benchmark.h>

#include <array>
#include <optional>

#include <string>

namespace {

using namespace girolino;

// A platform that answers nothing: the timed spins never ask anything.
class PiattaformaMuta : public ui::TPiattaforma {
public:
    void messaggio(const std::string&) override {}
    void errore(const std::string&) override {}
    bool domanda(const std::string&) override { return false; }
    std::optional<std::string> dialogoSalva(const ui::TDialogoFile&) override { return {}; }
    std::optional<std::string> dialogoApri(const ui::TDialogoFile&) override { return {}; }
    void mostraModale(ui::TForm&) override {}
    bool impostazioniDisponibili() override { return false; }
    std::optional<bool> leggiImpostazione(const std::string&) override { return {}; }
    bool scriviImpostazione(const std::string&, bool) override { return false; }
    void apriIndirizzo(const std::string&) override {}
    std::uint64_t orologio() override { return ++tick_; }
    std::string cartellaProgramma() override { return "."; }
    std::string cartellaDocumenti() override { return "."; }
    void fuoco(ui::TForm&, int) override {}
    void esci() override {}

private:
    std::uint64_t tick_ = 0;
};

void BM_ClicNumero(benchmark::State& state) {
    PiattaformaMuta piattaforma;
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
        PiattaformaMuta piattaforma;
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
