// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Ingresso.h"

#include "cli/Comandi.h"
#include "engine/Giocata.h"
#include "gamefile/CaricaPartita.h"
#include "gamefile/Cartelle.h"
#include "gamefile/ElencoNumeri.h"
#include "gamefile/TestoFile.h"
#include "model/Testo.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

namespace girolino::cli {

namespace fs = std::filesystem;

namespace {

std::optional<std::string> variabile(const char* nome) {
    const char* v = std::getenv(nome);
    if (!v || !*v) return std::nullopt;
    return std::string(v);
}

// XDG_DOCUMENTS_DIR from the user's user-dirs.dirs, else ~/Documents: the documents folder
// of a Linux desktop.
fs::path cartellaDocumenti() {
    const fs::path casa = variabile("HOME").value_or("");
    const fs::path config = variabile("XDG_CONFIG_HOME").value_or((casa / ".config").string());
    std::ifstream f(config / "user-dirs.dirs");
    std::string riga;
    const std::string chiave = "XDG_DOCUMENTS_DIR=";
    while (std::getline(f, riga)) {
        if (riga.rfind(chiave, 0) != 0) continue;
        std::string v = riga.substr(chiave.size());
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        if (v.rfind("$HOME", 0) == 0) v = casa.string() + v.substr(5);
        if (fs::path(v).is_absolute()) return fs::path(v);
    }
    return casa / "Documents";
}

fs::path cartellaEseguibile() {
    std::error_code ec;
    const fs::path e = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path() : e.parent_path();
}

bool partitaSalvata(const fs::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".fvr";
}

TPartita apriPartita(const fs::path& file) {
    const TCaricamento c = caricaFilePartita(file, cartellaBase(cartellaEseguibile()));
    if (!c.valido()) throw TErroreCli(c.errore);
    TPartita p;
    ripristinaPartita(p, *c.partita);
    return p;
}

} // namespace

fs::path cartellaBase(const fs::path& cartellaProgramma) {
    if (cartellaScrivibile(cartellaProgramma)) return cartellaProgramma;
    return cartellaDocumenti() / "Girolino";
}

TPartita partitaDaFile(const std::string& file, std::istream& ingresso) {
    if (file != "-" && partitaSalvata(file)) return apriPartita(file);
    TElencoNumeri elenco;
    std::string nome;
    if (file == "-") {
        const std::string testo(std::istreambuf_iterator<char>(ingresso), {});
        if (ingresso.bad()) throw TErroreCli(TESTO("impossibile leggere lo standard input."));
        elenco = leggiElencoNumeri(testo);
        nome = "standard input";
    } else {
        elenco = leggiFileElencoNumeri(file);
        nome = citaFile(file);
    }
    // An unreadable file's message names it already; any other says which list it is about.
    if (!elenco.valido()) {
        if (elenco.errore.find(nome) != std::string::npos) throw TErroreCli(elenco.errore);
        throw TErroreCli(nome, elenco.errore, false);
    }
    TPartita p;
    for (TNastro* nastro : p.nastri()) nastro->reserve(elenco.numeri.size());
    for (std::uint8_t n : elenco.numeri) inserisciSpin(p, n);
    return p;
}

} // namespace girolino::cli
