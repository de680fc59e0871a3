// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/ElencoNumeri.h"

#include "engine/NumeroDigitato.h"
#include "gamefile/TestoFile.h"
#include "model/Tabella.h"
#include "model/Testo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <stdexcept>

namespace girolino {

namespace {

// A list file is read whole; beyond this size it cannot be a list the program would take.
constexpr std::uintmax_t MAX_BYTE_FILE = 256u * 1024u * 1024u;
// Characters of a refused value a message quotes before cutting it short.
constexpr std::size_t MAX_CARATTERI_CITATI = 20;

unsigned char byte(std::string_view t, std::size_t i) {
    return static_cast<unsigned char>(t[i]);
}

// Length in bytes of the blank that starts at i, 0 when none does. The no-break space comes
// as C2 A0 in UTF-8 and as A0 alone in Latin-1, where it never follows another non-ASCII
// byte (in UTF-8 a lone A0 is always the tail of some other character).
std::size_t spazioDa(std::string_view t, std::size_t i) {
    const unsigned char c = byte(t, i);
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f') return 1;
    if (c == 0xC2 && i + 1 < t.size() && byte(t, i + 1) == 0xA0) return 2;
    if (c == 0xA0 && (i == 0 || byte(t, i - 1) < 0x80)) return 1;
    return 0;
}

// Length in bytes of the blank that ends just before `fine`, 0 when none does.
std::size_t spazioFinoA(std::string_view t, std::size_t fine) {
    const unsigned char c = byte(t, fine - 1);
    if (c == ' ' || c == '\t' || c == '\v' || c == '\f') return 1;
    if (c != 0xA0) return 0;
    if (fine >= 2 && byte(t, fine - 2) == 0xC2) return 2;
    if (fine == 1 || byte(t, fine - 2) < 0x80) return 1;
    return 0;
}

// The part of t[a, b) without the blanks and double quotes around it.
std::string_view ripulisci(std::string_view t, std::size_t a, std::size_t b) {
    while (a < b) {
        const std::size_t s = t[a] == '"' ? 1 : spazioDa(t, a);
        if (s == 0) break;
        a += s;
    }
    while (b > a) {
        const std::size_t s = t[b - 1] == '"' ? 1 : spazioFinoA(t, b);
        if (s == 0) break;
        b -= s;
    }
    return t.substr(a, b - a);
}

// --- quoting a value in a message --------------------------------------------------------

// Decodes the UTF-8 character at i: its length, or 0 when the bytes there are not one.
std::size_t carattereUtf8(std::string_view t, std::size_t i, char32_t& cp) {
    const unsigned char c = byte(t, i);
    std::size_t n = 0;
    unsigned char min = 0x80, max = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        n = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        cp = c & 0x0F;
        if (c == 0xE0) min = 0xA0;
        if (c == 0xED) max = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        cp = c & 0x07;
        if (c == 0xF0) min = 0x90;
        if (c == 0xF4) max = 0x8F;
    } else {
        return 0;
    }
    if (i + n > t.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const unsigned char s = byte(t, i + k);
        if (s < (k == 1 ? min : 0x80) || s > (k == 1 ? max : 0xBF)) return 0;
        cp = (cp << 6) | (s & 0x3F);
    }
    return n;
}

void aggiungiUtf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Characters a message cannot show as they are: controls and the invisible ones, which would
// make a refused value look like a good one.
bool invisibile(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF ||
           (c >= 0xFFF0 && c <= 0xFFFB) || c >= 0xE0000;
}

// The value as a message quotes it, as valid UTF-8: bytes that are not UTF-8 are read as
// Latin-1, invisible characters are shown by their code ("[U+200B]"), a long value is cut.
// The quotes around it belong to the message.
std::string cita(std::string_view t) {
    std::string r;
    std::size_t mostrati = 0;
    for (std::size_t i = 0; i < t.size(); ++mostrati) {
        if (mostrati == MAX_CARATTERI_CITATI) {
            r += "…";
            break;
        }
        char32_t cp = 0;
        std::size_t n = carattereUtf8(t, i, cp);
        if (n == 0) {
            cp = byte(t, i);
            n = 1;
        }
        i += n;
        if (invisibile(cp)) {
            char cifre[8];
            const auto fine =
                std::to_chars(cifre, cifre + sizeof cifre, static_cast<unsigned>(cp), 16);
            std::string codice(cifre, fine.ptr);
            for (char& c : codice)
                if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
            r += "[U+";
            r.append(codice.size() < 4 ? 4 - codice.size() : 0, '0');
            r += codice;
            r += ']';
        } else {
            aggiungiUtf8(r, cp);
        }
    }
    return r;
}

// --- UTF-16 ------------------------------------------------------------------------------

std::string daUtf16(std::string_view t, bool littleEndian) {
    std::string r;
    r.reserve(t.size() / 2);
    const auto unita = [&](std::size_t i) -> char32_t {
        const char32_t a = byte(t, i), b = byte(t, i + 1);
        return littleEndian ? (a | (b << 8)) : ((a << 8) | b);
    };
    for (std::size_t i = 0; i + 1 < t.size(); i += 2) {
        char32_t u = unita(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < t.size()) {
            const char32_t v = unita(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                u = 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00);
                i += 2;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF) u = 0xFFFD;
        aggiungiUtf8(r, u);
    }
    return r;
}

// --- the header --------------------------------------------------------------------------

bool eNomeColonnaNumeri(std::string_view campo) {
    static constexpr std::array<std::string_view, 7> nomi = {
        "numero", "number", "numbers", "result", "risultato", "pocket", "winningnumber"};
    char normale[16];
    std::size_t n = 0;
    for (std::size_t i = 0; i < campo.size();) {
        const char c = campo[i];
        if (c == '"' || c == '_' || c == '-') {
            ++i;
            continue;
        }
        if (const std::size_t s = spazioDa(campo, i)) {
            i += s;
            continue;
        }
        if (n == sizeof normale) return false;
        normale[n++] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        ++i;
    }
    const std::string_view v(normale, n);
    for (auto nome : nomi)
        if (v == nome) return true;
    return false;
}

constexpr int NESSUN_SEPARATORE = -1;

// The fields of a table line: separators inside double quotes belong to the field.
struct TCampiRiga {
    std::size_t numCampi = 0;
    std::string_view cercato; // the field at the wanted column, cleaned
    bool trovato = false;
    bool vuota = true; // every field is empty
};

TCampiRiga campi(std::string_view riga, int separatore, std::size_t colonna) {
    TCampiRiga r;
    std::size_t inizio = 0;
    bool tra = false; // between double quotes
    const auto chiudi = [&](std::size_t fine) {
        if (r.numCampi == colonna) {
            r.cercato = ripulisci(riga, inizio, fine);
            r.trovato = true;
        }
        ++r.numCampi;
    };
    for (std::size_t i = 0; i < riga.size();) {
        const unsigned char c = byte(riga, i);
        if (c == '"') {
            tra = !tra;
        } else if (!tra && c == separatore) {
            chiudi(i);
            inizio = i + 1;
        } else if (const std::size_t s = spazioDa(riga, i)) {
            i += s;
            continue;
        } else {
            r.vuota = false;
        }
        ++i;
    }
    chiudi(riga.size());
    return r;
}

struct TIntestazione {
    int separatore = NESSUN_SEPARATORE;
    std::size_t colonna = 0;
    std::string nome; // the column's name as the header spells it, as messages quote it
};

// The header, when the line is one: the separator used most (outside quotes) whose split
// gives a field with a known name; a line without separators may be a one-column header.
bool leggiIntestazione(std::string_view riga, TIntestazione& intestazione) {
    std::array<int, 3> separatori = {'\t', ';', ','};
    std::array<std::size_t, 3> conteggi{};
    bool tra = false;
    for (char c : riga) {
        if (c == '"') tra = !tra;
        for (std::size_t k = 0; k < separatori.size(); ++k)
            if (!tra && c == separatori[k]) ++conteggi[k];
    }
    std::array<std::size_t, 3> ordine = {0, 1, 2};
    std::stable_sort(ordine.begin(), ordine.end(),
                     [&](std::size_t a, std::size_t b) { return conteggi[a] > conteggi[b]; });
    const auto prova = [&](int separatore, std::size_t numCampi) {
        for (std::size_t colonna = 0; colonna < numCampi; ++colonna) {
            const auto c = campi(riga, separatore, colonna);
            if (eNomeColonnaNumeri(c.cercato)) {
                intestazione = {separatore, colonna, cita(c.cercato)};
                return true;
            }
        }
        return false;
    };
    for (std::size_t k : ordine)
        if (conteggi[k] > 0 && prova(separatori[k], conteggi[k] + 1)) return true;
    if (conteggi[ordine[0]] == 0) return prova(NESSUN_SEPARATORE, 1);
    return false;
}

// --- the reader --------------------------------------------------------------------------

class TLettore {
public:
    explicit TLettore(std::string_view testo) : testo_(testo) {}

