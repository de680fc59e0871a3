// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ribbon copied into its widget. A ribbon of one-line entries (TVistaNastro) draws the
// model's lines itself and only learns their number. A ribbon of wrapped text is a document
// copied by difference: a long text appended to line by line would otherwise cost a relayout
// of every line each time, so only the lines past those unchanged since the last copy are
// rewritten, and the caret is moved only when the model asks for it and it is not already
// where asked.

#include "ui/Controllo.h"

#include <cstddef>

class QPlainTextEdit;

namespace girolino::qt {

class TVistaNastro;

// What the widget of a ribbon already shows.
struct TNastroMostrato {
    std::size_t righe = 0; // lines
    int scorrimenti = 0;   // caret moves already done
};

void copiaNastro(QPlainTextEdit& ed, const ui::TControllo& c, TNastroMostrato& m);
void copiaNastro(TVistaNastro& v, const ui::TControllo& c, TNastroMostrato& m);

} // namespace girolino::qt
