// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis windows in English: texts built from a sentence and its values read as
// English sentences with English values, the lists show English items, and picking one still
// drives the window, whose models keep working on the Italian texts.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "engine/Classifiche.h"
#include "engine/Segnali.h"
#include "lingua/Traduttore.h"
#include "model/Tabella.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <string>
#include <vector>

namespace girolino {
namespace {

class AnalisiInglese : public ::testing::Test {
protected:
    AnalisiInglese() {
        programma.piattaforma().duranteModale = [](ui::TForm&) {};
        programma.avvia();
    }
    qt::TVistaForm& principale() { return programma.vista(programma.applicazione().form1()); }
    // A button or a clickable panel.
    void premi(qt::TVistaForm& v, const char* nome) {
        QWidget* b = v.widget(nome);
        ASSERT_NE(b, nullptr) << nome;
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    void gira(std::initializer_list<int> numeri) {
        for (int n : numeri) premi(principale(), ("SpeedButton" + std::to_string(n + 1)).c_str());
    }
    static QString testo(qt::TVistaForm& v, const char* nome) {
        QWidget* w = v.widget(nome);
        if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
        if (auto* m = qobject_cast<QPlainTextEdit*>(w)) return m->toPlainText();
        ADD_FAILURE() << "nessun testo in " << nome;
        return {};
    }
    static QStringList voci(qt::TVistaForm& v, const char* nome) {
        auto* c = qobject_cast<QComboBox*>(v.widget(nome));
        QStringList r;
        if (c)
            for (int i = 0; i < c->count(); ++i) r << c->itemText(i);
        return r;
    }
    // Picks item k from the combo box's own list, as the user does.
    static void scegli(qt::TVistaForm& v, const char* nome, int k) {
        auto* c = qobject_cast<QComboBox*>(v.widget(nome));
        ASSERT_NE(c, nullptr) << nome;
        c->showPopup();
        QAbstractItemView* lista = c->view();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualRect(lista->model()->index(k, 0)).center());
        QCoreApplication::processEvents();
    }