    TElencoNumeri leggi() && {
        const std::size_t n = testo_.size();
        // A list has at most one number per two bytes; the reserve is only a first guess.
        r_.numeri.reserve(std::min<std::size_t>(n / 2 + 1, MAX_NUMERI_ELENCO));
        std::size_t i = 0;
        while (i < n) {
            std::size_t fine = i;
            while (fine < n && testo_[fine] != '\n' && testo_[fine] != '\r') ++fine;
            ++riga_;
            if (!leggiRiga(testo_.substr(i, fine - i))) return fallito();
            i = fine;
            if (i < n) i += testo_[i] == '\r' && i + 1 < n && testo_[i + 1] == '\n' ? 2 : 1;
        }
        if (r_.numeri.empty()) {
            r_.errore = TESTO("Nessun numero trovato.");
            return fallito();
        }
        return std::move(r_);
    }

private:
    TElencoNumeri fallito() {
        r_.numeri.clear();
        r_.numeri.shrink_to_fit();
        return std::move(r_);
    }

    bool errore(std::string messaggio, bool suRiga = true) {
        r_.errore = std::move(messaggio);
        r_.rigaErrore = suRiga ? riga_ : 0;
        return false;
    }

    bool leggiRiga(std::string_view riga) {
        std::size_t p = 0;
        while (p < riga.size())
            if (const std::size_t s = spazioDa(riga, p))
                p += s;
            else
                break;
        if (p == riga.size() || riga[p] == '#') return true; // blank or comment
        if (!decisa_) {
            decisa_ = true;
            if (leggiIntestazione(riga, intestazione_)) {
                tabella_ = true;
                return true;
            }
        }
        return tabella_ ? rigaTabella(riga) : rigaLibera(riga);
    }

