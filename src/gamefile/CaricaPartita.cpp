// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/CaricaPartita.h"

#include "engine/LetturaNumeri.h"
#include "engine/Settori.h"
#include "gamefile/Cartelle.h"
#include "gamefile/Rigioco.h"
#include "gamefile/TestoFile.h"
#include "gamefile/Transazione.h"
#include "model/Testo.h"

namespace girolino {

namespace fs = std::filesystem;

namespace {

constexpr int NUM_NASTRI = 6;

// A line as a message may quote it: printable ASCII only, and not too long.
std::string citazione(std::string_view s) {
    constexpr std::size_t massimo = 40;
    std::string r;
    for (std::size_t i = 0; i < s.size() && i < massimo; ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        r += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '?';
    }
    if (s.size() > massimo) r += "...";
    return r;
}

bool contieneControlli(const std::string& s) {
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || c == 0x7F) return true;
    }
    return false;
}

bool rigaNumerica(int i) {
    return i == riga::boule || i == riga::ultimoNumero ||
           (i >= riga::ritardoNumeri && i < riga::riepilogoGruppi) || i >= riga::ripetizioni;
}

// The checks of one opening, each returning false after setting the one message.
class Lettore {
public:
    Lettore(const fs::path& percorso, const fs::path& base) : percorso_(percorso), base_(base) {
        f_.percorso = percorso;
    }

    TCaricamento esegui() {
        TCaricamento r;
        if (leggiPrincipale() && leggiValori() && nastriDellaPartita())
            r.partita = std::move(f_);
        else
            r.errore = errore_;
        return r;
    }

private:
    bool fallisci(std::string m) {
        errore_ = std::move(m);
        return false;
    }
    std::string file() const { return nomePerMessaggio(percorso_); }

    bool leggiPrincipale() {
        auto l = leggiFile(
            percorso_, MAX_BYTE_FILE_PARTITA,
            formatta(TESTO("Il file '%1' non è valido: è troppo grande per essere una partita "
                           "salvata."),
                     file()));
        if (!l.esito) return fallisci(l.esito.messaggio);
        f_.righe = dividiRighe(l.contenuto);
        if (f_.righe.empty() || f_.righe[0] != MARCATORE_FILE_PARTITA)
            return fallisci(MESSAGGIO_FILE_NON_VALIDO);
        if (l.contenuto.find('\0') != std::string::npos)
            return fallisci(
                formatta(TESTO("Il file '%1' non è valido: contiene dati binari."), file()));
        const auto n = f_.righe.size();
        if (n < RIGHE_FILE_PARTITA)
            return fallisci(formatta(TESTO("Il file '%1' è incompleto: ha %2 righe invece di %3."),
                                     file(), n, RIGHE_FILE_PARTITA));
        if (n > RIGHE_FILE_PARTITA)
            return fallisci(formatta(TESTO("Il file '%1' non è valido: ha %2 righe invece di %3."),
                                     file(), n, RIGHE_FILE_PARTITA));
        return true;
    }

    // Line i as a whole number within [minimo, massimo]; messages count lines from 1.
    bool intero(int i, std::int64_t minimo, std::int64_t massimo, std::int64_t& v) {
        const std::string& s = f_.righe[i];
        const auto esito = leggiDecimale(s, v);
        if (esito == TEsitoNumero::NonIntero)
            return fallisci(formatta(TESTO("Il file '%1' non è valido: la riga %2 ('%3') non è "
                                           "un numero intero."),
                                     file(), i + 1, citazione(s)));
        if (esito == TEsitoNumero::FuoriScala || v < minimo || v > massimo)
            return fallisci(formatta(TESTO("Il file '%1' non è valido: la riga %2 ('%3') è fuori "
                                           "dall'intervallo ammesso (da %4 a %5)."),
                                     file(), i + 1, citazione(s), minimo, massimo));
        return true;
    }

    bool contatore(int i, std::int32_t& dove) {
        std::int64_t v = 0;
        if (!intero(i, 0, f_.bouleEseguite, v)) return false;
        dove = static_cast<std::int32_t>(v);
        return true;
    }

    template <std::size_t N>
    bool blocco(int primaRiga, int primoIndice, int quanti, std::array<TContatore, N>& a,
                std::int32_t TContatore::*campo) {
        for (int k = 0; k < quanti; ++k)
            if (!contatore(primaRiga + k, a[primoIndice + k].*campo)) return false;
        return true;
    }

