// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the trend window of the outside sides and where they stand.

#include "ui/Form6Layout.h"

#include "model/Testo.h"
#include "ui/Decimale.h"
#include "ui/Disegno.h"

#include <string>

namespace girolino::ui {

using namespace disegno;

namespace {

constexpr int Y_RIGHE = 75;
constexpr int PASSO_RIGA = 24;
constexpr int ALTEZZA_RIGA = 22;
constexpr int X_NOMI = 24;
constexpr int X_BARRE = 109;
constexpr int LARGHEZZA_BARRE = 394;
constexpr int X_CONTEGGI = 505;

// White centred text on maroon, the look of the names and counts.
const TCarattere carattereRighe = carattere(16, false, clWhite);

} // namespace

TIdForm6 costruisciForm6(TForm& f) {
    TIdForm6 ids;
    const int idTestata = f.aggiungi(
        pannello("Panel2", -1, 8, 8, 540, 41, TESTO("Classifica di Sortita delle Chance Semplici"),
                 clOlive, carattere(27, false, clAqua, "Franklin Gothic Medium Cond")));
    ids.aiuto = f.aggiungi(pulsanteAiuto("SpeedButton55", idTestata, 508, 8));

    f.aggiungi(etichetta("Label1", -1, X_BARRE, 56, 20, 15, "0"));
    ids.boule = f.aggiungi(etichetta("Label2", -1, 448, 56, 55, 15, "0", {}, TAllinea::Destra));

    for (int k = 0; k < RIGHE_FORM6; ++k) {
        const std::string num(TDecimale(k + 1).testo());
        const int y = Y_RIGHE + k * PASSO_RIGA;
        ids.nome[k] = f.aggiungi(titolo("cs" + num, -1, X_NOMI, y, 79, ALTEZZA_RIGA,
                                        std::string(nomeChance(static_cast<TChance>(k + 1))),
                                        clMaroon, carattereRighe));
        ids.barra[k] = f.aggiungi(disegno::controllo("ProgressBar" + num, TTipo::Barra, -1, X_BARRE,
                                                     y, LARGHEZZA_BARRE, ALTEZZA_RIGA));
        ids.conteggio[k] = f.aggiungi(
            titolo("S" + num, -1, X_CONTEGGI, y, 43, ALTEZZA_RIGA, "0", clMaroon, carattereRighe));
    }

    ids.chiudi = f.aggiungi(pulsante("BitBtn1", -1, 208, 367, 161, 25, TESTO("Chiudi"), "chiudi"));
    return ids;
}

} // namespace girolino::ui
