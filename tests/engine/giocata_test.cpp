// SPDX-License-Identifier: GPL-3.0-or-later
#include "StampaContatori.h"
#include "engine/Annulla.h"
#include "engine/Chance.h"
#include "engine/Giocata.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace girolino;

namespace {

TPartita gioca(std::initializer_list<int> numeri) {
    TPartita p;
    for (int n : numeri) inserisciSpin(p, n);
    return p;
}

TEST(RegistraColpo, ChiudeIlRitardoEAggiornaIlMassimoSoloSeSuperato) {
    struct Caso {
        int ritardo, maxRitardo, sortite;
        int maxAtteso;
    };
    const std::vector<Caso> casi = {
        {1, 0, 0, 0}, // first hit right away: no absence closed
        {4, 3, 2, 3}, // closes an absence of 3, equal to the maximum: unchanged
        {5, 3, 2, 4}, // closes an absence of 4: one more than the maximum
        {3, 5, 9, 5}, // shorter absence: maximum kept
        {40000, 39998, 1, 39999},
    };
    for (const auto& c : casi) {
        TContatore e{c.ritardo, c.maxRitardo, c.sortite};
        registraColpo(e);
        EXPECT_EQ(e, (TContatore{0, c.maxAtteso, c.sortite + 1})) << "ritardo " << c.ritardo;
    }
}

TEST(InserisciSpin, UnSoloSetteTuttiIContatori) {
    const TPartita p = gioca({7});
    EXPECT_EQ(p.bouleEseguite, 1);
    EXPECT_EQ(p.ultimoNumero, 7);
    EXPECT_TRUE(p.partitaModificata);
    for (int n = 0; n < NUMERI; ++n) {
        const TContatore atteso = n == 7 ? TContatore{0, 0, 1} : TContatore{1, 0, 0};
        EXPECT_EQ(static_cast<const TContatore&>(p.numeri[n]), atteso) << "numero " << n;
    }
    const std::set<int> colpite = {Rosso, Dispari, Manq, Doz1, Col1};
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        const TContatore atteso = colpite.count(c) ? TContatore{0, 0, 1} : TContatore{1, 0, 0};
        EXPECT_EQ(static_cast<const TContatore&>(p.chance[c]), atteso) << "chance " << c;
        EXPECT_EQ(p.ripetizioni[c], colpite.count(c) ? 1 : 0) << "chance " << c;
    }
    const std::set<int> gruppi7 = {5, 28, 31, 60, 72, 74, 93, 94, 103, 104, 105};
    for (int g = 1; g <= NUM_GRUPPI; ++g) {
        const TContatore atteso = gruppi7.count(g) ? TContatore{0, 0, 1} : TContatore{1, 0, 0};
        EXPECT_EQ(static_cast<const TContatore&>(p.gruppi[g]), atteso) << "gruppo " << g;
    }
    const std::vector<std::string> righe = {"7", "R", "D", "M", "1", "1"};
    const auto nastri = p.nastri();
    for (std::size_t i = 0; i < nastri.size(); ++i)
        EXPECT_EQ(*nastri[i], TNastro{righe[i]}) << "nastro " << i;
}

TEST(InserisciSpin, UnoZeroInvecchiaTuttoTranneLoZero) {
    const TPartita p = gioca({0});
    EXPECT_EQ(static_cast<const TContatore&>(p.numeri[0]), (TContatore{0, 0, 1}));
    for (int n = 1; n < NUMERI; ++n) EXPECT_EQ(p.numeri[n].ritardo, 1);
    for (int c = 1; c <= NUM_CHANCE; ++c) {
        EXPECT_EQ(static_cast<const TContatore&>(p.chance[c]), (TContatore{1, 0, 0}));
        EXPECT_EQ(p.ripetizioni[c], 0);
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g)
        EXPECT_EQ(static_cast<const TContatore&>(p.gruppi[g]), (TContatore{1, 0, 0}));
    EXPECT_EQ(p.nastroNumeri, TNastro{"0"});
    const auto nastri = p.nastri();
    for (std::size_t i = 1; i < nastri.size(); ++i) EXPECT_EQ(*nastri[i], TNastro{"x"});
}

// Counters after a short game, checked against values worked out by hand.
enum class Tipo { Numero, Chance, Gruppo };
struct Atteso {
    Tipo tipo;
    int indice;
    TContatore contatore;
};
struct CasoPartita {
    std::vector<int> giro;
    std::vector<Atteso> contatori;
    std::vector<std::pair<TChance, int>> ripetizioni;
};

const TContatore& contatoreDi(const TPartita& p, Tipo t, int i) {
    switch (t) {
    case Tipo::Numero:
        return p.numeri.at(i);
    case Tipo::Chance:
        return p.chance.at(i);
    case Tipo::Gruppo:
        return p.gruppi.at(i);
    }
    throw std::logic_error("tipo");
}

