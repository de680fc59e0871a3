// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one view of every window: builds a real widget for each control of a
// window model, forwards the user's actions to the model and copies back only
// the controls the model reports as changed.

#include "qt/CopiaAspetto.h"
#include "qt/CopiaNastro.h"
#include "ui/Form.h"

#include <QWidget>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QAction;
class QButtonGroup;
class QMenuBar;
class QTimer;

namespace girolino::qt {

class TRegia;

class TVistaForm : public QWidget {
    Q_OBJECT
public:
    TVistaForm(ui::TForm& modello, TRegia& regia);
    ~TVistaForm() override;

    ui::TForm& modello() const { return modello_; }
    // The widget of a control (nullptr for a timer), by id or by component name.
    QWidget* widget(int id) const;
    QWidget* widget(std::string_view nome) const;
    QTimer* timer(int id) const;
    QAction* azione(std::string_view nomeVoce) const;
    QMenuBar* barraMenu() const { return barra_; }
    // The client area holding the controls (the window less its menu bar).
    QWidget* area() const { return area_; }

    // Copies the model's pending changes into the widgets and acknowledges them. A hidden
    // window keeps its changes pending until the model shows it again.
    void renderizza();

signals:
    // The close box closed the window and the model agreed.
    void chiusa();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    struct TMostrato {
        TAspettoMostrato aspetto;
        std::string hint;
        TNastroMostrato nastro;
        int avvii = 0; // timer starts already done
    };

    void costruisci();
    QWidget* creaWidget(const ui::TControllo& c, QWidget* genitore);
    void collega(int id, QWidget* w, const ui::TControllo& c);
    void costruisciMenu();
    void copia(int id);
    void copiaAspetto(int id, QWidget* w, const ui::TControllo& c);
    void copiaTimer(int id, const ui::TControllo& c);
    void copiaMenu();
    void copiaForm();
    void collocaFinestra();
    // Runs a model event handler, then asks for the coalesced render.
    void inoltra(const std::function<void()>& evento);

    ui::TForm& modello_;
    TRegia& regia_;
    QWidget* area_ = nullptr;
    QMenuBar* barra_ = nullptr;
    std::vector<QWidget*> widget_;
    std::vector<QTimer*> timer_;
    std::vector<TMostrato> mostrato_;
    std::vector<QAction*> azioni_;
    std::map<int, QButtonGroup*> gruppiRadio_;
    bool giaMostrata_ = false;
};

} // namespace girolino::qt
