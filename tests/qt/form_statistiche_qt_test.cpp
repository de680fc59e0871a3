// SPDX-License-Identifier: GPL-3.0-or-later
// The observed-against-expected window on screen: opened through its menu action, its
// table view and chart show the game played with real clicks, and follow it.

#include "AmbienteQt.h"
#include "PiattaformaQtDiProva.h"
#include "engine/FasciaAttese.h"
#include "engine/Statistiche.h"
#include "engine/StatistichePartita.h"
#include "qt/Programma.h"
#include "qt/VistaForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <string>
#include <vector>

namespace girolino {
namespace {

enum Colonna { Nome, Sortite, Attese, Z, ProbMaxRit };

class FormStatisticheQtTest : public ::testing::Test {
protected:
    FormStatisticheQtTest() {
        programma.piattaforma().duranteModale = [](ui::TForm&) {};
        programma.avvia();
        QCoreApplication::processEvents();
    }

    qt::TVistaForm& principale() { return programma.vista(programma.applicazione().form1()); }
    ui::TFormStatistiche& modello() { return programma.applicazione().formStatistiche(); }
    qt::TVistaForm& finestra() { return programma.vista(modello()); }
    QTableView* tabella() { return qobject_cast<QTableView*>(finestra().widget("TabellaScarti")); }
    QChart* grafico() {
        auto* v = qobject_cast<QChartView*>(finestra().widget("GraficoFrequenze"));
        return v ? v->chart() : nullptr;
    }

    void premi(const char* nome) {
        auto* b = qobject_cast<QAbstractButton*>(principale().widget(nome));
        ASSERT_NE(b, nullptr) << nome;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void gioca(std::initializer_list<int> numeri) {
        for (int n : numeri) premi(("SpeedButton" + std::to_string(n + 1)).c_str());
    }
    // Lets the event loop run until the window has drawn the game and the screen shows it.
    void attendiDisegno() {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return !modello().daAggiornare() && !programma.regia().renderProgrammato(); },
            2000));
    }
    QString cella(int riga, Colonna c) {
        return tabella()->model()->index(riga, c).data().toString();
    }

    // Every cell of the view and every series of the chart as the engine computes them.
    void comeIlMotore() {
        const TStatistichePartita s = statistichePartita(programma.applicazione().partita(), 0);
        std::vector<const TRigaStatistica*> righe;
        for (const auto* v : {&s.numeri, &s.chance, &s.settori})
            for (const auto& r : *v) righe.push_back(&r);
        QTableView* t = tabella();
        ASSERT_NE(t, nullptr);
        ASSERT_EQ(t->model()->rowCount(), static_cast<int>(righe.size()));
        int notevoli = 0;
        for (int i = 0; i < static_cast<int>(righe.size()); ++i) {
            const TRigaStatistica& r = *righe[i];
            SCOPED_TRACE(r.nome);
            EXPECT_EQ(cella(i, Nome).toStdString(), r.nome);
            EXPECT_EQ(cella(i, Sortite).toStdString(), std::to_string(r.contatore.sortite));
            EXPECT_EQ(cella(i, Attese).toStdString(), testoDecimale(r.attese, 1));
            EXPECT_EQ(cella(i, Z).toStdString(), testoDecimale(r.z, 2));
            EXPECT_EQ(cella(i, ProbMaxRit).toStdString(),
                      testoPercentuale(r.probMaxRitardo) + " %");
            const QModelIndex z = t->model()->index(i, Z);
            const bool notevole = std::abs(r.z) >= 3;
            notevoli += notevole;
            EXPECT_EQ(z.data(Qt::ForegroundRole).value<QColor>(),
                      notevole ? QColor(Qt::red) : QColor(Qt::black));
            EXPECT_EQ(z.data(Qt::FontRole).value<QFont>().bold(), notevole);
        }
        EXPECT_GT(notevoli, 0) << "the game should give at least one highlighted row";

        QChart* c = grafico();
        ASSERT_NE(c, nullptr);
        QBarSet* barre = nullptr;
        QLineSeries* linea = nullptr;
        QAreaSeries* fascia = nullptr;
        for (auto* serie : c->series()) {
            if (auto* b = qobject_cast<QBarSeries*>(serie); b && b->count() == 1)
                barre = b->barSets()[0];
            if (auto* l = qobject_cast<QLineSeries*>(serie)) linea = l;
            if (auto* a = qobject_cast<QAreaSeries*>(serie)) fascia = a;
        }
        ASSERT_TRUE(barre && linea && fascia);
        ASSERT_EQ(barre->count(), 37);
        for (int n = 0; n < 37; ++n) EXPECT_EQ(barre->at(n), s.numeri[n].contatore.sortite) << n;
        const TFasciaAttese f = fasciaAttese(s.giri, 1.0 / 37, 2);
        ASSERT_FALSE(linea->points().isEmpty());
        for (const QPointF& p : linea->points()) EXPECT_DOUBLE_EQ(p.y(), f.attese);
        for (const QPointF& p : fascia->upperSeries()->points()) EXPECT_DOUBLE_EQ(p.y(), f.sopra);
        for (const QPointF& p : fascia->lowerSeries()->points()) EXPECT_DOUBLE_EQ(p.y(), f.sotto);

        auto* giudizio = qobject_cast<QLabel*>(finestra().widget("LabelGiudizio"));
        ASSERT_NE(giudizio, nullptr);
        EXPECT_EQ(giudizio->text().toStdString(), giudizioChiQuadro(s.chiQuadro));
    }

