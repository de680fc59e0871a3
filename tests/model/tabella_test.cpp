// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Tabella.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace girolino;

namespace {

// The per-number table of the layout, written out by hand: colour code, ribbon letters,
// sides hit and groups (catalogue index), for every number.
struct RigaNumero {
    int n;
    int colore;
    std::vector<std::string> lettere;
    std::vector<TChance> chance;
    std::vector<int> gruppi;
};

const std::vector<RigaNumero> tabella = {
    {0, 0, {"x", "x", "x", "x", "x"}, {}, {}},
    {1, 1, {"R", "D", "M", "1", "1"}, {Rosso, Dispari, Manq, Doz1, Col1}, {1, 25, 58, 70, 92, 103}},
    {2,
     2,
     {"N", "P", "M", "1", "2"},
     {Nero, Pari, Manq, Doz1, Col2},
     {1, 2, 26, 58, 70, 71, 92, 103}},
    {3, 1, {"R", "D", "M", "1", "3"}, {Rosso, Dispari, Manq, Doz1, Col3}, {2, 27, 58, 71, 92, 103}},
    {4,
     2,
     {"N", "P", "M", "1", "1"},
     {Nero, Pari, Manq, Doz1, Col1},
     {3, 25, 28, 59, 70, 72, 92, 93, 103, 104}},
    {5,
     1,
     {"R", "D", "M", "1", "2"},
     {Rosso, Dispari, Manq, Doz1, Col2},
     {3, 4, 26, 29, 59, 70, 71, 72, 73, 92, 93, 103, 104}},
    {6,
     2,
     {"N", "P", "M", "1", "3"},
     {Nero, Pari, Manq, Doz1, Col3},
     {4, 27, 30, 59, 71, 73, 92, 93, 103, 104}},
    {7,
     1,
     {"R", "D", "M", "1", "1"},
     {Rosso, Dispari, Manq, Doz1, Col1},
     {5, 28, 31, 60, 72, 74, 93, 94, 103, 104, 105}},
    {8,
     2,
     {"N", "P", "M", "1", "2"},
     {Nero, Pari, Manq, Doz1, Col2},
     {5, 6, 29, 32, 60, 72, 73, 74, 75, 93, 94, 103, 104, 105}},
    {9,
     1,
     {"R", "D", "M", "1", "3"},
     {Rosso, Dispari, Manq, Doz1, Col3},
     {6, 30, 33, 60, 73, 75, 93, 94, 103, 104, 105}},
    {10,
     2,
     {"N", "P", "M", "1", "1"},
     {Nero, Pari, Manq, Doz1, Col1},
     {7, 31, 34, 61, 74, 76, 94, 95, 104, 105, 106}},
    {11,
     2,
     {"N", "D", "M", "1", "2"},
     {Nero, Dispari, Manq, Doz1, Col2},
     {7, 8, 32, 35, 61, 74, 75, 76, 77, 94, 95, 104, 105, 106}},
    {12,
     1,
     {"R", "P", "M", "1", "3"},
     {Rosso, Pari, Manq, Doz1, Col3},
     {8, 33, 36, 61, 75, 77, 94, 95, 104, 105, 106}},
    {13,
     2,
     {"N", "D", "M", "2", "1"},
     {Nero, Dispari, Manq, Doz2, Col1},
     {9, 34, 37, 62, 76, 78, 95, 96, 105, 106, 107}},
    {14,
     1,
     {"R", "P", "M", "2", "2"},
     {Rosso, Pari, Manq, Doz2, Col2},
     {9, 10, 35, 38, 62, 76, 77, 78, 79, 95, 96, 105, 106, 107}},
    {15,
     2,
     {"N", "D", "M", "2", "3"},
     {Nero, Dispari, Manq, Doz2, Col3},
     {10, 36, 39, 62, 77, 79, 95, 96, 105, 106, 107}},
    {16,
     1,
     {"R", "P", "M", "2", "1"},
     {Rosso, Pari, Manq, Doz2, Col1},
     {11, 37, 40, 63, 78, 80, 96, 97, 106, 107, 108}},
    {17,
     2,
     {"N", "D", "M", "2", "2"},
     {Nero, Dispari, Manq, Doz2, Col2},
     {11, 12, 38, 41, 63, 78, 79, 80, 81, 96, 97, 106, 107, 108}},
    {18,
     1,
     {"R", "P", "M", "2", "3"},
     {Rosso, Pari, Manq, Doz2, Col3},
     {12, 39, 42, 63, 79, 81, 96, 97, 106, 107, 108}},
    {19,
     1,
     {"R", "D", "P", "2", "1"},
     {Rosso, Dispari, Pass, Doz2, Col1},
     {13, 40, 43, 64, 80, 82, 97, 98, 107, 108, 109}},
    {20,
     2,
     {"N", "P", "P", "2", "2"},
     {Nero, Pari, Pass, Doz2, Col2},
     {13, 14, 41, 44, 64, 80, 81, 82, 83, 97, 98, 107, 108, 109}},
    {21,
     1,
     {"R", "D", "P", "2", "3"},
     {Rosso, Dispari, Pass, Doz2, Col3},
     {14, 42, 45, 64, 81, 83, 97, 98, 107, 108, 109}},
    {22,
     2,
     {"N", "P", "P", "2", "1"},
     {Nero, Pari, Pass, Doz2, Col1},
     {15, 43, 46, 65, 82, 84, 98, 99, 108, 109, 110}},
    {23,
     1,
     {"R", "D", "P", "2", "2"},
     {Rosso, Dispari, Pass, Doz2, Col2},
     {15, 16, 44, 47, 65, 82, 83, 84, 85, 98, 99, 108, 109, 110}},
    {24,
     2,
     {"N", "P", "P", "2", "3"},
     {Nero, Pari, Pass, Doz2, Col3},
     {16, 45, 48, 65, 83, 85, 98, 99, 108, 109, 110}},
    {25,
     1,
     {"R", "D", "P", "3", "1"},
     {Rosso, Dispari, Pass, Doz3, Col1},
     {17, 46, 49, 66, 84, 86, 99, 100, 109, 110, 111}},
    {26,
     2,
     {"N", "P", "P", "3", "2"},
     {Nero, Pari, Pass, Doz3, Col2},
     {17, 18, 47, 50, 66, 84, 85, 86, 87, 99, 100, 109, 110, 111}},
    {27,
     1,
     {"R", "D", "P", "3", "3"},
     {Rosso, Dispari, Pass, Doz3, Col3},
     {18, 48, 51, 66, 85, 87, 99, 100, 109, 110, 111}},
    {28,
     2,
     {"N", "P", "P", "3", "1"},
     {Nero, Pari, Pass, Doz3, Col1},
     {19, 49, 52, 67, 86, 88, 100, 101, 110, 111, 112}},
    {29,
     2,
     {"N", "D", "P", "3", "2"},
     {Nero, Dispari, Pass, Doz3, Col2},
     {19, 20, 50, 53, 67, 86, 87, 88, 89, 100, 101, 110, 111, 112}},
    {30,
     1,
     {"R", "P", "P", "3", "3"},
     {Rosso, Pari, Pass, Doz3, Col3},
     {20, 51, 54, 67, 87, 89, 100, 101, 110, 111, 112}},
    {31,
     2,
     {"N", "D", "P", "3", "1"},
     {Nero, Dispari, Pass, Doz3, Col1},
     {21, 52, 55, 68, 88, 90, 101, 102, 111, 112}},
    {32,
     1,
     {"R", "P", "P", "3", "2"},
     {Rosso, Pari, Pass, Doz3, Col2},
     {21, 22, 53, 56, 68, 88, 89, 90, 91, 101, 102, 111, 112}},
    {33,
     2,
     {"N", "D", "P", "3", "3"},
     {Nero, Dispari, Pass, Doz3, Col3},
     {22, 54, 57, 68, 89, 91, 101, 102, 111, 112}},
    {34, 1, {"R", "P", "P", "3", "1"}, {Rosso, Pari, Pass, Doz3, Col1}, {23, 55, 69, 90, 102, 112}},
    {35,
     2,
     {"N", "D", "P", "3", "2"},
     {Nero, Dispari, Pass, Doz3, Col2},
     {23, 24, 56, 69, 90, 91, 102, 112}},
    {36, 1, {"R", "P", "P", "3", "3"}, {Rosso, Pari, Pass, Doz3, Col3}, {24, 57, 69, 91, 102, 112}},
};

} // namespace

