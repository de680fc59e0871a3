// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Giocata.h"

#include "engine/Chance.h"
#include "engine/Settori.h"

#include <stdexcept>
#include <string>

namespace girolino {

void verificaNumero(int n) {
    if (n < 0 || n >= NUMERI) throw std::out_of_range("numero fuori dal tavolo");
}

void registraColpo(TContatore& e) {
    ++e.sortite;
    if (e.ritardo > e.maxRitardo) e.maxRitardo = e.ritardo - 1;
    e.ritardo = 0;
}

void aumentaritardi(TPartita& p) {
    for (int c = 1; c <= NUM_CHANCE; ++c) ++p.chance[c].ritardo;
    for (int g = 1; g <= NUM_GRUPPI; ++g) ++p.gruppi[g].ritardo;
}

void aggiungiNumeroAlNastro(TPartita& p, int n) {
    verificaNumero(n);
    p.nastroNumeri.push_back(std::to_string(n));
}

void aggiornaGruppi(TPartita& p, int n) {
    const auto gruppi = gruppiDelNumero(n);
    // The three copies are taken in three passes, then the hits scored.
    for (int g : gruppi) p.gruppi[g].sortitePrec = p.gruppi[g].sortite;
    for (int g : gruppi) p.gruppi[g].ritardoPrec = p.gruppi[g].ritardo - 1;
    for (int g : gruppi) p.gruppi[g].maxRitardoPrec = p.gruppi[g].maxRitardo;
    for (int g : gruppi) registraColpo(p.gruppi[g]);
}

void aggiornaNumeri(TPartita& p, int n) {
    verificaNumero(n);
    for (auto& e : p.numeri) ++e.ritardo;
    auto& e = p.numeri[n];
    e.ritardoPrec = e.ritardo;
    registraColpo(e);
    aggiornaRuota(p, n);
}

void inserisciSpin(TPartita& p, int n, TOsservatoreGiocata& o) {
    verificaNumero(n);
    aumentaritardi(p);
    o.ritardiAumentati();
    aggiungiNumeroAlNastro(p, n);
    aggiornaChance(p, n);
    o.nastriAllungati(n);
    aggiornaGruppi(p, n);
    p.ultimoNumero = n;
    o.gruppiAggiornati(n);
    ++p.bouleEseguite;
    aggiornaNumeri(p, n);
    o.numeriAggiornati(n);
    aggiornaRipetizioni(p, n);
    p.partitaModificata = true;
    o.ripetizioniContate(n);
}

void inserisciSpin(TPartita& p, int n) {
    TOsservatoreGiocata nessuno;
    inserisciSpin(p, n, nessuno);
}

} // namespace girolino
