// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/PiattaformaQt.h"
#include "qt/Conversioni.h"

#include "Versione.h"
#include "model/Testo.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "ui/Form.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaObject>
#include <QObject>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <chrono>
#include <exception>
#include <utility>

namespace girolino::qt {

namespace {

QString titoloBox() {
    return QString::fromUtf8(nomeProgramma);
}

} // namespace

QStringList filtriQt(const std::string& filtro, const lingua::TTraduttore* lingua) {
    const QStringList parti = qs(filtro).split(QLatin1Char('|'));
    QStringList risultato;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        QString descrizione = parti[i].trimmed();
        if (lingua) descrizione = tradotto(*lingua, descrizione.toStdString());
        // A label may already show its patterns in brackets; Qt adds them itself, so drop them.
        if (const auto aperta = descrizione.lastIndexOf(QLatin1Char('('));
            aperta > 0 && descrizione.endsWith(QLatin1Char(')')))
            descrizione = descrizione.left(aperta).trimmed();
        QStringList modelli;
        for (QString m : parti[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            m = m.trimmed();
            if (m == QLatin1String("*.*")) m = QStringLiteral("*");
            if (!modelli.contains(m)) modelli << m;
            // File names are case-sensitive here; accept the extension in capitals too.
            const QString maiuscolo = m.toUpper();
            if (maiuscolo != m && !modelli.contains(maiuscolo)) modelli << maiuscolo;
        }
        risultato << descrizione + QStringLiteral(" (") + modelli.join(QLatin1Char(' ')) +
                         QLatin1Char(')');
    }
    return risultato;
}

TPiattaformaQt::TPiattaformaQt(TRegia& regia, const QString& fileImpostazioni)
    : regia_(regia),
      impostazioni_(fileImpostazioni.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      titoloBox(), titoloBox())
                        : std::make_unique<QSettings>(fileImpostazioni, QSettings::IniFormat)),
      ricevente_(std::make_unique<QObject>()) {
    regia_.setGestoreErrori([this](const std::string& t) { errore(t); });
}

TPiattaformaQt::~TPiattaformaQt() {
    // The windows stop their work before they go; the functions it still posts die unrun
    // with the receiver.
    for (auto& [numero, filo] : lavori_) filo.join();
    ricevente_.reset();
    regia_.setGestoreErrori({});
}

QWidget* TPiattaformaQt::genitoreBox() const {
    // A box opens over the window that asked for it: the rules window stays above the
    // others, so a question it asks must not open behind it, over the main window.
    if (QWidget* attiva = QApplication::activeWindow(); attiva && attiva->isVisible())
        return attiva;
    QWidget* p = regia_.principale();
    return p && p->isVisible() ? p : nullptr;
}

void TPiattaformaQt::messaggio(const std::string& testo) {
    regia_.renderizzaTutto();
    QMessageBox::information(genitoreBox(), titoloBox(), tradotto(regia_.traduttore(), testo));
}

void TPiattaformaQt::errore(const std::string& testo) {
    regia_.renderizzaTutto();
    QMessageBox::critical(genitoreBox(), titoloBox(), tradotto(regia_.traduttore(), testo));
}

