// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading whole numbers from text. Each reader states the texts it accepts; every place
// that turns text into a number uses one of them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace girolino {

enum class TEsitoNumero { Ok, NonIntero, FuoriScala };

// A decimal as the program writes it to a file: an optional minus sign and one or more
// digits, nothing else (no blanks, no plus sign). FuoriScala when it does not fit 64 bits.
TEsitoNumero leggiDecimale(std::string_view testo, std::int64_t& valore);

// A whole number typed by the player: optional blanks (spaces, tabs) around, an optional
// sign, digits. Anything else, or a value outside 32 bits, gives nullopt.
std::optional<std::int32_t> leggiIntero(std::string_view testo);

// A number of the table (0..36) written as leggiDecimale accepts it ("07" and "-0" too).
std::optional<int> numeroDelTavolo(std::string_view testo);

// A number of the table written exactly as the program writes it: "0".."36", no sign and
// no leading zero.
std::optional<int> numeroEsatto(std::string_view testo);

} // namespace girolino
