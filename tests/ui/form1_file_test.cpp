// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the game, opening a saved one and the question at closing, through the main
// window's controls, with real files in a scratch folder.

#include "ProvaForm1.h"

#include "gamefile/FilePartita.h"
#include "gamefile/TestoFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace girolino::test {
namespace {

namespace fs = std::filesystem;

constexpr const char* domandaApri = "domanda: Attenzione: aprendo un file salvato perderai i dati "
                                    "attualmente visualizzati. Vuoi Continuare?";
constexpr const char* domandaChiudi = "domanda: Attenzione: hai aggiunto dei numeri ma non hai "
                                      "salvato. Vuoi Salvare prima di chiudere?";
constexpr const char* captionVuota = "Girolino";

std::vector<std::string> righe(const fs::path& p) {
    const auto l = leggiFile(p, 1 << 24, "troppo grande");
    EXPECT_TRUE(l.esito.ok) << l.esito.messaggio;
    return dividiRighe(l.contenuto);
}

class FileDiGioco : public ::testing::Test {
protected:
    void SetUp() override {
        const char* env = std::getenv("GIROLINO_TEST_TMP");
        const fs::path radice =
            env ? fs::path(env) : fs::temp_directory_path() / "girolino-form1-file-test";
        cartella = radice / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(cartella);
        fs::create_directories(cartella);
        prepara(p, cartella);
    }

    static void prepara(Programma& x, const fs::path& cartella) {
        x.piattaforma.programma = cartella.string();
        x.piattaforma.documenti = (cartella / "documenti").string();
    }

    // The player picks `file` in the next dialog (nullopt: cancels it).
    static void sceglie(Programma& x, std::optional<fs::path> file) {
        x.piattaforma.fileScelti.push_back(file ? std::optional(file->string()) : std::nullopt);
    }
    static void voce(Programma& x, const char* nome) { x.f.voceMenu(x.f.idMenu(nome)); }
    static bool salvaAbilitato(const Programma& x) {
        const bool pulsante = x.c("SpeedButton48").abilitato;
        EXPECT_EQ(x.f.menu()[x.f.idMenu("SalvaconNome1")].abilitata, pulsante);
        return pulsante;
    }
    static void salvaCome(Programma& x, const fs::path& file) {
        sceglie(x, file);
        x.premi("SpeedButton48");
    }
    static void apri(Programma& x, const fs::path& file) {
        sceglie(x, file);
        x.piattaforma.risposte.push_back(true);
        x.premi("SpeedButton49");
    }
    static void nuovaPartita(Programma& x) {
        x.piattaforma.risposte.push_back(true);
        x.premi("BitBtn1");
    }
    static void attendiVuota(const Programma& x) {
        EXPECT_EQ(x.testo("Memo2"), "0");
        EXPECT_EQ(x.testo("Memo1"), "");
        EXPECT_TRUE(x.c("richeditnumero").righe.empty());
        EXPECT_EQ(x.f.caption(), captionVuota);
        EXPECT_FALSE(salvaAbilitato(x));
        EXPECT_EQ(x.f.partita().bouleEseguite, 0);
    }

    // Every window of the two programs shows the same, and they hold the same game.
    static void attendiStessoProgramma(Programma& a, Programma& b) {
        const auto fa = a.app.finestre();
        const auto fb = b.app.finestre();
        ASSERT_EQ(fa.size(), fb.size());
        for (std::size_t w = 0; w < fa.size(); ++w) attendiUguali(*fa[w], *fb[w]);
        EXPECT_EQ(componiFilePartita(a.f.partita(), testiDallaPartita(a.f.partita())),
                  componiFilePartita(b.f.partita(), testiDallaPartita(b.f.partita())));
        EXPECT_EQ(a.f.partita().partitaModificata, b.f.partita().partitaModificata);
    }

