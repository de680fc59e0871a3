// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the floating pad as built from their layout tables: every named
// control exists with its kind and starts in the state the operations expect.

#include "PiattaformaFinta.h"
#include "ui/Form1Layout.h"
#include "ui/Form5Layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace girolino::ui {
namespace {

struct TFinestra : TForm {
    TFinestra(TPiattaforma& p, const char* classe, const char* caption, int w, int h)
        : TForm(p, classe, caption, w, h) {}
};

struct Form1Layout : ::testing::Test {
    test::PiattaformaFinta piattaforma;
    TFinestra f1{piattaforma, "TForm1", "", larghezzaForm1, altezzaForm1};
    TFinestra f5{piattaforma, "TForm5", "", larghezzaForm5, altezzaForm5};
    Form1Layout() {
        costruisciForm1(f1);
        costruisciForm5(f5);
    }
};

// A run of names such as "r0".."r36" (primo == ultimo == -1 for a single name).
struct TNomi {
    std::string prefisso;
    int primo, ultimo;
    TTipo tipo;
};

std::vector<std::string> espandi(const TNomi& n) {
    if (n.primo < 0) return {n.prefisso};
    std::vector<std::string> nomi;
    for (int i = n.primo; i <= n.ultimo; ++i) nomi.push_back(n.prefisso + std::to_string(i));
    return nomi;
}

void verificaNomi(const TForm& f, const std::vector<TNomi>& attesi) {
    for (const TNomi& gruppo : attesi) {
        for (const std::string& nome : espandi(gruppo)) {
            ASSERT_TRUE(f.esiste(nome)) << f.nomeClasse() << " manca " << nome;
            EXPECT_EQ(f[nome].tipo, gruppo.tipo) << nome;
        }
    }
}

TEST_F(Form1Layout, EveryNamedControlExistsWithItsKind) {
    using enum TTipo;
    verificaNomi(f1, {
                         {"SpeedButton", 1, 43, Pulsante},
                         {"SpeedButton", 46, 55, Pulsante},
                         {"BitBtn", 1, 5, Pulsante},
                         {"BitBtn", 8, 9, Pulsante},
                         {"Panel", 1, 7, Pannello},
                         {"Memo", 1, 22, Memo},
                         {"Label", 1, 12, Etichetta},
                         {"Label14", -1, -1, Etichetta},
                         {"Label20", -1, -1, Etichetta},
                         {"Label", 53, 84, Etichetta},
                         {"Label", 87, 89, Etichetta},
                         {"n", 0, 36, Etichetta},
                         {"r", 0, 36, Campo},
                         {"m", 0, 36, Campo},
                         {"s", 0, 36, Campo},
                         {"rr", 1, 12, Campo},
                         {"mm", 1, 12, Campo},
                         {"ss", 1, 12, Campo},
                         {"nnn", 1, 5, Campo},
                         {"rrr", 1, 5, Campo},
                         {"mmm", 1, 5, Campo},
                         {"sss", 1, 5, Campo},
                         {"CheckBox", 1, 4, Casella},
                         {"RadioGroup1", -1, -1, Gruppo},
                         {"RadioButton", 1, 2, Radio},
                         {"ComboBox", 1, 3, Combo},
                         {"Edit", 1, 2, Campo},
                         {"GroupBox", 1, 2, Gruppo},
                         {"richeditnumero", -1, -1, Nastro},
                         {"RichEditrosso", -1, -1, Nastro},
                         {"RichEditpari", -1, -1, Nastro},
                         {"RichEditmanq", -1, -1, Nastro},
                         {"RichEditdoz", -1, -1, Nastro},
                         {"RichEditcol", -1, -1, Nastro},
                         {"Timer3", -1, -1, Timer},
                     });
    verificaNomi(f5, {
                         {"SpeedButton", 1, 37, Pulsante},
                         {"Memo2", -1, -1, Memo},
                         {"RichEdit1", -1, -1, Striscia},
                     });
    // Controls that never show are left out of the view.
    for (const char* assente :
         {"SpeedButton44", "SpeedButton45", "Label91", "RadioButton3", "URLs"})
        EXPECT_FALSE(f1.esiste(assente)) << assente;
}

TEST_F(Form1Layout, InitialStates) {
    EXPECT_EQ(f1.caption(), "Girolino");
    EXPECT_EQ(f1.posizione(), TPosizioneForm::CentroSchermo);
    EXPECT_EQ(f1.fontBase().px, 11);

    for (int n = 0; n <= 36; ++n) {
        const std::string k = std::to_string(n);
        EXPECT_EQ(f1["SpeedButton" + std::to_string(n + 1)].testo, k);
        EXPECT_EQ(f5["SpeedButton" + std::to_string(n + 1)].testo, k);
        EXPECT_EQ(f1["n" + k].testo, k);
        EXPECT_TRUE(f1["n" + k].cursoreMano);
        EXPECT_EQ(f1["n" + k].sfondo, clMaroon);
        for (const char* p : {"r", "m", "s"}) {
            EXPECT_EQ(f1[p + k].testo, "0") << p << k;
            EXPECT_TRUE(f1[p + k].solaLettura) << p << k;
        }
    }

    const TControllo& ultimo = f1["Memo1"];
    EXPECT_EQ(ultimo.testo, "");
    EXPECT_EQ(ultimo.font, (TCarattere{"MS Sans Serif", 32, true, clRed}));
    for (int m = 3; m <= 22; ++m) {
        const TControllo& c = f1["Memo" + std::to_string(m)];
        EXPECT_EQ(c.testo, "0");
        EXPECT_EQ(c.font, (TCarattere{"MS Sans Serif", 16, true, clBlue}));
        EXPECT_EQ(c.allinea, TAllinea::Centro);
        EXPECT_TRUE(c.solaLettura);
    }
    for (int l = 70; l <= 81; ++l) {
        const TControllo& c = f1["Label" + std::to_string(l)];
        EXPECT_FALSE(c.visibile);
        EXPECT_EQ(c.testo, "RITARDO");
        EXPECT_EQ(c.hint, "RITARDO SIGNIFICATIVO|");
    }
    EXPECT_EQ(f1["Label53"].testo, "ROSSO");
    EXPECT_EQ(f1["Label64"].testo, "COL3");
    EXPECT_EQ(f1["Label12"].testo, "ENNINE");
    EXPECT_EQ(f1["Label5"].testo, "Col 1-2-3");
    EXPECT_FALSE(f1["Panel6"].visibile);

    for (const char* spento : {"SpeedButton47", "SpeedButton48", "BitBtn9"})
        EXPECT_FALSE(f1[spento].abilitato) << spento;
    for (const char* acceso : {"SpeedButton46", "SpeedButton49", "BitBtn1", "BitBtn8"})
        EXPECT_TRUE(f1[acceso].abilitato) << acceso;
    for (const char* spuntato :
         {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "RadioButton1"})
        EXPECT_TRUE(f1[spuntato].spuntato) << spuntato;
    EXPECT_FALSE(f1["RadioButton2"].spuntato);
    EXPECT_EQ(f1["RadioButton1"].genitore, f1.id("RadioGroup1"));
    EXPECT_EQ(f1["RadioButton2"].genitore, f1.id("RadioGroup1"));

    EXPECT_EQ(f1["Edit2"].testo, "4");
    EXPECT_EQ(f1["ComboBox1"].testo, "4");
    EXPECT_EQ(f1["ComboBox1"].voci,
              (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "14",
                                        "16", "18", "20"}));
    EXPECT_EQ(f1["ComboBox2"].testo, "le Duine");
    EXPECT_EQ(f1["ComboBox2"].voci.size(), 5u);
    EXPECT_EQ(f1["ComboBox3"].testo, "in Ordine di Apparizione");
    EXPECT_EQ(f1["ComboBox3"].voci.size(), 4u);

