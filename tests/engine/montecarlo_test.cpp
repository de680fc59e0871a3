// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MonteCarlo.h"

#include "engine/Backtest.h"
#include "engine/GeneratoreGiri.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace girolino {
namespace {

using enum TTipoProgressione;

std::vector<int> giriDellaSessione(std::uint64_t seme, std::int64_t sessione, std::int64_t n) {
    TGeneratoreGiri g(seme, static_cast<std::uint64_t>(sessione));
    std::vector<int> v(static_cast<std::size_t>(n));
    for (int& x : v) x = g.prossimo();
    return v;
}

TImpostazioniSistema conStop(TTipoProgressione p) {
    TImpostazioniSistema s;
    s.progressione = p;
    s.cassa = 40;
    s.obiettivo = 15;
    s.stopLoss = 30;
    return s;
}

TEST(GeneratoreGiri, NumeriUniformiESessioniDistinte) {
    std::array<double, NUMERI> conteggi{};
    const int n = 37 * 20000;
    TGeneratoreGiri g(7, 0);
    for (int i = 0; i < n; ++i) {
        const int x = g.prossimo();
        ASSERT_TRUE(x >= 0 && x < NUMERI);
        ++conteggi[static_cast<std::size_t>(x)];
    }
    double x2 = 0;
    for (double c : conteggi) x2 += (c - 20000) * (c - 20000) / 20000;
    // 36 degrees of freedom: above 67 once in a thousand fair runs.
    EXPECT_LT(x2, 67);

    EXPECT_EQ(giriDellaSessione(7, 3, 50), giriDellaSessione(7, 3, 50));
    EXPECT_NE(giriDellaSessione(7, 3, 50), giriDellaSessione(7, 4, 50));
    EXPECT_NE(giriDellaSessione(7, 3, 50), giriDellaSessione(8, 3, 50));
}

// Every figure recomputed from one backtest per session on the session's own spins.
TEST(MonteCarlo, CifreUgualiAiBacktestDelleSessioni) {
    for (std::int64_t sessioni : {20, 37}) {
        SCOPED_TRACE(sessioni);
        const TImpostazioniSistema s = conStop(DAlembert);
        TParametriMonteCarlo p;
        p.sessioni = sessioni;
        p.giriPerSessione = 300;
        p.seme = 42;
        p.thread = 2;
        p.curveCampione = 3;
        const auto r = eseguiMonteCarlo(s, p);
        ASSERT_TRUE(r.has_value());

        std::vector<double> risultati;
        double totale = 0, puntato = 0;
        std::int64_t puntate = 0;
        std::array<int, 5> fini{};
        for (std::int64_t i = 0; i < sessioni; ++i) {
            const auto b = eseguiBacktest(s, giriDellaSessione(42, i, 300));
            risultati.push_back(b.cassaFinale - s.cassa);
            totale += b.cassaFinale - s.cassa;
            puntato += b.puntato;
            puntate += b.puntate;
            ++fini[static_cast<std::size_t>(b.fine)];
            if (i < 3) {
                EXPECT_EQ(r->curve[static_cast<std::size_t>(i)], b.curva);
            }
        }
        std::sort(risultati.begin(), risultati.end());
        const auto rango = [&](double q) {
            return risultati[static_cast<std::size_t>(std::ceil(q * sessioni - 1e-9)) - 1];
        };
        EXPECT_EQ(r->sessioni, sessioni);
        EXPECT_EQ(r->curve.size(), 3u);
        EXPECT_DOUBLE_EQ(r->media, totale / sessioni);
        EXPECT_EQ(r->mediana, rango(0.5));
        EXPECT_EQ(r->p5, rango(0.05));
        EXPECT_EQ(r->p95, rango(0.95));
        EXPECT_EQ(r->puntate, puntate);
        EXPECT_DOUBLE_EQ(*r->rendimento, totale / puntato);
        EXPECT_DOUBLE_EQ(r->quotaObiettivo, fini[2] / double(sessioni));
        EXPECT_DOUBLE_EQ(r->quotaStop, fini[3] / double(sessioni));
        EXPECT_DOUBLE_EQ(r->quotaRovina, fini[4] / double(sessioni));
        // The stops must actually occur for the comparison to mean something.
        EXPECT_GT(fini[2], 0);
        EXPECT_GT(fini[3] + fini[4], 0);

        const auto& d = r->distribuzione;
        std::int64_t inDistribuzione = 0;
        for (auto c : d.conteggi) inDistribuzione += c;
        EXPECT_EQ(inDistribuzione, sessioni);
        EXPECT_EQ(d.inizio, risultati.front());
        EXPECT_DOUBLE_EQ(d.inizio + d.ampiezza * static_cast<double>(d.conteggi.size()),
                         risultati.back());
    }
}

TEST(MonteCarlo, StessoSemeStessiRisultatiConOgniNumeroDiThread) {
    for (TTipoProgressione prog : {Martingala, Labouchere, Paroli}) {
        SCOPED_TRACE(nomeProgressione(prog));
        TImpostazioniSistema s = conStop(prog);
        s.partage = true;
        TParametriMonteCarlo p;
        p.sessioni = 1000; // not a whole number of blocks of work
        p.giriPerSessione = 200;
        p.seme = 2024;
        p.thread = 1;
        const auto uno = eseguiMonteCarlo(s, p);
        ASSERT_TRUE(uno.has_value());
        for (unsigned t : {2u, 3u}) {
            p.thread = t;
            EXPECT_EQ(eseguiMonteCarlo(s, p), uno) << t << " thread";
        }
        p.seme = 2025;
        EXPECT_NE(eseguiMonteCarlo(s, p)->media, uno->media);
    }
}

// The return per unit staked of flat bets over 2,000,000 spins at a fixed seed, against the
// house edge, within four standard errors of one bet's outcome.
TEST(MonteCarlo, RendimentoVicinoAlVantaggioDelBanco) {
    struct Caso {
        const char* nome;
        TPuntata puntata;
        bool partage;
        // Outcomes of a stake of 1 with their chances in 37ths.
        std::vector<std::pair<double, int>> esiti;
    };
    const std::vector<Caso> casi = {
        {"rosso", TPuntata::chance(Rosso), false, {{1, 18}, {-1, 19}}},
        {"rosso, la partage", TPuntata::chance(Rosso), true, {{1, 18}, {-1, 18}, {-0.5, 1}}},
        {"dozzina", TPuntata::chance(Doz2), false, {{2, 12}, {-1, 25}}},
        {"numero", TPuntata::numero(17), false, {{35, 1}, {-1, 36}}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        double media = 0, quadrati = 0;
        for (auto [x, k] : c.esiti) {
            media += x * k / 37;
            quadrati += x * x * k / 37;
        }
        EXPECT_NEAR(media, c.partage ? -1.0 / 74 : -1.0 / 37, 1e-15);

        TImpostazioniSistema s;
        s.puntata = c.puntata;
        s.partage = c.partage;
        s.cassa = 1e7; // no session can be ruined
        TParametriMonteCarlo p;
        p.sessioni = 2000;
        p.giriPerSessione = 1000;
        p.seme = 99;
        const auto r = eseguiMonteCarlo(s, p);
        ASSERT_TRUE(r.has_value());
        ASSERT_EQ(r->puntate, 2'000'000);
        const double errore = std::sqrt((quadrati - media * media) / 2e6);
        EXPECT_NEAR(*r->rendimento, media, 4 * errore);
        EXPECT_NEAR(r->media, media * 1000, 4 * errore * 1000);
    }
}

TEST(MonteCarlo, AvanzamentoEAnnullamento) {
    const TImpostazioniSistema s = conStop(Fibonacci);
    TParametriMonteCarlo p;
    p.sessioni = 5000;
    p.giriPerSessione = 100;
    for (unsigned t : {1u, 2u}) {
        p.thread = t;
        std::vector<std::int64_t> fatte;
        ASSERT_TRUE(eseguiMonteCarlo(s, p, [&](std::int64_t f, std::int64_t tot) {
                        EXPECT_EQ(tot, 5000);
                        fatte.push_back(f);
                    }).has_value());
        // Alone, the calling thread reports every block it ends; with company it may see only
        // the end if the others were quicker.
        ASSERT_GE(fatte.size(), t == 1 ? 2u : 1u);
        EXPECT_TRUE(std::is_sorted(fatte.begin(), fatte.end()));
        EXPECT_EQ(fatte.back(), 5000);
    }

    // Cancelled from the first progress report of a long run, or before the start: no figures.
    p.sessioni = MAX_SESSIONI;
    p.giriPerSessione = 1000;
    for (unsigned t : {1u, 2u}) {
        p.thread = t;
        std::atomic<bool> annulla{false};
        EXPECT_EQ(eseguiMonteCarlo(
                      s, p, [&](std::int64_t, std::int64_t) { annulla = true; }, &annulla),
                  std::nullopt);
        EXPECT_EQ(eseguiMonteCarlo(s, p, {}, &annulla), std::nullopt);
    }
}

TEST(MonteCarlo, ParametriFuoriIntervallo) {
    const TImpostazioniSistema s;
    for (auto [sessioni, giri, campo] :
         {std::tuple{0, 10, "Sessioni"}, std::tuple{1'000'001, 10, "Sessioni"},
          std::tuple{10, 0, "Giri per sessione"}, std::tuple{10, 100'001, "Giri per sessione"}}) {
        TParametriMonteCarlo p;
        p.sessioni = sessioni;
        p.giriPerSessione = giri;
        ASSERT_TRUE(validaMonteCarlo(p).has_value());
        EXPECT_EQ(validaMonteCarlo(p)->rfind(campo, 0), 0u);
        EXPECT_THROW(eseguiMonteCarlo(s, p), std::invalid_argument);
    }
    TImpostazioniSistema errate;
    errate.cassa = -1;
    EXPECT_THROW(eseguiMonteCarlo(errate, TParametriMonteCarlo{}), std::invalid_argument);

    // Every session ruined before its first bet: no stake, so no return.
    errate.cassa = 0;
    TParametriMonteCarlo p;
    p.sessioni = 10;
    const auto r = eseguiMonteCarlo(errate, p);
    EXPECT_EQ(r->quotaRovina, 1);
    EXPECT_EQ(r->rendimento, std::nullopt);
    EXPECT_EQ(r->distribuzione.conteggi, std::vector<std::int64_t>{10});
}

} // namespace
} // namespace girolino
