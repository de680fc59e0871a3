// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A read-only field with a frame: a QLineEdit in everything (text, selection,
// copying, class name) except its box, which it draws itself as flat lines.
// The style's rounded frame is drawn with antialiased paths and leaves the
// corners to the parent, so every change of text repainted the parent too; the
// counters of the main window change by the dozen at each spin.

#include <QLineEdit>

namespace girolino::qt {

class TCampoLettura : public QLineEdit { // no Q_OBJECT: it stays a QLineEdit to Qt
public:
    explicit TCampoLettura(QWidget* genitore);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace girolino::qt
