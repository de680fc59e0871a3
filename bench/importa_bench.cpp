// Importing a list of 100,000 spins through the main window, from the text to the screen
// rendered once at the end: reading, the preview confirmed, the spins entered a block at a
// time with the windows drawn between blocks.

#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "ui/Applicazione.h"
#include "ui/FormImporta.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <string>

namespace {

void BM_Importa100k(benchmark::State& state) {
    constexpr int SPIN = 100000;
    std::mt19937 caso(7);
    std::string testo;
    for (int i = 0; i < SPIN; ++i) testo += std::to_string(caso() % 37) + '\n';
    for (auto _ : state) {
        state.PauseTiming();
        std::optional<QTemporaryDir> cartella(std::in_place);
        std::optional<girolino::qt::TProgramma> programma(
            std::in_place, cartella->filePath(QStringLiteral("girolino.ini")));
        programma->piattaforma().browserReale = false;
        // The preview is confirmed at once.
        programma->piattaforma().duranteModale = [](girolino::ui::TForm& f) {
            if (f.nomeClasse() == "TFormImporta") f.click(f.id("BitBtnImporta"));
        };
        programma->avvia();
        QCoreApplication::processEvents();
        auto& app = programma->applicazione();
        state.ResumeTiming();
        app.form1().importaTesto("bench.txt", testo);
        programma->regia().renderizzaTutto();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (app.partita().bouleEseguite != SPIN) state.SkipWithError("spin mancanti");
        programma.reset();
        cartella.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Importa100k)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same spins through the window models alone: what the game and the windows' state cost,
// without the toolkit drawing the result.
class PiattaformaMuta : public girolino::ui::TPiattaforma {
public:
    void messaggio(const std::string&) override {}
    void errore(const std::string&) override {}
    bool domanda(const std::string&) override { return false; }
    std::optional<std::string> dialogoSalva(const girolino::ui::TDialogoFile&) override {
        return {};
    }
    std::optional<std::string> dialogoApri(const girolino::ui::TDialogoFile&) override {
        return {};
    }
    void mostraModale(girolino::ui::TForm& f) override {
        if (f.nomeClasse() == "TFormImporta") f.click(f.id("BitBtnImporta"));
        f.nascondi();
    }
    bool impostazioniDisponibili() override { return false; }
    std::optional<bool> leggiImpostazione(const std::string&) override { return {}; }
    bool scriviImpostazione(const std::string&, bool) override { return false; }
    void apriIndirizzo(const std::string&) override {}
    std::uint64_t orologio() override { return 1; }
    std::string cartellaProgramma() override { return "."; }
    std::string cartellaDocumenti() override { return "."; }
    void fuoco(girolino::ui::TForm&, int) override {}
    void esci() override {}
};

void BM_Importa100kModelli(benchmark::State& state) {
    constexpr int SPIN = 100000;
    std::mt19937 caso(7);
    std::string testo;
    for (int i = 0; i < SPIN; ++i) testo += std::to_string(caso() % 37) + '\n';
    for (auto _ : state) {
        state.PauseTiming();
        PiattaformaMuta piattaforma;
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
