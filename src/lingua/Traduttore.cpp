// SPDX-License-Identifier: GPL-3.0-or-later
#include "lingua/Traduttore.h"

#include "model/Testo.h"

#include <QDir>
#include <QFile>
#include <QTranslator>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace girolino::lingua {

namespace {

// A text with values: its literal pieces and, between them, the number of each value.
struct TModello {
    std::string sorgente;
    std::vector<std::string> pezzi; // one more than posti
    std::vector<int> posti;         // 1..9
    std::size_t letterali = 0;      // the literal characters, for preferring the closest pattern
    // A value in quotes ('%1') is the user's or a file's own word: it stays as it is.
    std::array<bool, 10> citato{};
};

std::optional<TModello> modello(const std::string& s) {
    TModello m{s, {std::string()}, {}, 0};
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '%' && i + 1 < s.size() && s[i + 1] >= '1' && s[i + 1] <= '9') {
            // Two values side by side cannot be told apart.
            if (!m.posti.empty() && m.pezzi.back().empty()) return std::nullopt;
            m.posti.push_back(s[i + 1] - '0');
            const std::string& prima = m.pezzi.back();
            m.citato[static_cast<std::size_t>(m.posti.back())] =
                !prima.empty() && (prima.back() == '\'' || prima.back() == '"');
            m.pezzi.emplace_back();
            ++i;
        } else {
            m.pezzi.back() += s[i];
            ++m.letterali;
        }
    }
    if (m.posti.empty() || m.letterali == 0) return std::nullopt;
    return m;
}

// The values of the text if it has the pattern's shape.
bool corrisponde(const TModello& m, std::string_view s, std::vector<std::string_view>& valori) {
    if (s.size() < m.letterali || !s.starts_with(m.pezzi.front()) || !s.ends_with(m.pezzi.back()))
        return false;
    valori.assign(10, std::string_view());
    std::size_t pos = m.pezzi.front().size();
    const std::size_t fine = s.size() - m.pezzi.back().size();
    if (pos > fine) return false;
    for (std::size_t i = 0; i < m.posti.size(); ++i) {
        std::size_t fineValore = fine;
        if (i + 1 < m.posti.size()) {
            fineValore = s.find(m.pezzi[i + 1], pos);
            if (fineValore == std::string_view::npos || fineValore > fine) return false;
        }
        valori[static_cast<std::size_t>(m.posti[i])] = s.substr(pos, fineValore - pos);
        pos = fineValore + (i + 1 < m.posti.size() ? m.pezzi[i + 1].size() : 0);
    }
    return true;
}

// The strings of a gettext catalogue's msgid entries.
std::vector<std::string> messaggi(const QByteArray& po) {
    std::vector<std::string> r;
    std::string corrente;
    bool inId = false;
    auto leggiStringa = [](std::string_view riga) {
        std::string s;
        const auto a = riga.find('"');
        const auto b = riga.rfind('"');
        if (a == std::string_view::npos || b <= a) return s;
        for (std::size_t i = a + 1; i < b; ++i) {
            if (riga[i] == '\\' && i + 1 < b) {
                const char c = riga[++i];
                s += c == 'n' ? '\n' : c == 't' ? '\t' : c;
            } else {
                s += riga[i];
            }
        }
        return s;
    };
    for (const QByteArray& r0 : po.split('\n')) {
        const std::string_view riga(r0.constData(), static_cast<std::size_t>(r0.size()));
        if (riga.starts_with("msgid ")) {
            inId = true;
            corrente = leggiStringa(riga);
        } else if (inId && riga.starts_with("\"")) {
            corrente += leggiStringa(riga);
        } else if (inId) {
            inId = false;
            if (!corrente.empty()) r.push_back(corrente);
        }
    }
    return r;
}

} // namespace

struct TTraduttore::TDati {
    QTranslator catalogo;
    bool caricato = false;
    std::vector<TModello> modelli;
    mutable std::unordered_map<std::string, std::string> gia;

    std::string esatta(const std::string& s) const {
        return catalogo.translate("", s.c_str()).toStdString();
    }

    std::string cerca(const std::string& s) const {
        if (s.empty()) return s;
        if (std::string t = esatta(s); !t.empty()) return t;
        std::vector<std::string_view> valori;
        for (const TModello& m : modelli) {
            if (!corrisponde(m, s, valori)) continue;
            const std::string tradotto = esatta(m.sorgente);
            if (tradotto.empty()) break;
            std::vector<std::string> v;
            for (std::size_t k = 1; k < valori.size(); ++k) {
                const std::string valore(valori[k]);
                v.push_back(m.citato[k] ? valore : cerca(valore));
            }
            return formattaTesti(tradotto, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8]});
        }
        if (const auto a = s.find('\n'); a != std::string::npos) {
            std::string r;
            std::size_t inizio = 0;
            while (true) {
                const auto b = s.find('\n', inizio);
                r += cerca(s.substr(inizio, b == std::string::npos ? b : b - inizio));
                if (b == std::string::npos) break;
                r += '\n';
                inizio = b + 1;
            }
            return r;
        }
        return s;
    }
};

namespace {

QString fileCatalogo(std::string_view codice) {
    return QStringLiteral(":/traduzioni/girolino_") +
           QString::fromLatin1(codice.data(), static_cast<qsizetype>(codice.size())) +
           QStringLiteral(".qm");
}

} // namespace

bool haCatalogo(std::string_view codice) {
    return !codice.empty() && QFile::exists(fileCatalogo(codice));
}

TTraduttore::TTraduttore(std::string_view codice) : codice_(codice), d_(std::make_unique<TDati>()) {
    if (codice_ == codiceLingua(TLingua::Italiano) || !haCatalogo(codice_)) return;
    const QString c = QString::fromStdString(codice_);
    d_->caricato = d_->catalogo.load(fileCatalogo(codice_));
    // The patterns are the catalogue's texts with values; the most specific is tried first.
    const QDir sorgenti(QStringLiteral(":/traduzioni/po"));
    for (const QString& nome : sorgenti.entryList({c + QStringLiteral("*.po")}, QDir::Files)) {
        QFile f(sorgenti.filePath(nome));
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (const std::string& s : messaggi(f.readAll()))
            if (auto m = modello(s)) d_->modelli.push_back(std::move(*m));
    }
    std::stable_sort(
        d_->modelli.begin(), d_->modelli.end(),
        [](const TModello& a, const TModello& b) { return a.letterali > b.letterali; });
}

TTraduttore::~TTraduttore() = default;

bool TTraduttore::traduce() const {
    return d_->caricato;
}

std::string TTraduttore::traduci(const std::string& testo) const {
    if (!d_->caricato || testo.empty()) return testo;
    if (const auto it = d_->gia.find(testo); it != d_->gia.end()) return it->second;
    // Texts with changing values would grow the memory without end.
    if (d_->gia.size() > 20000) d_->gia.clear();
    return d_->gia.emplace(testo, d_->cerca(testo)).first->second;
}

} // namespace girolino::lingua
