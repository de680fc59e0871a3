// The controls of the trend window of the outside sides and where they stand.

#include "ui/Decimale.h"
#include "ui/Disegno.h"
#include "ui/Form6.h"

#include <string>

namespace girolino::ui {

namespace {

constexpr int Y_RIGHE = 75;
constexpr int PASSO_RIGA = 24;
constexpr int ALTEZZA_RIGA = 22;
constexpr int X_NOMI = 24;
constexpr int X_BARRE = 109;
constexpr int LARGHEZZA_BARRE = 394;
constexpr int X_CONTEGGI = 505;

// White centred text on maroon, the look of the names and counts.
TControllo casella(std::string nome, int x, int y, int w, std::string testo) {
    TControllo c =
        disegno::titolo(std::move(nome), -1, x, y, w, ALTEZZA_RIGA, std::move(testo), clMaroon);
    c.font = disegno::carattere(16, false, clWhite);
    return c;
}

} // namespace

void TForm6::crea() {
    TControllo testata =
        disegno::titolo("Panel2", -1, 8, 8, 540, 41, "Classifica di Sortita delle Chance Semplici",
                        clOlive, clAqua);
    testata.tipo = TTipo::Pannello;
    testata.bordo = true;
    testata.font = disegno::carattere(27, false, clAqua, "Franklin Gothic Medium Cond");
    const int idTestata = aggiungi(std::move(testata));
    idAiuto_ =
        aggiungi(disegno::pulsanteImmagine("SpeedButton55", idTestata, 508, 8, "aiuto", "Aiuto"));

    aggiungi(disegno::controllo("Label1", TTipo::Etichetta, -1, X_BARRE, 56, 20, 15, "0"));
    TControllo boule = disegno::controllo("Label2", TTipo::Etichetta, -1, 448, 56, 55, 15, "0");
    boule.allinea = TAllinea::Destra;
    idBoule_ = aggiungi(std::move(boule));

    for (int k = 0; k < RIGHE; ++k) {
        const std::string num(TDecimale(k + 1).testo());
        const int y = Y_RIGHE + k * PASSO_RIGA;
        idNome_[k] = aggiungi(casella("cs" + num, X_NOMI, y, 79,
                                      std::string(nomeChance(static_cast<TChance>(k + 1)))));
        idBarra_[k] = aggiungi(disegno::controllo("ProgressBar" + num, TTipo::Barra, -1, X_BARRE, y,
                                                  LARGHEZZA_BARRE, ALTEZZA_RIGA));
        idConteggio_[k] = aggiungi(casella("S" + num, X_CONTEGGI, y, 43, "0"));
    }

    TControllo chiudi =
        disegno::controllo("BitBtn1", TTipo::Pulsante, -1, 208, 367, 161, 25, "Chiudi");
    chiudi.immagine = "chiudi";
    idChiudi_ = aggiungi(std::move(chiudi));
}

} // namespace girolino::ui
