// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormImporta.h"

#include "Versione.h"
#include "model/Tabella.h"
#include "model/Testo.h"
#include "ui/Decimale.h"

#include <algorithm>
#include <array>
#include <span>

namespace girolino::ui {

namespace {

constexpr std::size_t ANTEPRIMA = 5; // spins shown at each end

// Characters of the source name shown in full; a longer one keeps its start and its end,
// where a path has its file name.
constexpr std::size_t MAX_ORIGINE = 56;
constexpr std::size_t INIZIO_ORIGINE = 20;

std::size_t caratteri(std::string_view t) {
    return static_cast<std::size_t>(std::count_if(
        t.begin(), t.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The byte offset of the k-th character of UTF-8 text.
std::size_t posizioneCarattere(std::string_view t, std::size_t k) {
    std::size_t i = 0;
    for (; i < t.size(); ++i)
        if ((static_cast<unsigned char>(t[i]) & 0xC0) != 0x80 && k-- == 0) break;
    return i;
}

std::string accorcia(std::string_view origine) {
    const std::size_t n = caratteri(origine);
    if (n <= MAX_ORIGINE) return std::string(origine);
    const std::size_t fine = MAX_ORIGINE - INIZIO_ORIGINE - 1;
    std::string r(origine.substr(0, posizioneCarattere(origine, INIZIO_ORIGINE)));
    r += "…";
    r += origine.substr(posizioneCarattere(origine, n - fine));
    return r;
}

// 1234567 as "1.234.567".
std::string conMigliaia(std::size_t v) {
    const std::string cifre(TDecimale(static_cast<std::int64_t>(v)).testo());
    std::string r;
    for (std::size_t i = 0; i < cifre.size(); ++i) {
        if (i > 0 && (cifre.size() - i) % 3 == 0) r += '.';
        r += cifre[i];
    }
    return r;
}

std::vector<TSpezzone> spezzoni(std::span<const std::uint8_t> numeri) {
    std::vector<TSpezzone> r;
    for (const std::uint8_t n : numeri) {
        std::string testo(TDecimale(n).testo());
        testo += "  ";
        r.push_back({std::move(testo), coloriDeiNumeri.at(coloreNumero(n))});
    }
    return r;
}

} // namespace

TFormImporta::TFormImporta(TPiattaforma& p)
    : TForm(p, "TFormImporta", formatta(TESTO("%1 - Importa Numeri"), nomeProgramma), 436, 258) {
    setPosizione(TPosizioneForm::CentroPrincipale);
    id_ = costruisciFormImporta(*this);
}

void TFormImporta::prepara(std::string_view origine, TNumeri numeri) {
    numeri_ = std::move(numeri);
    invertito_ = false;
    confermato_ = false;
    setSpuntato(id_.inverti, false);
    setTesto(id_.origine, formatta(TESTO("Origine: %1"), accorcia(origine)));
    setTesto(id_.conteggio, formatta(TESTO("Numeri trovati: %1"), conMigliaia(numeri_.size())));
    aggiornaAnteprima();
}

std::optional<TFormImporta::TNumeri> TFormImporta::scegli(std::string_view origine,
                                                          TNumeri numeri) {
    prepara(origine, std::move(numeri));
    mostraModale();
    if (!confermato_) return std::nullopt;
    return numeri_;
}

void TFormImporta::aggiornaAnteprima() {
    const std::span<const std::uint8_t> tutti(numeri_);
    const std::size_t k = std::min(ANTEPRIMA, tutti.size());
    setSpezzoni(id_.primi, spezzoni(tutti.first(k)));
    setSpezzoni(id_.ultimi, spezzoni(tutti.last(k)));
}

void TFormImporta::avanzamento(std::size_t fatti, std::size_t totale) {
    if (!inCorso_) {
        inCorso_ = true;
        setVisibile(id_.importa, false);
        setVisibile(id_.annulla, false);
        setAbilitato(id_.inverti, false);
        setVisibile(id_.barra, true);
    }
    setTesto(id_.conteggio,
             formatta(TESTO("Inserimento: %1 di %2"), conMigliaia(fatti), conMigliaia(totale)));
    // Thousands of spins a step keep the bar's range within an int.
    setBarra(id_.barra, 0, static_cast<int>(totale / 1000 + 1), static_cast<int>(fatti / 1000));
}

void TFormImporta::finito() {
    if (!inCorso_) return;
    inCorso_ = false;
    setVisibile(id_.barra, false);
    setVisibile(id_.importa, true);
    setVisibile(id_.annulla, true);
    setAbilitato(id_.inverti, true);
    nascondi();
}

void TFormImporta::click(int id) {
    if (inCorso_) return;
    if (id == id_.inverti) {
        const bool spunta = spuntato(id_.inverti);
        if (spunta == invertito_) return;
        invertito_ = spunta;
        std::reverse(numeri_.begin(), numeri_.end());
        aggiornaAnteprima();
    } else if (id == id_.importa) {
        confermato_ = true;
        nascondi();
    } else if (id == id_.annulla) {
        confermato_ = false;
        nascondi();
    }
}

bool TFormImporta::chiusuraRichiesta() {
    if (inCorso_) return false; // the spins already entered would leave the game half-done
    confermato_ = false;
    nascondi();
    return true;
}

} // namespace girolino::ui
