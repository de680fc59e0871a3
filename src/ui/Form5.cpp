// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form5.h"

#include "engine/Striscia.h"
#include "ui/CampoNumero.h"
#include "ui/Form1.h"
#include "ui/Form5Layout.h"

#include <string>

namespace girolino::ui {

TForm5::TForm5(TPiattaforma& p, TForm1& principale)
    : TForm(p, "TForm5", captionForm5, larghezzaForm5, altezzaForm5), principale_(principale) {
    const TIdForm5 ids = costruisciForm5(*this);
    pulsanti_ = ids.pulsanti;
    conteggio_ = ids.conteggio;
    striscia_ = ids.striscia;
    campoNumero_ = ids.campoNumero;
    numeroDelPulsante_.assign(numControlli(), -1);
    for (int n = 0; n < NUMERI; ++n) numeroDelPulsante_[pulsanti_[n]] = n;
}

void TForm5::aggiornaStriscia(const TPartita& partita, std::string_view conteggio) {
    std::vector<TSpezzone> spezzoni;
    for (auto& [testo, codice] : girolino::striscia(partita)) {
        testo += ' ';
        spezzoni.push_back({std::move(testo), coloriDeiNumeri[codice]});
    }
    setSpezzoni(striscia_, std::move(spezzoni));
    setTesto(conteggio_, conteggio);
}

void TForm5::pulisciStriscia() {
    setSpezzoni(striscia_, {});
    setTesto(conteggio_, "0");
}

void TForm5::click(int id) {
    if (id < 0 || id >= static_cast<int>(numControlli())) return;
    if (const int n = numeroDelPulsante_[id]; n >= 0) principale_.inserisciNumero(n);
}

void TForm5::invio(int id) {
    if (id == campoNumero_) principale_.invioNumero(*this, id);
}

void TForm5::cambiato(int id) {
    if (id == campoNumero_) ripristinaCampoNumero(*this, id);
}

void TForm5::indietroInCampoVuoto(int id) {
    if (id == campoNumero_) principale_.indietroDaCampoVuoto();
}

} // namespace girolino::ui
