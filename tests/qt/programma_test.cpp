// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program on screen: real clicks and typing on the real windows, and every
// widget showing what its window model holds.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "qt/VistaNastro.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace girolino {
namespace {

class ProgrammaTest : public ::testing::Test {
protected:
    ProgrammaTest() {
        programma.piattaforma().duranteModale = [](ui::TForm&) {};
        programma.avvia();
    }
    qt::TVistaForm& principale() { return programma.vista(programma.applicazione().form1()); }
    qt::TVistaForm& tastiera() { return programma.vista(programma.applicazione().form5()); }
    void premi(qt::TVistaForm& v, const char* nome) {
        auto* b = qobject_cast<QAbstractButton*>(v.widget(nome));
        ASSERT_NE(b, nullptr) << nome;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QString testo(qt::TVistaForm& v, const char* nome) {
        if (auto* e = qobject_cast<QLineEdit*>(v.widget(nome))) return e->text();
        if (auto* l = qobject_cast<QLabel*>(v.widget(nome))) return l->text();
        return {};
    }

    // Every widget of every window on screen shows its model's text, visibility and enabling.
    void ogniWidgetComeIlModello() {
        for (const auto& v : programma.regia().viste()) {
            const auto& f = v->modello();
            if (!f.visibile()) continue;
            EXPECT_TRUE(v->isVisible()) << f.nomeClasse();
            for (std::size_t i = 0; i < f.numControlli(); ++i) {
                const auto& c = f.controllo(static_cast<int>(i));
                QWidget* w = v->widget(static_cast<int>(i));
                if (!w) continue;
                SCOPED_TRACE(f.nomeClasse() + "/" + c.nome);
                EXPECT_EQ(!w->isHidden(), c.visibile);
                EXPECT_EQ(w->isEnabledTo(w->parentWidget()), c.abilitato);
                const QString atteso = QString::fromStdString(c.testo);
                if (auto* e = qobject_cast<QLineEdit*>(w)) {
                    EXPECT_EQ(e->text(), atteso);
                } else if (auto* l = qobject_cast<QLabel*>(w); l && l->pixmap().isNull()) {
                    EXPECT_EQ(l->text(), atteso);
                } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                    EXPECT_EQ(b->text(), atteso);
                } else if (auto* n = qobject_cast<qt::TVistaNastro*>(w)) {
                    EXPECT_EQ(n->righe(), c.righe.size());
                } else if (auto* t = qobject_cast<QPlainTextEdit*>(w)) {
                    EXPECT_EQ(t->document()->blockCount(), std::max<int>(1, c.righe.size()));
                }
            }
        }
    }

    QTemporaryDir cartella;
    test::ProgrammaDiProva programma{cartella.filePath("girolino.ini")};
};

TEST_F(ProgrammaTest, StartsWithTheMainWindowOnScreen) {
    auto& v = principale();
    EXPECT_EQ(v.objectName(), "TForm1");
    EXPECT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowTitle(), "Girolino");
    EXPECT_EQ(v.area()->size(), QSize(1001, 662));
    ASSERT_NE(v.barraMenu(), nullptr);
    EXPECT_FALSE(tastiera().isVisible());
    ogniWidgetComeIlModello();
}

