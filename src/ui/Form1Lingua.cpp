// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Lingua: the language the program speaks from its next start, kept in the settings
// store. The running program keeps its language: every window is built in one.

#include "ui/Form1.h"

#include "model/Lingue.h"
#include "model/Testo.h"

#include <string>

namespace girolino::ui {

void TForm1::mostraLinguaScelta() {
    const std::optional<std::string> letta =
        piattaforma().leggiTestoImpostazione(std::string(chiaveLingua));
    // A missing or unknown choice is the automatic one, as at start.
    std::size_t scelta = 0;
    for (std::size_t k = 0; k < vociLingua.size(); ++k)
        if (letta && *letta == vociLingua[k].scelta) scelta = k;
    for (std::size_t k = 0; k < vociLingua.size(); ++k)
        setVoceSpuntata(ids_.idVociLingua[k], k == scelta);
}

bool TForm1::voceLingua(int idVoce) {
    for (std::size_t k = 0; k < vociLingua.size(); ++k) {
        if (ids_.idVociLingua[k] != idVoce) continue;
        if (!piattaforma().scriviTestoImpostazione(std::string(chiaveLingua),
                                                   std::string(vociLingua[k].scelta))) {
            piattaforma().errore(TESTO(
                "Non è stato possibile memorizzare la lingua scelta: le impostazioni del "
                "programma non si possono scrivere. Al prossimo avvio la lingua non cambierà."));
            return true;
        }
        mostraLinguaScelta();
        piattaforma().messaggio(
            TESTO("La lingua scelta sarà usata al prossimo avvio del programma."));
        return true;
    }
    return false;
}

} // namespace girolino::ui
