#include "gamefile/TestoFile.h"

#include <algorithm>
#include <fstream>
#include <random>
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

namespace {

std::string impossibileSalvare(const fs::path& p) {
    return "Impossibile salvare il file " + citaFile(p) + ".";
}

fs::path nomeProvvisorio(const fs::path& destinazione) {
    static const char cifre[] = "0123456789abcdef";
    std::random_device caso;
    std::string suffisso;
    for (int i = 0; i < 12; ++i) suffisso += cifre[caso() % 16];
    std::string nome(1, '~');
    nome += destinazione.filename().string();
    nome += '.';
    nome += suffisso;
    nome += ".tmp";
    return destinazione.parent_path() / nome;
}

} // namespace

TLettura leggiFile(const fs::path& p, std::uintmax_t maxByte,
                   const std::string& messaggioTroppoGrande) {
    TLettura r;
    std::error_code ec;
    const auto stato = fs::status(p, ec);
    if (ec || !fs::exists(stato)) {
        r.esito = TEsito::fallito("Il file " + citaFile(p) + " non esiste.");
        return r;
    }
    if (!fs::is_regular_file(stato)) {
        r.esito = TEsito::fallito("Il file " + citaFile(p) + " non è un file.");
        return r;
    }
    const auto dimensione = fs::file_size(p, ec);
    if (!ec && dimensione > maxByte) {
        r.esito = TEsito::fallito(messaggioTroppoGrande);
        return r;
    }
    std::ifstream in(p, std::ios::binary);
    const std::string nonLeggibile = "Impossibile leggere il file " + citaFile(p) + ".";
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

std::vector<std::string> dividiRighe(const std::string& testo) {
    std::vector<std::string> righe;
    std::size_t inizio = 0;
    while (inizio < testo.size()) {
        std::size_t fine = testo.find('\n', inizio);
        const bool ultima = fine == std::string::npos;
        if (ultima) fine = testo.size();
        std::size_t lunghezza = fine - inizio;
        if (!ultima && lunghezza > 0 && testo[fine - 1] == '\r') --lunghezza;
        righe.emplace_back(testo, inizio, lunghezza);
        inizio = fine + 1;
    }
    return righe;
}

std::size_t contaRighe(const std::string& testo) {
    if (testo.empty()) return 0;
    const auto a_capo = static_cast<std::size_t>(std::count(testo.begin(), testo.end(), '\n'));
    return testo.back() == '\n' ? a_capo : a_capo + 1;
}

TProvvisorio scriviProvvisorio(const fs::path& destinazione,
                               const std::vector<std::string>& righe) {
    TProvvisorio r;
    std::error_code ec;
    if (fs::is_directory(destinazione, ec)) {
        // The replacing rename would fail only at the end; say so before anything is written.
        r.esito = TEsito::fallito(impossibileSalvare(destinazione));
        return r;
    }
    r.percorso = nomeProvvisorio(destinazione);
    {
        std::ofstream out(r.percorso, std::ios::binary | std::ios::trunc);
        if (out) {
            for (const auto& riga : righe) {
                out.write(riga.data(), static_cast<std::streamsize>(riga.size()));
                out.write("\r\n", 2);
            }
            out.flush();
        }
        if (out) out.close();
        if (!out) r.esito = TEsito::fallito(impossibileSalvare(destinazione));
    }
    if (!r.esito) {
        scartaProvvisorio(r.percorso);
        r.percorso.clear();
    }
    return r;
}

TEsito sostituisci(const fs::path& provvisorio, const fs::path& destinazione) {
    std::error_code ec;
    fs::rename(provvisorio, destinazione, ec);
    if (ec) {
        scartaProvvisorio(provvisorio);
        return TEsito::fallito(impossibileSalvare(destinazione));
    }
    return TEsito::riuscito();
}

void scartaProvvisorio(const fs::path& provvisorio) {
    std::error_code ec;
    fs::remove(provvisorio, ec);
}

TEsito scriviRighe(const fs::path& p, const std::vector<std::string>& righe) {
    auto provvisorio = scriviProvvisorio(p, righe);
    if (!provvisorio.esito) return provvisorio.esito;
    return sostituisci(provvisorio.percorso, p);
}

TEsito scriviTesto(const fs::path& p, std::string_view byte) {
    std::error_code ec;
    if (fs::is_directory(p, ec)) return TEsito::fallito(impossibileSalvare(p));
    const fs::path provvisorio = nomeProvvisorio(p);
    bool scritto = false;
    {
        std::ofstream out(provvisorio, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(byte.data(), static_cast<std::streamsize>(byte.size()));
            out.flush();
        }
        if (out) out.close();
        scritto = static_cast<bool>(out);
    }
    if (!scritto) {
        scartaProvvisorio(provvisorio);
        return TEsito::fallito(impossibileSalvare(p));
    }
    return sostituisci(provvisorio, p);
}

} // namespace girolino
