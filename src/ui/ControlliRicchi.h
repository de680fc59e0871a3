// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// State of the richer controls: a table of cells, a chart of series and the drawn
// wheel. Plain data, compared as a whole by TForm's setters so that an unchanged
// value asks for no render; each kind's Qt view copies it into its own widget.

#include "ui/Colori.h"

#include <optional>
#include <string>
#include <vector>

namespace girolino::ui {

// --- table ---------------------------------------------------------------------------

struct TCella {
    std::string testo;
    TColore colore = clBlack;
    bool grassetto = false;
    // Sort key of a numeric cell ("12.5" sorts by 12.5, not as text); text cells sort
    // after the numeric ones of the same column.
    std::optional<double> valore;

    friend bool operator==(const TCella&, const TCella&) = default;
};

inline TCella cellaTesto(std::string testo, TColore colore = clBlack) {
    return TCella{std::move(testo), colore, false, std::nullopt};
}

// A cell showing a number: its text and its sort key.
inline TCella cellaNumero(std::string testo, double valore, TColore colore = clBlack) {
    return TCella{std::move(testo), colore, false, valore};
}

enum class TAllineaColonna { Sinistra, Centro, Destra };

struct TDatiTabella {
    std::vector<std::string> intestazioni;
    std::vector<TAllineaColonna> allineamenti; // per column; missing ones are left-aligned
    std::vector<std::vector<TCella>> righe;
    // Clicking a header sorts by that column (a second click reverses the order). Rows stay
    // in the order given here until the user clicks a header.
    bool ordinabile = true;

    friend bool operator==(const TDatiTabella&, const TDatiTabella&) = default;
};

// --- chart ---------------------------------------------------------------------------

enum class TTipoSerie {
    Barre,  // one bar per category: `valori`
    Linea,  // a polyline through `punti`
    Fascia, // the area between `punti` (upper edge) and `puntiSotto` (lower edge)
};

struct TPunto {
    double x = 0;
    double y = 0;

    friend bool operator==(const TPunto&, const TPunto&) = default;
};

struct TSerie {
    TTipoSerie tipo = TTipoSerie::Linea;
    std::string nome; // legend entry; an empty name stays out of the legend
    TColore colore = clNavy;
    std::vector<double> valori;     // bars
    std::vector<TPunto> punti;      // line, upper edge of a band
    std::vector<TPunto> puntiSotto; // lower edge of a band

    friend bool operator==(const TSerie&, const TSerie&) = default;
};

struct TDatiGrafico {
    std::string titolo;
    std::string titoloX;
    std::string titoloY;
    // Labels of the bar categories. With categories, the x of a point counts categories
    // from 0 (the first bar's centre); without them the x axis is a plain number axis.
    std::vector<std::string> categorie;
    std::vector<TSerie> serie;
    bool legenda = true;

    friend bool operator==(const TDatiGrafico&, const TDatiGrafico&) = default;
};

// --- wheel ---------------------------------------------------------------------------

struct TTaschino {
    int numero = 0;
    double calore = 0; // 0 (cold) .. 1 (the most hit pocket)

    friend bool operator==(const TTaschino&, const TTaschino&) = default;
};

struct TDatiRuota {
    std::vector<TTaschino> taschini; // the pockets in wheel order; empty: every pocket cold
    int ultimo = -1;                 // the number of the last spin, -1 before the first
    std::vector<int> ultimi;         // the latest spins, most recent first

    friend bool operator==(const TDatiRuota&, const TDatiRuota&) = default;
};

// The 37 pockets in wheel order, each with calore[number] (missing numbers stay cold).
TDatiRuota ruotaConCalore(const std::vector<double>& calorePerNumero, int ultimo,
                          std::vector<int> ultimi);

} // namespace girolino::ui
