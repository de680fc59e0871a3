// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Statistiche.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace girolino {

double colpiAttesi(std::int64_t giri, double p) {
    return static_cast<double>(giri) * p;
}

double deviazioneStandard(std::int64_t giri, double p) {
    return giri > 0 ? std::sqrt(colpiAttesi(giri, p) * (1 - p)) : 0;
}

double punteggioZ(std::int64_t sortite, std::int64_t giri, double p) {
    const double sigma = deviazioneStandard(giri, p);
    if (sigma <= 0) return 0;
    return (static_cast<double>(sortite) - colpiAttesi(giri, p)) / sigma;
}

namespace {

// x[j] ← s − c·(x[0] + … + x[j]) for j < n; returns the sum of the old values. The running
// sum is kept in K chains, one per K-th of the stretch, so that their additions overlap
// instead of waiting for each other.
double avanzaTratto(double* x, std::size_t n, double s, double c) {
    constexpr std::size_t K = 8;
    const std::size_t parte = n / K;
    std::array<double, K> somma{};
    for (std::size_t i = 0; i < parte; ++i)
        for (std::size_t k = 0; k < K; ++k) somma[k] += x[k * parte + i];
    std::array<double, K> prima{}; // the sum before each chain's part
    for (std::size_t k = 1; k < K; ++k) prima[k] = prima[k - 1] + somma[k - 1];
    for (std::size_t i = 0; i < parte; ++i)
        for (std::size_t k = 0; k < K; ++k) {
            double& v = x[k * parte + i];
            prima[k] += v;
            v = s - c * prima[k];
        }
    double corsa = prima[K - 1]; // the last chain goes on over the few values left
    for (std::size_t i = K * parte; i < n; ++i) {
        corsa += x[i];
        x[i] = s - c * corsa;
    }
    return corsa;
}

} // namespace

// With m the length, q = 1 − p and S_t the probability of no run of m misses in t spins:
// S_t = 1 for t < m, S_m = 1 − q^m, and for t ≥ m
//     S_{t+1} = S_t − p·q^m·S_{t−m},
// the subtracted term being the first such run ending at spin t + 1: no run in the first t − m
// spins, a hit at spin t − m + 1, then m misses. The answer 1 − S_n is summed as the positive
// terms F_{t+1} = F_t + p·q^m·S_{t−m}, F_m = q^m, so a small probability keeps its digits.
// The last m + 1 values of S live in a ring; up to m + 1 steps at a time read only values
// already known, so each stretch of the ring is advanced at once.
double probabilitaRitardoAlmeno(std::int64_t giri, double p, std::int64_t lunghezza) {
    if (lunghezza <= 0) return 1;
    if (lunghezza > giri) return 0;
    const double q = 1 - p;
    const double qm = std::pow(q, static_cast<double>(lunghezza));
    const double c = p * qm;
    std::vector<double> anello(static_cast<std::size_t>(lunghezza) + 1, 1.0); // S_0 .. S_m
    anello.back() = 1 - qm;
    double s = anello.back(); // S_t
    double f = qm;            // F_t
    std::size_t i = 0;        // slot of S_{t−m}, which S_{t+1} replaces
    // When S is below half an ulp of 1, F can only round to 1.
    constexpr double trascurabile = 0x1p-54;
    for (std::int64_t t = lunghezza; t < giri && s >= trascurabile;) {
        const auto passi =
            static_cast<std::size_t>(std::min<std::int64_t>(anello.size() - i, giri - t));
        f += c * avanzaTratto(&anello[i], passi, s, c);
        s = anello[i + passi - 1];
        t += static_cast<std::int64_t>(passi);
        i += passi;
        if (i == anello.size()) i = 0;
    }
    if (s < trascurabile) return 1;
    return std::clamp(f, 0.0, 1.0);
}

double pValoreChiQuadro(double x, int gradiLiberta) {
    const boost::math::chi_squared_distribution<double> d(gradiLiberta);
    return boost::math::cdf(boost::math::complement(d, std::max(x, 0.0)));
}

TChiQuadro chiQuadroNumeri(const std::array<std::int64_t, NUMERI>& sortite, std::int64_t giri) {
    TChiQuadro t;
    if (giri > 0) {
        const double attese = colpiAttesi(giri, 1.0 / NUMERI);
        for (std::int64_t o : sortite) {
            const double d = static_cast<double>(o) - attese;
            t.valore += d * d / attese;
        }
    }
    if (giri >= GIRI_MINIMI_CHI_QUADRO) t.p = pValoreChiQuadro(t.valore, t.gradiLiberta);
    return t;
}

std::string_view giudizioChiQuadro(const TChiQuadro& t) {
    if (!t.p) return GIUDIZIO_POCHI_GIRI;
    return *t.p < 0.01 ? GIUDIZIO_INSOLITO : GIUDIZIO_EQUA;
}

std::string testoDecimale(double v, int cifre) {
    std::array<char, 400> b{}; // room for the largest double written out in full
    const auto r = std::to_chars(b.data(), b.data() + b.size(), v, std::chars_format::fixed, cifre);
    return std::string(b.data(), r.ptr);
}

std::string testoPercentuale(double probabilita) {
    return testoDecimale(probabilita * 100, 1);
}

TRigaStatistica rigaStatistica(std::string nome, double probabilita, const TContatore& c,
                               std::int64_t giri) {
    TRigaStatistica r;
    r.nome = std::move(nome);
    r.probabilita = probabilita;
    r.contatore = c;
    r.attese = colpiAttesi(giri, probabilita);
    r.z = punteggioZ(c.sortite, giri, probabilita);
    r.probMaxRitardo = probabilitaRitardoAlmeno(giri, probabilita, c.maxRitardo);
    return r;
}

} // namespace girolino
