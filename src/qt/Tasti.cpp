// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Tasti.h"

#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "ui/CampoNumero.h"
#include "ui/Form1.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

#include <array>
#include <exception>
#include <functional>
#include <utility>

namespace girolino::qt {

namespace {

// Fields that take typing keep it.
bool prendeTesto(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return !e->isReadOnly();
    if (const auto* t = qobject_cast<const QTextEdit*>(w)) return !t->isReadOnly();
    if (const auto* t = qobject_cast<const QPlainTextEdit*>(w)) return !t->isReadOnly();
    if (const auto* c = qobject_cast<const QComboBox*>(w)) return c->isEditable();
    return qobject_cast<const QAbstractSpinBox*>(w) != nullptr;
}

bool cifra(const QKeyEvent* k) {
    constexpr auto comandi = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString t = k->text();
    return !(k->modifiers() & comandi) && t.size() == 1 && t[0] >= QLatin1Char('0') &&
           t[0] <= QLatin1Char('9');
}

// The file of a drag that the main window takes: a spin list or a saved game.
QString fileTrascinabile(const QMimeData* m) {
    if (!m || !m->hasUrls() || m->urls().size() != 1) return {};
    const QUrl u = m->urls().constFirst();
    if (!u.isLocalFile()) return {};
    const QString suffisso = QFileInfo(u.toLocalFile()).suffix().toLower();
    if (suffisso != QLatin1String("txt") && suffisso != QLatin1String("csv") &&
        suffisso != QLatin1String("fvr"))
        return {};
    return u.toLocalFile();
}

class TTasti : public QObject {
public:
    explicit TTasti(TRegia& regia) : QObject(&regia), regia_(regia) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
            return tasto(o, static_cast<QKeyEvent*>(e));
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return trascina(o, static_cast<QDropEvent*>(e));
        default:
            return false;
        }
    }

private:
    bool tasto(QObject* o, QKeyEvent* k) {
        auto* w = qobject_cast<QWidget*>(o);
        auto* vista = w ? qobject_cast<TVistaForm*>(w->window()) : nullptr;
        if (!vista || !vista->modello().esiste(ui::nomeCampoNumero)) return false;
        auto* campo = qobject_cast<QLineEdit*>(vista->widget(ui::nomeCampoNumero));
        if (!campo || !campo->isVisible() || !campo->isEnabled()) return false;
        if (w == campo) {
            if (k->type() == QEvent::ShortcutOverride)
                return k->matches(QKeySequence::Undo); // left to the window's undo item
            ui::TForm& modello = vista->modello();
            const int id = modello.id(ui::nomeCampoNumero);
            const auto tastiera = k->modifiers() & ~Qt::KeypadModifier;
            if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) &&
                tastiera == Qt::NoModifier) {
                // The spin is entered and the field emptied on screen before the next key is
                // read: a quick player types the next number at once.
                esegui([&] {
                    // The model reads what the field shows, however the text got there.
                    if (const std::string t = campo->text().toStdString(); t != modello.testo(id))
                        modello.testoDigitato(id, t);
                    modello.invio(id);
                });
                regia_.renderizzaTutto();
                return true;
            }
            if (k->key() != Qt::Key_Backspace || k->modifiers() != Qt::NoModifier ||
                !campo->text().isEmpty())
                return false;
            esegui([&] { modello.indietroInCampoVuoto(id); });
            return true;
        }
        if (k->type() != QEvent::KeyPress || !cifra(k) || prendeTesto(w)) return false;
        campo->setFocus(Qt::ShortcutFocusReason);
        QKeyEvent copia(QEvent::KeyPress, k->key(), k->modifiers(), k->text());
        QCoreApplication::sendEvent(campo, &copia);
        return true;
    }

    bool trascina(QObject* o, QDropEvent* d) {
        auto* w = qobject_cast<QWidget*>(o);
        TVistaForm* principale = regia_.principale();
        if (!w || !principale || w->window() != principale) return false;
        const QString file = fileTrascinabile(d->mimeData());
        if (file.isEmpty()) return false;
        d->setDropAction(Qt::CopyAction);
        d->accept();
        if (d->type() == QEvent::Drop) {
            auto* form1 = dynamic_cast<ui::TForm1*>(&principale->modello());
            // After the drop has finished: the import may open a modal window.
            if (form1)
                QTimer::singleShot(0, &regia_, [this, form1, percorso = file.toStdString()] {
                    esegui([&] { form1->fileTrascinato(percorso); });
                });
        }
        return true;
    }

    void esegui(const std::function<void()>& lavoro) {
        try {
            lavoro();
        } catch (const std::exception& ex) {
            regia_.segnalaErrore(ex.what());
        }
        regia_.programma();
    }

    TRegia& regia_;
};

} // namespace

QList<QKeySequence> sequenzeTasti(const std::string& nome) {
    struct TStandard {
        const char* nome;
        QKeySequence::StandardKey tasto;
        const char* senza; // where the platform has no binding for it
    };
    static const std::array<TStandard, 6> standard = {{
        {"Undo", QKeySequence::Undo, "Ctrl+Z"},
        {"New", QKeySequence::New, "Ctrl+N"},
        {"Save", QKeySequence::Save, "Ctrl+S"},
        {"SaveAs", QKeySequence::SaveAs, "Ctrl+Shift+S"},
        {"Open", QKeySequence::Open, "Ctrl+O"},
        {"HelpContents", QKeySequence::HelpContents, "F1"},
    }};
    QString tasti = QString::fromStdString(nome);
    for (const TStandard& s : standard) {
        if (nome != s.nome) continue;
        if (auto sequenze = QKeySequence::keyBindings(s.tasto); !sequenze.isEmpty())
            return sequenze;
        tasti = QString::fromLatin1(s.senza);
    }
    return {QKeySequence::fromString(tasti, QKeySequence::PortableText)};
}

void impostaTasti(QAction& azione, const std::string& nome) {
    azione.setShortcuts(sequenzeTasti(nome));
    azione.setShortcutContext(Qt::ApplicationShortcut);
}

void installaTasti(TRegia& regia) {
    QCoreApplication::instance()->installEventFilter(new TTasti(regia));
    if (TVistaForm* principale = regia.principale()) principale->setAcceptDrops(true);
}

} // namespace girolino::qt
