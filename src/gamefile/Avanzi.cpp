// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/Avanzi.h"

namespace girolino {

namespace fs = std::filesystem;

void rimuoviAvanzi(const std::vector<fs::path>& cartelle, const std::set<fs::path>& nominati,
                   TDisco& disco) {
    for (const fs::path& cartella : cartelle) {
        std::vector<TVoceCartella> voci;
        if (disco.elenca(cartella, voci)) continue;
        for (const TVoceCartella& v : voci) {
            if (!v.file || !eNomeProvvisorio(v.nome) || v.eta < etaAvanzi) continue;
            if (const fs::path p = cartella / v.nome; !nominati.contains(p)) disco.rimuovi(p);
        }
        // The folder is not flushed: a removal the disk loses is only done again next time.
    }
}

} // namespace girolino
