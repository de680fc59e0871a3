// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A betting system: the bet, the progression of the stakes, the table limits and the stops of
// a session. The settings are plain numbers; turning text into them is the caller's job,
// checking that they make sense is validaImpostazioni's.

#include "model/Tabella.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace girolino {

// One of the twelve chances or a single number, played before every spin.
struct TPuntata {
    bool suNumero = false; // false: `valore` is a TChance 1..12; true: a number 0..36
    int valore = Rosso;

    static TPuntata chance(TChance c) { return {false, c}; }
    static TPuntata numero(int n) { return {true, n}; }
    // Rosso, Nero, Pari, Dispari, Manq, Pass: the chances paid 1 to 1.
    bool suChanceSemplice() const { return !suNumero && valore >= Rosso && valore <= Pass; }

    friend bool operator==(const TPuntata&, const TPuntata&) = default;
};

// "Rosso", "Nero", "Pari", "Dispari", "Manq", "Pass", "Doz 1".."Doz 3", "Col 1".."Col 3", or
// the number ("0".."36").
std::string nomePuntata(TPuntata p);
// The bet nomePuntata names; nothing for any other text.
std::optional<TPuntata> puntataDaNome(std::string_view nome);

// The payout of a winning stake: 1 for even chances, 2 for dozens and columns, 35 for a number.
int pagamento(TPuntata p);
// Whether the spin n wins the bet. Zero loses every chance.
bool vince(TPuntata p, int n);

enum class TTipoProgressione { Piatta, Martingala, DAlembert, Fibonacci, Labouchere, Paroli };

inline constexpr std::array<TTipoProgressione, 6> PROGRESSIONI = {
    TTipoProgressione::Piatta,    TTipoProgressione::Martingala, TTipoProgressione::DAlembert,
    TTipoProgressione::Fibonacci, TTipoProgressione::Labouchere, TTipoProgressione::Paroli};

// "Piatta", "Martingala", "D'Alembert", "Fibonacci", "Labouchère", "Paroli".
std::string_view nomeProgressione(TTipoProgressione t);

// Every amount is in units of money (decimal numbers); 0 for the target, the stop-loss and the
// bet count means none.
struct TImpostazioniSistema {
    TPuntata puntata;
    TTipoProgressione progressione = TTipoProgressione::Piatta;
    double unita = 1;                // the base stake u
    double cassa = 100;              // the starting bankroll B
    double minimo = 1;               // table minimum
    double massimo = 1000;           // table maximum
    double obiettivo = 0;            // the session ends once the bankroll reaches B + obiettivo
    double stopLoss = 0;             // the session ends once the bankroll falls to B - stopLoss
    std::int64_t puntateMassime = 0; // the session ends after this many bets
    bool partage = false; // a zero takes half the stake of an even chance (ignored on others)
    std::vector<double> linea = {1, 2, 3, 4}; // the Labouchère line, in units

    friend bool operator==(const TImpostazioniSistema&, const TImpostazioniSistema&) = default;
};

// Nothing when the settings can be played; otherwise an Italian sentence naming the first
// wrong field. The Labouchère line is checked only when that progression is chosen.
std::optional<std::string> validaImpostazioni(const TImpostazioniSistema& s);

// A Labouchère line as text: numbers with a decimal point, separated by white space (a comma is
// no separator, so "1,5" is refused rather than read as two terms). Nothing when a piece is not a
// number; an empty vector for blank text.
std::optional<std::vector<double>> leggiLinea(std::string_view testo);

// Why a session ended, in the order the stops are checked before each bet.
enum class TFineSessione : std::uint8_t {
    Fine,      // no spin left
    Giri,      // the bet count was reached
    Obiettivo, // the bankroll reached the target
    Stop,      // the bankroll fell to the stop-loss
    Rovina,    // the next stake cannot be covered
};

// "fine", "giri", "obiettivo", "stop", "rovina".
std::string_view nomeFineSessione(TFineSessione f);

} // namespace girolino
