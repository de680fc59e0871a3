// SPDX-License-Identifier: GPL-3.0-or-later
// Spin lists in and out through the main window: an import is the same game, on every
// window, as the spins entered one by one; exports are read back byte for byte and import
// to the same spins; refusals enter nothing.

#include "ProvaForm1.h"

#include "gamefile/TestoFile.h"

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace girolino::test {
namespace {

namespace fs = std::filesystem;

std::vector<int> casuali(std::size_t quanti, unsigned seme) {
    std::mt19937 caso(seme);
    std::vector<int> r(quanti);
    for (int& n : r) n = static_cast<int>(caso() % 37);
    return r;
}

std::string comeTesto(const std::vector<int>& numeri) {
    std::string t;
    for (int n : numeri) t += std::to_string(n) + "\n";
    return t;
}

// The preview is confirmed with "Importa" (ticking the box first when `inverti`).
void confermaImport(Programma& p, bool inverti = false) {
    p.piattaforma.durante = [inverti](ui::TForm& f) {
        if (f.nomeClasse() != "TFormImporta") return;
        if (inverti) {
            f.spuntaUtente(f.id("CheckBoxInverti"), true);
            f.click(f.id("CheckBoxInverti"));
        }
        f.click(f.id("BitBtnImporta"));
    };
}

void attendiStessaPartita(Programma& a, Programma& b) {
    const auto fa = a.app.finestre(), fb = b.app.finestre();
    ASSERT_EQ(fa.size(), fb.size());
    for (std::size_t k = 0; k < fa.size(); ++k)
        if (fa[k]->nomeClasse() != "TFormImporta") attendiUguali(*fa[k], *fb[k]);
    EXPECT_EQ(a.app.partita().partitaModificata, b.app.partita().partitaModificata);
    EXPECT_EQ(a.app.partita().nastroNumeri, b.app.partita().nastroNumeri);
}

// Both programs start from the same game with the same settings: spins by hand, the complex
// chances window open, and either low thresholds so that the banner, the titles and the delay
// signals move, or the signals and highlights switched off and the families by frequency.
void preparaUguali(Programma& p, bool spenti) {
    p.gioca({5, 5, 23});
    if (spenti) {
        for (const char* casella : {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4"})
            p.spunta(casella, false);
        p.spunta("RadioButton2", true);
    } else {
        p.digita("ComboBox1", "2");
        p.digita("Edit2", "1");
    }
    p.premi("BitBtn3"); // "Guarda Tutte"
}

struct CasoImport {
    const char* nome;
    std::vector<int> numeri;
    bool spenti = false;
};

class ImportComeAMano : public ::testing::TestWithParam<CasoImport> {};

TEST_P(ImportComeAMano, OgniFinestraUgualeEAnnullaTogliLUltimo) {
    const auto& numeri = GetParam().numeri;
    Programma importato, aMano;
    preparaUguali(importato, GetParam().spenti);
    preparaUguali(aMano, GetParam().spenti);

    confermaImport(importato);
    importato.f.importaTesto("serata.txt", comeTesto(numeri));
    for (int n : numeri) aMano.gioca({n});
    EXPECT_EQ(importato.piattaforma.registro, std::vector<std::string>{"modale: TFormImporta"});
    attendiStessaPartita(importato, aMano);

    importato.annulla();
    aMano.annulla();
    attendiStessaPartita(importato, aMano);
}

INSTANTIATE_TEST_SUITE_P(
    Elenchi, ImportComeAMano,
    ::testing::Values(
        CasoImport{"uno", {17}},
        // Runs of red past the threshold, then a break: the banner keeps its last text.
        CasoImport{"ripetizioni", {1, 3, 5, 7, 9, 12, 2, 4, 6, 0, 0, 13, 15, 17}},
        // Longer than one block of a long import.
        CasoImport{"lungo", casuali(12345, 3)},
        CasoImport{"lungoSenzaSegnali", casuali(6000, 4), true}),
    [](const auto& i) { return std::string(i.param.nome); });

TEST(Importa, UnaCorsaCasualeEUnImportDelleStesseEstrazioniSonoUguali) {
    Programma corsa, importato;
    corsa.digita("Edit1", "300");
    corsa.premi("BitBtn2");
    std::string testo;
    for (const std::string_view riga : corsa.app.partita().nastroNumeri) (testo += riga) += "\n";
    confermaImport(importato);
    importato.f.importaTesto("corsa", testo);
    // The run leaves its count in Edit1; all else is the same.
    attendiUguali(corsa.f, importato.f, {"Edit1"});
    attendiUguali(corsa.pad, importato.pad);
    EXPECT_EQ(corsa.c("richeditnumero").richiesteScorrimento,
              importato.c("richeditnumero").richiesteScorrimento);
}

TEST(Importa, LaCasellaInvertitaEntraDalPiuVecchio) {
    Programma p;
    confermaImport(p, true);
    p.f.importaTesto("sito", "36\n1\n0\n"); // newest first
    EXPECT_EQ(p.app.partita().nastroNumeri, (std::vector<std::string>{"0", "1", "36"}));
    EXPECT_EQ(p.testo("Memo1"), "36");
}

TEST(Importa, AnnullaORifiutoNonEntraNulla) {
    Programma p;
    p.gioca({4});
    p.f.importaTesto("x", "1 2 3"); // the preview is closed without "Importa"
    p.f.importaTesto("y", "1\n2\n00\n");
    p.f.voceMenu(p.f.idMenu("IncollaNumeri1")); // empty clipboard
    p.piattaforma.appunti = "# niente\n\n";
    p.f.voceMenu(p.f.idMenu("IncollaNumeri1"));
    EXPECT_EQ(p.piattaforma.registro,
              (std::vector<std::string>{
                  "modale: TFormImporta",
                  "errore: Riga 3: '00' non è un numero della roulette a zero singolo (0-36).",
                  "messaggio: Negli appunti non c'è testo da cui leggere dei numeri.",
                  "errore: " + leggiElencoNumeri("# niente\n\n").errore}));
    EXPECT_EQ(p.testo("Memo2"), "1");
}

TEST(Importa, DagliAppuntiEDaUnFileScelto) {
    Programma p;
    confermaImport(p);
    p.piattaforma.appunti = "numero;colore\r\n7;rosso\r\n\"12\";rosso\r\n";
    p.f.voceMenu(p.f.idMenu("IncollaNumeri1"));
    EXPECT_EQ(p.app.partita().nastroNumeri, (std::vector<std::string>{"7", "12"}));

    const char* env = std::getenv("GIROLINO_TEST_TMP");
    const fs::path cartella = fs::path(env ? env : "/tmp") / "elenchi-file";
    fs::create_directories(cartella);
    const fs::path file = cartella / "lista.txt";
    ASSERT_TRUE(scriviTesto(file, "1, 2 ,3\n"));
    p.piattaforma.fileScelti.push_back(file.string());
    p.f.voceMenu(p.f.idMenu("ImportaNumeri1"));
    ASSERT_EQ(p.piattaforma.dialoghi.size(), 1u);
    EXPECT_EQ(p.piattaforma.dialoghi[0].filtro,
              "Elenchi di numeri (*.txt *.csv)|*.txt;*.csv|Tutti i file (*.*)|*.*");
    EXPECT_EQ(p.testo("Memo2"), "5");
    EXPECT_TRUE(p.app.partita().partitaModificata);

    p.piattaforma.fileScelti.push_back((cartella / "manca.txt").string());
    p.f.voceMenu(p.f.idMenu("ImportaNumeri1"));
    EXPECT_EQ(p.piattaforma.registro.back(),
              "errore: " + leggiFileElencoNumeri(cartella / "manca.txt").errore);
    EXPECT_EQ(p.testo("Memo2"), "5");
}

class Esporta : public ::testing::Test {
protected:
    void SetUp() override {
        const char* env = std::getenv("GIROLINO_TEST_TMP");
        cartella = fs::path(env ? env : "/tmp") / "esporta" /
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(cartella);
        fs::create_directories(cartella);
    }
    std::string esporta(Programma& p, const fs::path& file) {
        p.piattaforma.fileScelti.push_back(file.string());
        p.f.voceMenu(p.f.idMenu("EsportaNumeri1"));
        const auto l = leggiFile(file, 1 << 24, "troppo grande");
        return l.contenuto;
    }
    fs::path cartella;
};

TEST_F(Esporta, CsvETestoSiRileggonoAgliStessiNumeri) {
    Programma p;
    EXPECT_FALSE(p.f.menu()[p.f.idMenu("EsportaNumeri1")].abilitata);
    p.gioca({0, 17, 36, 7});
    EXPECT_TRUE(p.f.menu()[p.f.idMenu("EsportaNumeri1")].abilitata);

    // No extension: the table, the default type.
    EXPECT_EQ(esporta(p, cartella / "serata"), "");
    EXPECT_EQ(esporta(p, cartella / "serata.csv"),
              "giro,numero,colore,pari_dispari,manque_passe,dozzina,colonna\n"
              "1,0,verde,zero,zero,0,0\n"
              "2,17,nero,dispari,manque,2,2\n"
              "3,36,rosso,pari,passe,3,3\n"
              "4,7,rosso,dispari,manque,1,1\n");
    EXPECT_TRUE(fs::exists(cartella / "serata.csv"));
    EXPECT_EQ(esporta(p, cartella / "serata.TXT"), "0\n17\n36\n7\n");
    const auto& d = p.piattaforma.dialoghi.back();
    EXPECT_TRUE(d.chiediSovrascrittura);
    EXPECT_EQ(d.filtro, "Tabella CSV (*.csv)|*.csv|Testo, un numero per riga (*.txt)|*.txt");
    EXPECT_EQ(p.piattaforma.registro, std::vector<std::string>(3, "salva: Esporta Numeri"));

    for (const char* nome : {"serata.csv", "serata.TXT"}) {
        Programma letto;
        confermaImport(letto);
        letto.f.fileTrascinato((cartella / nome).string());
        EXPECT_EQ(letto.app.partita().nastroNumeri, p.app.partita().nastroNumeri) << nome;
    }
}

TEST_F(Esporta, UnaScritturaFallitaLoDiceELasciaCioCheCera) {
    Programma p;
    p.gioca({3});
    const fs::path occupato = cartella / "occupato.csv";
    fs::create_directories(occupato / "dentro"); // a folder where the file should go
    p.piattaforma.fileScelti.push_back(occupato.string());
    p.f.voceMenu(p.f.idMenu("EsportaNumeri1"));
    ASSERT_EQ(p.piattaforma.registro.size(), 2u);
    EXPECT_EQ(p.piattaforma.registro[1].rfind("errore: ", 0), 0u);
    EXPECT_NE(p.piattaforma.registro[1].find("occupato.csv"), std::string::npos);
    EXPECT_TRUE(fs::is_directory(occupato / "dentro"));
}

TEST_F(Esporta, UnFileTrascinatoSiApreOSiImporta) {
    Programma p;
    p.piattaforma.programma = cartella.string();
    p.gioca({9, 10});
    p.piattaforma.fileScelti.push_back((cartella / "partita.fvr").string());
    p.premi("SpeedButton48"); // saved as a game
    ASSERT_TRUE(fs::exists(cartella / "partita.fvr"));

    Programma q;
    q.piattaforma.programma = cartella.string();
    q.gioca({1});
    q.piattaforma.risposte.push_back(true);
    q.f.fileTrascinato((cartella / "partita.fvr").string());
    // Opened, the game has nothing to take back yet.
    attendiUguali(q.f, p.f, {"SpeedButton47", "AnnullaUltimoNumero1", "BitBtn9"});

    q.f.fileTrascinato((cartella / "foto.png").string());
    EXPECT_EQ(q.piattaforma.registro.back(),
              "messaggio: " + citaFile(cartella / "foto.png") +
                  " non è un elenco di numeri (.txt, .csv) né una partita salvata (.fvr).");
}

} // namespace
} // namespace girolino::test
