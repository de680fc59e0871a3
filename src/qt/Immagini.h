// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures of the picture buttons and picture controls, keyed by the picture
// name a window gives them ("aiuto", "salva", ...). Drawn in code or taken
// from the style, so the program carries no image files.

#include <QIcon>
#include <QPixmap>

#include <string>

namespace girolino::qt {

QIcon icona(const std::string& nome);
QPixmap immagine(const std::string& nome, QSize dimensione);

} // namespace girolino::qt
