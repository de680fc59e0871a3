// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Statistiche.h"

#include "engine/Giocata.h"
#include "engine/StatistichePartita.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace girolino {
namespace {

constexpr double P_NUMERO = 1.0 / 37;
constexpr double P_DOZZINA = 12.0 / 37;
constexpr double P_CHANCE = 18.0 / 37;

TEST(Statistiche, AtteseEZ) {
    struct Caso {
        std::int64_t sortite, giri;
        double p, attese, z;
    };
    for (const auto& c : {
             Caso{0, 0, P_NUMERO, 0, 0},    // no spins: z is 0, not a division by zero
             Caso{5, 0, P_CHANCE, 0, 0},    // whatever the hits
             Caso{18, 37, P_CHANCE, 18, 0}, // exactly as expected
             Caso{60, 100, 0.5, 50, 2},     // 10 over, standard deviation 5
             Caso{40, 100, 0.5, 50, -2},    // and under
             Caso{136, 3700, P_NUMERO, 100, 3.6496575181789317},
             Caso{150, 1200, P_DOZZINA, 1200 * 12.0 / 37, -14.749999999999996},
         }) {
        SCOPED_TRACE(testing::Message() << c.sortite << "/" << c.giri << " p=" << c.p);
        EXPECT_NEAR(colpiAttesi(c.giri, c.p), c.attese, 1e-12);
        EXPECT_NEAR(punteggioZ(c.sortite, c.giri, c.p), c.z, 1e-12);
        if (c.z != 0) { // the standard deviation is the step of z
            EXPECT_NEAR(deviazioneStandard(c.giri, c.p), (c.sortite - c.attese) / c.z, 1e-9);
        }
    }
}

// P(χ²_36 ≥ x) at the quantiles of the published tables.
TEST(Statistiche, PValoreAiQuantiliPubblicati) {
    struct Caso {
        double x, p;
    };
    for (const auto& c : {Caso{19.233, 0.99}, Caso{23.269, 0.95}, Caso{25.643, 0.90},
                          Caso{35.336, 0.50}, Caso{47.212, 0.10}, Caso{50.998, 0.05},
                          Caso{54.437, 0.025}, Caso{58.619, 0.01}, Caso{61.581, 0.005}}) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(pValoreChiQuadro(c.x, 36), c.p, 2e-5 + c.p * 1e-4);
    }
    EXPECT_DOUBLE_EQ(pValoreChiQuadro(0, 36), 1);
    EXPECT_LT(pValoreChiQuadro(1e4, 36), 1e-300);
}

// For even degrees of freedom 2k the tail is a Poisson sum: e^(−x/2) Σ_{i<k} (x/2)^i / i!.
TEST(Statistiche, PValoreComeSommaDiPoissonConGradiPari) {
    for (double x : {0.5, 10.0, 36.0, 44.4, 70.0, 120.0}) {
        for (int gradi : {2, 10, 36}) {
            double termine = std::exp(-x / 2), somma = 0;
            for (int i = 0; i < gradi / 2; ++i) {
                somma += termine;
                termine *= (x / 2) / (i + 1);
            }
            SCOPED_TRACE(testing::Message() << "x=" << x << " gradi=" << gradi);
            EXPECT_NEAR(pValoreChiQuadro(x, gradi), somma, somma * 1e-12);
        }
    }
}

std::array<std::int64_t, NUMERI> tutteUguali(std::int64_t v) {
    std::array<std::int64_t, NUMERI> s{};
    s.fill(v);
    return s;
}

TEST(Statistiche, ChiQuadroDeiNumeri) {
    auto s = tutteUguali(10); // 370 spins, ten each: nothing to see
    TChiQuadro t = chiQuadroNumeri(s, 370);
    EXPECT_EQ(t.valore, 0);
    EXPECT_EQ(t.gradiLiberta, 36);
    ASSERT_TRUE(t.p);
    EXPECT_DOUBLE_EQ(*t.p, 1);
    EXPECT_EQ(giudizioChiQuadro(t), GIUDIZIO_EQUA);

    s[0] = 20; // ten over and ten under, each weighed by the 10 expected
    s[17] = 0;
    t = chiQuadroNumeri(s, 370);
    EXPECT_NEAR(t.valore, 20, 1e-12);
    EXPECT_NEAR(*t.p, pValoreChiQuadro(20, 36), 1e-15);

    s = tutteUguali(0); // one number out every spin
    s[7] = 370;
    t = chiQuadroNumeri(s, 370);
    EXPECT_NEAR(t.valore, 36 * 370, 1e-9);
    EXPECT_LT(*t.p, 0.01);
    EXPECT_EQ(giudizioChiQuadro(t), GIUDIZIO_INSOLITO);
}

