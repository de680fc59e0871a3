// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt platform: real message boxes and file dialogs answered by the test, modal
// windows, the settings store in a temporary folder; and the scripted platform of the
// toolkit tests.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "qt/Lingua.h"
#include "qt/PiattaformaQt.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"

#include <gtest/gtest-spi.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace girolino {
namespace {

// Runs `risposta` on the first modal window that appears (a box, a dialog).
void quandoAppareModale(std::function<void(QWidget*)> risposta) {
    auto* attesa = new QTimer(qApp);
    QObject::connect(attesa, &QTimer::timeout, [attesa, risposta] {
        if (QWidget* m = QApplication::activeModalWidget()) {
            attesa->deleteLater();
            attesa->stop();
            risposta(m);
        }
    });
    attesa->start(5);
}

QAbstractButton* pulsanteConTesto(QWidget* box, const QString& testo) {
    for (auto* b : box->findChildren<QAbstractButton*>())
        if (b->text().remove(QLatin1Char('&')) == testo) return b;
    return nullptr;
}

class TFormModale : public ui::TForm {
public:
    explicit TFormModale(ui::TPiattaforma& p) : TForm(p, "TForm15", "Girolino - Help", 200, 100) {
        ui::TControllo ok;
        ok.nome = "BitBtn1";
        ok.tipo = ui::TTipo::Pulsante;
        ok.x = 50;
        ok.y = 50;
        ok.w = 100;
        ok.h = 30;
        ok.testo = "OK";
        idOk = aggiungi(ok);
        ui::TControllo testo = ok;
        testo.nome = "Label1";
        testo.tipo = ui::TTipo::Etichetta;
        testo.y = 10;
        testo.testo = "prima";
        idTesto = aggiungi(testo);
    }
    void click(int id) override {
        if (id == idOk) nascondi();
    }
    int idOk, idTesto;
};

class PiattaformaQtTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { qt::impostaItaliano(*QCoreApplication::instance()); }
    QString fileImpostazioni() const { return cartella.filePath("girolino.ini"); }

    QTemporaryDir cartella;
    qt::TRegia regia;
    qt::TPiattaformaQt piattaforma{regia, fileImpostazioni()};
};

TEST(FiltriQt, BecomeQtNameFilters) {
    struct Caso {
        const char* filtro;
        QStringList attesi;
    };
    const Caso casi[] = {
        {"File Girolino (*.FVR)|*.fvr|Tutti i file|*.*",
         {"File Girolino (*.fvr *.FVR)", "Tutti i file (*)"}},
        {"Testo|*.txt;*.log", {"Testo (*.txt *.TXT *.log *.LOG)"}},
        {"", {}},
        {"Descrizione senza modello", {}},
    };
    for (const auto& c : casi) EXPECT_EQ(qt::filtriQt(c.filtro), c.attesi) << c.filtro;
}

TEST_F(PiattaformaQtTest, QuestionBoxSaysSiAndNoAndReturnsTheAnswer) {
    for (const bool si : {true, false}) {
        QString titolo, testo;
        quandoAppareModale([&](QWidget* box) {
            titolo = box->windowTitle();
            testo = static_cast<QMessageBox*>(box)->text();
            ASSERT_NE(pulsanteConTesto(box, "No"), nullptr);
            QAbstractButton* b = pulsanteConTesto(box, si ? "Sì" : "No");
            ASSERT_NE(b, nullptr) << "the Italian buttons are missing";
            b->click();
        });
        EXPECT_EQ(piattaforma.domanda("Vuoi salvare?"), si);
        EXPECT_EQ(titolo, "Girolino");
        EXPECT_EQ(testo, "Vuoi salvare?");
    }
}

TEST_F(PiattaformaQtTest, InformationBoxWaitsForOk) {
    QString testo;
    quandoAppareModale([&](QWidget* box) {
        testo = static_cast<QMessageBox*>(box)->text();
        static_cast<QMessageBox*>(box)->accept();
    });
    piattaforma.messaggio("Bravo! Questo era un click! ;)");
    EXPECT_EQ(testo, "Bravo! Questo era un click! ;)");
}

