// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the second help window and where they stand.

#include "ui/Form16Layout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"
#include "ui/TitoloAiuto.h"

#include <string>
#include <string_view>

namespace girolino::ui {

using namespace aiuto;
using namespace disegno;

namespace {

// One button of the main window's command row, as this window copies it.
struct TCopia {
    std::string_view nomeRiga;    // the copy in the row under the title
    std::string_view nomeLegenda; // the copy at the head of its legend row
    std::string_view nomeTesto;   // the legend text
    int dx;                       // offset in the row, as on the main window
    int w;
    std::string_view immagine;
    std::string_view hint;
    std::string_view caption;
    std::string_view legenda;
};

constexpr TCopia copie[] = {
    {"SpeedButton47", "SpeedButton1", "Label2", 0, 25, "annulla",
     TESTO("Annulla ultimo numero inserito"), "", TESTO("Annullare l'ultimo numero inserito")},
    {"SpeedButton46", "SpeedButton2", "Label5", 28, 25, "tastiera", TESTO("Apri Tastiera Libera"),
     "", TESTO("Aprire una tastiera libera per inserire i numeri")},
    {"BitBtn2", "BitBtn3", "Label6", 56, 113, "nuova", TESTO("Inizia una nuova sessione di gioco"),
     TESTO("Nuova Partita"), TESTO("Iniziare una nuova sessione di gioco")},
    {"SpeedButton48", "SpeedButton3", "Label7", 176, 25, "salva", TESTO("Salva"), "",
     TESTO("Salvare la sessione di gioco")},
    {"SpeedButton49", "SpeedButton4", "Label8", 209, 25, "apri", TESTO("Apri"), "",
     TESTO("Aprire una sessione di gioco salvata")},
};

constexpr int X_RIGA = 107; // the row, 234 pixels wide, centred in the window
constexpr int Y_RIGA = 56;
constexpr int X_LEGENDA = 8;
constexpr int X_TESTO = 128;
constexpr int Y_LEGENDA = 128;
constexpr int PASSO_LEGENDA = 36;
constexpr int PX_LEGENDA = 16;

// One copy of a command button, in the window's font.
TControllo copia(const TCopia& c, std::string nome, int x, int y) {
    return disegno::conCarattere(disegno::pulsante(std::move(nome), -1, x, y, c.w, 25,
                                                   std::string(c.caption), std::string(c.immagine),
                                                   std::string(c.hint)),
                                 disegno::inTahoma());
}

} // namespace

TIdForm16 costruisciForm16(TForm& f) {
    TIdForm16 ids;
    preparaFinestraAiuto(f);
    for (const auto& c : copie)
        f.aggiungi(copia(c, std::string(c.nomeRiga), X_RIGA + c.dx, Y_RIGA));

    f.aggiungi(etichetta("Label1", -1, 16, 96, 300, 24, TESTO("Con questi pulsanti puoi:"),
                         inTahoma(pxRiga)));
    int y = Y_LEGENDA;
    for (const auto& c : copie) {
        // The wide button starts the row; the small ones sit centred under it.
        const int x = X_LEGENDA + (113 - c.w) / 2;
        f.aggiungi(copia(c, std::string(c.nomeLegenda), x, y));
        f.aggiungi(etichetta(std::string(c.nomeTesto), -1, X_TESTO, y + 3,
                             f.larghezza() - X_TESTO - 4, 20, std::string(c.legenda),
                             inTahoma(PX_LEGENDA)));
        y += PASSO_LEGENDA;
    }
    ids.ok = f.aggiungi(
        conCarattere(pulsante("BitBtn1", -1, 126, 326, 193, 43, TESTO("OK"), "ok"), inTahoma()));
    return ids;
}

} // namespace girolino::ui
