// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/StatistichePartita.h"

#include "engine/AnalisiChance.h"
#include "model/Ruota.h"

#include <array>
#include <stdexcept>
#include <string>

namespace girolino {

namespace {} // namespace

std::string_view nomeStatisticoChance(TChance c) {
    if (c == 0) return {};
    return TESTI_CHANCE.at(static_cast<std::size_t>(c - Rosso));
}

double probabilitaChance(TChance c) {
    return (c >= Doz1 ? 12.0 : 18.0) / NUMERI;
}

TStatistichePartita statistichePartita(const TPartita& p, int vicini) {
    TStatistichePartita s;
    s.giri = p.bouleEseguite;
    std::array<std::int64_t, NUMERI> sortite{};
    s.numeri.reserve(NUMERI);
    for (int n = 0; n < NUMERI; ++n) {
        s.numeri.push_back(rigaStatistica(std::to_string(n), 1.0 / NUMERI, p.numeri[n], s.giri));
        sortite[n] = p.numeri[n].sortite;
    }
    s.chance.reserve(NUM_CHANCE);
    for (int c = Rosso; c <= Col3; ++c) {
        const auto ch = static_cast<TChance>(c);
        s.chance.push_back(rigaStatistica(std::string(nomeStatisticoChance(ch)),
                                          probabilitaChance(ch), p.chance[c], s.giri));
    }
    s.settori.reserve(NUM_SETTORI);
    for (int i = 0; i < NUM_SETTORI; ++i) {
        const TSettore& t = settori()[i];
        s.settori.push_back(rigaStatistica(std::string(t.nome),
                                           static_cast<double>(t.numeri.size()) / NUMERI,
                                           p.ruota.settori[i], s.giri));
    }
    if (vicini < 0 || vicini > MAX_LARGHEZZA_ARCO)
        throw std::out_of_range("larghezza d'arco fuori da 0.." +
                                std::to_string(MAX_LARGHEZZA_ARCO));
    if (vicini > 0) {
        s.archi.reserve(NUMERI);
        const double probabilita = static_cast<double>(dimensioneArco(vicini)) / NUMERI;
        for (int i = 0; i < NUMERI; ++i)
            s.archi.push_back(rigaStatistica(nomeArco(ordineRuota()[i], vicini), probabilita,
                                             p.ruota.archi[vicini - 1][i], s.giri));
    }
    s.chiQuadro = chiQuadroNumeri(sortite, s.giri);
    return s;
}

} // namespace girolino
