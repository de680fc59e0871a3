// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileBuffer.h"

#include "Versione.h"

#include "gamefile/Cartelle.h"
#include "gamefile/SalvaPartita.h"
#include "model/Testo.h"

namespace girolino::ui {

namespace fs = std::filesystem;

TMainForm::TMainForm(TPiattaforma& p) : piattaforma_(p) {}

void TMainForm::impostaFile(const fs::path& percorso) {
    fileName_ = percorso.string();
    named_ = !fileName_.empty();
    fileCaption_ = percorso.filename().string();
}

fs::path TMainForm::cartellaBase() {
    const fs::path programma = piattaforma_.cartellaProgramma();
    if (cartellaScrivibile(programma)) return programma;
    const fs::path documenti = fs::path(piattaforma_.cartellaDocumenti()) / nomeProgramma;
    creaCartella(documenti); // a failure shows up when the game folders are created in it
    return documenti;
}

TDialogoFile TMainForm::dialogo(const fs::path& base, const char* titolo) const {
    TDialogoFile d;
    d.titolo = titolo;
    d.filtro = formatta(TESTO("File %1 (*.FVR)"), nomeProgramma) + "|*.fvr|" +
               TESTO("Tutti i file") + "|*.*";
    d.cartellaIniziale = cartellaSalvati(base).string();
    d.nomeProposto = fileName_;
    return d;
}

TEsitoSalvataggio TMainForm::salvaSuFile(bool chiediNome, const TPartita& p) {
    const fs::path base = cartellaBase();
    if (auto e = creaCartella(cartellaSalvati(base)); !e) {
        piattaforma_.errore(e.messaggio);
        return TEsitoSalvataggio::Fallito;
    }
    fs::path percorso = fileName_;
    if (chiediNome || !named_) {
        TDialogoFile d = dialogo(base, TESTO("Salva il file di testo"));
        d.chiediSovrascrittura = true;
        const auto scelta = piattaforma_.dialogoSalva(d);
        if (!scelta || scelta->empty()) return TEsitoSalvataggio::Annullato;
        percorso = conEstensione(*scelta);
    }
    if (auto e = salvaPartita(percorso, righe_, p); !e) {
        piattaforma_.errore(e.messaggio);
        return TEsitoSalvataggio::Fallito;
    }
    impostaFile(percorso);
    return TEsitoSalvataggio::Scritto;
}

std::optional<fs::path> TMainForm::scegliFileDaAprire() {
    const fs::path base = cartellaBase();
    if (auto e = creaCartelle(base); !e) {
        piattaforma_.errore(e.messaggio);
        return std::nullopt;
    }
    const auto scelta = piattaforma_.dialogoApri(dialogo(base, TESTO("Apri un file di testo")));
    if (!scelta || scelta->empty()) return std::nullopt;
    return fs::path(*scelta);
}

} // namespace girolino::ui
