// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the rules-of-use window and where they stand.

#include "ui/Form17Layout.h"

#include "Versione.h"

#include "model/Testo.h"
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

// The rules as one text: the title lines, then the conditions, whose lines break where
// the window shows them.
std::string testoRegole() {
    const std::string trattini(70, '-');
    return formatta(
        TESTO("%1\n"
              "\n"
              "Condizioni di utilizzo\n"
              "\n"
              "L'autore declina ogni responsabilita' diretta o indiretta derivante\n"
              "dall'uso del programma %2, il programma si limita a fare calcoli statistici, se \n"
              "decidete di giocare e perdete e' solo ed esclusivamente vostra responsabilita'.\n"
              "\n"
              "Il programma %2 non garantisce nessuna vincita.\n"
              "Ogni boule e' indipendente da quelle precedenti: ritardi, frequenze e segnali\n"
              "descrivono il passato e non possono prevedere il prossimo numero.\n"
              "\n"
              "Il gioco d'azzardo e' vietato ai minori e puo' causare dipendenza patologica.\n"
              "Giocate con moderazione e solo somme che potete permettervi di perdere.\n"
              "\n"
              "Utilizzando il programma %2 dichiarate implicitamente di aver letto e accettato "
              "le condizioni \n"
              "d'utilizzo qui riportate."),
        trattini + "\n" + nomeSpaziato() + "\n" + trattini, nomeProgramma);
}

std::vector<std::string> righeRegole() {
    const std::string testo = testoRegole();
    std::vector<std::string> righe;
    for (std::size_t inizio = 0;;) {
        const std::size_t fine = testo.find('\n', inizio);
        righe.push_back(testo.substr(inizio, fine - inizio));
        if (fine == std::string::npos) return righe;
        inizio = fine + 1;
    }
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
    testo.righeDaTradurre = true;
    f.aggiungi(std::move(testo));

    ids.casella = f.aggiungi(conCarattere(
        casella("CheckBox1", -1, 187, 351, 220, TESTO("Non mostrare piu' questa finestra")),
        inTahoma()));
    ids.accetto = f.aggiungi(conCarattere(
        pulsante("BitBtn1", -1, 135, 384, 145, 25, TESTO("Accetto"), "accetto"), inTahoma()));
    ids.nonAccetto = f.aggiungi(
        conCarattere(pulsante("BitBtn2", -1, 295, 384, 145, 25, TESTO("Non Accetto"), "nonaccetto"),
                     inTahoma()));
    return ids;
}

} // namespace girolino::ui
