// SPDX-License-Identifier: GPL-3.0-or-later
#include "StampaContatori.h"
#include "engine/Annulla.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace girolino;

namespace {

const TContatore& tripla(const TContatoreConCopie& e) {
    return e;
}

// The first difference between two games in what the player can see of them (counters,
// runs, spin count, ribbons, last number), or "" when there is none. The undo copies are
// internal. The maximum of `esclusoMax` (a number) is left out of the comparison.
std::string differenza(const TPartita& a, const TPartita& b, int esclusoMax = -1) {
    std::ostringstream o;
    for (int n = 0; n < NUMERI; ++n) {
        TContatore x = tripla(a.numeri[n]), y = tripla(b.numeri[n]);
        if (n == esclusoMax) x.maxRitardo = y.maxRitardo;
        if (!(x == y)) return o << "numero " << n, o.str();
    }
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        if (!(tripla(a.chance[c]) == tripla(b.chance[c]))) return o << "chance " << c, o.str();
        if (a.ripetizioni[c] != b.ripetizioni[c]) return o << "ripetizioni " << c, o.str();
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g)
        if (!(tripla(a.gruppi[g]) == tripla(b.gruppi[g]))) return o << "gruppo " << g, o.str();
    if (a.bouleEseguite != b.bouleEseguite) return "bouleEseguite";
    for (std::size_t i = 0; i < 6; ++i)
        if (*a.nastri()[i] != *b.nastri()[i]) return o << "nastro " << i, o.str();
    if (!a.nastroNumeri.empty() && a.ultimoNumero != b.ultimoNumero) return "ultimoNumero";
    return "";
}

TPartita gioca(const std::vector<int>& numeri) {
    TPartita p;
    for (int n : numeri) inserisciSpin(p, n);
    return p;
}

// Undo of the last spin gives back the game as it was before it, apart from the undone
// number's maximum when that spin raised it.
TEST(AnnullaSpin, TornaAllaPartitaPrimaDellUltimaBoule) {
    const std::vector<std::vector<int>> giri = {
        {7, 7}, {3, 1, 1, 1, 3}, {10, 0}, {6, 5}, {1, 3, 2}, {0, 0}, {1, 0, 3}, {36, 35, 36, 2},
    };
    for (const auto& giro : giri) {
        const TPartita prima = gioca({giro.begin(), giro.end() - 1});
        TPartita p = gioca(giro);
        annullaSpin(p);
        EXPECT_EQ(differenza(p, prima, giro.back()), "") << "ultimo " << giro.back();
        EXPECT_EQ(p.ultimoNumero, giro[giro.size() - 2]);
        EXPECT_TRUE(p.partitaModificata);
    }
}

TEST(AnnullaSpin, CasiNotevoli) {
    {
        TPartita p = gioca({7, 7});
        annullaSpin(p);
        EXPECT_EQ(tripla(p.numeri[7]), (TContatore{0, 0, 1}));
        EXPECT_EQ(p.nastroNumeri, TNastro{"7"});
        EXPECT_EQ(p.nastroColonne, TNastro{"1"});
    }
    {
        // The undone spin closed an absence of 3; without a copy the maximum stays.
        TPartita p = gioca({3, 1, 1, 1, 3});
        annullaSpin(p);
        EXPECT_EQ(tripla(p.numeri[3]), (TContatore{3, 3, 1}));
    }
    {
        TPartita p = gioca({10, 0});
        annullaSpin(p);
        // The zero closed an absence of one spin; that maximum is not taken back.
        EXPECT_EQ(tripla(p.numeri[0]), (TContatore{1, 1, 0}));
        for (int c = 1; c <= NUM_CHANCE; ++c)
            EXPECT_EQ(p.chance[c].ritardo,
                      c == Nero || c == Pari || c == Manq || c == Doz1 || c == Col1 ? 0 : 1);
    }
    {
        // "4-5" (3) and "1-2-4-5" (70) were hit by the 4, passed over by the 6, hit by the 5.
        const TPartita prima = gioca({1, 4, 6});
        TPartita p = gioca({1, 4, 6, 5});
        annullaSpin(p);
        for (int g : {3, 70}) EXPECT_EQ(tripla(p.gruppi[g]), tripla(prima.gruppi[g])) << g;
    }
    {
        TPartita p = gioca({1, 3, 2});
        annullaSpin(p);
        EXPECT_EQ(p.ripetizioni[Rosso], 2);
        EXPECT_EQ(p.ripetizioni[Nero], 0);
        EXPECT_EQ(p.chance[Nero].sortite, 0);
        EXPECT_EQ(p.chance[Nero].ritardo, 2);
    }
}

TEST(AnnullaSpin, LUnicaBouleSvuotaLaPartita) {
    TPartita p = gioca({6});
    annullaSpin(p);
    EXPECT_EQ(differenza(p, TPartita{}), "");
    EXPECT_FALSE(p.partitaModificata);
    // A game emptied that way takes the next spin like a new one.
    inserisciSpin(p, 9);
    EXPECT_EQ(differenza(p, gioca({9})), "");
}

TEST(AnnullaSpin, PartitaVuotaResta) {
    TPartita p;
    annullaSpin(p);
    EXPECT_EQ(differenza(p, TPartita{}), "");
    EXPECT_EQ(p.bouleEseguite, 0);
}

TEST(AnnullaSpin, RigaIllegibileNonToccaNulla) {
    TPartita p = gioca({4, 8, 15});
    auto righe = p.nastroNumeri.comeStringhe();
    righe[1] = "otto";
    p.nastroNumeri = righe;
    const TPartita prima = p;
    EXPECT_THROW(annullaSpin(p), std::invalid_argument);
    EXPECT_EQ(differenza(p, prima), "");
}

