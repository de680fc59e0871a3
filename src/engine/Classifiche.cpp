// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Classifiche.h"

#include "engine/Scambio.h"
#include "model/Testo.h"

#include <span>

namespace girolino {

namespace {

template <typename Chiave>
void classifica(const TPartita& partita, TClassifica& voci, Chiave chiave) {
    for (int n = 0; n < NUMERI; ++n) voci[n] = {chiave(partita.numeri[n]), n};
    ordinaScambioRapido(std::span<TVoceClassifica>(voci),
                        [](const TVoceClassifica& v) { return v.chiave; });
}

} // namespace

void calcolaClassifiche(const TPartita& partita, TClassifiche& classifiche) {
    classifica(partita, classifiche.ritardatari, [](const TContatore& c) { return c.ritardo; });
    classifica(partita, classifiche.probabili,
               [](const TContatore& c) { return c.ritardo - c.maxRitardo; });
    classifica(partita, classifiche.frequenti, [](const TContatore& c) { return c.sortite; });
}

TClassifiche calcolaClassifiche(const TPartita& partita) {
    TClassifiche classifiche;
    calcolaClassifiche(partita, classifiche);
    return classifiche;
}

std::array<int, 5> primiCinque(const TClassifica& classifica) {
    return {classifica[0].numero, classifica[1].numero, classifica[2].numero, classifica[3].numero,
            classifica[4].numero};
}

std::array<int, 5> menoFrequenti(const TClassifiche& classifiche) {
    const auto& c = classifiche.frequenti;
    return {c[36].numero, c[35].numero, c[34].numero, c[33].numero, c[32].numero};
}

std::string suggerimentoNumero(const TContatore& contatore) {
    return formatta(TESTO("Ritardo: %1 Massimo Ritardo Storico: %2 Sortite: %3"), contatore.ritardo,
                    contatore.maxRitardo, contatore.sortite);
}

} // namespace girolino
