// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spin lists in and out: reading a list of numbers kept by hand or exported by a table,
// and composing the two export formats.
//
// Reading. The text is UTF-8 or Latin-1 (UTF-16 is recognised and read too);
// a byte-order mark at the start is ignored; lines end with LF, CR LF or CR. Blank lines are
// skipped, and so are comment lines: lines whose first non-blank character is '#' (an indented
// comment is still a comment, since '#' can never begin a number).
// If the first line that is not skipped has a field named "numero", "number", "numbers",
// "result", "risultato", "pocket" or "winning number" (letter case, double quotes, blanks,
// '_' and '-' ignored), that line is a header: the text is a table whose separator is the one
// the header uses (',', ';' or tab) and whose named column gives the spins. Double quotes
// protect separators inside a field; blanks and double quotes around a field are ignored. A
// data line whose fields are all empty is an empty row and is skipped; a data line without
// the column, or with the column empty, refuses the list.
// Otherwise every line holds numbers separated by runs of blanks, commas, semicolons or tabs
// (double quotes around a number are ignored), read in reading order.
// Blanks are spaces, tabs and the no-break space. Every value follows the rule of
// valutaNumero. Nothing is returned unless the whole list is good: the first fault refuses
// it, with one Italian message naming its line (counted from 1, skipped lines included).

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

inline constexpr std::size_t MAX_NUMERI_ELENCO = 1'000'000;

struct TElencoNumeri {
    std::vector<std::uint8_t> numeri; // spins in reading order
    std::string errore;               // empty when the list is good, else the whole Italian message
    int rigaErrore = 0;               // 1-based line of the error, 0 when not tied to a line
    bool valido() const { return errore.empty(); }
};

// One rule for files, clipboard, drops and the command line: bytes as read (UTF-8 or Latin-1).
TElencoNumeri leggiElencoNumeri(std::string_view testo);

// Reads the file; an unreadable file gives an Italian message naming it.
TElencoNumeri leggiFileElencoNumeri(const std::filesystem::path& percorso);

// Export compositions: UTF-8, LF after every line, no byte-order mark.
// The table: a header line, then one line per spin, oldest first.
std::string componiElencoCsv(std::span<const std::uint8_t> numeri);
// One number per line.
std::string componiElencoTesto(std::span<const std::uint8_t> numeri);

} // namespace girolino
