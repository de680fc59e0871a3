#pragma once
// Saving a game: the main file and its six ribbon sub-files.

#include "gamefile/Esito.h"
#include "model/Partita.h"

#include <filesystem>
#include <string>
#include <vector>

namespace girolino {

// Writes the six ribbons to their sub-files for the game file fileGioco (see percorsoNastro),
// in the order numero, rosso, pari, manq, doz, col, creating "salvati/files" under base when
// it is missing. Each sub-file is replaced safely; the first failure stops the save.
TEsito salvaNastri(const TPartita& p, const std::filesystem::path& fileGioco,
                   const std::filesystem::path& base);

// Saves the main file (the composed lines) and the six sub-files together: all seven are
// written to temporaries first and put in place only when every one was written, main file
// first. A failure before that leaves the previous files untouched.
TEsito salvaPartita(const std::filesystem::path& fileGioco, const std::vector<std::string>& righe,
                    const TPartita& p, const std::filesystem::path& base);

} // namespace girolino
