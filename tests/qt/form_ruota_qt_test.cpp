// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel window on screen: opened by the real menu item, a pocket of the real wheel
// clicked, the arc width picked on the real combo box, a header clicked, and no text cut.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "engine/Settori.h"
#include "model/Tabella.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "qt/VistaRuota.h"
#include "qt/VistaTabella.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace girolino {
namespace {

class FormRuotaQt : public ::testing::Test {
protected:
    FormRuotaQt() {
        programma.piattaforma().duranteModale = [](ui::TForm&) {};
        programma.avvia();
        QAction* voce = principale().azione("RuotaeSettori1");
        EXPECT_NE(voce, nullptr);
        if (voce) voce->trigger();
        QCoreApplication::processEvents();
    }
    qt::TVistaForm& principale() { return programma.vista(programma.applicazione().form1()); }
    qt::TVistaForm& finestra() { return programma.vista(programma.applicazione().formRuota()); }
    template <class W> W* trova(const char* nome) {
        return qobject_cast<W*>(finestra().widget(nome));
    }
    void clickTaschino(int numero) {
        auto* r = trova<qt::TVistaRuota>("Ruota1");
        const auto g = qt::geometriaRuota(r->size());
        QTest::mouseClick(r, Qt::LeftButton, {},
                          qt::centroTaschino(g, posizioneSullaRuota(numero)).toPoint());
        QCoreApplication::processEvents();
    }
    static std::vector<std::string> colonna(const QTableView* t, int k) {
        std::vector<std::string> v;
        for (int r = 0; r < t->model()->rowCount(); ++r)
            v.push_back(t->model()->index(r, k).data().toString().toStdString());
        return v;
    }

