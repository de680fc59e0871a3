#pragma once
// Saving a game: the main file and its six ribbon sub-files.

#include "gamefile/Esito.h"
#include "model/Partita.h"

#include <filesystem>
#include <string>
#include <vector>

namespace girolino {

// Saves the main file (the composed lines) and the six ribbon sub-files (see percorsoNastro;
// order numero, rosso, pari, manq, doz, col; "salvati/files" under base is created when
// missing) together: all seven are
// written to temporaries first and put in place only when every one was written, main file
// first. A failure before that leaves the previous files untouched.
TEsito salvaPartita(const std::filesystem::path& fileGioco, const std::vector<std::string>& righe,
                    const TPartita& p, const std::filesystem::path& base);

} // namespace girolino
