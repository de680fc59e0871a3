// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of the main window that open other windows or act on game files. The
// application implements them; the main window only knows which button or menu item
// runs which command.

#include <array>
#include <string_view>

namespace girolino::ui {

class TComandiFinestre {
public:
    virtual ~TComandiFinestre() = default;

    virtual void guardaTutte() = 0;             // complex chances window
    virtual void statistiche37Numeri() = 0;     // numbers table window
    virtual void analisiChanceSemplici() = 0;   // simple-chance analysis window
    virtual void andamentoChanceSemplici() = 0; // trend of the sides
    virtual void andamento37Numeri() = 0;       // trend of the 37 numbers
    virtual void ruotaESettori() = 0;           // the wheel, its sectors and arcs
    virtual void aiutoPulsanti() = 0;           // help on the command row
    // The window of observed against expected hits.
    virtual void frequenzeOsservateAttese() = 0;
    virtual void simulatoreSistemi() = 0; // betting system simulator
    // A menu item of the "Help" menu, by component name; false if it is not one.
    virtual bool voceAiuto(std::string_view nome) = 0;
};

// Which control or menu item runs which command. Buttons and their menu twins share
// the handler.
struct TComandoFinestra {
    std::string_view controllo; // component name of the button, or "" for none
    std::string_view voce;      // component name of the menu item, or "" for none
    void (TComandiFinestre::*comando)();
};

inline constexpr std::array<TComandoFinestra, 9> comandiFinestre = {{
    {"BitBtn3", "", &TComandiFinestre::guardaTutte},
    {"BitBtn5", "Statistichedei37Numeri1", &TComandiFinestre::statistiche37Numeri},
    {"BitBtn4", "AnalisiChanceSemplici1", &TComandiFinestre::analisiChanceSemplici},
    {"BitBtn8", "AndamentoChanceSemplici1", &TComandiFinestre::andamentoChanceSemplici},
    {"BitBtn9", "Andamentodei37Numeri1", &TComandiFinestre::andamento37Numeri},
    {"SpeedButton50", "", &TComandiFinestre::aiutoPulsanti},
    {"", "RuotaeSettori1", &TComandiFinestre::ruotaESettori},
    {"", "FrequenzeOsservateeAttese1", &TComandiFinestre::frequenzeOsservateAttese},
    {"", "SimulatoreSistemi1", &TComandiFinestre::simulatoreSistemi},
}};

} // namespace girolino::ui
