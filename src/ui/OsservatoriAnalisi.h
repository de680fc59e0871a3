// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis windows that follow the main window's game: the main window calls these
// hooks at fixed points of spin entry, undo and clear. Each does nothing until the
// application connects the window behind it.

namespace girolino::ui {

class TOsservatoriAnalisi {
public:
    virtual ~TOsservatoriAnalisi() = default;

    // Complex chances window.
    virtual void assegnaValori() {}
    virtual void numeribold() {}
    virtual void colorarosso() {}
    virtual void pulisciCampi() {}

    // Numbers table window.
    virtual void assegnaStat() {}
    virtual void compilaCampi() {}
    // The game changed other than by a spin (undo, clear, a game file opened).
    virtual void partitaCambiata() {}

    // Trend of the 37 numbers: reads the frequency ranking of the last refresh.
    virtual void impostaFrequentoni() {}
};

} // namespace girolino::ui
