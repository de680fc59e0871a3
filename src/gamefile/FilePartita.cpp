// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/FilePartita.h"

namespace girolino {

namespace {

void aggiungiContatori(std::vector<std::string>& r, const auto& contatori, int primo, int ultimo,
                       std::int32_t TContatore::*campo) {
    for (int i = primo; i <= ultimo; ++i)
        r.push_back(std::to_string(static_cast<const TContatore&>(contatori[i]).*campo));
}

} // namespace

bool operator==(const TTestiVista& a, const TTestiVista& b) {
    const auto& x = a.connotazioni;
    const auto& y = b.connotazioni;
    return a.boule == b.boule && a.ultimoNumero == b.ultimoNumero && a.colore == b.colore &&
           x.parita == y.parita && x.meta == y.meta && x.dozzina == y.dozzina &&
           x.colonna == y.colonna && a.riepilogoGruppi == b.riepilogoGruppi &&
           a.classifiche == b.classifiche;
}

TTestiVista testiDallaPartita(const TPartita& p) {
    TTestiVista t;
    t.boule = std::to_string(p.bouleEseguite);
    t.ultimoNumero = std::to_string(p.ultimoNumero);
    t.colore = eRosso(p.ultimoNumero) ? "clred" : "clblack";
    t.connotazioni = connotazioni(p.ultimoNumero);
    t.riepilogoGruppi.fill("0");
    t.classifiche.fill("0");
    return t;
}

std::vector<std::string> componiFilePartita(const TPartita& p, const TTestiVista& testi) {
    std::vector<std::string> r;
    r.reserve(RIGHE_FILE_PARTITA);
    r.push_back(MARCATORE_FILE_PARTITA);
    r.push_back(testi.boule);
    r.push_back(testi.ultimoNumero);
    r.push_back(testi.colore);
    r.push_back(testi.connotazioni.parita);
    r.push_back(testi.connotazioni.meta);
    r.push_back(testi.connotazioni.dozzina);
    r.push_back(testi.connotazioni.colonna);
    for (auto campo : {&TContatore::ritardo, &TContatore::maxRitardo, &TContatore::sortite})
        aggiungiContatori(r, p.numeri, 0, NUMERI - 1, campo);
    for (auto campo : {&TContatore::ritardo, &TContatore::maxRitardo, &TContatore::sortite})
        aggiungiContatori(r, p.chance, 1, NUM_CHANCE, campo);
    r.insert(r.end(), testi.riepilogoGruppi.begin(), testi.riepilogoGruppi.end());
    r.insert(r.end(), testi.classifiche.begin(), testi.classifiche.end());
    for (int c = 1; c <= NUM_CHANCE; ++c) r.push_back(std::to_string(p.ripetizioni[c]));
    for (auto campo : {&TContatore::ritardo, &TContatore::maxRitardo, &TContatore::sortite})
        aggiungiContatori(r, p.gruppi, 1, NUM_GRUPPI, campo);
    return r;
}

} // namespace girolino
