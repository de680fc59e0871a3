// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Aiuto.h"

#include "PiattaformaFinta.h"
#include "Versione.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace girolino::ui {
namespace {

using test::PiattaformaFinta;

// One run of the program: a fresh set of windows over a settings store that outlives it.
struct TSessione {
    explicit TSessione(PiattaformaFinta& p) : f15(p), f16(p), f17(p), comandi(p, f15, f16, f17) {}
    TForm15 f15;
    TForm16 f16;
    TForm17 f17;
    TComandiAiuto comandi;

    bool casella() const { return f17["CheckBox1"].spuntato; }
    void spunta(bool b) { f17.spuntaUtente(f17.id("CheckBox1"), b); }
    void accetto() { f17.click(f17.id("BitBtn1")); }
    void nonAccetto() { f17.click(f17.id("BitBtn2")); }
};

class Regole : public ::testing::Test {
protected:
    // Starts the program again, as the main window's show step does.
    TSessione& avvia() {
        p.uscito = false;
        p.registro.clear();
        s = std::make_unique<TSessione>(p);
        s->comandi.controllaRegole();
        return *s;
    }
    std::optional<bool> mostraRegole() const {
        const auto it = p.impostazioni.find(chiaveMostraRegole);
        if (it == p.impostazioni.end()) return std::nullopt;
        return it->second;
    }

