// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The twelve outside sides: scoring a spin, the runs of consecutive hits and taking a
// spin back.

#include "model/Partita.h"

namespace girolino {

// Colour code of a number: 0 for zero, 1 red, 2 black (any other value counts as black).
int rossoonero(int num);

// Appends the five ribbon marks of n and scores the side of each family that n hits,
// keeping that side's undo copies. A zero appends "x" five times and scores nothing.
// Relies on aumentaritardi having aged every side for this spin.
void aggiornaChance(TPartita& p, int n);

// Extends the run of every side n hits and breaks the runs of the other sides of each
// family, remembering the broken length. A zero neither extends nor breaks a run.
void aggiornaRipetizioni(TPartita& p, int n);

// Returns every side's counters and runs to their values before the spin of n, the last
// one entered. Valid once after each spin.
void annullaChance(TPartita& p, int n);

} // namespace girolino
