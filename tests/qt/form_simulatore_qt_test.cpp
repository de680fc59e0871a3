// SPDX-License-Identifier: GPL-3.0-or-later
// The betting system simulator in the real program: opened from its menu item, a Monte Carlo
// run in the background while the window keeps answering, "Annulla", the window in English
// with its systems picked and typed in English, and background work of the Qt platform itself.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "engine/Sistema.h"
#include "lingua/Traduttore.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"
#include "qt/VistaGrafico.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace girolino {
namespace {

constexpr int ATTESA_MS = 120'000; // generous: the machine may be shared

class FormSimulatoreQtTest : public ::testing::Test {
protected:
    explicit FormSimulatoreQtTest(TLingua lingua = TLingua::Italiano)
        : programma(std::make_unique<test::ProgrammaDiProva>(
              cartella.filePath(QStringLiteral("girolino.ini")), lingua)) {
        programma->avvia();
        QAction* voce =
            programma->vista(programma->applicazione().form1()).azione("SimulatoreSistemi1");
        EXPECT_NE(voce, nullptr);
        if (voce) voce->trigger();
        QCoreApplication::processEvents();
    }
    ui::TFormSimulatore& form() { return programma->applicazione().formSimulatore(); }
    qt::TVistaForm& vista() { return programma->vista(form()); }
    template <class W> W* w(const char* nome) {
        auto* widget = qobject_cast<W*>(vista().widget(nome));
        EXPECT_NE(widget, nullptr) << nome;
        return widget;
    }
    void scrivi(const char* nome, const QString& testo) {
        auto* e = w<QLineEdit>(nome);
        e->selectAll();
        QTest::keyClicks(e, testo);
    }
    void simulati(const QString& sessioni, const QString& giri) {
        QTest::mouseClick(w<QRadioButton>("RadioButtonSimulati"), Qt::LeftButton);
        programma->regia().renderizzaTutto(); // the fields it enables
        ASSERT_TRUE(w<QLineEdit>("EditSessioni")->isEnabled());
        scrivi("EditSessioni", sessioni);
        scrivi("EditGiriSessione", giri);
        QTest::mouseClick(w<QAbstractButton>("BitBtnSimula"), Qt::LeftButton);
        programma->regia().renderizzaTutto();
    }

    // Picks item i of a combo box from its open list, as the mouse does.
    void scegli(const char* nome, int i) {
        auto* cb = w<QComboBox>(nome);
        cb->showPopup();
        QAbstractItemView* lista = cb->view();
        const QModelIndex voce = lista->model()->index(i, 0);
        lista->scrollTo(voce);
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(voce).center());
        QCoreApplication::processEvents();
        programma->regia().renderizzaTutto();
    }
    std::string inLingua(const std::string& testo) {
        return programma->regia().traduttore().traduci(testo);
    }

    QTemporaryDir cartella;
    std::unique_ptr<test::ProgrammaDiProva> programma;
};

class FormSimulatoreQtInglese : public FormSimulatoreQtTest {
protected:
    FormSimulatoreQtInglese() : FormSimulatoreQtTest(TLingua::Inglese) {}
};

