// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trend of the 37 numbers: the numbers ranked by hits, one bar each. The main window
// refills it at every refresh, so while it is open it follows the game.

#include "engine/Classifiche.h"
#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/Form8Layout.h"

namespace girolino::ui {

class TForm8 : public TForm {
public:
    explicit TForm8(TPiattaforma& p);

    // Fills the rows from the ranking by hits (most first), whether the window is open or not.
    void impostaFrequentoni(const TClassifica& frequenti);

    void click(int id) override;

private:
    TIdForm8 id_;
};

} // namespace girolino::ui
