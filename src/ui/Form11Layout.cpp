// The controls of the complex chances window and where they stand.

#include "ui/Form11.h"

#include <string_view>

namespace girolino::ui {

namespace {

TCarattere carattere(std::string famiglia, int px, TColore colore) {
    TCarattere f;
    f.famiglia = std::move(famiglia);
    f.px = px;
    f.colore = colore;
    return f;
}

// A label or panel with white text on a coloured ground.
TControllo scritta(TTipo tipo, std::string nome, int x, int y, int w, int h, std::string testo,
                   TColore sfondo, int px) {
    TControllo c;
    c.nome = std::move(nome);
    c.tipo = tipo;
    c.x = x;
    c.y = y;
    c.w = w;
    c.h = h;
    c.testo = std::move(testo);
    c.sfondo = sfondo;
    c.font = carattere("MS Sans Serif", px, clWhite);
    return c;
}

// A control in the window's base font.
TControllo inBase(TTipo tipo, std::string nome, int x, int y, int w, int h, std::string testo) {
    TControllo c;
    c.nome = std::move(nome);
    c.tipo = tipo;
    c.x = x;
    c.y = y;
    c.w = w;
    c.h = h;
    c.testo = std::move(testo);
    c.font = carattere("Tahoma", 11, clBlack);
    return c;
}

// The grid: four blocks of rows side by side, each with a label column and three cells.
constexpr int BLOCCHI = 4;
constexpr int RIGHE_PER_BLOCCO = 15;
constexpr int X_BLOCCO = 8;
constexpr int PASSO_BLOCCO = 198;
constexpr int Y_TESTATE = 8;
constexpr int Y_RIGHE = 30;
constexpr int PASSO_RIGA = 24;
constexpr int X_CELLE = 68; // from the block's left edge
constexpr int PASSO_CELLA = 40;

// Under the grid.
constexpr int Y_FAMIGLIE = 398;
constexpr int Y_ORDINI = 438;
constexpr int X_DESTRA = 500;

} // namespace

void TForm11::crea() {
    static const std::array<std::string_view, 3> testate = {"Ritardo", "Max Rit", "Sortite"};
    for (int b = 0; b < BLOCCHI; ++b) {
        const int x0 = X_BLOCCO + b * PASSO_BLOCCO;
        for (int c = 0; c < 3; ++c)
            aggiungi(scritta(TTipo::Etichetta, "Label" + std::to_string(1 + b * 3 + c),
                             x0 + X_CELLE - 1 + c * PASSO_CELLA, Y_TESTATE, 38, 17,
                             std::string(testate[c]), clGreen, 11));
    }

    for (int k = 1; k <= RIGHE; ++k) {
        const int b = (k - 1) / RIGHE_PER_BLOCCO;
        const int x0 = X_BLOCCO + b * PASSO_BLOCCO;
        const int y = Y_RIGHE + ((k - 1) % RIGHE_PER_BLOCCO) * PASSO_RIGA;
        const std::string num = std::to_string(k);
        idN_[k] =
            aggiungi(scritta(TTipo::Etichetta, "n" + num, x0, y + 2, 65, 17, "-", clMaroon, 11));
        std::array<int*, 3> celle = {&idR_[k], &idM_[k], &idS_[k]};
        static const std::array<std::string_view, 3> prefissi = {"r", "m", "s"};
        for (int c = 0; c < 3; ++c) {
            TControllo cella = inBase(TTipo::Campo, std::string(prefissi[c]) + num,
                                      x0 + X_CELLE + c * PASSO_CELLA, y, 36, 21, "0");
            cella.solaLettura = true;
            *celle[c] = aggiungi(std::move(cella));
        }
    }

    static const std::array<std::string_view, NUM_FAMIGLIE> nomiFamiglie = {
        "Panel32", "Panel1", "Panel2", "Panel3", "Panel4"};
    static const std::array<std::string_view, NUM_FAMIGLIE> didascalieFamiglie = {
        "Duine", "Terzine", "Quartine", "Sestine", "Ennine"};
    for (int i = 0; i < NUM_FAMIGLIE; ++i) {
        TControllo p = scritta(TTipo::Pannello, std::string(nomiFamiglie[i]), 8 + i * 96,
                               Y_FAMIGLIE, 92, 32, std::string(didascalieFamiglie[i]), clOlive, 20);
        p.allinea = TAllinea::Centro;
        p.hint = p.testo;
        idPannelliFamiglia_[i] = aggiungi(std::move(p));
    }

    struct TPannelloOrdine {
        std::string_view nome, testo, hint;
    };
    static const std::array<TPannelloOrdine, 4> ordini = {{
        {"Panel5", "Apparizione", "In Ordine di Apparizione"},
        {"Panel6", "Ritardo", "In Ordine di Ritardo"},
        {"Panel7", "Max Ritardo", "In Ordine di Massimo Ritardo"},
        {"Panel8", "Sortita", "In Ordine di Sortita"},
    }};
    for (int i = 0; i < 4; ++i) {
        TControllo p = scritta(TTipo::Pannello, std::string(ordini[i].nome), 8 + i * 120, Y_ORDINI,
                               116, 32, std::string(ordini[i].testo), clNavy, 20);
        p.allinea = TAllinea::Centro;
        p.hint = ordini[i].hint;
        idPannelliOrdine_[i] = aggiungi(std::move(p));
    }

    aggiungi(scritta(TTipo::Etichetta, "Label13", X_DESTRA, Y_FAMIGLIE, 70, 24, "Mostra: ", clGreen,
                     19));

    TControllo famiglie = inBase(TTipo::Combo, "ComboBox2", X_DESTRA + 74, Y_FAMIGLIE + 2, 84, 21,
                                 testiFamiglie()[0]);
    famiglie.voci.assign(testiFamiglie().begin(), testiFamiglie().end());
    idFamiglia_ = aggiungi(std::move(famiglie));

    TControllo ordine = inBase(TTipo::Combo, "ComboBox3", X_DESTRA + 162, Y_FAMIGLIE + 2, 134, 21,
                               testiOrdini()[0]);
    ordine.voci.assign(testiOrdini().begin(), testiOrdini().end());
    idOrdine_ = aggiungi(std::move(ordine));

    TControllo rosso = inBase(TTipo::Casella, "CheckBox3", X_DESTRA, Y_FAMIGLIE + 34, 296, 17,
                              "Colora di rosso i ritardi che superano il Max Rit");
    rosso.spuntato = true;
    idRosso_ = aggiungi(std::move(rosso));

    TControllo grassetto = inBase(TTipo::Casella, "CheckBox1", X_DESTRA, Y_FAMIGLIE + 56, 296, 17,
                                  "Metti in grassetto i ritardi che superano il Max Rit");
    grassetto.spuntato = true;
    idGrassetto_ = aggiungi(std::move(grassetto));
}

} // namespace girolino::ui
