// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Taking back the last spin, and clearing the game.
//
// annullaSpin is the one sequence of steps an undo goes through; a display that must
// refresh between the steps passes a TOsservatoreAnnullo, whose hooks are called once the
// step they are named after is done.

#include "model/Partita.h"

#include <string>
#include <string_view>

namespace girolino {

// Called by annullaSpin after each of its steps; every hook does nothing by default.
class TOsservatoreAnnullo {
public:
    virtual ~TOsservatoreAnnullo() = default;
    // The only spin of the game was taken back by clearing it (pulisciPartita).
    virtual void partitaPulita() {}
    // Every group's delay went back and the six ribbons lost their last line.
    virtual void righeTolte() {}
    // bouleEseguite no longer counts the spin and the numbers are recounted (riCalcolaNumeri).
    virtual void numeriRicalcolati(int annullato) { (void)annullato; }
    // Sides and groups are back as before the spin and the game is marked as modified.
    virtual void chanceAnnullate(int annullato) { (void)annullato; }
    // ultimoNumero names the number now last: the undo is complete.
    virtual void spinAnnullato() {}
};

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
int numeroDellaRiga(std::string_view riga);

// Counters of numbers, sides, groups and the wheel, runs, the spin count and the six ribbons back
// to an empty game; the game counts as unmodified. Undo copies, ripetizioniPrec, ultimoNumero and
// seguiUltimo are kept.
void pulisciPartita(TPartita& p);

// Takes back the last spin (valid once after each inserisciSpin), in this order:
// diminuisciritardi and togliUltimaRiga, bouleEseguite - 1 and riCalcolaNumeri,
// annullaChance, ripristinaGruppi and partitaModificata := true, ripristinaUltimoNumero;
// o hears of each step as it ends. The only spin of a game is taken back by clearing it.
// An empty game is left as it is. Throws, before changing anything, when the last number
// or the line that becomes last is not a number 0..36.
void annullaSpin(TPartita& p, TOsservatoreAnnullo& o);
void annullaSpin(TPartita& p);

} // namespace girolino
