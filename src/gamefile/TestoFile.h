// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain 8-bit text files of one value per line: reading with size limits and line splitting,
// and writing with CR LF line ends through a temporary file, so that a failed or interrupted
// write never destroys the file it was meant to replace.

#include "gamefile/Esito.h"
#include "model/Righe.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

// A file's name as the messages show it, and the same between quotes.
std::string nomePerMessaggio(const std::filesystem::path& p);
std::string citaFile(const std::filesystem::path& p);

// Reads the whole file as bytes. Fails, with a message naming the file, when it does not
// exist, is not a regular file, cannot be read or is larger than maxByte.
struct TLettura {
    TEsito esito;
    std::string contenuto;
};
TLettura leggiFile(const std::filesystem::path& p, std::uintmax_t maxByte,
                   const std::string& messaggioTroppoGrande);

// Splits text into lines. CR LF and LF both end a line; the last line needs no line end, and
// a line end at the very end of the text does not start another (empty) line. An empty text
// has no lines.
std::vector<std::string> dividiRighe(const std::string& testo);
// The same lines, kept compactly (a ribbon of a long game).
TRighe dividiRigheCompatte(const std::string& testo);

// Counts the lines dividiRighe would return, without building them.
std::size_t contaRighe(const std::string& testo);

// The lines, each followed by CR LF, bytes as they are, no byte-order mark.
std::string testoConFineRiga(const std::vector<std::string>& righe);
std::string testoConFineRiga(const TRighe& righe);

// Writes testoConFineRiga(righe) to p: the text goes to a flushed temporary file in the same
// folder, which then replaces the target in one step. On failure the message names the file
// and the reason, and the target is as it was.
TEsito scriviRighe(const std::filesystem::path& p, const std::vector<std::string>& righe);

// Writes the bytes exactly as given, safely in the same way as scriviRighe.
TEsito scriviTesto(const std::filesystem::path& p, std::string_view byte);

} // namespace girolino
