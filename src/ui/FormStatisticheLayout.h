// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the observed-against-expected window as data.

#include "ui/Form.h"

namespace girolino::ui {

// The ids of what the window fills, of its refresh timer and of its two buttons.
struct TIdFormStatistiche {
    int grafico = -1;   // GraficoFrequenze
    int giri = -1;      // LabelGiri
    int chiQuadro = -1; // LabelChiQuadro
    int giudizio = -1;  // LabelGiudizio
    int tabella = -1;   // TabellaScarti
    int nota = -1;      // LabelNota
    int aggiorna = -1;  // TimerAggiorna
    int aiuto = -1;     // SpeedButton55
    int chiudi = -1;    // BitBtn1
};

// Adds the heading, the chart, the chi-square box, the table with its note, "Chiudi" and the
// refresh timer to `f` and returns their ids.
TIdFormStatistiche costruisciFormStatistiche(TForm& f);

} // namespace girolino::ui
