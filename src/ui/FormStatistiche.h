// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Observed against expected: the hits of the 37 numbers drawn against what a fair wheel
// gives, the chi-square test of the wheel in words, and a table of how far each number,
// side, dozen, column and sector is from its expected hits. It follows the game while it
// is open; the figures themselves all come from the engine.

#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/FormStatisticheLayout.h"

namespace girolino::ui {

class TFormStatistiche : public TForm {
public:
    TFormStatistiche(TPiattaforma& p, const TPartita& partita);

    // The game changed: a spin, an undo, a new game, an opened file. An open window is
    // redrawn at the next turn of the event loop, once for a whole run of spins; a closed
    // one when it is shown again.
    void partitaCambiata();
    // Shows the window with the game as it is now.
    void mostra() override;
    // Whether the game changed since the window last drew it.
    bool daAggiornare() const { return daAggiornare_; }

    void click(int id) override;
    void tick(int id) override;

private:
    void aggiorna();

    const TPartita& partita_;
    bool daAggiornare_ = true;

    TIdFormStatistiche id_;
};

} // namespace girolino::ui
