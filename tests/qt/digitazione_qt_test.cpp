// SPDX-License-Identifier: GPL-3.0-or-later
// The table played from the keyboard on the real windows: typing into the entry fields, digits
// typed on buttons, the command keys, and a list imported through the menu, its file dialog
// and the preview's button.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "qt/VistaNastro.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <string>
#include <utility>
#include <vector>

namespace girolino {
namespace {

class DigitazioneQt : public ::testing::Test {
protected:
    DigitazioneQt() {
        programma.piattaforma().duranteModale = [](ui::TForm&) {};
        programma.avvia();
        principale().activateWindow();
        QApplication::setActiveWindow(&principale());
    }
    ui::TApplicazione& app() { return programma.applicazione(); }
    qt::TVistaForm& principale() { return programma.vista(app().form1()); }
    qt::TVistaForm& tastiera() { return programma.vista(app().form5()); }
    QLineEdit* campo(qt::TVistaForm& v) {
        auto* e = qobject_cast<QLineEdit*>(v.widget("EditNumero"));
        EXPECT_NE(e, nullptr);
        return e;
    }
    QAction* azione(const char* nome) {
        QAction* a = principale().azione(nome);
        EXPECT_NE(a, nullptr) << nome;
        return a;
    }
    // Lets the coalesced render run.
    void attendi() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    }
    std::string memo(const char* nome) { return app().form1()[nome].testo; }

    QTemporaryDir cartella;
    test::ProgrammaDiProva programma{cartella.filePath("girolino.ini")};
};

TEST_F(DigitazioneQt, NumeroEInvioEntranoEIlCampoRestaProntoERossoSeSbagliato) {
    QLineEdit* e = campo(principale());
    e->setFocus();
    QTest::keyClicks(e, "17");
    QTest::keyClick(e, Qt::Key_Return);
    attendi();
    EXPECT_EQ(memo("Memo1"), "17");
    EXPECT_EQ(e->text(), "");
    EXPECT_TRUE(e->hasFocus());

    QTest::keyClicks(e, "5");
    QTest::keyClick(e, Qt::Key_Enter, Qt::KeypadModifier);
    attendi();
    EXPECT_EQ(memo("Memo2"), "2");

    QTest::keyClicks(e, "37");
    QTest::keyClick(e, Qt::Key_Return);
    attendi();
    EXPECT_EQ(memo("Memo2"), "2");
    EXPECT_EQ(e->selectedText(), "37");
    EXPECT_EQ(e->toolTip(), "Numero da 0 a 36");
    EXPECT_EQ(e->palette().color(QPalette::Base), QColor(Qt::red));
    EXPECT_TRUE(programma.piattaforma().registro.empty());
    QTest::keyClicks(e, "8"); // replaces the selected text
    EXPECT_EQ(e->text(), "8");
    attendi();
    EXPECT_NE(e->palette().color(QPalette::Base), QColor(Qt::red));

    e->setText("23"); // text put there other than by typing is entered all the same
    QTest::keyClick(e, Qt::Key_Return);
    EXPECT_EQ(memo("Memo1"), "23");
}

TEST_F(DigitazioneQt, LeCifreSuUnPulsanteVannoNelCampoMaGliAltriCampiLeTengono) {
    auto* pulsante = qobject_cast<QAbstractButton*>(principale().widget("SpeedButton18"));
    pulsante->setFocus();
    QTest::keyClicks(pulsante, "2");
    QTest::keyClicks(QApplication::focusWidget(), "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    attendi();
    EXPECT_EQ(memo("Memo1"), "29");

    auto* conteggio = qobject_cast<QLineEdit*>(principale().widget("Edit1"));
    conteggio->setFocus();
    QTest::keyClicks(conteggio, "12");
    EXPECT_EQ(conteggio->text(), "12");
    EXPECT_EQ(campo(principale())->text(), "");

    // On the pad: a digit on its read-only strip goes into its own field.
    QTest::mouseClick(qobject_cast<QAbstractButton*>(principale().widget("SpeedButton46")),
                      Qt::LeftButton);
    attendi();
    QWidget* striscia = tastiera().widget("RichEdit1");
    QTest::keyClicks(striscia, "3");
    QTest::keyClick(campo(tastiera()), Qt::Key_Return);
    attendi();
    EXPECT_EQ(memo("Memo1"), "3");
    EXPECT_EQ(app().form5()["Memo2"].testo, "2");
}

TEST_F(DigitazioneQt, ITastiDeiComandi) {
    const auto tasto = [this](const char* voce) { return azione(voce)->shortcut().toString(); };
    EXPECT_EQ(tasto("AnnullaUltimoNumero1"), "Ctrl+Z");
    EXPECT_EQ(tasto("NuovaPartita1"), "Ctrl+N");
    EXPECT_EQ(tasto("SalvaconNome1"), "Ctrl+S");
    EXPECT_EQ(tasto("Apri1"), "Ctrl+Shift+S");
    EXPECT_EQ(tasto("Apri2"), "Ctrl+O");
    EXPECT_EQ(tasto("Aiuto1"), "F1");
    EXPECT_EQ(tasto("ImportaNumeri1"), "Ctrl+I");

    QLineEdit* e = campo(principale());
    e->setFocus();
    QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier); // nothing to take back: nothing
    for (const char* n : {"4", "15", "26"}) {
        QTest::keyClicks(e, n);
        QTest::keyClick(e, Qt::Key_Return);
    }
    attendi();
    EXPECT_TRUE(azione("AnnullaUltimoNumero1")->isEnabled());
    QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier); // the program's undo, not the field's
    attendi();
    EXPECT_EQ(memo("Memo1"), "15");
    EXPECT_FALSE(azione("AnnullaUltimoNumero1")->isEnabled());
    QTest::keyClick(e, Qt::Key_Backspace); // spent until the next spin
    attendi();
    EXPECT_EQ(memo("Memo2"), "2");
    QTest::keyClicks(e, "26");
    QTest::keyClick(e, Qt::Key_Return);
    QTest::keyClick(e, Qt::Key_Backspace);
    attendi();
    EXPECT_EQ(memo("Memo2"), "2");

