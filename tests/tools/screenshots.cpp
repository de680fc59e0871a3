// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a short scripted game offscreen and saves a picture of every window, to check
// the layouts by eye: girolino-screenshots [folder] [en] (default ./screenshots, Italian).

#include "PiattaformaQtDiProva.h"
#include "qt/Lingua.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using girolino::qt::TProgramma;
using girolino::qt::TVistaForm;

void premi(TVistaForm& v, const char* nome) {
    if (auto* b = qobject_cast<QAbstractButton*>(v.widget(nome)))
        b->click();
    else
        std::fprintf(stderr, "%s: nessun pulsante %s\n", qPrintable(v.objectName()), nome);
    QCoreApplication::processEvents();
}

void digita(TVistaForm& v, const char* nome, const QString& testo) {
    QWidget* w = v.widget(nome);
    if (!w) return;
    for (const QChar ch : testo) {
        QKeyEvent giu(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(w, &giu);
    }
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString cartella =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    // girolino-screenshots <folder> en: the windows in English.
    const auto lingua = argc > 2 && QByteArray(argv[2]) == "en" ? girolino::TLingua::Inglese
                                                                : girolino::TLingua::Italiano;
    if (lingua == girolino::TLingua::Italiano) girolino::qt::impostaItaliano(app);
    if (!QDir().mkpath(cartella)) {
        std::fprintf(stderr, "impossibile creare %s\n", qPrintable(cartella));
        return 1;
    }

    QTemporaryDir impostazioni; // a first start: the rules of use are shown
    girolino::test::ProgrammaDiProva programma(
        impostazioni.filePath(QStringLiteral("girolino.ini")), lingua);
    auto& piattaforma = programma.piattaforma();

    QStringList salvate;
    int errori = 0;
    auto salva = [&](TVistaForm& v) {
        const QString file = QDir(cartella).filePath(v.objectName() + QStringLiteral(".png"));
        if (v.grab().save(file))
            salvate << v.objectName();
        else
            ++errori;
    };
    // A modal window is pictured while it is up, then closed.
    piattaforma.duranteModale = [&](girolino::ui::TForm& f) { salva(programma.vista(f)); };
    programma.avvia();

    auto& principale = programma.vista(programma.applicazione().form1());
    for (const char* numero : {"SpeedButton18", "SpeedButton1", "SpeedButton33", "SpeedButton18"})
        premi(principale, numero);
    digita(principale, "Edit1", QStringLiteral("300"));
    premi(principale, "BitBtn2");
    // The floating pad, the analysis windows, the help windows.
    for (const char* pulsante :
         {"SpeedButton46", "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn8", "BitBtn9", "SpeedButton50"})
        premi(principale, pulsante);
    if (QAction* frequenze = principale.azione("FrequenzeOsservateeAttese1")) frequenze->trigger();
    if (QAction* aiuto = principale.azione("Aiuto1")) aiuto->trigger();
    if (QAction* ruota = principale.azione("RuotaeSettori1")) ruota->trigger();
    QCoreApplication::processEvents();
    programma.regia().renderizzaTutto();

    for (const auto& v : programma.regia().viste())
        if (!salvate.contains(v->objectName())) salva(*v);
    // The import preview showing how far a long list has been entered.
    auto& importa = programma.applicazione().formImporta();
    importa.prepara("/home/giocatore/Documenti/permanenze-casino-2024.csv",
                    girolino::ui::TFormImporta::TNumeri(120000, 17));
    importa.avanzamento(45000, 120000);
    importa.mostra();
    programma.regia().renderizzaTutto();
    auto& vistaImporta = programma.vista(importa);
    if (vistaImporta.grab().save(
            QDir(cartella).filePath(QStringLiteral("TFormImporta-avanzamento.png"))))
        salvate << QStringLiteral("TFormImporta-avanzamento");
    for (const auto& r : piattaforma.registro) std::printf("%s\n", r.c_str());
    std::printf("%lld finestre salvate in %s\n", static_cast<long long>(salvate.size()),
                qPrintable(cartella));
    return errori == 0 ? 0 : 1;
}