TEST_F(PiattaformaQtTest, OpenDialogShowsTitleFolderAndFilters) {
    const QString scelto = cartella.filePath("partita.fvr");
    QFile f(scelto);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    ui::TDialogoFile d;
    d.titolo = "Apri una partita";
    d.filtro = "File Girolino (*.FVR)|*.fvr|Tutti i file|*.*";
    d.cartellaIniziale = cartella.path().toStdString();

    QFileDialog* visto = nullptr;
    QStringList filtri;
    QString cartellaVista;
    quandoAppareModale([&](QWidget* w) {
        visto = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(visto, nullptr);
        filtri = visto->nameFilters();
        cartellaVista = visto->directory().absolutePath();
        visto->selectFile(scelto);
        static_cast<QDialog*>(visto)->accept(); // as the "Apri" button does
    });
    const auto r = piattaforma.dialogoApri(d);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(QString::fromStdString(*r), scelto);
    EXPECT_EQ(filtri, (QStringList{"File Girolino (*.fvr *.FVR)", "Tutti i file (*)"}));
    EXPECT_EQ(cartellaVista, QDir(cartella.path()).absolutePath());

    quandoAppareModale([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(piattaforma.dialogoSalva(d).has_value());
}

TEST_F(PiattaformaQtTest, ScriptedAnswersReplaceThePersonInOrder) {
    test::PiattaformaQtDiProva prova(regia, fileImpostazioni());
    prova.chiudiMessaggio();
    prova.rispondiSi();
    prova.rispondiNo();
    prova.annullaDialogo();
    prova.scegliFile("/tmp/a.fvr");
    prova.messaggio("uno");
    EXPECT_TRUE(prova.domanda("due"));
    EXPECT_FALSE(prova.domanda("tre"));
    EXPECT_FALSE(prova.dialogoSalva({"Salva", "", "", "", true}).has_value());
    EXPECT_EQ(prova.dialogoApri({"Apri", "", "", "", false}), "/tmp/a.fvr");
    EXPECT_TRUE(prova.risposteFinite());
    EXPECT_EQ(prova.registro,
              (std::vector<std::string>{"messaggio: uno", "domanda: due", "domanda: tre",
                                        "salva: Salva", "apri: Apri"}));
}

// A box without an answer, an answer of another kind and an answer nobody asked for each
// fail the test that scripted them.
TEST_F(PiattaformaQtTest, ScriptedAnswersThatDoNotMatchFailTheTest) {
    const std::vector<std::function<void(test::PiattaformaQtDiProva&)>> guasti = {
        [](auto& p) { p.messaggio("senza risposta"); },
        [](auto& p) {
            p.scegliFile("/tmp/a.fvr");
            p.domanda("una domanda");
        },
        [](auto& p) {
            p.rispondiSi();
            EXPECT_FALSE(p.dialogoApri({"Apri", "", "", "", false}).has_value());
        },
        [](auto& p) { p.rispondiNo(); },
    };
    for (std::size_t k = 0; k < guasti.size(); ++k) {
        ::testing::TestPartResultArray risultati;
        {
            ::testing::ScopedFakeTestPartResultReporter r(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD,
                &risultati);
            test::PiattaformaQtDiProva prova(regia, fileImpostazioni());
            guasti[k](prova);
        }
        EXPECT_EQ(risultati.size(), 1) << k;
    }
}

TEST_F(PiattaformaQtTest, PendingChangesAreOnScreenBeforeABoxAndAModalWindowWaits) {
    TFormModale form(piattaforma);
    auto& vista = regia.crea(form);
    form.mostra();
    regia.renderizzaTutto();
    form.setTesto(form.idTesto, "dopo");
    QString sottoIlBox;
    quandoAppareModale([&](QWidget* box) {
        sottoIlBox = qobject_cast<QLabel*>(vista.widget(form.idTesto))->text();
        static_cast<QMessageBox*>(box)->accept();
    });
    piattaforma.messaggio("attenzione");
    EXPECT_EQ(sottoIlBox, "dopo");

    form.nascondi();
    regia.renderizzaTutto();

    Qt::WindowModality modalita = Qt::NonModal;
    bool visibileIntanto = false;
    QTimer::singleShot(20, [&] {
        modalita = vista.windowModality();
        visibileIntanto = vista.isVisible();
        qobject_cast<QAbstractButton*>(vista.widget(form.idOk))->click();
    });
    piattaforma.mostraModale(form);
    EXPECT_TRUE(visibileIntanto);
    EXPECT_EQ(modalita, Qt::ApplicationModal);
    EXPECT_FALSE(vista.isVisible());
    EXPECT_FALSE(form.visibile());
    EXPECT_EQ(vista.windowModality(), Qt::NonModal);
}

TEST_F(PiattaformaQtTest, SettingsSurviveANewStart) {
    EXPECT_TRUE(piattaforma.impostazioniDisponibili());
    EXPECT_EQ(piattaforma.leggiImpostazione("mostraRegole"), std::nullopt);
    EXPECT_TRUE(piattaforma.scriviImpostazione("mostraRegole", false));

    qt::TPiattaformaQt nuovoAvvio(regia, fileImpostazioni());
    EXPECT_EQ(nuovoAvvio.leggiImpostazione("mostraRegole"), std::optional<bool>(false));
}

TEST_F(PiattaformaQtTest, AStoreThatCannotBeWrittenIsUnavailable) {
    // A folder that cannot exist: its parent is a plain file.
    QFile ostacolo(cartella.filePath("file"));
    ASSERT_TRUE(ostacolo.open(QIODevice::WriteOnly));
    ostacolo.close();
    qt::TPiattaformaQt p(regia, cartella.filePath("file/dentro/girolino.ini"));
    EXPECT_FALSE(p.impostazioniDisponibili());
    EXPECT_FALSE(p.scriviImpostazione("mostraRegole", true));
}

TEST_F(PiattaformaQtTest, QuittingIsRemembered) {
    EXPECT_FALSE(piattaforma.uscitaRichiesta());
    piattaforma.esci();
    EXPECT_TRUE(piattaforma.uscitaRichiesta());
}

} // namespace
} // namespace girolino
