// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of use across two runs of the real program sharing one settings file:
// accepted with the box ticked, they are not shown at the next start, and the menu
// still shows them, with the box ticked.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"

#include <QAction>
#include <QCheckBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace girolino {
namespace {

class RegoleQtTest : public ::testing::Test {
protected:
    std::unique_ptr<test::ProgrammaDiProva> avvia() {
        auto p = std::make_unique<test::ProgrammaDiProva>(fileImpostazioni());
        p->piattaforma().duranteModale = [](ui::TForm&) {};
        p->avvia();
        QCoreApplication::processEvents();
        return p;
    }
    QString fileImpostazioni() const { return cartella.filePath("girolino.ini"); }
    static qt::TVistaForm& regole(qt::TProgramma& p) { return p.vista(p.applicazione().form17()); }
    static QCheckBox* casella(qt::TProgramma& p) {
        return qobject_cast<QCheckBox*>(regole(p).widget("CheckBox1"));
    }

    QTemporaryDir cartella;
};

TEST_F(RegoleQtTest, AcceptedWithTheBoxTickedTheyAreNotShownAgainButStayInTheMenu) {
    {
        auto primo = avvia();
        ASSERT_TRUE(regole(*primo).isVisible());
        QCheckBox* c = casella(*primo);
        ASSERT_NE(c, nullptr);
        EXPECT_FALSE(c->isChecked());
        QTest::mouseClick(c, Qt::LeftButton);
        QCoreApplication::processEvents();
        ASSERT_TRUE(c->isChecked());
        QTest::mouseClick(qobject_cast<QAbstractButton*>(regole(*primo).widget("BitBtn1")),
                          Qt::LeftButton); // "Accetto"
        QCoreApplication::processEvents();
        EXPECT_FALSE(regole(*primo).isVisible());
        EXPECT_FALSE(primo->piattaforma().uscitaRichiesta());
        EXPECT_TRUE(primo->vista(primo->applicazione().form1()).isVisible());
    }
    // The choice is on disk, not only in the first run's memory.
    EXPECT_EQ(QSettings(fileImpostazioni(), QSettings::IniFormat).value("mostraRegole"),
              QVariant(false));

    auto secondo = avvia();
    EXPECT_FALSE(regole(*secondo).isVisible());
    EXPECT_TRUE(secondo->vista(secondo->applicazione().form1()).isVisible());

    QAction* voce = secondo->vista(secondo->applicazione().form1()).azione("RegolediUtilizzo1");
    ASSERT_NE(voce, nullptr);
    voce->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(regole(*secondo).isVisible());
    EXPECT_TRUE(casella(*secondo)->isChecked());
    // Accepted in an earlier run: closing them now just hides them.
    regole(*secondo).close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(secondo->piattaforma().uscitaRichiesta());
}

TEST_F(RegoleQtTest, AcceptedWithoutTheBoxTheyAreShownAgainAtTheNextStart) {
    {
        auto primo = avvia();
        ASSERT_TRUE(regole(*primo).isVisible());
        QTest::mouseClick(qobject_cast<QAbstractButton*>(regole(*primo).widget("BitBtn1")),
                          Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_FALSE(regole(*primo).isVisible());
    }
    auto secondo = avvia();
    EXPECT_TRUE(regole(*secondo).isVisible());
    EXPECT_FALSE(casella(*secondo)->isChecked());
}

} // namespace
} // namespace girolino
