// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program speaks Italian: Qt's own texts (the "Sì"/"No" buttons, the file
// dialogs) come from Qt's Italian translation.

class QCoreApplication;

namespace girolino::qt {

// Sets the Italian locale and installs Qt's Italian translation; false when the
// translation is not installed (Qt's English texts then remain).
bool impostaItaliano(QCoreApplication& app);

} // namespace girolino::qt