    // From the floating pad too.
    QTest::mouseClick(qobject_cast<QAbstractButton*>(principale().widget("SpeedButton46")),
                      Qt::LeftButton);
    attendi();
    QLineEdit* suTastiera = campo(tastiera());
    tastiera().activateWindow();
    QApplication::setActiveWindow(&tastiera());
    suTastiera->setFocus();
    QTest::keyClicks(suTastiera, "33");
    QTest::keyClick(suTastiera, Qt::Key_Return);
    EXPECT_EQ(memo("Memo1"), "33");
    QTest::keyClick(suTastiera, Qt::Key_Z, Qt::ControlModifier);
    attendi();
    EXPECT_EQ(memo("Memo1"), "15");

    programma.piattaforma().rispondiSi();
    QTest::keyClick(e, Qt::Key_N, Qt::ControlModifier);
    attendi();
    EXPECT_EQ(memo("Memo2"), "0");
    EXPECT_EQ(programma.piattaforma().registro,
              std::vector<std::string>{
                  "domanda: Attenzione: il tabellone verrà resettato. Vuoi continuare?"});
}

TEST_F(DigitazioneQt, SalvaApriEAiutoDaTastiera) {
    auto& p = programma.piattaforma();
    p.cartellaProgrammaProva = cartella.path().toStdString();
    QLineEdit* e = campo(principale());
    e->setFocus();
    QTest::keyClick(e, Qt::Key_S, Qt::ControlModifier); // nothing to save: disabled, silent
    attendi();
    EXPECT_TRUE(p.registro.empty());
    QTest::keyClicks(e, "11");
    QTest::keyClick(e, Qt::Key_Return);
    // Both dialogs cancelled, the open question refused.
    p.annullaDialogo();
    p.annullaDialogo();
    p.rispondiNo();
    QTest::keyClick(e, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(e, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(e, Qt::Key_F1);
    attendi();
    EXPECT_EQ(p.registro,
              (std::vector<std::string>{
                  "salva: Salva il file di testo", "salva: Salva il file di testo",
                  "domanda: Attenzione: aprendo un file salvato perderai i dati attualmente "
                  "visualizzati. Vuoi Continuare?",
                  "modale: TForm15"}));
}

TEST_F(DigitazioneQt, UnElencoTrascinatoSulLaFinestraSiImporta) {
    const QString file = cartella.filePath("lista.txt");
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("3 6 9\n");
    }
    programma.piattaforma().duranteModale = [](ui::TForm& f) {
        if (f.nomeClasse() == "TFormImporta") f.click(f.id("BitBtnImporta"));
    };
    QWidget* bersaglio = principale().widget("Memo3");
    const QPoint punto = bersaglio->rect().center();
    for (const auto& [nome, accettato] : std::vector<std::pair<QString, bool>>{
             {cartella.filePath("foto.png"), false}, {file, true}}) {
        QMimeData dati;
        dati.setUrls({QUrl::fromLocalFile(nome)});
        QDragEnterEvent entra(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &entra);
        EXPECT_EQ(entra.isAccepted(), accettato) << nome.toStdString();
        if (!accettato) continue;
        QDropEvent lascia(punto, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(bersaglio, &lascia);
        EXPECT_TRUE(lascia.isAccepted());
    }
    attendi();
    EXPECT_EQ(memo("Memo2"), "3");
    EXPECT_EQ(memo("Memo1"), "9");
}

TEST_F(DigitazioneQt, ImportaDalMenuConIlDialogoELAnteprima) {
    const QString file = cartella.filePath("permanenze.csv");
    QString testo = "Numero;Ora\n";
    for (int i = 0; i < 12000; ++i) testo += QString::number((i * 7) % 37) + ";20:00\n";
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(testo.toUtf8());
    }
    auto& p = programma.piattaforma();
    p.scegliFile(file.toStdString());
    p.duranteModale = [this](ui::TForm& f) {
        if (f.nomeClasse() != "TFormImporta") return;
        QTest::mouseClick(programma.vista(f).widget("BitBtnImporta"), Qt::LeftButton);
    };
    // While the blocks go in, the windows are drawn and the preview shows its bar.
    int renderConBarra = 0;
    QObject::connect(&programma.regia(), &qt::TRegia::renderizzato, [&] {
        auto& anteprima = programma.vista(app().formImporta());
        if (anteprima.isVisible() && anteprima.widget("ProgressBarImporta")->isVisible())
            ++renderConBarra;
    });
    // The game is whole once the menu item has run.
    principale().azione("ImportaNumeri1")->trigger();
    EXPECT_GE(renderConBarra, 2);
    EXPECT_EQ(memo("Memo2"), "12000");
    EXPECT_EQ(memo("Memo1"), std::to_string((11999 * 7) % 37));
    attendi();
    auto* nastro = qobject_cast<qt::TVistaNastro*>(principale().widget("richeditnumero"));
    ASSERT_NE(nastro, nullptr);
    EXPECT_EQ(nastro->righe(), 12000u);
    EXPECT_EQ(nastro->riga(11999).toStdString(), memo("Memo1"));
    EXPECT_EQ(p.registro,
              (std::vector<std::string>{"apri: Importa Numeri", "modale: TFormImporta"}));
    EXPECT_FALSE(programma.vista(app().formImporta()).isVisible());
}

} // namespace
} // namespace girolino
