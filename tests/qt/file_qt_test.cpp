// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening a game through the real windows: the files land on disk, and a
// game opened again shows on screen exactly what was there when it was saved.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "gamefile/Cartelle.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "qt/VistaNastro.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace girolino {
namespace {

namespace fs = std::filesystem;

// What the main window shows: the text of every field and label, the whole text of
// every ribbon with its line count, and whether each control is on screen.
using TIstantanea = std::map<std::string, QString>;

class FileQtTest : public ::testing::Test {
protected:
    FileQtTest() {
        QDir(cartella.path()).mkpath(QStringLiteral("programma"));
        QDir(cartella.path()).mkpath(QStringLiteral("partite"));
        auto& p = programma.piattaforma();
        p.duranteModale = [](ui::TForm&) {};
        p.cartellaProgrammaProva = base().string();
        programma.avvia();
        QCoreApplication::processEvents();
    }

    fs::path base() const { return fs::path(cartella.filePath("programma").toStdString()); }
    qt::TVistaForm& principale() { return programma.vista(programma.applicazione().form1()); }

    void premi(const char* nome) {
        auto* b = qobject_cast<QAbstractButton*>(principale().widget(nome));
        ASSERT_NE(b, nullptr) << nome;
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    bool abilitato(const char* nome) { return principale().widget(nome)->isEnabled(); }

    TIstantanea istantanea() {
        TIstantanea s;
        auto& v = principale();
        const auto& f = v.modello();
        for (std::size_t i = 0; i < f.numControlli(); ++i) {
            const std::string& nome = f.controllo(static_cast<int>(i)).nome;
            QWidget* w = v.widget(static_cast<int>(i));
            if (!w) continue;
            QString& valore = s[nome];
            valore = w->isHidden() ? QStringLiteral("[nascosto] ") : QString();
            if (auto* e = qobject_cast<QLineEdit*>(w))
                valore += e->text();
            else if (auto* l = qobject_cast<QLabel*>(w))
                valore += l->text();
            else if (auto* r = qobject_cast<qt::TVistaNastro*>(w))
                valore += QString::number(r->righe()) + QLatin1Char('|') + r->testo();
            else if (auto* n = qobject_cast<QPlainTextEdit*>(w))
                valore += QString::number(n->document()->blockCount()) + QLatin1Char('|') +
                          n->toPlainText();
        }
        return s;
    }

    QTemporaryDir cartella;
    test::ProgrammaDiProva programma{cartella.filePath("girolino.ini")};
};

TEST_F(FileQtTest, ASavedGameOpensAgainAsItWasOnScreen) {
    // Numbers 0..36 are SpeedButton1..37; a mix with repeats, zeros and both colours.
    for (int n : {17, 0, 32, 17, 5, 36, 12, 0, 21, 8, 8, 30, 1, 27, 14, 17, 33, 2, 19, 25})
        premi(("SpeedButton" + std::to_string(n + 1)).c_str());
    ASSERT_EQ(principale().windowTitle(), "Girolino");
    ASSERT_TRUE(abilitato("SpeedButton48"));
    const TIstantanea prima = istantanea();
    ASSERT_EQ(prima.at("Memo2"), "20");

    const QString partita = cartella.filePath("partite/serata");
    auto& p = programma.piattaforma();
    p.scegliFile(partita.toStdString());
    premi("SpeedButton48"); // "Salva": the game was never saved, so it asks for a name
    EXPECT_TRUE(p.risposteFinite());
    ASSERT_TRUE(QFileInfo::exists(partita + ".fvr")) << "the name gets the game extension";
    for (int k = 0; k < 6; ++k) {
        const fs::path nastro = percorsoNastro(k, fs::path(partita.toStdString() + ".fvr"));
        EXPECT_EQ(nastro.parent_path(), fs::path(cartella.filePath("partite/files").toStdString()));
        EXPECT_TRUE(fs::is_regular_file(nastro)) << nastro;
    }
    EXPECT_EQ(principale().windowTitle(), "Girolino - File Visualizzato: serata.fvr");
    EXPECT_FALSE(abilitato("SpeedButton48"));
    EXPECT_EQ(istantanea(), prima) << "saving changed what is shown";

    p.rispondiSi();
    premi("BitBtn1"); // "Nuova Partita"
    ASSERT_EQ(istantanea().at("Memo2"), "0");
    EXPECT_EQ(principale().windowTitle(), "Girolino");
    EXPECT_NE(istantanea(), prima);

    p.scegliFile((partita + ".fvr").toStdString());
    premi("SpeedButton49"); // "Apri": nothing on screen to lose, so no question first
    EXPECT_TRUE(p.risposteFinite());
    EXPECT_EQ(principale().windowTitle(), "Girolino - File Visualizzato: serata.fvr");
    EXPECT_FALSE(abilitato("SpeedButton48"));
    const TIstantanea dopo = istantanea();
    for (const auto& [nome, valore] : prima) EXPECT_EQ(dopo.at(nome), valore) << nome;

    const auto& registro = p.registro;
    EXPECT_EQ(std::count_if(registro.begin(), registro.end(),
                            [](const std::string& r) { return r.rfind("errore", 0) == 0; }),
              0);
    EXPECT_NE(std::find(registro.begin(), registro.end(), "salva: Salva il file di testo"),
              registro.end());
    EXPECT_NE(std::find(registro.begin(), registro.end(), "apri: Apri un file di testo"),
              registro.end());

    // The game goes on from where it was: the next spin makes it worth saving again.
    premi("SpeedButton4");
    EXPECT_EQ(istantanea().at("Memo2"), "21");
    EXPECT_TRUE(abilitato("SpeedButton48"));
}

TEST_F(FileQtTest, ACancelledSaveWritesNothingAndKeepsTheGameUnsaved) {
    premi("SpeedButton10");
    programma.piattaforma().annullaDialogo();
    premi("SpeedButton48");
    EXPECT_EQ(principale().windowTitle(), "Girolino");
    EXPECT_TRUE(abilitato("SpeedButton48"));
    EXPECT_TRUE(QDir(cartella.filePath("partite")).isEmpty());
    const fs::path files = cartella.filePath("partite/files").toStdString();
    EXPECT_TRUE(!fs::exists(files) || fs::is_empty(files)) << "no ribbon without its game";
}

// Two games of the same name in two folders: each opens as it was on screen, and refusing
// the rules with a spin unsaved first offers to save it.
TEST_F(FileQtTest, GamesOfTheSameNameInTwoFoldersStaySeparate) {
    auto& p = programma.piattaforma();
    std::vector<TIstantanea> schermi;
    const std::vector<std::vector<int>> partite = {{17, 0, 32}, {5, 5, 36, 12}};
    for (std::size_t k = 0; k < partite.size(); ++k) {
        const QString dentro = QStringLiteral("partite/%1").arg(k);
        QDir(cartella.path()).mkpath(dentro);
        if (k > 0) {
            p.rispondiSi();
            premi("BitBtn1"); // "Nuova Partita"
        }
        for (int n : partite[k]) premi(("SpeedButton" + std::to_string(n + 1)).c_str());
        schermi.push_back(istantanea());
        p.scegliFile(cartella.filePath(dentro + "/serata.fvr").toStdString());
        premi("SpeedButton48");
        ASSERT_TRUE(p.risposteFinite());
    }
    for (std::size_t k : {0u, 1u, 0u}) {
        p.rispondiSi();
        p.scegliFile(
            cartella.filePath(QStringLiteral("partite/%1/serata.fvr").arg(k)).toStdString());
        premi("SpeedButton49");
        EXPECT_TRUE(p.risposteFinite());
        const TIstantanea dopo = istantanea();
        for (const auto& [nome, valore] : schermi[k]) {
            // A hidden control may keep an old text: only that it is hidden shows.
            if (valore.startsWith(QStringLiteral("[nascosto]")))
                EXPECT_TRUE(dopo.at(nome).startsWith(QStringLiteral("[nascosto]"))) << nome;
            else
                EXPECT_EQ(dopo.at(nome), valore) << nome;
        }
    }
    EXPECT_EQ(std::count_if(p.registro.begin(), p.registro.end(),
                            [](const std::string& r) { return r.rfind("errore", 0) == 0; }),
              0);

    // One more spin, then the rules from the menu are refused: the save question comes
    // first, and "Sì" writes the game shown to its file before the program ends.
    premi("SpeedButton2");
    auto& regole = programma.vista(programma.applicazione().form17());
    programma.vista(programma.applicazione().form1()).azione("RegolediUtilizzo1")->trigger();
    QCoreApplication::processEvents();
    ASSERT_TRUE(regole.isVisible());
    p.rispondiSi();
    QTest::mouseClick(qobject_cast<QAbstractButton*>(regole.widget("BitBtn2")), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(p.risposteFinite());
    EXPECT_TRUE(p.uscitaRichiesta());
    EXPECT_EQ(p.registro.back(), "domanda: Attenzione: hai aggiunto dei numeri ma non hai "
                                 "salvato. Vuoi Salvare prima di chiudere?");
    QFile salvato(cartella.filePath(QStringLiteral("partite/0/serata.fvr")));
    ASSERT_TRUE(salvato.open(QIODevice::ReadOnly));
    EXPECT_EQ(salvato.readAll().split('\n').value(1), QByteArray("4\r"));
}

} // namespace
} // namespace girolino
