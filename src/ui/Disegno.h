#pragma once
// Small helpers for writing a window's controls as data.

#include "ui/Controllo.h"

#include <string>
#include <utility>

namespace girolino::ui::disegno {

inline constexpr const char* sansSerif = "MS Sans Serif";

inline TCarattere carattere(int px, bool grassetto = false, TColore colore = clBlack,
                            std::string famiglia = sansSerif) {
    return TCarattere{std::move(famiglia), px, grassetto, colore};
}

// A control with its design place and caption; labels get no frame.
inline TControllo controllo(std::string nome, TTipo tipo, int genitore, int x, int y, int w, int h,
                            std::string testo = {}) {
    TControllo c;
    c.nome = std::move(nome);
    c.tipo = tipo;
    c.genitore = genitore;
    c.x = x;
    c.y = y;
    c.w = w;
    c.h = h;
    c.testo = std::move(testo);
    c.bordo = tipo != TTipo::Etichetta;
    return c;
}

// A label with coloured text on a coloured ground, centred: the board's headings.
inline TControllo titolo(std::string nome, int genitore, int x, int y, int w, int h,
                         std::string testo, TColore sfondo, TColore testoColore = clWhite) {
    TControllo c =
        controllo(std::move(nome), TTipo::Etichetta, genitore, x, y, w, h, std::move(testo));
    c.sfondo = sfondo;
    c.font.colore = testoColore;
    c.allinea = TAllinea::Centro;
    return c;
}

// A picture button with a hover hint and no caption.
inline TControllo pulsanteImmagine(std::string nome, int genitore, int x, int y,
                                   std::string immagine, std::string hint) {
    TControllo c = controllo(std::move(nome), TTipo::Pulsante, genitore, x, y, 25, 25);
    c.immagine = std::move(immagine);
    c.hint = std::move(hint);
    return c;
}

// A read-only edit field showing a counter, "0" at start.
inline TControllo contatore(std::string nome, int genitore, int x, int y, int w = 40, int h = 21) {
    TControllo c = controllo(std::move(nome), TTipo::Campo, genitore, x, y, w, h, "0");
    c.solaLettura = true;
    return c;
}

} // namespace girolino::ui::disegno
