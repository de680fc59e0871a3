// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the betting system simulator as data.

#include "ui/Form.h"

namespace girolino::ui {

// The ids of the simulator's groups, settings, buttons, progress and results.
struct TIdFormSimulatore {
    int gruppoSistema = -1, gruppoGiri = -1;
    int puntata = -1, progressione = -1, unita = -1, cassa = -1, minimo = -1, massimo = -1,
        obiettivo = -1, stopLoss = -1, puntate = -1, linea = -1, partage = -1;
    int partita = -1, simulati = -1, sessioni = -1, giriSessione = -1, seme = -1;
    int simula = -1, annulla = -1, aiuto = -1, barra = -1, stato = -1;
    int risultati = -1, vantaggio = -1, graficoCassa = -1, graficoCampioni = -1,
        graficoDistribuzione = -1;
};

// Adds the system and spins settings, the buttons, the progress bar and the results with
// their charts to `f`, sets its font and returns their ids.
TIdFormSimulatore costruisciFormSimulatore(TForm& f);

} // namespace girolino::ui
