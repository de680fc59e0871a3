// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trend of the outside sides: the twelve sides ranked by hits, one bar each on the
// scale of the spins played. A snapshot taken when the window is opened.

#include "model/Partita.h"
#include "ui/Form.h"

#include <array>

namespace girolino::ui {

class TForm6 : public TForm {
public:
    TForm6(TPiattaforma& p, const TPartita& partita);

    // The main window's "Andamento Chance Semplici": nothing before the first spin,
    // otherwise fills the rows from the game and shows the window.
    void mostraAndamento(bool ultimoNumeroVuoto);

    void click(int id) override;

private:
    static constexpr int RIGHE = NUM_CHANCE;

    void crea();

    const TPartita& partita_;
    std::array<int, RIGHE> idNome_{}, idBarra_{}, idConteggio_{};
    int idBoule_ = -1; // Label2
    int idChiudi_ = -1, idAiuto_ = -1;
};

} // namespace girolino::ui
