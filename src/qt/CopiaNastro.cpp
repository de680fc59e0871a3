// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/CopiaNastro.h"

#include "qt/VistaNastro.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace girolino::qt {

void copiaNastro(QPlainTextEdit& ed, const ui::TControllo& c, TNastroMostrato& m) {
    auto* doc = ed.document();
    const std::size_t tenute = std::min(c.righeInvariate, m.righe);
    QTextCursor cur(doc);
    cur.beginEditBlock();
    if (m.righe > tenute) {
        if (tenute == 0) {
            cur.select(QTextCursor::Document);
        } else {
            const QTextBlock ultima = doc->findBlockByNumber(static_cast<int>(tenute) - 1);
            cur.setPosition(ultima.position() + ultima.length() - 1);
            cur.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        }
        cur.removeSelectedText();
    }
    if (c.righe.size() > tenute) {
        QString nuove;
        for (std::size_t i = tenute; i < c.righe.size(); ++i) {
            if (i > 0) nuove += QLatin1Char('\n');
            const std::string_view riga = c.righe[i];
            nuove += QString::fromUtf8(riga.data(), static_cast<qsizetype>(riga.size()));
        }
        cur.movePosition(QTextCursor::End);
        cur.insertText(nuove);
    }
    cur.endEditBlock();
    m.righe = c.righe.size();

    if (m.scorrimenti != c.richiesteScorrimento) {
        m.scorrimenti = c.richiesteScorrimento;
        // A caret at the end stays there as lines are appended; moving it again costs a
        // relayout of the ribbon at every spin.
        const QTextCursor caret = ed.textCursor();
        const bool giaLi =
            !caret.hasSelection() && (c.cursoreInFondo ? caret.atEnd() : caret.atStart());
        if (!giaLi) ed.moveCursor(c.cursoreInFondo ? QTextCursor::End : QTextCursor::Start);
        ed.ensureCursorVisible();
    }
}

void copiaNastro(TVistaNastro& v, const ui::TControllo& c, TNastroMostrato& m) {
    v.impostaRighe(c.righe.size());
    m.righe = c.righe.size();
    if (m.scorrimenti != c.richiesteScorrimento) {
        m.scorrimenti = c.richiesteScorrimento;
        v.spostaCursore(c.cursoreInFondo);
    }
}

} // namespace girolino::qt
