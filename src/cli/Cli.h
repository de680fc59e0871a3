// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// girolino-cli as a function: the command line without the program's name, the three
// streams, and the exit status (0 done, 2 refused, with one Italian message on `errori`).

#include <iosfwd>
#include <span>
#include <string>

namespace girolino::cli {

inline constexpr int ESITO_OK = 0;
inline constexpr int ESITO_ERRORE = 2;

int eseguiCli(std::span<const std::string> argomenti, std::istream& ingresso, std::ostream& uscita,
              std::ostream& errori);

} // namespace girolino::cli
