// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/VistaGrafico.h"
#include "qt/Conversioni.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace girolino::qt {

using ui::TTipoSerie;

namespace {

QList<QPointF> punti(const std::vector<ui::TPunto>& p) {
    QList<QPointF> q;
    q.reserve(static_cast<qsizetype>(p.size()));
    for (const auto& x : p) q.append(QPointF(x.x, x.y));
    return q;
}

// Same series, titles and categories: only the values may differ.
bool stessaStruttura(const ui::TDatiGrafico& a, const ui::TDatiGrafico& b) {
    if (a.titolo != b.titolo || a.titoloX != b.titoloX || a.titoloY != b.titoloY ||
        a.categorie != b.categorie || a.legenda != b.legenda || a.serie.size() != b.serie.size())
        return false;
    for (std::size_t i = 0; i < a.serie.size(); ++i) {
        const auto &x = a.serie[i], &y = b.serie[i];
        if (x.tipo != y.tipo || x.nome != y.nome || x.colore != y.colore ||
            x.valori.size() != y.valori.size())
            return false;
    }
    return true;
}

// Bands first, then bars, then lines: each is drawn over the ones before it.
int strato(TTipoSerie t) {
    switch (t) {
    case TTipoSerie::Fascia:
        return 0;
    case TTipoSerie::Barre:
        return 1;
    case TTipoSerie::Linea:
        break;
    }
    return 2;
}

struct TIntervallo {
    double minimo = std::numeric_limits<double>::infinity();
    double massimo = -std::numeric_limits<double>::infinity();
    void include(double v) {
        if (!std::isfinite(v)) return;
        minimo = std::min(minimo, v);
        massimo = std::max(massimo, v);
    }
    bool vuoto() const { return minimo > massimo; }
};

} // namespace

TVistaGrafico::TVistaGrafico(QWidget* genitore) : QChartView(genitore) {
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::StyledPanel);
}

void TVistaGrafico::copia(const ui::TDatiGrafico& g) {
    if (costruito_ && g == mostrato_) return;
    if (costruito_ && stessaStruttura(mostrato_, g)) {
        mostrato_ = g;
        copiaValori(g);
        adattaAssi();
        return;
    }
    mostrato_ = g;
    costruisci();
}

void TVistaGrafico::costruisci() {
    auto* grafico = new QChart();
    grafico->setAnimationOptions(QChart::NoAnimation);
    grafico->setBackgroundRoundness(0);
    grafico->setMargins(QMargins(4, 4, 4, 4));
    serie_.assign(mostrato_.serie.size(), nullptr);

    if (mostrato_.categorie.empty()) {
        asseX_ = new QValueAxis(grafico);
    } else {
        auto* categorie = new QBarCategoryAxis(grafico);
        for (const auto& c : mostrato_.categorie) categorie->append(qs(c));
        asseX_ = categorie;
    }
    asseX_->setTitleText(qs(mostrato_.titoloX));
    // Qt elides a label long before it would reach its neighbour's: "10" under a bar 17 px wide.
    asseX_->setTruncateLabels(false);
    asseY_ = new QValueAxis(grafico);
    asseY_->setTitleText(qs(mostrato_.titoloY));
    grafico->addAxis(asseX_, Qt::AlignBottom);
    grafico->addAxis(asseY_, Qt::AlignLeft);

    QBarSeries* barre = nullptr;
    std::vector<std::size_t> ordine(mostrato_.serie.size());
    for (std::size_t i = 0; i < ordine.size(); ++i) ordine[i] = i;
    std::stable_sort(ordine.begin(), ordine.end(), [&](std::size_t a, std::size_t b) {
        return strato(mostrato_.serie[a].tipo) < strato(mostrato_.serie[b].tipo);
    });
    const auto aggiungi = [&](QAbstractSeries* s) {
        grafico->addSeries(s);
        s->attachAxis(asseX_);
        s->attachAxis(asseY_);
    };
    for (std::size_t i : ordine) {
        const auto& s = mostrato_.serie[i];
        const QColor c = colore(s.colore);
        switch (s.tipo) {
        case TTipoSerie::Barre: {
            if (!barre) {
                barre = new QBarSeries(grafico);
                barre->setBarWidth(0.8);
                aggiungi(barre);
            }
            auto* set = new QBarSet(qs(s.nome), barre);
            set->setColor(c);
            set->setBorderColor(c.darker(130));
            barre->append(set);
            serie_[i] = set;
            break;
        }
        case TTipoSerie::Linea: {
            auto* linea = new QLineSeries(grafico);
            linea->setName(qs(s.nome));
            linea->setPen(QPen(c, 2));
            aggiungi(linea);
            serie_[i] = linea;
            break;
        }
        case TTipoSerie::Fascia: {
            auto* fascia = new QAreaSeries(grafico);
            fascia->setUpperSeries(new QLineSeries(fascia));
            fascia->setLowerSeries(new QLineSeries(fascia));
            fascia->setName(qs(s.nome));
            QColor riempimento = c;
            riempimento.setAlpha(60);
            fascia->setBrush(riempimento);
            fascia->setPen(QPen(c, 1, Qt::DashLine));
            aggiungi(fascia);
            serie_[i] = fascia;
            break;
        }
        }
    }
    grafico->legend()->setVisible(mostrato_.legenda);
    grafico->legend()->setAlignment(Qt::AlignBottom);

    costruito_ = true;
    copiaValori(mostrato_);
    adattaAssi();
    applicaCaratteri(grafico);
    grafico->setTitle(qs(mostrato_.titolo)); // laid out in the title's own font
    QChart* vecchio = chart();
    setChart(grafico);
    delete vecchio; // QChartView does not own the chart it gave back
    // Series without a name stay out of the legend.
    for (auto* m : grafico->legend()->markers())
        if (m->label().isEmpty()) m->setVisible(false);
}

