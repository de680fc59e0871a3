// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form17.h"

#include "Versione.h"
#include "model/Testo.h"

namespace girolino::ui {

TForm17::TForm17(TPiattaforma& p)
    : TForm(p, "TForm17", formatta(TESTO("%1 Regole di Utilizzo"), nomeProgramma), 585, 429) {
    setPosizione(TPosizioneForm::CentroSchermo);
    setSempreInPrimoPiano(true);
    id_ = costruisciForm17(*this);
}

void TForm17::mostra() {
    if (visibile()) return;
    auto& p = piattaforma();
    if (p.impostazioniDisponibili() && p.leggiImpostazione(chiaveMostraRegole) == false) {
        setSpuntato(id_.casella, true);
        regoleAccettate_ = true;
    }
    TForm::mostra();
}

void TForm17::accetta() {
    // When the setting cannot be stored the acceptance still holds for this run; the
    // window will simply be shown again at the next start.
    if (spuntato(id_.casella)) piattaforma().scriviImpostazione(chiaveMostraRegole, false);
    regoleAccettate_ = true;
    nascondi();
}

bool TForm17::esci() {
    if (uscita_) return uscita_();
    piattaforma().esci();
    return true;
}

void TForm17::click(int id) {
    if (id == id_.accetto)
        accetta();
    else if (id == id_.nonAccetto)
        esci();
}

bool TForm17::chiusuraRichiesta() {
    // A save cancelled on the way out keeps the window, and the rules still unaccepted.
    if (!regoleAccettate_ && !esci()) return false;
    nascondi();
    return true;
}

} // namespace girolino::ui
