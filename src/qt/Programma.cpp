// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Programma.h"

#include "qt/Tasti.h"
#include "qt/VistaForm.h"

#include <QCoreApplication>

#include <stdexcept>

namespace girolino::qt {

TProgramma::TProgramma(const QString& fileImpostazioni, std::string_view lingua)
    : TProgramma([&fileImpostazioni](
                     TRegia& r) { return std::make_unique<TPiattaformaQt>(r, fileImpostazioni); },
                 lingua) {}

TProgramma::TProgramma(const TFabbricaPiattaforma& fabbrica, std::string_view lingua)
    : regia_(lingua), piattaforma_(fabbrica(regia_)), applicazione_(*piattaforma_) {
    for (ui::TForm* f : applicazione_.finestre()) regia_.crea(*f);
    installaTasti(regia_);
    // Closing the main window ends the program once its model has agreed.
    QObject::connect(regia_.principale(), &TVistaForm::chiusa, [this] { piattaforma_->esci(); });
}

TProgramma::~TProgramma() {
    regia_.eliminaViste();
}

void TProgramma::avvia() {
    applicazione_.avvia();
    regia_.renderizzaTutto();
}

TVistaForm& TProgramma::vista(const ui::TForm& f) {
    TVistaForm* v = regia_.vista(f);
    if (!v) throw std::logic_error("finestra senza vista: " + f.nomeClasse());
    return *v;
}

} // namespace girolino::qt
