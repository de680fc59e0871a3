#include "ui/Form15.h"

#include "ui/TitoloAiuto.h"

namespace girolino::ui {

using namespace aiuto;

TForm15::TForm15(TPiattaforma& p) : TForm(p, "TForm15", "Girolino - Help", 530, 279) {
    preparaFinestraAiuto(*this);
    aggiungi(scritta("Label1", 8, 64, 514, 24,
                     "All'interno del programma troverai delle icone come questa", pxRiga,
                     TAllinea::Centro));

    // Two arrows pointing at the sample button between them.
    TControllo sinistra = disegno::controllo("Image1", TTipo::Immagine, -1, 199, 100, 40, 40);
    sinistra.immagine = "avanti";
    aggiungi(std::move(sinistra));
    idEsempio_ = aggiungi(pulsante("SpeedButton50", 249, 104, 32, 32, "aiuto", "Aiuto"));
    TControllo destra = disegno::controllo("Image2", TTipo::Immagine, -1, 291, 100, 40, 40);
    destra.immagine = "indietro";
    aggiungi(std::move(destra));

    aggiungi(scritta("Label2", 8, 152, 514, 24,
                     "Cliccaci sopra per ottenere degli aiuti riguardanti la sezione ", pxRiga,
                     TAllinea::Centro));
    aggiungi(scritta("Label5", 8, 176, 514, 24, "in cui si trovano", pxRiga, TAllinea::Centro));
    idOk_ = aggiungi(pulsante("BitBtn1", 168, 222, 193, 43, "ok", "", "OK"));
}

void TForm15::click(int id) {
    if (id == idEsempio_)
        piattaforma().messaggio("Bravo! Questo era un click! ;)");
    else if (id == idOk_)
        nascondi();
}

} // namespace girolino::ui
