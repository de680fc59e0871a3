// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamefile/CaricaPartita.h"
#include "gamefile/Cartelle.h"
#include "gamefile/Disco.h"
#include "gamefile/FilePartita.h"
#include "gamefile/PartitaDiProva.h"
#include "gamefile/SalvaPartita.h"
#include "gamefile/TestoFile.h"

#include <gtest/gtest.h>

#include <set>

using namespace girolino;
using namespace girolino::prova;
namespace fs = std::filesystem;

namespace {

class Salvataggio : public CartellaDiProva {};

TEST_F(Salvataggio, UnaBouleDelSetteRigaPerRiga) {
    // The single spin 7, counters set by hand.
    TPartita p;
    p.bouleEseguite = 1;
    p.ultimoNumero = 7;
    for (int n = 0; n < NUMERI; ++n) p.numeri[n].ritardo = 1;
    p.numeri[7] = {};
    p.numeri[7].sortite = 1;
    for (int c = 1; c <= NUM_CHANCE; ++c) p.chance[c].ritardo = 1;
    for (TChance c : {Rosso, Dispari, Manq, Doz1, Col1}) {
        p.chance[c].ritardo = 0;
        p.chance[c].sortite = 1;
        p.ripetizioni[c] = 1;
    }
    for (int g = 1; g <= NUM_GRUPPI; ++g) p.gruppi[g].ritardo = 1;
    for (int g : {5, 28, 31, 60, 72, 74, 93, 94, 103, 104, 105}) {
        p.gruppi[g].ritardo = 0;
        p.gruppi[g].sortite = 1;
    }
    p.nastroNumeri = {"7"};
    p.nastroRossoNero = {"R"};
    p.nastroPariDispari = {"D"};
    p.nastroManqPass = {"M"};
    p.nastroDozzine = {"1"};
    p.nastroColonne = {"1"};

    TTestiVista t = testiDallaPartita(p);
    for (int k = 0; k < 20; ++k) {
        t.riepilogoGruppi[k] = unisci("g", std::to_string(k));
        t.classifiche[k] = unisci("c", std::to_string(k));
    }
    const auto righe = componiFilePartita(p, t);
    ASSERT_EQ(righe.size(), 543u);

    std::vector<std::string> attese = {"tramezzolindo", "1",    "7",     "clred",
                                       "Dispari",       "Manq", "Doz 1", "Col 1"};
    for (int n = 0; n < NUMERI; ++n) attese.push_back(n == 7 ? "0" : "1"); // ritardo
    for (int n = 0; n < NUMERI; ++n) attese.push_back("0");                // max rit
    for (int n = 0; n < NUMERI; ++n) attese.push_back(n == 7 ? "1" : "0"); // sortite
    const std::string colpite = "100110100100";                            // TChance order
    for (char c : colpite) attese.push_back(c == '1' ? "0" : "1");
    for (int c = 0; c < NUM_CHANCE; ++c) attese.push_back("0");
    for (char c : colpite) attese.push_back(std::string(1, c));
    for (int k = 0; k < 20; ++k) attese.push_back(unisci("g", std::to_string(k)));
    for (int k = 0; k < 20; ++k) attese.push_back(unisci("c", std::to_string(k)));
    for (char c : colpite) attese.push_back(std::string(1, c));
    for (int g = 1; g <= NUM_GRUPPI; ++g) attese.push_back(p.gruppi[g].sortite ? "0" : "1");
    for (int g = 1; g <= NUM_GRUPPI; ++g) attese.push_back("0");
    for (int g = 1; g <= NUM_GRUPPI; ++g) attese.push_back(p.gruppi[g].sortite ? "1" : "0");
    EXPECT_EQ(righe, attese);

    const fs::path file = cartella / "salvati" / "serata.fvr";
    ASSERT_TRUE(creaCartelle(cartella));
    ASSERT_TRUE(salvaPartita(file, righe, p));

    std::string byte;
    for (const auto& r : attese) byte += r + "\r\n";
    EXPECT_EQ(leggiByte(file), byte);
    const char* nastri[] = {"numero", "rosso", "pari", "manq", "doz", "col"};
    const char* contenuti[] = {"7\r\n", "R\r\n", "D\r\n", "M\r\n", "1\r\n", "1\r\n"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(leggiByte(cartella / "salvati" / "files" / unisci(nastri[i], "serata.fvr")),
                  contenuti[i]);
}

TEST_F(Salvataggio, ColoreEConnotazioniDelloZeroENeri) {
    const auto zero = componiFilePartita(partita({7, 0}), testiDallaPartita(partita({7, 0})));
    EXPECT_EQ(std::vector<std::string>(zero.begin() + 1, zero.begin() + 8),
              (std::vector<std::string>{"2", "0", "clblack", "", "", "", ""}));
    const auto nero = componiFilePartita(partita({13}), testiDallaPartita(partita({13})));
    EXPECT_EQ(std::vector<std::string>(nero.begin() + 3, nero.begin() + 8),
              (std::vector<std::string>{"clblack", "Dispari", "Manq", "Doz 2", "Col 1"}));
}

TEST_F(Salvataggio, INastriStannoNellaCartellaFilesAccantoAlFile) {
    const TPartita p = partita({36, 0, 13});
    fs::create_directories(cartella / "altrove");
    ASSERT_TRUE(salvaPartita(cartella / "altrove" / "prova.fvr",
                             componiFilePartita(p, testiDallaPartita(p)), p));
    const std::pair<const char*, const char*> attesi[] = {
        {"numeroprova.fvr", "36\r\n0\r\n13\r\n"}, {"rossoprova.fvr", "R\r\nx\r\nN\r\n"},
        {"pariprova.fvr", "P\r\nx\r\nD\r\n"},     {"manqprova.fvr", "P\r\nx\r\nM\r\n"},
        {"dozprova.fvr", "3\r\nx\r\n2\r\n"},      {"colprova.fvr", "3\r\nx\r\n1\r\n"}};
    for (const auto& [nome, testo] : attesi)
        EXPECT_EQ(leggiByte(cartella / "altrove" / "files" / nome), testo) << nome;
    EXPECT_FALSE(fs::exists(cartellaSalvati(cartella)));
}

TEST_F(Salvataggio, ScritturaSuUnaCartellaFallisceELasciaTuttoComEra) {
    const fs::path bersaglio = cartella / "serata.fvr";
    fs::create_directory(bersaglio);
    const auto e = scriviRighe(bersaglio, {"a"});
    EXPECT_FALSE(e);
    EXPECT_EQ(e.messaggio, unisci("Impossibile salvare il file '", bersaglio,
                                  "': al suo posto c'è una cartella con lo stesso nome."));
    EXPECT_TRUE(fs::is_directory(bersaglio));
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator()), 1);
}

