// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the trend window of the 37 numbers and where they stand.

#include "ui/Form8Layout.h"

#include "model/Testo.h"
#include "ui/Decimale.h"
#include "ui/Disegno.h"

#include <string>

namespace girolino::ui {

using namespace disegno;

namespace {

// Positions 1..19 on the left, 20..37 on the right.
constexpr int RIGHE_SINISTRA = 19;
constexpr std::array<int, 2> X_COLONNA = {24, 352}; // number labels
constexpr int X_BARRA = 42;                         // from the column's left edge
constexpr int X_CONTEGGIO = 280;
constexpr int Y_RIGHE = 74;
constexpr int PASSO_RIGA = 24;
constexpr int ALTEZZA_RIGA = 19;

// White centred text on a coloured ground, the look of the numbers and counts.
const TCarattere carattereRighe = carattere(16, false, clWhite);

// The count label of position k (0-based): s0, S1..S12, s13..s36.
std::string nomeConteggio(int k) {
    std::string nome(k >= 1 && k <= 12 ? "S" : "s");
    nome += TDecimale(k);
    return nome;
}

} // namespace

TIdForm8 costruisciForm8(TForm& f) {
    TIdForm8 ids;
    const int idTestata = f.aggiungi(
        pannello("Panel2", -1, 24, 8, 651, 41, TESTO("Classifica di Sortita dei 37 Numeri"),
                 clOlive, carattere(27, false, clAqua, "Franklin Gothic Medium Cond")));
    ids.aiuto = f.aggiungi(pulsanteAiuto("SpeedButton55", idTestata, 619, 8));

    struct TTestataColonna {
        std::string_view nome, testo, hint;
        int x, w;
    };
    static const std::array<TTestataColonna, 4> testate = {{
        {"Label1", TESTO("N"), TESTO("Numero"), X_COLONNA[0], 36},
        {"Label2", TESTO("S"), TESTO("Sortite"), X_COLONNA[0] + X_CONTEGGIO, 43},
        {"Label3", TESTO("N"), TESTO("Numero"), X_COLONNA[1], 36},
        {"Label4", TESTO("S"), TESTO("Sortite"), X_COLONNA[1] + X_CONTEGGIO, 43},
    }};
    for (const auto& t : testate) {
        TControllo c = titolo(std::string(t.nome), -1, t.x, 53, t.w, 17, std::string(t.testo),
                              clOlive, carattere(11, true, clAqua));
        c.hint = t.hint;
        f.aggiungi(std::move(c));
    }

    for (int k = 0; k < RIGHE_FORM8; ++k) {
        const int colonna = k < RIGHE_SINISTRA ? 0 : 1;
        const int x = X_COLONNA[colonna];
        const int y = Y_RIGHE + (colonna ? k - RIGHE_SINISTRA : k) * PASSO_RIGA;
        const std::string num(TDecimale(k).testo());
        ids.numero[k] = f.aggiungi(
            titolo("n" + num, -1, x, y, 36, ALTEZZA_RIGA, num, clMaroon, carattereRighe));
        ids.barra[k] =
            f.aggiungi(disegno::controllo("ProgressBar" + std::string(TDecimale(k + 1)),
                                          TTipo::Barra, -1, x + X_BARRA, y, 232, ALTEZZA_RIGA));
        ids.conteggio[k] = f.aggiungi(titolo(nomeConteggio(k), -1, x + X_CONTEGGIO, y, 43,
                                             ALTEZZA_RIGA, "0", clGreen, carattereRighe));
    }

    ids.chiudi = f.aggiungi(pulsante("BitBtn1", -1, 216, 534, 257, 25, TESTO("Chiudi"), "chiudi"));
    return ids;
}

} // namespace girolino::ui
