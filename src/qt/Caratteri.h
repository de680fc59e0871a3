// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Fonts of the windows. The layouts name fonts of another desktop; each is
// replaced by an installed face of similar width at the same pixel height, so
// texts fit the controls they were measured for.

#include "ui/Controllo.h"

#include <QFont>
#include <QString>

namespace girolino::qt {

// The installed family that stands in for a family named by a layout.
QString famigliaInstallata(const std::string& famiglia);
QFont fontQt(const ui::TCarattere& c);

} // namespace girolino::qt