TEST_F(Salvataggio, UnNastroNonScrivibileNonSostituisceNullaDellaPartitaPrecedente) {
    const fs::path file = cartellaSalvati(cartella) / "serata.fvr";
    ASSERT_TRUE(creaCartelle(cartella));
    const TPartita vecchia = partita({1, 2, 3});
    ASSERT_TRUE(
        salvaPartita(file, componiFilePartita(vecchia, testiDallaPartita(vecchia)), vecchia));
    const std::string principale = leggiByte(file);
    const std::string numeri = leggiByte(cartellaFiles(cartella) / "numeroserata.fvr");
    // The column ribbon cannot be written: its place is taken by a folder.
    fs::remove(cartellaFiles(cartella) / "colserata.fvr");
    fs::create_directory(cartellaFiles(cartella) / "colserata.fvr");

    const TPartita nuova = partita({4, 5, 6, 7});
    const auto e = salvaPartita(file, componiFilePartita(nuova, testiDallaPartita(nuova)), nuova);
    EXPECT_FALSE(e);
    EXPECT_EQ(e.messaggio,
              unisci("Impossibile salvare il file '", cartellaFiles(cartella) / "colserata.fvr",
                     "': al suo posto c'è una cartella con lo stesso nome."));
    EXPECT_EQ(leggiByte(file), principale);
    EXPECT_EQ(leggiByte(cartellaFiles(cartella) / "numeroserata.fvr"), numeri);
    std::set<std::string> rimasti;
    for (const auto& voce : fs::directory_iterator(cartellaFiles(cartella)))
        rimasti.insert(voce.path().filename().string());
    EXPECT_EQ(rimasti,
              (std::set<std::string>{"numeroserata.fvr", "rossoserata.fvr", "pariserata.fvr",
                                     "manqserata.fvr", "dozserata.fvr", "colserata.fvr"}));
}

TEST_F(Salvataggio, CartellaNonScrivibileLasciaIlFilePrecedente) {
    const fs::path file = cartella / "serata.fvr";
    ASSERT_TRUE(scriviRighe(file, {"vecchio"}));
    fs::permissions(cartella, fs::perms::owner_read | fs::perms::owner_exec);
    const bool scrivibile = cartellaScrivibile(cartella);
    const auto e = scriviRighe(file, {"nuovo"});
    fs::permissions(cartella, fs::perms::owner_all);
    if (scrivibile) GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_FALSE(e);
    EXPECT_EQ(e.messaggio, unisci("Impossibile salvare il file '", file,
                                  "': non hai il permesso di scrivere in quella cartella."));
    EXPECT_EQ(leggiByte(file), "vecchio\r\n");
}

