// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wheel window: the drawn wheel with each pocket's hits as heat, the last spin and the
// latest ten; the four sectors and the arcs of neighbours of one width with their counters.
// A pocket clicked on the wheel is entered as a spin, as the main window's button does. The
// window follows the game only while it is open, and catches up when it is shown.

#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/FormRuotaLayout.h"

#include <cstddef>
#include <cstdint>

namespace girolino::ui {

class TForm1;

class TFormRuota : public TForm {
public:
    // The latest spins the wheel shows in its middle.
    static constexpr int ULTIMI = 10;

    TFormRuota(TPiattaforma& p, TForm1& principale);

    // Shows the current game: after a spin, an undo, a new game or an opened file. Nothing
    // while the window is hidden.
    void aggiorna();
    // The width of the arcs the table shows, 1..MAX_LARGHEZZA_ARCO.
    int larghezzaArchi() const { return larghezza_; }

    void mostra() override;
    void cambiato(int id) override;
    void taschinoCliccato(int id, int numero) override;

private:
    void compila();
    void compilaRuota(const TPartita& p);
    void compilaSettori(const TPartita& p);
    void compilaArchi(const TPartita& p);
    // Rewrites the delay, longest delay and hits cells of a row, from column k, where `c`
    // differs from what they show (`prima`).
    void aggiornaContatore(int id, std::size_t riga, std::size_t k, const TContatore& c,
                           const TContatore& prima);

    TForm1& principale_;
    int larghezza_ = 2;
    // What the tables show: their counters, the spins behind "Attese", the width of the arcs
    // (0 before the first fill).
    TContatoriRuota mostrati_{};
    std::int64_t bouleMostrate_ = 0;
    bool settoriRiempiti_ = false;
    int larghezzaMostrata_ = 0;
    TIdFormRuota id_;
};

} // namespace girolino::ui
