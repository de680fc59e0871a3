// SPDX-License-Identifier: GPL-3.0-or-later
#include "StampaContatori.h"
#include "engine/Annulla.h"
#include "engine/Estrazione.h"
#include "engine/Giocata.h"
#include "engine/Settori.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace girolino;

namespace {

constexpr int V = 0, T = 1, O = 2, J = 3; // sectors in the order of settori()
constexpr int ANNULLA = -1;               // a step of a game that takes back the last spin

std::vector<int> numeriDelNastro(const TPartita& p) {
    std::vector<int> v;
    for (const auto& riga : p.nastroNumeri) v.push_back(std::stoi(std::string(riga)));
    return v;
}

TPartita gioca(const std::vector<int>& passi) {
    TPartita p;
    for (int n : passi) {
        if (n == ANNULLA)
            annullaSpin(p);
        else
            inserisciSpin(p, n);
    }
    return p;
}

const TContatore& arco(const TContatoriRuota& r, int centro, int k) {
    return r.archi[k - 1][posizioneSullaRuota(centro)];
}

TEST(TabelleRuota, SettoriEArchi) {
    const auto s = settori();
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[V].nome, "Voisins du zéro");
    EXPECT_EQ(s[T].nome, "Tiers du cylindre");
    EXPECT_EQ(s[O].nome, "Orphelins");
    EXPECT_EQ(s[J].nome, "Jeu zéro");
    EXPECT_EQ(std::vector<int>(s[O].numeri.begin(), s[O].numeri.end()),
              (std::vector<int>{17, 34, 6, 1, 20, 14, 31, 9}));
    EXPECT_EQ(s[V].numeri.front(), 22);
    EXPECT_EQ(s[J].numeri.back(), 15);

    // The first three split the wheel; the fourth is the middle of the first.
    std::multiset<int> tutti;
    for (int i : {V, T, O}) tutti.insert(s[i].numeri.begin(), s[i].numeri.end());
    std::multiset<int> ruota(ordineRuota().begin(), ordineRuota().end());
    EXPECT_EQ(tutti, ruota);
    EXPECT_TRUE(std::equal(s[J].numeri.begin(), s[J].numeri.end(), s[V].numeri.begin() + 5));

    EXPECT_EQ(nomeArco(17, 2), "17 ±2");
    EXPECT_EQ(nomeArco(0, 4), "0 ±4");
    EXPECT_EQ(ordineRuota()[0], 0); // arcs are listed from the one centred on 0

    struct Attese {
        std::int64_t boule;
        int dimensione;
        const char* testo;
    };
    for (const auto& [boule, dimensione, testo] : std::vector<Attese>{{0, 17, "0.0"},
                                                                      {1, 17, "0.5"},
                                                                      {1, 7, "0.2"},
                                                                      {37, 12, "12.0"},
                                                                      {100, 8, "21.6"},
                                                                      {1000000, 17, "459459.5"}})
        EXPECT_EQ(testoAttese(boule, dimensione), testo) << boule << " x " << dimensione;
}

struct ArcoAtteso {
    int centro, k;
    TContatore atteso;
};

struct Caso {
    const char* nome;
    std::vector<int> passi;
    std::array<TContatore, NUM_SETTORI> settori; // {ritardo, maxRitardo, sortite}
    std::vector<ArcoAtteso> archi;
};