TEST(Tabella, OgniNumeroCorrispondeAllaTabella) {
    ASSERT_EQ(tabella.size(), 37u);
    for (const auto& r : tabella) {
        SCOPED_TRACE(r.n);
        EXPECT_EQ(coloreNumero(r.n), r.colore);
        const auto& l = lettereNastro(r.n);
        EXPECT_EQ(std::vector<std::string>(l.begin(), l.end()), r.lettere);
        const auto c = chanceDelNumero(r.n);
        EXPECT_EQ(std::vector<TChance>(c.begin(), c.end()), r.chance);
        const auto g = gruppiDelNumero(r.n);
        EXPECT_EQ(std::vector<int>(g.begin(), g.end()), r.gruppi);
        for (int f = 0; f < 5 && r.n != 0; ++f) EXPECT_EQ(chanceDellaFamiglia(r.n, f), r.chance[f]);
    }
}

TEST(Tabella, CatalogoEtichetteEMembri) {
    std::set<std::string> etichette;
    for (int g = 1; g <= NUM_GRUPPI; ++g) etichette.insert(etichettaGruppo(g));
    EXPECT_EQ(etichette.size(), 112u);
    EXPECT_EQ(etichettaGruppo(1), "1-2");
    EXPECT_EQ(etichettaGruppo(25), "1-4");
    EXPECT_EQ(etichettaGruppo(57), "33-36");
    EXPECT_EQ(etichettaGruppo(58), "1-2-3");
    EXPECT_EQ(etichettaGruppo(70), "1-2-4-5");
    EXPECT_EQ(etichettaGruppo(91), "32-33-35-36");
    EXPECT_EQ(etichettaGruppo(92), "1-6");
    EXPECT_EQ(etichettaGruppo(103), "1-9");
    EXPECT_EQ(etichettaGruppo(112), "28-36");
    const auto& g70 = gruppo(70);
    EXPECT_EQ(std::vector<int>(g70.membri.begin(), g70.membri.begin() + g70.numMembri),
              (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(gruppo(112).numMembri, 9);
    EXPECT_EQ(gruppo(112).membri[0], 28);
    const std::vector<std::pair<TTipoGruppo, TFamiglia>> famiglie = {
        {TTipoGruppo::Duine, {1, 57}},
        {TTipoGruppo::Terzine, {58, 12}},
        {TTipoGruppo::Quartine, {70, 22}},
        {TTipoGruppo::Sestine, {92, 11}},
        {TTipoGruppo::Ennine, {103, 10}}};
    for (auto [t, f] : famiglie) {
        EXPECT_EQ(famiglia(t).primo, f.primo);
        EXPECT_EQ(famiglia(t).numero, f.numero);
        EXPECT_EQ(gruppo(f.primo).famiglia, t);
        EXPECT_EQ(gruppo(f.primo).indiceFamiglia, 1);
        EXPECT_EQ(gruppo(f.primo + f.numero - 1).indiceFamiglia, f.numero);
    }
}

TEST(Tabella, RuotaEConnotazioni) {
    EXPECT_EQ(ordineRuota()[0], 0);
    EXPECT_EQ(ordineRuota()[36], 26);
    EXPECT_EQ(posizioneSullaRuota(32), 1);
    std::set<int> tutti(ordineRuota().begin(), ordineRuota().end());
    EXPECT_EQ(tutti.size(), 37u);
    const auto c1 = connotazioni(1);
    EXPECT_EQ(c1.parita + c1.meta + c1.dozzina + c1.colonna, "DispariManqDoz 1Col 1");
    const auto c20 = connotazioni(20);
    EXPECT_EQ(c20.parita + c20.meta + c20.dozzina + c20.colonna, "PariPassDoz 2Col 2");
    const auto c0 = connotazioni(0);
    EXPECT_TRUE(c0.parita.empty() && c0.meta.empty() && c0.dozzina.empty() && c0.colonna.empty());
}
