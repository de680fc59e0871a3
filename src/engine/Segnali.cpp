// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Segnali.h"

#include "engine/LetturaNumeri.h"
#include "model/Testo.h"

namespace girolino {

namespace {

struct TSegnoRipetizione {
    int nastro;              // which ribbon title the side marks
    std::string_view titolo; // the title with the run's length as %1
    std::string_view banner; // the banner with the run's length as %1
};

// Indexed by TChance. The red title has no colon, unlike the others: it reads "R 3".
constexpr std::array<TSegnoRipetizione, NUM_CHANCE + 1> segni = {{
    {0, "", ""},
    {0, TESTO("R %1"), TESTO("Rosso %1 volte!")},
    {0, TESTO("N: %1"), TESTO("Nero %1 volte!")},
    {1, TESTO("Pari: %1"), TESTO("Pari %1 volte!")},
    {1, TESTO("Dispari: %1"), TESTO("Dispari %1 volte!")},
    {2, TESTO("Manq: %1"), TESTO("Manq %1 volte!")},
    {2, TESTO("Pass: %1"), TESTO("Pass %1 volte!")},
    {3, TESTO("Doz. 1: %1"), TESTO("Doz 1 %1 volte!")},
    {3, TESTO("Doz. 2: %1"), TESTO("Doz 2 %1 volte!")},
    {3, TESTO("Doz. 3: %1"), TESTO("Doz 3 %1 volte!")},
    {4, TESTO("Col. 1: %1"), TESTO("Col 1 %1 volte!")},
    {4, TESTO("Col. 2: %1"), TESTO("Col 2 %1 volte!")},
    {4, TESTO("Col. 3: %1"), TESTO("Col 3 %1 volte!")},
}};

} // namespace

TSegnaleRitardo ritardisignificativi(const TPartita& partita, bool attivo,
                                     std::string_view testoSoglia) {
    TSegnaleRitardo segnale;
    if (!attivo) return segnale;
    const std::optional<std::int32_t> soglia = leggiIntero(testoSoglia);
    if (!soglia) return segnale;
    segnale.didascalia = formatta(TESTO("Ritardo %1+"), testoSoglia);
    for (int c = Rosso; c <= Col3; ++c) segnale.visibile[c] = partita.chance[c].ritardo > *soglia;
    return segnale;
}

std::optional<std::int32_t> sogliaRipetizioni(bool attivo, std::string_view testoSoglia) {
    if (!attivo) return 10000;
    return leggiIntero(testoSoglia);
}

void pulisciTitoliCS(TTitoliNastri& titoli) {
    static constexpr std::array<std::string_view, NUM_TITOLI> semplici = {
        TESTO("R/N"), TESTO("Pari/Disp"), TESTO("Manq/Pass"), TESTO("Doz. 1-2-3"),
        TESTO("Col. 1-2-3")};
    for (int t = 0; t < NUM_TITOLI; ++t) {
        titoli[t].testo.assign(semplici[t]);
        titoli[t].rosso = false;
        titoli[t].grassetto = false;
    }
}

void impostaTitoliCS(const TPartita& partita, std::optional<std::int32_t> soglia,
                     TTitoliNastri& titoli, TBanner& banner) {
    if (soglia) {
        int ultimo = 0;
        for (int c = Rosso; c <= Col3; ++c) {
            const std::int32_t run = partita.ripetizioni[c];
            if (run < *soglia) continue;
            TTitoloNastro& t = titoli[segni[c].nastro];
            t.testo = formatta(segni[c].titolo, run);
            t.rosso = true;
            t.grassetto = true;
            ultimo = c;
        }
        if (ultimo != 0) banner.testo = formatta(segni[ultimo].banner, partita.ripetizioni[ultimo]);
    }
    banner.visibile = false;
    for (const TTitoloNastro& t : titoli) banner.visibile = banner.visibile || t.rosso;
}

} // namespace girolino