    EXPECT_EQ(f1["Timer3"].intervallo, 5000);
    EXPECT_FALSE(f1.timerAttivo(f1.id("Timer3")));
    EXPECT_EQ(f1["SpeedButton50"].immagine, "aiuto");
    EXPECT_EQ(f1["SpeedButton53"].hint, "Aiuto");

    for (const TForm* f : {static_cast<const TForm*>(&f1), static_cast<const TForm*>(&f5)}) {
        const TControllo& boule = (*f)["Memo2"];
        EXPECT_EQ(boule.testo, "0");
        EXPECT_EQ(boule.hint, "Numero di Boules eseguite");
        EXPECT_TRUE(boule.solaLettura);
        EXPECT_EQ(boule.sfondo, clSkyBlue);
    }
    EXPECT_EQ(f5["Memo2"].font.px, 40);
    EXPECT_EQ(f5["Memo2"].allinea, TAllinea::Destra);
    EXPECT_EQ(f5["SpeedButton17"].font, (TCarattere{"Tahoma", 21, false, clBlack}));
    EXPECT_EQ(f5["RichEdit1"].font.px, 24);
    EXPECT_EQ(f5.caption(), "Girolino");
}

// The caption and hint of every control whose text the window shows at start.
TEST_F(Form1Layout, CaptionsAndHints) {
    struct TAtteso {
        const char* nome;
        const char* testo;
        const char* hint = "";
    };
    const std::vector<TAtteso> attesi = {
        {"Label68", "Esegui Boules Casuali"},
        {"SpeedButton38", "1"},
        {"SpeedButton39", "5"},
        {"SpeedButton40", "10"},
        {"SpeedButton41", "20"},
        {"SpeedButton42", "50"},
        {"SpeedButton43", "100"},
        {"Label69", "Indica un numero di Boules"},
        {"Edit1", "", "Inserisci qui un numero di Boules casuali da estrarre"},
        {"BitBtn2", "Vai"},
        {"SpeedButton47", "", "Annulla ultimo numero inserito"},
        {"SpeedButton46", "", "Apri Tastiera Libera"},
        {"BitBtn1", "Nuova Partita", "Inizia una nuova sessione di gioco"},
        {"SpeedButton48", "", "Salva"},
        {"SpeedButton49", "", "Apri"},
        {"SpeedButton50", "", "Aiuto"},
        {"SpeedButton51", "", "Aiuto"},
        {"SpeedButton52", "", "Aiuto"},
        {"SpeedButton53", "", "Aiuto"},
        {"SpeedButton54", "", "Aiuto"},
        {"SpeedButton55", "", "Aiuto"},
        {"CheckBox1", "Metti in grassetto i ritardi che superano il Max Rit"},
        {"CheckBox3", "Colora di rosso i ritardi che superano il Max Rit"},
        {"CheckBox2", "Segnala una C. S. se ha un ritardo superiore a"},
        {"CheckBox4", "Segnala una ripetizione di"},
        {"Label14", "volte"},
        {"Label8", "DUINE"},
        {"Label9", "TERZINE"},
        {"Label10", "QUARTINE"},
        {"Label11", "SESTINE"},
        {"Label12", "ENNINE"},
        {"Label20", "Tipo"},
        {"RadioGroup1", "Mostra"},
        {"RadioButton1", "i + Ritardatari"},
        {"RadioButton2", "i + Frequenti"},
        {"BitBtn3", "Guarda Tutte"},
        {"Label7", "I Maggiori Ritardatari"},
        {"Label82", "I Più Probabili"},
        {"Label83", "I Più Frequenti"},
        {"Label84", "I Meno Frequenti"},
        {"BitBtn9", "Andamento 37 Numeri"},
        {"BitBtn8", "Andamento Chance Semplici"},
        {"BitBtn5", "Statistiche 37 Numeri"},
        {"BitBtn4", "Analisi Chance Semplici"},
        {"Label6", "Numero"},
        {"Label1", "R/N"},
        {"Label2", "Pari/Disp."},
        {"Label3", "Manq/Pass"},
        {"Label4", "Doz. 1-2-3"},
        {"Label5", "Col 1-2-3"},
    };
    for (const TAtteso& a : attesi) {
        EXPECT_EQ(f1[a.nome].testo, a.testo) << a.nome;
        EXPECT_EQ(f1[a.nome].hint, a.hint) << a.nome;
    }
    // Picture buttons show a picture instead of a caption.
    for (int k = 46; k <= 55; ++k)
        EXPECT_FALSE(f1["SpeedButton" + std::to_string(k)].immagine.empty()) << k;
    const std::vector<std::string> lati = {"ROSSO", "NERO", "PARI", "DISPARI", "MANQ", "PASS",
                                           "DOZ1",  "DOZ2", "DOZ3", "COL1",    "COL2", "COL3"};
    for (int c = 0; c < 12; ++c) {
        const TControllo& l = f1["Label" + std::to_string(53 + c)];
        EXPECT_EQ(l.testo, lati[c]);
        EXPECT_EQ(l.sfondo, clMaroon);
        EXPECT_EQ(l.font.colore, clWhite);
    }
    // Every counter column is headed "Ritardo", "Max Rit", "Sortite", white on green.
    const std::vector<std::string> intestazioni = {"Ritardo", "Max Rit", "Sortite"};
    for (const auto& gruppo :
         std::vector<std::vector<const char*>>{{"Label21", "Label22", "Label23"},
                                               {"Label24", "Label25", "Label26"},
                                               {"Label27", "Label28", "Label29"},
                                               {"Label87", "Label88", "Label89"},
                                               {"Label65", "Label66", "Label67"},
                                               {"Label13", "Label15", "Label16"}}) {
        for (int i = 0; i < 3; ++i) {
            const TControllo& h = f1[gruppo[i]];
            EXPECT_EQ(h.testo, intestazioni[i]) << gruppo[i];
            EXPECT_EQ(h.sfondo, clGreen) << gruppo[i];
            EXPECT_EQ(h.font.colore, clWhite) << gruppo[i];
        }
    }
}

