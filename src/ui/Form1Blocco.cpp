// Entering many spins at once: a random run, a list of spins. The game takes every spin in
// turn exactly as from its button, but the window is refreshed once, for the last one: the
// screen texts of the spins before it would be overwritten unseen.

#include "ui/Form1.h"

#include "engine/Giocata.h"
#include "engine/Segnali.h"
#include "ui/FormImporta.h"

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

// A long list: the blocks run one per turn of the event loop while the preview, still modal,
// shows how far the import has gone; the windows keep being drawn and nothing else can be
// done meanwhile. The preview closes once the last spin is in.
void TForm1::avviaBlocco(std::vector<std::uint8_t> numeri) {
    if (numeri.size() <= SPIN_PER_BLOCCO) { // a moment's work: at once
        partita_.seguiUltimo = false;
        inserisciNumeri(numeri);
        partita_.seguiUltimo = true;
        spostaCursori();
        return;
    }
    blocco_.attivo = true;
    blocco_.numeri = std::move(numeri);
    blocco_.fatti = 0;
    const auto nastri = partita_.nastri();
    for (int k = 0; k < 6; ++k) blocco_.righePrima[k] = nastri[k]->size();
    partita_.seguiUltimo = false;
    if (importa_) importa_->avanzamento(0, blocco_.numeri.size());
    piattaforma().piuTardi([this] { prossimoBlocco(); });
    if (importa_ && blocco_.attivo) importa_->mostraModale();
}

void TForm1::prossimoBlocco() {
    if (!blocco_.attivo) return;
    const std::span<const std::uint8_t> tutti(blocco_.numeri);
    const std::size_t fine = std::min(tutti.size() - 1, blocco_.fatti + SPIN_PER_BLOCCO);
    inserisciSoloConteggi(tutti.subspan(blocco_.fatti, fine - blocco_.fatti));
    blocco_.fatti = fine;
    if (fine + 1 < tutti.size()) {
        if (importa_) importa_->avanzamento(fine, tutti.size());
        piattaforma().piuTardi([this] { prossimoBlocco(); });
        return;
    }
    concludiBlocco(blocco_.righePrima, tutti.back());
    partita_.seguiUltimo = true;
    spostaCursori();
    blocco_ = {};
    if (importa_) importa_->finito();
}

} // namespace girolino::ui
