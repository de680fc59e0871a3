// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The controls of the main window as data: every control with its place, look and
// initial state, and the main menu. The operations behind them live in TForm1.

#include "engine/Segnali.h"
#include "model/Lingue.h"
#include "model/Tabella.h"
#include "model/Testo.h"
#include "ui/Form.h"

#include "Versione.h"

#include <array>
#include <string_view>

namespace girolino::ui {

inline constexpr const char* captionForm1 = nomeProgramma;
inline constexpr int larghezzaForm1 = 1001;
inline constexpr int altezzaForm1 = 662;

// The items of Help > Lingua, each with the choice it stores. A language's own name reads
// the same in every language.
struct TVoceLingua {
    const char* nome;
    const char* testo;
    std::string_view scelta;
};
inline constexpr std::array<TVoceLingua, 3> vociLingua = {{
    {"LinguaAutomatica1", TESTO("Automatica"), sceltaAutomatica},
    {"LinguaItaliano1", "Italiano", sceltaItaliano},
    {"LinguaEnglish1", "English", sceltaInglese},
}};

// The ids of the controls and menu items the window's operations use.
struct TIdForm1 {
    std::array<int, NUMERI> pulsanti{}, etichette{}, r{}, m{}, s{};
    std::array<int, NUM_CHANCE + 1> rr{}, mm{}, ss{}, segnaliRitardo{}; // [1..12]
    std::array<int, NUM_FAMIGLIE> nnn{}, rrr{}, mmm{}, sss{};
    std::array<int, 20> classifiche{}; // Memo3..Memo22
    std::array<int, 6> nastri{};       // numero, rosso, pari, manq, doz, col
    std::array<int, NUM_TITOLI> titoli{};
    std::array<int, 4> connotazioni{}; // Panel2..Panel5
    std::array<int, 6> casuali{};      // SpeedButton38..43
    std::array<int, 5> aiuti{};        // SpeedButton51..55
    int memo1 = 0, memo2 = 0, edit1 = 0, edit2 = 0, combo1 = 0;
    int famiglia = 0, ordine = 0; // ComboBox2, ComboBox3
    int grassetto = 0, segnalaRitardo = 0, rosso = 0, segnalaRipetizioni = 0; // CheckBox1..4
    int perRitardo = 0, perFrequenza = 0;                                     // RadioButton1, 2
    int timer3 = 0, annulla = 0, andamento = 0, salva = 0, nuova = 0, vai = 0, tastiera = 0;
    int banner = 0;
    int voceSalva = 0, voceVicini = 0;
    int apri = 0, voceSalvaConNome = 0, voceApri = 0;
    std::array<int, vociLingua.size()> idVociLingua{};
};

// Adds every control and the menu to `f` (a window of larghezzaForm1 x altezzaForm1),
// sets its caption, base font and place on the screen, and returns the ids of what it made.
TIdForm1 costruisciForm1(TForm& f);

} // namespace girolino::ui
