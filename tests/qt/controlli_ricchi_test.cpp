// SPDX-License-Identifier: GPL-3.0-or-later
// Tables, charts and the wheel: each built from the window model by its own view,
// updated with only what changed, and reporting the user's clicks back to the model.

#include "AmbienteQt.h"
#include "PiattaformaFinta.h"
#include "model/Tabella.h"
#include "qt/Regia.h"
#include "qt/VistaForm.h"
#include "qt/VistaGrafico.h"
#include "qt/VistaRuota.h"
#include "qt/VistaTabella.h"
#include "ui/Disegno.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QDir>
#include <QHeaderView>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <QValueAxis>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace girolino {
namespace {

using ui::TCella;
using ui::TTipo;
using ui::TTipoSerie;

std::vector<TCella> riga(std::string nome, double sortite) {
    return {ui::cellaTesto(nome),
            ui::cellaNumero(std::to_string(static_cast<int>(sortite)), sortite)};
}

ui::TDatiTabella tabellaIniziale() {
    ui::TDatiTabella t;
    t.intestazioni = {"Settore", "Sortite"};
    t.allineamenti = {ui::TAllineaColonna::Sinistra, ui::TAllineaColonna::Destra};
    // Sorted as text the counts would read 10, 100, 9.
    t.righe = {riga("Voisins", 100), riga("Tiers", 9), riga("Orphelins", 10)};
    t.righe[1][1].colore = ui::clRed;
    t.righe[1][1].grassetto = true;
    return t;
}

ui::TDatiGrafico graficoIniziale() {
    ui::TDatiGrafico g;
    g.titolo = "Frequenze";
    g.titoloX = "Numero";
    g.titoloY = "Sortite";
    g.categorie = {"0", "1", "2"};
    g.serie = {
        {TTipoSerie::Fascia,
         "±2σ",
         ui::clSkyBlue,
         {},
         {{-0.5, 4}, {2.5, 4}},
         {{-0.5, 1}, {2.5, 1}}},
        {TTipoSerie::Barre, "Sortite", ui::clNavy, {3, 5, 1}, {}, {}},
        {TTipoSerie::Linea, "Attese", ui::clRed, {}, {{-0.5, 2.5}, {2.5, 2.5}}, {}},
    };
    return g;
}

// A window holding one table, one chart and one wheel; it records the clicked pockets.
class TFormRicca : public ui::TForm {
public:
    explicit TFormRicca(ui::TPiattaforma& p) : TForm(p, "TFormRicca", "Prova", 640, 460) {
        auto t = ui::disegno::controllo("TabellaProva", TTipo::Tabella, -1, 10, 10, 280, 160);
        t.tabella = tabellaIniziale();
        tabella = aggiungi(t);
        auto g = ui::disegno::controllo("GraficoProva", TTipo::Grafico, -1, 300, 10, 330, 240);
        g.grafico = graficoIniziale();
        grafico = aggiungi(g);
        auto r = ui::disegno::controllo("RuotaProva", TTipo::Ruota, -1, 10, 180, 270, 270);
        r.ruota = ui::ruotaConCalore({1.0, 0.5}, 17, {17, 0, 32, 5, 1, 2, 3, 4, 6, 36});
        ruota = aggiungi(r);
    }

    void taschinoCliccato(int id, int numero) override { cliccati.emplace_back(id, numero); }

    std::vector<std::pair<int, int>> cliccati;
    int tabella, grafico, ruota;
};

class ControlliRicchiTest : public ::testing::Test {
protected:
    ControlliRicchiTest() : vista(regia.crea(form)) {
        form.mostra();
        regia.renderizzaTutto();
    }
    template <class W> W* trova(const char* nome) { return vista.findChild<W*>(nome); }

    // The texts of a column as the view shows them, top to bottom.
    static std::vector<std::string> colonna(const QTableView* t, int k) {
        std::vector<std::string> v;
        for (int r = 0; r < t->model()->rowCount(); ++r)
            v.push_back(t->model()->index(r, k).data().toString().toStdString());
        return v;
    }
    static void clickIntestazione(QTableView* t, int k) {
        auto* h = t->horizontalHeader();
        const QPoint punto(h->sectionViewportPosition(k) + h->sectionSize(k) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, punto);
    }

