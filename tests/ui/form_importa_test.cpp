// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormImporta.h"

#include "ControlliDiProva.h"
#include "PiattaformaFinta.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace girolino::ui {
namespace {

using test::PiattaformaFinta;
using Numeri = TFormImporta::TNumeri;

class FormImportaTest : public ::testing::Test {
protected:
    // The numbers of a preview strip, as written.
    std::string anteprima(const char* nome) const {
        std::string r;
        for (const auto& s : f[nome].spezzoni) r += s.testo;
        return r;
    }
    void spunta(bool b) {
        const int id = f.id("CheckBoxInverti");
        f.spuntaUtente(id, b);
        f.click(id);
    }
    void premi(const char* nome) { f.click(f.id(nome)); }

    PiattaformaFinta p;
    TFormImporta f{p};
    const Numeri dodici = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 36};
};

TEST_F(FormImportaTest, MostraOrigineConteggioEIDueCapiInOrdineDiGioco) {
    f.prepara("serata.csv", dodici);
    EXPECT_EQ(f.caption(), "Girolino - Importa Numeri");
    EXPECT_EQ(f["LabelOrigine"].testo, "Origine: serata.csv");
    EXPECT_EQ(f["LabelConteggio"].testo, "Numeri trovati: 12");
    EXPECT_EQ(anteprima("RichEditPrimi"), "0  1  2  3  4  ");
    EXPECT_EQ(anteprima("RichEditUltimi"), "7  8  9  10  36  ");
    const auto& primi = f["RichEditPrimi"].spezzoni; // coloured as on the table
    EXPECT_EQ(primi[0].colore, clGreen);
    EXPECT_EQ(primi[1].colore, clRed);
    EXPECT_EQ(primi[2].colore, clBlack);
    EXPECT_FALSE(f["CheckBoxInverti"].spuntato);
    EXPECT_EQ(f["CheckBoxInverti"].testo, "Il numero più recente è in cima");
    EXPECT_EQ(f["BitBtnImporta"].testo, "Importa");
    EXPECT_EQ(f["BitBtnAnnulla"].testo, "Annulla");

    // A short list shows all of it at both ends.
    f.prepara("Appunti", {17, 5});
    EXPECT_EQ(f["LabelConteggio"].testo, "Numeri trovati: 2");
    EXPECT_EQ(anteprima("RichEditPrimi"), "17  5  ");
    EXPECT_EQ(anteprima("RichEditUltimi"), "17  5  ");
}

TEST_F(FormImportaTest, GrandiNumeriEOriginiLunghe) {
    const std::string cartella = "/home/giocatore/Documenti/roulette/storici/casinò/";
    f.prepara(cartella + "permanenze-dicembre.txt", Numeri(1'000'000, 7));
    EXPECT_EQ(f["LabelConteggio"].testo, "Numeri trovati: 1.000.000");
    test::expectDentro(f);
    EXPECT_EQ(f["LabelOrigine"].testo,
              "Origine: /home/giocatore/Docu…rici/casinò/permanenze-dicembre.txt");
}

TEST_F(FormImportaTest, LaCasellaGiraLElencoELAnteprimaSegue) {
    f.prepara("serata.csv", dodici);
    spunta(true);
    EXPECT_EQ(anteprima("RichEditPrimi"), "36  10  9  8  7  ");
    EXPECT_EQ(anteprima("RichEditUltimi"), "4  3  2  1  0  ");
    EXPECT_EQ(f.numeri(), Numeri(dodici.rbegin(), dodici.rend()));
    spunta(false);
    EXPECT_EQ(f.numeri(), dodici);
    EXPECT_EQ(anteprima("RichEditPrimi"), "0  1  2  3  4  ");
}

TEST_F(FormImportaTest, ImportaRestituisceLElencoScelto) {
    p.durante = [&](TForm&) {
        EXPECT_TRUE(f.visibile());
        spunta(true);
        premi("BitBtnImporta");
        EXPECT_FALSE(f.visibile());
    };
    EXPECT_EQ(f.scegli("serata.csv", dodici), Numeri(dodici.rbegin(), dodici.rend()));
    EXPECT_EQ(p.registro, std::vector<std::string>{"modale: TFormImporta"});

    // The next list starts unticked again.
    p.durante = [&](TForm&) {
        EXPECT_FALSE(f["CheckBoxInverti"].spuntato);
        premi("BitBtnImporta");
    };
    EXPECT_EQ(f.scegli("altra.txt", {1, 2, 3}), (Numeri{1, 2, 3}));
}

TEST_F(FormImportaTest, AnnullaEChiusuraNonRestituisconoNulla) {
    p.durante = [&](TForm&) {
        spunta(true);
        premi("BitBtnAnnulla");
    };
    EXPECT_EQ(f.scegli("serata.csv", dodici), std::nullopt);

    p.durante = [&](TForm&) { EXPECT_TRUE(f.chiusuraRichiesta()); };
    EXPECT_EQ(f.scegli("serata.csv", dodici), std::nullopt);
    EXPECT_FALSE(f.visibile());
}

} // namespace
} // namespace girolino::ui
