// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The observable state of one control of a window: what the toolkit view shows.
// Presentation models change these fields only through TForm's setters, which
// record what changed so that the view copies just that, once per turn of the
// event loop.

#include "model/Righe.h"
#include "ui/Colori.h"
#include "ui/ControlliRicchi.h"

#include <cstddef>
#include <string>
#include <vector>

namespace girolino::ui {

enum class TTipo {
    Etichetta, // static text
    Pannello,  // framed text area that may hold other controls
    Campo,     // single-line edit field
    Memo,      // single-value display cell
    Pulsante,  // push button, with a caption or a picture
    Casella,   // check box
    Radio,     // radio button; radios with the same parent exclude each other
    Combo,     // editable combo box
    Gruppo,    // group box / radio group holding other controls
    Nastro,    // multi-line read-only text, one entry per line (ribbon)
    Striscia,  // read-only rich text made of coloured runs
    Barra,     // progress bar
    Timer,     // invisible timer
    Immagine,  // picture
    Tabella,   // sortable table of cells
    Grafico,   // chart of bar, line and band series
    Ruota,     // drawn wheel whose pockets can be clicked
};

enum class TAllinea { Sinistra, Centro, Destra };

struct TCarattere {
    std::string famiglia = "MS Sans Serif";
    int px = 11; // character height in pixels
    bool grassetto = false;
    TColore colore = clBlack;

    friend bool operator==(const TCarattere&, const TCarattere&) = default;
};

struct TSpezzone {
    std::string testo;
    TColore colore = clBlack;

    friend bool operator==(const TSpezzone&, const TSpezzone&) = default;
};

struct TControllo {
    // Design: fixed once the window is built.
    std::string nome;
    TTipo tipo = TTipo::Etichetta;
    int genitore = -1; // id of the containing control, -1 for the window itself
    int x = 0, y = 0, w = 0, h = 0;
    TAllinea allinea = TAllinea::Sinistra;
    bool solaLettura = false;
    bool bordo = true;
    bool cursoreMano = false; // hand cursor over a clickable label
    std::string immagine;     // picture name of a picture button ("aiuto", "annulla", ...)
    int intervallo = 0;       // timer interval in ms
    // The text runs over several lines: a label or panel wraps it at its width, a display
    // cell shows it as a block of lines. Otherwise it keeps to one line.
    bool aCapo = false;
    // Drawn over its siblings on purpose (the layout checks let it overlap them).
    bool sopraIFratelli = false;
    // The lines of a ribbon are a text to read (the rules of use), shown in the program's
    // language as one whole; the lines of the spins are shown as they are.
    bool righeDaTradurre = false;

    // State.
    std::string testo; // caption or text
    TCarattere font;
    TColore sfondo = clPredefinito;
    bool visibile = true;
    bool abilitato = true;
    bool spuntato = false;
    std::string hint;
    std::vector<std::string> voci;                // combo items
    TRighe righe;                                 // lines of a ribbon
    std::vector<TSpezzone> spezzoni;              // runs of a coloured strip
    int minimo = 0, massimo = 100, posizione = 0; // progress bar
    bool cursoreInFondo = true;                   // ribbon caret at the end (true) or at the start
    int richiesteScorrimento = 0;                 // bumped each time the caret is moved into view
    int avvii = 0;                                // timer: bumped each time it is (re)started
    TDatiTabella tabella;
    TDatiGrafico grafico;
    TDatiRuota ruota;

    // Lines [0, righeInvariate) of a ribbon are unchanged since the last render.
    std::size_t righeInvariate = 0;
};

} // namespace girolino::ui
