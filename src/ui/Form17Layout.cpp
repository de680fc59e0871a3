// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the rules-of-use window and where they stand.

#include "ui/Form17Layout.h"

#include "Versione.h"

#include "ui/Disegno.h"

#include <string>
#include <vector>

namespace girolino::ui {

using namespace disegno;

namespace {

// The program's name with a space after every letter but the last.
std::string nomeSpaziato() {
    std::string r;
    for (const char* c = nomeProgramma; *c != '\0'; ++c) {
        if (!r.empty()) r += ' ';
        r += *c;
    }
    return r;
}

const std::vector<std::string>& righeRegole() {
    static const std::vector<std::string> righe = {
        "----------------------------------------------------------------------",
        nomeSpaziato(),
        "----------------------------------------------------------------------",
        "",
        "Condizioni di utilizzo",
        "",
        "L'autore declina ogni responsabilita' diretta o indiretta derivante",
        "dall'uso del programma " +
            conNomeProgramma(", il programma si limita a fare calcoli statistici, se "),
        "decidete di giocare e perdete e' solo ed esclusivamente vostra responsabilita'.",
        "",
        "Il programma " + conNomeProgramma(" non garantisce nessuna vincita."),
        "Ogni boule e' indipendente da quelle precedenti: ritardi, frequenze e segnali",
        "descrivono il passato e non possono prevedere il prossimo numero.",
        "",
        "Il gioco d'azzardo e' vietato ai minori e puo' causare dipendenza patologica.",
        "Giocate con moderazione e solo somme che potete permettervi di perdere.",
        "",
        "Utilizzando il programma " +
            conNomeProgramma(" dichiarate implicitamente di aver letto e accettato le condizioni "),
        "d'utilizzo qui riportate.",
    };
    return righe;
}

} // namespace

TIdForm17 costruisciForm17(TForm& f) {
    TIdForm17 ids;
    TControllo testo =
        conCarattere(disegno::controllo("Memo1", TTipo::Nastro, -1, 8, 15, 569, 330), inTahoma());
    testo.allinea = TAllinea::Centro;
    testo.solaLettura = true;
    testo.cursoreInFondo = false;
    testo.righe = righeRegole();
    f.aggiungi(std::move(testo));

    ids.casella = f.aggiungi(conCarattere(
        casella("CheckBox1", -1, 187, 351, 220, "Non mostrare piu' questa finestra"), inTahoma()));
    ids.accetto = f.aggiungi(
        conCarattere(pulsante("BitBtn1", -1, 135, 384, 145, 25, "Accetto", "accetto"), inTahoma()));
    ids.nonAccetto = f.aggiungi(conCarattere(
        pulsante("BitBtn2", -1, 295, 384, 145, 25, "Non Accetto", "nonaccetto"), inTahoma()));
    return ids;
}

} // namespace girolino::ui
