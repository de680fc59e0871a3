// SPDX-License-Identifier: GPL-3.0-or-later
// Spins typed into the entry field, Backspace as undo, and the File menu's command items.

#include "ui/CampoNumero.h"
#include "ui/Form1.h"

namespace girolino::ui {

void TForm1::cercaIdentificativiElenchi() {
    idEditNumero_ = id(nomeCampoNumero);
    voceAnnulla_ = idMenu("AnnullaUltimoNumero1");
    voceNuova_ = idMenu("NuovaPartita1");
    voceImporta_ = idMenu("ImportaNumeri1");
    voceIncolla_ = idMenu("IncollaNumeri1");
    voceEsporta_ = idMenu("EsportaNumeri1");
    // The undo item is the undo button's twin; exporting needs spins.
    collegaVoce(voceAnnulla_, ids_.annulla);
    setVoceAbilitata(voceEsporta_, false);
}

void TForm1::invioNumero(TForm& finestra, int idCampo) {
    if (importazioneInCorso()) return;
    if (const std::optional<int> n = leggiCampoNumero(finestra, piattaforma(), idCampo))
        inserisciNumero(*n);
}

void TForm1::indietroDaCampoVuoto() {
    if (!importazioneInCorso() && controllo(ids_.annulla).abilitato) annullaUltimo();
}

void TForm1::cambiato(int id) {
    if (id == idEditNumero_) ripristinaCampoNumero(*this, id);
}

void TForm1::indietroInCampoVuoto(int id) {
    if (id == idEditNumero_) indietroDaCampoVuoto();
}

bool TForm1::voceElenchi(int idVoce) {
    if (idVoce == voceNuova_) {
        nuovaPartita();
    } else if (idVoce == voceAnnulla_) {
        indietroDaCampoVuoto();
    } else if (idVoce == voceImporta_) {
        importaNumeri();
    } else if (idVoce == voceIncolla_) {
        incollaNumeri();
    } else if (idVoce == voceEsporta_) {
        if (menu()[idVoce].abilitata) esportaNumeri();
    } else {
        return false;
    }
    return true;
}

} // namespace girolino::ui
