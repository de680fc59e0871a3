// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview of a spin list before it is entered: where it comes from, how many spins it
// holds, the oldest and the newest five in the order they will be played, and the choice of
// reading it the other way round (many sites list the newest spin first).

#include "ui/Form.h"
#include "ui/FormImportaLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace girolino::ui {

class TFormImporta : public TForm {
public:
    using TNumeri = std::vector<std::uint8_t>;

    explicit TFormImporta(TPiattaforma& p);

    // Fills the window for a good list read from `origine` (a file name, the clipboard...),
    // in reading order, with the box unticked and no choice made yet.
    void prepara(std::string_view origine, TNumeri numeri);

    // prepara, then the window shown modally: the spins to enter in game order, or nothing
    // when the user cancels.
    std::optional<TNumeri> scegli(std::string_view origine, TNumeri numeri);

    // The spins in game order as the window shows them now.
    const TNumeri& numeri() const { return numeri_; }
    // Set by "Importa"; reset by "Annulla", the close box and prepara.
    bool confermato() const { return confermato_; }

    // While a long list is being entered: the bar shows fatti of totale, the buttons give way to
    // it and the window cannot be closed. finito hides the window and brings the buttons back.
    void avanzamento(std::size_t fatti, std::size_t totale);
    void finito();
    bool inCorso() const { return inCorso_; }

    // "Importa" and "Annulla" close the window; the box turns the list round at once.
    void click(int id) override;
    bool chiusuraRichiesta() override;

private:
    void aggiornaAnteprima();

    TNumeri numeri_;
    bool invertito_ = false;
    bool confermato_ = false;
    bool inCorso_ = false;
    TIdFormImporta id_;
};

} // namespace girolino::ui
