// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/Lingua.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace girolino::qt {

bool impostaItaliano(QCoreApplication& app) {
    const QLocale italiano(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italiano);
    auto traduzione = std::make_unique<QTranslator>();
    if (!traduzione->load(italiano, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    traduzione->setParent(&app); // the application keeps it for the whole run
    return QCoreApplication::installTranslator(traduzione.release());
}

} // namespace girolino::qt
