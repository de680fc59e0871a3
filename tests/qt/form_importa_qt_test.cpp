// SPDX-License-Identifier: GPL-3.0-or-later
// The import preview under the real toolkit: named widgets, the box turning the list round
// on screen, and the buttons closing the window.
#include "AmbienteQt.h"
#include "PiattaformaFinta.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "ui/FormImporta.h"

#include <QCheckBox>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>

namespace girolino {
namespace {

class FormImportaQtTest : public ::testing::Test {
protected:
    FormImportaQtTest() : vista(regia.crea(form)) {
        form.prepara("serata.csv", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 36});
        form.mostra();
        regia.renderizzaTutto();
    }
    template <class W> W* w(const char* nome) {
        auto* widget = qobject_cast<W*>(vista.widget(nome));
        EXPECT_NE(widget, nullptr) << nome;
        return widget;
    }

    test::PiattaformaFinta piattaforma;
    ui::TFormImporta form{piattaforma};
    qt::TRegia regia;
    qt::TVistaForm& vista;
};

TEST_F(FormImportaQtTest, LaCasellaGiraLAnteprimaEImportaChiude) {
    EXPECT_EQ(vista.objectName(), "TFormImporta");
    EXPECT_EQ(vista.windowTitle(), "Girolino - Importa Numeri");
    EXPECT_EQ(w<QLabel>("LabelConteggio")->text(), "Numeri trovati: 12");
    EXPECT_EQ(w<QTextEdit>("RichEditPrimi")->toPlainText().trimmed(), "0  1  2  3  4");
    auto* casella = w<QCheckBox>("CheckBoxInverti");
    EXPECT_EQ(casella->text(), "Il numero più recente è in cima");
    EXPECT_FALSE(casella->isChecked());

    casella->click();
    regia.renderizzaTutto();
    EXPECT_EQ(w<QTextEdit>("RichEditPrimi")->toPlainText().trimmed(), "36  10  9  8  7");
    EXPECT_EQ(w<QTextEdit>("RichEditUltimi")->toPlainText().trimmed(), "4  3  2  1  0");

    w<QToolButton>("BitBtnImporta")->click();
    EXPECT_TRUE(form.confermato());
    EXPECT_FALSE(form.visibile());
    EXPECT_EQ(w<QToolButton>("BitBtnAnnulla")->text(), "Annulla");
}

} // namespace
} // namespace girolino
