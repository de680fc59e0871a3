// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A platform that answers nothing, for benchmarks of the windows: the timed work never asks
// anything, and background work runs at once on the calling thread.

#include "ui/Piattaforma.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace girolino::bench {

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
    std::optional<std::string> leggiTestoImpostazione(const std::string&) override { return {}; }
    bool scriviTestoImpostazione(const std::string&, const std::string&) override { return false; }
    void apriIndirizzo(const std::string&) override {}
    std::uint64_t orologio() override { return ++tick_; }
    std::string cartellaProgramma() override { return "."; }
    std::string cartellaDocumenti() override { return "."; }
    void fuoco(ui::TForm&, int) override {}
    void esci() override {}
    void inSottofondo(std::function<void(const TPosta&)> lavoro,
                      std::function<void()> fatto) override {
        lavoro([](const std::function<void()>& f) { f(); });
        fatto();
    }

private:
    std::uint64_t tick_ = 0;
};

} // namespace girolino::bench