TEST_F(FormSimulatoreQtTest, MonteCarloRunsInTheBackgroundAndFillsTheResults) {
    EXPECT_TRUE(vista().isVisible());
    EXPECT_EQ(vista().objectName(), "TFormSimulatore");
    EXPECT_EQ(vista().windowTitle(), "Girolino - Simulatore di Sistemi");

    simulati(QStringLiteral("20000"), QStringLiteral("2000"));
    // The click returned before the run ended: the bar and "Annulla" are up meanwhile.
    EXPECT_TRUE(form().inCorso());
    EXPECT_TRUE(w<QProgressBar>("ProgressBarSimulazione")->isVisible());
    EXPECT_TRUE(w<QAbstractButton>("BitBtnAnnulla")->isEnabled());
    EXPECT_FALSE(w<QAbstractButton>("BitBtnSimula")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form().inCorso(); }, ATTESA_MS));
    programma->regia().renderizzaTutto();

    ASSERT_TRUE(form().monteCarlo());
    EXPECT_EQ(form().monteCarlo()->sessioni, 20000);
    auto* tabella = w<QTableView>("TabellaRisultati");
    ASSERT_GE(tabella->model()->rowCount(), 10);
    EXPECT_EQ(tabella->model()->index(0, 0).data().toString(), "Sessioni");
    EXPECT_EQ(tabella->model()->index(0, 1).data().toString(), "20000");
    EXPECT_EQ(w<QLabel>("LabelStato")->text(), "Simulate 20000 sessioni.");
    EXPECT_FALSE(w<QProgressBar>("ProgressBarSimulazione")->isVisible());
    EXPECT_TRUE(w<QAbstractButton>("BitBtnSimula")->isEnabled());
    auto* distribuzione = w<qt::TVistaGrafico>("GraficoDistribuzione");
    EXPECT_TRUE(distribuzione->isVisible());
    EXPECT_FALSE(distribuzione->chart()->series().isEmpty());
    EXPECT_TRUE(programma->piattaforma().registro.empty());
    EXPECT_EQ(programma->piattaforma().lavoriInCorso(), 0u);
}

TEST_F(FormSimulatoreQtTest, AnnullaStopsARunningSimulation) {
    // Long enough that only "Annulla" ends it within the test's time.
    simulati(QStringLiteral("1000000"), QStringLiteral("100000"));
    auto* barra = w<QProgressBar>("ProgressBarSimulazione");
    // The window keeps rendering the progress while the run goes on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return barra->value() > 0; }, ATTESA_MS));
    EXPECT_TRUE(form().inCorso());
    QTest::mouseClick(w<QAbstractButton>("BitBtnAnnulla"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form().inCorso(); }, ATTESA_MS));
    programma->regia().renderizzaTutto();
    EXPECT_FALSE(form().monteCarlo());
    EXPECT_EQ(w<QLabel>("LabelStato")->text(), "Simulazione annullata: nessun risultato.");
    EXPECT_EQ(w<QTableView>("TabellaRisultati")->model()->rowCount(), 0);
    EXPECT_TRUE(w<QAbstractButton>("BitBtnSimula")->isEnabled());
}

TEST_F(FormSimulatoreQtTest, EndingTheProgramDuringARunStopsItCleanly) {
    simulati(QStringLiteral("1000000"), QStringLiteral("100000"));
    ASSERT_TRUE(form().inCorso());
    programma.reset(); // the window stops the run; the platform waits for its thread
    SUCCEED();
}

TEST_F(FormSimulatoreQtInglese, SystemsPickedOrTypedInEnglishReachTheModelInItalian) {
    EXPECT_EQ(vista().windowTitle(), "Girolino - System Simulator");
    auto* progressione = w<QComboBox>("ComboProgressione");
    QStringList voci;
    for (int i = 0; i < progressione->count(); ++i) voci << progressione->itemText(i);
    EXPECT_EQ(voci, (QStringList{"Flat", "Martingale", "D'Alembert", "Fibonacci", "Labouchère",
                                 "Paroli"}));
    EXPECT_EQ(progressione->currentText(), "Flat");

    // Every system picked from the list is the model's; the Labouchère line follows it.
    for (int i = 0; i < static_cast<int>(PROGRESSIONI.size()); ++i) {
        scegli("ComboProgressione", i);
        EXPECT_EQ(progressione->currentText(), voci[i]);
        EXPECT_EQ(form().testo(form().id("ComboProgressione")),
                  std::string(nomeProgressione(PROGRESSIONI[i])));
        const auto s = form().leggiImpostazioni();
        ASSERT_TRUE(s) << i;
        EXPECT_EQ(s->progressione, PROGRESSIONI[i]);
        EXPECT_EQ(w<QLineEdit>("EditLinea")->isEnabled(), voci[i] == "Labouchère");
    }

    // A bet from the list: a chance, then a number.
    scegli("ComboPuntata", 1);
    EXPECT_EQ(form().leggiImpostazioni()->puntata, TPuntata::chance(Nero));
    scegli("ComboPuntata", 12 + 17);
    EXPECT_EQ(form().leggiImpostazioni()->puntata, TPuntata::numero(17));

    // Typed in English, then something that is no system: refused in English.
    auto* campo = progressione->lineEdit();
    campo->selectAll();
    QTest::keyClicks(campo, QStringLiteral("Martingale"));
    EXPECT_EQ(form().leggiImpostazioni()->progressione, TTipoProgressione::Martingala);
    campo->selectAll();
    QTest::keyClicks(campo, QStringLiteral("Doubling"));
    programma->piattaforma().chiudiMessaggio();
    EXPECT_FALSE(form().leggiImpostazioni());
    ASSERT_EQ(programma->piattaforma().registro.size(), 1u);
    EXPECT_EQ(programma->piattaforma().registro[0].substr(0, 8), "errore: ");
    EXPECT_EQ(inLingua(programma->piattaforma().registro[0].substr(8)),
              "Progression: choose Flat, Martingale, D'Alembert, Fibonacci, Labouchère or "
              "Paroli, not 'Doubling'.");
}

