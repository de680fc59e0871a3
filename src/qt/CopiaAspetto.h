// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A control's font and colours copied into its widget by difference. Giving a widget a font
// or a palette makes Qt restyle it and its children and lay them out again, and a render
// copies every control the model reports as changed, mostly for a new text: a long game
// would pay that restyling on every spin. So the font and the palette are set only when
// they differ from what the widget already shows.

#include "ui/Controllo.h"

#include <QFont>
#include <QPalette>

#include <optional>

class QWidget;

namespace girolino::qt {

// The font and colours a widget already shows.
struct TAspettoMostrato {
    ui::TCarattere font;
    ui::TColore sfondo = ui::clPredefinito;
    bool impostato = false; // nothing copied yet
};

// Gives w the font and colours of c; its own background, when c has one, fills the role
// ruoloSfondo. adattato is the font of a one-line caption condensed to fit its control: it
// depends on the text as well, so it is compared with the widget's font itself.
void copiaFontEColori(QWidget& w, const ui::TControllo& c, const std::optional<QFont>& adattato,
                      QPalette::ColorRole ruoloSfondo, TAspettoMostrato& m);

} // namespace girolino::qt
