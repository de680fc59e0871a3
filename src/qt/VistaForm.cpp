// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/VistaForm.h"
#include "qt/Conversioni.h"

#include "qt/CampoLettura.h"
#include "qt/Caratteri.h"
#include "qt/CopiaAspetto.h"
#include "qt/CopiaNastro.h"
#include "qt/Immagini.h"
#include "qt/Regia.h"
#include "qt/RinvioNascoste.h"
#include "qt/Riquadri.h"
#include "qt/Stanze.h"
#include "qt/Tasti.h"
#include "qt/VistaNastro.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <optional>

namespace girolino::qt {

using ui::TControllo;
using ui::TTipo;

namespace {

Qt::Alignment orizzontale(ui::TAllinea a) {
    switch (a) {
    case ui::TAllinea::Centro:
        return Qt::AlignHCenter;
    case ui::TAllinea::Destra:
        return Qt::AlignRight;
    case ui::TAllinea::Sinistra:
        break;
    }
    return Qt::AlignLeft;
}

// A hint may carry a long form after '|'; the tooltip shows the short one.
QString suggerimento(const lingua::TTraduttore& lingua, const std::string& hint) {
    return tradotto(lingua, hint.substr(0, hint.find('|')));
}

bool haTestoModificabile(TTipo t) {
    return t == TTipo::Campo || t == TTipo::Memo || t == TTipo::Nastro || t == TTipo::Striscia ||
           t == TTipo::Combo;
}

// What the user types stays as typed; every other text is shown in the program's language.
// A combo box's text is translated when it is one of its items.
QString testoMostrato(const lingua::TTraduttore& lingua, const TControllo& c) {
    const bool scritto = (c.tipo == TTipo::Campo || c.tipo == TTipo::Memo) && !c.solaLettura;
    if (scritto) return qs(c.testo);
    if (c.tipo == TTipo::Combo && std::find(c.voci.begin(), c.voci.end(), c.testo) == c.voci.end())
        return qs(c.testo);
    return tradotto(lingua, c.testo);
}

// The model's own item for a text the user typed or picked in a combo box, which shows its
// items translated (typed in any case, blanks around it ignored).
std::string voceOriginale(const lingua::TTraduttore& lingua, const TControllo& c,
                          const QString& t) {
    if (!lingua.traduce()) return t.toStdString();
    const QString scritto = t.trimmed();
    for (const auto& v : c.voci)
        if (tradotto(lingua, v).compare(scritto, Qt::CaseInsensitive) == 0) return v;
    return t.toStdString();
}

// The palette role a control paints its background with.
QPalette::ColorRole ruoloSfondo(TTipo t) {
    if (haTestoModificabile(t)) return QPalette::Base;
    if (t == TTipo::Pulsante) return QPalette::Button;
    return QPalette::Window;
}

// The width a one-line caption has inside its control; 0 when the text may wrap or scroll.
int spazioPerTesto(const TControllo& c, const QWidget* w) {
    switch (c.tipo) {
    case TTipo::Etichetta:
    case TTipo::Pannello:
        return c.aCapo ? 0 : c.w - (c.tipo == TTipo::Pannello ? 4 : 0);
    case TTipo::Casella:
    case TTipo::Radio: {
        const auto* st = w->style();
        return c.w - st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) -
               st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w) - 2;
    }
    case TTipo::Pulsante: {
        const auto* b = static_cast<const QToolButton*>(w);
        const bool conIcona = b->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
        return c.w - 8 - (conIcona ? b->iconSize().width() + 4 : 0);
    }
    default:
        return 0;
    }
}

// The substitute faces are close to the named ones but not equal: a caption that no
// longer fits its control is condensed rather than cut.
QFont fontCheSta(const TControllo& c, const QString& testo, const QWidget* w) {
    QFont f = fontQt(c.font);
    const int spazio = spazioPerTesto(c, w);
    if (spazio <= 0 || testo.isEmpty()) return f;
    const int serve = QFontMetrics(f).horizontalAdvance(testo);
    if (serve > spazio) f.setStretch(std::max(60, spazio * 100 / serve));
    return f;
}

// A one-line text field; a framed read-only one draws a lighter frame of its own.
QLineEdit* rigaDiTesto(const TControllo& c, QWidget* g) {
    QLineEdit* e = c.solaLettura && c.bordo ? new TCampoLettura(g) : new QLineEdit(g);
    e->setAlignment(orizzontale(c.allinea) | Qt::AlignVCenter);
    e->setReadOnly(c.solaLettura);
    if (!c.solaLettura || !c.bordo) e->setFrame(c.bordo);
    return e;
}

