// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StampaStatistiche.h"

#include "lingua/Traduttore.h"
#include "model/Testo.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <ostream>
#include <string>
#include <string_view>

namespace girolino::cli {

namespace {

using Json = nlohmann::ordered_json;

Json righeJson(const std::vector<TRigaStatistica>& righe) {
    Json a = Json::array();
    for (const auto& r : righe)
        a.push_back({{"nome", r.nome},
                     {"ritardo", r.contatore.ritardo},
                     {"max_ritardo", r.contatore.maxRitardo},
                     {"sortite", r.contatore.sortite},
                     {"attese", r.attese},
                     {"z", r.z},
                     {"p_max_ritardo", r.probMaxRitardo}});
    return a;
}

// Columns are aligned by characters shown, not bytes: "±" and "é" take two bytes.
std::size_t larghezza(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string aSinistra(std::string_view s, std::size_t l) {
    std::string r(s);
    if (larghezza(s) < l) r.append(l - larghezza(s), ' ');
    return r;
}

std::string aDestra(std::string_view s, std::size_t l) {
    std::string r;
    if (larghezza(s) < l) r.assign(l - larghezza(s), ' ');
    return r.append(s);
}

std::string scientifico(double v) {
    std::array<char, 64> b{};
    const auto r =
        std::to_chars(b.data(), b.data() + b.size(), v, std::chars_format::scientific, 2);
    return std::string(b.data(), r.ptr);
}

// The columns' least widths; a longer heading or name widens its column, leaving a space.
constexpr std::size_t LARGO_NOME = 18;
constexpr std::size_t LARGO_VALORE = 10;
constexpr std::size_t LARGO_PROB = 15;

struct TColonna {
    const char* titolo;
    std::size_t largo;
};

constexpr std::array<TColonna, 6> COLONNE = {{
    {TESTO("Ritardo"), LARGO_VALORE},
    {TESTO("Max Rit"), LARGO_VALORE},
    {TESTO("Sortite"), LARGO_VALORE},
    {TESTO("Attese"), LARGO_VALORE},
    {"z", LARGO_VALORE},
    {TESTO("Prob. Max Rit"), LARGO_PROB},
}};

void sezione(std::ostream& o, const std::string& titolo, const std::vector<TRigaStatistica>& righe,
             const lingua::TTraduttore& tr) {
    std::vector<std::string> nomi;
    std::size_t largoNome = LARGO_NOME;
    for (const auto& r : righe) {
        nomi.push_back(tr.traduci(r.nome));
        largoNome = std::max(largoNome, larghezza(nomi.back()) + 1);
    }
    std::array<std::string, COLONNE.size()> titoli;
    std::array<std::size_t, COLONNE.size()> larghi{};
    for (std::size_t i = 0; i < COLONNE.size(); ++i) {
        titoli[i] = tr.traduci(COLONNE[i].titolo);
        larghi[i] = std::max(COLONNE[i].largo, larghezza(titoli[i]) + 2);
    }

    o << "\n" << tr.traduci(titolo) << "\n";
    o << aSinistra("", largoNome);
    for (std::size_t i = 0; i < COLONNE.size(); ++i) o << aDestra(titoli[i], larghi[i]);
    o << "\n";
    for (std::size_t k = 0; k < righe.size(); ++k) {
        const TRigaStatistica& r = righe[k];
        const std::array<std::string, COLONNE.size()> valori = {
            std::to_string(r.contatore.ritardo),
            std::to_string(r.contatore.maxRitardo),
            std::to_string(r.contatore.sortite),
            testoDecimale(r.attese, 1),
            testoDecimale(r.z, 2),
            testoPercentuale(r.probMaxRitardo) + " %"};
        o << aSinistra(nomi[k], largoNome);
        for (std::size_t i = 0; i < COLONNE.size(); ++i) o << aDestra(valori[i], larghi[i]);
        o << "\n";
    }
}

} // namespace

void stampaJson(std::ostream& o, const TStatistichePartita& s) {
    Json j;
    j["giri"] = s.giri;
    j["numeri"] = righeJson(s.numeri);
    j["chance"] = righeJson(s.chance);
    j["settori"] = righeJson(s.settori);
    j["archi"] = righeJson(s.archi);
    Json chi;
    chi["valore"] = s.chiQuadro.valore;
    chi["gradi_liberta"] = s.chiQuadro.gradiLiberta;
    chi["p"] = s.chiQuadro.p ? Json(*s.chiQuadro.p) : Json(nullptr);
    j["chi_quadro"] = std::move(chi);
    o << j.dump() << "\n";
}

void stampaTabella(std::ostream& o, const TStatistichePartita& s, int vicini,
                   const lingua::TTraduttore& tr) {
    o << tr.traduci(formatta(TESTO("Giri: %1"), s.giri)) << "\n";
    sezione(o, TESTO("Numeri"), s.numeri, tr);
    sezione(o, TESTO("Chance, dozzine e colonne"), s.chance, tr);
    sezione(o, TESTO("Settori"), s.settori, tr);
    sezione(o, formatta(TESTO("Archi di vicini ±%1"), vicini), s.archi, tr);
    const TChiQuadro& c = s.chiQuadro;
    o << "\n" << tr.traduci(TESTO("Test del chi quadro sui 37 numeri")) << "\n";
    const std::string x2 = testoDecimale(c.valore, 3);
    if (c.p)
        o << tr.traduci(formatta(TESTO("X² = %1 con %2 gradi di libertà, p = %3"), x2,
                                 c.gradiLiberta,
                                 *c.p >= 1e-4 ? testoDecimale(*c.p, 4) : scientifico(*c.p)));
    else
        o << tr.traduci(formatta(TESTO("X² = %1 con %2 gradi di libertà"), x2, c.gradiLiberta));
    o << "\n" << tr.traduci(std::string(giudizioChiQuadro(c))) << "\n";
    o << "\n"
      << tr.traduci(formatta(TESTO("Prob. Max Rit: probabilità che una ruota equa dia, in %1 "
                                   "giri, un'assenza lunga almeno quanto il Max Rit."),
                             s.giri))
      << "\n"
      << tr.traduci(TESTO("I giri passati non dicono nulla sul prossimo.")) << "\n";
}

} // namespace girolino::cli
