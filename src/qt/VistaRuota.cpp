// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/VistaRuota.h"
#include "qt/Conversioni.h"

#include "model/Tabella.h"
#include "model/Testo.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace girolino::qt {

namespace {

constexpr double pi = std::numbers::pi;

// The wheel's own drawing colours; the numbers take the board's.
constexpr ui::TColore bordoTaschino = 0xD8D8D8;
constexpr ui::TColore fondoCalore = 0xF4F4F4;
constexpr ui::TColore contorno = 0x404040;
constexpr ui::TColore oro = 0xFFC800; // the last spin
constexpr ui::TColore bordoPallina = 0x707070;

// The board's colour of a number, as every window shows it.
QColor coloreTaschino(int numero) {
    return colore(ui::coloriDeiNumeri[static_cast<std::size_t>(coloreNumero(numero))]);
}

// From a pale yellow for a pocket that barely came to a deep red for the hottest.
QColor coloreCalore(double calore) {
    const double t = std::clamp(calore, 0.0, 1.0);
    const QColor freddo(0xFF, 0xE0, 0x70), medio(0xFF, 0x90, 0x20), caldo(0xC0, 0x10, 0x00);
    const auto mescola = [](const QColor& a, const QColor& b, double k) {
        return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * k),
                                static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * k),
                                static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * k));
    };
    return t < 0.5 ? mescola(freddo, medio, t * 2) : mescola(medio, caldo, (t - 0.5) * 2);
}

double gradi(double radianti) {
    return radianti * 180.0 / pi;
}

// The ring sector of position `i` between radii `dentro` and `fuori`.
QPainterPath settore(const TGeometriaRuota& g, int i, double fuori, double dentro) {
    const double inizio = 90.0 - gradi((i + 0.5) * g.passo);
    const double ampiezza = gradi(g.passo);
    const QRectF esterno(g.centro - QPointF(fuori, fuori), QSizeF(2 * fuori, 2 * fuori));
    const QRectF interno(g.centro - QPointF(dentro, dentro), QSizeF(2 * dentro, 2 * dentro));
    QPainterPath p;
    p.arcMoveTo(esterno, inizio);
    p.arcTo(esterno, inizio, ampiezza);
    p.arcTo(interno, inizio + ampiezza, -ampiezza);
    p.closeSubpath();
    return p;
}

} // namespace

TGeometriaRuota geometriaRuota(const QSizeF& area) {
    TGeometriaRuota g;
    const double lato = std::min(area.width(), area.height());
    g.centro = QPointF(area.width() / 2, area.height() / 2);
    g.raggio = std::max(0.0, lato / 2 - 3);
    g.raggioNumeri = g.raggio * 0.80;
    g.raggioCalore = g.raggio * 0.64;
    g.passo = 2 * pi / NUMERI;
    return g;
}

int posizioneInPunto(const TGeometriaRuota& g, const QPointF& p) {
    const QPointF d = p - g.centro;
    const double distanza = std::hypot(d.x(), d.y());
    if (distanza > g.raggio || distanza < g.raggioCalore || g.passo <= 0) return -1;
    double angolo = std::atan2(d.x(), -d.y()); // clockwise from the top
    if (angolo < 0) angolo += 2 * pi;
    return static_cast<int>(std::floor(angolo / g.passo + 0.5)) % NUMERI;
}

QPointF centroTaschino(const TGeometriaRuota& g, int posizione) {
    const double r = (g.raggio + g.raggioCalore) / 2;
    const double a = posizione * g.passo;
    return g.centro + QPointF(r * std::sin(a), -r * std::cos(a));
}

TVistaRuota::TVistaRuota(QWidget* genitore) : QWidget(genitore) {
    setCursor(Qt::PointingHandCursor);
}

void TVistaRuota::copia(const ui::TDatiRuota& r) {
    if (r == dati_) return;
    dati_ = r;
    update();
}

int TVistaRuota::numeroIn(int posizione) const {
    if (dati_.taschini.size() == static_cast<std::size_t>(NUMERI))
        return dati_.taschini[static_cast<std::size_t>(posizione)].numero;
    return ordineRuota()[static_cast<std::size_t>(posizione)];
}

