// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EseguiCli.h"

#include "engine/Annulla.h"
#include "engine/Giocata.h"
#include "engine/Statistiche.h"
#include "gamefile/FilePartita.h"
#include "gamefile/SalvaPartita.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <sstream>

namespace girolino::prova {
namespace {

using json = nlohmann::ordered_json; // keeps the order of the keys as printed

// The entities of the statistics, written out from the table and the wheel.
struct TEntita {
    std::string nome;
    std::set<int> numeri;
};

constexpr int RUOTA[37] = {0, 32, 15, 19, 4, 21, 2,  25, 17, 34, 6,  27, 13, 36, 11, 30, 8, 23, 10,
                           5, 24, 16, 33, 1, 20, 14, 31, 9,  22, 18, 29, 7,  28, 12, 35, 3, 26};
const std::set<int> ROSSI = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

std::set<int> da(int primo, int ultimo, int passo = 1) {
    std::set<int> s;
    for (int n = primo; n <= ultimo; n += passo) s.insert(n);
    return s;
}

std::vector<TEntita> numeri() {
    std::vector<TEntita> v;
    for (int n = 0; n <= 36; ++n) v.push_back({std::to_string(n), {n}});
    return v;
}

std::vector<TEntita> chance() {
    std::set<int> neri;
    for (int n = 1; n <= 36; ++n)
        if (!ROSSI.count(n)) neri.insert(n);
    return {{"Rosso", ROSSI},          {"Nero", neri},          {"Pari", da(2, 36, 2)},
            {"Dispari", da(1, 35, 2)}, {"Manq", da(1, 18)},     {"Pass", da(19, 36)},
            {"Doz 1", da(1, 12)},      {"Doz 2", da(13, 24)},   {"Doz 3", da(25, 36)},
            {"Col 1", da(1, 34, 3)},   {"Col 2", da(2, 35, 3)}, {"Col 3", da(3, 36, 3)}};
}

std::vector<TEntita> settori() {
    return {{"Voisins du zéro", {22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25}},
            {"Tiers du cylindre", {27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33}},
            {"Orphelins", {17, 34, 6, 1, 20, 14, 31, 9}},
            {"Jeu zéro", {12, 35, 3, 26, 0, 32, 15}}};
}

std::vector<TEntita> archi(int k) {
    std::vector<TEntita> v;
    for (int i = 0; i < 37; ++i) {
        TEntita e{std::to_string(RUOTA[i]) + " ±" + std::to_string(k), {}};
        for (int d = -k; d <= k; ++d) e.numeri.insert(RUOTA[(i + d + 37) % 37]);
        v.push_back(e);
    }
    return v;
}

// Every row of a section against the entity counted from the spins.
void controllaSezione(const json& righe, const std::vector<TEntita>& attese,
                      const std::vector<int>& spins) {
    ASSERT_EQ(righe.size(), attese.size());
    const auto n = static_cast<std::int64_t>(spins.size());
    for (std::size_t i = 0; i < attese.size(); ++i) {
        const TEntita& e = attese[i];
        const json& r = righe[i];
        SCOPED_TRACE(e.nome);
        int ritardo = 0, massimo = 0, sortite = 0;
        for (int s : spins) {
            ++ritardo;
            if (e.numeri.count(s)) {
                ++sortite;
                massimo = std::max(massimo, ritardo - 1);
                ritardo = 0;
            }
        }
        const double p = static_cast<double>(e.numeri.size()) / 37;
        EXPECT_EQ(r.at("nome"), e.nome);
        EXPECT_EQ(r.at("ritardo"), ritardo);
        EXPECT_EQ(r.at("max_ritardo"), massimo);
        EXPECT_EQ(r.at("sortite"), sortite);
        EXPECT_DOUBLE_EQ(r.at("attese").get<double>(), static_cast<double>(n) * p);
        const double z = n == 0 ? 0 : (sortite - n * p) / std::sqrt(n * p * (1 - p));
        EXPECT_NEAR(r.at("z").get<double>(), z, 1e-12);
        EXPECT_DOUBLE_EQ(r.at("p_max_ritardo").get<double>(),
                         probabilitaRitardoAlmeno(n, p, massimo));
        EXPECT_EQ(r.size(), 7u);
    }
}

std::vector<int> casuali(int quanti, unsigned seme) {
    std::mt19937 caso(seme);
    std::vector<int> v;
    for (int i = 0; i < quanti; ++i) v.push_back(static_cast<int>(caso() % 37));
    return v;
}

std::string elenco(const std::vector<int>& spins) {
    std::string s = "# giri\n";
    for (int n : spins) s += std::to_string(n) + "\n";
    return s;
}

class Stat : public CartellaDiProva {
protected:
    json statJson(const std::vector<std::string>& argomenti, const std::string& ingresso = "") {
        const TEsecuzione e = eseguiCli(cartella, argomenti, ingresso);
        EXPECT_EQ(e.stato, 0) << e.errori;
        EXPECT_EQ(e.errori, "");
        return json::parse(e.uscita);
    }
    std::filesystem::path scriviElenco(const std::vector<int>& spins) {
        const auto f = cartella / "giri.txt";
        scriviByte(f, elenco(spins));
        return f;
    }
};

TEST_F(Stat, OgniCampoComeUnModelloIndipendente) {
    const auto spins = casuali(1000, 7);
    const auto file = scriviElenco(spins).string();
    for (int k : {0, 1, 3, 4}) { // 0: the default width, 2
        SCOPED_TRACE(k);
        std::vector<std::string> argomenti = {"stat", file, "--json"};
        if (k) argomenti.insert(argomenti.end(), {"--vicini", std::to_string(k)});
        const json j = statJson(argomenti);
        ASSERT_TRUE(j.is_object());
        std::vector<std::string> chiavi;
        for (const auto& [chiave, valore] : j.items()) chiavi.push_back(chiave);
        EXPECT_EQ(chiavi, (std::vector<std::string>{"giri", "numeri", "chance", "settori", "archi",
                                                    "chi_quadro"}));
        EXPECT_EQ(j.at("giri"), 1000);
        controllaSezione(j.at("numeri"), numeri(), spins);
        controllaSezione(j.at("chance"), chance(), spins);
        controllaSezione(j.at("settori"), settori(), spins);
        controllaSezione(j.at("archi"), archi(k ? k : 2), spins);

        double x2 = 0;
        for (int n = 0; n <= 36; ++n) {
            const double o = static_cast<double>(std::count(spins.begin(), spins.end(), n));
            x2 += (o - 1000 / 37.0) * (o - 1000 / 37.0) / (1000 / 37.0);
        }
        const json& c = j.at("chi_quadro");
        EXPECT_NEAR(c.at("valore").get<double>(), x2, 1e-9);
        EXPECT_EQ(c.at("gradi_liberta"), 36);
        EXPECT_NEAR(c.at("p").get<double>(), pValoreChiQuadro(x2, 36), 1e-12);
    }
}

TEST_F(Stat, StandardInputComeUnFile) {
    const auto spins = casuali(300, 11);
    const auto daFile = eseguiCli(cartella, {"stat", scriviElenco(spins).string()});
    const auto daIngresso = eseguiCli(cartella, {"stat", "-"}, elenco(spins));
    EXPECT_EQ(daIngresso.stato, 0) << daIngresso.errori;
    EXPECT_EQ(daIngresso.uscita, daFile.uscita);
    EXPECT_NE(daIngresso.uscita.find("Giri: 300\n"), std::string::npos);
    // "--" ends the options: what follows is FILE even when it starts with '-'.
    EXPECT_EQ(eseguiCli(cartella, {"stat", "--", "-"}, elenco(spins)).uscita, daFile.uscita);
}

TEST_F(Stat, PValoreSoloDa185Giri) {
    auto spins = casuali(185, 3);
    EXPECT_TRUE(
        statJson({"stat", "-", "--json"}, elenco(spins)).at("chi_quadro").at("p").is_number());
    spins.pop_back();
    const json j = statJson({"stat", "-", "--json"}, elenco(spins));
    EXPECT_TRUE(j.at("chi_quadro").at("p").is_null());
    EXPECT_GT(j.at("chi_quadro").at("valore").get<double>(), 0);
}

// Full digits: the double read back is the double computed, not a rounded print of it.
TEST_F(Stat, NumeriConTutteLeCifre) {
    const json j = statJson({"stat", "-", "--json"}, "1 2 3 4 5 6 7\n");
    EXPECT_EQ(j.at("numeri")[0].at("attese").get<double>(), 7 * (1.0 / 37));
    EXPECT_EQ(j.at("settori")[0].at("attese").get<double>(), 7 * (17.0 / 37));
    EXPECT_EQ(j.at("numeri")[1].at("z").get<double>(), punteggioZ(1, 7, 1.0 / 37));
}

// A saved game shows the counters it was saved with: an undone spin leaves its number's
// record, which a replay of the ribbon would not give; sectors and arcs follow the ribbon.
TEST_F(Stat, PartitaSalvataComeIlProgrammaLaApre) {
    std::vector<int> spins = {5};
    for (int i = 0; i < 20; ++i) spins.push_back(10 + i % 7);
    spins.push_back(5);
    spins.push_back(0);
    TPartita p;
    auto entra = [&p](int n) { inserisciSpin(p, n); };
    for (std::size_t i = 0; i + 2 < spins.size(); ++i) entra(spins[i]);
    entra(5);
    annullaSpin(p); // 5 keeps the record of 20 its hit gave it
    entra(0);
    spins.erase(spins.end() - 2);
    ASSERT_EQ(p.numeri[5].maxRitardo, 20);

    const auto salvati = cartella / "salvati";
    std::filesystem::create_directories(salvati);
    const auto file = salvati / "tavolo.fvr";
    ASSERT_TRUE(salvaPartita(file, componiFilePartita(p, testiDallaPartita(p)), p));

    const json partita = statJson({"stat", file.string(), "--json", "--vicini", "1"});
    const json lista = statJson({"stat", scriviElenco(spins).string(), "--json", "--vicini", "1"});
    EXPECT_EQ(partita.at("giri"), spins.size());
    EXPECT_EQ(partita.at("numeri")[5].at("max_ritardo"), 20);
    EXPECT_EQ(lista.at("numeri")[5].at("max_ritardo"), 0);
    json senza5 = partita, lista5 = lista;
    senza5["numeri"].erase(5);
    lista5["numeri"].erase(5);
    EXPECT_EQ(senza5, lista5);
    controllaSezione(partita.at("settori"), settori(), spins);
    controllaSezione(partita.at("archi"), archi(1), spins);

    // Its ribbons gone: refused, naming what is missing.
    std::filesystem::remove_all(salvati / "files");
    const auto e = eseguiCli(cartella, {"stat", file.string()});
    EXPECT_EQ(e.stato, 2);
    EXPECT_EQ(e.uscita, "");
    EXPECT_NE(e.errori.find("Manca il nastro"), std::string::npos) << e.errori;
}

TEST_F(Stat, RifiutiInItalianoSulloStandardError) {
    scriviByte(cartella / "cattivo.txt", "1\n2\n# nota\n00\n");
    scriviByte(cartella / "finta.fvr", "non una partita\n");
    const std::string cattivo = (cartella / "cattivo.txt").string();
    const std::string manca = (cartella / "manca.txt").string();
    struct Caso {
        std::vector<std::string> argomenti;
        std::string ingresso, messaggio;
    };
    for (const auto& c : std::vector<Caso>{
             {{}, "", "manca il comando"},
             {{"statistiche"}, "", "comando sconosciuto 'statistiche'"},
             {{"--verboso", "stat", "-"}, "1", "opzione sconosciuta '--verboso'"},
             {{"stat"}, "", "manca FILE"},
             {{"stat", "-", "--csv"}, "1", "opzione sconosciuta '--csv'"},
             {{"stat", "-", "altro"}, "1", "argomento in più 'altro'"},
             {{"stat", "-", "--vicini"}, "1", "--vicini vuole un valore"},
             {{"stat", "-", "--vicini", "0"}, "1", "da 1 a 4, non '0'"},
             {{"stat", "-", "--vicini", "5"}, "1", "da 1 a 4, non '5'"},
             {{"stat", "-", "--vicini=2x"}, "1", "da 1 a 4, non '2x'"},
             {{"stat", manca}, "", manca},
             {{"stat", cattivo}, "", "Riga 4: '00'"},
             {{"stat", "-"}, "3 4\n\n37\n", "Riga 3: '37'"},
             {{"stat", "-"}, "# niente\n", "Nessun numero"},
             {{"stat", (cartella / "finta.fvr").string()}, "", "non è valido"},
         }) {
        std::string tutti;
        for (const auto& a : c.argomenti) tutti += a + " ";
        SCOPED_TRACE(tutti);
        const TEsecuzione e = eseguiCli(cartella, c.argomenti, c.ingresso);
        EXPECT_EQ(e.stato, 2);
        EXPECT_EQ(e.uscita, "");
        EXPECT_NE(e.errori.find(c.messaggio), std::string::npos) << e.errori;
        EXPECT_EQ(e.errori.rfind("girolino-cli", 0), 0u) << e.errori;
    }
    // The wrong list names itself, the line is that of the text.
    EXPECT_NE(eseguiCli(cartella, {"stat", cattivo}).errori.find(cattivo), std::string::npos);
}

TEST_F(Stat, TabellaLeggibileEAiuto) {
    const TEsecuzione t = eseguiCli(cartella, {"stat", "-", "--vicini", "4"}, "17\n0\n3 5 7\n36\n");
    ASSERT_EQ(t.stato, 0) << t.errori;
    EXPECT_EQ(t.errori, "");
    const std::string pochiGiri(GIUDIZIO_POCHI_GIRI);
    for (const char* atteso :
         {"Giri: 6\n", "Ritardo", "Max Rit", "Sortite", "Attese", "Prob. Max Rit",
          "Voisins du zéro", "Doz 2", "0 ±4", "26 ±4", pochiGiri.c_str()})
        EXPECT_NE(t.uscita.find(atteso), std::string::npos) << atteso;
    // Columns line up whatever the bytes of a name: the row of "Jeu zéro" is as wide as others.
    std::istringstream righe(t.uscita);
    std::string riga, jeu, orphelins;
    while (std::getline(righe, riga)) {
        if (riga.rfind("Jeu zéro", 0) == 0) jeu = riga;
        if (riga.rfind("Orphelins", 0) == 0) orphelins = riga;
    }
    EXPECT_EQ(jeu.size(), orphelins.size() + 1); // "é" is two bytes

    for (const std::vector<std::string>& a :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"stat", "--help"}}) {
        const TEsecuzione h = eseguiCli(cartella, a);
        EXPECT_EQ(h.stato, 0);
        EXPECT_EQ(h.errori, "");
        EXPECT_NE(h.uscita.find("stat"), std::string::npos);
    }
    const std::string aiuto = eseguiCli(cartella, {"stat", "--help"}).uscita;
    for (const char* atteso : {"--json", "--vicini", ".fvr", "185", "p_max_ritardo", "null"})
        EXPECT_NE(aiuto.find(atteso), std::string::npos) << atteso;
}

} // namespace
} // namespace girolino::prova
