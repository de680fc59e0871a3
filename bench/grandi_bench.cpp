// SPDX-License-Identifier: GPL-3.0-or-later
// A game of a million spins on screen (offscreen): opening it saved, a new game over it, the
// first spin after opening, a spin and its undo, and a random run of 100,000 spins on top of it.
// The saved game is made once, by ten random runs of 100,000 through the window models, and kept in
// the temporary folder for later runs. Each benchmark reports the resident memory after its work
// (RSS_MB) and the process's peak so far (picco_MB).

#include "BancoQt.h"
#include "PiattaformaMuta.h"

#include <QDir>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace girolino;

constexpr std::int32_t BOULE = 1'000'000;

// The platform that saves the game being made where asked.
class TPiattaformaSalva : public girolino::bench::PiattaformaMuta {
public:
    explicit TPiattaformaSalva(std::string percorso) : percorso_(std::move(percorso)) {}
    std::optional<std::string> dialogoSalva(const ui::TDialogoFile&) override { return percorso_; }

private:
    std::string percorso_;
};

fs::path partitaDi1M() {
    const fs::path cartella = fs::path(QDir::tempPath().toStdString()) / "girolino-bench-1M";
    const fs::path file = cartella / "milione.fvr";
    if (fs::exists(file)) return file;
    fs::create_directories(cartella);
    TPiattaformaSalva piattaforma(file.string());
    ui::TApplicazione app(piattaforma);
    app.avvia();
    for (int i = 0; i < 10; ++i) app.form1().estraiCasuali("100000");
    app.form1().salvaConNome();
    return file;
}

// Resident memory of this process in MB: now (VmRSS) or its peak (VmHWM).
double memoriaMB(const std::string& voce) {
    std::ifstream stato("/proc/self/status");
    std::string riga;
    while (std::getline(stato, riga))
        if (riga.rfind(voce + ":", 0) == 0) return std::stod(riga.substr(voce.size() + 1)) / 1024.0;
    return 0;
}

void riportaMemoria(benchmark::State& state) {
    state.counters["RSS_MB"] = memoriaMB("VmRSS");
    state.counters["picco_MB"] = memoriaMB("VmHWM");
}

using bench::TBanco;

// Opens the saved game as "Apri" does, and shows it.
bool apri(TBanco& banco, const fs::path& file) {
    const bool aperta = banco.form1().caricaFilePartita(file);
    banco.programma.regia().renderizzaTutto();
    QCoreApplication::processEvents();
    return aperta && banco.programma.applicazione().partita().bouleEseguite == BOULE;
}

void BM_Apri1M(benchmark::State& state) {
    const fs::path file = partitaDi1M();
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<TBanco> banco(std::in_place);
        state.ResumeTiming();
        if (!apri(*banco, file)) state.SkipWithError("partita non aperta");
        state.PauseTiming();
        riportaMemoria(state);
        banco.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Apri1M)->Unit(benchmark::kMillisecond)->Iterations(1);

// Times `azione` on a program that has just opened the saved game, a fresh program each
// time; `prepara` runs before it and `esito` after it (an error text, or null), both untimed.
template <class Prepara, class Azione, class Esito>
void sullaPartitaAperta(benchmark::State& state, Prepara prepara, Azione azione, Esito esito) {
    const fs::path file = partitaDi1M();
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<TBanco> banco(std::in_place);
        if (!apri(*banco, file)) state.SkipWithError("partita non aperta");
        prepara(*banco);
        state.ResumeTiming();
        azione(*banco);
        state.PauseTiming();
        if (const char* errore = esito(*banco)) state.SkipWithError(errore);
        riportaMemoria(state);
        banco.reset();
        state.ResumeTiming();
    }
}

int32_t boule(TBanco& banco) {
    return banco.programma.applicazione().partita().bouleEseguite;
}

void BM_Nuova1M(benchmark::State& state) {
    sullaPartitaAperta(
        state, [](TBanco&) {},
        [](TBanco& banco) {
            banco.form1().nuovaPartita();
            banco.programma.regia().renderizzaTutto();
            QCoreApplication::processEvents();
        },
        [](TBanco& banco) { return boule(banco) == 0 ? nullptr : "partita non svuotata"; });
}
BENCHMARK(BM_Nuova1M)->Unit(benchmark::kMillisecond)->Iterations(1);

// The first spin clicked after opening: whatever the opened game still had to work out.
void BM_PrimoSpin1M(benchmark::State& state) {
    sullaPartitaAperta(
        state, [](TBanco&) {}, [](TBanco& banco) { banco.premi("SpeedButton18"); },
        [](TBanco& banco) { return boule(banco) == BOULE + 1 ? nullptr : "spin non inserito"; });
}
BENCHMARK(BM_PrimoSpin1M)->Unit(benchmark::kMillisecond)->Iterations(1);

// A spin clicked on the opened game and taken back, each with its render and painting; with
// the argument 1, every analysis window is on screen and follows the game.
void BM_SpinEAnnulla1M(benchmark::State& state) {
    std::optional<TBanco> banco(std::in_place);
    if (!apri(*banco, partitaDi1M())) return state.SkipWithError("partita non aperta");
    if (state.range(0) == 1) {
        banco->premi("SpeedButton18"); // the number trend opens after a spin of this session
        for (const char* analisi : {"BitBtn3", "BitBtn5", "BitBtn4", "BitBtn8", "BitBtn9"})
            banco->premi(analisi);
    }
    auto& app = banco->programma.applicazione();
    for (const ui::TForm* f : std::initializer_list<const ui::TForm*>{
             &app.form11(), &app.form12(), &app.form4(), &app.form6(), &app.form8()})
        if (state.range(0) == 1 && !banco->programma.vista(*f).isVisible())
            return state.SkipWithError(("finestra non aperta: " + f->nomeClasse()).c_str());
    for (auto _ : state) {
        banco->premi("SpeedButton18");
        banco->premi("SpeedButton47"); // undo
    }
    riportaMemoria(state);
}
BENCHMARK(BM_SpinEAnnulla1M)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Each analysis window opened on the opened game, with its first render and painting:
// 0 "Guarda Tutte", 1 "Statistiche 37 Numeri", 2 "Analisi Chance Semplici",
// 3 "Andamento Chance Semplici", 4 "Andamento 37 Numeri" (after a spin of this session).
void BM_Finestra1M(benchmark::State& state) {
    static constexpr const char* pulsanti[] = {"BitBtn3", "BitBtn5", "BitBtn4", "BitBtn8",
                                               "BitBtn9"};
    const char* pulsante = pulsanti[state.range(0)];
    sullaPartitaAperta(
        state,
        [&state](TBanco& banco) {
            if (state.range(0) == 4) banco.premi("SpeedButton18");
        },
        [pulsante](TBanco& banco) { banco.premi(pulsante); },
        [](TBanco&) -> const char* { return nullptr; });
}
BENCHMARK(BM_Finestra1M)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RandomRun100k(benchmark::State& state) {
    sullaPartitaAperta(
        state,
        [](TBanco& banco) { banco.form1().testoDigitato(banco.form1().id("Edit1"), "100000"); },
        [](TBanco& banco) { banco.premi("BitBtn2"); }, // "Vai"
        [](TBanco& banco) { return boule(banco) == BOULE + 100000 ? nullptr : "spin mancanti"; });
}
BENCHMARK(BM_RandomRun100k)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
