// SPDX-License-Identifier: GPL-3.0-or-later
// Entering spins: one number from a button, or a run of random ones.

#include "model/Testo.h"
#include "ui/Form1.h"

#include "engine/LetturaNumeri.h"
#include "ui/Decimale.h"

#include <algorithm>
#include <string>
#include <vector>

namespace girolino::ui {

void TForm1::inserisciNumero(int n) {
    girolino::inserisciSpin(partita_, n, *this);
}

void TForm1::ritardiAumentati() {
    setAbilitato(ids_.annulla, true);
    setAbilitato(ids_.andamento, true);
}

void TForm1::nastriAllungati(int n) {
    setTesto(ids_.memo1, TDecimale(n));
    aggiungiAiNastri();
}

void TForm1::gruppiAggiornati(int) {
    if (analisi_) analisi_->gruppiCambiati();
    assegnaChanceComplesse();
}

void TForm1::numeriAggiornati(int) {
    calcoliCalcola();
    evidenzia();
    impostaConteggio(TDecimale(partita_.bouleEseguite));
    reimpostaConnotazioni();
}

void TForm1::ripetizioniContate(int) {
    aggiornaVistaSegnali();
    if (analisi_) analisi_->spinInserito();
    seguiSeRichiesto();
}

void TForm1::evidenzia() {
    if (spuntato(ids_.rosso)) colorarosso();
    if (spuntato(ids_.grassetto)) numeriBold();
    ritardisignificativi();
}

// The ribbons on screen mirror the game's: the new last line of each is appended.
void TForm1::aggiungiAiNastri() {
    const auto nastri = partita_.nastri();
    for (int k = 0; k < 6; ++k) aggiungiRiga(ids_.nastri[k], nastri[k]->back());
}

void TForm1::impostaConteggio(std::string_view testo) {
    setTesto(ids_.memo2, testo);
    setVoceAbilitata(voceEsporta_, testo != "0");
    // A game with spins can be saved.
    if (testo != "0") {
        setAbilitato(ids_.salva, true);
        setVoceAbilitata(ids_.voceSalva, true);
    }
}

void TForm1::seguiSeRichiesto() {
    if (partita_.seguiUltimo) spostaCursori();
}

void TForm1::estraiCasuali(std::string_view quante) {
    setTesto(ids_.edit1, quante);
    vai();
    setTesto(ids_.edit1, "");
}

void TForm1::vai() {
    const std::string testoConteggio = testo(ids_.edit1);
    if (testoConteggio.empty()) {
        piattaforma().messaggio(TESTO("Attenzione: devi inserire il numero di Boules casuali che "
                                      "vuoi eseguire nell'apposito spazio bianco"));
        piattaforma().fuoco(*this, ids_.edit1);
        return;
    }
    const std::optional<std::int32_t> quante = girolino::leggiIntero(testoConteggio);
    if (!quante) {
        piattaforma().errore(
            formatta(TESTO("'%1' non è un valore intero valido."), testoConteggio));
        return;
    }
    // A run is synchronous: a huge count would freeze the window for minutes.
    if (*quante > MASSIMO_CASUALI) {
        piattaforma().messaggio(formatta(
            TESTO("Attenzione: puoi estrarre al massimo %1 Boules per volta."), MASSIMO_CASUALI));
        return;
    }
    std::vector<std::uint8_t> estratti(static_cast<std::size_t>(std::max(*quante, 0)));
    for (auto& n : estratti) n = static_cast<std::uint8_t>(estrattore_.estrai());
    partita_.seguiUltimo = false;
    inserisciNumeri(estratti);
    partita_.seguiUltimo = true;
    spostaCursori();
}

} // namespace girolino::ui
