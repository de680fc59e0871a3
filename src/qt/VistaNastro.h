// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ribbon on screen: a read-only column of one-line entries drawn straight from the model's
// lines. Only the lines in view are drawn and nothing is kept per line, so a ribbon of a
// million spins costs no more to show, append to or scroll than one of ten.
//
// The caret sits on one line: at the end it follows the lines appended, and the model moves it
// to either end and into view. The scroll bar counts lines. The user may select whole lines
// with the mouse or the keyboard (Ctrl+A) and copy them (Ctrl+C or the context menu); typing
// goes on to the window.

#include "model/Righe.h"

#include <QAbstractScrollArea>

#include <cstddef>
#include <functional>

namespace girolino::qt {

class TVistaNastro : public QAbstractScrollArea {
    Q_OBJECT
    // The text as a plain text box would give it, for tools that read widgets by property.
    Q_PROPERTY(QString plainText READ testo)
public:
    // The lines to draw, read whenever they are painted or copied.
    using TFonte = std::function<const TRighe&()>;

    TVistaNastro(TFonte fonte, QWidget* genitore);

    // The source now has n lines; those it shares with the lines shown before are unchanged.
    void impostaRighe(std::size_t n);
    std::size_t righe() const { return righe_; }
    QString riga(std::size_t i) const;
    // Every line, joined by line ends.
    QString testo() const;
    Q_INVOKABLE QString toPlainText() const { return testo(); }

    // Puts the caret on the last line (or the first) and scrolls it into view.
    void spostaCursore(bool inFondo);
    // The caret's line (0 when there are no lines) and whether it follows the newest line.
    std::size_t cursore() const;
    bool cursoreInFondo() const { return inFondo_; }
    // Whether the caret's line is wholly in view.
    bool cursoreVisibile() const;
    // The first line in view (the scroll bar's value).
    std::size_t primaVisibile() const;

    bool haSelezione() const { return selezione_; }
    QString testoSelezionato() const;
    void selezionaTutto();
    void copia() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    int altezzaRiga() const;
    // Lines wholly in view.
    int righeInVista() const;
    void aggiornaBarra();
    // The line under a point of the viewport, clamped to the lines there are.
    std::size_t rigaInPunto(int y) const;
    std::size_t disponibili() const;
    void rendiVisibile(std::size_t r);

    TFonte fonte_;
    std::size_t righe_ = 0;
    std::size_t cursore_ = 0;
    bool inFondo_ = true;
    std::size_t ancora_ = 0;
    bool selezione_ = false;
};

} // namespace girolino::qt
