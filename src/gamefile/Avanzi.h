// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Temporaries that no save will ever finish. A save writes its new files, and copies of the
// old ones, under temporary names (see TDisco::scriviNuovo) before its journal lists them; a
// program stopped in between leaves them behind, hidden, and no journal tells they are there.
//
// Such a file is removed only when it is a regular file with a temporary's name, no journal
// names it, and it has not changed for etaAvanzi. The age is what keeps the temporaries of a
// save another copy of the program is making in the same folder right now: they are seconds
// old when their journal lists them. An hour is far beyond any save, and beyond the clock
// differences of a shared folder on another computer, while a leftover waiting that long
// costs only a little room on the disk. A lock would have needed a file of its own in the
// player's folder, and locks are not reliable on shared folders.

#include "gamefile/Disco.h"

#include <chrono>
#include <filesystem>
#include <set>
#include <vector>

namespace girolino {

inline constexpr std::chrono::seconds etaAvanzi = std::chrono::hours(1);

// Removes the leftovers found in cartelle, sparing every path in nominati (spelt as
// cartella / name). Best effort: what cannot be listed or removed now is left for next time.
void rimuoviAvanzi(const std::vector<std::filesystem::path>& cartelle,
                   const std::set<std::filesystem::path>& nominati, TDisco& disco);

} // namespace girolino
