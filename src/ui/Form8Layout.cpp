// The controls of the trend window of the 37 numbers and where they stand.

#include "ui/Decimale.h"
#include "ui/Disegno.h"
#include "ui/Form8.h"

#include <string>

namespace girolino::ui {

namespace {

// Positions 1..19 on the left, 20..37 on the right.
constexpr int RIGHE_SINISTRA = 19;
constexpr std::array<int, 2> X_COLONNA = {24, 352}; // number labels
constexpr int X_BARRA = 42;                         // from the column's left edge
constexpr int X_CONTEGGIO = 280;
constexpr int Y_RIGHE = 74;
constexpr int PASSO_RIGA = 24;
constexpr int ALTEZZA_RIGA = 19;

TControllo casella(std::string nome, int x, int y, int w, std::string testo, TColore sfondo) {
    TControllo c =
        disegno::titolo(std::move(nome), -1, x, y, w, ALTEZZA_RIGA, std::move(testo), sfondo);
    c.font = disegno::carattere(16, false, clWhite);
    return c;
}

// The count label of position k (0-based): s0, S1..S12, s13..s36.
std::string nomeConteggio(int k) {
    std::string nome(k >= 1 && k <= 12 ? "S" : "s");
    nome += TDecimale(k);
    return nome;
}

} // namespace

void TForm8::crea() {
    TControllo testata = disegno::titolo("Panel2", -1, 24, 8, 651, 41,
                                         "Classifica di Sortita dei 37 Numeri", clOlive, clAqua);
    testata.tipo = TTipo::Pannello;
    testata.bordo = true;
    testata.font = disegno::carattere(27, false, clAqua, "Franklin Gothic Medium Cond");
    const int idTestata = aggiungi(std::move(testata));
    idAiuto_ =
        aggiungi(disegno::pulsanteImmagine("SpeedButton55", idTestata, 619, 8, "aiuto", "Aiuto"));

    struct TTestataColonna {
        std::string_view nome, testo, hint;
        int x, w;
    };
    static const std::array<TTestataColonna, 4> testate = {{
        {"Label1", "N", "Numero", X_COLONNA[0], 36},
        {"Label2", "S", "Sortite", X_COLONNA[0] + X_CONTEGGIO, 43},
        {"Label3", "N", "Numero", X_COLONNA[1], 36},
        {"Label4", "S", "Sortite", X_COLONNA[1] + X_CONTEGGIO, 43},
    }};
    for (const auto& t : testate) {
        TControllo c = disegno::titolo(std::string(t.nome), -1, t.x, 53, t.w, 17,
                                       std::string(t.testo), clOlive, clAqua);
        c.font = disegno::carattere(11, true, clAqua);
        c.hint = t.hint;
        aggiungi(std::move(c));
    }

    for (int k = 0; k < RIGHE; ++k) {
        const int colonna = k < RIGHE_SINISTRA ? 0 : 1;
        const int x = X_COLONNA[colonna];
        const int y = Y_RIGHE + (colonna ? k - RIGHE_SINISTRA : k) * PASSO_RIGA;
        const std::string num(TDecimale(k).testo());
        idNumero_[k] = aggiungi(casella("n" + num, x, y, 36, num, clMaroon));
        idBarra_[k] =
            aggiungi(disegno::controllo("ProgressBar" + std::string(TDecimale(k + 1)), TTipo::Barra,
                                        -1, x + X_BARRA, y, 232, ALTEZZA_RIGA));
        idConteggio_[k] = aggiungi(casella(nomeConteggio(k), x + X_CONTEGGIO, y, 43, "0", clGreen));
    }

    TControllo chiudi =
        disegno::controllo("BitBtn1", TTipo::Pulsante, -1, 216, 534, 257, 25, "Chiudi");
    chiudi.immagine = "chiudi";
    idChiudi_ = aggiungi(std::move(chiudi));
}

} // namespace girolino::ui
