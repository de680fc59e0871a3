// SPDX-License-Identifier: GPL-3.0-or-later
// The delay and repetition signals, and the refreshes that follow a spin or an undo.

#include "ui/Form1.h"

#include "ui/Form5.h"

namespace girolino::ui {

void TForm1::ritardisignificativi() {
    const TSegnaleRitardo segnale =
        girolino::ritardisignificativi(partita_, spuntato(ids_.segnalaRitardo), testo(ids_.edit2));
    for (int c = Rosso; c <= Col3; ++c) {
        const int etichetta = ids_.segnaliRitardo[c];
        if (segnale.visibile[c]) setTesto(etichetta, segnale.didascalia);
        setVisibile(etichetta, segnale.visibile[c]);
    }
}

// A threshold that is not a whole number switches the repetition signal off.
std::optional<std::int32_t> TForm1::leggiSogliaRipetizioni() const {
    return girolino::sogliaRipetizioni(spuntato(ids_.segnalaRipetizioni), testo(ids_.combo1));
}

void TForm1::mostraTitoli(std::optional<std::int32_t> soglia) {
    girolino::pulisciTitoliCS(titoli_);
    girolino::impostaTitoliCS(partita_, soglia, titoli_, banner_);
    for (int t = 0; t < NUM_TITOLI; ++t) {
        const int id = ids_.titoli[t];
        setTesto(id, titoli_[t].testo);
        setColoreFont(id, titoli_[t].rosso ? clRed : clBlack);
        setGrassetto(id, titoli_[t].grassetto);
    }
    setTesto(ids_.banner, banner_.testo);
    setVisibile(ids_.banner, banner_.visibile);
}

// The display part of a spin's signals: titles, banner, modified flag, pad strip.
void TForm1::aggiornaVistaSegnali() {
    mostraTitoli(leggiSogliaRipetizioni());
    partita_.partitaModificata = true;
    aggiornaStriscia();
}

void TForm1::aggiornaStriscia() {
    if (tastiera_) tastiera_->aggiornaStriscia(partita_, testo(ids_.memo2));
}

} // namespace girolino::ui
