// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/VistaNastro.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <utility>

namespace girolino::qt {

namespace {

// Space between the frame and the text, as a text document leaves it.
constexpr int MARGINE = 4;

} // namespace

TVistaNastro::TVistaNastro(TFonte fonte, QWidget* genitore)
    : QAbstractScrollArea(genitore), fonte_(std::move(fonte)) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    verticalScrollBar()->setSingleStep(1);
    aggiornaBarra();
}

std::size_t TVistaNastro::disponibili() const {
    return std::min(righe_, fonte_().size());
}

QString TVistaNastro::riga(std::size_t i) const {
    if (i >= disponibili()) return {};
    const std::string_view r = fonte_()[i];
    return QString::fromUtf8(r.data(), static_cast<qsizetype>(r.size()));
}

QString TVistaNastro::testo() const {
    QString t;
    for (std::size_t i = 0; i < disponibili(); ++i) {
        if (i > 0) t += QLatin1Char('\n');
        t += riga(i);
    }
    return t;
}

void TVistaNastro::impostaRighe(std::size_t n) {
    righe_ = n;
    const std::size_t ultima = n == 0 ? 0 : n - 1;
    cursore_ = std::min(cursore_, ultima);
    ancora_ = std::min(ancora_, ultima);
    if (n == 0) selezione_ = false;
    aggiornaBarra();
    viewport()->update();
}

std::size_t TVistaNastro::cursore() const {
    const std::size_t ultima = righe_ == 0 ? 0 : righe_ - 1;
    return inFondo_ ? ultima : std::min(cursore_, ultima);
}

void TVistaNastro::spostaCursore(bool inFondo) {
    inFondo_ = inFondo;
    cursore_ = inFondo && righe_ > 0 ? righe_ - 1 : 0;
    ancora_ = cursore_;
    selezione_ = false;
    rendiVisibile(cursore_);
    viewport()->update();
}

std::size_t TVistaNastro::primaVisibile() const {
    return static_cast<std::size_t>(verticalScrollBar()->value());
}

bool TVistaNastro::cursoreVisibile() const {
    const std::size_t c = cursore();
    return c >= primaVisibile() && c < primaVisibile() + static_cast<std::size_t>(righeInVista());
}

int TVistaNastro::altezzaRiga() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int TVistaNastro::righeInVista() const {
    // From the frame's own size: the viewport takes its size only once the window is laid out,
    // which may come after the model has moved the caret.
    return std::max(1, (contentsRect().height() - 2 * MARGINE) / altezzaRiga());
}

void TVistaNastro::aggiornaBarra() {
    const auto vista = static_cast<std::size_t>(righeInVista());
    const std::size_t massimo = righe_ > vista ? righe_ - vista : 0;
    QScrollBar* barra = verticalScrollBar();
    barra->setPageStep(static_cast<int>(vista));
    barra->setRange(0, static_cast<int>(std::min<std::size_t>(massimo, INT_MAX)));
}

void TVistaNastro::rendiVisibile(std::size_t r) {
    const std::size_t prima = primaVisibile();
    const auto vista = static_cast<std::size_t>(righeInVista());
    QScrollBar* barra = verticalScrollBar();
    if (r < prima)
        barra->setValue(static_cast<int>(r));
    else if (r >= prima + vista)
        barra->setValue(static_cast<int>(r - vista + 1));
}

std::size_t TVistaNastro::rigaInPunto(int y) const {
    if (righe_ == 0) return 0;
    // Rounded down: a point above the first line in view is on the line before it.
    const int dy = y - MARGINE;
    const int h = altezzaRiga();
    const int riga = dy >= 0 ? dy / h : -1 - (-dy - 1) / h;
    const long long r = static_cast<long long>(primaVisibile()) + riga;
    return static_cast<std::size_t>(
        std::clamp<long long>(r, 0, static_cast<long long>(righe_) - 1));
}

QString TVistaNastro::testoSelezionato() const {
    if (!selezione_) return {};
    const std::size_t da = std::min(ancora_, cursore_);
    const std::size_t a = std::min(std::max(ancora_, cursore_) + 1, disponibili());
    QString t;
    for (std::size_t i = da; i < a; ++i) {
        if (i > da) t += QLatin1Char('\n');
        t += riga(i);
    }
    return t;
}