void TVistaRuota::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const TGeometriaRuota g = geometriaRuota(size());
    if (g.raggio < 20) return;

    const double spessore = g.raggio - g.raggioNumeri;
    const double arco = (g.raggio + g.raggioNumeri) / 2 * g.passo;
    QFont cifre = font();
    cifre.setBold(true);
    cifre.setPixelSize(std::max(7, static_cast<int>(std::min(spessore * 0.55, arco * 0.62))));
    const QPen bordo(colore(bordoTaschino), 1);

    for (int i = 0; i < NUMERI; ++i) {
        const int n = numeroIn(i);
        p.setPen(bordo);
        p.setBrush(coloreTaschino(n));
        p.drawPath(settore(g, i, g.raggio, g.raggioNumeri));

        // Heat: the ring fills outwards, and deepens in colour, with the pocket's hits.
        p.setBrush(colore(fondoCalore));
        p.drawPath(settore(g, i, g.raggioNumeri, g.raggioCalore));
        const double calore =
            dati_.taschini.size() == static_cast<std::size_t>(NUMERI)
                ? std::clamp(dati_.taschini[static_cast<std::size_t>(i)].calore, 0.0, 1.0)
                : 0.0;
        if (calore > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(coloreCalore(calore));
            const double fino = g.raggioCalore + (g.raggioNumeri - g.raggioCalore) * calore;
            p.drawPath(settore(g, i, fino, g.raggioCalore));
        }

        // Digits stand along the radius; those on the lower half are turned so that no
        // number reads upside down.
        p.save();
        p.translate(g.centro);
        p.rotate(gradi(i * g.passo));
        p.translate(0, -(g.raggio + g.raggioNumeri) / 2);
        if (const double a = i * g.passo; a > pi / 2 && a < 3 * pi / 2) p.rotate(180);
        p.setFont(cifre);
        p.setPen(Qt::white);
        p.drawText(QRectF(-arco, -spessore / 2, 2 * arco, spessore), Qt::AlignCenter,
                   QString::number(n));
        p.restore();
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colore(contorno), 1.5));
    p.drawEllipse(g.centro, g.raggio, g.raggio);

    // The last spin: a gold frame across both rings and the ball in its pocket.
    for (int i = 0; i < NUMERI && dati_.ultimo >= 0; ++i) {
        if (numeroIn(i) != dati_.ultimo) continue;
        p.setPen(QPen(colore(oro), std::max(2.5, g.raggio / 45)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(settore(g, i, g.raggio, g.raggioCalore));
        const double rPallina = std::max(3.0, g.raggio * 0.035);
        const double a = i * g.passo;
        const double r = g.raggioNumeri - rPallina - 2;
        p.setPen(QPen(colore(bordoPallina), 1));
        p.setBrush(Qt::white);
        p.drawEllipse(g.centro + QPointF(r * std::sin(a), -r * std::cos(a)), rPallina, rPallina);
    }
    disegnaUltimi(p, g);
}

// The middle of the wheel lists the latest spins, most recent first, in the colours of
// their pockets.
void TVistaRuota::disegnaUltimi(QPainter& p, const TGeometriaRuota& g) const {
    const double r = g.raggioCalore - 2;
    p.setPen(QPen(colore(contorno), 1));
    p.setBrush(colore(ui::clGreen));
    p.drawEllipse(g.centro, r, r);

    const double lato = std::floor(r * 1.3 / 5.6);
    if (lato < 9) return;
    QFont titolo = font();
    const int pxFont = font().pixelSize() > 0 ? font().pixelSize() : 11;
    titolo.setPixelSize(std::clamp(static_cast<int>(lato * 0.6), 8, pxFont));
    QFont cifre = font();
    cifre.setBold(true);
    cifre.setPixelSize(std::max(7, static_cast<int>(lato * 0.55)));

    const double passo = lato * 1.12;
    const double altezzaTitolo = QFontMetricsF(titolo).height();
    const double alto = g.centro.y() - (altezzaTitolo + 2 * passo) / 2;
    p.setFont(titolo);
    p.setPen(Qt::white);
    p.drawText(QRectF(g.centro.x() - r, alto, 2 * r, altezzaTitolo), Qt::AlignCenter, titoloUltimi);
    p.setFont(cifre);
    const std::size_t quanti = std::min<std::size_t>(dati_.ultimi.size(), 10);
    for (std::size_t k = 0; k < quanti; ++k) {
        const double x = g.centro.x() - 2.5 * passo + static_cast<double>(k % 5) * passo;
        const double y = alto + altezzaTitolo + static_cast<double>(k / 5) * passo;
        const QRectF casella(x + (passo - lato) / 2, y + (passo - lato) / 2, lato, lato);
        const int n = dati_.ultimi[k];
        p.setPen(k == 0 ? QPen(colore(oro), 2) : QPen(Qt::white, 1));
        p.setBrush(coloreTaschino(n));
        p.drawRoundedRect(casella, 3, 3);
        p.setPen(Qt::white);
        p.drawText(casella, Qt::AlignCenter, QString::number(n));
    }
}

void TVistaRuota::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(e);
    const int posizione = posizioneInPunto(geometriaRuota(size()), e->position());
    if (posizione >= 0 && suTaschino) suTaschino(numeroIn(posizione));
}

QWidget* creaRuota(ui::TForm& modello, int id, QWidget* genitore, TInoltro inoltra,
                   const lingua::TTraduttore& lingua) {
    auto* r = new TVistaRuota(genitore);
    r->titoloUltimi = tradotto(lingua, TESTO("Ultimi giri"));
    r->suTaschino = [&modello, id, inoltra](int numero) {
        inoltra([&] { modello.taschinoCliccato(id, numero); });
    };
    return r;
}

void copiaRuota(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore&) {
    static_cast<TVistaRuota*>(w)->copia(c.ruota);
}

} // namespace girolino::qt
