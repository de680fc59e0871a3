// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole program on Qt (offscreen) for the benchmarks that measure what the player sees:
// the platform answers for the player nobody is, the program starts as a first start would.

#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "ui/Applicazione.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace girolino::bench {

// Nobody sits at the bench: every question is answered yes, the import preview is confirmed
// at once and any other modal window (the rules at a first start) closes.
class TPiattaformaBanco : public qt::TPiattaformaQt {
public:
    using TPiattaformaQt::TPiattaformaQt;
    bool domanda(const std::string&) override { return true; }

protected:
    void attendiModale(ui::TForm& f) override {
        if (f.nomeClasse() == "TFormImporta") f.click(f.id("BitBtnImporta"));
        if (f.visibile()) f.nascondi();
    }
};

struct TBanco {
    TBanco()
        : programma([this](qt::TRegia& r) {
              return std::make_unique<TPiattaformaBanco>(
                  r, cartella.filePath(QStringLiteral("girolino.ini")));
          }) {
        programma.avvia();
        QCoreApplication::processEvents();
    }
    ui::TForm1& form1() { return programma.applicazione().form1(); }
    QAbstractButton* pulsante(const char* nome) {
        return qobject_cast<QAbstractButton*>(programma.vista(form1()).widget(nome));
    }
    // A click on a button of the main window, and the render that follows.
    void premi(const char* nome) {
        pulsante(nome)->click();
        QCoreApplication::processEvents();
    }

    QTemporaryDir cartella;
    qt::TProgramma programma;
};

} // namespace girolino::bench
