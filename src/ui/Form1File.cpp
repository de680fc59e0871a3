// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the game to a file, opening a saved one, and the question at closing.

#include "model/Testo.h"
#include "ui/Form1.h"

#include "Versione.h"

#include "gamefile/CaricaPartita.h"
#include "ui/Decimale.h"
#include "ui/FileBuffer.h"
#include "ui/Form1Layout.h"

#include <string>

namespace girolino::ui {

namespace {
// The caption of a game shown from its file.
std::string captionConFile(const std::string& file) {
    return formatta(TESTO("%1 - File Visualizzato: %2"), nomeProgramma, file);
}
constexpr const char* nessunNumero = TESTO("Attenzione: non hai ancora inserito nessun numero.");
} // namespace

void TForm1::collegaFile(TMainForm& file) {
    file_ = &file;
}

void TForm1::abilitaSalva(bool b) {
    setAbilitato(ids_.salva, b);
    setVoceAbilitata(ids_.voceSalva, b);
}

// The texts the file keeps as the window shows them.
TTestiVista TForm1::testiVista() const {
    TTestiVista t;
    t.boule = testo(ids_.memo2);
    t.ultimoNumero = testo(ids_.memo1);
    t.colore = controllo(ids_.memo1).font.colore == clRed ? "clred" : "clblack";
    t.connotazioni = {testo(ids_.connotazioni[0]), testo(ids_.connotazioni[1]),
                      testo(ids_.connotazioni[2]), testo(ids_.connotazioni[3])};
    for (int f = 0; f < NUM_FAMIGLIE; ++f) {
        t.riepilogoGruppi[f] = testo(ids_.nnn[f]);
        t.riepilogoGruppi[NUM_FAMIGLIE + f] = testo(ids_.rrr[f]);
        t.riepilogoGruppi[2 * NUM_FAMIGLIE + f] = testo(ids_.mmm[f]);
        t.riepilogoGruppi[3 * NUM_FAMIGLIE + f] = testo(ids_.sss[f]);
    }
    for (int k = 0; k < 20; ++k) t.classifiche[k] = testo(ids_.classifiche[k]);
    return t;
}

bool TForm1::salva() {
    if (!file_) return false;
    if (testo(ids_.memo2) == "0") {
        piattaforma().messaggio(nessunNumero);
        return false;
    }
    // The caption tells whether a file is shown: after a new game it is not, even though
    // the buffer still knows the last file.
    if (caption() == captionForm1) return salvaConNome();
    file_->righe() = girolino::componiFilePartita(partita_, testiVista());
    return salvaSuFile(false);
}

bool TForm1::salvaConNome() {
    if (!file_) return false;
    if (testo(ids_.memo2) == "0") {
        piattaforma().messaggio(nessunNumero);
        return false;
    }
    file_->righe() = girolino::componiFilePartita(partita_, testiVista());
    return salvaSuFile(true);
}

bool TForm1::salvaSuFile(bool chiediNome) {
    switch (file_->salvaSuFile(chiediNome, partita_)) {
    case TEsitoSalvataggio::Annullato:
        abilitaSalva(true);
        return false;
    case TEsitoSalvataggio::Fallito:
        return false; // the message is shown; caption and "Salva" stay as they were
    case TEsitoSalvataggio::Scritto:
        break;
    }
    setCaption(captionConFile(file_->FFileCaption()));
    abilitaSalva(false);
    partita_.partitaModificata = false;
    return true;
}

void TForm1::apri() {
    if (!file_) return;
    if (testo(ids_.memo2) != "0" &&
        !piattaforma().domanda(TESTO("Attenzione: aprendo un file salvato perderai i dati "
                                     "attualmente visualizzati. Vuoi Continuare?")))
        return;
    // The game on screen goes only once the chosen file has been read and found valid: a
    // cancelled dialog or a refused file leaves it exactly as it was.
    const auto scelta = file_->scegliFileDaAprire();
    if (!scelta) return;
    caricaFilePartita(*scelta);
}

bool TForm1::caricaFilePartita(const std::filesystem::path& percorso) {
    if (!file_) return false;
    const TCaricamento c = girolino::caricaFilePartita(percorso, file_->cartellaBase());
    if (!c.valido()) {
        if (c.errore == MESSAGGIO_FILE_NON_VALIDO)
            piattaforma().messaggio(c.errore);
        else
            piattaforma().errore(c.errore);
        return false;
    }
    pulisciTutto();
    file_->impostaFile(percorso);
    const TFileCaricato& f = *c.partita;
    file_->righe() = f.righe;
    girolino::ripristinaPartita(partita_, f);

    impostaConteggio(TDecimale(partita_.bouleEseguite));
    setTesto(ids_.memo1, TDecimale(partita_.ultimoNumero));
    // Colour and attributes follow the number, as after a spin (a zero shows in green).
    reimpostaConnotazioni();
    const auto nastri = partita_.nastri();
    for (int k = 0; k < 6; ++k) sostituisciRighe(ids_.nastri[k], *nastri[k]);
    // The runs came back exactly as saved: only the display of the signals is refreshed.
    aggiornaVistaSegnali();
    setCaption(captionConFile(file_->FFileCaption()));
    abilitaSalva(false);
    partita_.partitaModificata = false;
    spostaCursori();
    // Each ribbon takes the focus in turn to show its last spin; the last one keeps it.
    piattaforma().fuoco(*this, ids_.nastri.back());

    if (analisi_) analisi_->classificheAggiornate();
    assegnaChanceComplesse();
    calcoliCalcola();
    // Only the red pass runs here (and the bold pass and the delay signal only through
    // it), after the refresh so that the family rows are compared as they are shown.
    if (spuntato(ids_.rosso)) colorarosso();
    // The complex chances window is left as the clear made it, until the next spin or
    // "Guarda Tutte"; the numbers table follows the opened game at once.
    if (analisi_) analisi_->partitaCambiata();
    return true;
}

bool TForm1::chiudi() {
    if (partita_.partitaModificata &&
        piattaforma().domanda(TESTO("Attenzione: hai aggiunto dei numeri ma non hai salvato. "
                                    "Vuoi Salvare prima di chiudere?")) &&
        !salva())
        return false; // the save was cancelled or failed: the game must not be lost
    piattaforma().esci();
    return true;
}

} // namespace girolino::ui
