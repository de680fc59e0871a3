// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/CopiaAspetto.h"
#include "qt/Caratteri.h"
#include "qt/Conversioni.h"

#include <QWidget>

namespace girolino::qt {

namespace {

// The colour of the text is the palette's part, not the font's.
bool stessoFont(const ui::TCarattere& a, const ui::TCarattere& b) {
    return a.famiglia == b.famiglia && a.px == b.px && a.grassetto == b.grassetto;
}

} // namespace

void copiaFontEColori(QWidget& w, const ui::TControllo& c, const std::optional<QFont>& adattato,
                      QPalette::ColorRole ruoloSfondo, TAspettoMostrato& m) {
    if (adattato) {
        if (!m.impostato || w.font() != *adattato) w.setFont(*adattato);
    } else if (!m.impostato || !stessoFont(m.font, c.font)) {
        w.setFont(fontQt(c.font));
    }
    if (!m.impostato || m.font.colore != c.font.colore || m.sfondo != c.sfondo) {
        QPalette pal;
        const QColor testo = colore(c.font.colore);
        for (auto gruppo : {QPalette::Active, QPalette::Inactive}) {
            pal.setColor(gruppo, QPalette::WindowText, testo);
            pal.setColor(gruppo, QPalette::Text, testo);
            pal.setColor(gruppo, QPalette::ButtonText, testo);
        }
        const bool proprio = c.sfondo != ui::clPredefinito;
        if (proprio) {
            pal.setColor(QPalette::Window, colore(c.sfondo));
            pal.setColor(ruoloSfondo, colore(c.sfondo));
        }
        w.setPalette(pal);
        w.setAutoFillBackground(proprio);
    }
    m.font = c.font;
    m.sfondo = c.sfondo;
    m.impostato = true;
}

} // namespace girolino::qt
