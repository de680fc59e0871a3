// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/RinvioNascoste.h"

namespace girolino::qt {

bool rinviaSeNascosta(const ui::TForm& modello, bool mostrata,
                      const std::function<void(int id)>& copiaTimer) {
    if (modello.visibile() || mostrata) return false;
    for (int id : modello.sporchi())
        if (modello.controllo(id).tipo == ui::TTipo::Timer) copiaTimer(id);
    return true;
}

} // namespace girolino::qt
