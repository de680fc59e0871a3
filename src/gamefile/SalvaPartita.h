// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a game: the main file and its six ribbon sub-files.

#include "gamefile/Disco.h"
#include "gamefile/Esito.h"
#include "model/Partita.h"

#include <filesystem>
#include <string>
#include <vector>

namespace girolino {

// Saves the main file (the composed lines) and the six ribbon sub-files (see percorsoNastro;
// order numero, rosso, pari, manq, doz, col; the folder "files" beside the main file is created
// when missing) as one set: either all seven are replaced or none is, also when the program
// stops half-way (see scriviInsieme). The main file's folder must exist. On failure the
// message names the file and the reason.
TEsito salvaPartita(const std::filesystem::path& fileGioco, const std::vector<std::string>& righe,
                    const TPartita& p, TDisco& disco = discoDiSistema());

} // namespace girolino
