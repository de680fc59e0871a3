// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game a FILE argument names, as the program would hold it: a spin list (or "-", a list
// on standard input) entered spin by spin, or a saved game (.fvr) opened as the program opens
// it, its ribbons looked for where the program keeps them.

#include "model/Partita.h"

#include <filesystem>
#include <iosfwd>
#include <string>

namespace girolino::cli {

// Throws TErroreCli, naming the file, when it cannot be read or is not a good list or game.
TPartita partitaDaFile(const std::string& file, std::istream& ingresso);

// The folder holding "salvati" for a program installed in `cartellaProgramma`: that folder
// when it is writable, otherwise "Girolino" in the user's documents.
std::filesystem::path cartellaBase(const std::filesystem::path& cartellaProgramma);

} // namespace girolino::cli
