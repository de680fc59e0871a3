// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main game file: 543 lines, one value each, holding the counters of the game together
// with the texts the main window showed when it was saved.
//
//   0        the marker "tramezzolindo"
//   1        spin count text          2   last number text      3  "clred" / "clblack"
//   4-7      parity, half, dozen and column texts of the last number (empty after a zero)
//   8-44     numeri[0..36].ritardo    45-81 .maxRitardo          82-118 .sortite
//   119-130  chance[Rosso..Col3].ritardo, 131-142 .maxRitardo, 143-154 .sortite
//   155-174  group summary texts: the label, ritardo, max rit and sortite columns, 5 families each
//   175-194  the four rankings of the numbers, five cells each
//   195-206  ripetizioni[Rosso..Col3]
//   207-318  gruppi[1..112].ritardo  319-430 .maxRitardo         431-542 .sortite

#include "model/Partita.h"

#include <array>
#include <string>
#include <vector>

namespace girolino {

inline constexpr int RIGHE_FILE_PARTITA = 543;
inline constexpr const char* MARCATORE_FILE_PARTITA = "tramezzolindo";

// First line of each block.
namespace riga {
inline constexpr int marcatore = 0;
inline constexpr int boule = 1;
inline constexpr int ultimoNumero = 2;
inline constexpr int colore = 3;
inline constexpr int connotazioni = 4; // 4 lines
inline constexpr int ritardoNumeri = 8;
inline constexpr int maxRitardoNumeri = 45;
inline constexpr int sortiteNumeri = 82;
inline constexpr int ritardoChance = 119;
inline constexpr int maxRitardoChance = 131;
inline constexpr int sortiteChance = 143;
inline constexpr int riepilogoGruppi = 155; // 20 lines
inline constexpr int classifiche = 175;     // 20 lines
inline constexpr int ripetizioni = 195;
inline constexpr int ritardoGruppi = 207;
inline constexpr int maxRitardoGruppi = 319;
inline constexpr int sortiteGruppi = 431;
} // namespace riga

// The texts of the main window the file stores as they are shown.
struct TTestiVista {
    std::string boule;        // spin count display
    std::string ultimoNumero; // last-number display
    std::string colore;       // "clred" when the last number is shown in red, else "clblack"
    TConnotazioni connotazioni;
    // Group summary: labels nnn1..5, then rrr1..5, mmm1..5, sss1..5.
    std::array<std::string, 20> riepilogoGruppi;
    // Ranking cells Memo3..Memo22: four rows of five, left to right.
    std::array<std::string, 20> classifiche;

    friend bool operator==(const TTestiVista& a, const TTestiVista& b);
};

// The texts of lines 1-7 as the displays show them for this game (the colour of a zero is
// "clblack"); the summary and ranking cells are left "0", as after a clear.
TTestiVista testiDallaPartita(const TPartita& p);

// The 543 lines of the game file. Counters are written as plain decimal.
std::vector<std::string> componiFilePartita(const TPartita& p, const TTestiVista& testi);

} // namespace girolino
