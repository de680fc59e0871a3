// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entering one spin into the game state.
//
// inserisciSpin is the one sequence of steps a spin goes through. A display that must
// refresh between the steps passes a TOsservatoreGiocata: each hook is called once the
// step it is named after is done, and the state it sees is the one that step left.

#include "model/Partita.h"

namespace girolino {

// Called by inserisciSpin after each of its steps; every hook does nothing by default.
class TOsservatoreGiocata {
public:
    virtual ~TOsservatoreGiocata() = default;
    // Every side and every group has aged by one spin (aumentaritardi).
    virtual void ritardiAumentati() {}
    // n is on the six ribbons and the side it hits is scored (aggiornaChance).
    virtual void nastriAllungati(int n) { (void)n; }
    // The groups of n are scored and ultimoNumero is n; the spin is not counted yet.
    virtual void gruppiAggiornati(int n) { (void)n; }
    // bouleEseguite counts the spin; every number has aged and n is scored (aggiornaNumeri).
    virtual void numeriAggiornati(int n) { (void)n; }
    // The runs of consecutive hits are counted and the game is marked as modified.
    virtual void ripetizioniContate(int n) { (void)n; }
};

// Throws std::out_of_range when n is not a number of the table (0..36).
void verificaNumero(int n);

// The hit rule for an entity whose delay already counts this spin: one more hit, the
// absence it closes (ritardo - 1) raises maxRitardo if longer, and the delay restarts.
void registraColpo(TContatore& e);

// Every side and every group ages by one spin. Numbers age later, in aggiornaNumeri.
void aumentaritardi(TPartita& p);

// Appends n as decimal text to the number ribbon.
void aggiungiNumeroAlNastro(TPartita& p, int n);

// Scores the groups containing n, keeping their undo copies first. Nothing for 0.
void aggiornaGruppi(TPartita& p, int n);

// Every number ages by one spin, then n is scored after keeping its undo copy; the wheel's
// sectors and arcs follow (aggiornaRuota).
void aggiornaNumeri(TPartita& p, int n);

// One spin, in this order: aumentaritardi, aggiungiNumeroAlNastro and aggiornaChance,
// aggiornaGruppi and ultimoNumero := n, bouleEseguite + 1 and aggiornaNumeri,
// aggiornaRipetizioni and partitaModificata := true; o hears of each step as it ends.
// Throws std::out_of_range, before changing anything, when n is not 0..36.
void inserisciSpin(TPartita& p, int n, TOsservatoreGiocata& o);
void inserisciSpin(TPartita& p, int n);

} // namespace girolino
