// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// girolino-cli as a function: the command line without the program's name, the translator of
// what it prints, the three streams, and the exit status (0 done, 2 refused, with one message
// on `errori`).

#include <iosfwd>
#include <span>
#include <string>

namespace girolino::lingua {
class TTraduttore;
} // namespace girolino::lingua

namespace girolino::cli {

inline constexpr int ESITO_OK = 0;
inline constexpr int ESITO_ERRORE = 2;

int eseguiCli(std::span<const std::string> argomenti, const lingua::TTraduttore& tr,
              std::istream& ingresso, std::ostream& uscita, std::ostream& errori);

} // namespace girolino::cli
