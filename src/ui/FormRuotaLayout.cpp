// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the wheel window and where they stand: the wheel on the left, the arcs
// beside it, the sectors across the bottom.

#include "ui/FormRuotaLayout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"

#include <string>
#include <vector>

namespace girolino::ui {

using namespace disegno;

namespace {

constexpr int MARGINE = 8;
constexpr int LATO_RUOTA = 340;
constexpr int X_ARCHI = MARGINE + LATO_RUOTA + 12;
constexpr int LARGHEZZA_ARCHI = larghezzaFormRuota - X_ARCHI - MARGINE;
constexpr int Y_TABELLE = MARGINE + 26; // under the headings
constexpr int Y_SETTORI = MARGINE + LATO_RUOTA + 8;

TControllo tabella(std::string nome, int x, int y, int w, int h,
                   std::vector<std::string> intestazioni) {
    TControllo c =
        conCarattere(controllo(std::move(nome), TTipo::Tabella, -1, x, y, w, h), inTahoma());
    c.tabella.allineamenti.assign(intestazioni.size(), TAllineaColonna::Destra);
    c.tabella.intestazioni = std::move(intestazioni);
    return c;
}

} // namespace

TIdFormRuota costruisciFormRuota(TForm& f) {
    TIdFormRuota ids;
    f.setFontBase(inTahoma());

    f.aggiungi(titolo("LabelRuota", -1, MARGINE, MARGINE, LATO_RUOTA, 20, TESTO("Ruota"), clNavy,
                      carattere(13, true, clWhite, tahoma)));
    TControllo ruota = disegno::controllo("Ruota1", TTipo::Ruota, -1, MARGINE, Y_TABELLE,
                                          LATO_RUOTA, LATO_RUOTA - 18);
    ruota.ruota = ruotaConCalore({}, -1, {});
    ruota.hint = TESTO("Clicca un numero per inserirlo come uscito");
    ruota.cursoreMano = true;
    ids.ruota = f.aggiungi(std::move(ruota));

    f.aggiungi(titolo("LabelArchi", -1, X_ARCHI, MARGINE, 150, 20, TESTO("Archi di vicini"), clNavy,
                      carattere(13, true, clWhite, tahoma)));
    ids.vicini =
        f.aggiungi(conCarattere(combo("ComboBoxVicini", -1, X_ARCHI + 158, MARGINE,
                                      LARGHEZZA_ARCHI - 158, {"±1", "±2", "±3", "±4"}, "±2"),
                                inTahoma()));
    auto archi =
        tabella("TabellaArchi", X_ARCHI, Y_TABELLE, LARGHEZZA_ARCHI, Y_SETTORI - Y_TABELLE - 8,
                {TESTO("Arco"), TESTO("Ritardo"), TESTO("Max Rit"), TESTO("Sortite")});
    archi.tabella.allineamenti[0] = TAllineaColonna::Sinistra;
    ids.archi = f.aggiungi(std::move(archi));

    f.aggiungi(titolo("LabelSettori", -1, MARGINE, Y_SETTORI, larghezzaFormRuota - 2 * MARGINE, 20,
                      TESTO("Settori"), clNavy, carattere(13, true, clWhite, tahoma)));
    auto settori =
        tabella("TabellaSettori", MARGINE, Y_SETTORI + 26, larghezzaFormRuota - 2 * MARGINE,
                altezzaFormRuota - Y_SETTORI - 26 - MARGINE,
                {TESTO("Settore"), TESTO("Numeri"), TESTO("Ritardo"), TESTO("Max Rit"),
                 TESTO("Sortite"), TESTO("Attese")});
    settori.tabella.allineamenti[0] = TAllineaColonna::Sinistra;
    settori.tabella.allineamenti[1] = TAllineaColonna::Sinistra;
    ids.settori = f.aggiungi(std::move(settori));
    return ids;
}

} // namespace girolino::ui
