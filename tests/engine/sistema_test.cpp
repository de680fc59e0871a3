// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Backtest.h"
#include "engine/Giocata.h"
#include "engine/Sistema.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace girolino {
namespace {

using enum TTipoProgressione;

// Spins written as letters for a bet on Rosso: W a red number, L a black one, Z the zero.
std::vector<int> giri(std::string_view lettere) {
    std::vector<int> v;
    for (char c : lettere) v.push_back(c == 'W' ? 1 : c == 'L' ? 2 : 0);
    return v;
}

TImpostazioniSistema sistema(TTipoProgressione p) {
    TImpostazioniSistema s;
    s.progressione = p;
    return s;
}

// The stakes of bets paid 1 to 1 are the steps of the bankroll.
std::vector<double> posteDallaCurva(double cassa, const std::vector<double>& curva) {
    std::vector<double> poste;
    for (double c : curva) {
        poste.push_back(std::abs(c - cassa));
        cassa = c;
    }
    return poste;
}

double somma(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s;
}

struct CasoProgressione {
    const char* nome;
    TImpostazioniSistema impostazioni;
    const char* lettere;
    std::vector<double> poste;
    std::vector<double> curva;
};

TImpostazioniSistema conLinea(std::vector<double> linea) {
    TImpostazioniSistema s = sistema(Labouchere);
    s.linea = std::move(linea);
    return s;
}

TImpostazioniSistema conUnita(TTipoProgressione p, double unita) {
    TImpostazioniSistema s = sistema(p);
    s.unita = unita;
    return s;
}

TEST(Progressioni, PosteECassaSuSequenzeBrevi) {
    const std::vector<CasoProgressione> casi = {
        {"piatta", sistema(Piatta), "WLLW", {1, 1, 1, 1}, {101, 100, 99, 100}},
        {"martingala",
         sistema(Martingala),
         "LLLWLW",
         {1, 2, 4, 8, 1, 2},
         {99, 97, 93, 101, 100, 102}},
        {"martingala, unità 2,5",
         conUnita(Martingala, 2.5),
         "LLW",
         {2.5, 5, 10},
         {97.5, 92.5, 102.5}},
        {"d'alembert",
         sistema(DAlembert),
         "LLWWWL",
         {1, 2, 3, 2, 1, 1},
         {99, 97, 100, 102, 103, 102}},
        {"fibonacci",
         sistema(Fibonacci),
         "LLLLWWWL",
         {1, 1, 2, 3, 5, 2, 1, 1},
         {99, 98, 96, 93, 98, 100, 101, 100}},
        {"fibonacci, unità 2", conUnita(Fibonacci, 2), "LLLW", {2, 2, 4, 6}, {98, 96, 92, 98}},
        // 1 2 3 4 -> 1 2 3 4 5 -> 2 3 4 -> 2 3 4 6 -> 3 4 -> (empty) 1 2 3 4 -> 2 3 -> 1 2 3 4
        {"labouchère",
         sistema(Labouchere),
         "LWLWWWW",
         {5, 6, 6, 8, 7, 5, 5},
         {95, 101, 95, 103, 110, 115, 120}},
        // 1 2 3 -> 2 (a single term is the stake) -> 2 2 -> (empty) 1 2 3
        {"labouchère, termine solo",
         conLinea({1, 2, 3}),
         "WLWW",
         {4, 2, 4, 4},
         {104, 102, 106, 110}},
        {"labouchère, decimali", conLinea({0.5, 1.5}), "LW", {2, 2.5}, {98, 100.5}},
        // The third win in a row takes the profit and starts again from one unit.
        {"paroli",
         sistema(Paroli),
         "WWWWLWL",
         {1, 2, 4, 1, 2, 1, 2},
         {101, 103, 107, 108, 106, 107, 105}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto r = eseguiBacktest(c.impostazioni, giri(c.lettere));
        EXPECT_EQ(posteDallaCurva(100, r.curva), c.poste);
        EXPECT_EQ(r.curva, c.curva);
        EXPECT_EQ(r.puntato, somma(c.poste));
        EXPECT_EQ(r.fine, TFineSessione::Fine);
    }
}

TEST(Puntate, PagamentiDiChanceDozzineENumeri) {
    struct Caso {
        TPuntata puntata;
        std::vector<int> giri;
        std::vector<double> curva;
    };
    const std::vector<Caso> casi = {
        {TPuntata::chance(Nero), {2, 1, 0}, {101, 100, 99}},
        {TPuntata::chance(Pari), {36, 35, 0}, {101, 100, 99}},
        {TPuntata::chance(Dispari), {35, 36}, {101, 100}},
        {TPuntata::chance(Manq), {18, 19}, {101, 100}},
        {TPuntata::chance(Pass), {19, 18}, {101, 100}},
        {TPuntata::chance(Doz1), {12, 13, 0}, {102, 101, 100}},
        {TPuntata::chance(Doz3), {25, 24}, {102, 101}},
        {TPuntata::chance(Col1), {34, 36}, {102, 101}},
        {TPuntata::chance(Col3), {36, 34}, {102, 101}},
        {TPuntata::numero(17), {17, 3, 0}, {135, 134, 133}},
        {TPuntata::numero(0), {0, 1}, {135, 134}},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(::testing::Message() << c.puntata.suNumero << " " << c.puntata.valore);
        TImpostazioniSistema s;
        s.puntata = c.puntata;
        const auto r = eseguiBacktest(s, c.giri);
        EXPECT_EQ(r.curva, c.curva);
        EXPECT_EQ(r.vinte + r.perse, r.puntate);
    }
}

TEST(LimitiDelTavolo, LaProgressioneProsegueDallaPostaRichiesta) {
    // D'Alembert asks 1 2 3 4 5 4 3 2; the maximum cuts every stake above 3.
    TImpostazioniSistema s = sistema(DAlembert);
    s.massimo = 3;
    auto r = eseguiBacktest(s, giri("LLLLWWWW"));
    EXPECT_EQ(posteDallaCurva(100, r.curva), (std::vector<double>{1, 2, 3, 3, 3, 3, 3, 2}));

    // The minimum raises the stakes below it; Martingala doubles what it asked.
    s = sistema(Martingala);
    s.minimo = 2;
    s.massimo = 5;
    r = eseguiBacktest(s, giri("LLLLWL"));
    EXPECT_EQ(posteDallaCurva(100, r.curva), (std::vector<double>{2, 2, 4, 5, 5, 2}));
    EXPECT_EQ(r.puntato, 20);

    // Labouchère appends the stake it asked, not the one the table allowed: with the line 1
    // and a minimum of 3 it asks 1, 2 (1 1), 3 (1 1 2), 4 (1 1 2 3).
    s = conLinea({1});
    s.minimo = 3;
    r = eseguiBacktest(s, giri("LLLL"));
    EXPECT_EQ(posteDallaCurva(100, r.curva), (std::vector<double>{3, 3, 3, 4}));
}

TEST(LaPartage, MezzaPostaPersaSulloZeroDelleChanceSemplici) {
    TImpostazioniSistema s = sistema(Martingala);
    s.partage = true;
    // Half of the stake 1 is lost; the progression treats it as a loss and doubles.
    auto r = eseguiBacktest(s, giri("ZW"));
    EXPECT_EQ(r.curva, (std::vector<double>{99.5, 101.5}));
    EXPECT_EQ(r.perse, 1);
    EXPECT_EQ(r.vinte, 1);
    EXPECT_EQ(r.puntato, 3);

    // Labouchère appends the whole stake, not the half that was lost.
    s = sistema(Labouchere);
    s.partage = true;
    r = eseguiBacktest(s, giri("ZL"));
    EXPECT_EQ(r.curva, (std::vector<double>{97.5, 91.5}));

    // Without the option, or on a dozen or a number, the zero takes the whole stake.
    s = sistema(Piatta);
    EXPECT_EQ(eseguiBacktest(s, giri("Z")).curva, std::vector<double>{99});
    s.partage = true;
    for (TPuntata p : {TPuntata::chance(Doz1), TPuntata::chance(Col2), TPuntata::numero(5)}) {
        s.puntata = p;
        EXPECT_EQ(eseguiBacktest(s, std::vector<int>{0}).curva, std::vector<double>{99});
    }
    // Every even chance has it.
    for (TChance c : {Rosso, Nero, Pari, Dispari, Manq, Pass}) {
        s.puntata = TPuntata::chance(c);
        EXPECT_EQ(eseguiBacktest(s, std::vector<int>{0}).curva, std::vector<double>{99.5});
    }
}

TEST(Fermate, OgniMotivoNellOrdineDeiControlli) {
    struct Caso {
        const char* nome;
        TImpostazioniSistema impostazioni;
        const char* lettere;
        TFineSessione fine;
        std::int64_t puntate;
        double finale, minima, massima;
    };
    const auto con = [](TTipoProgressione p, auto modifica) {
        TImpostazioniSistema s = sistema(p);
        modifica(s);
        return s;
    };
    using enum TFineSessione;
    const std::vector<Caso> casi = {
        {"nessun giro", sistema(Piatta), "", Fine, 0, 100, 100, 100},
        {"giri finiti", sistema(Piatta), "WLW", Fine, 3, 101, 100, 101},
        {"numero di puntate", con(Piatta, [](auto& s) { s.puntateMassime = 2; }), "WWWW", Giri, 2,
         102, 100, 102},
        // With the bets reached and the spins over at the same time, "fine" is checked first.
        {"giri prima di puntate", con(Piatta, [](auto& s) { s.puntateMassime = 2; }), "WW", Fine, 2,
         102, 100, 102},
        {"obiettivo", con(Piatta, [](auto& s) { s.obiettivo = 2; }), "LWWWW", Obiettivo, 4, 102, 99,
         102},
        {"puntate prima dell'obiettivo",
         con(Piatta,
             [](auto& s) {
                 s.obiettivo = 2;
                 s.puntateMassime = 2;
             }),
         "WWW", Giri, 2, 102, 100, 102},
        {"stop loss", con(Piatta, [](auto& s) { s.stopLoss = 2; }), "WLLLL", Stop, 4, 98, 98, 101},
        {"rovina", con(Martingala, [](auto& s) { s.cassa = 3; }), "LLW", Rovina, 2, 0, 0, 3},
        // Bankroll 0 is both the stop-loss and ruin: the stop-loss is checked first.
        {"stop prima della rovina",
         con(Martingala,
             [](auto& s) {
                 s.cassa = 3;
                 s.stopLoss = 3;
             }),
         "LLW", Stop, 2, 0, 0, 3},
        // A stake equal to the bankroll can still be played.
        {"posta pari alla cassa", con(Martingala, [](auto& s) { s.cassa = 7; }), "LLLW", Rovina, 3,
         0, 0, 7},
        {"rovina subito", con(Piatta, [](auto& s) { s.minimo = 10, s.cassa = 5; }), "W", Rovina, 0,
         5, 5, 5},
        {"cassa frazionaria", con(Piatta, [](auto& s) { s.cassa = 1, s.partage = true; }), "ZW",
         Rovina, 1, 0.5, 0.5, 1},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        const auto r = eseguiBacktest(c.impostazioni, giri(c.lettere));
        EXPECT_EQ(r.fine, c.fine);
        EXPECT_EQ(r.puntate, c.puntate);
        EXPECT_EQ(static_cast<std::int64_t>(r.curva.size()), c.puntate);
        EXPECT_EQ(r.cassaFinale, c.finale);
        EXPECT_EQ(r.cassaMinima, c.minima);
        EXPECT_EQ(r.cassaMassima, c.massima);
    }
    EXPECT_EQ(nomeFineSessione(Fine), "fine");
    EXPECT_EQ(nomeFineSessione(Giri), "giri");
    EXPECT_EQ(nomeFineSessione(Obiettivo), "obiettivo");
    EXPECT_EQ(nomeFineSessione(Stop), "stop");
    EXPECT_EQ(nomeFineSessione(Rovina), "rovina");
}

TEST(Fermate, UnaLungaMartingalaSulNumeroNonSuperaMaiIlMassimo) {
    // 2000 losses in a row: the asked stake overflows to infinity, the table still cuts it.
    TImpostazioniSistema s = sistema(Martingala);
    s.puntata = TPuntata::numero(7);
    s.cassa = 1e9;
    for (TTipoProgressione p : {Martingala, Fibonacci, Labouchere}) {
        s.progressione = p;
        const auto r = eseguiBacktest(s, std::vector<int>(2000, 8));
        EXPECT_EQ(r.puntate, 2000);
        EXPECT_LE(r.puntato, 2000 * 1000.0);
        EXPECT_EQ(r.cassaFinale, 1e9 - r.puntato);
    }
}

TEST(Impostazioni, ValoriErratiNominanoIlCampo) {
    struct Caso {
        const char* campo;
        void (*modifica)(TImpostazioniSistema&);
    };
    const Caso casi[] = {
        {"Puntata", [](auto& s) { s.puntata = TPuntata::numero(37); }},
        {"Puntata", [](auto& s) { s.puntata = TPuntata::chance(static_cast<TChance>(13)); }},
        {"Unità", [](auto& s) { s.unita = 0; }},
        {"Unità", [](auto& s) { s.unita = -1; }},
        {"Unità", [](auto& s) { s.unita = std::nan(""); }},
        {"Cassa", [](auto& s) { s.cassa = -0.5; }},
        {"Cassa", [](auto& s) { s.cassa = INFINITY; }},
        {"Minimo del tavolo", [](auto& s) { s.minimo = -1; }},
        {"Massimo del tavolo", [](auto& s) { s.massimo = 0; }},
        {"Minimo del tavolo", [](auto& s) { s.minimo = 5, s.massimo = 4; }},
        {"Obiettivo", [](auto& s) { s.obiettivo = -1; }},
        {"Stop loss", [](auto& s) { s.stopLoss = -1; }},
        {"Numero di puntate", [](auto& s) { s.puntateMassime = -1; }},
        {"Linea Labouchère", [](auto& s) { s.progressione = Labouchere, s.linea.clear(); }},
        {"Linea Labouchère",
         [](auto& s) {
             s.progressione = Labouchere, s.linea = {1, 0};
         }},
        {"Linea Labouchère", [](auto& s) { s.progressione = Labouchere, s.linea = {-2}; }},
    };
    for (const auto& c : casi) {
        TImpostazioniSistema s;
        c.modifica(s);
        const auto errore = validaImpostazioni(s);
        ASSERT_TRUE(errore.has_value()) << c.campo;
        EXPECT_EQ(errore->rfind(c.campo, 0), 0u) << *errore;
        EXPECT_THROW(eseguiBacktest(s, giri("W")), std::invalid_argument) << c.campo;
    }
    // Defaults, zero bankroll, equal limits and a line left empty by another progression are fine.
    TImpostazioniSistema s;
    EXPECT_EQ(validaImpostazioni(s), std::nullopt);
    s.cassa = 0;
    s.minimo = s.massimo = 3;
    s.linea.clear();
    EXPECT_EQ(validaImpostazioni(s), std::nullopt);
    EXPECT_EQ(eseguiBacktest(s, giri("W")).fine, TFineSessione::Rovina);

    EXPECT_THROW(eseguiBacktest(TImpostazioniSistema{}, std::vector<int>{1, 37}),
                 std::out_of_range);
    EXPECT_THROW(eseguiBacktest(TImpostazioniSistema{}, std::vector<int>{-1}), std::out_of_range);
}

TEST(Impostazioni, NomiDellePuntate) {
    for (int c = Rosso; c <= Col3; ++c) {
        const TPuntata p = TPuntata::chance(static_cast<TChance>(c));
        EXPECT_EQ(puntataDaNome(nomePuntata(p)), p) << c;
    }
    for (int n = 0; n < NUMERI; ++n)
        EXPECT_EQ(puntataDaNome(nomePuntata(TPuntata::numero(n))), TPuntata::numero(n));
    EXPECT_EQ(nomePuntata(TPuntata::chance(Doz2)), "Doz 2");
    EXPECT_EQ(nomePuntata(TPuntata::chance(Manq)), "Manq");
    for (const char* errato : {"rosso", "Doz2", "37", "-1", "", "1x"})
        EXPECT_EQ(puntataDaNome(errato), std::nullopt) << errato;
}

TEST(Impostazioni, LetturaDellaLinea) {
    EXPECT_EQ(leggiLinea("1 2 3 4"), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(leggiLinea("  1.5\t2\n"), (std::vector<double>{1.5, 2}));
    EXPECT_EQ(leggiLinea("   "), std::vector<double>{});
    EXPECT_EQ(leggiLinea("1,5"), std::nullopt);
    EXPECT_EQ(leggiLinea("1 due"), std::nullopt);
    EXPECT_EQ(leggiLinea("2x"), std::nullopt);
}

TEST(Backtest, IGiriDellaPartitaSonoQuelliInseriti) {
    TPartita p;
    const std::vector<int> inseriti = {0, 36, 7, 0, 19, 19, 2};
    for (int n : inseriti) inserisciSpin(p, n);
    EXPECT_EQ(giriDellaPartita(p), inseriti);
    // A ribbon line that is no number is no spin.
    auto righe = p.nastroNumeri.comeStringhe();
    righe.insert(righe.begin() + 2, "");
    righe.push_back("37");
    p.nastroNumeri = righe;
    EXPECT_EQ(giriDellaPartita(p), inseriti);
}

} // namespace
} // namespace girolino
