// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Invisible boxes for the controls of a crowded window. Qt walks every sibling of
// a widget whenever part of it is repainted; with hundreds of controls side by
// side that walk costs more than the painting. Grouping neighbours into nested
// boxes that never overlap keeps each walk short, and since a control lies
// wholly inside its box and boxes of one parent do not overlap, stacking and
// mouse hits stay as they were.

#include <QPoint>
#include <QRect>

#include <cstddef>
#include <vector>

class QWidget;

namespace girolino::qt {

struct TRiquadro {
    QRect posto;  // in the coordinates of the client area
    int genitore; // the enclosing box, -1 for the client area itself
};

struct TRaggruppamento {
    std::vector<TRiquadro> riquadri; // every box comes after the box it lies in
    std::vector<int> riquadroDi;     // per control, its box; -1 for the client area
};

// Splits the controls at `posti` along the gaps between them, alternately across
// rows and columns, until a group has at most `perRiquadro` controls or no gap is left.
TRaggruppamento raggruppa(const std::vector<QRect>& posti, std::size_t perRiquadro);

// Where a control of the client area is put: its box, or the area itself, and the place of
// that box in the area, to take off the control's own place.
struct TCollocazione {
    QWidget* genitore;
    QPoint origine;
};

// Builds the boxes of `raggruppa` as widgets on `area`; one collocation per place.
std::vector<TCollocazione> creaRiquadri(QWidget* area, const std::vector<QRect>& posti,
                                        std::size_t perRiquadro);

} // namespace girolino::qt
