// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the games are kept. The caller picks the base folder: the program's own folder when
// it is writable, otherwise the folder "Girolino" in the user's documents. Game files go to
// "salvati" under it unless the player picks another folder.

#include "gamefile/Esito.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace girolino {

std::filesystem::path cartellaSalvati(const std::filesystem::path& base);
std::filesystem::path cartellaFiles(const std::filesystem::path& base);

// True when the folder exists and a file can be created in it.
bool cartellaScrivibile(const std::filesystem::path& cartella);

// Creates the folder (and its parents) when it does not exist.
TEsito creaCartella(const std::filesystem::path& cartella);
// Creates "salvati" and "salvati/files" under base.
TEsito creaCartelle(const std::filesystem::path& base);

// A name typed without extension gets ".fvr".
std::filesystem::path conEstensione(const std::filesystem::path& percorso);

// The ribbon kinds, in the order the ribbons are saved and loaded (the order of
// TPartita::nastri()).
inline constexpr std::array<std::string_view, 6> TIPI_NASTRO = {"numero", "rosso", "pari",
                                                                "manq",   "doz",   "col"};

// The ribbon sub-files of a game are named by the kind followed directly by the game file's
// name (extension kept), and kept in the folder "files" beside the game file, so that games of
// the same name in different folders never share them. Games saved in "salvati" have them in
// "salvati/files"; older saves made elsewhere have them there too (percorsoNastroInSalvati).
std::filesystem::path cartellaNastri(const std::filesystem::path& fileGioco);
std::filesystem::path percorsoNastro(int indice, const std::filesystem::path& fileGioco);
std::filesystem::path percorsoNastroInSalvati(const std::filesystem::path& base, int indice,
                                              const std::filesystem::path& fileGioco);

} // namespace girolino