void TVistaGrafico::copiaValori(const ui::TDatiGrafico& g) {
    for (std::size_t i = 0; i < g.serie.size(); ++i) {
        const auto& s = g.serie[i];
        switch (s.tipo) {
        case TTipoSerie::Barre: {
            auto* set = static_cast<QBarSet*>(serie_[i]);
            if (set->count() != static_cast<int>(s.valori.size())) {
                set->remove(0, set->count());
                for (double v : s.valori) set->append(v);
            } else {
                for (std::size_t k = 0; k < s.valori.size(); ++k)
                    if (set->at(static_cast<int>(k)) != s.valori[k])
                        set->replace(static_cast<int>(k), s.valori[k]);
            }
            break;
        }
        case TTipoSerie::Linea:
            static_cast<QLineSeries*>(serie_[i])->replace(punti(s.punti));
            break;
        case TTipoSerie::Fascia: {
            auto* fascia = static_cast<QAreaSeries*>(serie_[i]);
            fascia->upperSeries()->replace(punti(s.punti));
            fascia->lowerSeries()->replace(punti(s.puntiSotto));
            break;
        }
        }
    }
}

void TVistaGrafico::adattaAssi() {
    TIntervallo x, y;
    for (const auto& s : mostrato_.serie) {
        if (s.tipo == TTipoSerie::Barre) y.include(0); // bars stand on zero
        for (double v : s.valori) y.include(v);
        for (const auto* p : {&s.punti, &s.puntiSotto})
            for (const auto& q : *p) {
                x.include(q.x);
                y.include(q.y);
            }
    }
    if (y.vuoto()) y = {0, 1};
    if (y.massimo - y.minimo < 1e-9) y.massimo = y.minimo + 1;
    asseY_->setRange(y.minimo, y.massimo + (y.massimo - y.minimo) * 0.05);
    asseY_->applyNiceNumbers();
    if (auto* valori = qobject_cast<QValueAxis*>(asseX_)) {
        if (x.vuoto()) x = {0, 1};
        if (x.massimo - x.minimo < 1e-9) x.massimo = x.minimo + 1;
        valori->setRange(x.minimo, x.massimo);
    }
}

// Axis labels in the control's font, titles in its bold face.
void TVistaGrafico::applicaCaratteri(QChart* grafico) {
    if (!grafico || !costruito_) return;
    const QFont base = font();
    QFont grassetto = base;
    grassetto.setBold(true);
    QFont titolo = grassetto;
    titolo.setPixelSize(base.pixelSize() > 0 ? base.pixelSize() + 2 : 13);
    grafico->setTitleFont(titolo);
    grafico->legend()->setFont(base);
    for (auto* asse : {asseX_, static_cast<QAbstractAxis*>(asseY_)}) {
        asse->setLabelsFont(base);
        asse->setTitleFont(grassetto);
    }
}

void TVistaGrafico::changeEvent(QEvent* e) {
    QChartView::changeEvent(e);
    if (e->type() == QEvent::FontChange) applicaCaratteri(chart());
}

QWidget* creaGrafico(ui::TForm&, int, QWidget* genitore, TInoltro, const lingua::TTraduttore&) {
    return new TVistaGrafico(genitore);
}

void copiaGrafico(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore& lingua) {
    auto* v = static_cast<TVistaGrafico*>(w);
    if (!lingua.traduce()) return v->copia(c.grafico);
    ui::TDatiGrafico g = c.grafico;
    for (std::string* t : {&g.titolo, &g.titoloX, &g.titoloY}) *t = lingua.traduci(*t);
    for (auto& categoria : g.categorie) categoria = lingua.traduci(categoria);
    for (auto& s : g.serie) s.nome = lingua.traduci(s.nome);
    v->copia(g);
}

} // namespace girolino::qt