TEST(Statistiche, ChiQuadroSenzaPValoreSottoI185Giri) {
    auto s = tutteUguali(4);
    s[3] += 36;
    TChiQuadro t = chiQuadroNumeri(s, 184);
    EXPECT_GT(t.valore, 0);
    EXPECT_FALSE(t.p);
    EXPECT_EQ(giudizioChiQuadro(t), GIUDIZIO_POCHI_GIRI);
    s = tutteUguali(5);
    EXPECT_TRUE(chiQuadroNumeri(s, 185).p);

    t = chiQuadroNumeri(tutteUguali(0), 0); // an empty game
    EXPECT_EQ(t.valore, 0);
    EXPECT_FALSE(t.p);
}

// Every hit/miss sequence of n spins, weighed by its probability: the longest run of misses.
std::vector<double> codaRitardoMassimoEsaustiva(int n, double p) {
    std::vector<double> almeno(static_cast<std::size_t>(n) + 2, 0.0); // P(longest ≥ m)
    for (std::uint32_t bit = 0; bit < (1u << n); ++bit) {
        double peso = 1;
        int corsa = 0, massimo = 0;
        for (int i = 0; i < n; ++i) {
            const bool colpo = (bit >> i) & 1u;
            peso *= colpo ? p : 1 - p;
            corsa = colpo ? 0 : corsa + 1;
            massimo = std::max(massimo, corsa);
        }
        for (int m = 0; m <= massimo; ++m) almeno[static_cast<std::size_t>(m)] += peso;
    }
    return almeno;
}

TEST(Statistiche, RitardoAlmenoComeEnumerazioneCompleta) {
    for (double p : {P_NUMERO, P_DOZZINA, P_CHANCE, 0.5, 0.9}) {
        for (int n : {0, 1, 2, 3, 7, 12, 15}) {
            const auto attese = codaRitardoMassimoEsaustiva(n, p);
            for (int m = 0; m <= n + 1; ++m) {
                SCOPED_TRACE(testing::Message() << "p=" << p << " n=" << n << " m=" << m);
                const double e = attese[static_cast<std::size_t>(m)];
                EXPECT_NEAR(probabilitaRitardoAlmeno(n, p, m), e, 1e-13 + e * 1e-12);
            }
        }
    }
}

// The plain chain over the current run of misses, O(n·m): the definition, step by step.
double codaRitardoMassimoCatena(int n, double p, int m) {
    std::vector<double> corsa(static_cast<std::size_t>(m), 0.0); // no run ≥ m yet, run = j
    corsa[0] = 1;
    double raggiunto = 0;
    for (int t = 0; t < n; ++t) {
        double colpo = 0;
        for (double v : corsa) colpo += v * p;
        raggiunto += corsa.back() * (1 - p);
        for (std::size_t j = corsa.size() - 1; j > 0; --j) corsa[j] = corsa[j - 1] * (1 - p);
        corsa[0] = colpo;
    }
    return raggiunto;
}

TEST(Statistiche, RitardoAlmenoComeCatenaSuPartiteLunghe) {
    struct Caso {
        int n;
        double p;
        int m;
    };
    for (const auto& c :
         {Caso{5000, P_NUMERO, 150}, Caso{5000, P_NUMERO, 320}, Caso{5000, P_NUMERO, 700},
          Caso{5000, P_DOZZINA, 25}, Caso{5000, P_CHANCE, 14}, Caso{5000, P_CHANCE, 3},
          Caso{4000, 17.0 / 37, 30}, Caso{3000, 5.0 / 37, 3000}}) {
        SCOPED_TRACE(testing::Message() << "n=" << c.n << " p=" << c.p << " m=" << c.m);
        const double e = codaRitardoMassimoCatena(c.n, c.p, c.m);
        EXPECT_NEAR(probabilitaRitardoAlmeno(c.n, c.p, c.m), e, 1e-15 + e * 1e-9);
    }
}

TEST(Statistiche, RitardoAlmenoTieneLeCifreDelleProbabilitaPiccole) {
    const double q = 19.0 / 37;
    // All 1000 spins without the chance, then one spin more either way.
    EXPECT_NEAR(probabilitaRitardoAlmeno(1000, P_CHANCE, 1000), std::pow(q, 1000),
                std::pow(q, 1000) * 1e-12);
    EXPECT_NEAR(probabilitaRitardoAlmeno(1001, P_CHANCE, 1000), std::pow(q, 1000) * (1 + P_CHANCE),
                std::pow(q, 1000) * 1e-12);
    // A chance in a million spins: a run of 5 is certain, of 60 next to impossible.
    EXPECT_EQ(probabilitaRitardoAlmeno(1'000'000, P_CHANCE, 5), 1);
    const double raro = probabilitaRitardoAlmeno(1'000'000, P_CHANCE, 60);
    EXPECT_GT(raro, 0);
    EXPECT_LT(raro, 1e-11);
}

