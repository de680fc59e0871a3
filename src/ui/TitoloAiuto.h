#pragma once
// Pieces shared by the two help windows: white ground, Tahoma text, and the title
// drawn twice (black, and blue one pixel to the right) for a shadowed look.

#include "ui/Disegno.h"
#include "ui/Form.h"

#include <string>

namespace girolino::ui::aiuto {

inline constexpr const char* tahoma = "Tahoma";
inline constexpr int pxBase = 11; // Tahoma 8 pt
inline constexpr int pxTitolo = 32;
inline constexpr int pxRiga = 19;
inline constexpr int larghezzaTitolo = 345;

// A borderless label in Tahoma of the given height.
inline TControllo scritta(std::string nome, int x, int y, int w, int h, std::string testo, int px,
                          TAllinea allinea = TAllinea::Sinistra) {
    TControllo c =
        disegno::controllo(std::move(nome), TTipo::Etichetta, -1, x, y, w, h, std::move(testo));
    c.font = disegno::carattere(px, false, clBlack, tahoma);
    c.allinea = allinea;
    c.bordo = false;
    return c;
}

// A picture button, optionally with a caption, in the base font.
inline TControllo pulsante(std::string nome, int x, int y, int w, int h, std::string immagine,
                           std::string hint, std::string testo = {}) {
    TControllo c =
        disegno::pulsanteImmagine(std::move(nome), -1, x, y, std::move(immagine), std::move(hint));
    c.w = w;
    c.h = h;
    c.testo = std::move(testo);
    c.font = disegno::carattere(pxBase, false, clBlack, tahoma);
    return c;
}

// Sets the look common to both help windows and adds the doubled title centred in it.
inline void preparaFinestraAiuto(TForm& f) {
    f.setSfondo(clWhite);
    f.setPosizione(TPosizioneForm::CentroPrincipale);
    const int x = (f.larghezza() - larghezzaTitolo) / 2;
    f.aggiungi(
        scritta("Label3", x, 8, larghezzaTitolo, 39, "HELP  -  AIUTO", pxTitolo, TAllinea::Centro));
    TControllo ombra = scritta("Label4", x + 1, 8, larghezzaTitolo, 39, "HELP  -  AIUTO", pxTitolo,
                               TAllinea::Centro);
    ombra.font.colore = clBlue;
    f.aggiungi(std::move(ombra));
}

} // namespace girolino::ui::aiuto