TEST_F(Salvataggio, CartelleEstensioneEScrivibilita) {
    EXPECT_EQ(cartellaSalvati("/p"), fs::path("/p/salvati"));
    EXPECT_EQ(cartellaFiles("/p"), fs::path("/p/salvati/files"));
    EXPECT_EQ(percorsoNastro(3, "/a/b/numeroserata.fvr"),
              fs::path("/a/b/files/manqnumeroserata.fvr"));
    EXPECT_EQ(percorsoNastroInSalvati("/p", 5, "/a/b/serata.fvr"),
              fs::path("/p/salvati/files/colserata.fvr"));
    EXPECT_EQ(conEstensione("/a/serata"), fs::path("/a/serata.fvr"));
    EXPECT_EQ(conEstensione("/a/serata.txt"), fs::path("/a/serata.txt"));
    EXPECT_EQ(conEstensione("/a/serata.FVR"), fs::path("/a/serata.FVR"));

    EXPECT_TRUE(cartellaScrivibile(cartella));
    EXPECT_FALSE(cartellaScrivibile(cartella / "manca"));
    ASSERT_TRUE(creaCartelle(cartella / "manca"));
    EXPECT_TRUE(fs::is_directory(cartellaFiles(cartella / "manca")));
    EXPECT_TRUE(cartellaScrivibile(cartellaFiles(cartella / "manca")));
    EXPECT_EQ(std::distance(fs::directory_iterator(cartella), fs::directory_iterator()), 1);

    scriviByte(cartella / "unfile", "x");
    const auto e = creaCartella(cartella / "unfile" / "sotto");
    EXPECT_FALSE(e);
    EXPECT_EQ(e.messaggio, unisci("Impossibile creare la cartella '", cartella / "unfile" / "sotto",
                                  "': una parte del percorso non è una cartella."));
}

// A failed save says why; a name as long as the disk allows for its ribbons still works.
TEST_F(Salvataggio, UnSalvataggioFallitoDiceIlMotivo) {
    const TPartita p = partita({7, 8});
    const auto righe = componiFilePartita(p, testiDallaPartita(p));

    const fs::path senzaCartella = cartella / "manca" / "serata.fvr";
    auto e = salvaPartita(senzaCartella, righe, p);
    EXPECT_EQ(e.messaggio,
              unisci("Impossibile salvare il file '", senzaCartella, "': la cartella non esiste."));
    EXPECT_FALSE(fs::exists(cartella / "manca"));

    // The longest ribbon name adds "numero" to the game's name.
    const std::size_t massimo = 255 - 6;
    const fs::path lungo = cartella / (std::string(massimo - 4, 'n') + ".fvr");
    ASSERT_TRUE(salvaPartita(lungo, righe, p)) << "a name of " << massimo << " bytes";
    const auto c = caricaFilePartita(lungo, cartella);
    ASSERT_TRUE(c.valido()) << c.errore;
    EXPECT_EQ(c.partita->nastri[0], (std::vector<std::string>{"7", "8"}));

    const fs::path troppo = cartella / (std::string(massimo - 3, 't') + ".fvr");
    e = salvaPartita(troppo, righe, p);
    EXPECT_EQ(e.messaggio, unisci("Impossibile salvare il file '", percorsoNastro(0, troppo),
                                  "': il nome del file è troppo lungo."));
    EXPECT_FALSE(fs::exists(troppo));
    std::set<std::string> rimasti;
    for (const auto& voce : fs::recursive_directory_iterator(cartella))
        rimasti.insert(voce.path().filename().string().substr(0, 8));
    EXPECT_EQ(rimasti, (std::set<std::string>{"files", "nnnnnnnn", "numeronn", "rossonnn",
                                              "parinnnn", "manqnnnn", "doznnnnn", "colnnnnn"}));
}

TEST_F(Salvataggio, IMotiviDegliErrori) {
    const std::pair<std::errc, const char*> casi[] = {
        {std::errc::permission_denied, "non hai il permesso di scrivere in quella cartella"},
        {std::errc::operation_not_permitted, "non hai il permesso di scrivere in quella cartella"},
        {std::errc::no_such_file_or_directory, "la cartella non esiste"},
        {std::errc::not_a_directory, "una parte del percorso non è una cartella"},
        {std::errc::no_space_on_device, "il disco è pieno"},
        {std::errc::read_only_file_system, "il disco è di sola lettura"},
        {std::errc::filename_too_long, "il nome del file è troppo lungo"},
        {std::errc::is_a_directory, "al suo posto c'è una cartella con lo stesso nome"},
        {std::errc::io_error, "errore di scrittura sul disco"},
        {std::errc::too_many_files_open, "troppi file aperti"},
    };
    for (const auto& [errore, testo] : casi)
        EXPECT_EQ(motivoErrore(std::make_error_code(errore)), testo);
    EXPECT_EQ(motivoErrore(std::error_code(EDQUOT, std::generic_category())), "il disco è pieno");
    EXPECT_EQ(motivoErrore(std::make_error_code(std::errc::bad_message)),
              "errore del sistema n. " + std::to_string(EBADMSG));
}

} // namespace
