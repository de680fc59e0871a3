// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/Transazione.h"

#include "gamefile/Avanzi.h"
#include "gamefile/TestoFile.h"
#include "model/Testo.h"

#include <cstdint>
#include <optional>
#include <set>

namespace girolino {

namespace fs = std::filesystem;

namespace {

constexpr const char* cartellaNastri = "files";
constexpr const char* intestazione = "girolino-salvataggio";
constexpr std::string_view prefissoGiornale = ".salvataggio-";
constexpr const char* statoInCorso = "in corso";
constexpr const char* statoConcluso = "concluso";

// One file of the set; names relative to the main file's folder.
struct TVoce {
    std::string destinazione;
    std::string provvisorio;
    std::string copia; // the old version set aside; empty when there was none
};

struct TGiornale {
    bool concluso = false;
    std::vector<TVoce> voci;
};

std::string impossibileSalvare(const fs::path& p, std::error_code ec) {
    return formatta(TESTO("Impossibile salvare il file '%1': %2."), nomePerMessaggio(p),
                    motivoErrore(ec));
}

// A name the journal may hold: a file of the main folder or of its "files" folder.
bool nomeAmmesso(const std::string& s) {
    std::string nome = s;
    const std::string prefisso = std::string(cartellaNastri) + "/";
    if (nome.starts_with(prefisso)) nome.erase(0, prefisso.size());
    return !nome.empty() && nome.find('/') == std::string::npos && nome != "." && nome != ".." &&
           nome.find('\0') == std::string::npos;
}

void aggiungiCampo(std::string& s, const std::string& campo) {
    s += std::to_string(campo.size());
    s += '\n';
    s += campo;
    s += '\n';
}

std::string componi(const TGiornale& g) {
    std::string s = intestazione;
    s += '\n';
    s += g.concluso ? statoConcluso : statoInCorso;
    s += '\n';
    s += std::to_string(g.voci.size());
    s += '\n';
    for (const auto& v : g.voci) {
        aggiungiCampo(s, v.destinazione);
        aggiungiCampo(s, v.provvisorio);
        aggiungiCampo(s, v.copia);
    }
    return s;
}

class TLettoreGiornale {
public:
    explicit TLettoreGiornale(const std::string& s) : s_(s) {}

    std::optional<std::string> riga() {
        const auto fine = s_.find('\n', pos_);
        if (fine == std::string::npos) return std::nullopt;
        std::string r = s_.substr(pos_, fine - pos_);
        pos_ = fine + 1;
        return r;
    }
    std::optional<std::size_t> numero() {
        const auto r = riga();
        if (!r || r->empty() || r->size() > 9) return std::nullopt;
        std::size_t n = 0;
        for (char c : *r) {
            if (c < '0' || c > '9') return std::nullopt;
            n = n * 10 + static_cast<std::size_t>(c - '0');
        }
        return n;
    }
    std::optional<std::string> campo() {
        const auto n = numero();
        if (!n || *n > s_.size() - pos_ || s_.size() - pos_ - *n < 1 || s_[pos_ + *n] != '\n')
            return std::nullopt;
        std::string r = s_.substr(pos_, *n);
        pos_ += *n + 1;
        return r;
    }
    bool finito() const { return pos_ == s_.size(); }

private:
    const std::string& s_;
    std::size_t pos_ = 0;
};

std::optional<TGiornale> leggiGiornale(const std::string& s) {
    TLettoreGiornale l(s);
    TGiornale g;
    if (l.riga() != intestazione) return std::nullopt;
    const auto stato = l.riga();
    if (stato != statoInCorso && stato != statoConcluso) return std::nullopt;
    g.concluso = stato == statoConcluso;
    const auto n = l.numero();
    if (!n || *n == 0 || *n > 64) return std::nullopt;
    for (std::size_t i = 0; i < *n; ++i) {
        TVoce v;
        const auto d = l.campo(), p = l.campo(), c = l.campo();
        if (!d || !p || !c || !nomeAmmesso(*d) || !nomeAmmesso(*p) ||
            (!c->empty() && !nomeAmmesso(*c)))
            return std::nullopt;
        g.voci.push_back({*d, *p, *c});
    }
    if (!l.finito()) return std::nullopt;
    return g;
}

// The folder of a file, "." for a bare name, spelt one way so that folders compare.
fs::path cartellaDi(const fs::path& p) {
    const fs::path padre = p.parent_path();
    return (padre.empty() ? fs::path(".") : padre).lexically_normal();
}

// A folder from the root, with no "." or ".." and no final separator: one spelling for each
// folder, whatever the working folder.
std::optional<fs::path> assoluta(const fs::path& cartella) {
    std::error_code ec;
    fs::path a = fs::absolute(cartella, ec);
    if (ec) return std::nullopt;
    a = a.lexically_normal();
    if (!a.has_filename() && a != a.root_path()) a = a.parent_path();
    return a;
}

// Adds to nominati every file named by a journal kept in cartella, spelt from the root. False
// when a journal cannot be read: then nobody can tell which files it needs.
bool aggiungiNominati(const fs::path& cartella, std::set<fs::path>& nominati, TDisco& disco) {
    std::vector<TVoceCartella> voci;
    if (disco.elenca(cartella, voci)) return false;
    // A journal lies in the folder "files" of its set and names files from the set's folder.
    const fs::path base = cartella.parent_path();
    for (const TVoceCartella& v : voci) {
        if (!v.file || !v.nome.starts_with(prefissoGiornale)) continue;
        std::string testo;
        if (disco.leggi(cartella / v.nome, testo)) return false;
        const auto g = leggiGiornale(testo);
        if (!g) return false;
        for (const TVoce& voce : g->voci)
            for (const std::string* nome : {&voce.destinazione, &voce.provvisorio, &voce.copia})
                if (!nome->empty()) nominati.insert((base / *nome).lexically_normal());
    }
    return true;
}

std::uint64_t impronta(const std::string& s) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// The operations on one set, all relative to the main file's folder.
class TInsieme {
public:
    TInsieme(const fs::path& principale, TDisco& disco)
        : principale_(principale), cartella_(cartellaDi(principale)),
          nastri_((cartella_ / cartellaNastri).lexically_normal()),
          giornale_(percorsoGiornale(principale)), disco_(disco) {}