    bool leggiValori() {
        for (int i = 1; i < RIGHE_FILE_PARTITA; ++i)
            if (!rigaNumerica(i) && contieneControlli(f_.righe[i]))
                return fallisci(formatta(TESTO("Il file '%1' non è valido: la riga %2 contiene "
                                               "caratteri non ammessi."),
                                         file(), i + 1));
        std::int64_t v = 0;
        if (!intero(riga::boule, 1, MAX_BOULE, v)) return false;
        f_.bouleEseguite = static_cast<std::int32_t>(v);
        if (!intero(riga::ultimoNumero, 0, NUMERI - 1, v)) return false;
        f_.ultimoNumero = static_cast<int>(v);

        const auto campi = {&TContatore::ritardo, &TContatore::maxRitardo, &TContatore::sortite};
        int r = riga::ritardoNumeri;
        for (auto campo : campi) {
            if (!blocco(r, 0, NUMERI, f_.numeri, campo)) return false;
            r += NUMERI;
        }
        for (auto campo : campi) {
            if (!blocco(r, 1, NUM_CHANCE, f_.chance, campo)) return false;
            r += NUM_CHANCE;
        }
        for (int c = 1; c <= NUM_CHANCE; ++c)
            if (!contatore(riga::ripetizioni + c - 1, f_.ripetizioni[c])) return false;
        r = riga::ritardoGruppi;
        for (auto campo : campi) {
            if (!blocco(r, 1, NUM_GRUPPI, f_.gruppi, campo)) return false;
            r += NUM_GRUPPI;
        }

        auto& t = f_.testi;
        t.boule = f_.righe[riga::boule];
        t.ultimoNumero = f_.righe[riga::ultimoNumero];
        t.colore = f_.righe[riga::colore];
        t.connotazioni = {f_.righe[riga::connotazioni], f_.righe[riga::connotazioni + 1],
                          f_.righe[riga::connotazioni + 2], f_.righe[riga::connotazioni + 3]};
        for (int k = 0; k < 20; ++k) {
            t.riepilogoGruppi[k] = f_.righe[riga::riepilogoGruppi + k];
            t.classifiche[k] = f_.righe[riga::classifiche + k];
        }
        return true;
    }

    std::string nastro(int i) const { return nomePerMessaggio(nastri_[i]); }

    static std::array<fs::path, NUM_NASTRI> insieme(auto&& percorso) {
        std::array<fs::path, NUM_NASTRI> r;
        for (int i = 0; i < NUM_NASTRI; ++i) r[i] = percorso(i);
        return r;
    }

    // The ribbons are looked for beside the game file first; a game saved where the ribbons
    // of every game went to "salvati/files" finds them there. The first set that belongs to
    // the game wins; when neither does, the message speaks of the set that exists.
    bool nastriDellaPartita() {
        const auto accanto = insieme([&](int i) { return percorsoNastro(i, percorso_); });
        const auto inSalvati =
            insieme([&](int i) { return percorsoNastroInSalvati(base_, i, percorso_); });
        if (provaNastri(accanto)) return true;
        if (accanto[0].lexically_normal() == inSalvati[0].lexically_normal()) return false;
        const std::string primoErrore = errore_;
        std::error_code ec;
        const bool accantoPresente = fs::exists(accanto[0], ec);
        if (provaNastri(inSalvati)) return true;
        if (accantoPresente || !fs::exists(inSalvati[0], ec)) errore_ = primoErrore;
        return false;
    }

    bool provaNastri(const std::array<fs::path, NUM_NASTRI>& percorsi) {
        nastri_ = percorsi;
        return leggiNastri() && confrontaNastri();
    }

    static bool segnoAmmesso(int i, std::string_view s) {
        // Every mark of a letter ribbon is one of these characters, alone on its line.
        static constexpr std::array<std::string_view, NUM_NASTRI> ammessi = {
            "", "RNx", "PDx", "MPx", "123x", "123x",
        };
        if (i == 0) return numeroEsatto(s).has_value();
        return s.size() == 1 && ammessi[i].find(s[0]) != std::string_view::npos;
    }