// A text kept in lines is translated whole, so that a sentence running over several lines
// finds its translation; the translation brings its own line breaks.
TControllo conRigheTradotte(const lingua::TTraduttore& lingua, const TControllo& c) {
    TControllo r = c;
    if (!lingua.traduce()) return r;
    std::string tutto;
    for (std::size_t i = 0; i < c.righe.size(); ++i) {
        if (i) tutto += '\n';
        tutto += c.righe[i];
    }
    std::vector<std::string> righe;
    const std::string t = lingua.traduci(tutto);
    for (std::size_t inizio = 0;;) {
        const std::size_t fine = t.find('\n', inizio);
        righe.push_back(t.substr(inizio, fine - inizio));
        if (fine == std::string::npos) break;
        inizio = fine + 1;
    }
    r.righe = righe;
    r.righeInvariate = 0;
    return r;
}

} // namespace

TVistaForm::TVistaForm(ui::TForm& modello, TRegia& regia) : modello_(modello), regia_(regia) {
    setObjectName(qs(modello_.nomeClasse()));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("area"));
    area_->setFixedSize(modello_.larghezza(), modello_.altezza());
    layout->addWidget(area_);
    costruisci();
}

TVistaForm::~TVistaForm() {
    // The children outlive this part of the object: one that still signals while Qt takes the
    // window down (a combo box losing the focus reports its choice) must not reach the model
    // through a half-destroyed view.
    for (QObject* figlio : findChildren<QObject*>()) figlio->disconnect(this);
}

QWidget* TVistaForm::widget(int id) const {
    return id >= 0 && id < static_cast<int>(widget_.size()) ? widget_[id] : nullptr;
}

QWidget* TVistaForm::widget(std::string_view nome) const {
    return modello_.esiste(nome) ? widget(modello_.id(nome)) : nullptr;
}

QTimer* TVistaForm::timer(int id) const {
    return id >= 0 && id < static_cast<int>(timer_.size()) ? timer_[id] : nullptr;
}

QAction* TVistaForm::azione(std::string_view nomeVoce) const {
    const QString n = QString::fromUtf8(nomeVoce.data(), static_cast<qsizetype>(nomeVoce.size()));
    for (auto* a : azioni_)
        if (a->objectName() == n) return a;
    return nullptr;
}

// --- construction ----------------------------------------------------------------------

void TVistaForm::costruisci() {
    QPalette pal;
    pal.setColor(QPalette::Window, colore(modello_.sfondo()));
    area_->setPalette(pal);
    area_->setAutoFillBackground(true);
    area_->setFont(fontQt(modello_.fontBase()));

    const auto n = modello_.numControlli();
    widget_.assign(n, nullptr);
    timer_.assign(n, nullptr);
    mostrato_.assign(n, TMostrato{});

    // Controls placed straight on the client area go into invisible boxes of neighbours.
    const auto inArea = [&](const TControllo& c, std::size_t i) {
        return c.tipo != TTipo::Timer &&
               (c.genitore < 0 || static_cast<std::size_t>(c.genitore) >= i ||
                modello_.controllo(c.genitore).tipo == TTipo::Timer);
    };
    std::vector<int> sullArea;
    std::vector<QRect> posti;
    for (std::size_t i = 0; i < n; ++i) {
        const auto& c = modello_.controllo(static_cast<int>(i));
        if (!inArea(c, i)) continue;
        sullArea.push_back(static_cast<int>(i));
        posti.emplace_back(c.x, c.y, c.w, c.h);
    }
    std::vector<TCollocazione> collocazione(n, TCollocazione{area_, QPoint()});
    const std::vector<TCollocazione> neiRiquadri = creaRiquadri(area_, posti, 16);
    for (std::size_t k = 0; k < sullArea.size(); ++k) collocazione[sullArea[k]] = neiRiquadri[k];

    for (std::size_t i = 0; i < n; ++i) {
        const int id = static_cast<int>(i);
        const auto& c = modello_.controllo(id);
        if (c.tipo == TTipo::Timer) {
            auto* t = new QTimer(this);
            t->setObjectName(qs(c.nome));
            t->setInterval(c.intervallo);
            connect(t, &QTimer::timeout, this, [this, id] { inoltra([&] { modello_.tick(id); }); });
            timer_[i] = t;
            continue;
        }
        QWidget* genitore = collocazione[i].genitore;
        QPoint origine = collocazione[i].origine;
        if (!inArea(c, i)) {
            genitore = widget_[c.genitore];
            origine = QPoint();
        }
        const TStanza* s = stanza(c.tipo);
        QWidget* w = s ? s->crea(
                             modello_, id, genitore, [this](const auto& e) { inoltra(e); },
                             regia_.traduttore())
                       : creaWidget(c, genitore);
        w->setObjectName(qs(c.nome));
        w->setGeometry(QRect(QPoint(c.x, c.y) - origine, QSize(c.w, c.h)));
        if (c.cursoreMano) w->setCursor(Qt::PointingHandCursor);
        widget_[i] = w;
        collega(id, w, c);
    }
    costruisciMenu();
    // Every control starts as its model describes it.
    for (std::size_t i = 0; i < n; ++i) copia(static_cast<int>(i));
    setWindowTitle(tradotto(regia_.traduttore(), modello_.caption()));
    copiaMenu();
}