    fs::path percorso(const std::string& relativo) const { return cartella_ / relativo; }

    std::optional<std::string> relativo(const fs::path& p) const {
        const fs::path padre = cartellaDi(p);
        if (padre == cartella_) return p.filename().string();
        if (padre == nastri_) return (fs::path(cartellaNastri) / p.filename()).string();
        return std::nullopt;
    }

    std::error_code sincronizza() {
        if (auto ec = disco_.sincronizzaCartella(nastri_)) return ec;
        return disco_.sincronizzaCartella(cartella_);
    }

    // Writes the journal in one step: a flushed temporary renamed over the old one.
    std::error_code scriviGiornale(const TGiornale& g) {
        fs::path provvisorio;
        if (auto ec = disco_.scriviNuovo(nastri_, componi(g), provvisorio)) return ec;
        if (auto ec = disco_.rinomina(provvisorio, giornale_)) {
            disco_.rimuovi(provvisorio);
            return ec;
        }
        return disco_.sincronizzaCartella(nastri_);
    }

    // Puts every old version back and forgets the new files.
    std::error_code annulla(const TGiornale& g) {
        for (auto v = g.voci.rbegin(); v != g.voci.rend(); ++v) {
            if (!v->copia.empty()) {
                bool c = false;
                if (auto ec = disco_.esiste(percorso(v->copia), c)) return ec;
                // A copy already gone was put back by an earlier attempt.
                if (c)
                    if (auto ec = disco_.rinomina(percorso(v->copia), percorso(v->destinazione)))
                        return ec;
            } else if (auto ec = disco_.rimuovi(percorso(v->destinazione))) {
                return ec;
            }
        }
        if (auto ec = sincronizza()) return ec;
        return dimentica(g, false);
    }

    // Removes what a save leaves aside, then the journal itself.
    std::error_code dimentica(const TGiornale& g, bool copie) {
        for (const auto& v : g.voci) {
            if (auto ec = disco_.rimuovi(percorso(v.provvisorio))) return ec;
            if (copie && !v.copia.empty())
                if (auto ec = disco_.rimuovi(percorso(v.copia))) return ec;
        }
        if (auto ec = disco_.rimuovi(giornale_)) return ec;
        return disco_.sincronizzaCartella(nastri_);
    }

    // Finishes an interrupted save of this set, then clears the folders of leftovers.
    std::error_code ripristina() {
        if (auto ec = finisciInterrotto()) return ec;
        pulisci();
        return {};
    }

    std::error_code finisciInterrotto() {
        bool c = false;
        if (auto ec = disco_.esiste(giornale_, c); ec || !c) return ec;
        std::string testo;
        if (auto ec = disco_.leggi(giornale_, testo)) return ec;
        const auto g = leggiGiornale(testo);
        // Not a journal of this game (another one's name may give the same journal name):
        // left alone.
        if (!g || g->voci.back().destinazione != principale_.filename().string()) return {};
        return g->concluso ? dimentica(*g, true) : annulla(*g);
    }

