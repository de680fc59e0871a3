// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the simple-chance analysis window and where they stand.

#include "ui/Form4Layout.h"

#include "model/Testo.h"
#include "ui/Decimale.h"
#include "ui/Disegno.h"

#include <string>
#include <string_view>
#include <vector>

namespace girolino::ui {

using namespace disegno;

namespace {

// The 24 rows: two columns of 12, each a caption, a bar and a count.
constexpr int RIGHE_PER_COLONNA = 12;
constexpr std::array<int, 2> X_COLONNA = {16, 429};
constexpr int Y_RIGHE = 72;
constexpr int PASSO_RIGA = 26;
constexpr int ALTEZZA_RIGA = 25;
constexpr int LARGHEZZA_DIDASCALIA = 80; // "Max Sort 24+"
constexpr int LARGHEZZA_BARRA = 254;

// The settings on the right, under the rows.
constexpr int X_DESTRA = 429;
constexpr int Y_DESTRA = 388;

const std::vector<std::string> unoCinque = {"1", "2", "3", "4", "5"};

} // namespace

TIdForm4 costruisciForm4(TForm& f) {
    TIdForm4 ids;
    // Title band: the same text twice, black one pixel up and right of white, for relief.
    TControllo banda = disegno::controllo("Panel25", TTipo::Pannello, -1, 16, 8, 806, 58);
    banda.sfondo = clLime;
    const int idBanda = f.aggiungi(std::move(banda));
    const std::string testo = formatta(TESTO("Calcola %1 della Chance Semplice %2"),
                                       TESTI_ISTOGRAMMA[0], TESTI_CHANCE[0]);
    for (int ombra = 0; ombra < 2; ++ombra) {
        TControllo t =
            etichetta(ombra ? "Label2" : "Label1", idBanda, 10 + ombra, 17 - ombra, 740, 26, testo,
                      carattere(20, true, ombra ? clBlack : clWhite, "Arial"), TAllinea::Centro);
        t.sopraIFratelli = ombra == 1;
        (ombra ? ids.ombra : ids.titolo) = f.aggiungi(std::move(t));
    }
    ids.aiuto = f.aggiungi(pulsanteAiuto("SpeedButton55", idBanda, 770, 16));

    for (int k = 1; k <= RIGHE_FORM4; ++k) {
        const std::string num(TDecimale(k).testo());
        const int x = X_COLONNA[(k - 1) / RIGHE_PER_COLONNA];
        const int y = Y_RIGHE + ((k - 1) % RIGHE_PER_COLONNA) * PASSO_RIGA;
        TControllo didascalia = disegno::controllo(
            "Panel" + num, TTipo::Pannello, -1, x, y, LARGHEZZA_DIDASCALIA, ALTEZZA_RIGA,
            formatta(TESTO("Max Rit %1"), num + (k == RIGHE_FORM4 ? "+" : "")));
        didascalia.allinea = TAllinea::Centro;
        ids.didascalia[k] = f.aggiungi(std::move(didascalia));
        TControllo barra =
            disegno::controllo("ProgressBar" + num, TTipo::Barra, -1, x + LARGHEZZA_DIDASCALIA + 4,
                               y + 2, LARGHEZZA_BARRA, 21);
        barra.posizione = 0;
        ids.barra[k] = f.aggiungi(std::move(barra));
        ids.conteggio[k] =
            f.aggiungi(pannello("ri" + num, -1, x + LARGHEZZA_DIDASCALIA + LARGHEZZA_BARRA + 8, y,
                                33, ALTEZZA_RIGA, "0", clWhite, carattere(11, true)));
    }

    // The progression: its sentence, its button and its totals.
    const int idTotali =
        f.aggiungi(disegno::controllo("Panel38", TTipo::Pannello, -1, 8, 394, 412, 157));
    ids.simula =
        f.aggiungi(pulsante("BitBtn2", idTotali, 8, 8, 75, 25, TESTO("Calcola"), "calcola"));
    f.aggiungi(
        etichetta("Label3", idTotali, 90, 13, 200, 15, TESTO("il Tasso di Conversione giocando")));
    ids.aiutoTasso = f.aggiungi(pulsanteAiuto("SpeedButton1", idTotali, 378, 6));
    f.aggiungi(etichetta("Label4", idTotali, 8, 45, 140, 15, TESTO("le Chance Semplici  al ")));
    ids.ritardo = f.aggiungi(combo("ComboBox3", idTotali, 150, 42, 45, unoCinque, "1"));
    f.aggiungi(etichetta("Label5", idTotali, 199, 45, 72, 15, TESTO("° Ritardo x ")));
    ids.mani = f.aggiungi(combo("ComboBox4", idTotali, 273, 42, 45, unoCinque, "1"));
    f.aggiungi(etichetta("Label6", idTotali, 322, 45, 40, 15, TESTO("Boules")));

    struct TTotale {
        std::string_view didascalia, etichetta, nome;
        int* id;
    };
    const std::array<TTotale, 6> totali = {{
        {TESTO("Tot Giocate"), "Label7", "totGiocateL", &ids.giocate},
        {TESTO("Tot Puntate"), "Label8", "totPuntateL", &ids.puntate},
        {TESTO("Tot Riuscite"), "Label9", "totRiusciteL", &ids.riuscite},
        {TESTO("Tot Vinte:"), "Label10", "totVinteL", &ids.vinte},
        {TESTO("Tot Guadagnate:"), "Label11", "totGuadagnateL", &ids.guadagnate},
        {TESTO("Tasso di Conversione:"), "Label12", "tassoDiConv", &ids.tasso},
    }};
    for (int i = 0; i < 6; ++i) {
        const auto& t = totali[i];
        const int colonna = i / 3;
        const int xDidascalia = colonna ? 170 : 8;
        const int wDidascalia = colonna ? 132 : 80;
        const int y = 76 + (i % 3) * 26;
        f.aggiungi(etichetta(std::string(t.etichetta), idTotali, xDidascalia, y + 3, wDidascalia,
                             15, std::string(t.didascalia)));
        *t.id = f.aggiungi(contatore(std::string(t.nome), idTotali, xDidascalia + wDidascalia + 2,
                                     y, colonna ? 90 : 70));
    }

    // The histogram settings and the quick chance panels.
    ids.istogramma = f.aggiungi(
        pulsante("BitBtn1", -1, X_DESTRA, Y_DESTRA, 75, 25, TESTO("Calcola"), "grafico"));
    ids.tipo = f.aggiungi(combo("ComboBox2", -1, X_DESTRA + 80, Y_DESTRA + 2, 140,
                                voci(TESTI_ISTOGRAMMA), std::string(TESTI_ISTOGRAMMA[0])));
    f.aggiungi(etichetta("Label14", -1, X_DESTRA + 226, Y_DESTRA + 5, 135, 15,
                         TESTO("della Chance Semplice:")));
    ids.chance = f.aggiungi(combo("ComboBox1", -1, X_DESTRA, Y_DESTRA + 32, 90, voci(TESTI_CHANCE),
                                  std::string(TESTI_CHANCE[0])));

    struct TRapido {
        std::string_view testo, hint;
        TColore sfondo;
        int larghezza;
    };
    static const std::array<TRapido, RAPIDI_FORM4> rapidi = {{
        {"", TESTO("Rosso"), clRed, 30},
        {"", TESTO("Nero"), clBlack, 30},
        {TESTO("P"), TESTO("Pari"), clBlue, 30},
        {TESTO("D"), TESTO("Dispari"), clMaroon, 30},
        {TESTO("Manq"), TESTO("Manq"), clBlue, 50},
        {TESTO("Pass"), TESTO("Pass"), clMaroon, 50},
        {"D1", TESTO("Dozzina 1"), clGreen, 30},
        {"D2", TESTO("Dozzina 2"), clGreen, 30},
        {"D3", TESTO("Dozzina 3"), clGreen, 30},
        {"C1", TESTO("Colonna 1"), clOlive, 30},
        {"C2", TESTO("Colonna 2"), clOlive, 30},
        {"C3", TESTO("Colonna 3"), clOlive, 30},
    }};
    // Even chances on the first line, dozens and columns on the second.
    int x = X_DESTRA + 96;
    for (int i = 0; i < RAPIDI_FORM4; ++i) {
        if (i == 6) x = X_DESTRA + 96;
        const auto& r = rapidi[i];
        TControllo c = pannello("Panel" + std::string(TDecimale(26 + i).testo()), -1, x,
                                Y_DESTRA + 28 + (i / 6) * 34, r.larghezza, 30, std::string(r.testo),
                                r.sfondo, carattere(13, true, clWhite), std::string(r.hint));
        c.cursoreMano = true;
        c.aCapo = true;
        ids.rapido[i] = f.aggiungi(std::move(c));
        x += r.larghezza + 4;
    }

    // The best-rate search.
    const int yCerca = Y_DESTRA + 98;
    f.aggiungi(etichetta("Label16", -1, X_DESTRA, yCerca + 3, 240, 15,
                         TESTO("Considerando di giocare fino massimo al ")));
    ids.maxRitardo = f.aggiungi(combo("ComboBox5", -1, X_DESTRA + 241, yCerca, 42, unoCinque, "3"));
    f.aggiungi(etichetta("Label17", -1, X_DESTRA + 286, yCerca + 3, 116, 15,
                         TESTO("° Ritardo x massimo")));
    ids.maxMani = f.aggiungi(combo("ComboBox6", -1, X_DESTRA, yCerca + 26, 45, unoCinque, "3"));
    f.aggiungi(etichetta("Label18", -1, X_DESTRA + 49, yCerca + 29, 40, 15, TESTO("Boules")));
    ids.cerca = f.aggiungi(pulsante("BitBtn3", -1, X_DESTRA + 94, yCerca + 24, 240, 25,
                                    TESTO("Cerca Miglior Tasso di Conversione"), "vai"));
    ids.aiutoCerca = f.aggiungi(pulsanteAiuto("SpeedButton2", -1, X_DESTRA + 368, yCerca + 24));
    for (int i = 0; i < 2; ++i)
        (i ? ids.miglioreTasso : ids.migliore) = f.aggiungi(
            etichetta(i ? "Label15" : "Label13", -1, X_DESTRA + (i ? 130 : 0), yCerca + 54,
                      i ? 120 : 125, 17, "--------", carattere(13, true, clRed)));
    return ids;
}

} // namespace girolino::ui
