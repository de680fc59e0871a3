// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/Cartelle.h"

#include "gamefile/Disco.h"
#include "gamefile/TestoFile.h"
#include "model/Testo.h"

#include <fstream>
#include <random>
#include <system_error>

namespace girolino {

namespace fs = std::filesystem;

namespace {

std::string nomeNastro(int indice, const fs::path& fileGioco) {
    return std::string(TIPI_NASTRO.at(static_cast<std::size_t>(indice))) +
           fileGioco.filename().string();
}

} // namespace

fs::path cartellaSalvati(const fs::path& base) {
    return base / "salvati";
}

fs::path cartellaFiles(const fs::path& base) {
    return cartellaSalvati(base) / "files";
}

bool cartellaScrivibile(const fs::path& cartella) {
    std::error_code ec;
    if (!fs::is_directory(cartella, ec)) return false;
    std::random_device caso;
    const fs::path prova = cartella / ("~girolino-prova-" + std::to_string(caso()) + ".tmp");
    bool scrivibile = false;
    {
        std::ofstream out(prova, std::ios::binary);
        scrivibile = static_cast<bool>(out);
    }
    fs::remove(prova, ec);
    return scrivibile;
}

TEsito creaCartella(const fs::path& cartella) {
    std::error_code ec;
    if (fs::is_directory(cartella, ec)) return TEsito::riuscito();
    fs::create_directories(cartella, ec);
    if (!ec && !fs::is_directory(cartella, ec) && !ec)
        ec = std::make_error_code(std::errc::not_a_directory);
    if (ec)
        return TEsito::fallito(formatta(TESTO("Impossibile creare la cartella '%1': %2."),
                                        nomePerMessaggio(cartella), motivoErrore(ec)));
    return TEsito::riuscito();
}

TEsito creaCartelle(const fs::path& base) {
    if (auto e = creaCartella(cartellaSalvati(base)); !e) return e;
    return creaCartella(cartellaFiles(base));
}

fs::path conEstensione(const fs::path& percorso) {
    if (percorso.has_filename() && !percorso.has_extension()) {
        fs::path p = percorso;
        p += ".fvr";
        return p;
    }
    return percorso;
}

fs::path cartellaNastri(const fs::path& fileGioco) {
    return fileGioco.parent_path() / "files";
}

fs::path percorsoNastro(int indice, const fs::path& fileGioco) {
    return cartellaNastri(fileGioco) / nomeNastro(indice, fileGioco);
}

fs::path percorsoNastroInSalvati(const fs::path& base, int indice, const fs::path& fileGioco) {
    return cartellaFiles(base) / nomeNastro(indice, fileGioco);
}

} // namespace girolino
