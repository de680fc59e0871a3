// girolino-cli simula and montecarlo, run as a user runs them.

#include "cli/EseguiCli.h"

#include "engine/Backtest.h"
#include "engine/GeneratoreGiri.h"
#include "engine/Giocata.h"
#include "engine/MonteCarlo.h"
#include "gamefile/Cartelle.h"
#include "gamefile/FilePartita.h"
#include "gamefile/SalvaPartita.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <string>
#include <vector>

namespace girolino {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

class CliSimula : public prova::CartellaDiProva {
protected:
    prova::TEsecuzione esegui(const std::vector<std::string>& argomenti,
                              const std::string& ingresso = "") const {
        return prova::eseguiCli(cartella, argomenti, ingresso);
    }
};
using CliMonteCarlo = CliSimula;

struct CasoSistema {
    std::vector<std::string> opzioni;
    TImpostazioniSistema impostazioni;
};

std::vector<CasoSistema> casiSistema() {
    using enum TTipoProgressione;
    const auto con = [](auto modifica) {
        TImpostazioniSistema s;
        modifica(s);
        return s;
    };
    return {
        {{"--puntata", "rosso", "--progressione", "martingala"},
         con([](auto& s) { s.progressione = Martingala; })},
        {{"--puntata", "pari", "--progressione", "dalembert", "--partage", "--obiettivo", "20",
          "--stop", "30.5"},
         con([](auto& s) {
             s.puntata = TPuntata::chance(Pari);
             s.progressione = DAlembert;
             s.partage = true;
             s.obiettivo = 20;
             s.stopLoss = 30.5;
         })},
        {{"--puntata", "DOZ2", "--progressione", "fibonacci", "--unita", "2.5", "--minimo", "5",
          "--massimo", "40", "--cassa", "250"},
         con([](auto& s) {
             s.puntata = TPuntata::chance(Doz2);
             s.progressione = Fibonacci;
             s.unita = 2.5;
             s.minimo = 5;
             s.massimo = 40;
             s.cassa = 250;
         })},
        {{"--puntata", "manq", "--progressione", "labouchere", "--linea", "2 1.5 3", "--giri",
          "150", "--partage"},
         con([](auto& s) {
             s.puntata = TPuntata::chance(Manq);
             s.progressione = Labouchere;
             s.linea = {2, 1.5, 3};
             s.puntateMassime = 150;
             s.partage = true;
         })},
        {{"--puntata", "17", "--progressione", "paroli", "--cassa", "60"}, con([](auto& s) {
             s.puntata = TPuntata::numero(17);
             s.progressione = Paroli;
             s.cassa = 60;
         })},
        {{"--puntata", "col3", "--progressione", "piatta", "--unita", "0.1", "--minimo", "0"},
         con([](auto& s) {
             s.puntata = TPuntata::chance(Col3);
             s.unita = 0.1;
             s.minimo = 0;
         })},
    };
}

TEST_F(CliSimula, JsonUgualeAlBacktestDelMotore) {
    std::vector<int> giri;
    TGeneratoreGiri g(11, 0);
    std::string elenco;
    for (int i = 0; i < 600; ++i) {
        giri.push_back(g.prossimo());
        elenco += std::to_string(giri.back()) + (i % 10 == 9 ? "\n" : " ");
    }
    const fs::path file = cartella / "giri.txt";
    prova::scriviByte(file, elenco);

    for (const auto& c : casiSistema()) {
        std::vector<std::string> argomenti = {"simula", file.string(), "--json"};
        argomenti.insert(argomenti.end(), c.opzioni.begin(), c.opzioni.end());
        SCOPED_TRACE(c.opzioni[1] + " " + c.opzioni[3]);
        const auto e = esegui(argomenti);
        ASSERT_EQ(e.stato, 0) << e.errori;
        EXPECT_EQ(e.errori, "");
        const Json j = Json::parse(e.uscita);
        const auto r = eseguiBacktest(c.impostazioni, giri);
        EXPECT_EQ(j.at("puntate").get<std::int64_t>(), r.puntate);
        EXPECT_EQ(j.at("vinte").get<std::int64_t>(), r.vinte);
        EXPECT_EQ(j.at("perse").get<std::int64_t>(), r.perse);
        EXPECT_EQ(j.at("puntato").get<double>(), r.puntato);
        EXPECT_EQ(j.at("cassa_finale").get<double>(), r.cassaFinale);
        EXPECT_EQ(j.at("cassa_minima").get<double>(), r.cassaMinima);
        EXPECT_EQ(j.at("cassa_massima").get<double>(), r.cassaMassima);
        EXPECT_EQ(j.at("fine").get<std::string>(), nomeFineSessione(r.fine));
        EXPECT_EQ(j.at("curva").get<std::vector<double>>(), r.curva);
        EXPECT_GT(r.puntate, 0);
    }
}

TEST_F(CliSimula, ElencoDalloStandardInputETestoLeggibile) {
    const std::vector<std::string> base = {"simula",         "-",         "--puntata", "rosso",
                                           "--progressione", "martingala"};
    auto argomenti = base;
    argomenti.push_back("--json");
    auto e = esegui(argomenti, "1 2 3\n0 5\n");
    ASSERT_EQ(e.stato, 0) << e.errori;
    EXPECT_EQ(Json::parse(e.uscita),
              Json::parse(R"({"puntate":5,"vinte":3,"perse":2,"puntato":7.0,"cassa_finale":103.0,
                              "cassa_minima":100.0,"cassa_massima":103.0,"fine":"fine",
                              "curva":[101.0,100.0,102.0,101.0,103.0]})"));

    e = esegui(base, "1 2 3\n0 5\n");
    ASSERT_EQ(e.stato, 0) << e.errori;
    EXPECT_NE(e.uscita.find("Puntate: 5 (vinte 3, perse 2)"), std::string::npos) << e.uscita;
    EXPECT_NE(e.uscita.find("finale 103"), std::string::npos) << e.uscita;
    EXPECT_NE(e.uscita.find("vantaggio del banco"), std::string::npos) << e.uscita;
}

TEST_F(CliSimula, PartitaSalvata) {
    const std::vector<int> giri = {0, 5, 17, 32, 1, 1, 0, 26, 13, 8, 36, 2, 19, 0, 4};
    TPartita p;
    for (int n : giri) inserisciSpin(p, n);
    const fs::path base = cartella / "base";
    const fs::path file = cartellaSalvati(base) / "serata.fvr";
    fs::create_directories(file.parent_path());
    ASSERT_TRUE(salvaPartita(file, componiFilePartita(p, testiDallaPartita(p)), p));

    TImpostazioniSistema s;
    s.progressione = TTipoProgressione::Fibonacci;
    s.puntata = TPuntata::chance(Nero);
    const auto e = esegui(
        {"simula", file.string(), "--json", "--puntata", "nero", "--progressione", "fibonacci"});
    ASSERT_EQ(e.stato, 0) << e.errori;
    const auto r = eseguiBacktest(s, giri);
    EXPECT_EQ(Json::parse(e.uscita).at("curva").get<std::vector<double>>(), r.curva);
    EXPECT_EQ(Json::parse(e.uscita).at("puntate").get<std::int64_t>(), 15);
}

TEST_F(CliMonteCarlo, JsonUgualeAlMotoreConOgniNumeroDiThread) {
    const CasoSistema c = casiSistema()[1];
    std::vector<std::string> argomenti = {"montecarlo",      "--json", "--sessioni", "3001",
                                          "--giri-sessione", "400",    "--seme",     "77"};
    argomenti.insert(argomenti.end(), c.opzioni.begin(), c.opzioni.end());
    const auto e = esegui(argomenti);
    ASSERT_EQ(e.stato, 0) << e.errori;
    const Json j = Json::parse(e.uscita);

    TParametriMonteCarlo p;
    p.sessioni = 3001;
    p.giriPerSessione = 400;
    p.seme = 77;
    const auto r = eseguiMonteCarlo(c.impostazioni, p);
    EXPECT_EQ(j.at("sessioni").get<std::int64_t>(), 3001);
    EXPECT_EQ(j.at("media").get<double>(), r->media);
    EXPECT_EQ(j.at("mediana").get<double>(), r->mediana);
    EXPECT_EQ(j.at("p5").get<double>(), r->p5);
    EXPECT_EQ(j.at("p95").get<double>(), r->p95);
    EXPECT_EQ(j.at("obiettivo").get<double>(), r->quotaObiettivo);
    EXPECT_EQ(j.at("stop").get<double>(), r->quotaStop);
    EXPECT_EQ(j.at("rovina").get<double>(), r->quotaRovina);
    EXPECT_EQ(j.at("rendimento").get<double>(), *r->rendimento);
    EXPECT_EQ(j.size(), 9u);

    for (const char* t : {"1", "3"}) {
        auto conThread = argomenti;
        conThread.insert(conThread.end(), {"--thread", t});
        EXPECT_EQ(esegui(conThread).uscita, e.uscita) << t << " thread";
    }

    // Every session ruined before betting: nothing staked, no return.
    const auto rovina =
        esegui({"montecarlo", "--json", "--puntata", "nero", "--progressione", "piatta", "--cassa",
                "0", "--sessioni", "5", "--giri-sessione", "9", "--seme", "1"});
    ASSERT_EQ(rovina.stato, 0) << rovina.errori;
    EXPECT_TRUE(Json::parse(rovina.uscita).at("rendimento").is_null());
    EXPECT_EQ(Json::parse(rovina.uscita).at("rovina").get<double>(), 1.0);
}

TEST_F(CliSimula, RifiutiInItaliano) {
    const fs::path file = cartella / "pochi.txt";
    prova::scriviByte(file, "1 2 3\n");
    const std::string f = file.string();
    struct Caso {
        std::vector<std::string> argomenti;
        const char* messaggio;
    };
    const std::vector<Caso> casi = {
        {{"simula", f, "--progressione", "piatta"}, "manca --puntata"},
        {{"simula", f, "--puntata", "rosso"}, "manca --progressione"},
        {{"simula", "--puntata", "rosso", "--progressione", "piatta"}, "manca FILE"},
        {{"simula", f, "--puntata", "blu", "--progressione", "piatta"}, "--puntata vuole"},
        {{"simula", f, "--puntata", "37", "--progressione", "piatta"}, "--puntata vuole"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "raddoppio"},
         "--progressione vuole"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "piatta", "--cassa", "cento"},
         "--cassa vuole un numero"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "piatta", "--unita", "1,5"},
         "--unita vuole un numero"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "piatta", "--cassa", "-5"},
         "--cassa: deve essere"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "piatta", "--unita", "0"},
         "--unita: deve essere"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "piatta", "--minimo", "10",
          "--massimo", "5"},
         "--minimo: non può superare"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "piatta", "--giri", "2.5"},
         "--giri vuole"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "labouchere", "--linea", ""},
         "--linea: scrivere almeno un numero"},
        {{"simula", f, "--puntata", "rosso", "--progressione", "labouchere", "--linea", "1 a"},
         "--linea vuole"},
        {{"simula", (cartella / "manca.txt").string(), "--puntata", "rosso", "--progressione",
          "piatta"},
         "manca.txt"},
        {{"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--giri-sessione", "5",
          "--seme", "1"},
         "manca --sessioni"},
        {{"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--sessioni", "1000001",
          "--giri-sessione", "5", "--seme", "1"},
         "--sessioni vuole"},
        {{"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--sessioni", "5",
          "--giri-sessione", "100001", "--seme", "1"},
         "--giri-sessione vuole"},
        {{"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--sessioni", "5",
          "--giri-sessione", "5"},
         "manca --seme"},
        {{"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--sessioni", "5",
          "--giri-sessione", "5", "--seme", "-1"},
         "--seme vuole"},
        {{"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--sessioni", "5",
          "--giri-sessione", "5", "--seme", "1", "--thread", "0"},
         "--thread vuole"},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.messaggio);
        const auto e = esegui(c.argomenti);
        EXPECT_EQ(e.stato, 2);
        EXPECT_EQ(e.uscita, "");
        EXPECT_NE(e.errori.find(c.messaggio), std::string::npos) << e.errori;
    }
}

} // namespace
} // namespace girolino
