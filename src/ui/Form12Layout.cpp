// The controls of the numbers table window and where they stand.

#include "ui/Form12.h"

#include <string>
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

// A label or panel with white text on a coloured ground.
TControllo scritta(TTipo tipo, std::string nome, int x, int y, int w, int h, std::string testo,
                   TColore sfondo, int px) {
    TControllo c = inBase(tipo, std::move(nome), x, y, w, h, std::move(testo));
    c.sfondo = sfondo;
    c.font = carattere("MS Sans Serif", px, clWhite);
    return c;
}

// The grid: four columns of rows, each a number label and three cells.
constexpr int RIGHE_PER_COLONNA = 11;
constexpr int X_COLONNA = 8;
constexpr int PASSO_COLONNA = 152;
constexpr int Y_TESTATE = 6;
constexpr int Y_RIGHE = 26;
constexpr int PASSO_RIGA = 24;
constexpr int X_CELLE = 18; // from the column's left edge
constexpr int PASSO_CELLA = 40;

// Beside the short fourth column.
constexpr int X_ORDINE = X_COLONNA + 3 * PASSO_COLONNA;
constexpr int Y_ORDINE = 130;
// Bottom row.
constexpr int Y_CASELLE = 300;

} // namespace

void TForm12::crea() {
    struct TTestata {
        std::string_view testo;
        TColore sfondo;
    };
    static const std::array<TTestata, 3> testate = {
        {{"Ritardo", clGreen}, {"Max Rit", clOlive}, {"Sortite", clNavy}}};
    for (int c = 0; c < 4; ++c) {
        const int x0 = X_COLONNA + c * PASSO_COLONNA;
        for (int j = 0; j < 3; ++j)
            aggiungi(scritta(TTipo::Etichetta, "Label" + std::to_string(1 + c * 3 + j),
                             x0 + X_CELLE - 1 + j * PASSO_CELLA, Y_TESTATE, 38, 17,
                             std::string(testate[j].testo), testate[j].sfondo, 11));
    }

    static const std::array<std::string_view, 3> prefissi = {"r", "m", "s"};
    for (int k = 0; k < RIGHE; ++k) {
        const int x0 = X_COLONNA + (k / RIGHE_PER_COLONNA) * PASSO_COLONNA;
        const int y = Y_RIGHE + (k % RIGHE_PER_COLONNA) * PASSO_RIGA;
        const std::string num = std::to_string(k);
        idN_[k] =
            aggiungi(scritta(TTipo::Etichetta, "n" + num, x0, y + 4, 14, 13, "-", clMaroon, 11));
        std::array<int*, 3> celle = {&idR_[k], &idM_[k], &idS_[k]};
        for (int j = 0; j < 3; ++j) {
            TControllo cella = inBase(TTipo::Campo, std::string(prefissi[j]) + num,
                                      x0 + X_CELLE + j * PASSO_CELLA, y, 36, 21, "0");
            cella.solaLettura = true;
            *celle[j] = aggiungi(std::move(cella));
        }
    }

    aggiungi(
        scritta(TTipo::Etichetta, "Label13", X_ORDINE, Y_ORDINE, 80, 24, "Ordina x", clGreen, 19));
    TControllo ordine =
        inBase(TTipo::Combo, "ComboBox3", X_ORDINE, Y_ORDINE + 28, 140, 21, "Numero");
    ordine.voci = {"Numero", "Ritardo", "Massimo Ritardo", "Sortita"};
    idOrdine_ = aggiungi(std::move(ordine));

    struct TPannello {
        std::string_view nome, lettera, hint;
        TColore sfondo;
        int* id;
    };
    const std::array<TPannello, 4> pannelli = {{
        {"Panel32", "N", "Ordina x Numero", clMaroon, &idNumero_},
        {"Panel33", "R", "Ordina x Ritardo", clGreen, &idRitardo_},
        {"Panel34", "M", "Ordina x Massimo Ritardo", clOlive, &idMassimo_},
        {"Panel1", "S", "Ordina x Sortite", clNavy, &idSortita_},
    }};
    for (int i = 0; i < 4; ++i) {
        const auto& p = pannelli[i];
        TControllo c = scritta(TTipo::Pannello, std::string(p.nome), X_ORDINE + i * 38,
                               Y_ORDINE + 58, 30, 30, std::string(p.lettera), p.sfondo, 20);
        c.allinea = TAllinea::Centro;
        c.hint = p.hint;
        *p.id = aggiungi(std::move(c));
    }

    TControllo grassetto = inBase(TTipo::Casella, "CheckBox1", X_COLONNA, Y_CASELLE, 290, 17,
                                  "Metti in grassetto i ritardi che superano il Max Rit");
    grassetto.spuntato = true;
    idGrassetto_ = aggiungi(std::move(grassetto));
    TControllo rosso = inBase(TTipo::Casella, "CheckBox3", X_COLONNA + 294, Y_CASELLE, 290, 17,
                              "Colora di rosso i ritardi che superano il Max Rit");
    rosso.spuntato = true;
    idRosso_ = aggiungi(std::move(rosso));

    TControllo aiuto = inBase(TTipo::Pulsante, "SpeedButton55", 594, Y_CASELLE - 4, 24, 24, "");
    aiuto.immagine = "aiuto";
    aiuto.hint = "Aiuto";
    idAiuto_ = aggiungi(std::move(aiuto));
}

} // namespace girolino::ui
