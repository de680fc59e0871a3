// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roulette table: numbers, outside sides, the 112 inside groups, the wheel.
// Constant tables and pure look-ups only.

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace girolino {

inline constexpr int NUMERI = 37;      // 0..36
inline constexpr int NUM_CHANCE = 12;  // TChance 1..12
inline constexpr int NUM_GRUPPI = 112; // catalogue index 1..112
inline constexpr int NUM_FAMIGLIE = 5;

// The outside sides, in the order every per-side array, display row and file block uses.
// Values are 1-based like the catalogue: arrays indexed by TChance have an unused slot 0.
enum TChance : int {
    Rosso = 1,
    Nero,
    Pari,
    Dispari,
    Manq,
    Pass,
    Doz1,
    Doz2,
    Doz3,
    Col1,
    Col2,
    Col3,
};

// The inside group families, in catalogue order.
enum class TTipoGruppo : int { Duine = 0, Terzine, Quartine, Sestine, Ennine };

struct TGruppo {
    TTipoGruppo famiglia;
    int indiceFamiglia; // 1..N within the family
    int indice;         // catalogue index 1..112
    std::string etichetta;
    std::array<int, 9> membri;
    int numMembri;
};

struct TFamiglia {
    int primo;  // first catalogue index
    int numero; // number of groups
};

// Colour code: 0 zero, 1 red, 2 black.
int coloreNumero(int n);
bool eRosso(int n);

// The sides n hits, in TChance order (empty for 0).
std::span<const TChance> chanceDelNumero(int n);

// The five ribbon letters of n: colour, parity, half, dozen, column ("x" five times for 0).
const std::array<std::string, 5>& lettereNastro(int n);

// The side of ribbon family f (0 colour, 1 parity, 2 half, 3 dozen, 4 column) that n hits,
// or 0 for the number 0.
TChance chanceDellaFamiglia(int n, int f);

// The sides belonging to ribbon family f (2 or 3 of them).
std::span<const TChance> chanceInFamiglia(int f);

// Catalogue indices of the groups containing n, ascending (empty for 0).
std::span<const int> gruppiDelNumero(int n);

const TGruppo& gruppo(int g);
const std::string& etichettaGruppo(int g);
TFamiglia famiglia(TTipoGruppo t);

// Wheel order of the single-zero wheel and the position of each number on it.
const std::array<int, NUMERI>& ordineRuota();
int posizioneSullaRuota(int n);

// Names of the sides as the displays spell them.
std::string_view nomeChance(TChance c);   // "Rosso", "Nero", ..., "Doz1", ..., "Col3"
std::string_view titoloChance(TChance c); // "ROSSO", "NERO", ..., "COL3"

// The attributes of n as the last-number panels spell them: "Pari"/"Dispari", "Manq"/"Pass", "Doz
// 1".., "Col 1".. ; all empty for 0.
struct TConnotazioni {
    std::string parita, meta, dozzina, colonna;
};
TConnotazioni connotazioni(int n);

} // namespace girolino
