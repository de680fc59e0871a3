// SPDX-License-Identifier: GPL-3.0-or-later
#include "Versione.h"
#include "lingua/Traduttore.h"

#include <QLocale>
#include <QSettings>

#include <memory>

namespace girolino::lingua {

std::string primaLinguaDelDesktop() {
    const QLocale sistema = QLocale::system();
    if (sistema.language() == QLocale::C) return "C";
    const QStringList lingue = sistema.uiLanguages();
    return (lingue.isEmpty() ? sistema.name() : lingue.front()).toStdString();
}

std::string linguaDelProgramma(const std::string& fileImpostazioni) {
    const QString nome = QString::fromUtf8(nomeProgramma);
    const auto impostazioni =
        fileImpostazioni.empty()
            ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, nome, nome)
            : std::make_unique<QSettings>(QString::fromStdString(fileImpostazioni),
                                          QSettings::IniFormat);
    const QString chiave = QString::fromLatin1(chiaveLingua.data(), chiaveLingua.size());
    const std::string scelta = impostazioni->value(chiave).toString().toStdString();
    const std::string desktop = primaLinguaDelDesktop();
    if (const TLingua l = linguaPer(scelta, desktop);
        l == TLingua::Inglese || (!scelta.empty() && scelta != sceltaAutomatica))
        return std::string(codiceLingua(l));
    // A language a translator has added, when the desktop speaks it.
    const std::string codice = desktop.substr(0, 2);
    return haCatalogo(codice) ? codice : std::string(codiceLingua(TLingua::Italiano));
}

} // namespace girolino::lingua
