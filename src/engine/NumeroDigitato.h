// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one rule for a spin written as text, shared by the entry field and the list reader:
// a whole number 0..36 written with digits only. Leading zeros are allowed ("07" is 7), but
// a number made of zeros only and longer than one digit ("00", "000") is refused: those are
// pockets of other wheels.

#include "model/Testo.h"

#include <optional>
#include <string_view>

namespace girolino {

// What the entry field shows as its hint when the typed text is refused.
inline constexpr std::string_view SUGGERIMENTO_NUMERO = TESTO("Numero da 0 a 36");

enum class TGiudizioNumero {
    Valido,
    FuoriRuota, // digits (or a minus sign and digits) that are not a pocket of this wheel
    ConSegno,   // "+5", "-0": a sign in front of digits that would otherwise be a pocket
    NonIntero,  // anything else: empty, letters, decimals, blanks inside
};

struct TValutazioneNumero {
    TGiudizioNumero giudizio = TGiudizioNumero::NonIntero;
    int numero = -1; // 0..36 when valid
};

// Judges exactly the given characters: no blanks are skipped.
TValutazioneNumero valutaNumero(std::string_view testo);

// The text of the entry field. Spaces and tabs around the number are ignored (a stray blank
// is a typing slip, not a different number); an empty or blank text gives nothing, like any
// refused text: the caller decides that an empty field simply does nothing.
std::optional<int> leggiNumeroDigitato(std::string_view testo);

} // namespace girolino
