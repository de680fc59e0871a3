// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StampaStatistiche.h"

#include <nlohmann/json.hpp>

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

constexpr std::size_t LARGO_NOME = 18;
constexpr std::size_t LARGO_VALORE = 10;
constexpr std::size_t LARGO_PROB = 15;

void sezione(std::ostream& o, std::string_view titolo, const std::vector<TRigaStatistica>& righe) {
    o << "\n" << titolo << "\n";
    o << aSinistra("", LARGO_NOME);
    for (const char* t : {"Ritardo", "Max Rit", "Sortite", "Attese", "z"})
        o << aDestra(t, LARGO_VALORE);
    o << aDestra("Prob. Max Rit", LARGO_PROB) << "\n";
    for (const auto& r : righe) {
        o << aSinistra(r.nome, LARGO_NOME)
          << aDestra(std::to_string(r.contatore.ritardo), LARGO_VALORE)
          << aDestra(std::to_string(r.contatore.maxRitardo), LARGO_VALORE)
          << aDestra(std::to_string(r.contatore.sortite), LARGO_VALORE)
          << aDestra(testoDecimale(r.attese, 1), LARGO_VALORE)
          << aDestra(testoDecimale(r.z, 2), LARGO_VALORE)
          << aDestra(testoPercentuale(r.probMaxRitardo) + " %", LARGO_PROB) << "\n";
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

void stampaTabella(std::ostream& o, const TStatistichePartita& s, int vicini) {
    o << "Giri: " << s.giri << "\n";
    sezione(o, "Numeri", s.numeri);
    sezione(o, "Chance, dozzine e colonne", s.chance);
    sezione(o, "Settori", s.settori);
    sezione(o, "Archi di vicini ±" + std::to_string(vicini), s.archi);
    const TChiQuadro& c = s.chiQuadro;
    o << "\nTest del chi quadro sui 37 numeri\n";
    o << "X² = " << testoDecimale(c.valore, 3) << " con " << c.gradiLiberta << " gradi di libertà";
    if (c.p) o << ", p = " << (*c.p >= 1e-4 ? testoDecimale(*c.p, 4) : scientifico(*c.p));
    o << "\n" << giudizioChiQuadro(c) << "\n";
    o << "\nProb. Max Rit: probabilità che una ruota equa dia, in " << s.giri
      << " giri, un'assenza lunga almeno quanto il Max Rit.\n"
         "I giri passati non dicono nulla sul prossimo.\n";
}

} // namespace girolino::cli