// Colours and fonts of the main window's areas.
TEST_F(Form1Layout, ColoursAndFonts) {
    EXPECT_EQ(f1["Panel1"].sfondo, clGreen);
    EXPECT_EQ(f1["Panel7"].sfondo, clGreen);
    EXPECT_EQ(f1["GroupBox1"].sfondo, clMoneyGreen);
    EXPECT_EQ(f1["Memo2"].font, (TCarattere{"MS Sans Serif", 16, true, clBlue}));
    EXPECT_EQ(f1["Memo1"].allinea, TAllinea::Centro);
    for (int k = 2; k <= 5; ++k) {
        const TControllo& p = f1["Panel" + std::to_string(k)];
        EXPECT_EQ(p.sfondo, clWhite);
        EXPECT_EQ(p.font, (TCarattere{"Odessa LET", 27, false, clNavy}));
        EXPECT_EQ(p.testo, "");
        EXPECT_EQ(p.w, 97);
        EXPECT_EQ(p.h, 41);
    }
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(f1["n" + std::to_string(n)].font.colore, clWhite);
    for (int l = 70; l <= 81; ++l) {
        const TControllo& c = f1["Label" + std::to_string(l)];
        EXPECT_EQ(c.sfondo, clWhite);
        EXPECT_TRUE(c.font.grassetto);
        EXPECT_EQ(c.font.colore, clRed);
    }
}