QWidget* TVistaForm::creaWidget(const TControllo& c, QWidget* g) {
    const Qt::Alignment oriz = orizzontale(c.allinea);
    switch (c.tipo) {
    case TTipo::Etichetta: {
        auto* l = new QLabel(g);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(oriz | Qt::AlignTop);
        l->setWordWrap(c.aCapo);
        return l;
    }
    case TTipo::Pannello: {
        auto* l = new QLabel(g);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(c.aCapo);
        l->setFrameStyle(c.bordo ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
        return l;
    }
    case TTipo::Campo:
        return rigaDiTesto(c, g);
    case TTipo::Memo: {
        if (c.aCapo) {
            auto* t = new QTextEdit(g);
            t->setAcceptRichText(false);
            t->setReadOnly(c.solaLettura);
            t->setUndoRedoEnabled(false);
            QTextOption o = t->document()->defaultTextOption();
            o.setAlignment(oriz);
            t->document()->setDefaultTextOption(o);
            if (!c.bordo) t->setFrameShape(QFrame::NoFrame);
            return t;
        }
        return rigaDiTesto(c, g);
    }
    case TTipo::Pulsante: {
        auto* b = new QToolButton(g);
        if (!c.immagine.empty()) {
            b->setIcon(icona(c.immagine));
            const int lato = std::max(8, std::min(c.h - 6, 32));
            b->setIconSize(QSize(lato, lato));
        }
        b->setToolButtonStyle(c.immagine.empty() ? Qt::ToolButtonTextOnly
                              : c.testo.empty()  ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextBesideIcon);
        return b;
    }
    case TTipo::Casella:
        return new QCheckBox(g);
    case TTipo::Radio: {
        auto* r = new QRadioButton(g);
        auto& gruppo = gruppiRadio_[c.genitore];
        if (!gruppo) gruppo = new QButtonGroup(this);
        gruppo->addButton(r);
        return r;
    }
    case TTipo::Combo: {
        auto* cb = new QComboBox(g);
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);
        return cb;
    }
    case TTipo::Gruppo:
        return new QGroupBox(g);
    case TTipo::Nastro: {
        if (c.allinea == ui::TAllinea::Sinistra) { // one short entry per line
            auto* v = new TVistaNastro(
                [&m = modello_, id = modello_.id(c.nome)]() -> const TRighe& {
                    return m.controllo(id).righe;
                },
                g);
            v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            return v;
        }
        auto* t = new QPlainTextEdit(g);
        t->setReadOnly(true);
        t->setUndoRedoEnabled(false);
        // Lines are aligned within the width of the control.
        QTextOption o = t->document()->defaultTextOption();
        o.setAlignment(oriz);
        t->document()->setDefaultTextOption(o);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return t;
    }
    case TTipo::Striscia: {
        auto* t = new QTextEdit(g);
        t->setReadOnly(true);
        t->setUndoRedoEnabled(false);
        t->setAcceptRichText(false);
        return t;
    }
    case TTipo::Barra: {
        auto* b = new QProgressBar(g);
        b->setTextVisible(false);
        b->setOrientation(c.h > c.w ? Qt::Vertical : Qt::Horizontal);
        return b;
    }
    case TTipo::Immagine: {
        auto* l = new QLabel(g);
        l->setAlignment(Qt::AlignCenter);
        l->setPixmap(immagine(c.immagine, QSize(c.w, c.h)));
        return l;
    }
    case TTipo::Timer:
    case TTipo::Tabella: // built by their rooms
    case TTipo::Grafico:
    case TTipo::Ruota:
        break;
    }
    Q_UNREACHABLE();
}

