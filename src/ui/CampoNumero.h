// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spin entry field of the main window and of the pad: a spin typed as a number and
// entered with Enter, so that a player at the table never has to aim for a button.

#include "ui/Form.h"

#include <optional>

namespace girolino::ui {

inline constexpr const char* nomeCampoNumero = "EditNumero";

// Adds the caption "Numero" (in coloreCaption) at x, y and the field after it, both of
// pxFont; returns the field's id.
int aggiungiCampoNumero(TForm& f, int genitore, int x, int y, int pxFont, TColore coloreCaption);

// The main window's field beside its pad, and the File menu's items for spin lists and the
// command keys of the menu items that have one.
void aggiungiDigitazioneForm1(TForm& f);

// Enter in the field: the spin typed, the field emptied for the next one. nullopt when there
// is nothing to enter: an empty field, or a refused text, which leaves the field red with a
// hint saying why, selected so that the next typing replaces it.
std::optional<int> leggiCampoNumero(TForm& f, TPiattaforma& p, int id);

// Typing into a refused field takes its red away.
void ripristinaCampoNumero(TForm& f, int id);

} // namespace girolino::ui
