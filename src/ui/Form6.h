// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trend of the outside sides: the twelve sides ranked by hits, one bar each on the
// scale of the spins played. A snapshot taken when the window is opened.

#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/Form6Layout.h"

namespace girolino::ui {

class TForm6 : public TForm {
public:
    TForm6(TPiattaforma& p, const TPartita& partita);

    // The main window's "Andamento Chance Semplici": nothing before the first spin,
    // otherwise fills the rows from the game and shows the window.
    void mostraAndamento(bool ultimoNumeroVuoto);

    void click(int id) override;

private:
    const TPartita& partita_;
    TIdForm6 id_;
};

} // namespace girolino::ui
