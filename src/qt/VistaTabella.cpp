// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/VistaTabella.h"
#include "qt/Conversioni.h"

#include <QEvent>
#include <QHeaderView>

#include <algorithm>

namespace girolino::qt {

namespace {

Qt::Alignment allineamento(ui::TAllineaColonna a) {
    switch (a) {
    case ui::TAllineaColonna::Centro:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case ui::TAllineaColonna::Destra:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ui::TAllineaColonna::Sinistra:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

bool stessaForma(const ui::TDatiTabella& a, const ui::TDatiTabella& b) {
    if (a.intestazioni != b.intestazioni || a.allineamenti != b.allineamenti ||
        a.righe.size() != b.righe.size())
        return false;
    for (std::size_t r = 0; r < a.righe.size(); ++r)
        if (a.righe[r].size() != b.righe[r].size()) return false;
    return true;
}

} // namespace

// --- item model ------------------------------------------------------------------------

void TModelloTabella::aggiorna(const ui::TDatiTabella& t) {
    if (!stessaForma(dati_, t)) {
        beginResetModel();
        dati_ = t;
        endResetModel();
        return;
    }
    dati_.ordinabile = t.ordinabile;
    for (std::size_t r = 0; r < t.righe.size(); ++r) {
        auto& mostrata = dati_.righe[r];
        const auto& nuova = t.righe[r];
        int prima = -1, ultima = -1;
        for (std::size_t k = 0; k < nuova.size(); ++k) {
            if (mostrata[k] == nuova[k]) continue;
            mostrata[k] = nuova[k];
            if (prima < 0) prima = static_cast<int>(k);
            ultima = static_cast<int>(k);
        }
        if (prima >= 0)
            emit dataChanged(index(static_cast<int>(r), prima), index(static_cast<int>(r), ultima));
    }
}

void TModelloTabella::setFontBase(const QFont& f) {
    QFont g = f;
    g.setBold(true);
    if (g == grassetto_) return;
    grassetto_ = g;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::FontRole});
}

int TModelloTabella::rowCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(dati_.righe.size());
}

int TModelloTabella::columnCount(const QModelIndex& genitore) const {
    return genitore.isValid() ? 0 : static_cast<int>(dati_.intestazioni.size());
}

QVariant TModelloTabella::data(const QModelIndex& i, int ruolo) const {
    if (!i.isValid()) return {};
    const auto& riga = dati_.righe[static_cast<std::size_t>(i.row())];
    const auto k = static_cast<std::size_t>(i.column());
    if (k >= riga.size()) return {};
    const ui::TCella& c = riga[k];
    switch (ruolo) {
    case Qt::DisplayRole:
        return qs(c.testo);
    case RuoloOrdine:
        return c.valore ? QVariant(*c.valore) : QVariant(qs(c.testo));
    case Qt::ForegroundRole:
        return QColor::fromRgb(static_cast<QRgb>(c.colore & 0xFFFFFFu));
    case Qt::FontRole:
        return c.grassetto ? QVariant(grassetto_) : QVariant();
    case Qt::TextAlignmentRole:
        return k < dati_.allineamenti.size()
                   ? QVariant(allineamento(dati_.allineamenti[k]))
                   : QVariant(allineamento(ui::TAllineaColonna::Sinistra));
    default:
        return {};
    }
}

QVariant TModelloTabella::headerData(int sezione, Qt::Orientation o, int ruolo) const {
    if (o != Qt::Horizontal || sezione < 0 || sezione >= columnCount()) return {};
    if (ruolo == Qt::DisplayRole) return qs(dati_.intestazioni[static_cast<std::size_t>(sezione)]);
    return {};
}

Qt::ItemFlags TModelloTabella::flags(const QModelIndex& i) const {
    return i.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                       : Qt::NoItemFlags;
}

// --- sorting ----------------------------------------------------------------------------

bool TOrdineTabella::lessThan(const QModelIndex& a, const QModelIndex& b) const {
    const QVariant va = a.data(TModelloTabella::RuoloOrdine);
    const QVariant vb = b.data(TModelloTabella::RuoloOrdine);
    const bool na = va.typeId() == QMetaType::Double;
    const bool nb = vb.typeId() == QMetaType::Double;
    if (na != nb) return na;
    if (na) return va.toDouble() < vb.toDouble();
    return QString::localeAwareCompare(va.toString(), vb.toString()) < 0;
}

// --- view -------------------------------------------------------------------------------

TVistaTabella::TVistaTabella(QWidget* genitore)
    : QTableView(genitore), sorgente_(new TModelloTabella(this)),
      ordine_(new TOrdineTabella(this)) {
    ordine_->setSourceModel(sorgente_);
    setModel(ordine_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    auto* testata = horizontalHeader();
    testata->setHighlightSections(false);
    testata->setStretchLastSection(true);
    testata->setSortIndicatorShown(false);
    // No column is sorted until the user clicks one: the rows keep the model's order.
    testata->setSortIndicator(-1, Qt::AscendingOrder);
    connect(testata, &QHeaderView::sortIndicatorChanged, this,
            [this](int colonna, Qt::SortOrder verso) {
                if (colonna < 0) return;
                horizontalHeader()->setSortIndicatorShown(true);
                ordine_->sort(colonna, verso);
            });
    adattaRighe();
}

void TVistaTabella::copia(const ui::TDatiTabella& t) {
    const bool reset = sorgente_->rowCount() != static_cast<int>(t.righe.size()) ||
                       sorgente_->dati().intestazioni != t.intestazioni;
    sorgente_->setFontBase(font());
    sorgente_->aggiorna(t);
    horizontalHeader()->setSectionsClickable(t.ordinabile);
    if (reset) {
        resizeColumnsToContents();
        return;
    }
    // A value grown wider than its column widens the column rather than being cut.
    for (int k = 0; k + 1 < sorgente_->columnCount(); ++k)
        if (const int serve = sizeHintForColumn(k); serve > columnWidth(k))
            setColumnWidth(k, serve);
}

void TVistaTabella::changeEvent(QEvent* e) {
    QTableView::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        sorgente_->setFontBase(font());
        adattaRighe();
    }
}

// Every row has the height of one line of the table's font.
void TVistaTabella::adattaRighe() {
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
}

// --- room -------------------------------------------------------------------------------

QWidget* creaTabella(ui::TForm&, int, QWidget* genitore, TInoltro, const lingua::TTraduttore&) {
    return new TVistaTabella(genitore);
}

void copiaTabella(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore& lingua) {
    auto* v = static_cast<TVistaTabella*>(w);
    if (!lingua.traduce()) return v->copia(c.tabella);
    ui::TDatiTabella t = c.tabella;
    for (auto& intestazione : t.intestazioni) intestazione = lingua.traduci(intestazione);
    for (auto& riga : t.righe)
        for (auto& cella : riga)
            if (!cella.valore) cella.testo = lingua.traduci(cella.testo);
    v->copia(t);
}

} // namespace girolino::qt
