// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawn wheel: the 37 pockets in wheel order with their numbers, a heat ring
// showing how often each came, the last spin marked and the latest spins in the
// middle. Clicking a pocket reports its number to the presentation model.

#include "qt/Stanze.h"
#include "ui/ControlliRicchi.h"

#include <QPointF>
#include <QSizeF>
#include <QWidget>

#include <functional>

namespace girolino::qt {

// Where the rings of a wheel drawn in an area lie.
struct TGeometriaRuota {
    QPointF centro;
    double raggio = 0;       // outer edge of the number ring
    double raggioNumeri = 0; // inner edge of the number ring, outer edge of the heat ring
    double raggioCalore = 0; // inner edge of the heat ring
    double passo = 0;        // angle of one pocket, radians
};

TGeometriaRuota geometriaRuota(const QSizeF& area);
// Position in wheel order (0 for the pocket at the top, going clockwise) of the pocket
// under `p`, counting both rings; -1 outside them.
int posizioneInPunto(const TGeometriaRuota& g, const QPointF& p);
// Middle of the pocket at wheel position `posizione`, halfway across both rings.
QPointF centroTaschino(const TGeometriaRuota& g, int posizione);

class TVistaRuota : public QWidget {
    Q_OBJECT
public:
    explicit TVistaRuota(QWidget* genitore);

    void copia(const ui::TDatiRuota& r);
    const ui::TDatiRuota& dati() const { return dati_; }
    // Called with the number of a clicked pocket.
    std::function<void(int numero)> suTaschino;
    // The caption over the strip of the last spins, in the program's language.
    QString titoloUltimi;

    QSize sizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int numeroIn(int posizione) const;
    void disegnaUltimi(QPainter& p, const TGeometriaRuota& g) const;

    ui::TDatiRuota dati_;
};

QWidget* creaRuota(ui::TForm& modello, int id, QWidget* genitore, TInoltro inoltra,
                   const lingua::TTraduttore& lingua);
void copiaRuota(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore& lingua);

} // namespace girolino::qt
