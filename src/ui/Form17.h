// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules-of-use window. Shown at start until the user accepts with "Non mostrare piu'
// questa finestra" ticked; until the rules are accepted in this run, refusing them or
// closing the window ends the program.

#include "ui/Form.h"
#include "ui/Form17Layout.h"

#include <functional>

namespace girolino::ui {

// The per-user setting: whether the rules window is shown at start.
inline constexpr const char* chiaveMostraRegole = "mostraRegole";

class TForm17 : public TForm {
public:
    explicit TForm17(TPiattaforma& p);

    // Showing the window while the stored setting says not to show it at start means
    // the rules were accepted in an earlier run: the box is ticked and they count as
    // accepted now.
    void mostra() override;

    // "Accetto" stores the choice of the box and closes; "Non Accetto" ends the program.
    void click(int id) override;
    // The close box ends the program until the rules are accepted, then it just hides.
    bool chiusuraRichiesta() override;

    // How the program ends: by default at once; the program connects the main window's
    // closing, which first offers to save unsaved spins and returns false when the program
    // stays open (the save was cancelled or failed).
    void collegaUscita(std::function<bool()> uscita) { uscita_ = std::move(uscita); }

    bool regoleAccettate() const { return regoleAccettate_; }

private:
    void accetta();
    bool esci();

    TIdForm17 id_;
    bool regoleAccettate_ = false; // for this run only, never cleared
    std::function<bool()> uscita_;
};

} // namespace girolino::ui
