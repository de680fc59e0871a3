// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counting the wheel's sectors and arcs (model/Ruota.h) through the game.
//
// A spin updates only the sectors and arcs holding its number, after aging every one of
// them; an undo takes the hit back exactly, finding each one's previous hit on the number
// ribbon and its previous record in the game's TStoriaRuota. So the counters always equal
// rigiocaRuota of the number ribbon.

#include "model/Partita.h"
#include "model/Ruota.h"

#include <cstdint>
#include <span>
#include <string>

namespace girolino {

// Sectors 0..NUM_SETTORI-1, then the arcs of width 1, 2, ... each in wheel order: the flat
// index TRecordRuota::entita uses.
inline constexpr int NUM_ENTITA_RUOTA = NUM_SETTORI + MAX_LARGHEZZA_ARCO * NUMERI;

TContatore& contatoreRuota(TContatoriRuota& r, int entita);

// The counters a list of spins (numbers 0..36, oldest first) leads to, counted from scratch.
TContatoriRuota rigiocaRuota(std::span<const int> numeri);

// One spin of n: every sector and arc ages by one, those holding n are hit.
void aggiornaRuota(TPartita& p, int n);

// Takes back the last counted spin, whose number was n. The number ribbon must start with
// the spins that remain (its last line may or may not be gone already). Nothing when no
// spin has been counted.
void annullaRuota(TPartita& p, int n);

// Counters and their history back to an empty game.
void azzeraRuota(TPartita& p);

// Counters and history recounted from the number ribbon, as after playing it.
void ricostruisciRuota(TPartita& p);

// The hits expected from chance alone for an area of `dimensione` pockets after `boule`
// spins, boule × dimensione / 37, with one decimal and a point: "12.4".
std::string testoAttese(std::int64_t boule, int dimensione);

} // namespace girolino