    static std::size_t separatoreLibero(std::string_view riga, std::size_t i) {
        return riga[i] == ',' || riga[i] == ';' ? 1 : spazioDa(riga, i);
    }

    bool rigaLibera(std::string_view riga) {
        std::size_t i = 0;
        while (i < riga.size()) {
            if (const std::size_t s = separatoreLibero(riga, i)) {
                i += s;
                continue;
            }
            const std::size_t inizio = i;
            while (i < riga.size() && separatoreLibero(riga, i) == 0) ++i;
            const auto valore = ripulisci(riga, inizio, i);
            if (valore.empty()) continue; // a pair of quotes with nothing inside
            if (!aggiungi(valore)) return false;
        }
        return true;
    }

    bool rigaTabella(std::string_view riga) {
        const auto c = campi(riga, intestazione_.separatore, intestazione_.colonna);
        if (c.vuota) return true; // an empty row, as spreadsheets write them
        if (!c.trovato)
            return errore(formatta(TESTO("Riga %1: manca la colonna '%2' indicata "
                                         "nell'intestazione."),
                                   riga_, intestazione_.nome));
        if (c.cercato.empty())
            return errore(
                formatta(TESTO("Riga %1: la colonna '%2' è vuota."), riga_, intestazione_.nome));
        return aggiungi(c.cercato);
    }