void TVistaForm::collega(int id, QWidget* w, const TControllo& c) {
    switch (c.tipo) {
    case TTipo::Etichetta:
    case TTipo::Pannello:
    case TTipo::Immagine:
        w->installEventFilter(this);
        break;
    case TTipo::Campo: {
        auto* e = static_cast<QLineEdit*>(w);
        connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) {
            inoltra([&] {
                modello_.testoDigitato(id, t.toStdString());
                modello_.cambiato(id);
            });
        });
        connect(e, &QLineEdit::returnPressed, this,
                [this, id] { inoltra([&] { modello_.invio(id); }); });
        break;
    }
    case TTipo::Memo:
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            connect(e, &QLineEdit::textEdited, this, [this, id](const QString& t) {
                inoltra([&] {
                    modello_.testoDigitato(id, t.toStdString());
                    modello_.cambiato(id);
                });
            });
        }
        break;
    case TTipo::Pulsante:
        connect(static_cast<QToolButton*>(w), &QToolButton::clicked, this,
                [this, id] { inoltra([&] { modello_.click(id); }); });
        break;
    case TTipo::Casella:
        connect(static_cast<QCheckBox*>(w), &QCheckBox::clicked, this, [this, id](bool b) {
            inoltra([&] {
                modello_.spuntaUtente(id, b);
                modello_.click(id);
            });
        });
        break;
    case TTipo::Radio:
        connect(static_cast<QRadioButton*>(w), &QRadioButton::clicked, this, [this, id] {
            // Clicking the radio that is already selected changes nothing.
            if (modello_.spuntato(id)) return;
            inoltra([&] {
                modello_.spuntaUtente(id, true);
                modello_.click(id);
            });
        });
        break;
    case TTipo::Combo: {
        auto* cb = static_cast<QComboBox*>(w);
        connect(cb->lineEdit(), &QLineEdit::textEdited, this, [this, id](const QString& t) {
            inoltra([&] {
                modello_.testoDigitato(
                    id, voceOriginale(regia_.traduttore(), modello_.controllo(id), t));
                modello_.cambiato(id);
            });
        });
        connect(cb, &QComboBox::activated, this, [this, id, cb](int indice) {
            inoltra([&] {
                modello_.testoDigitato(id,
                                       voceOriginale(regia_.traduttore(), modello_.controllo(id),
                                                     cb->itemText(indice)));
                modello_.cambiato(id);
            });
        });
        break;
    }
    default:
        break;
    }
}

void TVistaForm::costruisciMenu() {
    const auto& voci = modello_.menu();
    azioni_.clear();
    if (voci.empty()) return;
    if (!barra_) {
        barra_ = new QMenuBar(this);
        barra_->setObjectName(QStringLiteral("MainMenu"));
        layout()->setMenuBar(barra_);
    }
    barra_->clear();
    std::vector<QMenu*> sottomenu(voci.size(), nullptr);
    azioni_.assign(voci.size(), nullptr);
    auto haFigli = [&](int i) {
        return std::any_of(voci.begin(), voci.end(), [i](const auto& v) { return v.padre == i; });
    };
    for (std::size_t i = 0; i < voci.size(); ++i) {
        const int idVoce = static_cast<int>(i);
        const auto& v = voci[i];
        const bool padreValido = v.padre >= 0 && v.padre < idVoce && sottomenu[v.padre];
        if (v.padre < 0 || haFigli(idVoce)) {
            const QString testo = tradotto(regia_.traduttore(), v.testo);
            QMenu* m = padreValido ? sottomenu[v.padre]->addMenu(testo) : barra_->addMenu(testo);
            m->setObjectName(qs(v.nome));
            sottomenu[i] = m;
            azioni_[i] = m->menuAction();
        } else {
            const QString testo = tradotto(regia_.traduttore(), v.testo);
            QAction* a =
                padreValido ? sottomenu[v.padre]->addAction(testo) : barra_->addAction(testo);
            a->setCheckable(v.spuntabile);
            connect(a, &QAction::triggered, this, [this, idVoce, a] {
                inoltra([&] { modello_.voceMenu(idVoce); });
                // Qt toggles the mark on a click; the model decides whether it stays.
                if (a->isCheckable()) a->setChecked(modello_.menu()[idVoce].spuntata);
            });
            if (!v.scorciatoia.empty()) impostaTasti(*a, v.scorciatoia);
            azioni_[i] = a;
        }
        azioni_[i]->setObjectName(qs(v.nome));
    }
}

