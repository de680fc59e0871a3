// SPDX-License-Identifier: GPL-3.0-or-later
// Help > Lingua in the real program: the checked item follows the settings file, and a
// choice made through the menu is what the next start reads from it.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "lingua/Traduttore.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <memory>
#include <string>
#include <vector>

namespace girolino {
namespace {

class LinguaQtTest : public ::testing::Test {
protected:
    std::unique_ptr<test::ProgrammaDiProva> avvia(const QString& fileImpostazioni) {
        auto p = std::make_unique<test::ProgrammaDiProva>(fileImpostazioni);
        p->piattaforma().duranteModale = [](ui::TForm&) {};
        p->avvia();
        QCoreApplication::processEvents();
        return p;
    }
    static QAction* voce(test::ProgrammaDiProva& p, const char* nome) {
        return p.vista(p.applicazione().form1()).azione(nome);
    }
    // The names of the checked language items, as the menu shows them.
    static std::vector<std::string> spuntate(test::ProgrammaDiProva& p) {
        std::vector<std::string> r;
        for (const char* n : {"LinguaAutomatica1", "LinguaItaliano1", "LinguaEnglish1"}) {
            QAction* a = voce(p, n);
            EXPECT_TRUE(a && a->isCheckable()) << n;
            if (a && a->isChecked()) r.emplace_back(n);
        }
        return r;
    }

    QTemporaryDir cartella;
};

TEST_F(LinguaQtTest, EnglishChosenFromTheMenuIsTheLanguageOfTheNextStart) {
    const QString ini = cartella.filePath(QStringLiteral("girolino.ini"));
    auto programma = avvia(ini);
    QAction* lingua = voce(*programma, "Lingua1");
    ASSERT_NE(lingua, nullptr);
    ASSERT_NE(lingua->menu(), nullptr);
    EXPECT_EQ(lingua->menu()->objectName(), QStringLiteral("Lingua1"));
    EXPECT_EQ(spuntate(*programma), std::vector<std::string>{"LinguaAutomatica1"});

    programma->piattaforma().chiudiMessaggio();
    voce(*programma, "LinguaEnglish1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(programma->piattaforma().registro.back(),
              "messaggio: La lingua scelta sarà usata al prossimo avvio del programma.");
    EXPECT_EQ(spuntate(*programma), std::vector<std::string>{"LinguaEnglish1"});
    EXPECT_EQ(lingua::linguaDelProgramma(ini.toStdString()), "en");

    // Choosing the item already checked keeps it checked.
    programma->piattaforma().chiudiMessaggio();
    voce(*programma, "LinguaEnglish1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(spuntate(*programma), std::vector<std::string>{"LinguaEnglish1"});

    programma.reset();
    auto secondo = avvia(ini);
    EXPECT_EQ(spuntate(*secondo), std::vector<std::string>{"LinguaEnglish1"});
    secondo->piattaforma().chiudiMessaggio();
    voce(*secondo, "LinguaItaliano1")->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(lingua::linguaDelProgramma(ini.toStdString()), "it");
}

TEST_F(LinguaQtTest, AStoreThatCannotBeWrittenKeepsTheMarkWhereItWas) {
    // A settings file under a plain file: no folder for it can ever be made.
    QFile ostacolo(cartella.filePath(QStringLiteral("file")));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly));
    ostacolo.close();
    auto programma = avvia(cartella.filePath(QStringLiteral("file/girolino.ini")));
    programma->piattaforma().chiudiMessaggio();
    voce(*programma, "LinguaEnglish1")->trigger();
    QCoreApplication::processEvents();
    ASSERT_FALSE(programma->piattaforma().registro.empty());
    EXPECT_EQ(programma->piattaforma().registro.back().rfind("errore: ", 0), 0u)
        << programma->piattaforma().registro.back();
    EXPECT_EQ(spuntate(*programma), std::vector<std::string>{"LinguaAutomatica1"});
}

TEST_F(LinguaQtTest, InEnglishTheMenuAndTheRulesOfUseReadInEnglish) {
    test::ProgrammaDiProva programma(cartella.filePath(QStringLiteral("girolino.ini")),
                                     TLingua::Inglese);
    programma.piattaforma().duranteModale = [](ui::TForm&) {};
    programma.avvia();
    QCoreApplication::processEvents();
    EXPECT_EQ(voce(programma, "Lingua1")->text(), QStringLiteral("Language"));
    EXPECT_EQ(voce(programma, "LinguaAutomatica1")->text(), QStringLiteral("Automatic"));
    // A language's own name is the same in every language.
    EXPECT_EQ(voce(programma, "LinguaItaliano1")->text(), QStringLiteral("Italiano"));
    EXPECT_EQ(voce(programma, "LinguaEnglish1")->text(), QStringLiteral("English"));

    // The rules are translated as one text, their title lines and the name kept.
    auto* regole = qobject_cast<QPlainTextEdit*>(
        programma.vista(programma.applicazione().form17()).widget("Memo1"));
    ASSERT_NE(regole, nullptr);
    const QStringList righe = regole->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GE(righe.size(), 5);
    EXPECT_EQ(righe[0], QString(70, QLatin1Char('-')));
    EXPECT_EQ(righe[1], QStringLiteral("G i r o l i n o"));
    EXPECT_EQ(righe[4], QStringLiteral("Terms of use"));
    EXPECT_TRUE(
        righe.contains(QStringLiteral("The program Girolino does not guarantee any winnings.")))
        << regole->toPlainText().toStdString();
}

} // namespace
} // namespace girolino
