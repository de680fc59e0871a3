// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grid of counters of the complex chances and the numbers windows: side-by-side
// blocks of rows under three column headings, each row a name and three read-only cells
// (delay, max delay, spins). Both windows mark the delays that passed their maximum red
// and bold.

#include "engine/AnalisiNumeri.h"
#include "model/Partita.h"
#include "ui/Form.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

namespace girolino::ui::griglia {

// Where the grid stands and what it names.
struct TForma {
    int blocchi;
    int righePerBlocco;
    int primoNumero; // the number in the first row's name: n<primo>, r<primo>, ...
    int x;           // the first block's left edge
    int passoBlocco;
    int yTestate;
    int yRighe;
    int passoRiga;
    int xCelle; // the first cell, from the block's left edge
    std::array<TColore, 3> coloriTestate;
    int dyNome, wNome, hNome; // the name label, from the row's top left corner
};

// Where the grid's controls went, one entry per row.
struct TCelle {
    std::span<int> n, r, m, s;
};

// A label in white on a coloured ground, the look of every label around the grid.
TControllo scritta(std::string nome, int x, int y, int w, int h, std::string testo, TColore sfondo,
                   int px);

// Adds the headings, then the rows (as many as `celle` holds) with "-" names and "0" cells.
void crea(TForm& f, const TForma& forma, const TCelle& celle);

// Paints the delay cells red where the row's delay passed its maximum, black elsewhere;
// `acceso` false turns every cell black. `contatore(k)` is what row k shows.
template <typename FContatore>
void rosso(TForm& f, std::span<const int> celle, FContatore contatore, bool acceso) {
    for (std::size_t k = 0; k < celle.size(); ++k)
        f.setColoreFont(celle[k], acceso && superaMaxRitardo(contatore(k)) ? clRed : clBlack);
}

// The same mark in bold type.
template <typename FContatore>
void grassetto(TForm& f, std::span<const int> celle, FContatore contatore, bool acceso) {
    for (std::size_t k = 0; k < celle.size(); ++k)
        f.setGrassetto(celle[k], acceso && superaMaxRitardo(contatore(k)));
}

} // namespace girolino::ui::griglia