TEST(NumeroDellaRiga, SoloNumeriDelTavolo) {
    EXPECT_EQ(numeroDellaRiga("0"), 0);
    EXPECT_EQ(numeroDellaRiga("36"), 36);
    for (const char* t : {"", "37", "-1", " 5", "5 ", "x", "3a"})
        EXPECT_THROW(numeroDellaRiga(t), std::invalid_argument) << t;
}

TEST(PulisciPartita, AzzeraContatoriENastriMaTieneCopieEUltimoNumero) {
    TPartita p = gioca({1, 2, 5, 5, 0, 33});
    p.seguiUltimo = false;
    const TPartita prima = p;
    pulisciPartita(p);
    EXPECT_EQ(differenza(p, TPartita{}), "");
    EXPECT_FALSE(p.partitaModificata);
    EXPECT_FALSE(p.seguiUltimo);
    EXPECT_EQ(p.ultimoNumero, 33);
    EXPECT_EQ(p.ripetizioniPrec, prima.ripetizioniPrec);
    EXPECT_EQ(p.numeri[5].ritardoPrec, prima.numeri[5].ritardoPrec);
    EXPECT_EQ(p.chance[Rosso].maxRitardoPrec, prima.chance[Rosso].maxRitardoPrec);
    EXPECT_EQ(p.gruppi[3].sortitePrec, prima.gruppi[3].sortitePrec);
}

// Invariants of any game reached by spins and single undos.
void controllaInvarianti(const TPartita& p) {
    const int b = p.bouleEseguite;
    for (const TNastro* nastro : p.nastri()) ASSERT_EQ(nastro->size(), std::size_t(b));
    if (b > 0) {
        ASSERT_EQ(std::to_string(p.ultimoNumero), p.nastroNumeri.back());
    }
    const auto entro = [b](const TContatore& e) { return e.ritardo >= 0 && e.ritardo <= b; };
    int somma = 0;
    for (const auto& e : p.numeri) {
        ASSERT_TRUE(entro(e));
        somma += e.sortite;
    }
    ASSERT_EQ(somma, b);
    for (int c = 1; c <= NUM_CHANCE; ++c) ASSERT_TRUE(entro(p.chance[c]));
    for (int g = 1; g <= NUM_GRUPPI; ++g) ASSERT_TRUE(entro(p.gruppi[g]));
    const int senzaZero = b - p.numeri[0].sortite;
    const std::vector<std::vector<TChance>> famiglie = {
        {Rosso, Nero}, {Pari, Dispari}, {Manq, Pass}, {Doz1, Doz2, Doz3}, {Col1, Col2, Col3}};
    for (const auto& f : famiglie) {
        int s = 0;
        for (TChance c : f) s += p.chance[c].sortite;
        ASSERT_EQ(s, senzaZero) << "famiglia di " << f.front();
    }
}

// Delays, hits and runs recounted from the number ribbon alone.
void controllaControNastro(const TPartita& p) {
    std::vector<int> giro;
    for (const auto& r : p.nastroNumeri) giro.push_back(std::stoi(std::string(r)));
    const auto conta = [&](auto contiene, const TContatore& e, const char* cosa, int i) {
        int sortite = 0;
        int ritardo = 0;
        for (int n : giro) {
            ++ritardo;
            if (contiene(n)) {
                ++sortite;
                ritardo = 0;
            }
        }
        ASSERT_EQ(e.sortite, sortite) << cosa << " " << i;
        ASSERT_EQ(e.ritardo, ritardo) << cosa << " " << i;
    };
    for (int n = 0; n < NUMERI; ++n) conta([n](int x) { return x == n; }, p.numeri[n], "n", n);
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        const auto contiene = [c](int x) {
            for (TChance h : chanceDelNumero(x))
                if (h == c) return true;
            return false;
        };
        conta(contiene, p.chance[c], "chance", c);
        int corsa = 0;
        for (int n : giro)
            if (n != 0) corsa = contiene(n) ? corsa + 1 : 0;
        ASSERT_EQ(p.ripetizioni[c], corsa) << "ripetizioni " << c;
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g) {
        const auto& gr = gruppo(g);
        const auto contiene = [&gr](int x) {
            return std::find(gr.membri.begin(), gr.membri.begin() + gr.numMembri, x) !=
                   gr.membri.begin() + gr.numMembri;
        };
        conta(contiene, p.gruppi[g], "gruppo", g);
    }
}

TEST(AnnullaSpin, ProprietaSuMigliaiaDiBoulesCasuali) {
    TEstrattore estrattore([] { return std::uint64_t{0}; }, 20240611);
    TPartita p;
    TPartita primaDellUltima;
    bool annullabile = false;
    for (int passo = 0; passo < 4000; ++passo) {
        // About one step in five is an undo, never two in a row.
        if (annullabile && estrattore.estrai() < 8) {
            const int annullato = p.ultimoNumero;
            annullaSpin(p);
            ASSERT_EQ(differenza(p, primaDellUltima, annullato), "") << "passo " << passo;
            annullabile = false;
        } else {
            primaDellUltima = p;
            inserisciSpin(p, estrattore.estrai());
            annullabile = true;
        }
        controllaInvarianti(p);
        if (HasFatalFailure()) return;
        if (passo % 200 == 0) controllaControNastro(p);
        if (HasFatalFailure()) return;
    }
    controllaControNastro(p);
}

} // namespace
