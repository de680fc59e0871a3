// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simple-chance analysis window: the histogram of the delays or runs of one outside
// chance, the doubling progression played on an even chance with its totals, and the
// search for the best conversion rate. It only reads the game.

#include "engine/AnalisiChance.h"
#include "model/Partita.h"
#include "ui/Form.h"
#include "ui/Form4Layout.h"

#include <array>
#include <optional>

namespace girolino::ui {

class TForm4 : public TForm {
public:
    TForm4(TPiattaforma& p, const TPartita& partita);

    // The main window's "Analisi Chance Semplici": nothing before the first spin, otherwise
    // recomputes everything for the current settings and shows the window.
    void apriAnalisi(bool ultimoNumeroVuoto);

    // The histogram of the chance and kind the combo boxes name, into the 24 rows.
    void calcolaIstogramma();
    // The progression on the chance, entry delay and hand limit of the combo boxes, into the
    // totals. Does nothing for a chance that cannot be played; a setting that is no whole
    // number is reported and stops it.
    void simulaProgressione();
    // The best combination of chance, entry delay and hand limit up to the search limits;
    // afterwards the totals show the user's own setting again.
    void cercaMigliorTasso();

    // The rate of the last simulation; nothing when it played no hand.
    std::optional<double> tassoUltimo() const { return tassoUltimo_; }

    void click(int id) override;
    void cambiato(int id) override;

private:
    static constexpr int RIGHE = RIGHE_FORM4;
    static constexpr int RAPIDI = RAPIDI_FORM4;

    void impostaTitolo(const std::string& titolo);
    // "Calcola <kind> della Chance Semplice <chance>": what a change of settings asks for.
    void titoloRichiesta();
    // After a change of chance: the progression button follows whether it can be played.
    void aggiornaSimulazione();
    void mostraTotali(const TProgressione& p);
    // The whole number in a combo box, or nothing after telling the user it is not one.
    std::optional<int> leggiImpostazione(int idCombo);
    int n() const { return partita_.bouleEseguite; }

    const TPartita& partita_;
    std::optional<double> tassoUltimo_;

    TIdForm4 id_;
};

} // namespace girolino::ui
