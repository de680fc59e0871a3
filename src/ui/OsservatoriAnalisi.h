// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis windows that follow the main window's game: the main window reports each of
// these events as it happens. Each hook does nothing until the application connects the
// windows behind it.

namespace girolino::ui {

class TOsservatoriAnalisi {
public:
    virtual ~TOsservatoriAnalisi() = default;

    // The groups' counters changed: by a spin (after its groups are scored) or an undo.
    virtual void gruppiCambiati() {}
    // The game was cleared.
    virtual void partitaPulita() {}
    // A spin is complete: every counter and run counts it.
    virtual void spinInserito() {}
    // The game changed other than by a spin (undo, clear, a game file opened).
    virtual void partitaCambiata() {}
    // The main window's rankings were refreshed.
    virtual void classificheAggiornate() {}
};

} // namespace girolino::ui