    bool aggiungi(std::string_view valore) {
        const auto v = valutaNumero(valore);
        switch (v.giudizio) {
        case TGiudizioNumero::Valido:
            break;
        case TGiudizioNumero::FuoriRuota:
            return errore(formatta(TESTO("Riga %1: '%2' non è un numero della roulette a zero "
                                         "singolo (0-36)."),
                                   riga_, cita(valore)));
        case TGiudizioNumero::ConSegno:
            return errore(formatta(TESTO("Riga %1: '%2' deve essere scritto con le sole cifre, "
                                         "senza segno."),
                                   riga_, cita(valore)));
        case TGiudizioNumero::NonIntero:
            return errore(formatta(TESTO("Riga %1: '%2' non è un numero intero da 0 a 36."), riga_,
                                   cita(valore)));
        }
        if (r_.numeri.size() == MAX_NUMERI_ELENCO)
            return errore(TESTO("L'elenco ha più di 1.000.000 numeri: se ne possono importare "
                                "al massimo 1.000.000."),
                          false);
        r_.numeri.push_back(static_cast<std::uint8_t>(v.numero));
        return true;
    }

    std::string_view testo_;
    TElencoNumeri r_;
    int riga_ = 0;
    bool decisa_ = false;  // the first line that counts has been seen
    bool tabella_ = false; // that line was a header
    TIntestazione intestazione_;
};

bool iniziaCon(std::string_view t, std::string_view prefisso) {
    return t.substr(0, prefisso.size()) == prefisso;
}

} // namespace

TElencoNumeri leggiElencoNumeri(std::string_view testo) {
    std::string convertito;
    if (iniziaCon(testo, "\xFF\xFE") || iniziaCon(testo, "\xFE\xFF")) {
        convertito = daUtf16(testo.substr(2), testo[0] == '\xFF');
        testo = convertito;
    } else if (testo.size() >= 2 && (testo[0] == '\0') != (testo[1] == '\0')) {
        // UTF-16 without its mark: a list in UTF-8 or Latin-1 never holds a zero byte, while
        // UTF-16 text of digits has one in every pair.
        convertito = daUtf16(testo, testo[1] == '\0');
        testo = convertito;
    } else if (iniziaCon(testo, "\xEF\xBB\xBF")) {
        testo.remove_prefix(3);
    }
    return TLettore(testo).leggi();
}

TElencoNumeri leggiFileElencoNumeri(const std::filesystem::path& percorso) {
    const auto lettura =
        leggiFile(percorso, MAX_BYTE_FILE,
                  formatta(TESTO("Il file '%1' è troppo grande per un elenco di numeri."),
                           nomePerMessaggio(percorso)));
    if (!lettura.esito) {
        TElencoNumeri r;
        r.errore = lettura.esito.messaggio;
        return r;
    }
    return leggiElencoNumeri(lettura.contenuto);
}

std::string componiElencoCsv(std::span<const std::uint8_t> numeri) {
    // What follows the number on a spin's line, for each number.
    std::array<std::string, NUMERI> coda;
    for (int n = 0; n < NUMERI; ++n) {
        auto& c = coda[n];
        if (n == 0) {
            c = ",verde,zero,zero,0,0\n";
            continue;
        }
        c = eRosso(n) ? ",rosso" : ",nero";
        c += chanceDellaFamiglia(n, 1) == Pari ? ",pari" : ",dispari";
        c += chanceDellaFamiglia(n, 2) == Manq ? ",manque" : ",passe";
        c += ',';
        c += static_cast<char>('1' + (chanceDellaFamiglia(n, 3) - Doz1));
        c += ',';
        c += static_cast<char>('1' + (chanceDellaFamiglia(n, 4) - Col1));
        c += '\n';
    }
    std::string r = "giro,numero,colore,pari_dispari,manque_passe,dozzina,colonna\n";
    r.reserve(r.size() + numeri.size() * 32);
    char cifre[24];
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        const auto giro = std::to_chars(cifre, cifre + sizeof cifre, i + 1);
        r.append(cifre, giro.ptr);
        r += ',';
        const auto numero = std::to_chars(cifre, cifre + sizeof cifre, int{numeri[i]});
        r.append(cifre, numero.ptr);
        r += coda.at(numeri[i]);
    }
    return r;
}

std::string componiElencoTesto(std::span<const std::uint8_t> numeri) {
    std::string r;
    r.reserve(numeri.size() * 3);
    for (const std::uint8_t n : numeri) {
        if (n >= NUMERI) throw std::out_of_range("numero fuori dalla ruota");
        if (n >= 10) r += static_cast<char>('0' + n / 10);
        r += static_cast<char>('0' + n % 10);
        r += '\n';
    }
    return r;
}

} // namespace girolino