    QTemporaryDir cartella;
    test::ProgrammaDiProva programma{cartella.filePath("girolino.ini"), TLingua::Inglese};
};

TEST_F(AnalisiInglese, SimpleChanceAnalysisSpeaksEnglishAndStillComputes) {
    gira({1, 12, 19, 2, 21});
    premi(principale(), "BitBtn4"); // "Analisi Chance Semplici"
    auto& v = programma.vista(programma.applicazione().form4());
    auto& f = programma.applicazione().form4();
    ASSERT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Girolino - Outside Bets Analysis");
    EXPECT_EQ(testo(v, "Label1"), "Longest Delays Reached by Red");
    EXPECT_EQ(testo(v, "Panel1"), "Delay 1");
    EXPECT_EQ(testo(v, "Panel24"), "Delay 24+");
    EXPECT_EQ(voci(v, "ComboBox2"), (QStringList{"Longest Delays", "Longest Runs"}));
    EXPECT_EQ(voci(v, "ComboBox1").mid(0, 7),
              (QStringList{"Red", "Black", "Even", "Odd", "Low", "High", "Doz 1"}));

    // Runs of Black: the pick reaches the model as its own text.
    scegli(v, "ComboBox2", 1);
    scegli(v, "ComboBox1", 1);
    EXPECT_EQ(f["ComboBox2"].testo, "Le Massime Sortite");
    EXPECT_EQ(f["ComboBox1"].testo, "Nero");
    EXPECT_EQ(testo(v, "Label1"), "Longest Runs Reached by Black");
    EXPECT_EQ(testo(v, "Panel24"), "Run 24+");
    EXPECT_EQ(testo(v, "ri1"), "1"); // 2 is the only black: one run of 1

    premi(v, "BitBtn3"); // the best rate: "<chance> <delay>-<hands>"
    const std::string nome = f["Label13"].testo;
    const auto spazio = nome.find(' ');
    ASSERT_NE(spazio, std::string::npos) << nome;
    const std::map<std::string, std::string> inglese = {{"Rosso", "Red"}, {"Nero", "Black"},
                                                        {"Pari", "Even"}, {"Dispari", "Odd"},
                                                        {"Manq", "Low"},  {"Pass", "High"}};
    ASSERT_EQ(inglese.count(nome.substr(0, spazio)), 1u) << nome;
    EXPECT_EQ(testo(v, "Label13").toStdString(),
              inglese.at(nome.substr(0, spazio)) + nome.substr(spazio));
}

TEST_F(AnalisiInglese, GroupAndNumberTablesNameFamilyAndOrderInTheirCaptions) {
    gira({1, 12, 19, 2, 21});
    premi(principale(), "BitBtn3"); // "Guarda Tutte"
    auto& gruppi = programma.vista(programma.applicazione().form11());
    ASSERT_TRUE(gruppi.isVisible());
    EXPECT_EQ(gruppi.windowTitle(), "Girolino: All Splits in Table Order");
    EXPECT_EQ(voci(gruppi, "ComboBox3"),
              (QStringList{"in Table Order", "by Delay", "by Max Delay", "by Hits"}));
    scegli(gruppi, "ComboBox3", 3);
    EXPECT_EQ(programma.applicazione().form11()["ComboBox3"].testo, "in Ordine di Sortita");
    EXPECT_EQ(gruppi.windowTitle(), "Girolino: All Splits by Hits");
    premi(gruppi, "Panel2"); // "Quartine"
    EXPECT_EQ(gruppi.windowTitle(), "Girolino: All Corners by Hits");

    premi(principale(), "BitBtn5"); // "Statistiche 37 Numeri"
    auto& numeri = programma.vista(programma.applicazione().form12());
    ASSERT_TRUE(numeri.isVisible());
    EXPECT_EQ(numeri.windowTitle(), "Girolino: All Numbers Sorted by Number");
    EXPECT_EQ(testo(numeri, "Panel33"), "D");
    premi(numeri, "Panel33"); // by delay
    EXPECT_EQ(numeri.windowTitle(), "Girolino: All Numbers Sorted by Delay");
    EXPECT_EQ(testo(numeri, "ComboBox3"), "Delay");
}

TEST_F(AnalisiInglese, RankingHintsAndRepetitionSignalAreEnglish) {
    // Four reds in a row and no other side four times: the signal names Red.
    gira({1, 12, 19, 21});
    EXPECT_EQ(testo(principale(), "Panel6"), "Red 4 times!");
    EXPECT_EQ(testo(principale(), "Label1"), "R 4");
    EXPECT_EQ(testo(principale(), "Label2"), "Even/Odd");

    const auto& f = programma.applicazione().form1();
    const int n = std::stoi(f["Memo3"].testo); // the most delayed number
    const TContatore& c = f.partita().numeri[n];
    EXPECT_EQ(principale().widget("Memo3")->toolTip().toStdString(),
              "Delay: " + std::to_string(c.ritardo) + " Max Delay: " +
                  std::to_string(c.maxRitardo) + " Hits: " + std::to_string(c.sortite));
}

// Texts the engine and the windows build, as the screen and the message boxes show them.
TEST(AnalisiIngleseTesti, SentencesWithValuesTranslateWithTheirValues) {
    const lingua::TTraduttore en(TLingua::Inglese);
    ASSERT_TRUE(en.traduce());
    struct TCaso {
        std::string italiano, inglese;
    };
    const std::vector<TCaso> casi = {
        {suggerimentoNumero({3, 10, 5}), "Delay: 3 Max Delay: 10 Hits: 5"},
        {ritardisignificativi(TPartita{}, true, "12").didascalia, "Delay 12+"},
        {"Pari: 7", "Even: 7"},
        {"N: 5", "B: 5"},
        {"Doz 3 6 volte!", "Doz 3 6 times!"},
        {"Manq 2-3", "Low 2-3"},
        {connotazioni(13).parita, "Odd"},
        {connotazioni(13).meta, "Low"},
        {connotazioni(13).dozzina, "Doz 2"},
        {"Girolino: Tutte le Sestine in Ordine di Massimo Ritardo",
         "Girolino: All Six Lines by Max Delay"},
        {"Girolino: Tutte le Ennine in Ordine di Ritardo", "Girolino: All Nines by Delay"},
        {"Girolino: Tutti i Numeri Ordinati per Massimo Ritardo",
         "Girolino: All Numbers Sorted by Max Delay"},
        {"Calcola Le Massime Sortite della Chance Semplice Doz 2",
         "Calculate the Longest Runs of Doz 2"},
        {"'x' non è un valore intero valido.", "'x' is not a valid whole number."},
        {"'12a' non è un numero valido", "'12a' is not a valid number"},
    };
    for (const auto& c : casi) EXPECT_EQ(en.traduci(c.italiano), c.inglese);
}

} // namespace
} // namespace girolino
