// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game state: every counter of the game in progress, its one-level undo copies,
// the six history ribbons and the two flags.
//
// Counters are 32-bit so that long games keep counting: a random run alone may
// draw 100000 spins.

#include "model/Righe.h"
#include "model/Ruota.h"
#include "model/Tabella.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

// The counter triple kept for every number, outside side and group.
struct TContatore {
    std::int32_t ritardo = 0;    // spins since the entity last came out
    std::int32_t maxRitardo = 0; // longest absence ever closed by a hit
    std::int32_t sortite = 0;    // hits in this game

    friend bool operator==(const TContatore&, const TContatore&) = default;
};

// The headings of the three counters, in this order, wherever a table shows them.
inline constexpr std::array<std::string_view, 3> TESTATE_CONTATORI = {"Ritardo", "Max Rit",
                                                                      "Sortite"};

// A counter with the undo copies its last hit saved. Numbers use ritardoPrec;
// sides use ritardoPrec and maxRitardoPrec; groups use all three.
struct TContatoreConCopie : TContatore {
    std::int32_t ritardoPrec = 0;
    std::int32_t maxRitardoPrec = 0;
    std::int32_t sortitePrec = 0;
};

// The counters of the wheel's sectors and arcs. Unlike the numbers' records they always
// equal a replay of the number ribbon, after an undo too.
struct TContatoriRuota {
    std::array<TContatore, NUM_SETTORI> settori{}; // in the order of settori()
    // [k - 1][i]: the arc of width k centred on ordineRuota()[i]
    std::array<std::array<TContatore, NUMERI>, MAX_LARGHEZZA_ARCO> archi{};

    friend bool operator==(const TContatoriRuota&, const TContatoriRuota&) = default;
};

// A hit that raised a wheel counter's maxRitardo: what the record was before that spin.
struct TRecordRuota {
    std::int32_t boule;      // 0-based index of the spin
    std::int32_t entita;     // flat index of the sector or arc (engine/Settori.h)
    std::int32_t maxRitardo; // the record before the hit
};

// What taking back wheel hits needs beyond the counters: the spins they have counted and
// the raised records, oldest first.
struct TStoriaRuota {
    std::int32_t boule = 0;
    std::vector<TRecordRuota> record;
};

// A history ribbon: one line per spin.
using TNastro = TRighe;

struct TPartita {
    std::int32_t bouleEseguite = 0;
    int ultimoNumero = 0;
    std::array<TContatoreConCopie, NUMERI> numeri{};            // [0..36]
    std::array<TContatoreConCopie, NUM_CHANCE + 1> chance{};    // [1..12], slot 0 unused
    std::array<std::int32_t, NUM_CHANCE + 1> ripetizioni{};     // [1..12]
    std::array<std::int32_t, NUM_CHANCE + 1> ripetizioniPrec{}; // [1..12]
    std::array<TContatoreConCopie, NUM_GRUPPI + 1> gruppi{};    // [1..112], slot 0 unused
    TContatoriRuota ruota;
    TStoriaRuota storiaRuota;
    TNastro nastroNumeri;
    TNastro nastroRossoNero;
    TNastro nastroPariDispari;
    TNastro nastroManqPass;
    TNastro nastroDozzine;
    TNastro nastroColonne;
    bool seguiUltimo = true;
    bool partitaModificata = false;

    // The six ribbons in the order numero, rosso, pari, manq, doz, col.
    std::array<TNastro*, 6> nastri() {
        return {&nastroNumeri,   &nastroRossoNero, &nastroPariDispari,
                &nastroManqPass, &nastroDozzine,   &nastroColonne};
    }
    std::array<const TNastro*, 6> nastri() const {
        return {&nastroNumeri,   &nastroRossoNero, &nastroPariDispari,
                &nastroManqPass, &nastroDozzine,   &nastroColonne};
    }
};

} // namespace girolino
