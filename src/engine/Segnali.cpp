// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Segnali.h"

#include "engine/LetturaNumeri.h"

namespace girolino {

namespace {

struct TSegnoRipetizione {
    int titolo;                // which ribbon title the side marks
    std::string_view prefisso; // in the title
    std::string_view parola;   // in the banner
};

// Indexed by TChance. The red prefix has no colon, unlike the others: the title reads "R 3".
constexpr std::array<TSegnoRipetizione, NUM_CHANCE + 1> segni = {{
    {0, "", ""},
    {0, "R ", "Rosso "},
    {0, "N: ", "Nero "},
    {1, "Pari: ", "Pari "},
    {1, "Dispari: ", "Dispari "},
    {2, "Manq: ", "Manq "},
    {2, "Pass: ", "Pass "},
    {3, "Doz. 1: ", "Doz 1 "},
    {3, "Doz. 2: ", "Doz 2 "},
    {3, "Doz. 3: ", "Doz 3 "},
    {4, "Col. 1: ", "Col 1 "},
    {4, "Col. 2: ", "Col 2 "},
    {4, "Col. 3: ", "Col 3 "},
}};

} // namespace

TSegnaleRitardo ritardisignificativi(const TPartita& partita, bool attivo,
                                     std::string_view testoSoglia) {
    TSegnaleRitardo segnale;
    if (!attivo) return segnale;
    const std::optional<std::int32_t> soglia = leggiIntero(testoSoglia);
    if (!soglia) return segnale;
    segnale.didascalia.reserve(testoSoglia.size() + 9);
    segnale.didascalia.append("Ritardo ").append(testoSoglia).append("+");
    for (int c = Rosso; c <= Col3; ++c) segnale.visibile[c] = partita.chance[c].ritardo > *soglia;
    return segnale;
}

std::optional<std::int32_t> sogliaRipetizioni(bool attivo, std::string_view testoSoglia) {
    if (!attivo) return 10000;
    return leggiIntero(testoSoglia);
}

void pulisciTitoliCS(TTitoliNastri& titoli) {
    static constexpr std::array<std::string_view, NUM_TITOLI> semplici = {
        "R/N", "Pari/Disp", "Manq/Pass", "Doz. 1-2-3", "Col. 1-2-3"};
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
            TTitoloNastro& t = titoli[segni[c].titolo];
            t.testo.assign(segni[c].prefisso).append(std::to_string(run));
            t.rosso = true;
            t.grassetto = true;
            ultimo = c;
        }
        if (ultimo != 0)
            banner.testo.assign(segni[ultimo].parola)
                .append(std::to_string(partita.ripetizioni[ultimo]))
                .append(" volte!");
    }
    banner.visibile = false;
    for (const TTitoloNastro& t : titoli) banner.visibile = banner.visibile || t.rosso;
}

} // namespace girolino
