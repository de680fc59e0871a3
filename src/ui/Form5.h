// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The floating number pad: 37 big number buttons that enter spins exactly like the main
// window's, the spin count, and the strip of the latest numbers, newest first.

#include "model/Partita.h"
#include "ui/Form.h"

#include <array>
#include <string_view>
#include <vector>

namespace girolino::ui {

class TForm1;

class TForm5 : public TForm {
public:
    TForm5(TPiattaforma& p, TForm1& principale);

    // The strip of the latest numbers and the spin count, from the game.
    void aggiornaStriscia(const TPartita& partita, std::string_view conteggio);
    // A cleared game: empty strip, count "0".
    void pulisciStriscia();

    void click(int id) override;
    // The entry field: Enter enters the spin typed, Backspace in it when empty is undo.
    void invio(int id) override;
    void cambiato(int id) override;
    void indietroInCampoVuoto(int id) override;

private:
    TForm1& principale_;
    std::array<int, NUMERI> pulsanti_{};
    std::vector<int> numeroDelPulsante_; // control id -> number, -1 for other controls
    int conteggio_ = 0;
    int striscia_ = 0;
    int campoNumero_ = -1;
};

} // namespace girolino::ui
