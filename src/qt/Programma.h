// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on Qt: the platform, the window models and one view per window,
// wired together. main() runs it; the picture tool and the benchmarks drive it.

#include "qt/PiattaformaQt.h"
#include "qt/Regia.h"
#include "ui/Applicazione.h"

#include <QString>

#include <functional>
#include <memory>

namespace girolino::qt {

class TVistaForm;

class TProgramma {
public:
    // Makes the platform the windows will use, given the regia it reports to.
    using TFabbricaPiattaforma = std::function<std::unique_ptr<TPiattaformaQt>(TRegia&)>;

    // An empty settings file means the user's own store.
    // Every window speaks the language given.
    explicit TProgramma(const QString& fileImpostazioni = {}, std::string_view lingua = "it");
    explicit TProgramma(const TFabbricaPiattaforma& fabbrica, std::string_view lingua = "it");
    TProgramma(const TProgramma&) = delete;
    TProgramma& operator=(const TProgramma&) = delete;
    ~TProgramma();

    // The main window's show step, then everything it changed is put on screen.
    void avvia();

    TRegia& regia() { return regia_; }
    TPiattaformaQt& piattaforma() { return *piattaforma_; }
    ui::TApplicazione& applicazione() { return applicazione_; }
    TVistaForm& vista(const ui::TForm& f);

private:
    TRegia regia_;
    std::unique_ptr<TPiattaformaQt> piattaforma_;
    ui::TApplicazione applicazione_;
};

} // namespace girolino::qt