    bool leggiNastri() {
        for (int i = 0; i < NUM_NASTRI; ++i) {
            const fs::path& p = nastri_[i];
            std::error_code ec;
            if (!fs::exists(p, ec))
                return fallisci(
                    formatta(TESTO("Manca il nastro '%1' della partita salvata in '%2'."),
                             nastro(i), file()));
            auto l = leggiFile(
                p, MAX_BYTE_NASTRO,
                formatta(TESTO("Il nastro '%1' non è valido: è troppo grande per una partita."),
                         nastro(i)));
            if (!l.esito) return fallisci(l.esito.messaggio);
            if (l.contenuto.find('\0') != std::string::npos)
                return fallisci(formatta(
                    TESTO("Il nastro '%1' non è valido: contiene dati binari."), nastro(i)));
            const auto righe = contaRighe(l.contenuto);
            if (righe != static_cast<std::size_t>(f_.bouleEseguite))
                return fallisci(formatta(TESTO("Il nastro '%1' ha %2 righe, ma la partita salvata "
                                               "in '%3' ha %4 boule."),
                                         nastro(i), righe, file(), f_.bouleEseguite));
            auto& n = f_.nastri[i];
            n = dividiRigheCompatte(l.contenuto);
            for (std::size_t k = 0; k < n.size(); ++k)
                if (!segnoAmmesso(i, n[k]))
                    return fallisci(formatta(TESTO("Il nastro '%1' non è valido: la riga %2 ('%3') "
                                                   "non è un segno ammesso."),
                                             nastro(i), k + 1, citazione(n[k])));
        }
        return true;
    }

    bool nonCorrisponde(int i) {
        return fallisci(formatta(TESTO("Il nastro '%1' non corrisponde alla partita salvata in "
                                       "'%2': forse appartiene a un'altra partita con lo stesso "
                                       "nome."),
                                 nastro(i), file()));
    }

    bool confrontaNastri() {
        const auto& numeri = f_.nastri[0];
        if (numeri.back() != std::to_string(f_.ultimoNumero)) return nonCorrisponde(0);

        std::vector<int> spins;
        spins.reserve(numeri.size());
        for (const auto& s : numeri) spins.push_back(numeroEsatto(s).value());
        // Undo takes a number's last hit back but keeps the maximum that hit set, so a
        // number's saved maximum may exceed the replayed one; everything else is exact.
        const TRigioco r = rigioca(spins);
        for (int n = 0; n < NUMERI; ++n) {
            const auto& a = f_.numeri[n];
            const auto& b = r.numeri[n];
            if (a.ritardo != b.ritardo || a.sortite != b.sortite || a.maxRitardo < b.maxRitardo)
                return nonCorrisponde(0);
        }
        for (int c = 1; c <= NUM_CHANCE; ++c) {
            if (f_.chance[c] != r.chance[c]) return nonCorrisponde(0);
            // The runs follow from the ribbon alone: saved runs that disagree (one short
            // after a game ending in a zero) are replaced by the ribbon's.
            f_.ripetizioni[c] = r.ripetizioni[c];
        }
        for (int g = 1; g <= NUM_GRUPPI; ++g)
            if (f_.gruppi[g] != r.gruppi[g]) return nonCorrisponde(0);
        // The letter ribbons must be the marks of the number ribbon, line by line. Every mark is
        // one character, on the ribbons as read (leggiNastri) as in the table.
        for (int i = 1; i < NUM_NASTRI; ++i)
            for (std::size_t k = 0; k < spins.size(); ++k)
                if (f_.nastri[i][k][0] != lettereNastro(spins[k])[i - 1][0])
                    return nonCorrisponde(i);

        return true;
    }

    fs::path percorso_;
    fs::path base_;
    std::array<fs::path, NUM_NASTRI> nastri_;
    TFileCaricato f_;
    std::string errore_;
};

} // namespace

TCaricamento caricaFilePartita(const fs::path& percorso, const fs::path& base, TDisco& disco) {
    // A save that stopped half-way is finished first: the old game or the new one, whole.
    // When that cannot be done now the checks below still refuse a mixed set.
    ripristinaInterrotto(percorso, disco);
    return Lettore(percorso, base).esegui();
}

void ripristinaPartita(TPartita& p, const TFileCaricato& f) {
    const bool segui = p.seguiUltimo;
    p = TPartita{};
    p.seguiUltimo = segui;
    p.partitaModificata = false;
    p.bouleEseguite = f.bouleEseguite;
    p.ultimoNumero = f.ultimoNumero;
    for (int n = 0; n < NUMERI; ++n) static_cast<TContatore&>(p.numeri[n]) = f.numeri[n];
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        static_cast<TContatore&>(p.chance[c]) = f.chance[c];
        p.ripetizioni[c] = f.ripetizioni[c];
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g) static_cast<TContatore&>(p.gruppi[g]) = f.gruppi[g];
    auto nastri = p.nastri();
    for (int i = 0; i < NUM_NASTRI; ++i) *nastri[i] = f.nastri[i];
    ricostruisciRuota(p);
}

} // namespace girolino
