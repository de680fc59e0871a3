// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The richer control kinds each live in a view file of their own; the window view
// finds a kind's builder and copier here and knows nothing else about them.

#include "lingua/Traduttore.h"
#include "ui/Form.h"

#include <functional>

class QWidget;

namespace girolino::qt {

// Runs a model event handler for a room's widget, then asks for the coalesced render.
using TInoltro = std::function<void(const std::function<void()>&)>;

struct TStanza {
    // Builds the widget of control `id` of `modello`, wiring its user actions through `inoltra`.
    QWidget* (*crea)(ui::TForm& modello, int id, QWidget* genitore, TInoltro inoltra,
                     const lingua::TTraduttore& lingua);
    // Copies the control's state into the widget, touching only what differs from it; the
    // texts it shows are translated by `lingua`.
    void (*copia)(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore& lingua);
};

// The room of a kind, nullptr for the kinds the window view builds itself.
const TStanza* stanza(ui::TTipo t);

} // namespace girolino::qt
