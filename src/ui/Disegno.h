// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for writing a window's controls as data.

#include "model/Testo.h"
#include "ui/Controllo.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace girolino::ui::disegno {

inline constexpr const char* sansSerif = "MS Sans Serif";
inline constexpr const char* tahoma = "Tahoma";

inline TCarattere carattere(int px, bool grassetto = false, TColore colore = clBlack,
                            std::string famiglia = sansSerif) {
    return TCarattere{std::move(famiglia), px, grassetto, colore};
}

// Plain black Tahoma, 8 pt unless told: the base font of most windows.
inline TCarattere inTahoma(int px = 11) {
    return carattere(px, false, clBlack, tahoma);
}

// The same control drawn in another font.
inline TControllo conCarattere(TControllo c, TCarattere font) {
    c.font = std::move(font);
    return c;
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

// A label in the given font and alignment.
inline TControllo etichetta(std::string nome, int genitore, int x, int y, int w, int h,
                            std::string testo, TCarattere font = {},
                            TAllinea allinea = TAllinea::Sinistra) {
    TControllo c =
        controllo(std::move(nome), TTipo::Etichetta, genitore, x, y, w, h, std::move(testo));
    c.font = std::move(font);
    c.allinea = allinea;
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

// The same heading in a font of its own.
inline TControllo titolo(std::string nome, int genitore, int x, int y, int w, int h,
                         std::string testo, TColore sfondo, TCarattere font) {
    TControllo c = etichetta(std::move(nome), genitore, x, y, w, h, std::move(testo),
                             std::move(font), TAllinea::Centro);
    c.sfondo = sfondo;
    return c;
}

// A framed panel with centred text on a coloured ground: a band's heading or a tile
// to click, named by its hint.
inline TControllo pannello(std::string nome, int genitore, int x, int y, int w, int h,
                           std::string testo, TColore sfondo, TCarattere font,
                           std::string hint = {}) {
    TControllo c =
        controllo(std::move(nome), TTipo::Pannello, genitore, x, y, w, h, std::move(testo));
    c.sfondo = sfondo;
    c.font = std::move(font);
    c.allinea = TAllinea::Centro;
    c.hint = std::move(hint);
    return c;
}

// A push button with a caption and a picture.
inline TControllo pulsante(std::string nome, int genitore, int x, int y, int w, int h,
                           std::string testo, std::string immagine, std::string hint = {}) {
    TControllo c =
        controllo(std::move(nome), TTipo::Pulsante, genitore, x, y, w, h, std::move(testo));
    c.immagine = std::move(immagine);
    c.hint = std::move(hint);
    return c;
}

// A picture button with a hover hint and no caption.
inline TControllo pulsanteImmagine(std::string nome, int genitore, int x, int y,
                                   std::string immagine, std::string hint) {
    return pulsante(std::move(nome), genitore, x, y, 25, 25, {}, std::move(immagine),
                    std::move(hint));
}

// The small "?" button that explains the part of the window it stands in.
inline TControllo pulsanteAiuto(std::string nome, int genitore, int x, int y) {
    return pulsanteImmagine(std::move(nome), genitore, x, y, "aiuto", TESTO("Aiuto"));
}

// A picture on its own.
inline TControllo immagine(std::string nome, int genitore, int x, int y, int w, int h,
                           std::string figura) {
    TControllo c = controllo(std::move(nome), TTipo::Immagine, genitore, x, y, w, h);
    c.immagine = std::move(figura);
    return c;
}

// A read-only edit field showing a counter, "0" at start.
inline TControllo contatore(std::string nome, int genitore, int x, int y, int w = 40, int h = 21) {
    TControllo c = controllo(std::move(nome), TTipo::Campo, genitore, x, y, w, h, "0");
    c.solaLettura = true;
    return c;
}

// A list of texts as the items of a combo box.
inline std::vector<std::string> voci(std::span<const std::string_view> testi) {
    return {testi.begin(), testi.end()};
}

// A combo box of the usual height, showing `iniziale` among its items.
inline TControllo combo(std::string nome, int genitore, int x, int y, int w,
                        std::vector<std::string> voci, std::string iniziale) {
    TControllo c =
        controllo(std::move(nome), TTipo::Combo, genitore, x, y, w, 21, std::move(iniziale));
    c.voci = std::move(voci);
    return c;
}

// A check box of the usual height.
inline TControllo casella(std::string nome, int genitore, int x, int y, int w, std::string testo,
                          bool spuntata = false) {
    TControllo c =
        controllo(std::move(nome), TTipo::Casella, genitore, x, y, w, 17, std::move(testo));
    c.spuntato = spuntata;
    return c;
}

} // namespace girolino::ui::disegno