bool TPiattaformaQt::domanda(const std::string& testo) {
    regia_.renderizzaTutto();
    return QMessageBox::question(genitoreBox(), titoloBox(), tradotto(regia_.traduttore(), testo),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> TPiattaformaQt::dialogoFile(const ui::TDialogoFile& d, bool salva) {
    regia_.renderizzaTutto();
    QFileDialog dlg(genitoreBox(), tradotto(regia_.traduttore(), d.titolo), qs(d.cartellaIniziale));
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setAcceptMode(salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(salva ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, !d.chiediSovrascrittura);
    const QStringList filtri = filtriQt(d.filtro, &regia_.traduttore());
    if (!filtri.isEmpty()) dlg.setNameFilters(filtri);
    if (!d.nomeProposto.empty()) dlg.selectFile(qs(d.nomeProposto));
    if (salva && d.estensioneDalTipo) {
        // "Type (*.ext)": a name typed without an extension takes the chosen type's.
        const auto suffisso = [](const QString& filtro) {
            const auto da = filtro.indexOf(QLatin1String("(*."));
            return da < 0 ? QString()
                          : filtro.mid(da + 3)
                                .section(QLatin1Char(' '), 0, 0)
                                .remove(QLatin1Char(')'));
        };
        if (!filtri.isEmpty()) dlg.setDefaultSuffix(suffisso(filtri.constFirst()));
        QObject::connect(&dlg, &QFileDialog::filterSelected, &dlg,
                         [&dlg, suffisso](const QString& f) { dlg.setDefaultSuffix(suffisso(f)); });
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().constFirst().toStdString();
}

std::optional<std::string> TPiattaformaQt::dialogoSalva(const ui::TDialogoFile& d) {
    return dialogoFile(d, true);
}

std::optional<std::string> TPiattaformaQt::dialogoApri(const ui::TDialogoFile& d) {
    return dialogoFile(d, false);
}

void TPiattaformaQt::mostraModale(ui::TForm& f) {
    TVistaForm* v = regia_.vista(f);
    f.mostra();
    if (!v) { // a window without a view cannot wait for anyone
        f.nascondi();
        return;
    }
    // Qt applies a modality only when the window is shown.
    if (v->isVisible()) v->hide();
    v->setWindowModality(Qt::ApplicationModal);
    regia_.renderizzaTutto();
    attendiModale(f);
    regia_.renderizzaTutto();
    v->setWindowModality(Qt::NonModal);
}

void TPiattaformaQt::attendiModale(ui::TForm& f) {
    if (!f.visibile() || uscita_) return;
    QEventLoop attesa;
    QObject::connect(&regia_, &TRegia::renderizzato, &attesa, [&] {
        if (!f.visibile()) attesa.quit();
    });
    attesa.exec();
}

bool TPiattaformaQt::impostazioniDisponibili() {
    return impostazioni_->status() == QSettings::NoError && impostazioni_->isWritable();
}

std::optional<bool> TPiattaformaQt::leggiImpostazione(const std::string& chiave) {
    const QString k = qs(chiave);
    if (impostazioni_->status() != QSettings::NoError || !impostazioni_->contains(k))
        return std::nullopt;
    return impostazioni_->value(k).toBool();
}

bool TPiattaformaQt::scriviImpostazione(const std::string& chiave, bool valore) {
    if (!impostazioniDisponibili()) return false;
    impostazioni_->setValue(qs(chiave), valore);
    impostazioni_->sync();
    return impostazioni_->status() == QSettings::NoError;
}

std::optional<std::string> TPiattaformaQt::leggiTestoImpostazione(const std::string& chiave) {
    const QString k = qs(chiave);
    if (impostazioni_->status() != QSettings::NoError || !impostazioni_->contains(k))
        return std::nullopt;
    return impostazioni_->value(k).toString().toStdString();
}

bool TPiattaformaQt::scriviTestoImpostazione(const std::string& chiave, const std::string& valore) {
    if (!impostazioniDisponibili()) return false;
    impostazioni_->setValue(qs(chiave), qs(valore));
    impostazioni_->sync();
    return impostazioni_->status() == QSettings::NoError;
}

void TPiattaformaQt::apriIndirizzo(const std::string& url) {
    QDesktopServices::openUrl(QUrl(qs(url)));
}

std::uint64_t TPiattaformaQt::orologio() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

std::string TPiattaformaQt::cartellaProgramma() {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string TPiattaformaQt::cartellaDocumenti() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

void TPiattaformaQt::fuoco(ui::TForm& f, int id) {
    regia_.renderizzaTutto();
    TVistaForm* v = regia_.vista(f);
    QWidget* w = v ? v->widget(id) : nullptr;
    if (!w) return;
    v->activateWindow();
    w->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(w)) e->selectAll();
}

std::string TPiattaformaQt::testoAppunti() {
    const QClipboard* appunti = QGuiApplication::clipboard();
    return appunti ? appunti->text().toStdString() : std::string();
}

void TPiattaformaQt::respira() {
    regia_.renderizzaTutto();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TPiattaformaQt::inSottofondo(std::function<void(const TPosta&)> lavoro,
                                  std::function<void()> fatto) {
    const std::uint64_t numero = ++ultimoLavoro_;
    QObject* ricevente = ricevente_.get();
    // Runs f on the window thread, as an event handler of a window would run: its changes
    // rendered afterwards, an exception reported rather than lost.
    auto esegui = [this](const std::function<void()>& f) {
        try {
            f();
        } catch (const std::exception& e) {
            regia_.segnalaErrore(e.what());
        }
        regia_.programma();
    };
    const TPosta posta = [ricevente, esegui](std::function<void()> f) {
        QMetaObject::invokeMethod(
            ricevente, [esegui, f = std::move(f)] { esegui(f); }, Qt::QueuedConnection);
    };
    // The thread's last post joins it and takes its entry out; being posted, it runs only after
    // this function has returned, with the entry in place.
    lavori_.emplace(numero, std::thread([this, numero, posta, lavoro = std::move(lavoro),
                                         fatto = std::move(fatto)]() mutable {
                        std::string guasto;
                        try {
                            lavoro(posta);
                        } catch (const std::exception& e) {
                            guasto = e.what();
                        } catch (...) {
                            guasto = TESTO("Errore imprevisto durante un calcolo.");
                        }
                        posta([this, numero, guasto, fatto = std::move(fatto)] {
                            if (auto it = lavori_.find(numero); it != lavori_.end()) {
                                it->second.join();
                                lavori_.erase(it);
                            }
                            if (!guasto.empty()) regia_.segnalaErrore(guasto);
                            fatto();
                        });
                    }));
}

void TPiattaformaQt::esci() {
    uscita_ = true;
    QCoreApplication::exit(0);
}

} // namespace girolino::qt
