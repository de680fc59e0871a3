// SPDX-License-Identifier: GPL-3.0-or-later
// Entering many spins at once: a random run, a list of spins. The game takes every spin in
// turn exactly as from its button, but the window is refreshed once, for the last one: the
// screen texts of the spins before it would be overwritten unseen.

#include "ui/Form1.h"

#include "engine/Giocata.h"
#include "engine/Segnali.h"
#include "ui/FormImporta.h"

#include <algorithm>

namespace girolino::ui {

namespace {

// Spins entered per turn of the event loop in a long import: a few milliseconds of work.
constexpr std::size_t SPIN_PER_BLOCCO = 5000;

} // namespace

// Everything a spin changes in the game, and the two displays that keep a trace of earlier
// spins: the repetition banner, whose text is the last signal raised, and the delay signals,
// which keep their caption once shown. The rest is recomputed from the game at the refresh.
void TForm1::inserisciSoloConteggi(std::span<const std::uint8_t> numeri) {
    const std::optional<std::int32_t> soglia = leggiSogliaRipetizioni();
    const bool segnalaRitardo = spuntato(ids_.segnalaRitardo);
    const std::string sogliaRitardo = testo(ids_.edit2);
    for (const std::uint8_t n : numeri) {
        girolino::inserisciSpin(partita_, n);
        if (soglia) girolino::impostaTitoliCS(partita_, soglia, titoli_, banner_);
        const TSegnaleRitardo segnale =
            girolino::ritardisignificativi(partita_, segnalaRitardo, sogliaRitardo);
        for (int c = Rosso; c <= Col3; ++c)
            if (segnale.visibile[c]) setTesto(ids_.segnaliRitardo[c], segnale.didascalia);
    }
}

// The ribbons take the lines of the spins entered without a refresh, then the last spin
// goes through the whole refresh of a spin.
void TForm1::concludiBlocco(const std::array<std::size_t, 6>& righePrima, int ultimo) {
    const auto nastri = partita_.nastri();
    for (int k = 0; k < 6; ++k)
        for (std::size_t r = righePrima[k]; r < nastri[k]->size(); ++r)
            aggiungiRiga(ids_.nastri[k], (*nastri[k])[r]);
    inserisciNumero(ultimo);
}

void TForm1::inserisciNumeri(std::span<const std::uint8_t> numeri) {
    if (numeri.empty()) return;
    std::array<std::size_t, 6> righePrima{};
    const auto nastri = partita_.nastri();
    for (int k = 0; k < 6; ++k) righePrima[k] = nastri[k]->size();
    inserisciSoloConteggi(numeri.first(numeri.size() - 1));
    concludiBlocco(righePrima, numeri.back());
}

// A list is entered like a random run. A long one goes a block at a time, the preview showing
// how far it has gone, and between blocks the platform lets the windows be drawn (taking no
// input meanwhile): the window never freezes for more than a moment, and the result is the same.
void TForm1::avviaBlocco(std::vector<std::uint8_t> numeri) {
    if (numeri.empty()) return;
    partita_.seguiUltimo = false;
    if (numeri.size() <= SPIN_PER_BLOCCO) {
        inserisciNumeri(numeri);
    } else {
        struct TInCorso {
            bool& b;
            explicit TInCorso(bool& x) : b(x) { b = true; }
            ~TInCorso() { b = false; }
        } inCorso(importando_);
        std::array<std::size_t, 6> righePrima{};
        const auto nastri = partita_.nastri();
        for (int k = 0; k < 6; ++k) righePrima[k] = nastri[k]->size();
        const std::span<const std::uint8_t> tutti(numeri);
        if (importa_) {
            importa_->avanzamento(0, tutti.size());
            importa_->mostra();
        }
        for (std::size_t fatti = 0; fatti + 1 < tutti.size();) {
            const std::size_t fine = std::min(tutti.size() - 1, fatti + SPIN_PER_BLOCCO);
            inserisciSoloConteggi(tutti.subspan(fatti, fine - fatti));
            fatti = fine;
            if (importa_) importa_->avanzamento(fatti, tutti.size());
            piattaforma().respira();
        }
        concludiBlocco(righePrima, tutti.back());
        if (importa_) importa_->finito();
    }
    partita_.seguiUltimo = true;
    spostaCursori();
}

} // namespace girolino::ui
