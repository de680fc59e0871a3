// SPDX-License-Identifier: GPL-3.0-or-later
// The windows work together: start-up order, what a spin, an undo and a clear refresh in
// the other windows, and which button or menu item opens which window.

#include "ProvaForm1.h"

#include <string>
#include <vector>

namespace girolino::test {
namespace {

void voce(ui::TForm& f, std::string_view nome) {
    f.voceMenu(f.idMenu(nome));
}

TEST(Collegamenti, WindowsAreCreatedInStartUpOrderAndOnlyTheMainOneIsShown) {
    Programma p;
    std::vector<std::string> classi;
    for (auto* f : p.app.finestre()) classi.push_back(f->nomeClasse());
    EXPECT_EQ(classi,
              (std::vector<std::string>{"TForm1", "TForm4", "TForm5", "TForm6", "TForm8", "TForm11",
                                        "TForm12", "TForm15", "TForm16", "TForm17", "TFormRuota",
                                        "TFormImporta", "TFormStatistiche", "TFormSimulatore"}));
    for (auto* f : p.app.finestre()) {
        // The rules of use are shown at the first start, over the main window.
        const bool atteso = f->nomeClasse() == "TForm1" || f->nomeClasse() == "TForm17";
        EXPECT_EQ(f->visibile(), atteso) << f->nomeClasse();
    }
    EXPECT_EQ(p.piattaforma.impostazioni.at("mostraRegole"), true);
}

TEST(Collegamenti, ASpinRefreshesEveryAnalysisWindow) {
    Programma p;
    p.gioca({5, 5, 7});
    auto& f11 = p.app.form11();
    auto& f12 = p.app.form12();
    auto& f8 = p.app.form8();
    EXPECT_EQ(f11["n3"].testo, "4-5"); // catalogue order, duine
    EXPECT_EQ(f11["s3"].testo, "2");   // 4-5 was hit by both fives
    EXPECT_EQ(f12["n5"].testo, "5");   // number order
    EXPECT_EQ(f12["s5"].testo, "2");
    EXPECT_EQ(f8["n0"].testo, "5"); // most frequent first
    EXPECT_EQ(f8["n1"].testo, "7");
    EXPECT_EQ(f8["s0"].testo, "2");

    // Undo and a new game keep the numbers table on the game that is on screen.
    p.annulla();
    EXPECT_EQ(f12["s7"].testo, "0");
    p.piattaforma.risposte.push_back(true);
    p.premi("BitBtn1");
    EXPECT_EQ(f12["s5"].testo, "0");
    EXPECT_EQ(f11["n3"].testo, "-");
    // The trend of the numbers keeps the last ranking until the next spin.
    EXPECT_EQ(f8["n0"].testo, "5");
    EXPECT_EQ(f8["s0"].testo, "2");
    EXPECT_EQ(f8["ProgressBar1"].massimo, 2);
    p.gioca({0});
    EXPECT_EQ(f8["n0"].testo, "0");
    EXPECT_EQ(f8["s0"].testo, "1");
}

TEST(Collegamenti, ButtonsAndMenuItemsOpenTheirWindows) {
    Programma p;
    // Before the first spin the two analyses of the sides open nothing.
    p.premi("BitBtn4");
    p.premi("BitBtn8");
    EXPECT_FALSE(p.app.form4().visibile());
    EXPECT_FALSE(p.app.form6().visibile());

    p.gioca({1});
    const std::vector<std::pair<std::string, ui::TForm*>> pulsanti = {
        {"BitBtn3", &p.app.form11()}, {"BitBtn4", &p.app.form4()}, {"BitBtn5", &p.app.form12()},
        {"BitBtn8", &p.app.form6()},  {"BitBtn9", &p.app.form8()},
    };
    for (const auto& [nome, finestra] : pulsanti) {
        finestra->nascondi();
        p.premi(nome);
        EXPECT_TRUE(finestra->visibile()) << nome;
    }
    const std::vector<std::pair<std::string, ui::TForm*>> voci = {
        {"AnalisiChanceSemplici1", &p.app.form4()},   {"AndamentoChanceSemplici1", &p.app.form6()},
        {"Statistichedei37Numeri1", &p.app.form12()}, {"Andamentodei37Numeri1", &p.app.form8()},
        {"RegolediUtilizzo1", &p.app.form17()},       {"RuotaeSettori1", &p.app.formRuota()},
    };
    for (const auto& [nome, finestra] : voci) {
        finestra->nascondi();
        voce(p.f, nome);
        EXPECT_TRUE(finestra->visibile()) << nome;
    }
    EXPECT_EQ(p.app.form11().caption(), "Girolino: Tutte le Duine in Ordine di Apparizione");
}

TEST(Collegamenti, BeforeTheFirstSpinOnlySomeTriggersOpenAWindow) {
    struct TCaso {
        std::string_view nome;
        bool voce; // a menu item, otherwise a button
        ui::TForm& (*finestra)(ui::TApplicazione&);
        bool apre;
    };
    const std::vector<TCaso> casi = {
        {"BitBtn3", false, [](ui::TApplicazione& a) -> ui::TForm& { return a.form11(); }, true},
        {"BitBtn5", false, [](ui::TApplicazione& a) -> ui::TForm& { return a.form12(); }, true},
        {"Statistichedei37Numeri1", true,
         [](ui::TApplicazione& a) -> ui::TForm& { return a.form12(); }, true},
        {"BitBtn4", false, [](ui::TApplicazione& a) -> ui::TForm& { return a.form4(); }, false},
        {"AnalisiChanceSemplici1", true,
         [](ui::TApplicazione& a) -> ui::TForm& { return a.form4(); }, false},
        {"BitBtn8", false, [](ui::TApplicazione& a) -> ui::TForm& { return a.form6(); }, false},
        {"AndamentoChanceSemplici1", true,
         [](ui::TApplicazione& a) -> ui::TForm& { return a.form6(); }, false},
        // The button is off until a spin; its menu twin always works.
        {"BitBtn9", false, [](ui::TApplicazione& a) -> ui::TForm& { return a.form8(); }, false},
        {"Andamentodei37Numeri1", true,
         [](ui::TApplicazione& a) -> ui::TForm& { return a.form8(); }, true},
    };
    for (const bool annullato : {false, true}) {
        for (const auto& c : casi) {
            SCOPED_TRACE(std::string(c.nome) + (annullato ? " after undoing the only spin" : ""));
            Programma p;
            if (annullato) {
                p.gioca({17});
                p.annulla();
            }
            if (c.voce)
                voce(p.f, c.nome);
            else
                p.premi(c.nome);
            EXPECT_EQ(c.finestra(p.app).visibile(), c.apre);
        }
    }
}

TEST(Collegamenti, HelpMenuAndCommandRowHelp) {
    Programma p;
    p.piattaforma.registro.clear();
    voce(p.f, "Aiuto1");
    p.premi("SpeedButton50");
    voce(p.f, "SitoWebUfficiale1");
    voce(p.f, "GuidaallUso1");
    voce(p.f, "SuggerisciUnMiglioramento1");
    EXPECT_EQ(p.piattaforma.registro,
              (std::vector<std::string>{"modale: TForm15", "modale: TForm16",
                                        "url: https://www.girolino.example/",
                                        "url: https://www.girolino.example/video-guida/",
                                        "url: https://www.girolino.example/contatti/"}));
    voce(p.f, "Info2");
    ASSERT_EQ(p.piattaforma.registro.size(), 6u);
    EXPECT_NE(p.piattaforma.registro.back().find("Girolino"), std::string::npos);
}

TEST(Collegamenti, FamilyPanelOfTheComplexChancesWindowWritesBackIntoTheMainWindow) {
    Programma p;
    p.gioca({36});
    auto& f11 = p.app.form11();
    f11.click(f11.id("Panel1")); // "Terzine"
    EXPECT_EQ(p.testo("ComboBox2"), "le Terzine");
    EXPECT_TRUE(f11.visibile());
    EXPECT_EQ(f11["n12"].testo, "34-35-36");
    EXPECT_EQ(f11["n13"].testo, "-");
}

} // namespace
} // namespace girolino::test