    QTemporaryDir cartella;
    test::ProgrammaDiProva programma{cartella.filePath("girolino.ini")};
};

TEST_F(FormRuotaQt, PocketsClickedOnTheWheelAreSpinsOfTheGame) {
    auto& v = finestra();
    ASSERT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Girolino - Ruota e Settori");
    EXPECT_TRUE(principale().isVisible()); // modeless: both windows on screen
    auto* archi = trova<QTableView>("TabellaArchi");
    auto* settori = trova<QTableView>("TabellaSettori");
    ASSERT_TRUE(archi && settori && trova<qt::TVistaRuota>("Ruota1"));

    for (int n : {17, 34, 6}) clickTaschino(n);
    EXPECT_EQ(qobject_cast<QLineEdit*>(principale().widget("Memo1"))->text(), "6");
    EXPECT_EQ(qobject_cast<QLineEdit*>(principale().widget("Memo2"))->text(), "3");
    const auto& partita = programma.applicazione().form1().partita();
    EXPECT_EQ(partita.nastroNumeri, (std::vector<std::string>{"17", "34", "6"}));
    EXPECT_EQ(trova<qt::TVistaRuota>("Ruota1")->dati().ultimi, (std::vector<int>{6, 34, 17}));

    // What the tables show equals a recount of the spins.
    const TContatoriRuota atteso = rigiocaRuota(std::vector<int>{17, 34, 6});
    EXPECT_EQ(colonna(settori, 0), (std::vector<std::string>{"Voisins du zéro", "Tiers du cylindre",
                                                             "Orphelins", "Jeu zéro"}));
    for (int s = 0; s < NUM_SETTORI; ++s) {
        const auto& c = atteso.settori[s];
        EXPECT_EQ(colonna(settori, 2)[s], std::to_string(c.ritardo));
        EXPECT_EQ(colonna(settori, 3)[s], std::to_string(c.maxRitardo));
        EXPECT_EQ(colonna(settori, 4)[s], std::to_string(c.sortite));
    }
    EXPECT_EQ(colonna(settori, 5), (std::vector<std::string>{"1.4", "1.0", "0.6", "0.6"}));
    const auto arco = [&](int k, int i) {
        return std::vector<std::string>{nomeArco(ordineRuota()[i], k),
                                        std::to_string(atteso.archi[k - 1][i].ritardo),
                                        std::to_string(atteso.archi[k - 1][i].maxRitardo),
                                        std::to_string(atteso.archi[k - 1][i].sortite)};
    };
    const auto riga = [&](int r) {
        std::vector<std::string> v;
        for (int k = 0; k < 4; ++k)
            v.push_back(archi->model()->index(r, k).data().toString().toStdString());
        return v;
    };
    for (int i = 0; i < NUMERI; ++i) EXPECT_EQ(riga(i), arco(2, i));
    // The delay of an arc that never came passed its (zero) maximum: red, as on the board.
    EXPECT_EQ(archi->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_EQ(archi->model()->index(9, 1).data(Qt::ForegroundRole).value<QColor>(),
              QColor(0, 0, 0));

    auto* vicini = trova<QComboBox>("ComboBoxVicini");
    ASSERT_NE(vicini, nullptr);
    EXPECT_EQ(vicini->currentText(), "±2");
    // Another width picked from the combo box's list.
    vicini->showPopup();
    QAbstractItemView* lista = vicini->view();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualRect(lista->model()->index(2, 0)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(vicini->currentText(), "±3");
    EXPECT_EQ(programma.applicazione().formRuota().larghezzaArchi(), 3);
    for (int i = 0; i < NUMERI; ++i) EXPECT_EQ(riga(i), arco(3, i));
}

TEST_F(FormRuotaQt, ArcsKeepWheelOrderUntilAHeaderIsClicked) {
    auto* archi = trova<QTableView>("TabellaArchi");
    ASSERT_NE(archi, nullptr);
    std::vector<std::string> ordine;
    for (int n : ordineRuota()) ordine.push_back(nomeArco(n, 2));
    EXPECT_EQ(colonna(archi, 0), ordine);
    for (int n : {5, 5, 10}) clickTaschino(n);
    EXPECT_EQ(colonna(archi, 0), ordine);

    // By hits, most first after a second click: the four arcs holding 5 and 10 lead.
    auto* testata = archi->horizontalHeader();
    const QPoint sortite(testata->sectionViewportPosition(3) + testata->sectionSize(3) / 2,
                         testata->height() / 2);
    QTest::mouseClick(testata->viewport(), Qt::LeftButton, {}, sortite);
    QTest::mouseClick(testata->viewport(), Qt::LeftButton, {}, sortite);
    const auto primi = [&](int quanti) {
        auto v = colonna(archi, 0);
        v.resize(quanti);
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(primi(4), (std::vector<std::string>{"10 ±2", "23 ±2", "24 ±2", "5 ±2"}));
    EXPECT_EQ(colonna(archi, 3)[3], "3");
    EXPECT_EQ(colonna(archi, 3)[4], "2");
    // New spins keep the table sorted: of those four, two hold 16 as well.
    clickTaschino(16);
    clickTaschino(16);
    EXPECT_EQ(primi(2), (std::vector<std::string>{"24 ±2", "5 ±2"}));
    EXPECT_EQ(colonna(archi, 3)[1], "5");
    EXPECT_EQ(colonna(archi, 3)[2], "4");
    EXPECT_EQ(colonna(archi, 3)[NUMERI - 1], "0");
}

// The tables of a long game show every header and cell whole, with no horizontal scrolling.
// Pictures of the window are left in the test's folder.
TEST_F(FormRuotaQt, NoTextIsCut) {
    // A long game: numbers of four digits in the columns.
    auto* conteggio = principale().widget("Edit1");
    ASSERT_NE(conteggio, nullptr);
    QTest::keyClicks(conteggio, "5000");
    QTest::mouseClick(qobject_cast<QAbstractButton*>(principale().widget("BitBtn2")),
                      Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(programma.applicazione().form1().partita().nastroNumeri.size(), 5000u);

    auto& v = finestra();
    for (const char* nome : {"TabellaSettori", "TabellaArchi"}) {
        SCOPED_TRACE(nome);
        auto* t = trova<QTableView>(nome);
        ASSERT_NE(t, nullptr);
        const auto* m = t->model();
        int larghezze = 0;
        for (int k = 0; k < m->columnCount(); ++k) {
            larghezze += t->columnWidth(k);
            const QString intestazione = m->headerData(k, Qt::Horizontal).toString();
            EXPECT_GT(t->columnWidth(k),
                      t->horizontalHeader()->fontMetrics().horizontalAdvance(intestazione));
            for (int r = 0; r < m->rowCount(); ++r)
                EXPECT_GT(t->columnWidth(k),
                          t->fontMetrics().horizontalAdvance(m->index(r, k).data().toString()))
                    << r << "," << k;
        }
        EXPECT_LE(larghezze, t->viewport()->width());
        EXPECT_FALSE(t->horizontalScrollBar()->isVisible());
    }
    // The four sectors show without scrolling.
    auto* settori = trova<QTableView>("TabellaSettori");
    EXPECT_FALSE(settori->verticalScrollBar()->isVisible());

    if (const char* dir = std::getenv("GIROLINO_TEST_TMP")) {
        QDir().mkpath(dir);
        v.grab().save(QString::fromUtf8(dir) + "/TFormRuota.png");
    }
}

} // namespace
} // namespace girolino