// --- events ---------------------------------------------------------------------------

void TVistaForm::inoltra(const std::function<void()>& evento) {
    try {
        evento();
    } catch (const std::exception& e) {
        regia_.segnalaErrore(e.what());
    }
    regia_.programma();
}

bool TVistaForm::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::MouseButtonRelease) return QWidget::eventFilter(o, e);
    auto* w = static_cast<QWidget*>(o);
    const auto* m = static_cast<QMouseEvent*>(e);
    const auto it = std::find(widget_.begin(), widget_.end(), w);
    if (it == widget_.end() || m->button() != Qt::LeftButton) return false;
    if (w->rect().contains(m->position().toPoint())) {
        const int id = static_cast<int>(it - widget_.begin());
        inoltra([&] { modello_.click(id); });
    }
    return true; // a click on a label must not reach the panel beneath it as well
}

void TVistaForm::closeEvent(QCloseEvent* e) {
    bool puoChiudere = true;
    try {
        puoChiudere = modello_.chiusuraRichiesta();
    } catch (const std::exception& ex) {
        regia_.segnalaErrore(ex.what());
    }
    if (puoChiudere) {
        e->accept();
        emit chiusa();
    } else {
        e->ignore();
    }
    regia_.programma();
}

// --- rendering ------------------------------------------------------------------------

void TVistaForm::renderizza() {
    if (rinviaSeNascosta(modello_, isVisible(),
                         [this](int id) { copiaTimer(id, modello_.controllo(id)); }))
        return;
    if (azioni_.size() != modello_.menu().size()) costruisciMenu();
    for (int id : modello_.sporchi()) copia(id);
    if (modello_.menuSporco()) copiaMenu();
    if (modello_.formSporca()) setWindowTitle(tradotto(regia_.traduttore(), modello_.caption()));
    copiaForm();
    modello_.renderizzato();
}

void TVistaForm::copiaForm() {
    if (modello_.visibile() == isVisible()) return;
    if (modello_.visibile()) {
        if (!giaMostrata_) collocaFinestra();
        giaMostrata_ = true;
        show();
    } else {
        hide();
    }
}

void TVistaForm::collocaFinestra() {
    setWindowFlag(Qt::WindowStaysOnTopHint, modello_.sempreInPrimoPiano());
    const QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!schermo) return;
    const QRect disponibile = schermo->availableGeometry();
    const QSize dim = sizeHint();
    switch (modello_.posizione()) {
    case ui::TPosizioneForm::CentroSchermo:
        move(disponibile.center() - QPoint(dim.width() / 2, dim.height() / 2));
        break;
    case ui::TPosizioneForm::CentroPrincipale: {
        const QWidget* p = regia_.principale();
        const QRect base = p && p != this && p->isVisible() ? p->frameGeometry() : disponibile;
        move(base.center() - QPoint(dim.width() / 2, dim.height() / 2));
        break;
    }
    case ui::TPosizioneForm::InAltoASinistra:
        move(disponibile.topLeft());
        break;
    case ui::TPosizioneForm::Libera:
        break;
    }
}

void TVistaForm::copiaMenu() {
    const auto& voci = modello_.menu();
    for (std::size_t i = 0; i < voci.size() && i < azioni_.size(); ++i) {
        const QString t = tradotto(regia_.traduttore(), voci[i].testo);
        if (azioni_[i]->text() != t) azioni_[i]->setText(t);
        azioni_[i]->setEnabled(voci[i].abilitata);
        if (azioni_[i]->isCheckable()) azioni_[i]->setChecked(voci[i].spuntata);
    }
}

void TVistaForm::copiaAspetto(int id, QWidget* w, const TControllo& c) {
    auto& m = mostrato_[id];
    std::optional<QFont> adattato;
    if (spazioPerTesto(c, w) > 0)
        adattato = fontCheSta(c, testoMostrato(regia_.traduttore(), c), w);
    copiaFontEColori(*w, c, adattato, ruoloSfondo(c.tipo), m.aspetto);

    if (w->isHidden() == c.visibile) w->setVisible(c.visibile);
    if (w->testAttribute(Qt::WA_Disabled) == c.abilitato) w->setEnabled(c.abilitato);
    if (m.hint != c.hint) {
        w->setToolTip(suggerimento(regia_.traduttore(), c.hint));
        m.hint = c.hint;
    }
}