void TVistaNastro::selezionaTutto() {
    if (righe_ == 0) return;
    inFondo_ = false;
    ancora_ = 0;
    cursore_ = righe_ - 1;
    selezione_ = true;
    viewport()->update();
}

void TVistaNastro::copia() const {
    if (selezione_) QGuiApplication::clipboard()->setText(testoSelezionato());
}

void TVistaNastro::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const int h = altezzaRiga();
    const int larghezza = viewport()->width();
    const std::size_t n = disponibili();
    const std::size_t da = std::min(ancora_, cursore_);
    const std::size_t a = std::max(ancora_, cursore_);
    const QPalette& pal = palette();
    int y = MARGINE;
    for (std::size_t r = primaVisibile(); r < n && y < viewport()->height(); ++r, y += h) {
        const QRect spazio(MARGINE, y, larghezza - 2 * MARGINE, h);
        const bool scelta = selezione_ && r >= da && r <= a;
        if (scelta) p.fillRect(QRect(0, y, larghezza, h), pal.color(QPalette::Highlight));
        p.setPen(pal.color(scelta ? QPalette::HighlightedText : QPalette::Text));
        p.drawText(spazio, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, riga(r));
    }
}

void TVistaNastro::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    aggiornaBarra();
    // The first layout of the window may come after the caret was put at the end.
    if (inFondo_) rendiVisibile(cursore());
}

void TVistaNastro::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        viewport()->setFont(font());
        aggiornaBarra();
    }
}

void TVistaNastro::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(e);
    setFocus(Qt::MouseFocusReason);
    if (righe_ == 0) return;
    inFondo_ = false;
    cursore_ = rigaInPunto(e->position().toPoint().y());
    if (e->modifiers() & Qt::ShiftModifier) {
        selezione_ = true;
    } else {
        ancora_ = cursore_;
        selezione_ = false;
    }
    viewport()->update();
}

void TVistaNastro::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton) || righe_ == 0) return;
    cursore_ = rigaInPunto(e->position().toPoint().y());
    selezione_ = true;
    rendiVisibile(cursore_);
    viewport()->update();
}

void TVistaNastro::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || righe_ == 0) return;
    inFondo_ = false;
    ancora_ = cursore_ = rigaInPunto(e->position().toPoint().y());
    selezione_ = true;
    viewport()->update();
}

void TVistaNastro::keyPressEvent(QKeyEvent* e) {
    if (e == QKeySequence::Copy) return copia();
    if (e == QKeySequence::SelectAll) return selezionaTutto();
    QScrollBar* barra = verticalScrollBar();
    switch (e->key()) {
    case Qt::Key_Up:
        return barra->triggerAction(QAbstractSlider::SliderSingleStepSub);
    case Qt::Key_Down:
        return barra->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    case Qt::Key_PageUp:
        return barra->triggerAction(QAbstractSlider::SliderPageStepSub);
    case Qt::Key_PageDown:
        return barra->triggerAction(QAbstractSlider::SliderPageStepAdd);
    case Qt::Key_Home:
        return barra->triggerAction(QAbstractSlider::SliderToMinimum);
    case Qt::Key_End:
        return barra->triggerAction(QAbstractSlider::SliderToMaximum);
    default:
        e->ignore(); // typing belongs to the window: a digit enters a number
    }
}

void TVistaNastro::contextMenuEvent(QContextMenuEvent* e) {
    // The entries a read-only text field offers, in the words of Qt's own catalogue.
    QMenu menu(this);
    QAction* copiaSel = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"),
                                       [this] { copia(); });
    copiaSel->setShortcut(QKeySequence::Copy);
    copiaSel->setEnabled(selezione_);
    QAction* tutto = menu.addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"),
                                    [this] { selezionaTutto(); });
    tutto->setShortcut(QKeySequence::SelectAll);
    tutto->setEnabled(righe_ > 0);
    menu.exec(e->globalPos());
}

} // namespace girolino::qt
