// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Taking back the last spin, and clearing the game.
//
// The window runs the undo steps in this order, with its refreshes in between:
// diminuisciritardi, togliUltimaRiga, bouleEseguite - 1, riCalcolaNumeri(old last number),
// annullaChance and ripristinaGruppi (old last number), partitaModificata := true,
// ripristinaUltimoNumero. An undo of the only spin is a clear (pulisciPartita).
// annullaSpin runs them all at once.

#include "model/Partita.h"

#include <string>

namespace girolino {

// Every group's delay goes back by one spin.
void diminuisciritardi(TPartita& p);

// Each of the six ribbons loses its last line (if it has one).
void togliUltimaRiga(TPartita& p);

// Every number's delay goes back by one; the undone number gets back its delay and hits.
// Its maxRitardo stays as the undone spin left it: no copy of it is kept. The wheel's sectors
// and arcs are taken back exactly (annullaRuota).
void riCalcolaNumeri(TPartita& p, int numeroAnnullato);

// The groups containing n get back the counters their copies kept. Nothing for 0.
void ripristinaGruppi(TPartita& p, int n);

// ultimoNumero := the number on the last line of the number ribbon (unchanged when the
// ribbon is empty). Throws std::invalid_argument when that line is not a number 0..36.
void ripristinaUltimoNumero(TPartita& p);

// The number written on a ribbon line. Throws std::invalid_argument naming the text when
// it is not a number 0..36.
int numeroDellaRiga(const std::string& riga);

// Counters of numbers, sides, groups and the wheel, runs, the spin count and the six ribbons back
// to an empty game; the game counts as unmodified. Undo copies, ripetizioniPrec, ultimoNumero and
// seguiUltimo are kept.
void pulisciPartita(TPartita& p);

// Takes back the last spin (valid once after each inserisciSpin). The only spin of a game
// is taken back by clearing it. An empty game is left as it is.
void annullaSpin(TPartita& p);

} // namespace girolino