    PiattaformaFinta p;
    std::unique_ptr<TSessione> s;
};

TEST_F(Regole, PrimoAvvioMostraLeRegoleEChiuderleSenzaAccettareTermina) {
    auto& a = avvia();
    EXPECT_TRUE(a.f17.visibile());
    EXPECT_FALSE(a.casella());
    EXPECT_EQ(mostraRegole(), true);

    EXPECT_TRUE(a.f17.chiusuraRichiesta());
    EXPECT_TRUE(p.uscito);

    EXPECT_TRUE(avvia().f17.visibile());
    EXPECT_FALSE(p.uscito);
}

TEST_F(Regole, AccettareChiudeEDecideLAvvioSuccessivo) {
    struct TCaso {
        const char* nome;
        bool spuntata;
        bool scritturaOk;
        bool mostrateAlProssimoAvvio;
    };
    const TCaso casi[] = {
        {"casella spuntata", true, true, false},
        {"casella vuota", false, true, true},
        // The setting cannot be written: accepted for this run only.
        {"scrittura fallita", true, false, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        p.impostazioni.clear();
        p.scritturaOk = true;
        auto& a = avvia();
        p.scritturaOk = c.scritturaOk;
        a.spunta(c.spuntata);
        a.accetto();
        EXPECT_FALSE(a.f17.visibile());
        EXPECT_TRUE(a.f17.regoleAccettate());
        EXPECT_FALSE(p.uscito);

        // Once accepted, reopening and closing with the close box just hides the window.
        a.comandi.regoleDiUtilizzo();
        EXPECT_TRUE(a.f17.visibile());
        EXPECT_TRUE(a.f17.chiusuraRichiesta());
        EXPECT_FALSE(a.f17.visibile());
        EXPECT_FALSE(p.uscito);

        p.scritturaOk = true;
        EXPECT_EQ(avvia().f17.visibile(), c.mostrateAlProssimoAvvio);
    }
}

TEST_F(Regole, DopoLAccettazioneIlMenuMostraLaCasellaSpuntataEIlRifiutoTerminaAncora) {
    auto& primo = avvia();
    primo.spunta(true);
    primo.accetto();
    EXPECT_EQ(mostraRegole(), false);

    auto& a = avvia();
    EXPECT_FALSE(a.f17.visibile());
    EXPECT_FALSE(a.f17.regoleAccettate());
    EXPECT_TRUE(a.comandi.eseguiVoce("RegolediUtilizzo1"));
    EXPECT_TRUE(a.f17.visibile());
    EXPECT_TRUE(a.casella());
    EXPECT_TRUE(a.f17.regoleAccettate());

    // Unticking and accepting again does not bring the window back at start.
    a.spunta(false);
    a.accetto();
    EXPECT_EQ(mostraRegole(), false);

    a.comandi.regoleDiUtilizzo();
    a.nonAccetto();
    EXPECT_TRUE(p.uscito);
}

TEST_F(Regole, NonAccettoTerminaAncheDopoUnAccettazioneNelloStessoAvvio) {
    auto& a = avvia();
    a.accetto();
    a.comandi.regoleDiUtilizzo();
    EXPECT_FALSE(p.uscito);
    a.nonAccetto();
    EXPECT_EQ(p.registro, std::vector<std::string>{"esci"});
}

TEST_F(Regole, ArchivioImpostazioniNonDisponibile) {
    p.impostazioniOk = false;
    auto& a = avvia();
    EXPECT_FALSE(a.f17.visibile());
    EXPECT_TRUE(p.impostazioni.empty());

    a.comandi.regoleDiUtilizzo();
    EXPECT_TRUE(a.f17.visibile());
    EXPECT_FALSE(a.casella());
    EXPECT_FALSE(a.f17.regoleAccettate());

    // Accepting with the box ticked still closes the window and counts for this run.
    a.spunta(true);
    a.accetto();
    EXPECT_FALSE(a.f17.visibile());
    EXPECT_TRUE(a.f17.regoleAccettate());
    EXPECT_FALSE(p.uscito);
}

TEST(TestoRegole, IniziaColNomeSpaziatoTraTrattiniEContieneOgniRigaDellAvvertenza) {
    PiattaformaFinta p;
    const TForm17 f(p);
    const auto& righe = f["Memo1"].righe;
    ASSERT_GE(righe.size(), 3u);
    const auto trattini = [](std::string_view r) {
        return !r.empty() && std::all_of(r.begin(), r.end(), [](char c) { return c == '-'; });
    };
    EXPECT_TRUE(trattini(righe[0]));
    EXPECT_EQ(righe[1], "G i r o l i n o");
    EXPECT_TRUE(trattini(righe[2]));

    const char* attese[] = {
        "L'autore declina ogni responsabilita' diretta o indiretta derivante",
        "dall'uso del programma Girolino, il programma si limita a fare calcoli statistici, se ",
        "decidete di giocare e perdete e' solo ed esclusivamente vostra responsabilita'.",
        "Il programma Girolino non garantisce nessuna vincita.",
        "Utilizzando il programma Girolino dichiarate implicitamente di aver letto e accettato le "
        "condizioni ",
        "d'utilizzo qui riportate.",
    };
    for (const char* r : attese)
        EXPECT_NE(std::find(righe.begin(), righe.end(), r), righe.end()) << r;
    EXPECT_TRUE(f["Memo1"].solaLettura);
    EXPECT_TRUE(f.sempreInPrimoPiano());
    EXPECT_EQ(f.posizione(), TPosizioneForm::CentroSchermo);
}

TEST(PagineWeb, OgniVoceApreLaSuaPaginaSenzaDoppieBarre) {
    PiattaformaFinta p;
    TSessione s(p);
    const struct {
        const char* voce;
        const char* url;
    } casi[] = {
        {"SitoWebUfficiale1", "https://www.girolino.example/"},
        {"GuidaallUso1", "https://www.girolino.example/video-guida/"},
        {"SuggerisciUnMiglioramento1", "https://www.girolino.example/contatti/"},
    };
    for (const auto& c : casi) {
        p.registro.clear();
        EXPECT_TRUE(s.comandi.eseguiVoce(c.voce));
        EXPECT_EQ(p.registro, std::vector<std::string>{std::string("url: ") + c.url}) << c.voce;
    }
    p.registro.clear();
    EXPECT_FALSE(s.comandi.eseguiVoce("Apri2"));
    EXPECT_TRUE(p.registro.empty());
}

TEST(Info, NomeVersioneScopoEAvvertenza) {
    PiattaformaFinta p;
    TSessione s(p);
    s.comandi.eseguiVoce("Info2");
    ASSERT_EQ(p.registro.size(), 1u);
    const std::string& m = p.registro[0];
    EXPECT_EQ(m.rfind("messaggio: ", 0), 0u);
    EXPECT_NE(m.find(std::string(nomeProgramma) + " versione " + versioneProgramma),
              std::string::npos);
    EXPECT_NE(m.find("roulette"), std::string::npos);
    EXPECT_NE(m.find("indipendente da quelle precedenti"), std::string::npos);
    EXPECT_NE(m.find("nessuna statistica può prevedere il prossimo numero"), std::string::npos);
    EXPECT_NE(m.find("\n\nSoftware libero: si può ridistribuire e modificare secondo i termini "
                     "della GNU General Public License, versione 3 o successiva "
                     "(GPL-3.0-or-later). Viene fornito senza alcuna garanzia."),
              std::string::npos);
}

TEST(FinestreDiAiuto, FinestreTestiEPulsanti) {
    PiattaformaFinta p;
    TSessione s(p);
    struct TFinestraAttesa {
        const TForm& f;
        const char* caption;
        int w, h;
        TPosizioneForm posizione;
    };
    const TFinestraAttesa finestre[] = {
        {s.f15, "Girolino - Help", 530, 279, TPosizioneForm::CentroPrincipale},
        {s.f16, "Girolino - Help", 448, 381, TPosizioneForm::CentroPrincipale},
        {s.f17, "Girolino Regole di Utilizzo", 585, 429, TPosizioneForm::CentroSchermo},
    };
    for (const auto& a : finestre) {
        SCOPED_TRACE(a.f.nomeClasse());
        EXPECT_EQ(a.f.caption(), a.caption);
        EXPECT_EQ(a.f.larghezza(), a.w);
        EXPECT_EQ(a.f.altezza(), a.h);
        EXPECT_EQ(a.f.posizione(), a.posizione);
        EXPECT_FALSE(a.f.visibile());
    }

    // A control's text, and its place where the test checks it (x < 0: any).
    struct TControlloAtteso {
        const TForm& f;
        const char* nome;
        const char* testo;
        int x = -1, y = -1, w = -1, h = -1;
    };
    const TControlloAtteso controlli[] = {
        {s.f15, "Label3", "HELP  -  AIUTO"},
        {s.f15, "Label4", "HELP  -  AIUTO"},
        {s.f15, "Label1", "All'interno del programma troverai delle icone come questa"},
        {s.f15, "Label2", "Cliccaci sopra per ottenere degli aiuti riguardanti la sezione "},
        {s.f15, "Label5", "in cui si trovano"},
        {s.f15, "BitBtn1", "OK", 168, 222, 193, 43},
        {s.f16, "Label3", "HELP  -  AIUTO"},
        {s.f16, "Label1", "Con questi pulsanti puoi:"},
        {s.f16, "Label2", "Annullare l'ultimo numero inserito"},
        {s.f16, "Label5", "Aprire una tastiera libera per inserire i numeri"},
        {s.f16, "Label6", "Iniziare una nuova sessione di gioco"},
        {s.f16, "Label7", "Salvare la sessione di gioco"},
        {s.f16, "Label8", "Aprire una sessione di gioco salvata"},
        {s.f16, "BitBtn1", "OK", 126, 326, 193, 43},
        {s.f17, "Memo1", "", 8, 15, 569, 330},
        {s.f17, "CheckBox1", "Non mostrare piu' questa finestra", 187, 351},
        {s.f17, "BitBtn1", "Accetto", 135, 384, 145, 25},
        {s.f17, "BitBtn2", "Non Accetto", 295, 384, 145, 25},
    };
    for (const auto& a : controlli) {
        SCOPED_TRACE(a.f.nomeClasse() + "/" + a.nome);
        ASSERT_TRUE(a.f.esiste(a.nome));
        const TControllo& c = a.f[a.nome];
        EXPECT_EQ(c.testo, a.testo);
        if (a.x < 0) continue;
        EXPECT_EQ(c.x, a.x);
        EXPECT_EQ(c.y, a.y);
        if (a.w >= 0) {
            EXPECT_EQ(c.w, a.w);
            EXPECT_EQ(c.h, a.h);
        }
    }

    // The title is drawn twice, the blue copy one pixel to the right of the black one.
    for (const TForm* f : {static_cast<const TForm*>(&s.f15), static_cast<const TForm*>(&s.f16)}) {
        const TControllo& nero = (*f)["Label3"];
        const TControllo& blu = (*f)["Label4"];
        EXPECT_EQ(nero.font, (TCarattere{"Tahoma", 32, false, clBlack}));
        EXPECT_EQ(blu.font, (TCarattere{"Tahoma", 32, false, clBlue}));
        EXPECT_EQ(blu.x, nero.x + 1);
        EXPECT_EQ(blu.y, nero.y);
        EXPECT_EQ(f->sfondo(), clWhite);
    }
    EXPECT_EQ(s.f15["SpeedButton50"].hint, "Aiuto");
    // The inert copies of the main window's command row keep its hints.
    for (const char* hint : {"Annulla ultimo numero inserito", "Apri Tastiera Libera",
                             "Inizia una nuova sessione di gioco", "Salva", "Apri"}) {
        int copie = 0;
        for (std::size_t k = 0; k < s.f16.numControlli(); ++k)
            copie += s.f16.controllo(static_cast<int>(k)).hint == hint;
        EXPECT_EQ(copie, 2) << hint; // one in the row, one in the legend
    }
}

TEST(FinestreDiAiuto, SiApronoModaliEOkLeChiude) {
    PiattaformaFinta p;
    TSessione s(p);
    // While modal, the sample help button answers and "OK" closes the window.
    p.durante = [&](TForm& f) {
        if (f.nomeClasse() == "TForm15") f.click(f.id("SpeedButton50"));
        if (f.nomeClasse() == "TForm16") f.click(f.id("SpeedButton47")); // a picture only
        EXPECT_TRUE(f.visibile());
        f.click(f.id("BitBtn1"));
        EXPECT_FALSE(f.visibile());
    };
    EXPECT_TRUE(s.comandi.eseguiVoce("Aiuto1"));
    s.comandi.aiutoPulsanti();
    EXPECT_EQ(p.registro, (std::vector<std::string>{"modale: TForm15",
                                                    "messaggio: Bravo! Questo era un click! ;)",
                                                    "modale: TForm16"}));
}

} // namespace
} // namespace girolino::ui
