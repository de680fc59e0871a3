// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Tabella.h"

#include "model/Testo.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace girolino {

namespace {

constexpr std::array<int, 18> rossi = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                       19, 21, 23, 25, 27, 30, 32, 34, 36};

constexpr std::array<int, NUMERI> ruota = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                           36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                           31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

constexpr std::array<TFamiglia, NUM_FAMIGLIE> famiglie = {
    TFamiglia{1, 57}, TFamiglia{58, 12}, TFamiglia{70, 22}, TFamiglia{92, 11}, TFamiglia{103, 10}};

std::string unisci(const std::vector<int>& m, bool soloEstremi) {
    if (soloEstremi) return std::to_string(m.front()) + "-" + std::to_string(m.back());
    std::string s;
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (i) s += "-";
        s += std::to_string(m[i]);
    }
    return s;
}

struct Catalogo {
    std::array<TGruppo, NUM_GRUPPI + 1> gruppi{};
    std::array<std::vector<int>, NUMERI> perNumero{};
    std::array<std::vector<TChance>, NUMERI> chancePerNumero{};
    std::array<std::array<std::string, 5>, NUMERI> lettere{};

    void aggiungi(int& g, TTipoGruppo t, int& k, std::vector<int> m, bool soloEstremi) {
        std::sort(m.begin(), m.end());
        TGruppo& gr = gruppi[g];
        gr.famiglia = t;
        gr.indiceFamiglia = ++k;
        gr.indice = g;
        gr.etichetta = unisci(m, soloEstremi);
        gr.numMembri = static_cast<int>(m.size());
        std::copy(m.begin(), m.end(), gr.membri.begin());
        for (int n : m) perNumero[n].push_back(g);
        ++g;
    }

    Catalogo() {
        int g = 1;
        int k = 0;
        for (int s = 1; s <= 12; ++s) {
            aggiungi(g, TTipoGruppo::Duine, k, {3 * s - 2, 3 * s - 1}, false);
            aggiungi(g, TTipoGruppo::Duine, k, {3 * s - 1, 3 * s}, false);
        }
        for (int x = 1; x <= 33; ++x) aggiungi(g, TTipoGruppo::Duine, k, {x, x + 3}, false);
        k = 0;
        for (int s = 1; s <= 12; ++s)
            aggiungi(g, TTipoGruppo::Terzine, k, {3 * s - 2, 3 * s - 1, 3 * s}, false);
        k = 0;
        for (int s = 1; s <= 11; ++s) {
            const int f = 3 * s - 2;
            aggiungi(g, TTipoGruppo::Quartine, k, {f, f + 1, f + 3, f + 4}, false);
            aggiungi(g, TTipoGruppo::Quartine, k, {f + 1, f + 2, f + 4, f + 5}, false);
        }
        k = 0;
        for (int s = 1; s <= 11; ++s) {
            std::vector<int> m;
            for (int x = 3 * s - 2; x <= 3 * s + 3; ++x) m.push_back(x);
            aggiungi(g, TTipoGruppo::Sestine, k, m, true);
        }
        k = 0;
        for (int s = 1; s <= 10; ++s) {
            std::vector<int> m;
            for (int x = 3 * s - 2; x <= 3 * s + 6; ++x) m.push_back(x);
            aggiungi(g, TTipoGruppo::Ennine, k, m, true);
        }
        for (auto& v : perNumero) std::sort(v.begin(), v.end());

        lettere[0] = {"x", "x", "x", "x", "x"};
        for (int n = 1; n < NUMERI; ++n) {
            const bool r = eRosso(n);
            const bool pari = n % 2 == 0;
            const bool manq = n <= 18;
            const int doz = (n - 1) / 12 + 1;
            const int col = (n - 1) % 3 + 1;
            lettere[n] = {r ? "R" : "N", pari ? "P" : "D", manq ? "M" : "P", std::to_string(doz),
                          std::to_string(col)};
            chancePerNumero[n] = {r ? Rosso : Nero, pari ? Pari : Dispari, manq ? Manq : Pass,
                                  static_cast<TChance>(Doz1 + doz - 1),
                                  static_cast<TChance>(Col1 + col - 1)};
        }
    }
};

