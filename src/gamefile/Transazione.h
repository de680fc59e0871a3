// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Saving a set of files all or nothing, whatever fails and wherever the program stops.
//
// Every new file is first written under a short temporary name and flushed; the current
// version of each file is copied aside. A journal listing the temporaries, the copies and the
// files that did not exist yet is then flushed before the first file is replaced, and the
// files are replaced in the order given (the main file last). Once every replacement is on
// the disk the journal is marked as done; the copies and the journal are then removed.
// A failure before that mark puts the copies back. A journal left by a program that stopped
// half-way is finished by ripristinaInterrotto: before the mark it puts the old files back,
// after it it only removes the copies. So the disk always holds the whole old set or the
// whole new one.

#include "gamefile/Disco.h"
#include "gamefile/Esito.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace girolino {

struct TFileDaScrivere {
    std::filesystem::path destinazione;
    std::string byte;
};

// The journal of the set whose main file is principale: in the folder "files" beside it.
std::filesystem::path percorsoGiornale(const std::filesystem::path& principale);

// Writes the files, each either in the folder of principale or in its folder "files" (which
// must exist); principale must be the last of them. On failure the message names the file
// and the reason.
TEsito scriviInsieme(const std::filesystem::path& principale,
                     const std::vector<TFileDaScrivere>& files, TDisco& disco);

// Finishes a save of principale that was interrupted, as described above; nothing to do
// when there is no journal. An error leaves the journal for a later attempt. Then removes
// the temporaries of saves stopped before their journal from the folder of principale and
// its folder "files" (see Avanzi.h). scriviInsieme does all this first.
std::error_code ripristinaInterrotto(const std::filesystem::path& principale, TDisco& disco);

} // namespace girolino
