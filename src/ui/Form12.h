// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers table window: the 37 numbers with their three counters, in number order or
// ranked by one counter, with the delays that passed their maximum marked red and bold.

#include "engine/AnalisiNumeri.h"
#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/Form12Layout.h"

#include <cstddef>

namespace girolino::ui {

class TForm12 : public TForm {
public:
    TForm12(TPiattaforma& p, const TPartita& partita);

    // Rebuilds the working copy from the game and ranks it by the order text.
    void assegnaStat();
    // Writes the working copy into the grid and applies the marks the check boxes ask for.
    void compilaCampi();
    // A new order: rebuild, refill and name the order in the caption.
    void cambiatoCombo();
    // The main window's "Statistiche 37 Numeri": shows the rows of the last refresh.
    void mostraStatistiche();
    // Shows the current game: after a spin, an undo, a new game or an opened file.
    void aggiorna();

    void numeribold();
    void numeriNobold();
    void colorarosso();
    void coloraNorosso();

    void click(int id) override;
    void cambiato(int id) override;

private:
    void applicaEvidenziazione();
    void impostaCaption();
    // What row k of the grid shows.
    auto righeMostrate() const {
        return [this](std::size_t k) -> const TContatore& { return copiaNumeri_[k].contatore; };
    }

    const TPartita& partita_;
    TCopiaNumeri copiaNumeri_{};

    TIdForm12 id_;
};

} // namespace girolino::ui
