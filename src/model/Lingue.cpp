// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Lingue.h"

namespace girolino {

TLingua linguaPer(std::string_view scelta, std::string_view primaLinguaDesktop) {
    if (scelta == sceltaItaliano) return TLingua::Italiano;
    if (scelta == sceltaInglese) return TLingua::Inglese;
    const bool inglese = primaLinguaDesktop.starts_with("en") &&
                         (primaLinguaDesktop.size() == 2 || primaLinguaDesktop[2] == '-' ||
                          primaLinguaDesktop[2] == '_' || primaLinguaDesktop[2] == '.');
    return inglese ? TLingua::Inglese : TLingua::Italiano;
}

} // namespace girolino
