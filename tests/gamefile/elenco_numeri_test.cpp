// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/ElencoNumeri.h"
#include "gamefile/PartitaDiProva.h"
#include "gamefile/TestoFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace girolino;
using namespace girolino::prova;
using Numeri = std::vector<std::uint8_t>;

namespace {

std::string ripeti(std::string_view riga, std::size_t volte) {
    std::string r;
    r.reserve(riga.size() * volte);
    for (std::size_t i = 0; i < volte; ++i) r += riga;
    return r;
}

TEST(ElencoNumeri, LeggeOgniFormaDiElenco) {
    struct Caso {
        const char* nome;
        std::string testo;
        Numeri numeri;
    };
    const Caso casi[] = {
        {"uno per riga", "17\n5\n0\n", {17, 5, 0}},
        {"ultima riga senza a capo", "17\n5", {17, 5}},
        {"piu' per riga, separatori ripetuti",
         "17 5\t0\n1,2;3\n 4 ,, ;\t5 \n",
         {17, 5, 0, 1, 2, 3, 4, 5}},
        {"zeri iniziali", "07 036 0", {7, 36, 0}},
        {"BOM",
         "\xEF\xBB\xBF"
         "3\n4\n",
         {3, 4}},
        {"CR LF", "1\r\n2\r\n\r\n3", {1, 2, 3}},
        {"CR", "1\r2\r\r3\r", {1, 2, 3}},
        {"commenti e righe vuote", "# storico\n\n   \n  # rientrato\n12\n#13\n", {12}},
        {"virgolette", "\"17\",\"5\" \"\"", {17, 5}},
        {"spazio unificatore UTF-8",
         "1\xC2\xA0"
         "2",
         {1, 2}},
        {"spazio unificatore Latin-1",
         "1\xA0"
         "2",
         {1, 2}},
        {"commento Latin-1", "# \xE9lenco\n9", {9}},
        {"UTF-16 LE",
         std::string("\xFF\xFE"
                     "1\0\n\0"
                     "2\0",
                     8),
         {1, 2}},
        {"UTF-16 BE",
         std::string("\xFE\xFF\0"
                     "3\0\n\0"
                     "4",
                     8),
         {3, 4}},
        {"UTF-16 LE senza BOM",
         std::string("3\0\r\0\n\0"
                     "6\0",
                     8),
         {3, 6}},
        {"intestazione virgola", "giro,numero,colore\n1,17,nero\n2,0,verde\n", {17, 0}},
        {"intestazione punto e virgola tra virgolette",
         "\"Data\";\" Numero \"\n\"11/12/2026\";\" 05 \"\n",
         {5}},
        {"intestazione tabulazione", "Spin\tWinning Number\n1\t32\n2\t\"8\"\n", {32, 8}},
        {"separatore tra virgolette", "data,numero\n\"11 dic, 2026\",8\n", {8}},
        {"solo colonna", "NUMBERS\n4\n5\n", {4, 5}},
        {"Result", "Result;Time\n6;12:00\n", {6}},
        {"risultato", "x,RISULTATO\n1,7\n", {7}},
        {"pocket", "Pocket\n9\n", {9}},
        {"winning_number", "id;winning_number\n1;10\n", {10}},
        {"virgola dentro i campi", "Data, ora;Numero\n11/12, 13:00;17\n", {17}},
        {"riga vuota della tabella", "n;numero\n1;4\n;;\n2;6\n", {4, 6}},
        {"intestazione dopo commenti", "# da un sito\n\nnumero\n3\n# fine\n", {3}},
        {"tabella CR LF con BOM", "\xEF\xBB\xBFgiro,numero\r\n1,36\r\n2,1\r\n", {36, 1}},
    };
    for (const auto& c : casi) {
        const auto r = leggiElencoNumeri(c.testo);
        EXPECT_TRUE(r.valido()) << c.nome << ": " << r.errore;
        EXPECT_EQ(r.numeri, c.numeri) << c.nome;
        EXPECT_EQ(r.rigaErrore, 0) << c.nome;
    }
}

TEST(ElencoNumeri, RifiutaTuttoAlPrimoErroreNominandoRiga) {
    struct Caso {
        std::string testo;
        int riga;
        std::string errore;
    };
    const Caso casi[] = {
        {"1\n2\n\n# c\n00\n", 5,
         "Riga 5: '00' non è un numero della roulette a zero singolo (0-36)."},
        {"4 5 000", 1, "Riga 1: '000' non è un numero della roulette a zero singolo (0-36)."},
        {"36\n37\n", 2, "Riga 2: '37' non è un numero della roulette a zero singolo (0-36)."},
        {"3,-1", 1, "Riga 1: '-1' non è un numero della roulette a zero singolo (0-36)."},
        {"4\r\n5\r\n1.5\r\n", 3, "Riga 3: '1.5' non è un numero intero da 0 a 36."},
        {"1\r2\rdue\r", 3, "Riga 3: 'due' non è un numero intero da 0 a 36."},
        {"\n+5", 2, "Riga 2: '+5' deve essere scritto con le sole cifre, senza segno."},
        {"7 # settimo", 1, "Riga 1: '#' non è un numero intero da 0 a 36."},
        {"giro;numero\n1;5\n\n2\n", 4,
         "Riga 4: manca la colonna 'numero' indicata nell'intestazione."},
        {"giro;\"Number\"\n1;\n", 2, "Riga 2: la colonna 'Number' è vuota."},
        {"giro,numero\n1,00\n", 2,
         "Riga 2: '00' non è un numero della roulette a zero singolo (0-36)."},
        {"numero\n17;5\n", 2, "Riga 2: '17;5' non è un numero intero da 0 a 36."},
        {"12345678901234567890123", 1,
         "Riga 1: '12345678901234567890…' non è un numero della roulette a zero singolo (0-36)."},
        // Values are shown safely: Latin-1 as text, invisible characters by their code.
        {"1\x01", 1, "Riga 1: '1[U+0001]' non è un numero intero da 0 a 36."},
        {"\xE9", 1, "Riga 1: 'é' non è un numero intero da 0 a 36."},
        {"é", 1, "Riga 1: 'é' non è un numero intero da 0 a 36."},
        {"1\xE2\x80\x8B"
         "2",
         1, "Riga 1: '1[U+200B]2' non è un numero intero da 0 a 36."},
        {"", 0, "Nessun numero trovato."},
        {"# solo commenti\n\n  \n", 0, "Nessun numero trovato."},
        {"numero\n\n", 0, "Nessun numero trovato."},
    };
    for (const auto& c : casi) {
        const auto r = leggiElencoNumeri(c.testo);
        EXPECT_FALSE(r.valido()) << c.testo;
        EXPECT_EQ(r.errore, c.errore) << c.testo;
        EXPECT_EQ(r.rigaErrore, c.riga) << c.testo;
        EXPECT_TRUE(r.numeri.empty()) << c.testo;
    }
}

TEST(ElencoNumeri, AccettaFinoAUnMilioneDiNumeri) {
    const auto pieno = leggiElencoNumeri(ripeti("7\n", MAX_NUMERI_ELENCO));
    ASSERT_TRUE(pieno.valido()) << pieno.errore;
    EXPECT_EQ(pieno.numeri.size(), MAX_NUMERI_ELENCO);

    const auto troppi = leggiElencoNumeri(ripeti("7\n", MAX_NUMERI_ELENCO) + "8\n");
    EXPECT_EQ(troppi.errore,
              "L'elenco ha più di 1.000.000 numeri: se ne possono importare al massimo 1.000.000.");
    EXPECT_EQ(troppi.rigaErrore, 0);
    EXPECT_TRUE(troppi.numeri.empty());
}

TEST(ElencoNumeri, EsportaByteEsatti) {
    const Numeri numeri = {0, 17, 36, 1, 10, 19};
    EXPECT_EQ(componiElencoCsv(numeri),
              "giro,numero,colore,pari_dispari,manque_passe,dozzina,colonna\n"
              "1,0,verde,zero,zero,0,0\n"
              "2,17,nero,dispari,manque,2,2\n"
              "3,36,rosso,pari,passe,3,3\n"
              "4,1,rosso,dispari,manque,1,1\n"
              "5,10,nero,pari,manque,1,1\n"
              "6,19,rosso,dispari,passe,2,1\n");
    EXPECT_EQ(componiElencoTesto(numeri), "0\n17\n36\n1\n10\n19\n");
}

TEST(ElencoNumeri, EsportazioneSiRileggeUguale) {
    Numeri numeri;
    for (int n = 0; n < NUMERI; ++n) numeri.push_back(static_cast<std::uint8_t>(n));
    std::mt19937 caso(11);
    for (int i = 0; i < 5000; ++i) numeri.push_back(static_cast<std::uint8_t>(caso() % NUMERI));
    for (const auto& testo : {componiElencoCsv(numeri), componiElencoTesto(numeri)}) {
        const auto r = leggiElencoNumeri(testo);
        ASSERT_TRUE(r.valido()) << r.errore;
        EXPECT_EQ(r.numeri, numeri);
    }
}

class FileElencoNumeri : public CartellaDiProva {};

TEST_F(FileElencoNumeri, LeggeIlFileONominaQuelloIlleggibile) {
    const auto file = cartella / "serata.csv";
    scriviByte(file, "\xEF\xBB\xBFnumero\r\n5\r\n32\r\n");
    const auto r = leggiFileElencoNumeri(file);
    EXPECT_TRUE(r.valido()) << r.errore;
    EXPECT_EQ(r.numeri, (Numeri{5, 32}));

    const auto assente = leggiFileElencoNumeri(cartella / "assente.txt");
    EXPECT_EQ(assente.errore, unisci("Il file '", cartella / "assente.txt", "' non esiste."));
    EXPECT_TRUE(assente.numeri.empty());

    const auto cartellaComeFile = leggiFileElencoNumeri(cartella);
    EXPECT_EQ(cartellaComeFile.errore, unisci("Il file '", cartella, "' non è un file."));
}

TEST_F(FileElencoNumeri, EsportazioneScrittaComeComposta) {
    const Numeri numeri = {5, 0, 36};
    const auto file = cartella / "numeri.csv";
    scriviByte(file, "vecchio");
    ASSERT_TRUE(scriviTesto(file, componiElencoCsv(numeri)));
    EXPECT_EQ(leggiByte(file), componiElencoCsv(numeri));
    EXPECT_EQ(leggiFileElencoNumeri(file).numeri, numeri);

    // A failed write leaves the old file as it was and no temporary behind.
    const auto bloccato = cartella / "bloccato";
    std::filesystem::create_directory(bloccato);
    const auto esito = scriviTesto(bloccato, componiElencoTesto(numeri));
    EXPECT_EQ(esito.messaggio, unisci("Impossibile salvare il file '", bloccato,
                                      "': al suo posto c'è una cartella con lo stesso nome."));
    EXPECT_TRUE(std::filesystem::is_directory(bloccato));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cartella),
                            std::filesystem::directory_iterator()),
              2);
}

} // namespace