    QTemporaryDir cartella;
    test::ProgrammaDiProva programma{cartella.filePath("girolino.ini")};
};

TEST_F(FormStatisticheQtTest, ApertaDalMenuMostraEInsegueLaPartita) {
    QTest::keyClicks(principale().widget("Edit1"), "300");
    premi("BitBtn2");
    for (int k = 0; k < 20; ++k) gioca({17}); // |z| > 3 whatever the run gave 17
    QCoreApplication::processEvents();
    EXPECT_FALSE(finestra().isVisible());

    QAction* voce = principale().azione("FrequenzeOsservateeAttese1");
    ASSERT_NE(voce, nullptr);
    EXPECT_EQ(voce->text(), "Frequenze Osservate e Attese");
    voce->trigger();
    attendiDisegno();
    ASSERT_TRUE(finestra().isVisible());
    EXPECT_EQ(finestra().windowTitle(), "Girolino - Frequenze Osservate e Attese");
    auto* m = tabella()->model();
    std::vector<std::string> intestazioni;
    for (int k = 0; k < m->columnCount(); ++k)
        intestazioni.push_back(m->headerData(k, Qt::Horizontal).toString().toStdString());
    EXPECT_EQ(intestazioni,
              (std::vector<std::string>{"Nome", "Sortite", "Attese", "z", "Prob. Max Rit"}));
    comeIlMotore();

    // Open, it follows a spin, an undo and a new game.
    gioca({17});
    attendiDisegno();
    comeIlMotore();
    premi("SpeedButton47");
    attendiDisegno();
    comeIlMotore();
    programma.piattaforma().rispondiSi();
    premi("BitBtn1");
    attendiDisegno();
    EXPECT_EQ(cella(17, Sortite), "0");
    EXPECT_EQ(grafico()->series().size(), 3);
    gioca({17, 17, 17});
    attendiDisegno();
    comeIlMotore();

    // Sorted by z as numbers: as texts "-1.20" would come after "-0.50".
    auto* h = tabella()->horizontalHeader();
    QTest::mouseClick(
        h->viewport(), Qt::LeftButton, {},
        QPoint(h->sectionViewportPosition(Z) + h->sectionSize(Z) / 2, h->height() / 2));
    double precedente = -1e9;
    for (int r = 0; r < m->rowCount(); ++r) {
        const double z = cella(r, Z).toDouble();
        EXPECT_LE(precedente, z) << r;
        precedente = z;
    }
}

TEST_F(FormStatisticheQtTest, OgniGiudizioStaNellaSuaEtichetta) {
    QAction* voce = principale().azione("FrequenzeOsservateeAttese1");
    ASSERT_NE(voce, nullptr);
    voce->trigger();
    attendiDisegno();
    for (const char* nome : {"LabelGiudizio", "LabelNota"}) {
        auto* l = qobject_cast<QLabel*>(finestra().widget(nome));
        ASSERT_NE(l, nullptr) << nome;
        ASSERT_TRUE(l->wordWrap()) << nome;
        const bool giudizio = std::string_view(nome) == "LabelGiudizio";
        const std::vector<std::string> testi =
            giudizio ? std::vector<std::string>{std::string(GIUDIZIO_EQUA),
                                                std::string(GIUDIZIO_INSOLITO),
                                                std::string(GIUDIZIO_POCHI_GIRI)}
                     : std::vector<std::string>{l->text().toStdString()};
        for (const std::string& testo : testi) {
            QLabel prova(QString::fromStdString(testo));
            prova.setFont(l->font());
            prova.setWordWrap(true);
            EXPECT_LE(prova.heightForWidth(l->width()), l->height()) << testo;
        }
    }
}

} // namespace
} // namespace girolino
