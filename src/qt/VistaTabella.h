// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sortable table: a read-only item model holding the rows the presentation
// model gives, and a table view sorting a proxy of it when the user clicks a header.

#include "qt/Stanze.h"
#include "ui/ControlliRicchi.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace girolino::qt {

// The cells as an item model. A new value signals only the cells that differ; new
// headings or a different shape reset the model.
class TModelloTabella : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Sort key: the cell's number for a numeric cell, otherwise its text.
    static constexpr int RuoloOrdine = Qt::UserRole;

    void aggiorna(const ui::TDatiTabella& t);
    void setFontBase(const QFont& f);
    const ui::TDatiTabella& dati() const { return dati_; }

    int rowCount(const QModelIndex& genitore = {}) const override;
    int columnCount(const QModelIndex& genitore = {}) const override;
    QVariant data(const QModelIndex& i, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation o, int ruolo) const override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;

private:
    ui::TDatiTabella dati_;
    QFont grassetto_;
};

// Numeric cells compare by number and come before text cells; equal keys keep the
// presentation model's order.
class TOrdineTabella : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& a, const QModelIndex& b) const override;
};

class TVistaTabella : public QTableView {
    Q_OBJECT
public:
    explicit TVistaTabella(QWidget* genitore);

    TModelloTabella* sorgente() const { return sorgente_; }
    void copia(const ui::TDatiTabella& t);

protected:
    void changeEvent(QEvent* e) override;

private:
    void adattaRighe();

    TModelloTabella* sorgente_;
    TOrdineTabella* ordine_;
};

QWidget* creaTabella(ui::TForm& modello, int id, QWidget* genitore, TInoltro inoltra,
                     const lingua::TTraduttore& lingua);
void copiaTabella(QWidget* w, const ui::TControllo& c, const lingua::TTraduttore& lingua);

} // namespace girolino::qt