TEST(InserisciSpin, SequenzeBreviContatoriEsatti) {
    const std::vector<CasoPartita> casi = {
        {{5, 8, 8}, {{Tipo::Numero, 8, {0, 1, 2}}, {Tipo::Numero, 5, {2, 0, 1}}}, {}},
        {{3, 1, 1, 1, 3},
         {{Tipo::Numero, 3, {0, 3, 2}},
          {Tipo::Chance, Col3, {0, 3, 2}},
          {Tipo::Chance, Rosso, {0, 0, 5}},
          {Tipo::Chance, Col1, {1, 1, 3}}},
         {{Rosso, 5}, {Col3, 1}, {Col1, 0}}},
        {{2, 4, 6, 1},
         {{Tipo::Chance, Rosso, {0, 3, 1}}, {Tipo::Chance, Nero, {1, 0, 3}}},
         {{Rosso, 1}, {Nero, 0}, {Dispari, 1}, {Pari, 0}}},
        // The zero ages Rosso but does not break its run.
        {{1, 0, 3}, {{Tipo::Chance, Rosso, {0, 1, 2}}}, {{Rosso, 2}, {Nero, 0}}},
        // "1-2" (1) and "1-2-3" (58) both close absences across the zero.
        {{1, 0, 0, 2},
         {{Tipo::Gruppo, 1, {0, 2, 2}},
          {Tipo::Gruppo, 58, {0, 2, 2}},
          {Tipo::Gruppo, 2, {0, 3, 1}}},
         {{Rosso, 0}, {Nero, 1}}},
    };
    for (const auto& caso : casi) {
        TPartita p;
        for (int n : caso.giro) inserisciSpin(p, n);
        for (const auto& a : caso.contatori)
            EXPECT_EQ(contatoreDi(p, a.tipo, a.indice), a.contatore)
                << "entità " << a.indice << " dopo " << caso.giro.size() << " boules";
        for (const auto& [c, r] : caso.ripetizioni)
            EXPECT_EQ(p.ripetizioni[c], r) << "chance " << c;
    }
}

TEST(AggiornaGruppi, ISeiGruppiDelSeiTengonoLeTreCopieDelColpoPrecedente) {
    TPartita p = gioca({5, 1, 9, 0, 2});
    const TPartita prima = p;
    inserisciSpin(p, 6);
    const std::set<int> gruppi6 = {4, 27, 30, 59, 71, 73, 92, 93, 103, 104};
    for (int g = 1; g <= NUM_GRUPPI; ++g) {
        const auto& d = p.gruppi[g];
        const auto& v = prima.gruppi[g];
        if (gruppi6.count(g)) {
            EXPECT_EQ(d.sortitePrec, v.sortite) << g;
            EXPECT_EQ(d.ritardoPrec, v.ritardo) << g;
            EXPECT_EQ(d.maxRitardoPrec, v.maxRitardo) << g;
            EXPECT_EQ(d.ritardo, 0) << g;
            EXPECT_EQ(d.sortite, v.sortite + 1) << g;
        } else {
            EXPECT_EQ(d.ritardo, v.ritardo + 1) << g;
            EXPECT_EQ(d.sortite, v.sortite) << g;
            EXPECT_EQ(std::tie(d.sortitePrec, d.ritardoPrec, d.maxRitardoPrec),
                      std::tie(v.sortitePrec, v.ritardoPrec, v.maxRitardoPrec))
                << g;
        }
    }
}

TEST(InserisciSpin, NumeroFuoriDalTavoloNonToccaLaPartita) {
    TPartita p = gioca({4, 17});
    const TPartita prima = p;
    for (int n : {-1, 37, 1000}) {
        EXPECT_THROW(inserisciSpin(p, n), std::out_of_range);
        EXPECT_EQ(p.nastroNumeri, prima.nastroNumeri);
        EXPECT_EQ(p.bouleEseguite, prima.bouleEseguite);
        EXPECT_EQ(p.chance[Rosso].ritardo, prima.chance[Rosso].ritardo);
        EXPECT_EQ(p.gruppi[1].ritardo, prima.gruppi[1].ritardo);
    }
}

// Games longer than 32767 spins keep counting instead of wrapping.
TEST(InserisciSpin, IContatoriSuperano32767) {
    constexpr int boules = 40000;
    TPartita p;
    for (int i = 0; i < boules; ++i) inserisciSpin(p, 17);
    EXPECT_EQ(p.bouleEseguite, boules);
    EXPECT_EQ(p.numeri[17].sortite, boules);
    EXPECT_EQ(p.numeri[0].ritardo, boules);
    EXPECT_EQ(p.chance[Nero].sortite, boules);
    EXPECT_EQ(p.chance[Rosso].ritardo, boules);
    EXPECT_EQ(p.ripetizioni[Nero], boules);
    EXPECT_EQ(p.gruppi[1].ritardo, boules);
    inserisciSpin(p, 1);
    EXPECT_EQ(p.chance[Rosso].maxRitardo, boules);
    EXPECT_EQ(p.numeri[1].maxRitardo, boules);
    annullaSpin(p);
    EXPECT_EQ(p.chance[Rosso].ritardo, boules);
    EXPECT_EQ(p.chance[Rosso].maxRitardo, 0);
    EXPECT_EQ(p.ripetizioni[Nero], boules);
}

