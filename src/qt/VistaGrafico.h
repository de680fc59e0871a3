// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart: bar, line and band series drawn with Qt Charts from the data the
// presentation model holds. New values of the same series are copied into the
// existing chart; a different set of series builds the chart again.

#include "qt/Stanze.h"
#include "ui/ControlliRicchi.h"

#include <QChartView>

#include <vector>

class QAbstractAxis;
class QChart;
class QValueAxis;

namespace girolino::qt {

class TVistaGrafico : public QChartView {
    Q_OBJECT
public:
    explicit TVistaGrafico(QWidget* genitore);

    void copia(const ui::TDatiGrafico& g);

protected:
    void changeEvent(QEvent* e) override;

private:
    void costruisci();
    void copiaValori(const ui::TDatiGrafico& g);
    void adattaAssi();
    void applicaCaratteri(QChart* grafico);

    ui::TDatiGrafico mostrato_;
    bool costruito_ = false;
    std::vector<QObject*> serie_; // per data series: its QBarSet, QLineSeries or QAreaSeries
    QAbstractAxis* asseX_ = nullptr;
    QValueAxis* asseY_ = nullptr;
};

QWidget* creaGrafico(ui::TForm& modello, int id, QWidget* genitore, TInoltro inoltra,
                     const lingua::TTraduttore& lingua);
void copiaGrafico(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore& lingua);

} // namespace girolino::qt
