// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Annulla.h"

#include "engine/Chance.h"
#include "engine/Giocata.h"
#include "engine/LetturaNumeri.h"
#include "engine/Settori.h"
#include "model/Testo.h"

#include <optional>
#include <stdexcept>

namespace girolino {

void diminuisciritardi(TPartita& p) {
    for (int g = 1; g <= NUM_GRUPPI; ++g) --p.gruppi[g].ritardo;
}

void togliUltimaRiga(TPartita& p) {
    for (TNastro* nastro : p.nastri())
        if (!nastro->empty()) nastro->pop_back();
}

void riCalcolaNumeri(TPartita& p, int numeroAnnullato) {
    verificaNumero(numeroAnnullato);
    for (auto& e : p.numeri) --e.ritardo;
    auto& e = p.numeri[numeroAnnullato];
    e.ritardo = e.ritardoPrec - 1;
    --e.sortite;
    annullaRuota(p, numeroAnnullato);
}

void ripristinaGruppi(TPartita& p, int n) {
    for (int g : gruppiDelNumero(n)) {
        auto& e = p.gruppi[g];
        e.sortite = e.sortitePrec;
        e.ritardo = e.ritardoPrec;
        e.maxRitardo = e.maxRitardoPrec;
    }
}

int numeroDellaRiga(std::string_view riga) {
    const std::optional<int> n = numeroDelTavolo(riga);
    if (!n) throw std::invalid_argument(formatta(TESTO("'%1' non è un numero valido"), riga));
    return *n;
}

void ripristinaUltimoNumero(TPartita& p) {
    if (!p.nastroNumeri.empty()) p.ultimoNumero = numeroDellaRiga(p.nastroNumeri.back());
}

void pulisciPartita(TPartita& p) {
    const auto azzera = [](TContatore& e) { e.ritardo = e.maxRitardo = e.sortite = 0; };
    for (auto& e : p.numeri) azzera(e);
    for (auto& e : p.gruppi) azzera(e);
    p.bouleEseguite = 0;
    p.partitaModificata = false;
    for (auto& e : p.chance) azzera(e);
    p.ripetizioni.fill(0);
    for (TNastro* nastro : p.nastri()) nastro->clear();
    azzeraRuota(p);
}

void annullaSpin(TPartita& p, TOsservatoreAnnullo& o) {
    if (p.bouleEseguite < 1 || p.nastroNumeri.empty()) return;
    if (p.bouleEseguite == 1) {
        pulisciPartita(p);
        o.partitaPulita();
        return;
    }
    const int annullato = p.ultimoNumero;
    verificaNumero(annullato);
    // Read the number that becomes last before touching anything, so that a bad line
    // leaves the game as it was.
    const std::size_t righe = p.nastroNumeri.size();
    if (righe >= 2) numeroDellaRiga(p.nastroNumeri[righe - 2]);

    diminuisciritardi(p);
    togliUltimaRiga(p);
    o.righeTolte();
    --p.bouleEseguite;
    riCalcolaNumeri(p, annullato);
    o.numeriRicalcolati(annullato);
    annullaChance(p, annullato);
    ripristinaGruppi(p, annullato);
    p.partitaModificata = true;
    o.chanceAnnullate(annullato);
    ripristinaUltimoNumero(p);
    o.spinAnnullato();
}

void annullaSpin(TPartita& p) {
    TOsservatoreAnnullo nessuno;
    annullaSpin(p, nessuno);
}

} // namespace girolino
