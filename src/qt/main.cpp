// SPDX-License-Identifier: GPL-3.0-or-later
// Girolino: statistics for single-zero roulette.

#include "Versione.h"
#include "lingua/Traduttore.h"
#include "qt/Lingua.h"
#include "qt/Programma.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(girolino::nomeProgramma));
    QApplication::setOrganizationName(QString::fromUtf8(girolino::nomeProgramma));
    QApplication::setApplicationVersion(QString::fromUtf8(girolino::versioneProgramma));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(girolino::idDesktop));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icone/girolino.png")));
    // Windows are hidden and shown again freely; only the main window's model ends the run.
    QApplication::setQuitOnLastWindowClosed(false);
    // The language chosen in Help > Lingua, or the desktop's; Qt's own buttons and dialogs
    // speak it too.
    const std::string lingua = girolino::lingua::linguaDelProgramma();
    girolino::qt::impostaLingua(app, lingua);

    girolino::qt::TProgramma programma(QString(), lingua);
    programma.avvia();
    // The start-up may already have ended the program (rules of use refused).
    if (programma.piattaforma().uscitaRichiesta()) return 0;
    return QApplication::exec();
}
