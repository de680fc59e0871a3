// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Observed against expected: how far the hits of a game are from what a fair wheel gives.
//
// For an entity that one spin hits with probability p (a number 1/37, an even chance 18/37, a
// dozen or column 12/37, a sector or arc size/37): its expected hits, its z-score, and how likely
// a fair wheel is to produce an absence at least as long as its record. Over the 37 numbers: the
// chi-square test of a fair wheel. None of this says anything about the next spin.

#include "model/Partita.h"
#include "model/Testo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

// Below this many spins some number expects fewer than five hits and the chi-square test
// says nothing reliable.
inline constexpr std::int64_t GIRI_MINIMI_CHI_QUADRO = 185;
inline constexpr int GRADI_LIBERTA_NUMERI = NUMERI - 1;

// n·p.
double colpiAttesi(std::int64_t giri, double p);

// √(n·p·(1 − p)): how far the hits stray from n·p on a fair wheel (the bar chart's band is
// two of them either side of the expected line).
double deviazioneStandard(std::int64_t giri, double p);

// (O − n·p) / √(n·p·(1 − p)); 0 when there are no spins.
double punteggioZ(std::int64_t sortite, std::int64_t giri, double p);

// The probability that a fair wheel produces, somewhere in `giri` spins, a run of at least
// `lunghezza` consecutive spins without an entity of probability p: closed by a hit or still
// running at the end. 1 for a length of 0, 0 for a length beyond the spins. Exact, in time
// linear in the spins.
double probabilitaRitardoAlmeno(std::int64_t giri, double p, std::int64_t lunghezza);

// P(χ² ≥ x) with the given degrees of freedom.
double pValoreChiQuadro(double x, int gradiLiberta);

struct TChiQuadro {
    double valore = 0; // Σ (O − n/37)² / (n/37); 0 without spins
    int gradiLiberta = GRADI_LIBERTA_NUMERI;
    std::optional<double> p; // empty below GIRI_MINIMI_CHI_QUADRO spins
};

// The test of a fair wheel over the hits of the 37 numbers in `giri` spins.
TChiQuadro chiQuadroNumeri(const std::array<std::int64_t, NUMERI>& sortite, std::int64_t giri);

// The verdict in one sentence, for the player.
inline constexpr std::string_view GIUDIZIO_EQUA =
    TESTO("Nessuna prova che la ruota sia squilibrata.");
inline constexpr std::string_view GIUDIZIO_INSOLITO =
    TESTO("Scarto insolito (p < 0,01): su una ruota equa capita una volta su cento; servono molti "
          "più giri per concludere.");
inline constexpr std::string_view GIUDIZIO_POCHI_GIRI =
    TESTO("Troppo pochi giri per il test (ne servono almeno 185).");
std::string_view giudizioChiQuadro(const TChiQuadro& t);

// A z-score this far from 0 is worth pointing out; among dozens of rows a few get there by
// chance alone.
inline constexpr double SOGLIA_Z = 3.0;

// v with `cifre` decimals and a point whatever the locale: "-1.25".
std::string testoDecimale(double v, int cifre);
// A probability in percent with one decimal and a point: 0.5713 gives "57.1".
std::string testoPercentuale(double probabilita);

// One entity of the game, observed against expected.
struct TRigaStatistica {
    std::string nome;
    double probabilita = 0; // that one spin hits it
    TContatore contatore;   // ritardo, maxRitardo, sortite as the game keeps them
    double attese = 0;
    double z = 0;
    double probMaxRitardo = 0; // probabilitaRitardoAlmeno(giri, probabilita, maxRitardo), 0..1
};

TRigaStatistica rigaStatistica(std::string nome, double probabilita, const TContatore& c,
                               std::int64_t giri);

} // namespace girolino
