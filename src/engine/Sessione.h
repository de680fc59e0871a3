// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One session of a betting system, bet after bet: the single implementation of the rules that
// the backtest and the Monte Carlo simulator both run. The spin loop is inline and compiled once
// per progression, so a spin costs a table look-up, a few comparisons and the progression's
// own step.
//
// How the rules read where they could be read two ways:
// - The progression counts in units: the stake it asks is a multiple of u (Martingala and
//   Paroli double the multiple, D'Alembert adds or takes one, Fibonacci and Labouchère use the
//   term itself), and the bet stakes multiple x u, then raised to the table minimum or cut to
//   the maximum. The progression never sees the limits: after a cut stake it goes on from the
//   multiple it asked, and a lost Labouchère bet appends that multiple (first + last term),
//   not the stake the table allowed divided by u.
// - A win nets stake x payout, a loss -stake, a zero with La Partage on an even chance
//   -stake/2, which is a lost bet for the counts and for the progression alike.
// - The stops compare the bankroll with B + target and B - stop-loss as computed once; a stake
//   equal to the bankroll can still be played, only a larger one ruins the session.
// - A stake asked beyond the range of a double (a very long losing run) becomes +infinity,
//   which the table maximum still cuts to a finite stake.

#include "engine/Sistema.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace girolino {

// The settings turned into what the spin loop reads. The settings must be valid.
struct TRegole {
    explicit TRegole(const TImpostazioniSistema& s);

    TTipoProgressione progressione;
    double cassa;
    double unita;
    double minimo;
    double massimo;
    double sogliaObiettivo;      // B + target; +infinity without a target
    double sogliaStop;           // B - stop-loss; -infinity without a stop-loss
    std::int64_t puntateMassime; // the largest int64 without a bet count
    // What a stake of 1 nets on each spin: the payout when it wins, -1 when it loses, -1/2 on a
    // zero with La Partage on an even chance.
    std::array<double, NUMERI> netto;
    std::vector<double> linea;
};

// The state of the progression between two bets: the next stake it asks for, in units, before
// the table limits. Keeps its Labouchère line between sessions so that a new session reuses the
// memory.
class TStatoProgressione {
public:
    explicit TStatoProgressione(const TRegole& regole);

    // Back to the first bet of a session.
    void inizia();
    double richiesta() const { return multiplo_; }

    // After a bet: a zero with La Partage is a loss like any other.
    template <TTipoProgressione P> void dopo(bool vinta);

private:
    double termineFibonacci(std::int64_t i) const;
    void ricalcolaLabouchere();

    const TRegole* regole_;
    const double* fibonacci_;
    double multiplo_ = 1;
    std::int64_t passo_ = 0; // Fibonacci: the term's index; Paroli: wins in a row
    std::vector<double> linea_;
    std::size_t testa_ = 0; // Labouchère: terms before it are crossed out
};

// The running figures of a session.
struct TConteggiSessione {
    std::int64_t puntate = 0;
    std::int64_t vinte = 0;
    double puntato = 0;
    double cassa = 0;
    double minima = 0;
    double massima = 0;

    explicit TConteggiSessione(double cassaIniziale)
        : cassa(cassaIniziale), minima(cassaIniziale), massima(cassaIniziale) {}
};

// Plays bets until a stop holds and returns it. `fonte` gives the spins: ciSonoGiri() and
// prossimo() (0..36); `dopoPuntata(cassa)` sees the bankroll after each bet. `stato` must be
// at the start of a session (inizia()).
template <class Fonte, class Osservatore>
TFineSessione giocaSessione(const TRegole& r, TStatoProgressione& stato, TConteggiSessione& c,
                            Fonte& fonte, Osservatore&& dopoPuntata);

// ---- implementation ----

