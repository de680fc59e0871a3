// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Regia.h"

#include "qt/VistaForm.h"
#include "ui/Form.h"

#include <QTimer>
#include <QtGlobal>

namespace girolino::qt {

TRegia::TRegia(std::string_view lingua) : traduttore_(lingua) {}
TRegia::~TRegia() = default;

TVistaForm& TRegia::crea(ui::TForm& f) {
    viste_.push_back(std::make_unique<TVistaForm>(f, *this));
    return *viste_.back();
}

TVistaForm* TRegia::vista(const ui::TForm& f) const {
    for (const auto& v : viste_)
        if (&v->modello() == &f) return v.get();
    return nullptr;
}

TVistaForm* TRegia::principale() const {
    return viste_.empty() ? nullptr : viste_.front().get();
}

void TRegia::eliminaViste() {
    while (!viste_.empty()) viste_.pop_back(); // the main window goes last
}

void TRegia::programma() {
    if (programmato_) return;
    programmato_ = true;
    QTimer::singleShot(0, this, [this] {
        if (programmato_) renderizzaTutto();
    });
}

void TRegia::renderizzaTutto() {
    if (inRender_) return;
    inRender_ = true;
    programmato_ = false;
    for (const auto& v : viste_) v->renderizza();
    inRender_ = false;
    emit renderizzato();
}

void TRegia::segnalaErrore(const std::string& testo) {
    if (gestoreErrori_)
        gestoreErrori_(testo);
    else
        qWarning("%s", testo.c_str());
}

} // namespace girolino::qt