TEST_F(Form1Layout, MainMenu) {
    struct TAtteso {
        const char* menu;
        const char* nome;
        const char* testo;
        const char* tasto = "";
    };
    const std::vector<TAtteso> attese = {
        {"File", "SalvaconNome1", "Salva", "Save"},
        {"File", "Apri1", "Salva con Nome", "SaveAs"},
        {"File", "Apri2", "Apri", "Open"},
        {"Utility", "AnalisiChanceSemplici1", "Analisi Chance Semplici"},
        {"Utility", "AndamentoChanceSemplici1", "Andamento Chance Semplici"},
        {"Utility", "Statistichedei37Numeri1", "Statistiche dei 37 Numeri"},
        {"Utility", "Andamentodei37Numeri1", "Andamento dei 37 Numeri"},
        {"Utility", "RuotaeSettori1", "Ruota e Settori"},
        {"Utility", "MostramiiVicinidelNumeroPiRitardatario1",
         "Mostrami i Vicini del Numero Più Ritardatario"},
        {"Utility", "FrequenzeOsservateeAttese1", "Frequenze Osservate e Attese"},
        {"Utility", "SimulatoreSistemi1", "Simulatore di Sistemi"},
        {"Help", "Aiuto1", "Aiuto", "HelpContents"},
        {"Help", "GuidaallUso1", "Guida all'Uso"},
        {"Help", "SitoWebUfficiale1", "Sito Web Ufficiale"},
        {"Help", "SuggerisciUnMiglioramento1", "I tuoi suggerimenti"},
        {"Help", "RegolediUtilizzo1", "Regole di Utilizzo"},
        {"Help", "Info2", "Info"},
        {"Help", "Lingua1", "Lingua"},
        {"Lingua", "LinguaAutomatica1", "Automatica"},
        {"Lingua", "LinguaItaliano1", "Italiano"},
        {"Lingua", "LinguaEnglish1", "English"},
        // Added to the File menu after the first ones.
        {"File", "NuovaPartita1", "Nuova Partita", "New"},
        {"File", "AnnullaUltimoNumero1", "Annulla Ultimo Numero", "Undo"},
        {"File", "ImportaNumeri1", "Importa Numeri...", "Ctrl+I"},
        {"File", "IncollaNumeri1", "Incolla Numeri"},
        {"File", "EsportaNumeri1", "Esporta Numeri..."},
    };
    std::vector<std::string> principali;
    std::size_t voci = 0;
    for (const TVoceMenu& v : f1.menu()) {
        if (v.padre < 0)
            principali.push_back(v.testo);
        else
            ++voci;
    }
    EXPECT_EQ(principali, (std::vector<std::string>{"File", "Utility", "Help"}));
    EXPECT_EQ(voci, attese.size());
    int precedente = -1;
    for (const TAtteso& a : attese) {
        const int id = f1.idMenu(a.nome);
        const TVoceMenu& v = f1.menu()[id];
        EXPECT_EQ(v.testo, a.testo);
        ASSERT_GE(v.padre, 0) << a.nome;
        EXPECT_EQ(f1.menu()[v.padre].testo, a.menu) << a.nome;
        EXPECT_GT(id, precedente) << a.nome << " fuori ordine";
        precedente = id;
        EXPECT_EQ(v.scorciatoia, a.tasto) << a.nome;
        // Nothing to save, take back or export before the first spin.
        const std::string nome = a.nome;
        EXPECT_EQ(v.abilitata, nome != "SalvaconNome1" && nome != "AnnullaUltimoNumero1" &&
                                   nome != "EsportaNumeri1")
            << a.nome;
    }
}

} // namespace
} // namespace girolino::ui