TEST_F(FormSimulatoreQtInglese, ResultsAndStatusReadInEnglish) {
    simulati(QStringLiteral("200"), QStringLiteral("100"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form().inCorso(); }, ATTESA_MS));
    programma->regia().renderizzaTutto();
    EXPECT_EQ(w<QLabel>("LabelStato")->text(), "Simulated 200 sessions.");
    auto* tabella = w<QTableView>("TabellaRisultati");
    ASSERT_GE(tabella->model()->rowCount(), 11);
    const std::vector<QString> attese = {"Sessions",       "Bets played",
                                         "Mean result",    "Median result",
                                         "5th percentile", "95th percentile",
                                         "Target reached", "Stop loss reached",
                                         "Ruin",           "Return per unit staked",
                                         "Expected return"};
    for (std::size_t r = 0; r < attese.size(); ++r)
        EXPECT_EQ(tabella->model()->index(static_cast<int>(r), 0).data().toString(), attese[r]);
}

// The platform's own background work: posts reach the window thread in order, then the end;
// a failure is reported in a box and the end still comes.
TEST(PiattaformaQtSottofondo, PostsArriveInOrderOnTheWindowThread) {
    qt::TRegia regia;
    test::PiattaformaQtDiProva piattaforma(regia,
                                           QTemporaryDir().filePath(QStringLiteral("x.ini")));
    std::vector<std::string> visti;
    QThread* finestra = QThread::currentThread();
    bool sempreQui = true;
    piattaforma.inSottofondo(
        [&sempreQui, &visti, finestra](const ui::TPiattaforma::TPosta& posta) {
            sempreQui = sempreQui && QThread::currentThread() != finestra;
            for (int i = 0; i < 3; ++i)
                posta([&, i, finestra] {
                    sempreQui = sempreQui && QThread::currentThread() == finestra;
                    visti.push_back(std::to_string(i));
                });
        },
        [&] { visti.push_back("fatto"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return piattaforma.lavoriInCorso() == 0; }, ATTESA_MS));
    piattaforma.chiudiMessaggio();
    piattaforma.inSottofondo(
        [](const ui::TPiattaforma::TPosta&) { throw std::runtime_error("no"); },
        [&] { visti.push_back("fatto dopo il guasto"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return piattaforma.lavoriInCorso() == 0; }, ATTESA_MS));
    EXPECT_TRUE(sempreQui);
    EXPECT_EQ(visti, (std::vector<std::string>{"0", "1", "2", "fatto", "fatto dopo il guasto"}));
    EXPECT_EQ(piattaforma.registro, (std::vector<std::string>{"errore: no"}));
}

} // namespace
} // namespace girolino
