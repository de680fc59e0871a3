// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entering one spin into the game state, step by step.
//
// The window runs these steps one at a time with its own refreshes in between, in this
// order: aumentaritardi, aggiungiNumeroAlNastro, aggiornaChance, aggiornaGruppi,
// ultimoNumero := n, bouleEseguite + 1, aggiornaNumeri, and later aggiornaRipetizioni.
// inserisciSpin runs them all at once for callers that need no display in between.

#include "model/Partita.h"

namespace girolino {

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

// The whole counter side of one spin, including the repetition runs; marks the game as
// modified. Throws std::out_of_range, before changing anything, when n is not 0..36.
void inserisciSpin(TPartita& p, int n);

} // namespace girolino
