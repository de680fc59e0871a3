// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Sessione.h"

#include <limits>

namespace girolino {

namespace {

constexpr std::size_t TERMINI_FIBONACCI = 1478;

// 1, 1, 2, 3, 5, ...: the sums overflow to +infinity well before the last slot, which a
// progression that far along keeps asking for (the table limits cut it anyway).
const std::array<double, TERMINI_FIBONACCI>& tabellaFibonacci() {
    static const auto tabella = [] {
        std::array<double, TERMINI_FIBONACCI> t{};
        t[0] = t[1] = 1;
        for (std::size_t i = 2; i < t.size(); ++i) t[i] = t[i - 1] + t[i - 2];
        t.back() = std::numeric_limits<double>::infinity();
        return t;
    }();
    return tabella;
}

} // namespace

TRegole::TRegole(const TImpostazioniSistema& s)
    : progressione(s.progressione), cassa(s.cassa), unita(s.unita), minimo(s.minimo),
      massimo(s.massimo),
      sogliaObiettivo(s.obiettivo > 0 ? s.cassa + s.obiettivo
                                      : std::numeric_limits<double>::infinity()),
      sogliaStop(s.stopLoss > 0 ? s.cassa - s.stopLoss : -std::numeric_limits<double>::infinity()),
      puntateMassime(s.puntateMassime > 0 ? s.puntateMassime
                                          : std::numeric_limits<std::int64_t>::max()),
      netto{}, linea(s.linea) {
    const double vincita = pagamento(s.puntata);
    for (int n = 0; n < NUMERI; ++n) netto[n] = vince(s.puntata, n) ? vincita : -1.0;
    if (s.partage && s.puntata.suChanceSemplice()) netto[0] = -0.5;
}

TStatoProgressione::TStatoProgressione(const TRegole& regole)
    : regole_(&regole), fibonacci_(tabellaFibonacci().data()) {
    inizia();
}

void TStatoProgressione::inizia() {
    multiplo_ = 1;
    passo_ = 0;
    testa_ = 0;
    if (regole_->progressione == TTipoProgressione::Labouchere) {
        linea_.assign(regole_->linea.begin(), regole_->linea.end());
        ricalcolaLabouchere();
    }
}

} // namespace girolino