// The main window's controls sit in invisible boxes: each must still be where its model
// puts it, and a click anywhere must reach the control that was on top there.
TEST_F(ProgrammaTest, EveryControlOfTheMainWindowIsInPlaceAndTakesTheClicksOnIt) {
    auto& v = principale();
    const auto& f = v.modello();
    std::vector<int> sullArea; // controls placed straight on the client area, creation order
    for (std::size_t i = 0; i < f.numControlli(); ++i) {
        const int id = static_cast<int>(i);
        const auto& c = f.controllo(id);
        QWidget* w = v.widget(id);
        if (!w) continue;
        SCOPED_TRACE(c.nome);
        const QRect posto(c.x, c.y, c.w, c.h);
        if (c.genitore < 0) {
            EXPECT_EQ(QRect(w->mapTo(v.area(), QPoint()), w->size()), posto);
            EXPECT_TRUE(v.area()->isAncestorOf(w));
            sullArea.push_back(id);
        } else { // placed inside its parent control
            EXPECT_EQ(w->geometry(), posto);
            EXPECT_EQ(w->parentWidget(), v.widget(c.genitore));
        }
    }
    ASSERT_GT(sullArea.size(), 100u);
    for (int id : sullArea) {
        const auto& c = f.controllo(id);
        if (!c.visibile) continue;
        for (const QPoint p : {QPoint(c.x + 1, c.y + 1), QPoint(c.x + c.w / 2, c.y + c.h / 2),
                               QPoint(c.x + c.w - 2, c.y + c.h - 2)}) {
            // Without boxes, the last visible control created over a point is on top there.
            int sopra = -1;
            for (int altro : sullArea) {
                const auto& a = f.controllo(altro);
                if (a.visibile && QRect(a.x, a.y, a.w, a.h).contains(p)) sopra = altro;
            }
            QWidget* colpito = v.area()->childAt(p);
            ASSERT_NE(colpito, nullptr) << c.nome;
            QWidget* atteso = v.widget(sopra);
            EXPECT_TRUE(colpito == atteso || atteso->isAncestorOf(colpito))
                << c.nome << " at " << p.x() << "," << p.y() << " hits "
                << colpito->objectName().toStdString();
        }
    }
}

TEST_F(ProgrammaTest, AtTheFirstStartTheRulesAreShownAndTheirCloseBoxEndsTheProgram) {
    auto& regole = programma.vista(programma.applicazione().form17());
    EXPECT_TRUE(regole.isVisible());
    EXPECT_TRUE(principale().isVisible());
    regole.close();
    EXPECT_TRUE(programma.piattaforma().uscitaRichiesta());
}

TEST_F(ProgrammaTest, BothNumberPadsEnterTheSameSpinAndTheScreenFollowsTheModels) {
    premi(principale(), "SpeedButton46"); // opens the floating pad
    QCoreApplication::processEvents();
    ASSERT_TRUE(tastiera().isVisible());

    premi(principale(), "SpeedButton18");
    premi(tastiera(), "SpeedButton18");
    EXPECT_EQ(testo(principale(), "Memo2"), "0") << "the screen changed before the loop was free";
    QCoreApplication::processEvents();
    EXPECT_EQ(testo(principale(), "Memo2"), "2");
    EXPECT_EQ(testo(tastiera(), "Memo2"), "2");
    EXPECT_EQ(testo(principale(), "s17"), "2");
    EXPECT_EQ(testo(principale(), "r17"), "0");
    ogniWidgetComeIlModello();
}

TEST_F(ProgrammaTest, ARandomRunTypedByTheUserEndsInOneRender) {
    QTest::keyClicks(principale().widget("Edit1"), "300");
    premi(principale(), "BitBtn2");
    QCoreApplication::processEvents();
    EXPECT_EQ(testo(principale(), "Memo2"), "300");
    auto* nastro = qobject_cast<qt::TVistaNastro*>(principale().widget("richeditnumero"));
    ASSERT_NE(nastro, nullptr);
    EXPECT_EQ(nastro->righe(), 300u);
    // The run ends with the newest line of every ribbon in view.
    EXPECT_EQ(nastro->cursore(), 299u);
    EXPECT_GT(nastro->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(nastro->cursoreVisibile());
    ogniWidgetComeIlModello();
}

TEST_F(ProgrammaTest, AHiddenWindowCatchesUpWhenItIsShown) {
    for (const char* numero : {"SpeedButton6", "SpeedButton6", "SpeedButton8"})
        premi(principale(), numero);
    premi(principale(), "BitBtn5"); // "Statistiche 37 Numeri"
    QCoreApplication::processEvents();
    auto& tabella = programma.vista(programma.applicazione().form12());
    EXPECT_TRUE(tabella.isVisible());
    ogniWidgetComeIlModello();
}

TEST_F(ProgrammaTest, ClosingTheMainWindowEndsTheProgram) {
    premi(principale(), "SpeedButton1");
    QCoreApplication::processEvents();
    programma.piattaforma().rispondiNo(); // do not save
    principale().close();
    EXPECT_TRUE(programma.piattaforma().uscitaRichiesta());
}

} // namespace
} // namespace girolino
