// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (the "Sì"/"No" buttons, the file dialogs) and its number formats follow the
// program's language: Qt's translation of it is installed when Qt has one.

#include <string>

class QCoreApplication;

namespace girolino::qt {

// Sets the Italian locale and installs Qt's Italian translation; false when the
// translation is not installed (Qt's English texts then remain).
bool impostaItaliano(QCoreApplication& app);

// The same for the language of a code ("it", "en"...): false when Qt has no translation of
// it (English needs none).
bool impostaLingua(QCoreApplication& app, const std::string& codice);

} // namespace girolino::qt
