// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the simple chances window as data.

#include "engine/AnalisiChance.h"
#include "ui/Form.h"

#include <array>

namespace girolino::ui {

// One histogram row for each length of a delay or run, the last for that length or longer.
inline constexpr int RIGHE_FORM4 = LUNGHEZZE_ISTOGRAMMA;
// The quick-choice panels.
inline constexpr int RAPIDI_FORM4 = 12;

// The ids of the controls the window fills or answers to.
struct TIdForm4 {
    std::array<int, RIGHE_FORM4 + 1> didascalia{}, barra{}, conteggio{}; // [1..24]
    std::array<int, RAPIDI_FORM4> rapido{};                              // Panel26..Panel37
    int titolo = -1, ombra = -1;                                         // Label1, Label2
    int chance = -1, tipo = -1, ritardo = -1, mani = -1;                 // ComboBox1..4
    int maxRitardo = -1, maxMani = -1;                                   // ComboBox5, 6
    int istogramma = -1, simula = -1, cerca = -1;                        // BitBtn1..3
    int giocate = -1, puntate = -1, riuscite = -1, vinte = -1, guadagnate = -1, tasso = -1;
    int migliore = -1, miglioreTasso = -1; // Label13, Label15
    int aiuto = -1, aiutoTasso = -1, aiutoCerca = -1;
};

// Adds the window's histogram, quick-choice panels, combos, buttons and result labels to `f`
// and returns their ids.
TIdForm4 costruisciForm4(TForm& f);

} // namespace girolino::ui
