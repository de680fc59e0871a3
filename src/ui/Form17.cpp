// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Form17.h"

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

TForm17::TForm17(TPiattaforma& p)
    : TForm(p, "TForm17", conNomeProgramma(" Regole di Utilizzo"), 585, 429) {
    setPosizione(TPosizioneForm::CentroSchermo);
    setSempreInPrimoPiano(true);

    TControllo testo =
        conCarattere(disegno::controllo("Memo1", TTipo::Nastro, -1, 8, 15, 569, 330), inTahoma());
    testo.allinea = TAllinea::Centro;
    testo.solaLettura = true;
    testo.cursoreInFondo = false;
    testo.righe = righeRegole();
    aggiungi(std::move(testo));

    idCasella_ = aggiungi(conCarattere(
        casella("CheckBox1", -1, 187, 351, 220, "Non mostrare piu' questa finestra"), inTahoma()));
    idAccetto_ = aggiungi(
        conCarattere(pulsante("BitBtn1", -1, 135, 384, 145, 25, "Accetto", "accetto"), inTahoma()));
    idNonAccetto_ = aggiungi(conCarattere(
        pulsante("BitBtn2", -1, 295, 384, 145, 25, "Non Accetto", "nonaccetto"), inTahoma()));
}

void TForm17::mostra() {
    if (visibile()) return;
    auto& p = piattaforma();
    if (p.impostazioniDisponibili() && p.leggiImpostazione(chiaveMostraRegole) == false) {
        setSpuntato(idCasella_, true);
        regoleAccettate_ = true;
    }
    TForm::mostra();
}

void TForm17::accetta() {
    // When the setting cannot be stored the acceptance still holds for this run; the
    // window will simply be shown again at the next start.
    if (spuntato(idCasella_)) piattaforma().scriviImpostazione(chiaveMostraRegole, false);
    regoleAccettate_ = true;
    nascondi();
}

bool TForm17::esci() {
    if (uscita_) return uscita_();
    piattaforma().esci();
    return true;
}

void TForm17::click(int id) {
    if (id == idAccetto_)
        accetta();
    else if (id == idNonAccetto_)
        esci();
}

bool TForm17::chiusuraRichiesta() {
    // A save cancelled on the way out keeps the window, and the rules still unaccepted.
    if (!regoleAccettate_ && !esci()) return false;
    nascondi();
    return true;
}

} // namespace girolino::ui
