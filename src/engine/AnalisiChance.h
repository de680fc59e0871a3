// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simple-chance analysis: histograms of the delays or runs of one outside chance, the
// doubling progression played on an even chance, and the search for the best conversion
// rate. Everything reads the letter ribbons of the game and changes nothing.

#include "model/Partita.h"
#include "model/Testo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

// What a chance text of the analysis window stands for.
struct TInfoChance {
    int famiglia;             // ribbon family: 0 colour, 1 parity, 2 half, 3 dozen, 4 column
    std::string_view lettera; // the ribbon letter of a hit; every other letter is a miss
    bool simulabile;          // only the six even chances can be played with the progression
};

// The chances of the analysis window as the player chooses them; the first
// NUM_CHANCE_SEMPLICI are the even chances, in the order the progression search tries them.
inline constexpr std::array<std::string_view, NUM_CHANCE> TESTI_CHANCE = {
    TESTO("Rosso"), TESTO("Nero"),  TESTO("Pari"),  TESTO("Dispari"),
    TESTO("Manq"),  TESTO("Pass"),  TESTO("Doz 1"), TESTO("Doz 2"),
    TESTO("Doz 3"), TESTO("Col 1"), TESTO("Col 2"), TESTO("Col 3")};
inline constexpr int NUM_CHANCE_SEMPLICI = 6;

// One of TESTI_CHANCE; any other text (compared exactly) is no chance.
std::optional<TInfoChance> infoChance(std::string_view testoChance);

// The letter ribbon of family f (0..4 as in TInfoChance).
const TNastro& nastroDellaFamiglia(const TPartita& partita, int famiglia);

// One byte per spin 0..n-1: 1 for a hit, 0 for a miss. Lines the ribbon does not have are
// misses.
std::vector<std::uint8_t> colpiDelNastro(const TNastro& nastro, int n, std::string_view lettera);

enum class TTipoIstogramma { Ritardi, Sortite };

// The histogram kinds as the player chooses them, in the order of TTipoIstogramma.
inline constexpr std::array<std::string_view, 2> TESTI_ISTOGRAMMA = {TESTO("I Massimi Ritardi"),
                                                                     TESTO("Le Massime Sortite")};

// One of TESTI_ISTOGRAMMA; any other text is neither.
std::optional<TTipoIstogramma> tipoIstogrammaDaTesto(std::string_view testo);

inline constexpr int LUNGHEZZE_ISTOGRAMMA = 24;
// Counts per length 1..24 (slot 0 unused). Longer delays or runs are counted at 24.
using TIstogramma = std::array<std::int32_t, LUNGHEZZE_ISTOGRAMMA + 1>;

// Delays (misses before a hit) or runs (hits before a miss) closed within spins 0..n-1; the
// one still open after the last spin is not counted.
TIstogramma calcolaIstogramma(std::span<const std::uint8_t> colpi, TTipoIstogramma tipo);
TIstogramma calcolaIstogramma(const TNastro& nastro, int n, std::string_view lettera,
                              TTipoIstogramma tipo);
// Nothing for an unknown chance text.
std::optional<TIstogramma> calcolaIstogramma(const TPartita& partita, int n,
                                             std::string_view testoChance, TTipoIstogramma tipo);

// The shared maximum of the 24 bars: M + M div 3, M the largest count.
std::int32_t massimoBarreIstogramma(const TIstogramma& istogramma);

struct TProgressione {
    std::int64_t giocate = 0;  // hands played
    std::int64_t puntate = 0;  // chips staked
    std::int64_t riuscite = 0; // plays won
    std::int64_t vinte = 0;    // chips won

    std::int64_t guadagnate() const { return vinte - puntate; }
    // Chips gained per hand played; nothing when no hand was played.
    std::optional<double> tasso() const;

    friend bool operator==(const TProgressione&, const TProgressione&) = default;
};

// The longest play the simulation accepts; longer limits play this many hands, which keeps
// the doubled stakes exact.
inline constexpr int MAX_MANI = 30;

// Plays the chance after `ritardo` misses in a row, doubling the stake for at most `mani`
// hands (stakes 1, 2, 4, ...; a won hand k pays 2^k). A hand past the last spin is lost.
// An entry delay below 1 or a hand limit below 1 plays nothing.
TProgressione simulaProgressione(std::span<const std::uint8_t> colpi, int ritardo, int mani);
TProgressione simulaProgressione(const TNastro& nastro, int n, std::string_view lettera,
                                 int ritardo, int mani);
// The record seen as stretches of misses: how many stretches of each length were closed by a
// hit, and the length of the stretch still open at the end (0 when the record ends on a hit).
// The progression depends on nothing else, so many simulations of one record can share it.
struct TSerieMancate {
    std::vector<std::int64_t> chiuse; // [L]: stretches of L misses followed by a hit
    std::int64_t aperta = 0;
};
TSerieMancate serieMancate(std::span<const std::uint8_t> colpi);
// The same totals as the spin-by-spin simulation of the record the stretches come from.
TProgressione simulaProgressione(const TSerieMancate& serie, int ritardo, int mani);

// Nothing for a chance text that is not one of the six even chances.
std::optional<TProgressione> simulaProgressione(const TPartita& partita, int n,
                                                std::string_view testoChance, int ritardo,
                                                int mani);

// The rate with two decimals and a point ("0.67", "-1.00") whatever the locale; "-" when
// there is no rate.
std::string testoTasso(std::optional<double> tasso);

struct TMigliorTasso {
    std::string nome; // e.g. "Rosso 1-2": chance, entry delay, hand limit
    double tasso;

    friend bool operator==(const TMigliorTasso&, const TMigliorTasso&) = default;
};

// Tries entry delays 1..maxRitardo and hand limits 1..maxMani on Rosso, Nero, Pari, Dispari,
// Manq, Pass (in this order) and returns the highest rate, the first one found among equals.
// Combinations that play no hand have no rate and are skipped; nothing when none plays.
std::optional<TMigliorTasso> cercaMigliorTasso(const TPartita& partita, int n, int maxRitardo,
                                               int maxMani);

} // namespace girolino