TEST(Statistiche, TestiConIlPuntoDecimale) {
    EXPECT_EQ(testoPercentuale(0.5713), "57.1");
    EXPECT_EQ(testoPercentuale(0.99996), "100.0");
    EXPECT_EQ(testoPercentuale(0), "0.0");
    EXPECT_EQ(testoPercentuale(1e-300), "0.0");
    EXPECT_EQ(testoDecimale(-2.5, 2), "-2.50");
    EXPECT_EQ(testoDecimale(31, 3), "31.000");
}

TEST(Statistiche, RigaDiUnaEntita) {
    const TContatore c{.ritardo = 3, .maxRitardo = 40, .sortite = 12};
    const TRigaStatistica r = rigaStatistica("17", P_NUMERO, c, 370);
    EXPECT_EQ(r.nome, "17");
    EXPECT_EQ(r.contatore, c);
    EXPECT_DOUBLE_EQ(r.attese, 10);
    EXPECT_DOUBLE_EQ(r.z, punteggioZ(12, 370, P_NUMERO));
    EXPECT_DOUBLE_EQ(r.probMaxRitardo, probabilitaRitardoAlmeno(370, P_NUMERO, 40));
    EXPECT_GT(r.probMaxRitardo, 0.9); // a record of 40 in 370 spins is ordinary
}

} // namespace
} // namespace girolino

namespace girolino {
namespace {

// The rows the statistics window and the command line share: their order, names and counters.
TEST(StatistichePartita, RigheDallaPartita) {
    TPartita p;
    for (int n : {17, 0, 3, 5, 7, 36, 26, 26}) inserisciSpin(p, n);
    const TStatistichePartita s = statistichePartita(p, 4);
    EXPECT_EQ(s.giri, 8);
    ASSERT_EQ(s.numeri.size(), 37u);
    for (int n = 0; n < NUMERI; ++n) {
        EXPECT_EQ(s.numeri[n].nome, std::to_string(n));
        EXPECT_EQ(s.numeri[n].contatore, static_cast<const TContatore&>(p.numeri[n]));
    }
    std::vector<std::string> nomi;
    for (const auto& r : s.chance) nomi.push_back(r.nome);
    EXPECT_EQ(nomi,
              (std::vector<std::string>{"Rosso", "Nero", "Pari", "Dispari", "Manq", "Pass", "Doz 1",
                                        "Doz 2", "Doz 3", "Col 1", "Col 2", "Col 3"}));
    EXPECT_EQ(s.chance[Doz3 - 1].contatore, static_cast<const TContatore&>(p.chance[Doz3]));
    EXPECT_DOUBLE_EQ(s.chance[0].probabilita, 18.0 / 37);
    EXPECT_DOUBLE_EQ(s.chance[11].probabilita, 12.0 / 37);
    ASSERT_EQ(s.settori.size(), 4u);
    EXPECT_EQ(s.settori[0].nome, "Voisins du zéro");
    EXPECT_EQ(s.settori[3].nome, "Jeu zéro");
    EXPECT_DOUBLE_EQ(s.settori[2].probabilita, 8.0 / 37);
    EXPECT_EQ(s.settori[3].contatore, p.ruota.settori[3]);
    ASSERT_EQ(s.archi.size(), 37u);
    EXPECT_EQ(s.archi.front().nome, "0 ±4");
    EXPECT_EQ(s.archi.back().nome, "26 ±4");
    EXPECT_EQ(s.archi.back().contatore, p.ruota.archi[3][36]);
    EXPECT_DOUBLE_EQ(s.archi[5].probabilita, 9.0 / 37);
    EXPECT_EQ(s.chiQuadro.valore, chiQuadroNumeri(
                                      [&] {
                                          std::array<std::int64_t, NUMERI> o{};
                                          for (int n = 0; n < NUMERI; ++n)
                                              o[n] = p.numeri[n].sortite;
                                          return o;
                                      }(),
                                      8)
                                      .valore);

    EXPECT_TRUE(statistichePartita(p, 0).archi.empty());
    EXPECT_THROW(statistichePartita(p, 5), std::out_of_range);
}

} // namespace
} // namespace girolino
