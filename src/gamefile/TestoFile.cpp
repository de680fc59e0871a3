// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/TestoFile.h"

#include "gamefile/Disco.h"
#include "model/Testo.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace girolino {

namespace fs = std::filesystem;

std::string nomePerMessaggio(const fs::path& p) {
    return p.string();
}

std::string citaFile(const fs::path& p) {
    std::string r(1, '\'');
    r += nomePerMessaggio(p);
    r += '\'';
    return r;
}

TLettura leggiFile(const fs::path& p, std::uintmax_t maxByte,
                   const std::string& messaggioTroppoGrande) {
    TLettura r;
    std::error_code ec;
    const auto stato = fs::status(p, ec);
    if (ec || !fs::exists(stato)) {
        r.esito = TEsito::fallito(formatta(TESTO("Il file '%1' non esiste."), nomePerMessaggio(p)));
        return r;
    }
    if (!fs::is_regular_file(stato)) {
        r.esito =
            TEsito::fallito(formatta(TESTO("Il file '%1' non è un file."), nomePerMessaggio(p)));
        return r;
    }
    const auto dimensione = fs::file_size(p, ec);
    if (!ec && dimensione > maxByte) {
        r.esito = TEsito::fallito(messaggioTroppoGrande);
        return r;
    }
    std::ifstream in(p, std::ios::binary);
    const std::string nonLeggibile =
        formatta(TESTO("Impossibile leggere il file '%1'."), nomePerMessaggio(p));
    if (!in) {
        r.esito = TEsito::fallito(nonLeggibile);
        return r;
    }
    // Read in pieces and keep the limit while reading: the size may change under our feet.
    std::string buffer(64 * 1024, '\0');
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto letti = static_cast<std::size_t>(in.gcount());
        r.contenuto.append(buffer.data(), letti);
        if (r.contenuto.size() > maxByte) {
            r.contenuto.clear();
            r.esito = TEsito::fallito(messaggioTroppoGrande);
            return r;
        }
    }
    if (in.bad()) {
        r.contenuto.clear();
        r.esito = TEsito::fallito(nonLeggibile);
    }
    return r;
}

namespace {

// Calls f with each line of testo, as dividiRighe splits them.
template <class F> void perOgniRiga(const std::string& testo, F&& f) {
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        std::size_t fine = testo.find('\n', inizio);
        const bool ultima = fine == std::string::npos;
        if (ultima) fine = testo.size();
        std::size_t lunghezza = fine - inizio;
        if (!ultima && lunghezza > 0 && testo[fine - 1] == '\r') --lunghezza;
        f(std::string_view(testo).substr(inizio, lunghezza));
        inizio = fine + 1;
    }
}

template <class R> std::string conFineRiga(const R& righe) {
    std::string testo;
    std::size_t caratteri = 0;
    for (const auto& riga : righe) caratteri += riga.size() + 2;
    testo.reserve(caratteri);
    for (const auto& riga : righe) {
        testo += riga;
        testo += "\r\n";
    }
    return testo;
}

} // namespace

std::vector<std::string> dividiRighe(const std::string& testo) {
    std::vector<std::string> righe;
    perOgniRiga(testo, [&](std::string_view r) { righe.emplace_back(r); });
    return righe;
}

TRighe dividiRigheCompatte(const std::string& testo) {
    TRighe righe;
    righe.reserve(contaRighe(testo), testo.size());
    perOgniRiga(testo, [&](std::string_view r) { righe.push_back(r); });
    return righe;
}

std::size_t contaRighe(const std::string& testo) {
    if (testo.empty()) return 0;
    const auto a_capo = static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
    return testo.back() == '\n' ? a_capo : a_capo + 1;
}

std::string testoConFineRiga(const std::vector<std::string>& righe) {
    return conFineRiga(righe);
}

std::string testoConFineRiga(const TRighe& righe) {
    return conFineRiga(righe);
}

TEsito scriviRighe(const fs::path& p, const std::vector<std::string>& righe) {
    return scriviTesto(p, testoConFineRiga(righe));
}

TEsito scriviTesto(const fs::path& p, std::string_view byte) {
    TDisco& disco = discoDiSistema();
    const fs::path cartella = p.has_parent_path() ? p.parent_path() : fs::path(".");
    fs::path provvisorio;
    auto ec = disco.scriviNuovo(cartella, std::string(byte), provvisorio);
    if (!ec && (ec = disco.rinomina(provvisorio, p))) disco.rimuovi(provvisorio);
    if (!ec) ec = disco.sincronizzaCartella(cartella);
    if (ec)
        return TEsito::fallito(formatta(TESTO("Impossibile salvare il file '%1': %2."),
                                        nomePerMessaggio(p), motivoErrore(ec)));
    return TEsito::riuscito();
}

} // namespace girolino
