// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnalisiChance.h"

#include "NastriDiProva.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace girolino {
namespace {

using test::partitaDaiNastri;

TIstogramma istogrammaCon(std::initializer_list<std::pair<int, int>> voci) {
    TIstogramma h{};
    for (auto [lunghezza, conta] : voci) h[lunghezza] = conta;
    return h;
}

TEST(Istogramma, RitardiESortiteDelRosso) {
    const TNastro nastro = {"N", "N", "R", "x", "R", "R", "N"};
    EXPECT_EQ(calcolaIstogramma(nastro, 7, "R", TTipoIstogramma::Ritardi),
              istogrammaCon({{1, 1}, {2, 1}}));
    EXPECT_EQ(calcolaIstogramma(nastro, 7, "R", TTipoIstogramma::Sortite),
              istogrammaCon({{1, 1}, {2, 1}}));
    // Only the first n lines count: at n = 5 the run "R", "R" is still open.
    EXPECT_EQ(calcolaIstogramma(nastro, 6, "R", TTipoIstogramma::Sortite), istogrammaCon({{1, 1}}));
    // Lines the ribbon does not have are misses: they close the last run, open a delay.
    EXPECT_EQ(calcolaIstogramma(nastro, 9, "N", TTipoIstogramma::Sortite),
              istogrammaCon({{2, 1}, {1, 1}}));
    EXPECT_EQ(calcolaIstogramma(nastro, 0, "R", TTipoIstogramma::Ritardi), TIstogramma{});
}

TEST(Istogramma, LunghezzeOltre24FinisconoNellUltimaRiga) {
    struct Caso {
        int lunghezza;
        int riga;
    };
    for (const auto& c : {Caso{23, 23}, Caso{24, 24}, Caso{25, 24}, Caso{300, 24}}) {
        SCOPED_TRACE(c.lunghezza);
        // lunghezza times "1", closed by a "3": a delay of "3" and a run of "1".
        TNastro nastro(std::vector<std::string>(static_cast<std::size_t>(c.lunghezza), "1"));
        nastro.push_back("3");
        const int n = static_cast<int>(nastro.size());
        EXPECT_EQ(calcolaIstogramma(nastro, n, "3", TTipoIstogramma::Ritardi),
                  istogrammaCon({{c.riga, 1}}));
        EXPECT_EQ(calcolaIstogramma(nastro, n, "1", TTipoIstogramma::Sortite),
                  istogrammaCon({{c.riga, 1}}));
    }
}

TEST(Istogramma, OgniTestoLeggeIlSuoNastro) {
    // A spin that hits the chance between spins of the same ribbon that miss it:
    // one delay of 2 and one run of 1.
    struct Caso {
        const char* testo;
        int colpo, mancato;
    };
    const Caso casi[] = {
        {"Rosso", 1, 2},  {"Nero", 2, 1},    {"Pari", 2, 1},    {"Dispari", 1, 2},
        {"Manq", 1, 19},  {"Pass", 19, 1},   {"Doz 1", 1, 13},  {"Doz 2", 13, 25},
        {"Doz 3", 25, 1}, {"Col 1", 34, 35}, {"Col 2", 35, 36}, {"Col 3", 36, 34},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        const auto p = partitaDaiNastri({c.mancato, 0, c.colpo, c.mancato});
        EXPECT_EQ(calcolaIstogramma(p, 4, c.testo, TTipoIstogramma::Ritardi),
                  istogrammaCon({{2, 1}}));
        EXPECT_EQ(calcolaIstogramma(p, 4, c.testo, TTipoIstogramma::Sortite),
                  istogrammaCon({{1, 1}}));
    }
    const auto p = partitaDaiNastri({1, 2, 3});
    for (const char* ignoto : {"Doz1", "rosso", "Col 4", ""})
        EXPECT_FALSE(calcolaIstogramma(p, 3, ignoto, TTipoIstogramma::Ritardi)) << ignoto;
}

TEST(Istogramma, TestiDelTipo) {
    EXPECT_EQ(tipoIstogrammaDaTesto("I Massimi Ritardi"), TTipoIstogramma::Ritardi);
    EXPECT_EQ(tipoIstogrammaDaTesto("Le Massime Sortite"), TTipoIstogramma::Sortite);
    EXPECT_FALSE(tipoIstogrammaDaTesto("i massimi ritardi"));
}

TEST(Istogramma, MassimoDelleBarre) {
    struct Caso {
        int massimo, barre;
    };
    for (const auto& c : {Caso{0, 0}, Caso{2, 2}, Caso{3, 4}, Caso{9, 12}, Caso{10, 13}}) {
        auto h = istogrammaCon({{5, 1}, {24, c.massimo}});
        if (c.massimo == 0) h[5] = 0;
        EXPECT_EQ(massimoBarreIstogramma(h), c.barre) << c.massimo;
    }
}

TEST(Progressione, EsempioDelRosso) {
    const auto p = simulaProgressione(TNastro{"N", "N", "R"}, 3, "R", 1, 2);
    EXPECT_EQ(p, (TProgressione{3, 4, 2, 6}));
    EXPECT_EQ(p.guadagnate(), 2);
    EXPECT_EQ(testoTasso(p.tasso()), "0.67");
}

TEST(Progressione, Casi) {
    struct Caso {
        const char* nome;
        TNastro nastro;
        int ritardo, mani;
        TProgressione attesa;
    };
    const Caso casi[] = {
        // Entered on the last spin: all three hands lie past the record and are lost.
        {"ultima", {"R", "N"}, 1, 3, {3, 7, 0, 0}},
        // A zero is a miss for the chance, both as entry and as a hand.
        {"zero", {"x", "R", "x", "x", "R"}, 1, 2, {4, 5, 3, 8}},
        // After a lost play the misses keep counting: no new play until a hit.
        {"persa", {"N", "N", "N", "N", "R", "N", "R"}, 1, 1, {2, 2, 1, 2}},
        {"ritardo due", {"N", "N", "N", "R", "N", "N", "R"}, 2, 3, {3, 4, 2, 6}},
        {"mai al ritardo", {"N", "R", "N", "R"}, 2, 5, {0, 0, 0, 0}},
        {"solo colpi", {"R", "R", "R"}, 1, 1, {0, 0, 0, 0}},
        {"limite nullo", {"N", "R"}, 1, 0, {0, 0, 0, 0}},
        {"ritardo nullo", {"N", "R"}, 0, 1, {0, 0, 0, 0}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(
            simulaProgressione(c.nastro, static_cast<int>(c.nastro.size()), "R", c.ritardo, c.mani),
            c.attesa);
    }
}

TEST(Progressione, PerSerieComeGiroPerGiro) {
    // The search works on the stretches of misses; it must give the totals of the spin by
    // spin simulation, including short stretches, long ones and a record ending on misses.
    std::mt19937 gen(3);
    for (const double probabilita : {0.5, 0.2, 0.05}) {
        std::bernoulli_distribution colpo(probabilita);
        for (int prova = 0; prova < 20; ++prova) {
            std::vector<std::uint8_t> colpi(static_cast<std::size_t>(prova * 13));
            for (auto& c : colpi) c = colpo(gen) ? 1 : 0;
            const auto serie = serieMancate(colpi);
            for (int d = 0; d <= 6; ++d)
                for (int h = 0; h <= 7; ++h)
                    ASSERT_EQ(simulaProgressione(serie, d, h), simulaProgressione(colpi, d, h))
                        << probabilita << " " << prova << " d=" << d << " h=" << h;
        }
    }
}

TEST(Progressione, SoloLeSeiChanceSemplici) {
    const auto p = partitaDaiNastri({2, 1, 20, 13, 2});
    EXPECT_FALSE(simulaProgressione(p, 5, "Doz 1", 1, 1));
    EXPECT_FALSE(simulaProgressione(p, 5, "Col 2", 1, 1));
    EXPECT_FALSE(simulaProgressione(p, 5, "Verde", 1, 1));
    // Pass reads the half ribbon, where only 20 hits: the play entered on 2 loses on 1, the
    // one entered on 13 loses on the last 2.
    EXPECT_EQ(simulaProgressione(p, 5, "Pass", 1, 1), (TProgressione{2, 2, 0, 0}));
}

TEST(Progressione, TestoDelTasso) {
    struct Caso {
        std::optional<double> tasso;
        const char* testo;
    };
    const Caso casi[] = {{0.5, "0.50"},      {-1.0, "-1.00"},       {2.0 / 3.0, "0.67"},
                         {1.0, "1.00"},      {-7.0 / 3.0, "-2.33"}, {12.345, "12.35"},
                         {std::nullopt, "-"}};
    for (const auto& c : casi) EXPECT_EQ(testoTasso(c.tasso), c.testo);
    EXPECT_FALSE(TProgressione{}.tasso());
}

TEST(MigliorTasso, NessunaGiocata) {
    EXPECT_FALSE(cercaMigliorTasso(partitaDaiNastri({}), 0, 5, 5));
    EXPECT_FALSE(cercaMigliorTasso(partitaDaiNastri({1, 2, 0}), 3, 0, 5));
}

TEST(MigliorTasso, TraUgualiVinceIlPrimo) {
    // Spins 1, 2, 2 at delay 1 for one hand: Nero and Pari win their only play (+1), Rosso,
    // Dispari and Pass lose theirs (-1), Manq never misses and is skipped.
    const auto migliore = cercaMigliorTasso(partitaDaiNastri({1, 2, 2}), 3, 1, 1);
    ASSERT_TRUE(migliore);
    EXPECT_EQ(*migliore, (TMigliorTasso{"Nero 1-1", 1.0}));
}

TEST(MigliorTasso, IlNomeDiceRitardoEMani) {
    // Spins 2, 4, 1: Rosso reads N, N, R. At delay 1 it loses with one hand and makes 0.67
    // with two; at delay 2 its only play wins (+1) with any hand limit. Dispari has the same
    // pattern but comes later, and so does Rosso 2-2.
    const auto migliore = cercaMigliorTasso(partitaDaiNastri({2, 4, 1}), 3, 2, 2);
    ASSERT_TRUE(migliore);
    EXPECT_EQ(*migliore, (TMigliorTasso{"Rosso 2-1", 1.0}));
}

TEST(MigliorTasso, NessunaCombinazioneFaMeglio) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<int> numero(0, 36);
    std::vector<int> uscite(600);
    for (int& u : uscite) u = numero(gen);
    const auto p = partitaDaiNastri(uscite);
    const int n = static_cast<int>(uscite.size());

    const auto migliore = cercaMigliorTasso(p, n, 5, 5);
    ASSERT_TRUE(migliore);
    bool trovato = false;
    for (int d = 1; d <= 5; ++d)
        for (int h = 1; h <= 5; ++h)
            for (const char* c : {"Rosso", "Nero", "Pari", "Dispari", "Manq", "Pass"}) {
                const auto tasso = simulaProgressione(p, n, c, d, h)->tasso();
                if (!tasso) continue;
                const std::string nome =
                    std::string(c) + " " + std::to_string(d) + "-" + std::to_string(h);
                if (nome == migliore->nome) {
                    EXPECT_EQ(*tasso, migliore->tasso);
                    trovato = true;
                } else if (!trovato) {
                    EXPECT_LT(*tasso, migliore->tasso) << nome; // earlier: strictly worse
                } else {
                    EXPECT_LE(*tasso, migliore->tasso) << nome;
                }
            }
    EXPECT_TRUE(trovato);
}

} // namespace
} // namespace girolino
