// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ribbon copied into its widget by difference. A long game appends one line per spin to
// several ribbons: rewriting them whole would cost a relayout of every line each time, so
// only the lines past those unchanged since the last copy are rewritten, and the caret is
// moved only when the model asks for it and it is not already where asked.

#include "ui/Controllo.h"

#include <cstddef>

class QPlainTextEdit;

namespace girolino::qt {

// What the widget of a ribbon already shows.
struct TNastroMostrato {
    std::size_t righe = 0; // lines
    int scorrimenti = 0;   // caret moves already done
};

void copiaNastro(QPlainTextEdit& ed, const ui::TControllo& c, TNastroMostrato& m);

} // namespace girolino::qt