void TVistaForm::copia(int id) {
    const auto& c = modello_.controllo(id);
    if (c.tipo == TTipo::Timer) {
        copiaTimer(id, c);
        return;
    }
    QWidget* w = widget_[id];
    if (!w) return;
    copiaAspetto(id, w, c);
    if (const TStanza* s = stanza(c.tipo)) return s->copia(w, c, regia_.traduttore());
    const QString testo = testoMostrato(regia_.traduttore(), c);
    switch (c.tipo) {
    case TTipo::Etichetta:
    case TTipo::Pannello: {
        auto* l = static_cast<QLabel*>(w);
        if (l->text() != testo) l->setText(testo);
        break;
    }
    case TTipo::Campo:
    case TTipo::Memo:
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != testo) {
                e->setText(testo);
                e->setCursorPosition(0);
            }
        } else if (auto* t = qobject_cast<QTextEdit*>(w); t && t->toPlainText() != testo) {
            t->setPlainText(testo);
        }
        break;
    case TTipo::Pulsante:
    case TTipo::Casella:
    case TTipo::Radio: {
        auto* b = static_cast<QAbstractButton*>(w);
        if (b->text() != testo) b->setText(testo);
        if (c.tipo == TTipo::Pulsante || b->isChecked() == c.spuntato) break;
        auto* gruppo = b->group();
        if (gruppo && !c.spuntato) gruppo->setExclusive(false); // lets every radio go off
        b->setChecked(c.spuntato);
        if (gruppo) gruppo->setExclusive(true);
        break;
    }
    case TTipo::Combo: {
        auto* cb = static_cast<QComboBox*>(w);
        bool stesseVoci = cb->count() == static_cast<int>(c.voci.size());
        for (int i = 0; stesseVoci && i < cb->count(); ++i)
            stesseVoci = cb->itemText(i) == tradotto(regia_.traduttore(), c.voci[i]);
        if (!stesseVoci) {
            cb->clear();
            for (const auto& v : c.voci) cb->addItem(tradotto(regia_.traduttore(), v));
        }
        if (cb->currentText() != testo) cb->setEditText(testo);
        break;
    }
    case TTipo::Gruppo: {
        auto* g = static_cast<QGroupBox*>(w);
        if (g->title() != testo) g->setTitle(testo);
        break;
    }
    case TTipo::Nastro: {
        if (auto* v = qobject_cast<TVistaNastro*>(w)) { // a ribbon of spins: data, as it is
            copiaNastro(*v, c, mostrato_[id].nastro);
            break;
        }
        auto& nastro = *static_cast<QPlainTextEdit*>(w);
        if (c.righeDaTradurre)
            copiaNastro(nastro, conRigheTradotte(regia_.traduttore(), c), mostrato_[id].nastro);
        else
            copiaNastro(nastro, c, mostrato_[id].nastro);
        break;
    }
    case TTipo::Striscia: {
        auto* t = static_cast<QTextEdit*>(w);
        t->clear();
        QTextCursor cur(t->document());
        for (const auto& s : c.spezzoni) {
            QTextCharFormat f;
            f.setForeground(colore(s.colore));
            cur.insertText(qs(s.testo), f);
        }
        break;
    }
    case TTipo::Barra: {
        auto* b = static_cast<QProgressBar*>(w);
        const int massimo = std::max(c.massimo, c.minimo + 1); // an empty range would spin
        b->setRange(c.minimo, massimo);
        b->setValue(std::clamp(c.posizione, c.minimo, massimo));
        break;
    }
    case TTipo::Immagine:
    case TTipo::Timer:
    case TTipo::Tabella:
    case TTipo::Grafico:
    case TTipo::Ruota:
        break;
    }
}

void TVistaForm::copiaTimer(int id, const TControllo& c) {
    QTimer* t = timer_[id];
    auto& m = mostrato_[id];
    if (!t) return;
    t->setInterval(c.intervallo);
    if (!c.abilitato) {
        t->stop();
    } else if (m.avvii != c.avvii || !t->isActive()) {
        t->start();
    }
    m.avvii = c.avvii;
}

} // namespace girolino::qt
