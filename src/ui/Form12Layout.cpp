// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the numbers table window and where they stand.

#include "ui/Form12Layout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"
#include "ui/GrigliaContatori.h"

#include <string>
#include <string_view>

namespace girolino::ui {

using namespace disegno;

namespace {

// The grid: four columns of 11 rows, the last one short.
constexpr griglia::TForma GRIGLIA = {
    .blocchi = 4,
    .righePerBlocco = 11,
    .primoNumero = 0,
    .x = 8,
    .passoBlocco = 152,
    .yTestate = 6,
    .yRighe = 26,
    .passoRiga = 24,
    .xCelle = 18,
    .coloriTestate = {clGreen, clOlive, clNavy},
    .dyNome = 4,
    .wNome = 14,
    .hNome = 13,
};

// Beside the short fourth column.
constexpr int X_ORDINE = GRIGLIA.x + 3 * GRIGLIA.passoBlocco;
constexpr int Y_ORDINE = 130;
// Bottom row.
constexpr int Y_CASELLE = 300;

} // namespace

TIdForm12 costruisciForm12(TForm& f) {
    TIdForm12 ids;
    griglia::crea(f, GRIGLIA, {ids.n, ids.r, ids.m, ids.s});

    f.aggiungi(
        griglia::scritta("Label13", X_ORDINE, Y_ORDINE, 80, 24, TESTO("Ordina x"), clGreen, 19));
    ids.ordine = f.aggiungi(conCarattere(
        combo("ComboBox3", -1, X_ORDINE, Y_ORDINE + 28, 140,
              {TESTO("Numero"), TESTO("Ritardo"), TESTO("Massimo Ritardo"), TESTO("Sortita")},
              TESTO("Numero")),
        inTahoma()));

    struct TPannello {
        std::string_view nome, lettera, hint;
        TColore sfondo;
        int* id;
    };
    const std::array<TPannello, 4> pannelli = {{
        {"Panel32", TESTO("N"), TESTO("Ordina x Numero"), clMaroon, &ids.numero},
        {"Panel33", TESTO("R"), TESTO("Ordina x Ritardo"), clGreen, &ids.ritardo},
        {"Panel34", TESTO("M"), TESTO("Ordina x Massimo Ritardo"), clOlive, &ids.massimo},
        {"Panel1", TESTO("S"), TESTO("Ordina x Sortite"), clNavy, &ids.sortita},
    }};
    for (int i = 0; i < 4; ++i) {
        const auto& p = pannelli[i];
        *p.id = f.aggiungi(pannello(std::string(p.nome), -1, X_ORDINE + i * 38, Y_ORDINE + 58, 30,
                                    30, std::string(p.lettera), p.sfondo,
                                    carattere(20, false, clWhite), std::string(p.hint)));
    }

    ids.grassetto = f.aggiungi(
        conCarattere(casella("CheckBox1", -1, GRIGLIA.x, Y_CASELLE, 290,
                             TESTO("Metti in grassetto i ritardi che superano il Max Rit"), true),
                     inTahoma()));
    ids.rosso = f.aggiungi(
        conCarattere(casella("CheckBox3", -1, GRIGLIA.x + 294, Y_CASELLE, 290,
                             TESTO("Colora di rosso i ritardi che superano il Max Rit"), true),
                     inTahoma()));
    ids.aiuto = f.aggiungi(conCarattere(
        pulsante("SpeedButton55", -1, 594, Y_CASELLE - 4, 24, 24, "", "aiuto", TESTO("Aiuto")),
        inTahoma()));
    return ids;
}

} // namespace girolino::ui
