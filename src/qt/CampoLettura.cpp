// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/CampoLettura.h"

#include <QPainter>
#include <QStyle>

namespace girolino::qt {

namespace {

QColor misto(const QColor& a, const QColor& b) {
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

} // namespace

TCampoLettura::TCampoLettura(QWidget* genitore) : QLineEdit(genitore) {
    setReadOnly(true);
    // The text keeps the place it had inside the style's frame.
    const int bordo = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    setFrame(false);
    setTextMargins(bordo, bordo, bordo, bordo);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted below
}

void TCampoLettura::paintEvent(QPaintEvent* e) {
    QLineEdit::paintEvent(e); // fills the whole box, as there is no frame

    // Lines as filled one-pixel rectangles: the cheapest thing the raster engine draws.
    QPainter p(this);
    const QColor sotto = parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                        : palette().color(QPalette::Window);
    const QColor linea = hasFocus() ? palette().color(QPalette::Highlight).darker(125)
                                    : palette().color(QPalette::Window).darker(140);
    const int w = width();
    const int h = height();
    p.fillRect(2, 0, w - 4, 1, linea);
    p.fillRect(2, h - 1, w - 4, 1, linea);
    p.fillRect(0, 2, 1, h - 4, linea);
    p.fillRect(w - 1, 2, 1, h - 4, linea);
    // Rounded corners, as the style draws them.
    const QColor smusso = misto(linea, sotto);
    for (const int x : {0, w - 2}) {
        p.fillRect(x, 0, 2, 2, smusso);
        p.fillRect(x, h - 2, 2, 2, smusso);
    }
    const QColor& base = palette().color(QPalette::Base);
    for (const int x : {1, w - 2}) {
        p.fillRect(x, 1, 1, 1, misto(smusso, base));
        p.fillRect(x, h - 2, 1, 1, base);
    }
    for (const int x : {0, w - 1}) {
        p.fillRect(x, 0, 1, 1, sotto);
        p.fillRect(x, h - 1, 1, 1, sotto);
    }
    // The faint shadow under the top edge.
    p.fillRect(2, 1, w - 4, 1, QColor(0, 0, 0, 18));
}

} // namespace girolino::qt