TEST(ContatoriRuota, PartiteNote) {
    const std::vector<Caso> casi = {
        {"nessuna boule", {}, {}, {{0, 4, {}}}},
        {"settore in boule consecutive",
         {27, 13, 36},
         {{{3, 0, 0}, {0, 0, 3}, {3, 0, 0}, {3, 0, 0}}},
         {{13, 1, {0, 0, 3}}, {27, 1, {1, 0, 2}}}},
        {"uno zero",
         {0},
         {{{0, 0, 1}, {1, 0, 0}, {1, 0, 0}, {0, 0, 1}}},
         {{0, 1, {0, 0, 1}},
          {26, 1, {0, 0, 1}},
          {15, 1, {1, 0, 0}},
          {4, 4, {0, 0, 1}},
          {21, 4, {1, 0, 0}}}},
        {"lunga assenza poi un colpo",
         {17, 0, 27, 3, 13, 26, 34, 5},
         {{{2, 1, 3}, {0, 2, 3}, {1, 5, 2}, {2, 1, 3}}},
         {{17, 2, {1, 5, 2}}, {0, 1, {2, 3, 2}}, {26, 4, {2, 1, 3}}}},
        {"l'assenza in corso non conta",
         {17, 5, 5, 5, 5},
         {{{5, 0, 0}, {0, 1, 4}, {4, 0, 1}, {5, 0, 0}}},
         {{17, 3, {4, 0, 1}}}},
        {"annullato il colpo che alzava il massimo",
         {17, 0, 27, 3, 13, 26, 34, ANNULLA},
         {{{0, 1, 3}, {1, 2, 2}, {5, 0, 1}, {0, 1, 3}}},
         {{17, 2, {5, 0, 1}}, {0, 1, {0, 3, 2}}}},
        {"annullato un colpo che non alzava il massimo",
         {27, 0, 0, 27, 0, 13, ANNULLA},
         {{{0, 1, 3}, {1, 2, 2}, {5, 0, 0}, {0, 1, 3}}},
         {{27, 1, {1, 2, 2}}}},
        {"due annullamenti di fila",
         {17, 0, 27, ANNULLA, ANNULLA},
         {{{1, 0, 0}, {1, 0, 0}, {0, 0, 1}, {1, 0, 0}}},
         {{17, 1, {0, 0, 1}}}},
        {"annullata l'unica boule", {17, ANNULLA}, {}, {{17, 1, {}}}},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const TPartita p = gioca(caso.passi);
        for (int s = 0; s < NUM_SETTORI; ++s)
            EXPECT_EQ(p.ruota.settori[s], caso.settori[s]) << settori()[s].nome;
        for (const auto& a : caso.archi)
            EXPECT_EQ(arco(p.ruota, a.centro, a.k), a.atteso) << nomeArco(a.centro, a.k);
        EXPECT_EQ(p.ruota, rigiocaRuota(numeriDelNastro(p)));
    }
}

// Games of spins and undos, the draws leaning on a few numbers for a while so that areas
// stay away long and records rise and fall: after every step the counters equal a fresh
// count of the ribbon, and a new game starts from nothing.
TEST(ContatoriRuota, UgualiAlRigiocoDelNastroDopoSpinEAnnullamenti) {
    TEstrattore estrattore([] { return std::uint64_t{0}; }, 777);
    for (int partita = 0; partita < 6; ++partita) {
        TPartita p;
        for (int passo = 0; passo < 400; ++passo) {
            const int dado = estrattore.estrai();
            if (dado < 9 && !p.nastroNumeri.empty()) {
                annullaSpin(p);
            } else {
                int n = estrattore.estrai();
                if (passo % 100 < 50) n = ordineRuota()[(n % 6 + partita * 5) % NUMERI];
                inserisciSpin(p, n);
            }
            ASSERT_EQ(p.ruota, rigiocaRuota(numeriDelNastro(p)))
                << "partita " << partita << " passo " << passo;
        }
        pulisciPartita(p);
        EXPECT_EQ(p.ruota, TContatoriRuota{});
        inserisciSpin(p, 9);
        EXPECT_EQ(p.ruota, rigiocaRuota(std::vector<int>{9}));
    }
}

// The undo step of the numbers works whether or not the ribbon has lost its last line yet,
// and rebuilding from the ribbon restores what later undos need.
TEST(ContatoriRuota, AnnullamentoPassoPassoERicostruzione) {
    const std::vector<int> giro = {17, 0, 27, 3, 13, 26, 34, 34, 6, 11};
    TPartita p = gioca(giro);
    TPartita q = p;
    q.nastroNumeri.pop_back();
    riCalcolaNumeri(p, 11); // ribbon still holding the 11
    riCalcolaNumeri(q, 11);
    const auto attesi = rigiocaRuota(std::vector<int>(giro.begin(), giro.end() - 1));
    EXPECT_EQ(p.ruota, attesi);
    EXPECT_EQ(q.ruota, attesi);

    TPartita r;
    r.nastroNumeri = gioca(giro).nastroNumeri;
    ricostruisciRuota(r);
    EXPECT_EQ(r.ruota, rigiocaRuota(giro));
    for (int i = 0; i < 3; ++i) {
        annullaRuota(r, giro[giro.size() - 1 - i]);
        r.nastroNumeri.pop_back();
    }
    EXPECT_EQ(r.ruota, rigiocaRuota(std::vector<int>(giro.begin(), giro.end() - 3)));
}

} // namespace