    // Removes the temporaries of saves stopped before their journal (see Avanzi.h) from the
    // two folders, sparing what any journal names: those of the other games in the folder,
    // and those of a game kept in the folder "files" itself, whose journals lie one deeper.
    void pulisci() {
        const auto cartella = assoluta(cartella_);
        if (!cartella) return;
        const fs::path nastri = *cartella / cartellaNastri;
        std::set<fs::path> nominati;
        for (const fs::path& giornali : {*cartella, nastri, nastri / cartellaNastri})
            if (!aggiungiNominati(giornali, nominati, disco_)) return;
        rimuoviAvanzi({*cartella, nastri}, nominati, disco_);
    }

    TEsito scrivi(const std::vector<TFileDaScrivere>& files) {
        if (auto ec = ripristina()) return fallito(principale_, ec);
        TGiornale g;
        auto scarta = [&] {
            for (const auto& v : g.voci) {
                if (!v.provvisorio.empty()) disco_.rimuovi(percorso(v.provvisorio));
                if (!v.copia.empty()) disco_.rimuovi(percorso(v.copia));
            }
        };
        for (const auto& f : files) {
            const auto rel = relativo(f.destinazione);
            if (!rel)
                return fallito(f.destinazione, std::make_error_code(std::errc::invalid_argument));
            TVoce v{*rel, {}, {}};
            const fs::path dove = cartellaDi(f.destinazione);
            bool c = false;
            auto ec = disco_.esiste(f.destinazione, c);
            std::string vecchio;
            fs::path creato;
            if (!ec && c) ec = disco_.leggi(f.destinazione, vecchio);
            if (!ec && c && !(ec = disco_.scriviNuovo(dove, vecchio, creato)))
                v.copia = *relativo(creato);
            if (!ec && !(ec = disco_.scriviNuovo(dove, f.byte, creato)))
                v.provvisorio = *relativo(creato);
            g.voci.push_back(v);
            if (ec) {
                scarta();
                return fallito(f.destinazione, ec);
            }
        }
        auto ec = sincronizza();
        if (!ec) ec = scriviGiornale(g);
        if (ec) {
            scarta();
            disco_.rimuovi(giornale_); // a journal left here would only list what is gone
            return fallito(principale_, ec);
        }
        // From here on the journal knows how to go back.
        auto indietro = [&](const fs::path& file, std::error_code errore) {
            annulla(g); // when this fails too, the journal stays for the next attempt
            return fallito(file, errore);
        };
        for (std::size_t i = 0; i < g.voci.size(); ++i) {
            const TVoce& v = g.voci[i];
            if (auto e = disco_.rinomina(percorso(v.provvisorio), percorso(v.destinazione)))
                return indietro(files[i].destinazione, e);
        }
        g.concluso = true;
        if (auto e = sincronizza()) return indietro(principale_, e);
        if (auto e = scriviGiornale(g)) {
            // Marked as done only if the journal was replaced: otherwise still undone.
            std::string testo;
            const bool marcato = !disco_.leggi(giornale_, testo) && testo == componi(g);
            if (!marcato) {
                g.concluso = false;
                return indietro(principale_, e);
            }
        }
        dimentica(g, true); // the new set is complete; leftovers go at the next save
        return TEsito::riuscito();
    }

private:
    static TEsito fallito(const fs::path& p, std::error_code ec) {
        return TEsito::fallito(impossibileSalvare(p, ec));
    }

    fs::path principale_;
    fs::path cartella_;
    fs::path nastri_;
    fs::path giornale_;
    TDisco& disco_;
};

} // namespace

fs::path percorsoGiornale(const fs::path& principale) {
    static const char cifre[] = "0123456789abcdef";
    std::uint64_t h = impronta(principale.filename().string());
    std::string nome(prefissoGiornale);
    for (int i = 15; i >= 0; --i) nome += cifre[(h >> (4 * i)) & 0xF];
    return cartellaDi(principale) / cartellaNastri / nome;
}

TEsito scriviInsieme(const fs::path& principale, const std::vector<TFileDaScrivere>& files,
                     TDisco& disco) {
    return TInsieme(principale, disco).scrivi(files);
}

std::error_code ripristinaInterrotto(const fs::path& principale, TDisco& disco) {
    return TInsieme(principale, disco).ripristina();
}

} // namespace girolino