    test::PiattaformaFinta piattaforma;
    TFormRicca form{piattaforma};
    qt::TRegia regia;
    qt::TVistaForm& vista;
};

TEST_F(ControlliRicchiTest, TableShowsTheModelsCells) {
    auto* t = trova<QTableView>("TabellaProva");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->size(), QSize(280, 160));
    auto* m = t->model();
    ASSERT_EQ(m->columnCount(), 2);
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "Sortite");
    EXPECT_EQ(colonna(t, 0), (std::vector<std::string>{"Voisins", "Tiers", "Orphelins"}));
    EXPECT_EQ(colonna(t, 1), (std::vector<std::string>{"100", "9", "10"}));
    const QModelIndex rosso = m->index(1, 1);
    EXPECT_EQ(rosso.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_TRUE(rosso.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(m->index(0, 1).data(Qt::FontRole).isValid()); // the table's own font
    EXPECT_TRUE(m->index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight);
    EXPECT_FALSE(m->flags(m->index(0, 0)) & Qt::ItemIsEditable);
    // Rows share one height, that of a line of the control's font.
    EXPECT_EQ(t->rowHeight(0), t->rowHeight(2));
    EXPECT_GE(t->rowHeight(0), t->fontMetrics().height());
    // No text is cut: each column is wider than what it shows.
    for (int r = 0; r < m->rowCount(); ++r)
        for (int k = 0; k < 2; ++k) {
            const QModelIndex i = m->index(r, k);
            const QFont f =
                i.data(Qt::FontRole).isValid() ? i.data(Qt::FontRole).value<QFont>() : t->font();
            EXPECT_GT(t->columnWidth(k), QFontMetrics(f).horizontalAdvance(i.data().toString()));
        }
}

TEST_F(ControlliRicchiTest, HeaderClickSortsByNumberOnlyOnceClicked) {
    auto* t = trova<QTableView>("TabellaProva");
    ASSERT_NE(t, nullptr);
    // Updates before any click keep the model's order, whatever the values.
    form.setCella(form.tabella, 0, 1, ui::cellaNumero("8", 8));
    regia.renderizzaTutto();
    EXPECT_EQ(colonna(t, 0), (std::vector<std::string>{"Voisins", "Tiers", "Orphelins"}));
    EXPECT_FALSE(t->horizontalHeader()->isSortIndicatorShown());

    clickIntestazione(t, 1);
    EXPECT_EQ(colonna(t, 1), (std::vector<std::string>{"8", "9", "10"}));
    EXPECT_TRUE(t->horizontalHeader()->isSortIndicatorShown());
    clickIntestazione(t, 1);
    EXPECT_EQ(colonna(t, 1), (std::vector<std::string>{"10", "9", "8"}));
    clickIntestazione(t, 0);
    EXPECT_EQ(colonna(t, 0), (std::vector<std::string>{"Orphelins", "Tiers", "Voisins"}));

    // Once sorted, new values keep the rows sorted.
    clickIntestazione(t, 1); // ascending by count
    form.setCella(form.tabella, 2, 1, ui::cellaNumero("1", 1));
    regia.renderizzaTutto();
    EXPECT_EQ(colonna(t, 0), (std::vector<std::string>{"Orphelins", "Voisins", "Tiers"}));
    // ... and so do new rows.
    auto righe = form.controllo(form.tabella).tabella.righe;
    righe.push_back(riga("Jeu zéro", 4));
    form.setRigheTabella(form.tabella, righe);
    regia.renderizzaTutto();
    EXPECT_EQ(colonna(t, 1), (std::vector<std::string>{"1", "4", "8", "9"}));
}

TEST_F(ControlliRicchiTest, TableWithoutSortingIgnoresHeaderClicks) {
    auto t = tabellaIniziale();
    t.ordinabile = false;
    form.setTabella(form.tabella, t);
    regia.renderizzaTutto();
    auto* v = trova<QTableView>("TabellaProva");
    clickIntestazione(v, 1);
    EXPECT_EQ(colonna(v, 1), (std::vector<std::string>{"100", "9", "10"}));
}

TEST_F(ControlliRicchiTest, TableUpdateSignalsOnlyWhatChanged) {
    auto* t = qobject_cast<qt::TVistaTabella*>(trova<QTableView>("TabellaProva"));
    ASSERT_NE(t, nullptr);
    QSignalSpy cambiati(t->sorgente(), &QAbstractItemModel::dataChanged);
    QSignalSpy azzerati(t->sorgente(), &QAbstractItemModel::modelReset);

    // The same value asks for no render at all.
    form.setTabella(form.tabella, tabellaIniziale());
    EXPECT_TRUE(form.sporchi().empty());

    auto nuova = tabellaIniziale();
    nuova.righe[2][1] = ui::cellaNumero("11", 11);
    nuova.righe[0][0].colore = ui::clBlue;
    form.setRigheTabella(form.tabella, nuova.righe);
    regia.renderizzaTutto();
    ASSERT_EQ(cambiati.size(), 2);
    EXPECT_EQ(azzerati.size(), 0);
    const auto cella = [&](int k) {
        const auto a = cambiati[k][0].value<QModelIndex>(), b = cambiati[k][1].value<QModelIndex>();
        return std::make_pair(std::make_pair(a.row(), a.column()),
                              std::make_pair(b.row(), b.column()));
    };
    EXPECT_EQ(cella(0), std::make_pair(std::make_pair(0, 0), std::make_pair(0, 0)));
    EXPECT_EQ(cella(1), std::make_pair(std::make_pair(2, 1), std::make_pair(2, 1)));
    EXPECT_EQ(colonna(t, 1), (std::vector<std::string>{"100", "9", "11"}));

    // A row more changes the shape: the model starts again.
    nuova.righe.push_back(riga("Jeu zéro", 4));
    form.setRigheTabella(form.tabella, nuova.righe);
    regia.renderizzaTutto();
    EXPECT_EQ(azzerati.size(), 1);
    EXPECT_EQ(t->model()->rowCount(), 4);

    EXPECT_THROW(form.setCella(form.tabella, 9, 0, ui::cellaTesto("x")), std::out_of_range);
}

TEST_F(ControlliRicchiTest, ChartDrawsTheModelsSeries) {
    auto* v = trova<QChartView>("GraficoProva");
    ASSERT_NE(v, nullptr);
    QChart* c = v->chart();
    ASSERT_EQ(c->series().size(), 3);
    EXPECT_EQ(c->title(), "Frequenze");
    auto* fascia = qobject_cast<QAreaSeries*>(c->series()[0]);
    auto* barre = qobject_cast<QBarSeries*>(c->series()[1]);
    auto* linea = qobject_cast<QLineSeries*>(c->series()[2]);
    ASSERT_TRUE(fascia && barre && linea);
    ASSERT_EQ(barre->count(), 1);
    QBarSet* set = barre->barSets()[0];
    EXPECT_EQ(set->label(), "Sortite");
    EXPECT_EQ(set->color(), QColor(0, 0, 0x80));
    EXPECT_EQ((std::vector<double>{set->at(0), set->at(1), set->at(2)}),
              (std::vector<double>{3, 5, 1}));
    EXPECT_EQ(linea->points(), (QList<QPointF>{{-0.5, 2.5}, {2.5, 2.5}}));
    EXPECT_EQ(fascia->upperSeries()->points(), (QList<QPointF>{{-0.5, 4}, {2.5, 4}}));
    EXPECT_EQ(fascia->lowerSeries()->points(), (QList<QPointF>{{-0.5, 1}, {2.5, 1}}));
    auto* asseX = qobject_cast<QBarCategoryAxis*>(c->axes(Qt::Horizontal).value(0));
    ASSERT_NE(asseX, nullptr);
    EXPECT_EQ(asseX->categories(), (QStringList{"0", "1", "2"}));
    EXPECT_EQ(asseX->titleText(), "Numero");

    // New values of the same series go into the chart already drawn.
    auto g = graficoIniziale();
    g.serie[1].valori = {3, 9, 1};
    g.serie[2].punti = {{-0.5, 4.5}, {2.5, 4.5}};
    form.setGrafico(form.grafico, g);
    regia.renderizzaTutto();
    EXPECT_EQ(v->chart(), c);
    EXPECT_EQ(set->at(1), 9);
    EXPECT_EQ(linea->points()[0], QPointF(-0.5, 4.5));
    auto* asseY = qobject_cast<QValueAxis*>(c->axes(Qt::Vertical).value(0));
    ASSERT_NE(asseY, nullptr);
    EXPECT_GE(asseY->max(), 9);
    EXPECT_LE(asseY->min(), 0);

    // A line chart over a number axis replaces it.
    ui::TDatiGrafico curva;
    curva.serie = {
        {TTipoSerie::Linea, "Cassa", ui::clGreen, {}, {{0, 100}, {1, 99}, {2, 101}}, {}}};
    form.setGrafico(form.grafico, curva);
    regia.renderizzaTutto();
    ASSERT_EQ(v->chart()->series().size(), 1);
    auto* asse = qobject_cast<QValueAxis*>(v->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(asse, nullptr);
    EXPECT_EQ(asse->min(), 0);
    EXPECT_EQ(asse->max(), 2);
}

TEST_F(ControlliRicchiTest, ClickingAPocketGivesItsNumberToTheModel) {
    auto* r = trova<qt::TVistaRuota>("RuotaProva");
    ASSERT_NE(r, nullptr);
    const auto g = qt::geometriaRuota(r->size());
    for (int numero : {17, 0, 26, 32}) {
        const QPointF p = qt::centroTaschino(g, posizioneSullaRuota(numero));
        QTest::mouseClick(r, Qt::LeftButton, {}, p.toPoint());
    }
    QTest::mouseClick(r, Qt::LeftButton, {}, g.centro.toPoint()); // the middle is no pocket
    QTest::mouseClick(r, Qt::RightButton, {},
                      qt::centroTaschino(g, posizioneSullaRuota(5)).toPoint());
    const std::vector<std::pair<int, int>> attesi = {
        {form.ruota, 17}, {form.ruota, 0}, {form.ruota, 26}, {form.ruota, 32}};
    EXPECT_EQ(form.cliccati, attesi);
}

TEST(GeometriaRuota, PointsFallInThePocketsAroundThem) {
    const auto g = qt::geometriaRuota(QSizeF(300, 200)); // the wheel fits the shorter side
    EXPECT_EQ(g.centro, QPointF(150, 100));
    EXPECT_NEAR(g.raggio, 97, 1e-9);
    // Every pocket's centre, and points near the edges of its wedge, hit that pocket.
    for (int i = 0; i < NUMERI; ++i) {
        EXPECT_EQ(qt::posizioneInPunto(g, qt::centroTaschino(g, i)), i);
        for (double quasi : {-0.49, 0.49})
            for (double r : {g.raggio - 0.5, g.raggioCalore + 0.5}) {
                const double a = (i + quasi) * g.passo;
                const QPointF p = g.centro + QPointF(r * std::sin(a), -r * std::cos(a));
                EXPECT_EQ(qt::posizioneInPunto(g, p), i) << i << " " << quasi << " " << r;
            }
    }
    struct Caso {
        QPointF punto;
        int posizione;
    };
    const Caso casi[] = {
        {{150, 10}, 0},               // straight up: the zero
        {{60, 100}, 28},              // 9 o'clock: three quarters round
        {{240, 100}, 9},              // 3 o'clock: a quarter of 37 pockets
        {{150, 2}, -1},               // beyond the rim
        {{150, 100 - 0.63 * 97}, -1}, // inside the heat ring: the middle shows the last spins
        {{150, 100}, -1},             // the centre
        {{290, 100}, -1},             // beside the wheel in a wide area
    };
    for (const auto& c : casi)
        EXPECT_EQ(qt::posizioneInPunto(g, c.punto), c.posizione)
            << c.punto.x() << "," << c.punto.y();
}

// The pixels: pockets in the board's colours, heat on the most hit pocket, the last spin
// framed. The pictures are left in the test's folder for a look.
TEST_F(ControlliRicchiTest, WheelPaintsPocketsHeatAndLastSpin) {
    auto* r = trova<qt::TVistaRuota>("RuotaProva");
    ASSERT_NE(r, nullptr);
    const QImage img = r->grab().toImage();
    const auto g = qt::geometriaRuota(r->size());
    const auto pixel = [&](QPointF p) { // the picture has the screen's pixels
        return img.pixelColor((p * img.devicePixelRatio()).toPoint());
    };
    const auto inAnello = [&](int numero, double raggio) {
        const double a = posizioneSullaRuota(numero) * g.passo + g.passo * 0.25;
        return pixel(g.centro + QPointF(raggio * std::sin(a), -raggio * std::cos(a)));
    };
    const double numeri = g.raggio - 4; // outside the digits
    EXPECT_EQ(inAnello(32, numeri), QColor(255, 0, 0));
    EXPECT_EQ(inAnello(15, numeri), QColor(0, 0, 0));
    EXPECT_EQ(inAnello(0, numeri), QColor(0, 128, 0));
    // The zero is the hottest pocket: its heat ring is filled right to the number ring; the
    // cold ones are pale.
    const double calore = g.raggioNumeri - 2;
    const QColor caldo = inAnello(0, calore), freddo = inAnello(26, calore);
    EXPECT_GT(caldo.red(), 150);
    EXPECT_LT(caldo.green(), 60);
    EXPECT_GT(freddo.green(), 200);
    // The last spin, 17, is framed in gold; its neighbour is not.
    const auto bordo = [&](int numero) {
        const double a = posizioneSullaRuota(numero) * g.passo;
        const double r = g.raggioCalore + 0.5;
        return pixel(g.centro + QPointF(r * std::sin(a), -r * std::cos(a)));
    };
    EXPECT_GT(bordo(17).green(), 150);
    EXPECT_LT(bordo(17).blue(), 100);
    EXPECT_GT(bordo(25).blue(), 180);

    if (const char* dir = std::getenv("GIROLINO_TEST_TMP")) {
        QDir().mkpath(dir);
        const QString d = QString::fromUtf8(dir);
        r->grab().save(d + "/ruota.png");
        trova<QWidget>("TabellaProva")->grab().save(d + "/tabella.png");
        trova<QWidget>("GraficoProva")->grab().save(d + "/grafico.png");
        vista.grab().save(d + "/finestra.png");
    }
}

} // namespace
} // namespace girolino
