// SPDX-License-Identifier: GPL-3.0-or-later
// girolino-cli in the language of the desktop program: English help, tables and refusals,
// Italian as it was, JSON the same in both.

#include "cli/EseguiCli.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace girolino::prova {
namespace {

using Argomenti = std::vector<std::string>;

const std::string GIRI = "17\n0\n3 5 7\n36\n12\n19\n1\n2\n8\n";

// Words of the program's Italian that never appear in its English, nor in an option's name
// or a JSON field (those stay the same in every language).
const std::set<std::string> PAROLE_ITALIANE = {
    "Uso",    "Opzioni", "Comandi",     "Argomenti",   "Aiuto",      "Mostra",
    "Stampa", "Ritardo", "Sortite",     "Attese",      "Numeri",     "Settori",
    "Cassa",  "Puntate", "Risultato",   "Sessioni",    "Rendimento", "banco",
    "manca",  "vuole",   "sconosciuto", "sconosciuta", "della",      "una",
    "con",    "non",     "sulle",       "predefinita", "predefinito"};

// The words of a text: letters (any UTF-8 byte beyond ASCII counts as one), digits, '_'.
std::set<std::string> parole(const std::string& testo) {
    std::set<std::string> r;
    std::string p;
    for (const char c : testo) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '_' || u >= 0x80) {
            p += c;
        } else if (!p.empty()) {
            r.insert(p);
            p.clear();
        }
    }
    if (!p.empty()) r.insert(p);
    return r;
}

