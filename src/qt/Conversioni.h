// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversions every view needs from the models' plain data: UTF-8 text, translated
// where the user reads it, and colours.

#include "lingua/Traduttore.h"
#include "ui/Colori.h"

#include <QColor>
#include <QString>

#include <string>

namespace girolino::qt {

inline QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// A text the user reads, in the language the program speaks.
inline QString tradotto(const lingua::TTraduttore& t, const std::string& s) {
    return t.traduce() ? qs(t.traduci(s)) : qs(s);
}

inline QColor colore(ui::TColore c) {
    return QColor::fromRgb(static_cast<QRgb>(c & 0xFFFFFFu));
}

} // namespace girolino::qt
