// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the complex chances window and where they stand.

#include "ui/Form11Layout.h"

#include "model/Testo.h"
#include "ui/Disegno.h"
#include "ui/GrigliaContatori.h"

#include <span>
#include <string_view>

namespace girolino::ui {

using namespace disegno;

namespace {

// The grid: four blocks of 15 rows side by side.
constexpr griglia::TForma GRIGLIA = {
    .blocchi = 4,
    .righePerBlocco = 15,
    .primoNumero = 1,
    .x = 8,
    .passoBlocco = 198,
    .yTestate = 8,
    .yRighe = 30,
    .passoRiga = 24,
    .xCelle = 68,
    .coloriTestate = {clGreen, clGreen, clGreen},
    .dyNome = 2,
    .wNome = 65,
    .hNome = 17,
};

// Under the grid.
constexpr int Y_FAMIGLIE = 398;
constexpr int Y_ORDINI = 438;
constexpr int X_DESTRA = 500;

} // namespace

TIdForm11 costruisciForm11(TForm& f) {
    TIdForm11 ids;
    // Row 0 of the id arrays is unused: rows are numbered from 1.
    griglia::crea(f, GRIGLIA,
                  {std::span(ids.n).subspan(1), std::span(ids.r).subspan(1),
                   std::span(ids.m).subspan(1), std::span(ids.s).subspan(1)});

    static const std::array<std::string_view, NUM_FAMIGLIE> nomiFamiglie = {
        "Panel32", "Panel1", "Panel2", "Panel3", "Panel4"};
    static const std::array<std::string_view, NUM_FAMIGLIE> didascalieFamiglie = {
        TESTO("Duine"), TESTO("Terzine"), TESTO("Quartine"), TESTO("Sestine"), TESTO("Ennine")};
    for (int i = 0; i < NUM_FAMIGLIE; ++i)
        ids.pannelliFamiglia[i] =
            f.aggiungi(pannello(std::string(nomiFamiglie[i]), -1, 8 + i * 96, Y_FAMIGLIE, 92, 32,
                                std::string(didascalieFamiglie[i]), clOlive,
                                carattere(20, false, clWhite), std::string(didascalieFamiglie[i])));

    struct TPannelloOrdine {
        std::string_view nome, testo, hint;
    };
    static const std::array<TPannelloOrdine, 4> ordini = {{
        {"Panel5", TESTO("Apparizione"), TESTO("In Ordine di Apparizione")},
        {"Panel6", TESTO("Ritardo"), TESTO("In Ordine di Ritardo")},
        {"Panel7", TESTO("Max Ritardo"), TESTO("In Ordine di Massimo Ritardo")},
        {"Panel8", TESTO("Sortita"), TESTO("In Ordine di Sortita")},
    }};
    for (int i = 0; i < 4; ++i)
        ids.pannelliOrdine[i] =
            f.aggiungi(pannello(std::string(ordini[i].nome), -1, 8 + i * 120, Y_ORDINI, 116, 32,
                                std::string(ordini[i].testo), clNavy, carattere(20, false, clWhite),
                                std::string(ordini[i].hint)));

    f.aggiungi(
        griglia::scritta("Label13", X_DESTRA, Y_FAMIGLIE, 70, 24, TESTO("Mostra: "), clGreen, 19));
    ids.famiglia =
        f.aggiungi(conCarattere(combo("ComboBox2", -1, X_DESTRA + 74, Y_FAMIGLIE + 2, 84,
                                      voci(TESTI_FAMIGLIE), std::string(TESTI_FAMIGLIE[0])),
                                inTahoma()));
    // The order texts are long: their combo gets a row of its own.
    ids.ordine = f.aggiungi(
        conCarattere(combo("ComboBox3", -1, X_DESTRA, Y_FAMIGLIE + 25, 296,
                           voci(TESTI_ORDINI_GRUPPI), std::string(TESTI_ORDINI_GRUPPI[0])),
                     inTahoma()));
    ids.rosso = f.aggiungi(
        conCarattere(casella("CheckBox3", -1, X_DESTRA, Y_FAMIGLIE + 47, 296,
                             TESTO("Colora di rosso i ritardi che superano il Max Rit"), true),
                     inTahoma()));
    ids.grassetto = f.aggiungi(
        conCarattere(casella("CheckBox1", -1, X_DESTRA, Y_FAMIGLIE + 64, 296,
                             TESTO("Metti in grassetto i ritardi che superano il Max Rit"), true),
                     inTahoma()));
    return ids;
}

} // namespace girolino::ui