std::size_t caratteri(const std::string& s) {
    std::size_t n = 0;
    for (const char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

class LinguaCli : public CartellaDiProva {
protected:
    void SetUp() override {
        CartellaDiProva::SetUp();
        giri = (cartella / "giri.txt").string();
        scriviByte(giri, GIRI);
    }

    TEsecuzione esegui(const Argomenti& a, const std::vector<std::string>& ambiente) const {
        return eseguiCli(cartella, a, GIRI, ambiente);
    }

    // One run of every command and of the help of each, and some refusals of each.
    std::vector<Argomenti> casi() const {
        const Argomenti sistema = {"--puntata", "rosso", "--progressione", "martingala"};
        Argomenti simula = {"simula", giri},
                  montecarlo = {"montecarlo", "--sessioni", "40", "--giri-sessione",
                                "25",         "--seme",     "3"};
        simula.insert(simula.end(), sistema.begin(), sistema.end());
        montecarlo.insert(montecarlo.end(), sistema.begin(), sistema.end());
        return {
            {"--help"},
            {"stat", "--help"},
            {"simula", "--help"},
            {"montecarlo", "--help"},
            {"stat", giri},
            {"stat", "-", "--vicini", "4"},
            simula,
            montecarlo,
            {},
            {"boh"},
            {"--boh"},
            {"stat"},
            {"stat", "--vicini"},
            {"stat", giri, "--vicini", "9"},
            {"simula", giri, "--puntata", "blu", "--progressione", "piatta"},
            {"simula", giri, "--puntata", "rosso"},
            {"simula", giri, "--puntata", "rosso", "--progressione", "piatta", "--unita", "x"},
            {"montecarlo", "--puntata", "rosso", "--progressione", "piatta", "--sessioni", "0"}};
    }

    std::string giri;
};

// The language is the desktop program's: the choice stored in the user's settings, else
// English when the desktop's first language is English, else Italian.
TEST_F(LinguaCli, SceltaDellaLingua) {
    struct Caso {
        std::vector<std::string> ambiente;
        const char* scelta; // nullptr: nothing stored
        bool inglese;
    };
    const Caso casi[] = {
        {DESKTOP_INGLESE, nullptr, true},
        {{"LANG=en_GB.UTF-8"}, nullptr, true},
        {{"LANG=it_IT.UTF-8", "LANGUAGE=en"}, nullptr, true},
        {DESKTOP_ITALIANO, nullptr, false},
        {{"LANG=de_DE.UTF-8"}, nullptr, false},
        {{"LANG=C"}, nullptr, false},
        {{}, nullptr, false},
        {DESKTOP_ITALIANO, "english", true},
        {DESKTOP_INGLESE, "italiano", false},
        {DESKTOP_INGLESE, "automatica", true},
    };
    const auto impostazioni = casaDiProva(cartella) / ".config" / "Girolino" / "Girolino.conf";
    for (const Caso& c : casi) {
        std::filesystem::remove(impostazioni);
        if (c.scelta) {
            std::filesystem::create_directories(impostazioni.parent_path());
            scriviByte(impostazioni, std::string("[General]\nlingua=") + c.scelta + "\n");
        }
        const TEsecuzione e = esegui({"--help"}, c.ambiente);
        SCOPED_TRACE((c.ambiente.empty() ? "(none)" : c.ambiente.front()) + " " +
                     (c.scelta ? c.scelta : "-"));
        ASSERT_EQ(e.stato, 0) << e.errori;
        EXPECT_EQ(e.uscita.rfind(c.inglese ? "Girolino on the command line"
                                           : "Girolino da riga di comando",
                                 0),
                  0u)
            << e.uscita;
    }
}

// In English no word of the Italian is left in what the program itself writes, and the
// same run in Italian still reads as before.
TEST_F(LinguaCli, IngleseSenzaParoleItaliane) {
    for (const Argomenti& a : casi()) {
        std::string riga;
        for (const auto& x : a) riga += x + " ";
        SCOPED_TRACE(riga);
        const TEsecuzione it = esegui(a, DESKTOP_ITALIANO);
        const TEsecuzione en = esegui(a, DESKTOP_INGLESE);
        EXPECT_EQ(en.stato, it.stato);
        EXPECT_EQ(en.uscita.empty(), it.uscita.empty());
        EXPECT_EQ(en.errori.empty(), it.errori.empty());
        for (const std::string& p : parole(en.uscita + en.errori))
            EXPECT_EQ(PAROLE_ITALIANE.count(p), 0u) << p << " in:\n" << en.uscita << en.errori;
        std::size_t italiane = 0;
        for (const std::string& p : parole(it.uscita + it.errori))
            italiane += PAROLE_ITALIANE.count(p);
        EXPECT_GT(italiane, 0u) << it.uscita << it.errori;
    }
}

// Italian, text for text, in lines the other tests do not read whole.
TEST_F(LinguaCli, ItalianoComePrima) {
    const TEsecuzione s = esegui(
        {"simula", giri, "--puntata", "rosso", "--progressione", "martingala"}, DESKTOP_ITALIANO);
    EXPECT_EQ(s.uscita, "Puntate: 11 (vinte 7, perse 4)\n"
                        "Puntato: 16\n"
                        "Cassa: iniziale 100, finale 104, minima 97, massima 107\n"
                        "Risultato: 4\n"
                        "Fine: fine\n"
                        "Nessuna progressione cambia il vantaggio del banco: nel lungo periodo "
                        "si perde 1/37 (2.70 %) di ogni unità puntata.\n");
    const TEsecuzione m = esegui({"montecarlo", "--puntata", "rosso", "--progressione", "paroli",
                                  "--sessioni", "50", "--giri-sessione", "30", "--seme", "7"},
                                 DESKTOP_ITALIANO);
    EXPECT_EQ(m.uscita.substr(0, m.uscita.find("Nessuna")),
              "Sessioni: 50 di al più 30 giri (seme 7)\n"
              "Risultato: medio -0.8, mediano -1, 5° percentile -18, 95° percentile 17\n"
              "Sessioni finite per obiettivo: 0.00 %, per stop: 0.00 %, per rovina: 0.00 %\n"
              "Rendimento per unità puntata: -1.58 %\n");
    const TEsecuzione t = esegui({"stat", giri}, DESKTOP_ITALIANO);
    for (const char* atteso :
         {"Giri: 11\n\nNumeri\n                     Ritardo   Max Rit   Sortite    Attese"
          "         z  Prob. Max Rit\n0                          9         1         1       0.3"
          "      1.31        100.0 %\n",
          "\nArchi di vicini ±2\n",
          "\nTest del chi quadro sui 37 numeri\nX² = 26.000 con 36 gradi di libertà\n",
          "\nProb. Max Rit: probabilità che una ruota equa dia, in 11 giri, un'assenza lunga "
          "almeno quanto il Max Rit.\nI giri passati non dicono nulla sul prossimo.\n"})
        EXPECT_NE(t.uscita.find(atteso), std::string::npos) << atteso;
    const TEsecuzione e = esegui({"stat", giri, "--vicini", "9"}, DESKTOP_ITALIANO);
    EXPECT_EQ(e.errori, "girolino-cli stat: --vicini vuole un numero intero da 1 a 4, non '9'.\n"
                        "Aiuto: girolino-cli stat --help\n");
    const TEsecuzione u = esegui({"simula", giri, "--puntata", "rosso", "--progressione", "piatta",
                                  "--minimo", "5", "--massimo", "2"},
                                 DESKTOP_ITALIANO);
    EXPECT_EQ(u.errori, "girolino-cli simula: --minimo: non può superare il massimo del tavolo.\n");
}

// The JSON documents are data: the same bytes whatever the language.
TEST_F(LinguaCli, JsonUgualeInOgniLingua) {
    for (const Argomenti& a :
         {Argomenti{"stat", giri, "--json"},
          Argomenti{"simula", giri, "--puntata", "nero", "--progressione", "paroli", "--json"},
          Argomenti{"montecarlo", "--puntata", "7", "--progressione", "piatta", "--sessioni", "30",
                    "--giri-sessione", "20", "--seme", "5", "--json"}}) {
        const TEsecuzione it = esegui(a, DESKTOP_ITALIANO);
        const TEsecuzione en = esegui(a, DESKTOP_INGLESE);
        ASSERT_EQ(it.stato, 0) << it.errori;
        EXPECT_FALSE(it.uscita.empty());
        EXPECT_EQ(en.uscita, it.uscita);
    }
}

// English headings are longer than the Italian: each section of the table stays aligned,
// every row as wide as its headings and the values right under them.
TEST_F(LinguaCli, TabellaIngleseAllineata) {
    const TEsecuzione e = esegui({"stat", giri}, DESKTOP_INGLESE);
    ASSERT_EQ(e.stato, 0) << e.errori;
    std::istringstream righe(e.uscita);
    std::string riga, intestazione;
    int sezioni = 0, controllate = 0;
    while (std::getline(righe, riga)) {
        if (riga.rfind("    ", 0) == 0) { // the headings begin under the names' column
            intestazione = riga;
            ++sezioni;
            continue;
        }
        if (riga.empty()) intestazione.clear();
        if (intestazione.empty()) continue;
        EXPECT_EQ(caratteri(riga), caratteri(intestazione)) << riga;
        EXPECT_EQ(riga.back(), '%'); // the last value ends where its heading ends
        ++controllate;
    }
    EXPECT_EQ(sezioni, 4);
    EXPECT_EQ(controllate, 37 + 12 + 4 + 37);
    EXPECT_NE(e.uscita.find("   Delay"), std::string::npos) << e.uscita;
}

} // namespace
} // namespace girolino::prova
