// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/SalvaPartita.h"

#include "gamefile/Cartelle.h"
#include "gamefile/TestoFile.h"
#include "gamefile/Transazione.h"
#include "model/Testo.h"

namespace girolino {

namespace fs = std::filesystem;

TEsito salvaPartita(const fs::path& fileGioco, const std::vector<std::string>& righe,
                    const TPartita& p, TDisco& disco) {
    const fs::path cartella = fileGioco.has_parent_path() ? fileGioco.parent_path() : ".";
    bool presente = false;
    auto ec = disco.esiste(cartella, presente);
    if (!ec && !presente) ec = std::make_error_code(std::errc::no_such_file_or_directory);
    if (ec)
        return TEsito::fallito(formatta(TESTO("Impossibile salvare il file '%1': %2."),
                                        nomePerMessaggio(fileGioco), motivoErrore(ec)));
    const fs::path nastri =
        cartellaNastri(fileGioco.has_parent_path() ? fileGioco : cartella / fileGioco);
    bool creata = false;
    ec = disco.creaCartella(nastri, creata);
    if (!ec && creata) ec = disco.sincronizzaCartella(cartella);
    if (ec)
        return TEsito::fallito(formatta(TESTO("Impossibile creare la cartella '%1': %2."),
                                        nomePerMessaggio(nastri), motivoErrore(ec)));

    std::vector<TFileDaScrivere> files;
    const auto tutti = p.nastri();
    for (int i = 0; i < static_cast<int>(tutti.size()); ++i)
        files.push_back({percorsoNastro(i, fileGioco), testoConFineRiga(*tutti[i])});
    files.push_back({fileGioco, testoConFineRiga(righe)});
    return scriviInsieme(fileGioco, files, disco);
}

} // namespace girolino
