// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Chance.h"

#include "engine/Giocata.h"

namespace girolino {

namespace {
constexpr int NUM_NASTRI_CHANCE = 5; // colour, parity, half, dozen, column
}

int rossoonero(int num) {
    return coloreNumero(num);
}

void aggiornaChance(TPartita& p, int n) {
    const auto& lettere = lettereNastro(n);
    const auto nastri = p.nastri();
    for (int f = 0; f < NUM_NASTRI_CHANCE; ++f) {
        nastri[f + 1]->push_back(lettere[f]);
        if (n == 0) continue;
        auto& c = p.chance[chanceDellaFamiglia(n, f)];
        c.maxRitardoPrec = c.maxRitardo;
        c.ritardoPrec = c.ritardo;
        registraColpo(c);
    }
}

void aggiornaRipetizioni(TPartita& p, int n) {
    verificaNumero(n);
    if (n == 0) return;
    for (int f = 0; f < NUM_NASTRI_CHANCE; ++f) {
        const TChance h = chanceDellaFamiglia(n, f);
        for (TChance o : chanceInFamiglia(f)) {
            if (o == h) {
                ++p.ripetizioni[h];
            } else {
                p.ripetizioniPrec[o] = p.ripetizioni[o];
                p.ripetizioni[o] = 0;
            }
        }
    }
}

void annullaChance(TPartita& p, int n) {
    verificaNumero(n);
    if (n == 0) {
        for (int c = 1; c <= NUM_CHANCE; ++c) --p.chance[c].ritardo;
        return;
    }
    for (int f = 0; f < NUM_NASTRI_CHANCE; ++f) {
        const TChance h = chanceDellaFamiglia(n, f);
        for (TChance o : chanceInFamiglia(f)) {
            auto& c = p.chance[o];
            if (o == h) {
                --c.sortite;
                c.ritardo = c.ritardoPrec - 1;
                c.maxRitardo = c.maxRitardoPrec;
                --p.ripetizioni[h];
            } else {
                --c.ritardo;
                p.ripetizioni[o] = p.ripetizioniPrec[o];
            }
        }
    }
}

} // namespace girolino