    fs::path cartella;
    Programma p;
};

TEST_F(FileDiGioco, SaveAsksANameOnceThenWritesInPlace) {
    EXPECT_FALSE(salvaAbilitato(p));
    p.gioca({7});
    EXPECT_TRUE(salvaAbilitato(p));
    salvaCome(p, cartella / "serata"); // typed without extension

    ASSERT_EQ(p.piattaforma.dialoghi.size(), 1u);
    const ui::TDialogoFile& d = p.piattaforma.dialoghi[0];
    EXPECT_EQ(d.titolo, "Salva il file di testo");
    EXPECT_EQ(d.filtro, "File Girolino (*.FVR)|*.fvr|Tutti i file|*.*");
    EXPECT_EQ(d.cartellaIniziale, (cartella / "salvati").string());
    EXPECT_EQ(d.nomeProposto, "");
    EXPECT_TRUE(d.chiediSovrascrittura);
    const fs::path file = cartella / "serata.fvr";
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(p.f.caption(), "Girolino - File Visualizzato: serata.fvr");
    EXPECT_FALSE(salvaAbilitato(p));
    EXPECT_FALSE(p.f.partita().partitaModificata);

    p.gioca({12});
    EXPECT_TRUE(salvaAbilitato(p));
    voce(p, "SalvaconNome1"); // the menu twin of the button
    EXPECT_EQ(p.piattaforma.dialoghi.size(), 1u);
    EXPECT_EQ(righe(file)[1], "2");
    EXPECT_EQ(righe(cartella / "files/numeroserata.fvr"), (std::vector<std::string>{"7", "12"}));
    EXPECT_FALSE(salvaAbilitato(p));

    // "Salva con Nome" always asks, with the current file proposed; cancelling it
    // leaves "Salva" enabled and everything else as it was.
    voce(p, "Apri1");
    ASSERT_EQ(p.piattaforma.dialoghi.size(), 2u);
    EXPECT_EQ(p.piattaforma.dialoghi[1].nomeProposto, file.string());
    EXPECT_TRUE(salvaAbilitato(p));
    EXPECT_EQ(p.f.caption(), "Girolino - File Visualizzato: serata.fvr");

    // After a new game no file is shown: the first save asks again, proposing the last path.
    nuovaPartita(p);
    attendiVuota(p);
    p.gioca({3});
    p.premi("SpeedButton48");
    ASSERT_EQ(p.piattaforma.dialoghi.size(), 3u);
    EXPECT_EQ(p.piattaforma.dialoghi[2].nomeProposto, file.string());
    EXPECT_EQ(righe(file)[1], "2"); // cancelled: the old file is untouched
}

TEST_F(FileDiGioco, NothingToSaveBeforeTheFirstSpin) {
    p.premi("SpeedButton48"); // disabled: the click does nothing
    voce(p, "Apri1");
    EXPECT_EQ(
        p.piattaforma.registro,
        std::vector<std::string>{"messaggio: Attenzione: non hai ancora inserito nessun numero."});
}

TEST_F(FileDiGioco, OneSpinOfSevenLineByLine) {
    p.gioca({7});
    salvaCome(p, cartella / "sette.fvr");
    const auto r = righe(cartella / "sette.fvr");
    ASSERT_EQ(r.size(), 543u);
    EXPECT_EQ(std::vector<std::string>(r.begin(), r.begin() + 8),
              (std::vector<std::string>{"tramezzolindo", "1", "7", "clred", "Dispari", "Manq",
                                        "Doz 1", "Col 1"}));
    // The shown texts: the family labels and the ranking cells as on screen.
    EXPECT_EQ(r[155], p.testo("nnn1"));
    for (int k = 0; k < 20; ++k) EXPECT_EQ(r[175 + k], p.testo("Memo" + std::to_string(3 + k)));
    EXPECT_EQ(r[175 + 10], "7"); // the most frequent number
    const std::vector<std::pair<const char*, const char*>> nastri = {
        {"numero", "7"}, {"rosso", "R"}, {"pari", "D"}, {"manq", "M"}, {"doz", "1"}, {"col", "1"}};
    for (const auto& [tipo, segno] : nastri)
        EXPECT_EQ(righe(cartella / "files" / (std::string(tipo) + "sette.fvr")),
                  std::vector<std::string>{segno})
            << tipo;
    EXPECT_TRUE(leggiFile(cartella / "sette.fvr", 1 << 20, "").contenuto.ends_with("\r\n"));

    // A zero shown in green is written black, with no attributes.
    p.gioca({0});
    voce(p, "SalvaconNome1");
    const auto z = righe(cartella / "sette.fvr");
    EXPECT_EQ(std::vector<std::string>(z.begin() + 1, z.begin() + 8),
              (std::vector<std::string>{"2", "0", "clblack", "", "", "", ""}));
}

// Saving, starting over and opening the file shows every window as the game left them;
// the game then goes on exactly as if it had never been closed.
TEST_F(FileDiGioco, OpeningShowsTheGameAsSaved) {
    struct Caso {
        std::vector<int> spin;
        bool evidenzia; // bold, red and both signals ticked
    };
    const std::vector<Caso> casi = {
        {{7}, false},
        {{1, 12, 19, 0, 36, 36, 3, 3, 3}, true},
        {{5, 5, 0}, false},             // the last number is a zero
        {{32, 15, 19, 4, 21, 0}, true}, // a zero after a run of reds
    };
    int k = 0;
    for (const auto& caso : casi) {
        SCOPED_TRACE(::testing::PrintToString(caso.spin));
        const fs::path dentro = cartella / std::to_string(k++);
        fs::create_directories(dentro);
        Programma a, b;
        prepara(a, dentro / "a");
        prepara(b, dentro / "b");
        fs::create_directories(dentro / "a");
        fs::create_directories(dentro / "b");
        for (Programma* x : {&a, &b}) {
            if (caso.evidenzia) {
                x->spunta("CheckBox1", true);
                x->spunta("CheckBox3", true);
                x->spunta("CheckBox2", true);
                x->spunta("CheckBox4", true);
                x->digita("Edit2", "2");
                x->digita("ComboBox1", "2");
            }
            for (int n : caso.spin) x->gioca({n});
        }
        salvaCome(a, dentro / "a/partita.fvr");
        salvaCome(b, dentro / "b/partita.fvr");
        nuovaPartita(a);
        a.gioca({17}); // something else on screen before opening
        apri(a, dentro / "a/partita.fvr");

        ASSERT_EQ(a.piattaforma.registro.end()[-2], "apri: Apri un file di testo");
        // Each ribbon is brought into view in turn; the column ribbon keeps the focus.
        EXPECT_EQ(a.piattaforma.registro.back(), "fuoco: TForm1/RichEditcol");
        EXPECT_FALSE(a.c("SpeedButton47").abilitato);
        EXPECT_FALSE(a.c("BitBtn9").abilitato);
        EXPECT_FALSE(a.f.partita().partitaModificata);
        EXPECT_EQ(a.f.partita().ripetizioni, b.f.partita().ripetizioni);
        EXPECT_TRUE(a.c("RichEditcol").cursoreInFondo);
        const auto fa = a.app.finestre();
        const auto fb = b.app.finestre();
        for (std::size_t w = 0; w < fa.size(); ++w) {
            // The complex chances window is not refreshed by an open: it stays cleared
            // until the next spin.
            if (fa[w]->nomeClasse() == "TForm11") {
                EXPECT_EQ((*fa[w])["n1"].testo, "-");
                EXPECT_EQ((*fa[w])["r1"].testo, "0");
                continue;
            }
            attendiUguali(*fa[w], *fb[w], {"SpeedButton47", "AnnullaUltimoNumero1", "BitBtn9"});
        }
        if (caso.spin.back() == 0) {
            EXPECT_EQ(a.c("Memo1").font.colore, ui::clGreen);
        }

        // Saved again under another name: the same lines.
        sceglie(a, dentro / "a/copia.fvr");
        voce(a, "Apri1");
        EXPECT_EQ(righe(dentro / "a/copia.fvr"), righe(dentro / "a/partita.fvr"));
        sceglie(b, dentro / "b/copia.fvr");
        voce(b, "Apri1");

        a.gioca({0, 26});
        b.gioca({0, 26});
        for (std::size_t w = 0; w < fa.size(); ++w) attendiUguali(*fa[w], *fb[w]);
    }
}

// Opening runs the red pass when it is ticked, and the bold pass and the delay signal only
// through it; the next spin applies whatever is ticked.
TEST_F(FileDiGioco, OpeningHighlightsOnlyThroughTheRedPass) {
    struct Caso {
        bool rosso, grassetto;
    };
    const std::vector<Caso> casi = {{true, true}, {true, false}, {false, true}};
    Programma scrive;
    prepara(scrive, cartella);
    scrive.gioca({1, 12, 19, 0, 36, 36, 3, 3, 3}); // Doz2 absent for six spins
    salvaCome(scrive, cartella / "evidenze.fvr");
    for (const auto& caso : casi) {
        SCOPED_TRACE(std::string(caso.rosso ? "rosso" : "-") +
                     (caso.grassetto ? " grassetto" : ""));
        Programma x;
        prepara(x, cartella);
        x.spunta("CheckBox3", caso.rosso);
        x.spunta("CheckBox1", caso.grassetto);
        x.digita("Edit2", "2");
        apri(x, cartella / "evidenze.fvr");
        const auto& doz2 = x.c("rr8");
        ASSERT_EQ(doz2.testo, "6");
        EXPECT_EQ(doz2.font.colore, caso.rosso ? ui::clRed : ui::clBlack);
        EXPECT_EQ(doz2.font.grassetto, caso.rosso && caso.grassetto);
        EXPECT_EQ(x.c("Label77").visibile, caso.rosso); // Doz2's delay signal

        x.gioca({5});
        EXPECT_EQ(x.c("rr8").font.colore, caso.rosso ? ui::clRed : ui::clBlack);
        EXPECT_EQ(x.c("rr8").font.grassetto, caso.grassetto);
        EXPECT_TRUE(x.c("Label77").visibile);
    }
}

TEST_F(FileDiGioco, OpenAsksOnlyWhenThereAreSpins) {
    // No spins: no question, straight to the dialog; cancelled, the game stays empty.
    p.premi("SpeedButton49");
    EXPECT_EQ(p.piattaforma.registro, std::vector<std::string>{"apri: Apri un file di testo"});
    EXPECT_EQ(p.piattaforma.dialoghi[0].cartellaIniziale, (cartella / "salvati").string());
    EXPECT_TRUE(fs::is_directory(cartella / "salvati/files"));

    // Spins and "No": nothing changes.
    p.gioca({4, 9});
    p.piattaforma.registro.clear();
    voce(p, "Apri2");
    EXPECT_EQ(p.piattaforma.registro, std::vector<std::string>{domandaApri});
    EXPECT_EQ(p.testo("Memo2"), "2");
    EXPECT_TRUE(salvaAbilitato(p));

    // "Sì" then Cancel: nothing changes either.
    Programma gemello;
    prepara(gemello, cartella);
    gemello.gioca({4, 9});
    p.piattaforma.risposte.push_back(true);
    voce(p, "Apri2");
    EXPECT_EQ(p.piattaforma.registro.back(), "apri: Apri un file di testo");
    attendiStessoProgramma(p, gemello);
}

// A refused file, or folders that cannot be made for the dialog, leave every window exactly as
// it was, and "Salva" still writes the game to the file it came from.
TEST_F(FileDiGioco, ARefusedFileLeavesTheGameAsItWas) {
    struct Caso {
        const char* nome;
        void (*guasta)(const fs::path& file, const fs::path& files);
        const char* avviso; // the start of what the player is told
    };
    const std::vector<Caso> casi = {
        {"marcatore",
         [](const fs::path& f, const fs::path&) {
             auto r = righe(f);
             r[0] = "Tramezzolindo";
             ASSERT_TRUE(scriviRighe(f, r).ok);
         },
         "messaggio: Attenzione: il file che stai cercando di aprire non è valido"},
        {"nastro",
         [](const fs::path&, const fs::path& files) {
             const fs::path n = files / "numeroguasto.fvr";
             auto r = righe(n);
             r[1] = "9";
             ASSERT_TRUE(scriviRighe(n, r).ok);
         },
         "errore: Il nastro '"},
        {"riga 120",
         [](const fs::path& f, const fs::path&) {
             auto r = righe(f);
             r[120] = "abc";
             ASSERT_TRUE(scriviRighe(f, r).ok);
         },
         "errore: Il file '"},
        {"manca un nastro",
         [](const fs::path&, const fs::path& files) { fs::remove(files / "dozguasto.fvr"); },
         "errore: Manca il nastro '"},
        {"cartelle impossibili", nullptr, "errore: Impossibile creare la cartella '"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        const fs::path dentro = cartella / caso.nome;
        const fs::path file = dentro / "guasto.fvr";
        fs::create_directories(dentro / "gemello");
        Programma x, gemello;
        prepara(x, dentro);
        prepara(gemello, dentro / "gemello");
        for (Programma* y : {&x, &gemello}) {
            y->spunta("CheckBox3", true);
            y->gioca({3, 8, 3, 0, 21});
        }
        salvaCome(x, file);
        salvaCome(gemello, dentro / "gemello/guasto.fvr");
        // The guarded game is worth opening; what is on screen has one spin more.
        x.gioca({17});
        gemello.gioca({17});
        if (caso.guasta) {
            caso.guasta(file, dentro / "files");
        } else {
            // Neither the program's folder nor the documents can hold "salvati".
            std::ofstream(dentro / "unfile") << "x";
            x.piattaforma.programma = (dentro / "unfile").string();
            x.piattaforma.documenti = (dentro / "unfile").string();
        }
        x.piattaforma.registro.clear();
        apri(x, file);
        ASSERT_FALSE(x.piattaforma.registro.empty());
        EXPECT_TRUE(x.piattaforma.registro.back().starts_with(caso.avviso))
            << x.piattaforma.registro.back();
        attendiStessoProgramma(x, gemello);

        x.piattaforma.programma = dentro.string();
        x.premi("SpeedButton48");
        EXPECT_EQ(righe(file)[1], "6") << "saved again to the file it came from";
        EXPECT_FALSE(salvaAbilitato(x));
    }
}

TEST_F(FileDiGioco, AFailedWriteChangesNothingShown) {
    p.gioca({7});
    salvaCome(p, cartella / "buona.fvr");
    p.gioca({8});
    fs::create_directories(cartella / "cartella.fvr");
    sceglie(p, cartella / "cartella.fvr");
    voce(p, "Apri1");
    ASSERT_TRUE(p.piattaforma.registro.back().starts_with("errore: "));
    EXPECT_NE(p.piattaforma.registro.back().find("cartella.fvr"), std::string::npos);
    EXPECT_EQ(p.f.caption(), "Girolino - File Visualizzato: buona.fvr");
    EXPECT_TRUE(salvaAbilitato(p));
    EXPECT_TRUE(p.f.partita().partitaModificata);
    // "Salva" still writes to the file shown, not to the one that failed.
    p.premi("SpeedButton48");
    EXPECT_EQ(righe(cartella / "buona.fvr")[1], "2");
    EXPECT_FALSE(salvaAbilitato(p));
}

TEST_F(FileDiGioco, AReadOnlyProgramFolderSavesInTheDocuments) {
    p.piattaforma.programma = (cartella / "non esiste").string();
    p.gioca({7});
    const fs::path base = cartella / "documenti/Girolino";
    salvaCome(p, base / "salvati/doc.fvr");
    EXPECT_EQ(p.piattaforma.dialoghi[0].cartellaIniziale, (base / "salvati").string());
    EXPECT_EQ(righe(base / "salvati/doc.fvr")[2], "7");
    EXPECT_EQ(righe(base / "salvati/files/coldoc.fvr"), std::vector<std::string>{"1"});
    EXPECT_FALSE(fs::exists(cartella / "non esiste"));
}

// Closing the main window, refusing the rules opened from the menu, and closing the rules
// before accepting them all end the program the same way: unsaved spins are offered for
// saving first, and a cancelled or failed save keeps the program open.
TEST_F(FileDiGioco, EndingTheProgramOffersToSaveUnsavedSpins) {
    enum class Via { Principale, NonAccetto, ChiusuraRegole };
    const std::string cartellaFile = (cartella / "cartella.fvr").string();
    fs::create_directories(cartellaFile);
    struct Caso {
        const char* nome;
        std::vector<int> spin;
        bool salvaPrima;
        std::vector<bool> risposte;
        std::optional<std::string> file;
        bool chiude;
        std::vector<std::string> atteso; // what the platform saw
    };
    const std::vector<Caso> casi = {
        {"nessun numero", {}, false, {}, {}, true, {"esci"}},
        {"appena salvata", {4}, true, {}, {}, true, {"esci"}},
        {"No", {4}, false, {false}, {}, true, {domandaChiudi, "esci"}},
        {"Sì e annulla",
         {4},
         false,
         {true},
         {},
         false,
         {domandaChiudi, "salva: Salva il file di testo"}},
        {"Sì e salvataggio fallito",
         {4},
         false,
         {true},
         "cartella.fvr",
         false,
         {domandaChiudi, "salva: Salva il file di testo",
          "errore: Impossibile salvare il file '" + cartellaFile +
              "': al suo posto c'è una cartella con lo stesso nome."}},
        {"Sì e salva",
         {4},
         false,
         {true},
         "fine.fvr",
         true,
         {domandaChiudi, "salva: Salva il file di testo", "esci"}},
    };
    for (const Via via : {Via::Principale, Via::NonAccetto, Via::ChiusuraRegole}) {
        for (const auto& caso : casi) {
            SCOPED_TRACE(::testing::Message() << caso.nome << ", via " << static_cast<int>(via));
            Programma x;
            prepara(x, cartella);
            ui::TForm17& regole = x.app.form17();
            ASSERT_TRUE(regole.visibile());
            if (via == Via::NonAccetto) {
                regole.click(regole.id("BitBtn1"));
                voce(x, "RegolediUtilizzo1");
                ASSERT_TRUE(regole.visibile());
            }
            for (int n : caso.spin) x.gioca({n});
            if (caso.salvaPrima) salvaCome(x, cartella / "prima.fvr");
            x.piattaforma.registro.clear();
            x.piattaforma.risposte.assign(caso.risposte.begin(), caso.risposte.end());
            if (caso.file) sceglie(x, cartella / *caso.file);
            switch (via) {
            case Via::Principale:
                EXPECT_EQ(x.f.chiusuraRichiesta(), caso.chiude);
                break;
            case Via::NonAccetto:
                regole.click(regole.id("BitBtn2"));
                break;
            case Via::ChiusuraRegole:
                EXPECT_EQ(regole.chiusuraRichiesta(), caso.chiude);
                EXPECT_FALSE(regole.regoleAccettate());
                break;
            }
            EXPECT_EQ(x.piattaforma.uscito, caso.chiude);
            EXPECT_EQ(x.piattaforma.registro, caso.atteso);
            if (!caso.chiude) {
                EXPECT_EQ(x.testo("Memo2"), "1");
                EXPECT_TRUE(x.f.partita().partitaModificata);
                if (via != Via::Principale) {
                    EXPECT_TRUE(regole.visibile());
                }
            }
            if (caso.file && caso.chiude) {
                EXPECT_EQ(righe(cartella / *caso.file)[2], "4");
            }
        }
    }
}

// Games of the same name saved in different folders each open as themselves.
TEST_F(FileDiGioco, SameNameInSeveralFoldersOpensEachGame) {
    const std::vector<std::vector<int>> partite = {{7, 7, 12}, {30, 0, 2, 9}, {5}};
    std::vector<fs::path> file;
    for (std::size_t k = 0; k < partite.size(); ++k) {
        const fs::path dentro = cartella / ("cartella" + std::to_string(k));
        fs::create_directories(dentro);
        file.push_back(dentro / "partita.fvr");
        for (int n : partite[k]) p.gioca({n});
        salvaCome(p, file.back());
        nuovaPartita(p);
    }
    for (std::size_t k = 0; k < partite.size(); ++k) {
        SCOPED_TRACE(k);
        Programma gemello;
        prepara(gemello, cartella);
        for (int n : partite[k]) gemello.gioca({n});
        // Saved alone and opened again: what opening this game must show.
        const fs::path solo = cartella / "gemello" / std::to_string(k) / "partita.fvr";
        fs::create_directories(solo.parent_path());
        salvaCome(gemello, solo);
        nuovaPartita(gemello);
        apri(gemello, solo);
        apri(p, file[k]);
        attendiStessoProgramma(p, gemello);
    }
}

} // namespace
} // namespace girolino::test