// What each hook of a spin and of an undo sees: the state the step it is named after left.
struct Registro : TOsservatoreGiocata, TOsservatoreAnnullo {
    const TPartita* p = nullptr;
    std::vector<std::string> passi;

    void annota(const std::string& nome) {
        passi.push_back(nome + " boule=" + std::to_string(p->bouleEseguite) +
                        " ultimo=" + std::to_string(p->ultimoNumero) +
                        " righe=" + std::to_string(p->nastroNumeri.size()) +
                        " rossi=" + std::to_string(p->chance[Rosso].sortite) +
                        " gruppo1=" + std::to_string(p->gruppi[1].sortite) +
                        " num=" + std::to_string(p->numeri[1].sortite) +
                        " rip=" + std::to_string(p->ripetizioni[Rosso]) +
                        " mod=" + std::to_string(p->partitaModificata));
    }
    void ritardiAumentati() override { annota("ritardiAumentati"); }
    void nastriAllungati(int n) override { annota("nastriAllungati " + std::to_string(n)); }
    void gruppiAggiornati(int n) override { annota("gruppiAggiornati " + std::to_string(n)); }
    void numeriAggiornati(int n) override { annota("numeriAggiornati " + std::to_string(n)); }
    void ripetizioniContate(int n) override { annota("ripetizioniContate " + std::to_string(n)); }
    void partitaPulita() override { annota("partitaPulita"); }
    void righeTolte() override { annota("righeTolte"); }
    void numeriRicalcolati(int n) override { annota("numeriRicalcolati " + std::to_string(n)); }
    void chanceAnnullate(int n) override { annota("chanceAnnullate " + std::to_string(n)); }
    void spinAnnullato() override { annota("spinAnnullato"); }
};

TEST(InserisciSpin, OgniPassoAvvisaDopoAverLoFatto) {
    TPartita p = gioca({19});
    p.partitaModificata = false;
    Registro r;
    r.p = &p;
    inserisciSpin(p, 1, r); // 1 is red and in group 1, as 19 is red
    const std::vector<std::string> attesi = {
        "ritardiAumentati boule=1 ultimo=19 righe=1 rossi=1 gruppo1=0 num=0 rip=1 mod=0",
        "nastriAllungati 1 boule=1 ultimo=19 righe=2 rossi=2 gruppo1=0 num=0 rip=1 mod=0",
        "gruppiAggiornati 1 boule=1 ultimo=1 righe=2 rossi=2 gruppo1=1 num=0 rip=1 mod=0",
        "numeriAggiornati 1 boule=2 ultimo=1 righe=2 rossi=2 gruppo1=1 num=1 rip=1 mod=0",
        "ripetizioniContate 1 boule=2 ultimo=1 righe=2 rossi=2 gruppo1=1 num=1 rip=2 mod=1",
    };
    EXPECT_EQ(r.passi, attesi);
}

TEST(AnnullaSpin, OgniPassoAvvisaDopoAverLoFatto) {
    TPartita p = gioca({19, 1});
    p.partitaModificata = false;
    Registro r;
    r.p = &p;
    annullaSpin(p, r);
    const std::vector<std::string> attesi = {
        "righeTolte boule=2 ultimo=1 righe=1 rossi=2 gruppo1=1 num=1 rip=2 mod=0",
        "numeriRicalcolati 1 boule=1 ultimo=1 righe=1 rossi=2 gruppo1=1 num=0 rip=2 mod=0",
        "chanceAnnullate 1 boule=1 ultimo=1 righe=1 rossi=1 gruppo1=0 num=0 rip=1 mod=1",
        "spinAnnullato boule=1 ultimo=19 righe=1 rossi=1 gruppo1=0 num=0 rip=1 mod=1",
    };
    EXPECT_EQ(r.passi, attesi);

    // The only spin left is taken back by a clear, heard as such and nothing else.
    r.passi.clear();
    annullaSpin(p, r);
    EXPECT_EQ(r.passi,
              std::vector<std::string>{
                  "partitaPulita boule=0 ultimo=19 righe=0 rossi=0 gruppo1=0 num=0 rip=0 mod=0"});
    annullaSpin(p, r); // an empty game: nothing happens
    EXPECT_EQ(r.passi.size(), 1U);
}

} // namespace
