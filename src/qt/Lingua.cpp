// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace girolino::qt {

namespace {

bool installa(QCoreApplication& app, const QLocale& lingua) {
    QLocale::setDefault(lingua);
    if (lingua.language() == QLocale::English) return false;
    auto traduzione = std::make_unique<QTranslator>();
    if (!traduzione->load(lingua, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    traduzione->setParent(&app); // the application keeps it for the whole run
    return QCoreApplication::installTranslator(traduzione.release());
}

} // namespace

bool impostaItaliano(QCoreApplication& app) {
    return installa(app, QLocale(QLocale::Italian, QLocale::Italy));
}

bool impostaLingua(QCoreApplication& app, const std::string& codice) {
    if (codice == "it") return impostaItaliano(app);
    return installa(app, QLocale(QString::fromStdString(codice)));
}

} // namespace girolino::qt
