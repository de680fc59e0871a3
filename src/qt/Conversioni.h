// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two conversions every view needs from the models' plain data: UTF-8 text and colours.

#include "ui/Colori.h"

#include <QColor>
#include <QString>

#include <string>

namespace girolino::qt {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

inline QColor colore(ui::TColore c) {
    return QColor::fromRgb(static_cast<QRgb>(c & 0xFFFFFFu));
}

} // namespace girolino::qt