namespace dettaglio {

// a when c holds, b otherwise, without a jump: a win and a loss are equally likely, so a branch
// on them would be mispredicted every other spin.
inline double scegli(bool c, double a, double b) {
    const std::uint64_t maschera = 0 - static_cast<std::uint64_t>(c);
    return std::bit_cast<double>((std::bit_cast<std::uint64_t>(a) & maschera) |
                                 (std::bit_cast<std::uint64_t>(b) & ~maschera));
}

template <TTipoProgressione P, class Fonte, class Osservatore>
TFineSessione giocaSessione(const TRegole& r, TStatoProgressione& stato, TConteggiSessione& c,
                            Fonte& fonte, Osservatore& dopoPuntata) {
    for (;;) {
        // The stops, in this order, before every bet.
        if (!fonte.ciSonoGiri()) return TFineSessione::Fine;
        if (c.puntate >= r.puntateMassime) return TFineSessione::Giri;
        if (c.cassa >= r.sogliaObiettivo) return TFineSessione::Obiettivo;
        if (c.cassa <= r.sogliaStop) return TFineSessione::Stop;
        // The progression's stake, raised to the minimum or cut to the maximum; the progression
        // itself goes on from what it asked.
        const double posta = std::min(std::max(stato.richiesta() * r.unita, r.minimo), r.massimo);
        if (posta > c.cassa) return TFineSessione::Rovina;

        const double netto = r.netto[static_cast<std::size_t>(fonte.prossimo())];
        const bool vinta = netto > 0;
        c.cassa += posta * netto;
        c.puntato += posta;
        ++c.puntate;
        c.vinte += vinta;
        c.minima = std::min(c.minima, c.cassa);
        c.massima = std::max(c.massima, c.cassa);
        stato.dopo<P>(vinta);
        dopoPuntata(c.cassa);
    }
}

} // namespace dettaglio

template <TTipoProgressione P> inline void TStatoProgressione::dopo(bool vinta) {
    using dettaglio::scegli;
    if constexpr (P == TTipoProgressione::Piatta) {
        (void)vinta;
    } else if constexpr (P == TTipoProgressione::Martingala) {
        multiplo_ = scegli(vinta, 1.0, multiplo_ * 2);
    } else if constexpr (P == TTipoProgressione::DAlembert) {
        multiplo_ = scegli(vinta, std::max(1.0, multiplo_ - 1), multiplo_ + 1);
    } else if constexpr (P == TTipoProgressione::Fibonacci) {
        const std::int64_t indietro = passo_ > 2 ? passo_ - 2 : 0;
        passo_ = vinta ? indietro : passo_ + 1;
        multiplo_ = termineFibonacci(passo_);
    } else if constexpr (P == TTipoProgressione::Labouchere) {
        if (vinta) {
            // Cross out the first and the last term (the same one when it is alone).
            ++testa_;
            if (testa_ < linea_.size()) linea_.pop_back();
            if (testa_ >= linea_.size()) {
                linea_.assign(regole_->linea.begin(), regole_->linea.end());
                testa_ = 0;
            }
        } else {
            // The stake lost, in units: the one the line asked for, before the table limits.
            linea_.push_back(multiplo_);
        }
        ricalcolaLabouchere();
    } else {
        static_assert(P == TTipoProgressione::Paroli);
        // Three wins in a row collect the winnings: back to one unit, counting again.
        const std::int64_t vinteDiFila = vinta ? passo_ + 1 : 0;
        const bool raddoppia = vinteDiFila > 0 && vinteDiFila < 3;
        passo_ = raddoppia ? vinteDiFila : 0;
        multiplo_ = scegli(raddoppia, multiplo_ * 2, 1.0);
    }
}

inline double TStatoProgressione::termineFibonacci(std::int64_t i) const {
    // The table ends with +infinity, where the terms leave the range of a double.
    constexpr std::int64_t ULTIMO = 1477;
    return fibonacci_[std::min(i, ULTIMO)];
}

inline void TStatoProgressione::ricalcolaLabouchere() {
    const std::size_t restanti = linea_.size() - testa_;
    multiplo_ = restanti == 1 ? linea_[testa_] : linea_[testa_] + linea_.back();
}

template <class Fonte, class Osservatore>
TFineSessione giocaSessione(const TRegole& r, TStatoProgressione& stato, TConteggiSessione& c,
                            Fonte& fonte, Osservatore&& dopoPuntata) {
    using enum TTipoProgressione;
    switch (r.progressione) {
    case Piatta:
        return dettaglio::giocaSessione<Piatta>(r, stato, c, fonte, dopoPuntata);
    case Martingala:
        return dettaglio::giocaSessione<Martingala>(r, stato, c, fonte, dopoPuntata);
    case DAlembert:
        return dettaglio::giocaSessione<DAlembert>(r, stato, c, fonte, dopoPuntata);
    case Fibonacci:
        return dettaglio::giocaSessione<Fibonacci>(r, stato, c, fonte, dopoPuntata);
    case Labouchere:
        return dettaglio::giocaSessione<Labouchere>(r, stato, c, fonte, dopoPuntata);
    case Paroli:
        return dettaglio::giocaSessione<Paroli>(r, stato, c, fonte, dopoPuntata);
    }
    return TFineSessione::Fine;
}

} // namespace girolino