const Catalogo& catalogo() {
    static const Catalogo c;
    return c;
}

void controllaNumero(int n) {
    if (n < 0 || n >= NUMERI) throw std::out_of_range("numero fuori dal tavolo");
}

} // namespace

bool eRosso(int n) {
    return std::find(rossi.begin(), rossi.end(), n) != rossi.end();
}

int coloreNumero(int n) {
    if (n == 0) return 0;
    return eRosso(n) ? 1 : 2;
}

std::span<const TChance> chanceDelNumero(int n) {
    controllaNumero(n);
    return catalogo().chancePerNumero[n];
}

const std::array<std::string, 5>& lettereNastro(int n) {
    controllaNumero(n);
    return catalogo().lettere[n];
}

TChance chanceDellaFamiglia(int n, int f) {
    if (n == 0) return static_cast<TChance>(0);
    return catalogo().chancePerNumero[n][f];
}

std::span<const TChance> chanceInFamiglia(int f) {
    static constexpr std::array<TChance, 12> tutte = {Rosso, Nero, Pari, Dispari, Manq, Pass,
                                                      Doz1,  Doz2, Doz3, Col1,    Col2, Col3};
    static constexpr std::array<int, 5> inizio = {0, 2, 4, 6, 9};
    static constexpr std::array<int, 5> quante = {2, 2, 2, 3, 3};
    return std::span<const TChance>(tutte).subspan(inizio.at(f), quante.at(f));
}

std::span<const int> gruppiDelNumero(int n) {
    controllaNumero(n);
    return catalogo().perNumero[n];
}

const TGruppo& gruppo(int g) {
    if (g < 1 || g > NUM_GRUPPI) throw std::out_of_range("gruppo fuori catalogo");
    return catalogo().gruppi[g];
}

const std::string& etichettaGruppo(int g) {
    return gruppo(g).etichetta;
}

TFamiglia famiglia(TTipoGruppo t) {
    return famiglie.at(static_cast<int>(t));
}

const std::array<int, NUMERI>& ordineRuota() {
    return ruota;
}

int posizioneSullaRuota(int n) {
    controllaNumero(n);
    return static_cast<int>(std::find(ruota.begin(), ruota.end(), n) - ruota.begin());
}

std::string_view nomeChance(TChance c) {
    static constexpr std::array<std::string_view, 13> nomi = {"",
                                                              TESTO("Rosso"),
                                                              TESTO("Nero"),
                                                              TESTO("Pari"),
                                                              TESTO("Dispari"),
                                                              TESTO("Manq"),
                                                              TESTO("Pass"),
                                                              TESTO("Doz1"),
                                                              TESTO("Doz2"),
                                                              TESTO("Doz3"),
                                                              TESTO("Col1"),
                                                              TESTO("Col2"),
                                                              TESTO("Col3")};
    return nomi.at(c);
}

std::string_view titoloChance(TChance c) {
    static constexpr std::array<std::string_view, 13> titoli = {"",
                                                                TESTO("ROSSO"),
                                                                TESTO("NERO"),
                                                                TESTO("PARI"),
                                                                TESTO("DISPARI"),
                                                                TESTO("MANQ"),
                                                                TESTO("PASS"),
                                                                TESTO("DOZ1"),
                                                                TESTO("DOZ2"),
                                                                TESTO("DOZ3"),
                                                                TESTO("COL1"),
                                                                TESTO("COL2"),
                                                                TESTO("COL3")};
    return titoli.at(c);
}

TConnotazioni connotazioni(int n) {
    controllaNumero(n);
    if (n == 0) return {};
    // These words also go into the game file as they are: only their display is translated.
    return {n % 2 == 0 ? TESTO("Pari") : TESTO("Dispari"), n <= 18 ? TESTO("Manq") : TESTO("Pass"),
            formatta(TESTO("Doz %1"), (n - 1) / 12 + 1),
            formatta(TESTO("Col %1"), (n - 1) % 3 + 1)};
}

} // namespace girolino
