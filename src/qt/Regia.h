// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The set of window views of the running program. It schedules the coalesced
// render: however many events arrive in one turn of the event loop, every
// window copies its model's changes once, when the loop is free again.

#include "lingua/Traduttore.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace girolino::ui {
class TForm;
}

namespace girolino::qt {

class TVistaForm;

class TRegia : public QObject {
    Q_OBJECT
public:
    // Every window speaks the language of this code.
    explicit TRegia(std::string_view lingua = "it");
    ~TRegia() override;

    // Builds the view of a window model; views are rendered in creation order.
    TVistaForm& crea(ui::TForm& f);
    TVistaForm* vista(const ui::TForm& f) const;
    const std::vector<std::unique_ptr<TVistaForm>>& viste() const { return viste_; }
    // The first view created: the main window.
    TVistaForm* principale() const;
    // Destroys every view; their models must outlive them.
    void eliminaViste();

    // Asks for one render of every window at the next turn of the event loop.
    void programma();
    // Copies every pending change into the widgets now.
    void renderizzaTutto();
    bool renderProgrammato() const { return programmato_; }

    // Translates the texts every window shows.
    const lingua::TTraduttore& traduttore() const { return traduttore_; }

    // Where an exception escaping a model's event handler is reported.
    void setGestoreErrori(std::function<void(const std::string&)> g) {
        gestoreErrori_ = std::move(g);
    }
    void segnalaErrore(const std::string& testo);

signals:
    // Emitted after each render of all windows.
    void renderizzato();

private:
    lingua::TTraduttore traduttore_;
    std::vector<std::unique_ptr<TVistaForm>> viste_;
    bool programmato_ = false;
    bool inRender_ = false;
    std::function<void(const std::string&)> gestoreErrori_;
};

} // namespace girolino::qt
