#include "ui/Form17.h"

#include "ui/Disegno.h"

#include <string>
#include <vector>

namespace girolino::ui {

namespace {

const std::vector<std::string>& righeRegole() {
    static const std::vector<std::string> righe = {
        "----------------------------------------------------------------------",
        "G i r o l i n o",
        "----------------------------------------------------------------------",
        "",
        "Condizioni di utilizzo",
        "",
        "L'autore declina ogni responsabilita' diretta o indiretta derivante",
        "dall'uso del programma Girolino, il programma si limita a fare calcoli statistici, se ",
        "decidete di giocare e perdete e' solo ed esclusivamente vostra responsabilita'.",
        "",
        "Il programma Girolino non garantisce nessuna vincita.",
        "Ogni boule e' indipendente da quelle precedenti: ritardi, frequenze e segnali",
        "descrivono il passato e non possono prevedere il prossimo numero.",
        "",
        "Il gioco d'azzardo e' vietato ai minori e puo' causare dipendenza patologica.",
        "Giocate con moderazione e solo somme che potete permettervi di perdere.",
        "",
        "Utilizzando il programma Girolino dichiarate implicitamente di aver letto e accettato "
        "le condizioni ",
        "d'utilizzo qui riportate.",
    };
    return righe;
}

TControllo inTahoma(TControllo c) {
    c.font = disegno::carattere(11, false, clBlack, "Tahoma");
    return c;
}

} // namespace

TForm17::TForm17(TPiattaforma& p) : TForm(p, "TForm17", "Girolino Regole di Utilizzo", 585, 429) {
    setPosizione(TPosizioneForm::CentroSchermo);
    setSempreInPrimoPiano(true);

    TControllo testo = inTahoma(disegno::controllo("Memo1", TTipo::Nastro, -1, 8, 15, 569, 330));
    testo.allinea = TAllinea::Centro;
    testo.solaLettura = true;
    testo.cursoreInFondo = false;
    testo.righe = righeRegole();
    aggiungi(std::move(testo));

    idCasella_ = aggiungi(inTahoma(disegno::controllo(
        "CheckBox1", TTipo::Casella, -1, 187, 351, 220, 17, "Non mostrare piu' questa finestra")));
    TControllo accetto =
        inTahoma(disegno::controllo("BitBtn1", TTipo::Pulsante, -1, 135, 384, 145, 25, "Accetto"));
    accetto.immagine = "accetto";
    idAccetto_ = aggiungi(std::move(accetto));
    TControllo rifiuto = inTahoma(
        disegno::controllo("BitBtn2", TTipo::Pulsante, -1, 295, 384, 145, 25, "Non Accetto"));
    rifiuto.immagine = "nonaccetto";
    idNonAccetto_ = aggiungi(std::move(rifiuto));
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

void TForm17::click(int id) {
    if (id == idAccetto_)
        accetta();
    else if (id == idNonAccetto_)
        piattaforma().esci();
}

bool TForm17::chiusuraRichiesta() {
    if (!regoleAccettate_) piattaforma().esci();
    nascondi();
    return true;
}

} // namespace girolino::ui
